#include "open_window.h"

#include "control_looks.h"
#include "message_loop.h"
#include "utf8.h"

namespace morvatek::testing {

std::string utf8(const std::wstring& text) {
    return testing::utf8(std::u16string(text.begin(), text.end()));
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

OpenWindow::OpenWindow()
    : host_([this](HWND, const std::wstring&,
                   const std::wstring& text) { shownErrors_.push_back(text); },
            [this](HWND, const std::wstring& sentence) { sentences_.push_back(utf8(sentence)); }),
      program_(host_), window_(program_.window(), GetModuleHandleW(nullptr)) {
    host_.setWindow(window_.hwnd());
    window_.show(SW_SHOWNORMAL);
    pump();
}

HWND OpenWindow::control(std::string_view name) const {
    return window_.control(name);
}

void OpenWindow::pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        if (message.message == WM_QUIT) {
            quitStatus_ = static_cast<int>(message.wParam);
            continue;
        }
        win32::deliver(window_.hwnd(), message);
    }
}

void OpenWindow::clickAt(std::string_view name, POINT point) {
    HWND target = control(name);
    const LPARAM at = MAKELPARAM(point.x, point.y);
    SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(target, WM_LBUTTONUP, 0, at);
    pump();
}

void OpenWindow::click(std::string_view name) {
    RECT client{};
    GetClientRect(control(name), &client);
    clickAt(name, {client.right / 2, client.bottom / 2});
}

namespace {

POINT itemCentre(HWND list, int row) {
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
}

} // namespace

void OpenWindow::clickItem(int row) {
    clickAt("List1", itemCentre(control("List1"), row));
}

// A quick double click reaches the list as down, up, double-click, up.
void OpenWindow::doubleClickItem(int row) {
    HWND list = control("List1");
    const POINT centre = itemCentre(list, row);
    const LPARAM at = MAKELPARAM(centre.x, centre.y);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        SendMessageW(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    }
    pump();
}

void OpenWindow::enterDigits(std::string_view digits) {
    for (char digit : digits) {
        clickItem(digit == '1' ? 1 : 0);
    }
}

void OpenWindow::press(UINT virtualKey) {
    const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    for (UINT kind : {WM_KEYDOWN, WM_KEYUP}) {
        const LPARAM flags = kind == WM_KEYUP ? static_cast<LPARAM>(0xC0000000) : 0;
        MSG message{
            GetFocus(), kind,
            virtualKey, static_cast<LPARAM>(1 | (static_cast<LPARAM>(scanCode) << 16)) | flags,
            0,          {}};
        win32::deliver(window_.hwnd(), message);
        pump();
    }
}

std::string OpenWindow::entry() const {
    return utf8(windowText(control("Text2")));
}

std::string OpenWindow::transcript() const {
    return utf8(windowText(control("Text1_0")));
}

std::string OpenWindow::focusName() const {
    HWND focus = GetFocus();
    for (const form::ControlLook& look : form::controlLooks()) {
        if (control(look.name) == focus) {
            return std::string(look.name);
        }
    }
    return focus == hwnd() ? "Morvatek" : "(elsewhere)";
}

RECT OpenWindow::rectOf(std::string_view name) const {
    RECT rect{};
    GetWindowRect(control(name), &rect);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool OpenWindow::visible(std::string_view name) const {
    return IsWindowVisible(control(name)) != FALSE;
}

bool OpenWindow::checked(std::string_view name) const {
    return SendMessageW(control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace morvatek::testing
