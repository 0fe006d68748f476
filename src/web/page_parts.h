#pragma once

// The parts of the page that the generator writes from the window's description, and what they
// share: texts in UTF-8 and HTML, twips in CSS pixels, which controls the page shows.
#include "control_looks.h"

#include <array>
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

// What a pupil reads first comes first: the task statement, the bases, the digits, the entry,
// the buttons, the transcript, each label before the control it names. Screen readers read the
// page in this order, and phones show the controls in it, one below the other.
inline constexpr std::array<std::string_view, 10> kReadingOrder{
    "Label1_0", "Label1_1", "Frame1",     "Label1_2",   "List1",
    "Label1_3", "Text2",    "Command1_0", "Command1_1", "Text1_0"};

void printStyle();
void printWindow();
void printManifest();

} // namespace morvatek::web
