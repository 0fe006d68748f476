// The window's look table against the design: every control's rectangle in twips, background,
// tab place and parent, and the window's own size, colour and font.
#include "control_looks.h"
#include "twips.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace morvatek::form {
namespace {

struct DesignedControl {
    std::string name;
    ControlKind kind;
    std::string parent;
    TwipRect rect;
    std::optional<Rgb> background;
    int tab;
};

void PrintTo(const DesignedControl& c, std::ostream* os) {
    *os << c.name;
}

constexpr Rgb kOrange{255, 192, 128};
constexpr Rgb kPaleGreen{192, 255, 192};
constexpr Rgb kLilac{192, 192, 255};
constexpr std::optional<Rgb> kSystemColour;

class LookTable : public ::testing::TestWithParam<DesignedControl> {};

TEST_P(LookTable, ControlLooksAsDesigned) {
    const DesignedControl& c = GetParam();
    const ControlLook& look = lookOf(c.name);
    EXPECT_EQ(look.kind, c.kind);
    EXPECT_EQ(look.parent, c.parent);
    EXPECT_EQ(look.rect.left, c.rect.left);
    EXPECT_EQ(look.rect.top, c.rect.top);
    EXPECT_EQ(look.rect.width, c.rect.width);
    EXPECT_EQ(look.rect.height, c.rect.height);
    EXPECT_EQ(look.background, c.background);
    EXPECT_EQ(look.tabIndex, c.tab);
}

using enum ControlKind;

INSTANTIATE_TEST_SUITE_P(
    Design, LookTable,
    ::testing::Values(
        DesignedControl{"Label1_0", Label, "", {360, 0, 6495, 375}, kOrange, 2},
        DesignedControl{"Label1_1", Label, "", {360, 480, 1815, 375}, kOrange, 11},
        DesignedControl{"Frame1", Frame, "", {120, 840, 2295, 1335}, kLilac, 3},
        DesignedControl{"Option1_0", OptionButton, "Frame1", {240, 120, 1815, 375}, kPaleGreen, 5},
        DesignedControl{"Option1_1", OptionButton, "Frame1", {240, 480, 1815, 375}, kPaleGreen, 4},
        DesignedControl{"Option1_2", OptionButton, "Frame1", {240, 840, 1815, 375}, kPaleGreen, 6},
        DesignedControl{"Label1_2", Label, "", {2640, 840, 975, 375}, kOrange, 12},
        DesignedControl{"List1", ListBox, "", {2640, 1200, 975, 630}, kSystemColour, 7},
        DesignedControl{"Label1_3", Label, "", {3720, 1080, 2895, 375}, kOrange, 17},
        DesignedControl{"Text2", TextBox, "", {3720, 1440, 2895, 405}, kSystemColour, 10},
        DesignedControl{
            "Command1_0", CommandButton, "", {4920, 600, 1695, 375}, Rgb{128, 255, 128}, 8},
        DesignedControl{
            "Command1_1", CommandButton, "", {2640, 2040, 1695, 375}, Rgb{255, 128, 128}, 9},
        DesignedControl{"List2_0", ListBox, "", {4800, 1920, 735, 630}, kSystemColour, 13},
        DesignedControl{"List2_1", ListBox, "", {5520, 1920, 615, 630}, kSystemColour, 14},
        DesignedControl{"List2_2", ListBox, "", {6120, 1920, 495, 630}, kSystemColour, 15},
        DesignedControl{"List2_3", ListBox, "", {6600, 1920, 495, 630}, kSystemColour, 16},
        DesignedControl{"Text1_0", MultiLineTextBox, "", {240, 2640, 6735, 2055}, kSystemColour, 0},
        DesignedControl{
            "Text1_1", MultiLineTextBox, "", {720, 3000, 6735, 1815}, kSystemColour, 1}),
    [](const auto& info) { return info.param.name; });

TEST(LookTable, HoldsEachControlOnceAndEveryTabPlaceOnce) {
    std::set<std::string_view> names;
    std::set<int> tabs;
    for (const ControlLook& look : controlLooks()) {
        names.insert(look.name);
        tabs.insert(look.tabIndex);
    }
    EXPECT_EQ(names.size(), 18U);
    EXPECT_EQ(tabs.size(), 18U);
    EXPECT_EQ(*tabs.begin(), 0);
    EXPECT_EQ(*tabs.rbegin(), 17);
    EXPECT_THROW((void)lookOf("Text3"), std::logic_error);
}

TEST(LookTable, TabOrderStartsAtTheTranscriptAndVisitsTheOptionsEightFirst) {
    std::vector<std::string_view> order;
    for (const ControlLook* look : controlsInTabOrder()) {
        order.push_back(look->name);
    }
    const std::vector<std::string_view> designed{
        "Text1_0",   "Text1_1", "Label1_0",   "Frame1",     "Option1_1", "Option1_0",
        "Option1_2", "List1",   "Command1_0", "Command1_1", "Text2",     "Label1_1",
        "Label1_2",  "List2_0", "List2_1",    "List2_2",    "List2_3",   "Label1_3"};
    EXPECT_EQ(order, designed);
}

TEST(LookTable, OnlyTheMottoBoxIsHiddenInTheDesign) {
    for (const ControlLook& look : controlLooks()) {
        EXPECT_EQ(look.visible, look.name != "Text1_1") << look.name;
    }
}

TEST(LookTable, ControlsWithoutCaptionsAreNamedByTheirLabels) {
    EXPECT_EQ(lookOf("List1").labelledBy, "Label1_2");
    EXPECT_EQ(lookOf("Text2").labelledBy, "Label1_3");
    EXPECT_EQ(lookOf("Frame1").labelledBy, "Label1_1");
}

TEST(WindowLook, ClientAreaColourAndFont) {
    EXPECT_EQ(kWindowLook.name, "Morvatek");
    EXPECT_EQ(kWindowLook.clientWidth, 7155);
    EXPECT_EQ(kWindowLook.clientHeight, 4770);
    EXPECT_EQ(kWindowLook.background, kLilac);
    EXPECT_EQ(kWindowLook.fontFamily, "Times New Roman");
    EXPECT_EQ(kWindowLook.fontPointSize, 12);
    EXPECT_EQ(kWindowLook.fontWeight, 400);
    EXPECT_EQ(kWindowLook.fontCharset, 204);
}

struct Scaling {
    int twips;
    int dpi;
    int pixels;
};

class TwipsToPixels : public ::testing::TestWithParam<Scaling> {};

TEST_P(TwipsToPixels, RoundsToTheNearestPixel) {
    EXPECT_EQ(pixelsFromTwips(GetParam().twips, GetParam().dpi), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Dpi, TwipsToPixels,
                         ::testing::Values(Scaling{7155, 96, 477}, Scaling{4770, 96, 318},
                                           Scaling{375, 96, 25}, Scaling{7, 96, 0},
                                           Scaling{8, 96, 1}, Scaling{375, 120, 31},
                                           Scaling{375, 144, 38}, Scaling{7155, 144, 716},
                                           Scaling{375, 192, 50}, Scaling{0, 144, 0}),
                         [](const auto& info) {
                             return std::to_string(info.param.twips) + "twipsAt" +
                                    std::to_string(info.param.dpi);
                         });

} // namespace
} // namespace morvatek::form
