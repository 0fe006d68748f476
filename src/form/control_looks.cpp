#include "control_looks.h"

#include "twips.h"

#include <array>
#include <cstring>
#include <stdexcept>

namespace morvatek::form {

namespace {

const QColor kLabel{255, 192, 128};
const QColor kOption{192, 255, 192};
const QColor kCalculate{128, 255, 128};
const QColor kClear{255, 128, 128};
const QColor kDefault;

// Option buttons are placed inside Frame1; everything else in the window's client area.
const std::array<ControlLook, 18> kLooks{{
    {"Label1_0", rectFromTwips(360, 0, 6495, 375), kLabel, 2},
    {"Label1_1", rectFromTwips(360, 480, 1815, 375), kLabel, 11},
    {"Frame1", rectFromTwips(120, 840, 2295, 1335), kWindowBackground, 3},
    {"Option1_0", rectFromTwips(240, 120, 1815, 375), kOption, 5},
    {"Option1_1", rectFromTwips(240, 480, 1815, 375), kOption, 4},
    {"Option1_2", rectFromTwips(240, 840, 1815, 375), kOption, 6},
    {"Label1_2", rectFromTwips(2640, 840, 975, 375), kLabel, 12},
    {"List1", rectFromTwips(2640, 1200, 975, 630), kDefault, 7},
    {"Label1_3", rectFromTwips(3720, 1080, 2895, 375), kLabel, 17},
    {"Text2", rectFromTwips(3720, 1440, 2895, 405), kDefault, 10},
    {"Command1_0", rectFromTwips(4920, 600, 1695, 375), kCalculate, 8},
    {"Command1_1", rectFromTwips(2640, 2040, 1695, 375), kClear, 9},
    {"List2_0", rectFromTwips(4800, 1920, 735, 630), kDefault, 13},
    {"List2_1", rectFromTwips(5520, 1920, 615, 630), kDefault, 14},
    {"List2_2", rectFromTwips(6120, 1920, 495, 630), kDefault, 15},
    {"List2_3", rectFromTwips(6600, 1920, 495, 630), kDefault, 16},
    {"Text1_0", rectFromTwips(240, 2640, 6735, 2055), kDefault, 0},
    {"Text1_1", rectFromTwips(720, 3000, 6735, 1815), kDefault, 1},
}};

} // namespace

std::span<const ControlLook> controlLooks() {
    return kLooks;
}

const ControlLook& lookOf(const char* objectName) {
    for (const ControlLook& look : kLooks) {
        if (std::strcmp(look.objectName, objectName) == 0) {
            return look;
        }
    }
    throw std::logic_error(std::string("no look for control ") + objectName);
}

} // namespace morvatek::form
