#pragma once

#include "main_window.h"
#include "morvatek.h"
#include "program.h"
#include "window_program_host.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace morvatek::testing {

// A started program in its real Win32 window, shown, with the error box and what a screen reader
// would be told replaced by recorders.
// The pupil's actions are real messages: mouse button messages at a control's points, and key
// messages to the focused control through the same dialog manager the program's loop uses.
class OpenWindow {
public:
    OpenWindow();

    Morvatek& model() { return program_.window(); }
    win32::MainWindow& window() { return window_; }
    HWND hwnd() const { return window_.hwnd(); }
    HWND control(std::string_view name) const;
    const std::vector<std::wstring>& shownErrors() const { return shownErrors_; }
    const std::vector<std::string>& sentences() const { return sentences_; }
    // The status of the WM_QUIT the loop would have ended on, if one came.
    std::optional<int> quitStatus() const { return quitStatus_; }

    // Delivers every waiting message, as the program's loop would.
    void pump();
    void click(std::string_view name);
    void clickAt(std::string_view name, POINT point);
    void clickItem(int row);
    void doubleClickItem(int row);
    void enterDigits(std::string_view digits);
    // Key down and key up on the focused control.
    void press(UINT virtualKey);

    std::string entry() const;
    std::string transcript() const;
    std::string focusName() const;
    // The control's rectangle in the window's client area.
    RECT rectOf(std::string_view name) const;
    bool visible(std::string_view name) const;
    bool checked(std::string_view name) const;

private:
    std::vector<std::wstring> shownErrors_;
    std::vector<std::string> sentences_;
    win32::WindowProgramHost host_;
    Program program_;
    win32::MainWindow window_;
    std::optional<int> quitStatus_;
};

std::string utf8(const std::wstring& text);
std::wstring windowText(HWND window);

} // namespace morvatek::testing
