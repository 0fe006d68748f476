#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// How the window and each of its controls look at design time, as plain data that every front
// end draws from.
namespace morvatek::form {

// A rectangle in twips (1/1440 inch), relative to the client area of the control's parent.
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

enum class ControlKind {
    Label,
    Frame,
    OptionButton,
    ListBox,
    TextBox,          // single line, read-only
    MultiLineTextBox, // read-only, with a vertical scroll bar
    CommandButton,
};

enum class Alignment { Left, Centre };

struct ControlLook {
    std::string_view name; // array elements are named "Label1_0" after "Label1(0)"
    ControlKind kind;
    std::string_view parent; // empty: the window's client area
    TwipRect rect;
    std::optional<Rgb> background; // empty: the system's colour for that kind of control
    int tabIndex;
    Alignment alignment;
    bool visible;                // at design time; Form_Load hides the List2 lists later
    std::string_view labelledBy; // the label whose caption names this control, if any
};

struct WindowLook {
    std::string_view name;
    int clientWidth; // twips
    int clientHeight;
    Rgb background;
    std::string_view fontFamily;
    int fontPointSize;
    int fontWeight;
    int fontCharset;
};

inline constexpr WindowLook kWindowLook{"Morvatek",        7155, 4770, {192, 192, 255},
                                        "Times New Roman", 12,   400,  204};

// Every control of the window, each once.
std::span<const ControlLook> controlLooks();

// The look of the control with that name; there is one for every control of the window.
const ControlLook& lookOf(std::string_view name);

// Every control sorted by its place in the tab order. Labels, the frame and hidden controls
// keep their places but take no focus; each front end skips them.
std::span<const ControlLook* const> controlsInTabOrder();

} // namespace morvatek::form
