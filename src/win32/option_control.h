#pragma once

#include "native_control.h"

#include <vector>

namespace morvatek {
class OptionButton;
}

namespace morvatek::win32 {

// An option button that never marks itself: a click goes to the model, whose marks the button
// then shows, so the model can leave all three unmarked. The whole coloured box takes the click.
class OptionControl : public NativeControl {
public:
    OptionControl(const form::ControlLook& look, HWND parent, int id, OptionButton& model);

    // The model's mark, which the button shows once the pupil's action is over.
    bool marked() const;
    void command(WORD notification) override;
    // The buttons of the group, among which the arrow keys move the focus.
    void joinGroup(const std::vector<OptionControl*>& group) { group_ = &group; }

protected:
    LRESULT subclassed(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool checked() const;
    void moveBy(int step);

    OptionButton& model_;
    const std::vector<OptionControl*>* group_ = nullptr;
};

} // namespace morvatek::win32
