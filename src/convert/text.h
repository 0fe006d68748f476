#pragma once

#include <cstdint>
#include <string>

namespace morvatek {

// Texts are counted UTF-16 strings, as the controls hold them; one character is one code unit.
using Text = std::u16string;

// Controls of one array are told apart by a 16-bit index.
using Index = std::int16_t;

inline constexpr char16_t kCrLf[] = u"\r\n";

} // namespace morvatek
