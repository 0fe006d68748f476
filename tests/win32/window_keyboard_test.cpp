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

// Tab brings the focus to the option group's first button, "8-ична"; the arrow keys move it
// within the group in the tab order (8, 4, 16), and Space marks the button that has it.
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
                                                              {VK_UP, VK_SPACE},
                                                              {'1', '0', '1', '1'},
                                                              VK_RETURN,
                                                              "1011",
                                                              "16-ична бройна система:\r\nB"},
                                           KeyboardConversion{"Base16_1111_Typed",
                                                              {VK_DOWN, VK_DOWN, VK_SPACE},
                                                              {'1', '1', '1', '1'},
                                                              VK_RETURN,
                                                              "1111",
                                                              "16-ична бройна система:\r\nF"},
                                           KeyboardConversion{"Base4_10_Typed",
                                                              {VK_DOWN, VK_SPACE},
                                                              {'1', '0'},
                                                              VK_RETURN,
                                                              "10",
                                                              "4-ична бройна система:\r\n2"}),
                         [](const auto& info) { return info.param.name; });

struct FirstKey {
    UINT key;
    std::string entry;
};

TEST(Keyboard, FirstKeyOnAFreshList) {
    for (const FirstKey& row : {FirstKey{VK_END, "1"}, FirstKey{VK_NEXT, "1"},
                                FirstKey{VK_HOME, "0"}, FirstKey{VK_DOWN, "0"},
                                FirstKey{VK_UP, "0"}, FirstKey{VK_SPACE, ""}, FirstKey{'A', ""}}) {
        OpenWindow open;
        open.click("Option1_0");
        SetFocus(open.control("List1"));
        open.press(row.key);
        EXPECT_EQ(open.entry(), row.entry) << "key " << row.key;
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
