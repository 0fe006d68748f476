#include "button_control.h"

#include "command_button.h"
#include "wide_text.h"

namespace morvatek::win32 {

ButtonControl::ButtonControl(const form::ControlLook& look, HWND parent, int id,
                             CommandButton& model)
    : NativeControl(look), model_(model) {
    create(parent, id, L"BUTTON", visibleStyle() | WS_TABSTOP | BS_OWNERDRAW, 0,
           wide(model.caption()));
    subclass();
}

// The second click of a quick double click arrives as BN_DOUBLECLICKED; it is a press too.
void ButtonControl::command(WORD notification) {
    if (notification == BN_CLICKED || notification == BN_DOUBLECLICKED) {
        model_.pupilPresses();
    }
}

void ButtonControl::draw(const DRAWITEMSTRUCT& item, HBRUSH background, HFONT font) {
    HDC dc = item.hDC;
    RECT box = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &box, background);
    DrawEdge(dc, &box, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    RECT text = box;
    if (pressed) {
        OffsetRect(&text, 1, 1);
    }
    HGDIOBJ previousFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const std::wstring caption = wide(model_.caption());
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previousFont);
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        constexpr int kFocusInset = 4;
        InflateRect(&box, -kFocusInset, -kFocusInset);
        DrawFocusRect(dc, &box);
    }
}

// Enter reaches a focused button only when it asks for it; the dialog manager would otherwise
// turn it into the window's default command.
LRESULT ButtonControl::subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE && wParam == VK_RETURN) {
        return defaultProc(message, wParam, lParam) | DLGC_WANTMESSAGE;
    }
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        model_.pupilPresses();
        return 0;
    }
    return defaultProc(message, wParam, lParam);
}

} // namespace morvatek::win32
