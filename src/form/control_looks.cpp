#include "control_looks.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace morvatek::form {

namespace {

constexpr Rgb kLabel{255, 192, 128};
constexpr Rgb kOption{192, 255, 192};
constexpr Rgb kCalculate{128, 255, 128};
constexpr Rgb kClear{255, 128, 128};
constexpr std::optional<Rgb> kSystem;

using enum ControlKind;
using enum Alignment;

// Option buttons are placed inside Frame1; everything else in the window's client area.
constexpr std::array<ControlLook, 18> kLooks{{
    {"Label1_0", Label, "", {360, 0, 6495, 375}, kLabel, 2, Centre, true, ""},
    {"Label1_1", Label, "", {360, 480, 1815, 375}, kLabel, 11, Left, true, ""},
    {"Frame1",
     Frame,
     "",
     {120, 840, 2295, 1335},
     kWindowLook.background,
     3,
     Left,
     true,
     "Label1_1"},
    {"Option1_0", OptionButton, "Frame1", {240, 120, 1815, 375}, kOption, 5, Left, true, ""},
    {"Option1_1", OptionButton, "Frame1", {240, 480, 1815, 375}, kOption, 4, Left, true, ""},
    {"Option1_2", OptionButton, "Frame1", {240, 840, 1815, 375}, kOption, 6, Left, true, ""},
    {"Label1_2", Label, "", {2640, 840, 975, 375}, kLabel, 12, Left, true, ""},
    {"List1", ListBox, "", {2640, 1200, 975, 630}, kSystem, 7, Left, true, "Label1_2"},
    {"Label1_3", Label, "", {3720, 1080, 2895, 375}, kLabel, 17, Left, true, ""},
    {"Text2", TextBox, "", {3720, 1440, 2895, 405}, kSystem, 10, Left, true, "Label1_3"},
    {"Command1_0", CommandButton, "", {4920, 600, 1695, 375}, kCalculate, 8, Centre, true, ""},
    {"Command1_1", CommandButton, "", {2640, 2040, 1695, 375}, kClear, 9, Centre, true, ""},
    {"List2_0", ListBox, "", {4800, 1920, 735, 630}, kSystem, 13, Left, true, ""},
    {"List2_1", ListBox, "", {5520, 1920, 615, 630}, kSystem, 14, Left, true, ""},
    {"List2_2", ListBox, "", {6120, 1920, 495, 630}, kSystem, 15, Left, true, ""},
    {"List2_3", ListBox, "", {6600, 1920, 495, 630}, kSystem, 16, Left, true, ""},
    {"Text1_0", MultiLineTextBox, "", {240, 2640, 6735, 2055}, kSystem, 0, Left, true, ""},
    {"Text1_1", MultiLineTextBox, "", {720, 3000, 6735, 1815}, kSystem, 1, Left, false, ""},
}};

std::array<const ControlLook*, kLooks.size()> sortedByTabIndex() {
    std::array<const ControlLook*, kLooks.size()> sorted{};
    std::transform(kLooks.begin(), kLooks.end(), sorted.begin(),
                   [](const ControlLook& look) { return &look; });
    std::sort(sorted.begin(), sorted.end(),
              [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    return sorted;
}

} // namespace

std::span<const ControlLook> controlLooks() {
    return kLooks;
}

const ControlLook& lookOf(std::string_view name) {
    const auto* found = std::find_if(kLooks.begin(), kLooks.end(),
                                     [name](const ControlLook& look) { return look.name == name; });
    if (found == kLooks.end()) {
        throw std::logic_error("no look for control " + std::string(name));
    }
    return *found;
}

std::span<const ControlLook* const> controlsInTabOrder() {
    static const auto sorted = sortedByTabIndex();
    return sorted;
}

} // namespace morvatek::form
