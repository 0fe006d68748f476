// The pupil's clicks and keys as real messages on the Win32 controls, and what the window shows
// in return.
#include "conversion_oracle.h"
#include "message_loop.h"
#include "open_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace morvatek::testing {
namespace {

std::vector<std::string> digitItems(const OpenWindow& open) {
    std::vector<std::string> items;
    HWND list = open.control("List1");
    for (int i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
        wchar_t text[8] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.push_back(utf8(text));
    }
    return items;
}

TEST(Road, Base8AndFourClicksGiveThirteen) {
    OpenWindow open;
    open.click("Option1_1");
    EXPECT_TRUE(open.checked("Option1_1"));
    EXPECT_EQ(digitItems(open), (std::vector<std::string>{"0", "1"}));
    open.enterDigits("1011");
    EXPECT_EQ(open.entry(), "1011");
    open.click("Command1_0");
    EXPECT_EQ(open.transcript(), "1 011\r\n"
                                 "Числото е разделено на групи по: 3\r\n"
                                 "\r\n"
                                 "1 = 1\r\n"
                                 "011 = 3\r\n"
                                 "Въведеното число в 8-ична бройна система:\r\n"
                                 "13");
    EXPECT_FALSE(IsWindowEnabled(open.control("List1")));
    EXPECT_TRUE(open.shownErrors().empty());
    open.click("Command1_1");
    // A screen reader is told each action once, in the core's words.
    EXPECT_EQ(open.sentences(),
              (std::vector<std::string>{"Избрана бройна система: 8-ична.", "Цифра 1, въведени 1.",
                                        "Цифра 0, въведени 2.", "Цифра 1, въведени 3.",
                                        "Цифра 1, въведени 4.", "Резултат: 13",
                                        "Въведеното число и резултатът са изтрити."}));
}

TEST(DigitClicks, ThirtyOneClicksLeaveThirtyDigits) {
    OpenWindow open;
    open.click("Option1_2");
    for (int click = 0; click < 31; ++click) {
        open.clickItem(1);
    }
    EXPECT_EQ(open.entry(), std::string(30, '1'));
}

TEST(DigitClicks, TheSelectedItemClickedAgainAndDoubleClickedEntersItEachTime) {
    OpenWindow open;
    open.click("Option1_0");
    open.clickItem(1);
    open.clickItem(1);
    EXPECT_EQ(open.entry(), "11");
    EXPECT_EQ(SendMessageW(open.control("List1"), LB_GETCURSEL, 0, 0), 1);
    open.doubleClickItem(0);
    EXPECT_EQ(open.entry(), "1100");
}

TEST(DigitClicks, ClickBesideTheItemsEntersNothing) {
    OpenWindow open;
    open.click("Option1_0");
    open.clickAt("List1", {30, 40});
    EXPECT_EQ(open.entry(), "");
}

TEST(DigitClicks, DisabledListAfterCalculatingTakesNoClicks) {
    OpenWindow open;
    open.click("Option1_0");
    open.enterDigits("10");
    open.click("Command1_0");
    open.click("Option1_2");
    EXPECT_EQ(digitItems(open), (std::vector<std::string>{"0", "1"}));
    EXPECT_FALSE(IsWindowEnabled(open.control("List1")));
    open.clickItem(1);
    EXPECT_EQ(open.entry(), "");
}

TEST(Options, AnotherBaseEmptiesTheEntryAndMovesTheMark) {
    OpenWindow open;
    open.click("Option1_0");
    open.enterDigits("110");
    open.click("Option1_1");
    EXPECT_EQ(open.entry(), "");
    EXPECT_FALSE(open.checked("Option1_0"));
    EXPECT_TRUE(open.checked("Option1_1"));
}

TEST(Options, TheWholeColouredBoxTakesTheClick) {
    for (const POINT at : {POINT{118, 12}, POINT{119, 1}, POINT{1, 23}}) {
        OpenWindow open;
        open.clickAt("Option1_2", at);
        EXPECT_TRUE(open.checked("Option1_2")) << at.x << "," << at.y;
        EXPECT_EQ(open.model().SelectedOption, 2);
    }
}

TEST(Options, BmClickChoosesAndAClickOnTheMarkedOneKeepsTheDigits) {
    OpenWindow open;
    SendMessageW(open.control("Option1_1"), BM_CLICK, 0, 0);
    open.pump();
    EXPECT_TRUE(open.checked("Option1_1"));
    open.enterDigits("11");
    open.click("Option1_1");
    EXPECT_EQ(open.entry(), "11");
}

TEST(Clear, EmptiesTranscriptAndEntryAndUnmarksTheOptions) {
    OpenWindow open;
    open.click("Option1_2");
    open.enterDigits("1");
    open.click("Command1_0");
    open.click("Command1_1");
    EXPECT_EQ(open.transcript(), "");
    EXPECT_EQ(open.entry(), "");
    for (const char* option : {"Option1_0", "Option1_1", "Option1_2"}) {
        EXPECT_FALSE(open.checked(option)) << option;
    }
    EXPECT_TRUE(digitItems(open).empty());
    EXPECT_TRUE(IsWindowEnabled(open.control("List1")));
}

TEST(Buttons, EnterSpaceAndAQuickSecondClickPressThem) {
    for (const UINT key : {UINT{VK_RETURN}, UINT{VK_SPACE}}) {
        OpenWindow open;
        open.click("Option1_2");
        open.enterDigits("11");
        SetFocus(open.control("Command1_1"));
        open.press(key);
        EXPECT_EQ(open.entry(), "") << key;
        EXPECT_EQ(open.transcript(), "") << key;
    }
    OpenWindow open;
    open.click("Option1_2");
    open.enterDigits("1");
    HWND calculate = open.control("Command1_0");
    SendMessageW(calculate, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(calculate, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageW(calculate, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(calculate, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    open.pump();
    EXPECT_TRUE(open.transcript().ends_with("16-ична бройна система:\r\n1"));
}

TEST(Transcript, CanBeSelectedAndCopiedButNotEdited) {
    OpenWindow open;
    open.click("Option1_0");
    open.enterDigits("111");
    open.click("Command1_0");
    HWND transcript = open.control("Text1_0");
    SendMessageW(transcript, EM_SETSEL, 0, -1);
    SendMessageW(transcript, WM_COPY, 0, 0);
    ASSERT_TRUE(OpenClipboard(open.hwnd()));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    const std::wstring copied(static_cast<const wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(utf8(copied), open.transcript());
    EXPECT_TRUE(open.transcript().ends_with("\r\n13"));
    SendMessageW(transcript, WM_CUT, 0, 0);
    SendMessageW(transcript, WM_CHAR, L'x', 0);
    SendMessageW(transcript, WM_CLEAR, 0, 0);
    EXPECT_TRUE(open.transcript().ends_with("\r\n13")) << "the pupil edited the transcript";
}

// Counts WM_SETTEXT in the int at `count`. A function of its own, as Windows calls it: a lambda
// would not have the 32-bit calling convention.
LRESULT CALLBACK counter(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                         DWORD_PTR count) {
    if (message == WM_SETTEXT) {
        ++*reinterpret_cast<int*>(count);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// The handlers assign the transcript once per group and line; the window shows the end result
// in one go, from its top.
TEST(Transcript, ACalculationSetsItsTextOnceFromItsTopAndTheSameAgainKeepsThePlace) {
    OpenWindow open;
    open.click("Option1_0");
    open.enterDigits(std::string(30, '1'));
    HWND transcript = open.control("Text1_0");
    int setTexts = 0;
    SetWindowSubclass(transcript, counter, 1, reinterpret_cast<DWORD_PTR>(&setTexts));
    open.click("Command1_0");
    EXPECT_EQ(SendMessageW(transcript, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    // The same number again gives the same text: nothing is written, the pupil's place is kept.
    SendMessageW(transcript, EM_LINESCROLL, 0, 5);
    open.click("Command1_0");
    RemoveWindowSubclass(transcript, counter, 1);
    EXPECT_EQ(setTexts, 1);
    EXPECT_EQ(open.transcript(), expectedConversion(std::string(30, '1'), 4).transcript);
    EXPECT_EQ(SendMessageW(transcript, EM_GETFIRSTVISIBLELINE, 0, 0), 5);
}

TEST(Focus, AClickOnADigitTakesTheFocus) {
    OpenWindow open;
    open.click("Option1_0");
    open.clickItem(1);
    EXPECT_EQ(open.focusName(), "List1");
    open.press('0');
    EXPECT_EQ(open.entry(), "10");
}

// Like a dialog, the window gives the focus back to the control that had it, so the next key
// still enters a digit.
TEST(Focus, ComingBackToTheWindowGivesTheFocusBackToTheDigitList) {
    const auto minimiseAndRestore = [](OpenWindow& open) {
        SendMessageW(open.hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        open.pump();
        SendMessageW(open.hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
        open.pump();
    };
    const auto switchAwayAndBack = [](OpenWindow& open) {
        HWND other = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 50, 50,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(other);
        open.pump();
        DestroyWindow(other);
        SetForegroundWindow(open.hwnd());
        open.pump();
    };
    // The focus moves on while the window is inactive; coming back still restores the saved one.
    const auto focusMovesWhileInactive = [](OpenWindow& open) {
        SendMessageW(open.hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
        SetFocus(open.control("Command1_1"));
        SendMessageW(open.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
        open.pump();
    };
    const auto windowItselfTakesTheFocus = [](OpenWindow& open) {
        SendMessageW(open.hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
        SetFocus(open.hwnd());
        open.pump();
    };
    int way = 0;
    for (const auto& leaveAndReturn : {+minimiseAndRestore, +switchAwayAndBack,
                                       +focusMovesWhileInactive, +windowItselfTakesTheFocus}) {
        SCOPED_TRACE(++way);
        OpenWindow open;
        open.click("Option1_0");
        open.clickItem(1);
        leaveAndReturn(open);
        EXPECT_EQ(open.focusName(), "List1");
        open.press('1');
        EXPECT_EQ(open.entry(), "11");
    }
}

TEST(ErrorPath, RunTimeErrorIsShownOnceAndEndsTheProgramWithStatusOne) {
    OpenWindow open;
    open.click("Option1_1");
    open.enterDigits("101");
    open.model().SelectedOption = -1; // behind the window's back
    open.click("Command1_0");
    ASSERT_EQ(open.shownErrors().size(), 1U);
    EXPECT_NE(open.shownErrors().front().find(L"Option1(-1)"), std::wstring::npos);
    EXPECT_EQ(open.quitStatus(), 1);
    EXPECT_FALSE(IsWindow(open.hwnd()));
    // The program's own loop ends with that status, which becomes the exit status.
    PostQuitMessage(1);
    EXPECT_EQ(win32::runMessageLoop(open.hwnd()), 1);
}

} // namespace
} // namespace morvatek::testing
