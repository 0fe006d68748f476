#pragma once

#include <QColor>
#include <QRect>
#include <span>

namespace morvatek::form {

// How one control is drawn: its object name, rectangle (relative to its parent), background
// (invalid: the system's colour for that kind of control) and place in the tab order.
struct ControlLook {
    const char* objectName;
    QRect rect;
    QColor background;
    int tabIndex;
};

inline constexpr int kClientWidthTwips = 7155;
inline constexpr int kClientHeightTwips = 4770;
inline const QColor kWindowBackground{192, 192, 255};

std::span<const ControlLook> controlLooks();
const ControlLook& lookOf(const char* objectName);

} // namespace morvatek::form
