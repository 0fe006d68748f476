#include "dpi.h"

namespace morvatek::win32 {

namespace {

// The per-monitor DPI functions arrived with Windows 10 1607; looked up by name, so that the
// program still starts where they are missing.
template <typename Function> Function user32Function(const char* name) {
    const FARPROC address = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

} // namespace

int windowDpi(HWND window) {
    using GetDpiForWindow = UINT(WINAPI*)(HWND);
    if (const auto getDpi = user32Function<GetDpiForWindow>("GetDpiForWindow")) {
        if (const UINT dpi = getDpi(window); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDefaultDpi;
}

SIZE outerSize(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
    RECT rect{0, 0, clientWidth, clientHeight};
    using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    if (const auto adjust = user32Function<AdjustForDpi>("AdjustWindowRectExForDpi")) {
        adjust(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return {rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace morvatek::win32
