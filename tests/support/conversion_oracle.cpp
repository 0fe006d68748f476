#include "conversion_oracle.h"

#include <algorithm>

namespace morvatek::testing {

namespace {

int bitsPerDigit(int base) {
    return base == 4 ? 2 : base == 8 ? 3 : 4;
}

std::string baseName(int base) {
    return std::to_string(base) + "-ична";
}

char digitOf(const std::string& group) {
    int value = 0;
    for (char bit : group) {
        value = value * 2 + (bit - '0');
    }
    return "0123456789ABCDEF"[value];
}

} // namespace

std::string expectedHeaderOnly(int groupSize) {
    return "\r\nЧислото е разделено на групи по: " + std::to_string(groupSize) + "\r\n";
}

ExpectedConversion expectedConversion(const std::string& binary, int base) {
    const int size = bitsPerDigit(base);
    ExpectedConversion out;
    for (auto end = static_cast<long>(binary.size()); end > 0; end -= size) {
        const long begin = std::max(0L, end - size);
        out.groupsRightFirst.push_back(
            binary.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin)));
    }
    std::vector<std::string> leftFirst(out.groupsRightFirst.rbegin(), out.groupsRightFirst.rend());

    std::string grouped;
    std::string lines;
    std::string number;
    for (const std::string& group : leftFirst) {
        grouped += (grouped.empty() ? "" : " ") + group;
        const char digit = digitOf(group);
        lines += group + " = " + digit + "\r\n";
        number += digit;
        out.resultDigits.emplace_back(1, digit);
    }
    out.transcript = grouped + expectedHeaderOnly(size) + "\r\n" + lines + "Въведеното число в " +
                     baseName(base) + " бройна система:\r\n" + number;
    return out;
}

} // namespace morvatek::testing
