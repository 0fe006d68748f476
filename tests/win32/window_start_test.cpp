// The Win32 window as it opens: what the pupil sees, where every control is at 96 and 144 DPI,
// the colours as drawn, and the order Tab visits the controls in.
#include "control_looks.h"
#include "designed_texts.h"
#include "open_window.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace morvatek::testing {
namespace {

TEST(StartState, NoBaseEmptyEntryAndTheTaskStatementAtTheTopWithTheFocus) {
    OpenWindow open;
    EXPECT_EQ(utf8(windowText(open.hwnd())),
              "www.morvatek.example Бройна система - директно преобразуване");
    for (const char* option : {"Option1_0", "Option1_1", "Option1_2"}) {
        EXPECT_FALSE(open.checked(option)) << option;
    }
    EXPECT_EQ(SendMessageW(open.control("List1"), LB_GETCOUNT, 0, 0), 0);
    EXPECT_TRUE(IsWindowEnabled(open.control("List1")));
    EXPECT_EQ(open.entry(), "");
    EXPECT_EQ(open.transcript(), kDesignedTaskStatement);
    EXPECT_EQ(SendMessageW(open.control("Text1_0"), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    EXPECT_EQ(open.focusName(), "Text1_0");
}

// The test program carries the same icon resource as Morvatek.exe.
TEST(StartState, TitleBarAndTaskbarShowTheIcon) {
    OpenWindow open;
    for (const auto& [which, pixels] : {std::pair{ICON_SMALL, 16}, std::pair{ICON_BIG, 32}}) {
        auto icon = reinterpret_cast<HICON>(SendMessageW(open.hwnd(), WM_GETICON, which, 0));
        ASSERT_NE(icon, nullptr) << pixels;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
        EXPECT_EQ(bitmap.bmWidth, pixels);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}

TEST(StartState, OnlyThePupilsControlsAreVisible) {
    OpenWindow open;
    for (const form::ControlLook& look : form::controlLooks()) {
        const bool hidden = look.name.starts_with("List2") || look.name == "Text1_1";
        EXPECT_EQ(open.visible(look.name), !hidden) << look.name;
    }
}

TEST(StartState, AHiddenListShowsItsItemsOnceTheModelShowsIt) {
    OpenWindow open;
    open.model().List2(1).setVisible(true);
    HWND digits = open.control("List2_1");
    EXPECT_TRUE(IsWindowVisible(digits));
    ASSERT_EQ(SendMessageW(digits, LB_GETCOUNT, 0, 0), 16);
    wchar_t last[4] = {};
    SendMessageW(digits, LB_GETTEXT, 15, reinterpret_cast<LPARAM>(last));
    EXPECT_EQ(std::wstring(last), L"F");
}

TEST(StartState, TextBoxesAreReadOnlyAndTheTranscriptScrolls) {
    OpenWindow open;
    for (const char* name : {"Text1_0", "Text2"}) {
        EXPECT_TRUE(GetWindowLongPtrW(open.control(name), GWL_STYLE) & ES_READONLY) << name;
    }
    EXPECT_TRUE(GetWindowLongPtrW(open.control("Text1_0"), GWL_STYLE) & WS_VSCROLL);
}

::testing::AssertionResult sameRect(const RECT& actual, const RECT& expected) {
    if (EqualRect(&actual, &expected) != FALSE) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "(" << actual.left << ", " << actual.top << ") - (" << actual.right << ", "
           << actual.bottom << ") instead of (" << expected.left << ", " << expected.top << ") - ("
           << expected.right << ", " << expected.bottom << ")";
}

SIZE clientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// At 96 DPI a pixel is 15 twips; the option buttons sit inside their frame.
TEST(Layout, EveryControlAt96Dpi) {
    OpenWindow open;
    const SIZE client = clientSize(open.hwnd());
    EXPECT_EQ(client.cx, 477);
    EXPECT_EQ(client.cy, 318);
    for (const form::ControlLook& look : form::controlLooks()) {
        int left = look.rect.left;
        int top = look.rect.top;
        if (!look.parent.empty()) {
            left += form::lookOf(look.parent).rect.left;
            top += form::lookOf(look.parent).rect.top;
        }
        const RECT designed{left / 15, top / 15, (left + look.rect.width) / 15,
                            (top + look.rect.height) / 15};
        EXPECT_TRUE(sameRect(open.rectOf(look.name), designed)) << look.name;
    }
}

struct At144Dpi {
    const char* name;
    RECT pixels;
};

// The window follows a move to a 150 % monitor: 10 twips a pixel, halves rounded up.
TEST(Layout, ControlsAndFontFollowAMoveTo144Dpi) {
    OpenWindow open;
    RECT suggested{100, 100, 900, 700};
    SendMessageW(open.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    const SIZE client = clientSize(open.hwnd());
    EXPECT_EQ(client.cx, 716);
    EXPECT_EQ(client.cy, 477);
    for (const At144Dpi& row :
         {At144Dpi{"Label1_0", {36, 0, 686, 38}}, At144Dpi{"Frame1", {12, 84, 242, 218}},
          At144Dpi{"Option1_1", {36, 132, 218, 170}}, At144Dpi{"List1", {264, 120, 362, 183}},
          At144Dpi{"Text2", {372, 144, 662, 185}}, At144Dpi{"Command1_0", {492, 60, 662, 98}},
          At144Dpi{"Text1_0", {24, 264, 698, 470}}}) {
        EXPECT_TRUE(sameRect(open.rectOf(row.name), row.pixels)) << row.name;
    }
    LOGFONTW font{};
    const auto handle =
        reinterpret_cast<HFONT>(SendMessageW(open.control("Text1_0"), WM_GETFONT, 0, 0));
    ASSERT_TRUE(GetObjectW(handle, sizeof(font), &font));
    EXPECT_EQ(font.lfHeight, -24);
}

TEST(Look, FontIsTimesNewRoman12PointCyrillic) {
    OpenWindow open;
    LOGFONTW font{};
    const auto handle =
        reinterpret_cast<HFONT>(SendMessageW(open.control("Label1_0"), WM_GETFONT, 0, 0));
    ASSERT_TRUE(GetObjectW(handle, sizeof(font), &font));
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Times New Roman");
    EXPECT_EQ(font.lfHeight, -16);
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(font.lfCharSet, 204);
}

// What the control shows now, read back from the screen.
struct Pixels {
    int width;
    int height;
    std::vector<COLORREF> colours;
    COLORREF at(int x, int y) const {
        return colours[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                       static_cast<std::size_t>(x)];
    }
};

Pixels capture(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT client{};
    GetClientRect(window, &client);
    Pixels pixels{client.right, client.bottom, {}};
    HDC dc = GetDC(window);
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            pixels.colours.push_back(GetPixel(dc, x, y));
        }
    }
    ReleaseDC(window, dc);
    return pixels;
}

COLORREF pixelOf(HWND window, int x, int y) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

struct DrawnColour {
    const char* name;
    POINT at;
    COLORREF colour;
};

TEST(Look, ColoursAsDrawn) {
    OpenWindow open;
    EXPECT_EQ(pixelOf(open.hwnd(), 5, 5), RGB(192, 192, 255));
    const COLORREF label = RGB(255, 192, 128);
    for (const DrawnColour& row :
         {DrawnColour{"Label1_0", {3, 3}, label}, DrawnColour{"Label1_2", {60, 22}, label},
          DrawnColour{"Label1_3", {185, 3}, label},
          DrawnColour{"Option1_1", {115, 3}, RGB(192, 255, 192)},
          DrawnColour{"Command1_0", {6, 5}, RGB(128, 255, 128)},
          DrawnColour{"Command1_1", {6, 5}, RGB(255, 128, 128)},
          DrawnColour{"List1", {30, 20}, GetSysColor(COLOR_WINDOW)},
          DrawnColour{"Text2", {150, 10}, GetSysColor(COLOR_WINDOW)}}) {
        EXPECT_EQ(pixelOf(open.control(row.name), row.at.x, row.at.y), row.colour) << row.name;
    }
}

struct CaptionArea {
    const char* name;
    RECT area; // where only the caption can be dark: beside the circle, inside the edges
};

// Black text on the designed colours, with nothing white behind it: the darkest pixel of a
// caption is near black and none is pure white.
TEST(Look, CaptionsOnDesignedColoursAreBlack) {
    OpenWindow open;
    for (const CaptionArea& row :
         {CaptionArea{"Label1_0", {0, 0, 433, 25}}, CaptionArea{"Label1_2", {0, 0, 65, 25}},
          CaptionArea{"Option1_2", {20, 2, 118, 23}}, CaptionArea{"Command1_0", {4, 4, 109, 21}}}) {
        const Pixels pixels = capture(open.control(row.name));
        int darkest = 255 * 3;
        int white = 0;
        for (int y = row.area.top; y < row.area.bottom; ++y) {
            for (int x = row.area.left; x < row.area.right; ++x) {
                const COLORREF c = pixels.at(x, y);
                darkest = std::min(darkest, GetRValue(c) + GetGValue(c) + GetBValue(c));
                white += c == RGB(255, 255, 255) ? 1 : 0;
            }
        }
        EXPECT_LT(darkest, 3 * 60) << row.name;
        EXPECT_EQ(white, 0) << row.name;
    }
}

int brightness(COLORREF c) {
    return GetRValue(c) + GetGValue(c) + GetBValue(c);
}

// A button at rest is raised: lit along its top and left, shaded along its bottom and right.
TEST(Look, ButtonsAtRestAreRaised) {
    OpenWindow open;
    for (const char* name : {"Command1_0", "Command1_1"}) {
        const Pixels pixels = capture(open.control(name));
        EXPECT_GT(brightness(pixels.at(1, 1)), brightness(pixels.at(pixels.width - 2, 1))) << name;
        EXPECT_GT(brightness(pixels.at(1, 1)),
                  brightness(pixels.at(pixels.width - 2, pixels.height - 2)))
            << name;
    }
}

TEST(Look, TheTaskStatementIsCentredInItsLabel) {
    OpenWindow open;
    const Pixels pixels = capture(open.control("Label1_0"));
    int left = pixels.width;
    int right = -1;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            if (brightness(pixels.at(x, y)) < 3 * 100) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_LE(left, right);
    EXPECT_NEAR(left, pixels.width - 1 - right, 4) << left << " and " << right;
}

// With a base chosen, Tab enters the group at the chosen button.
TEST(Focus, TabFromTheTranscriptLandsOnTheChosenBase) {
    OpenWindow open;
    open.click("Option1_2");
    SetFocus(open.control("Text1_0"));
    open.press(VK_TAB);
    EXPECT_EQ(open.focusName(), "Option1_2");
}

TEST(Focus, TabVisitsTheControlsInTheDesignedOrder) {
    OpenWindow open;
    std::vector<std::string> visited;
    for (int step = 0; step < 6; ++step) {
        visited.push_back(open.focusName());
        open.press(VK_TAB);
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"Text1_0", "Option1_1", "List1", "Command1_0",
                                                 "Command1_1", "Text2"}));
    EXPECT_EQ(open.focusName(), "Text1_0");
}

} // namespace
} // namespace morvatek::testing
