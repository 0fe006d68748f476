// A pupil with only a keyboard: Tab, the arrow keys, Space, Enter and the digit keys, as key
// messages to the focused control through the dialog manager.
#include "open_window.h"

#include <gtest/gtest.h>

namespace morvatek::testing {
namespace {

struct KeyboardConversion {
    std::string name;
    std::vector<UINT> chooseBase; // after Tab has brought the focus to the option group
    std::vector<UINT> enterDigits;
    UINT press;
    std::string entry;
    std::string lastLines;
};

void PrintTo(const KeyboardConversion& k, std::ostream* os) {
    *os << k.name;
}

class Keyboard : public ::testing::TestWithParam<KeyboardConversion> {};

// Tab brings the focus to the option group's first button in the tab order, "8-ична"; the arrow
// keys move down or up the window (4, 8, 16, round again) and mark the button they land on, and
// Space marks the button that has the focus.
TEST_P(Keyboard, WholeConversionWithoutTheMouse) {
    const KeyboardConversion& k = GetParam();
    OpenWindow open;
    open.press(VK_TAB);
    for (UINT key : k.chooseBase) {
        open.press(key);
    }
    open.press(VK_TAB);
    ASSERT_EQ(open.focusName(), "List1");
    for (UINT key : k.enterDigits) {
        open.press(key);
    }
    EXPECT_EQ(open.entry(), k.entry);
    open.press(VK_TAB);
    ASSERT_EQ(open.focusName(), "Command1_0");
    open.press(k.press);
    EXPECT_TRUE(open.transcript().ends_with(k.lastLines)) << open.transcript();
}

INSTANTIATE_TEST_SUITE_P(Conversions, Keyboard,
                         ::testing::Values(KeyboardConversion{"Base8_1011_ArrowsAndSpace",
                                                              {VK_SPACE},
                                                              {VK_END, VK_UP, VK_DOWN, VK_SPACE},
                                                              VK_RETURN,
                                                              "1011",
                                                              "8-ична бройна система:\r\n13"},
                                           KeyboardConversion{
                                               "Base8_1111_EndAndSpace",
                                               {VK_SPACE},
                                               {VK_END, VK_SPACE, VK_SPACE, VK_RETURN},
                                               VK_SPACE,
                                               "1111",
                                               "8-ична бройна система:\r\n17"},
                                           KeyboardConversion{"Base16_1011_Typed",
                                                              {VK_DOWN},
                                                              {'1', '0', '1', '1'},
                                                              VK_RETURN,
                                                              "1011",
                                                              "16-ична бройна система:\r\nB"},
                                           KeyboardConversion{"Base16_1111_Typed",
                                                              {VK_UP, VK_UP},
                                                              {'1', '1', '1', '1'},
                                                              VK_RETURN,
                                                              "1111",
                                                              "16-ична бройна система:\r\nF"},
                                           KeyboardConversion{"Base4_10_Typed",
                                                              {VK_LEFT},
                                                              {'1', '0'},
                                                              VK_RETURN,
                                                              "10",
                                                              "4-ична бройна система:\r\n2"}),
                         [](const auto& info) { return info.param.name; });

struct DigitKeys {
    std::vector<UINT> keys;
    std::string entry;
};

// Every key that moves the selection enters the digit it lands on; a key that stays puts nothing.
TEST(Keyboard, KeysOnTheDigitList) {
    for (const DigitKeys& row :
         {DigitKeys{{VK_END}, "1"}, DigitKeys{{VK_NEXT}, "1"}, DigitKeys{{VK_HOME}, "0"},
          DigitKeys{{VK_DOWN}, "0"}, DigitKeys{{VK_UP}, "0"}, DigitKeys{{VK_SPACE}, ""},
          DigitKeys{{'A'}, ""}, DigitKeys{{VK_END, VK_LEFT}, "10"},
          DigitKeys{{VK_END, VK_PRIOR}, "10"}, DigitKeys{{VK_END, VK_RIGHT}, "1"},
          DigitKeys{{VK_HOME, VK_RIGHT, VK_HOME}, "010"}}) {
        OpenWindow open;
        open.click("Option1_0");
        SetFocus(open.control("List1"));
        std::string keys;
        for (const UINT key : row.keys) {
            open.press(key);
            keys += std::to_string(key) + " ";
        }
        EXPECT_EQ(open.entry(), row.entry) << "keys " << keys;
    }
}

struct BaseArrow {
    const char* from;
    UINT key;
    const char* to;
};

// The arrows go down and up the window as the buttons stand, round from either end.
TEST(Keyboard, ArrowsInTheBaseGroupMarkTheButtonTheyLandOn) {
    for (const BaseArrow& row :
         {BaseArrow{"Option1_0", VK_DOWN, "Option1_1"}, BaseArrow{"Option1_0", VK_UP, "Option1_2"},
          BaseArrow{"Option1_1", VK_RIGHT, "Option1_2"},
          BaseArrow{"Option1_2", VK_DOWN, "Option1_0"},
          BaseArrow{"Option1_2", VK_LEFT, "Option1_1"}}) {
        OpenWindow open;
        open.click(row.from);
        open.press(row.key);
        EXPECT_EQ(open.focusName(), row.to) << row.from << " key " << row.key;
        EXPECT_TRUE(open.checked(row.to)) << row.from << " key " << row.key;
        EXPECT_FALSE(open.checked(row.from)) << row.from << " key " << row.key;
        EXPECT_TRUE(open.shownErrors().empty());
    }
}

TEST(Keyboard, TabbingThroughTheListEntersNothing) {
    OpenWindow open;
    open.click("Option1_1");
    SetFocus(open.control("Option1_1"));
    open.press(VK_TAB);
    ASSERT_EQ(open.focusName(), "List1");
    open.press(VK_TAB);
    EXPECT_EQ(open.focusName(), "Command1_0");
    EXPECT_EQ(open.entry(), "");
}

} // namespace
} // namespace morvatek::testing
