#include "option_control.h"

#include "option_button.h"
#include "wide_text.h"

#include <algorithm>
#include <uxtheme.h>

namespace morvatek::win32 {

OptionControl::OptionControl(const form::ControlLook& look, HWND parent, int id,
                             OptionButton& model)
    : NativeControl(look), model_(model) {
    create(parent, id, L"BUTTON", visibleStyle() | BS_RADIOBUTTON, 0, wide(model.caption()));
    // Themed option buttons draw their text in the theme's colour; the classic look takes the
    // designed background and black text from the window.
    SetWindowTheme(hwnd(), L"", L"");
    subclass();
    follow(model_, [this] {
        if (checked() != model_.value()) {
            SendMessageW(hwnd(), BM_SETCHECK, model_.value() ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    });
}

bool OptionControl::checked() const {
    return SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool OptionControl::marked() const {
    return model_.value();
}

// A click, or Space on the focused button.
void OptionControl::command(WORD notification) {
    if (notification == BN_CLICKED) {
        model_.pupilSelects();
    }
}

// The arrow keys go down or up the window, round from either end, and mark the button they land
// on; the model chooses which.
void OptionControl::moveBy(int step) {
    const OptionButton& next = model_.pupilMovesBy(step);
    const auto control = std::find_if(group_->begin(), group_->end(), [&next](const auto* option) {
        return &option->model_ == &next;
    });
    SetFocus((*control)->hwnd());
}

LRESULT OptionControl::subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    if (group_ == nullptr) {
        return defaultProc(message, wParam, lParam);
    }
    if (message == WM_GETDLGCODE) {
        return defaultProc(message, wParam, lParam) | DLGC_WANTARROWS;
    }
    if (message == WM_KEYDOWN && (wParam == VK_DOWN || wParam == VK_RIGHT)) {
        moveBy(1);
        return 0;
    }
    if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_LEFT)) {
        moveBy(-1);
        return 0;
    }
    return defaultProc(message, wParam, lParam);
}

} // namespace morvatek::win32
