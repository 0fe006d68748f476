#pragma once

#include "program_host.h"

#include <functional>
#include <optional>
#include <string>
#include <windows.h>

namespace morvatek::win32 {

// Runs the program in the Win32 window: a run-time error is shown in a message box, then the
// window is closed and the message loop ends with the error's exit status. What each of the
// pupil's actions did is told to a screen reader through the window.
class WindowProgramHost : public ProgramHost {
public:
    // Shows a modal message box; tests put a recorder in its place.
    using ErrorBox =
        std::function<void(HWND owner, const std::wstring& title, const std::wstring& text)>;
    // Tells a screen reader a sentence; tests put a recorder in its place.
    using Announce = std::function<void(HWND window, const std::wstring& sentence)>;

    static void showErrorBox(HWND owner, const std::wstring& title, const std::wstring& text);
    static void announceInWindow(HWND window, const std::wstring& sentence);

    explicit WindowProgramHost(ErrorBox errorBox = showErrorBox,
                               Announce announce = announceInWindow);

    void setWindow(HWND window) { window_ = window; }
    std::optional<int> exitStatus() const { return exitStatus_; }

    void reportError(const RuntimeError& error) override;
    void endProgram(int exitStatus) override;
    void announce(std::u16string_view sentence) override;

private:
    ErrorBox errorBox_;
    Announce announce_;
    HWND window_ = nullptr;
    std::optional<int> exitStatus_;
};

} // namespace morvatek::win32
