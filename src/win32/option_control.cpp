#include "option_control.h"

#include "option_button.h"
#include "wide_text.h"

#include <uxtheme.h>

namespace morvatek::win32 {

OptionControl::OptionControl(const form::ControlLook& look, HWND parent, int id,
                             OptionButton& model)
    : NativeControl(look), model_(model) {
    create(parent, id, L"BUTTON", visibleStyle() | BS_RADIOBUTTON, 0, wide(model.caption()));
    // Themed option buttons draw their text in the theme's colour; the classic look takes the
    // designed background and black text from the window.
    SetWindowTheme(hwnd(), L"", L"");
    follow(model_, [this] {
        SendMessageW(hwnd(), BM_SETCHECK, model_.value() ? BST_CHECKED : BST_UNCHECKED, 0);
    });
}

bool OptionControl::checked() const {
    return SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// A click, or Space on the focused button; the arrow keys only move the focus in the group.
void OptionControl::command(WORD notification) {
    if (notification == BN_CLICKED) {
        model_.pupilSelects();
    }
}

} // namespace morvatek::win32
