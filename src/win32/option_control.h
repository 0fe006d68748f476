#pragma once

#include "native_control.h"

namespace morvatek {
class OptionButton;
}

namespace morvatek::win32 {

// An option button that never marks itself: a click goes to the model, whose marks the button
// then shows, so the model can leave all three unmarked. The whole coloured box takes the click.
class OptionControl : public NativeControl {
public:
    OptionControl(const form::ControlLook& look, HWND parent, int id, OptionButton& model);

    bool checked() const;
    void command(WORD notification) override;

private:
    OptionButton& model_;
};

} // namespace morvatek::win32
