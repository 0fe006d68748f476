#pragma once

#include <string>
#include <vector>

namespace morvatek::testing {

// What a calculation must produce, worked out from the arithmetic alone: groups of binary
// digits counted from the right, each read as a binary number and written as one digit.
struct ExpectedConversion {
    std::vector<std::string> groupsRightFirst;
    std::vector<std::string> resultDigits; // most significant first
    std::string transcript;                // UTF-8, lines joined by CR LF
};

// `base` is 4, 8 or 16; `binary` is not empty.
ExpectedConversion expectedConversion(const std::string& binary, int base);

// The transcript of a calculation on an empty entry: the header alone.
std::string expectedHeaderOnly(int groupSize);

} // namespace morvatek::testing
