// Every calculation checked against the arithmetic: all entries of 1 to 12 digits and random
// entries of up to 30, in each base.
#include "conversion.h"
#include "conversion_oracle.h"
#include "morvatek.h"
#include "utf8.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace morvatek {
namespace {

using testing::expectedConversion;
using testing::utf8;

::testing::AssertionResult convertsAsTheOracleSays(const std::string& binary, int base) {
    Morvatek window;
    window.SelectedOption = static_cast<std::int16_t>(base == 4 ? 0 : base == 8 ? 1 : 2);
    window.Text2.setText(Text(binary.begin(), binary.end()));
    SplitIntoGroups(window);
    const auto expected = expectedConversion(binary, base);
    std::vector<std::string> groups;
    std::vector<std::string> digits;
    for (const Text& item : window.List2(2).items()) {
        groups.push_back(utf8(item));
    }
    for (const Text& item : window.List2(3).items()) {
        digits.push_back(utf8(item));
    }
    const std::string transcript = utf8(window.Text1(0).text());
    if (transcript != expected.transcript || groups != expected.groupsRightFirst ||
        digits != expected.resultDigits) {
        return ::testing::AssertionFailure() << binary << " in base " << base << ":\n"
                                             << transcript << "\nexpected\n"
                                             << expected.transcript;
    }
    return ::testing::AssertionSuccess();
}

class EveryBase : public ::testing::TestWithParam<int> {};

TEST_P(EveryBase, AllEntriesOfOneToTwelveDigits) {
    for (int length = 1; length <= 12; ++length) {
        for (unsigned bits = 0; bits < (1U << length); ++bits) {
            std::string binary;
            for (int at = length - 1; at >= 0; --at) {
                binary += ((bits >> at) & 1U) != 0 ? '1' : '0';
            }
            ASSERT_TRUE(convertsAsTheOracleSays(binary, GetParam()));
        }
    }
}

TEST_P(EveryBase, RandomEntriesOfUpToThirtyDigits) {
    std::mt19937 random(20261208U + static_cast<unsigned>(GetParam()));
    std::uniform_int_distribution<int> lengths(1, 30);
    std::bernoulli_distribution bit;
    for (int run = 0; run < 500; ++run) {
        std::string binary;
        for (int n = lengths(random); n > 0; --n) {
            binary += bit(random) ? '1' : '0';
        }
        ASSERT_TRUE(convertsAsTheOracleSays(binary, GetParam()));
    }
}

INSTANTIATE_TEST_SUITE_P(Bases, EveryBase, ::testing::Values(4, 8, 16),
                         [](const auto& info) { return "base" + std::to_string(info.param); });

} // namespace
} // namespace morvatek
