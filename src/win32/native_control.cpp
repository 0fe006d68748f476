#include "native_control.h"

#include "accessible_names.h"
#include "dpi.h"
#include "twips.h"
#include "wide_text.h"

#include <commctrl.h>

namespace morvatek::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;

// The designed rectangle in the window's client area; option buttons are placed relative to
// their frame, which is a sibling here.
form::TwipRect clientTwips(const form::ControlLook& look) {
    form::TwipRect rect = look.rect;
    if (!look.parent.empty()) {
        const form::TwipRect& parent = form::lookOf(look.parent).rect;
        rect.left += parent.left;
        rect.top += parent.top;
    }
    return rect;
}

} // namespace

// The control takes its place and the window's font as it is made, before it has any text to
// lay out.
void NativeControl::create(HWND parent, int id, const wchar_t* className, DWORD style,
                           DWORD exStyle, const std::wstring& text) {
    const RECT rect = pixelRect(windowDpi(parent));
    hwnd_ = CreateWindowExW(exStyle, className, text.c_str(), WS_CHILD | style, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                            nullptr);
    SendMessageW(hwnd_, WM_SETFONT, SendMessageW(parent, WM_GETFONT, 0, 0), FALSE);
}

RECT NativeControl::pixelRect(int dpi) const {
    const form::TwipRect rect = clientTwips(look_);
    const auto pixels = [dpi](int twips) { return form::pixelsFromTwips(twips, dpi); };
    const int left = pixels(rect.left);
    const int top = pixels(rect.top);
    return {left, top, left + pixels(rect.width), top + pixels(rect.height)};
}

void NativeControl::place(int dpi, HFONT font) const {
    const RECT rect = pixelRect(dpi);
    SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void NativeControl::subclass() {
    SetWindowSubclass(hwnd_, subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void NativeControl::nameForScreenReaders(ScreenReaderNames& names) {
    screenReaderNames_ = &names;
    subclass();
}

LRESULT NativeControl::defaultProc(UINT message, WPARAM wParam, LPARAM lParam) const {
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK NativeControl::subclassProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR self) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, subclassProc, kSubclassId);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    auto* control = reinterpret_cast<NativeControl*>(self);
    if (message == WM_GETOBJECT && control->screenReaderNames_ != nullptr) {
        const LRESULT answer = control->screenReaderNames_->answer(
            window, wParam, lParam, wide(form::accessibleName(control->look_)));
        if (answer != 0) {
            return answer;
        }
    }
    return control->subclassed(message, wParam, lParam);
}

} // namespace morvatek::win32
