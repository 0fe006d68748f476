#pragma once
// Morvatek.exe started for real, as Explorer starts it, and what the tests ask of its window from
// this other process.
#include <string>
#include <windows.h>

namespace morvatek::testing {

// MORVATEK_EXE, the executable under test.
std::wstring exePath();

// Morvatek.exe started with its window once shown; ended when the test is over.
class StartedProgram {
public:
    explicit StartedProgram(const std::wstring& exe = exePath());
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;
    ~StartedProgram();

    HWND window() const { return window_; }
    // Why there is no window: the program ended (with its status), or it never showed one.
    std::string whyNoWindow() const;
    // Closes the window and waits for the program's exit status.
    DWORD close() const;

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

std::string utf8(const wchar_t* text);

// The child at a designed place (twips at 96 DPI, 15 to the pixel) in the window's client area.
HWND childAt(HWND window, int leftTwips, int topTwips);

// A click at (x, y) inside a control, as the mouse gives it.
void clickInside(HWND control, int x, int y);

} // namespace morvatek::testing
