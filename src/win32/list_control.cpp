#include "list_control.h"

#include "list_box.h"
#include "wide_text.h"

#include <algorithm>
#include <windowsx.h>

namespace morvatek::win32 {

namespace {

std::wstring itemText(HWND list, int index) {
    const auto length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
    return text;
}

} // namespace

ListControl::ListControl(const form::ControlLook& look, HWND parent, int id, ListBox& model)
    : NativeControl(look), model_(model) {
    // Made as the model has it, so that a list hidden before the window opened never shows.
    create(parent, id, L"LISTBOX",
           (model_.visible() ? WS_VISIBLE : 0) | WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
           WS_EX_CLIENTEDGE, L"");
    subclass();
    follow(model_, [this] { refresh(); });
}

bool ListControl::showsItems() const {
    const auto& items = model_.items();
    if (SendMessageW(hwnd(), LB_GETCOUNT, 0, 0) != static_cast<LRESULT>(items.size())) {
        return false;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (itemText(hwnd(), static_cast<int>(i)) != wide(items[i])) {
            return false;
        }
    }
    return true;
}

// A hidden list is brought up to date when it is shown.
void ListControl::refresh() {
    const bool shown = (GetWindowLongPtrW(hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
    if (!model_.visible()) {
        if (shown) {
            ShowWindow(hwnd(), SW_HIDE);
        }
        return;
    }
    if (!showsItems()) {
        SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
        for (const auto& item : model_.items()) {
            SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
        }
    }
    if (SendMessageW(hwnd(), LB_GETCURSEL, 0, 0) != model_.listIndex()) {
        SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(model_.listIndex()), 0);
    }
    if ((IsWindowEnabled(hwnd()) != FALSE) != model_.enabled()) {
        EnableWindow(hwnd(), model_.enabled() ? TRUE : FALSE);
    }
    if (!shown) {
        ShowWindow(hwnd(), SW_SHOWNA);
    }
}

void ListControl::clickAt(LPARAM position) {
    const auto hit = SendMessageW(hwnd(), LB_ITEMFROMPOINT, 0,
                                  MAKELPARAM(GET_X_LPARAM(position), GET_Y_LPARAM(position)));
    if (HIWORD(hit) == 0) { // on an item, not beside the items
        model_.pupilSelects(LOWORD(hit));
    }
}

long ListControl::rowsPerPage() const {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const auto rowHeight = SendMessageW(hwnd(), LB_GETITEMHEIGHT, 0, 0);
    return rowHeight > 0
               ? std::max<long>(1, (client.bottom - client.top) / static_cast<long>(rowHeight))
               : 1;
}

void ListControl::pressKey(WPARAM key) {
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        model_.pupilMovesBy(-1);
        break;
    case VK_DOWN:
    case VK_RIGHT:
        model_.pupilMovesBy(1);
        break;
    case VK_PRIOR:
        model_.pupilMovesBy(-rowsPerPage());
        break;
    case VK_NEXT:
        model_.pupilMovesBy(rowsPerPage());
        break;
    case VK_HOME:
        model_.pupilMovesToFirst();
        break;
    case VK_END:
        model_.pupilMovesToLast();
        break;
    case VK_SPACE:
    case VK_RETURN:
        model_.pupilReenters();
        break;
    default:
        break;
    }
}

// The list's own selection logic (clicks, keys, type-ahead search) never runs: whatever would
// move the selection goes to the model instead.
LRESULT ListControl::subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: // the second click of a quick double click
        SetFocus(hwnd());
        clickAt(lParam);
        return 0;
    case WM_LBUTTONUP:
        return 0;
    case WM_KEYDOWN:
        pressKey(wParam);
        return 0;
    case WM_CHAR:
        if (wParam > L' ') {
            model_.pupilTypes(static_cast<char16_t>(wParam));
        }
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0);
    default:
        return defaultProc(message, wParam, lParam);
    }
}

} // namespace morvatek::win32
