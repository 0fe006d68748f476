#pragma once

// The parts of the page that the generator writes from the window's description, and what they
// share: texts in UTF-8 and HTML, twips in CSS pixels, which controls the page shows.
#include "control_looks.h"

#include <string>
#include <string_view>

namespace morvatek::web {

inline constexpr int kTwipsPerCssPixel = 15;

std::string utf8(std::u16string_view text);
std::string escaped(std::u16string_view text);
std::string px(int twips);
// The page shows only what the pupil can see: the hidden lists and the motto box live in the
// model alone.
bool onPage(const form::ControlLook& look);

void printStyle();
void printWindow();
void printManifest();

} // namespace morvatek::web
