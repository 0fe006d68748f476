#pragma once

#include "native_control.h"

namespace morvatek {
class CommandButton;
}

namespace morvatek::win32 {

// A push button drawn in its designed colour (themed buttons ignore colours), with a pressed
// look and a focus rectangle. A click, Space, Enter or keypad Enter press it.
class ButtonControl : public NativeControl {
public:
    ButtonControl(const form::ControlLook& look, HWND parent, int id, CommandButton& model);

    void command(WORD notification) override;
    void draw(const DRAWITEMSTRUCT& item, HBRUSH background, HFONT font) override;

protected:
    LRESULT subclassed(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CommandButton& model_;
};

} // namespace morvatek::win32
