// Calculations on the window state, compared character for character with the transcripts the
// pupil is meant to see.
#include "conversion.h"
#include "morvatek.h"
#include "runtime_error.h"
#include "utf8.h"

#include <gtest/gtest.h>
#include <vector>

namespace morvatek {
namespace {

using testing::utf8;

std::vector<std::string> items(const ListBox& list) {
    std::vector<std::string> out;
    for (const Text& item : list.items()) {
        out.push_back(utf8(item));
    }
    return out;
}

void calculate(Morvatek& window, std::int16_t selectedOption, const Text& entry) {
    window.SelectedOption = selectedOption;
    window.Text2.setText(entry);
    SplitIntoGroups(window);
}

struct Calculation {
    std::string name;
    std::int16_t selectedOption;
    std::u16string entry;
    std::string transcript;
    std::vector<std::string> groups;
    std::vector<std::string> result;
};

void PrintTo(const Calculation& c, std::ostream* os) {
    *os << c.name;
}

class Transcript : public ::testing::TestWithParam<Calculation> {};

TEST_P(Transcript, GroupsLinesAndResultComeOutAsDesigned) {
    const Calculation& c = GetParam();
    Morvatek window;
    calculate(window, c.selectedOption, c.entry);
    EXPECT_EQ(utf8(window.Text1(0).text()), c.transcript);
    EXPECT_EQ(items(window.List2(2)), c.groups);
    EXPECT_EQ(items(window.List2(3)), c.result);
}

const std::string kHeader = "Числото е разделено на групи по: ";

INSTANTIATE_TEST_SUITE_P(
    Examples, Transcript,
    ::testing::Values(Calculation{"1011_base8",
                                  1,
                                  u"1011",
                                  "1 011\r\n" + kHeader +
                                      "3\r\n\r\n1 = 1\r\n011 = 3\r\n"
                                      "Въведеното число в 8-ична бройна система:\r\n13",
                                  {"011", "1"},
                                  {"1", "3"}},
                      Calculation{"1011_base4",
                                  0,
                                  u"1011",
                                  "10 11\r\n" + kHeader +
                                      "2\r\n\r\n10 = 2\r\n11 = 3\r\n"
                                      "Въведеното число в 4-ична бройна система:\r\n23",
                                  {"11", "10"},
                                  {"2", "3"}},
                      Calculation{"1010_base16",
                                  2,
                                  u"1010",
                                  "1010\r\n" + kHeader +
                                      "4\r\n\r\n1010 = A\r\n"
                                      "Въведеното число в 16-ична бройна система:\r\nA",
                                  {"1010"},
                                  {"A"}},
                      // A full leftmost group gets no blank in front of it.
                      Calculation{"110_base8",
                                  1,
                                  u"110",
                                  "110\r\n" + kHeader +
                                      "3\r\n\r\n110 = 6\r\n"
                                      "Въведеното число в 8-ична бройна система:\r\n6",
                                  {"110"},
                                  {"6"}},
                      Calculation{"1_base16",
                                  2,
                                  u"1",
                                  "1\r\n" + kHeader +
                                      "4\r\n\r\n1 = 1\r\n"
                                      "Въведеното число в 16-ична бройна система:\r\n1",
                                  {"1"},
                                  {"1"}},
                      // Leading zeros are kept in the groups and give a leading zero digit.
                      Calculation{"0001_base8",
                                  1,
                                  u"0001",
                                  "0 001\r\n" + kHeader +
                                      "3\r\n\r\n0 = 0\r\n001 = 1\r\n"
                                      "Въведеното число в 8-ична бройна система:\r\n01",
                                  {"001", "0"},
                                  {"0", "1"}},
                      Calculation{"0_base4",
                                  0,
                                  u"0",
                                  "0\r\n" + kHeader +
                                      "2\r\n\r\n0 = 0\r\n"
                                      "Въведеното число в 4-ична бройна система:\r\n0",
                                  {"0"},
                                  {"0"}},
                      Calculation{"0000_base16",
                                  2,
                                  u"0000",
                                  "0000\r\n" + kHeader +
                                      "4\r\n\r\n0000 = 0\r\n"
                                      "Въведеното число в 16-ична бройна система:\r\n0",
                                  {"0000"},
                                  {"0"}}),
    [](const auto& info) { return info.param.name; });

TEST(LongestEntry, ThirtyOnesInBase4GiveFifteenLinesOfThree) {
    Morvatek window;
    calculate(window, 0, Text(30, u'1'));
    std::string expected = "11";
    for (int g = 1; g < 15; ++g) {
        expected += " 11";
    }
    expected += "\r\n" + kHeader + "2\r\n\r\n";
    for (int g = 0; g < 15; ++g) {
        expected += "11 = 3\r\n";
    }
    expected += "Въведеното число в 4-ична бройна система:\r\n" + std::string(15, '3');
    EXPECT_EQ(utf8(window.Text1(0).text()), expected);
    EXPECT_EQ(window.List2(3).listCount(), 15);
}

TEST(LongestEntry, ThirtyDigitsInBase16GiveEightGroupsAndSevenBlanks) {
    Morvatek window;
    const Text entry = u"101100111000011110000011111001";
    ASSERT_EQ(entry.size(), 30U);
    calculate(window, 2, entry);
    const Text& transcript = window.Text1(0).text();
    const Text firstLine = transcript.substr(0, transcript.find(u"\r\n"));
    EXPECT_EQ(utf8(firstLine), "10 1100 1110 0001 1110 0000 1111 1001");
    EXPECT_EQ(window.List2(2).listCount(), 8);
    EXPECT_EQ(utf8(window.List2(2).list(7)), "10");
    EXPECT_EQ(utf8(transcript.substr(transcript.rfind(u"\r\n") + 2)), "2CE1E0F9");
}

TEST(EmptyEntry, WritesOnlyTheHeaderAndKeepsTheOldLists) {
    Morvatek window;
    calculate(window, 1, u"1011");
    calculate(window, 2, u"");
    EXPECT_EQ(utf8(window.Text1(0).text()), "\r\n" + kHeader + "4\r\n");
    EXPECT_EQ(items(window.List2(2)), (std::vector<std::string>{"011", "1"}));
    EXPECT_EQ(items(window.List2(3)), (std::vector<std::string>{"1", "3"}));
}

TEST(EmptyEntry, NoBaseChosenNamesGroupsOfOne) {
    Morvatek window;
    calculate(window, -1, u"");
    EXPECT_EQ(utf8(window.Text1(0).text()), "\r\n" + kHeader + "1\r\n");
}

TEST(Repeat, SecondCalculationGivesTheSameTranscriptAndLists) {
    Morvatek window;
    calculate(window, 1, u"110101");
    const Text first = window.Text1(0).text();
    SplitIntoGroups(window);
    EXPECT_EQ(window.Text1(0).text(), first);
    EXPECT_EQ(items(window.List2(2)), (std::vector<std::string>{"101", "110"}));
    EXPECT_EQ(items(window.List2(3)), (std::vector<std::string>{"6", "5"}));
}

TEST(NoBase, DigitsWithoutAChosenBaseRaiseTheMissingOptionError) {
    Morvatek window;
    try {
        calculate(window, -1, u"10");
        FAIL() << "no error raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.kind(), RuntimeError::Kind::MissingControlArrayElement);
        EXPECT_EQ(error.index(), -1);
    }
}

} // namespace
} // namespace morvatek
