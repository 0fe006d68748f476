// The yardstick for start-up under Wine: the least a Win32 program can show, an empty window of
// Morvatek's client size, built the same way as Morvatek.exe.
#include "yardstick_window.h"

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
    return runYardstick(createYardstickWindow(instance, L"MinimalWindow", windowProc), showCommand);
}
