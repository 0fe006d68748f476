#pragma once

#include <windows.h>

namespace morvatek::win32 {

inline constexpr int kDefaultDpi = 96;

// The DPI the window is drawn at: its monitor's on Windows 10 and later, the system's before.
int windowDpi(HWND window);

// The outer size of a window whose client area is `clientWidth` by `clientHeight` pixels.
SIZE outerSize(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

} // namespace morvatek::win32
