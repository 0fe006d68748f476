#pragma once

#include "text.h"

namespace morvatek {

// Reads the number at the start of a text as a decimal number: leading blanks are skipped, a
// sign and a fraction are read, and reading stops at the first other character ("011" is 11,
// "" is 0).
double Val(const Text& text);

// An integer written in decimal digits, with a minus sign when negative and no blank.
Text decimalText(long value);

// Character `position` of a text, counted from 1; empty outside the text.
Text characterAt(const Text& text, long position);

} // namespace morvatek
