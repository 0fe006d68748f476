#pragma once

#include "program_host.h"

#include <functional>
#include <optional>
#include <string>
#include <windows.h>

namespace morvatek::win32 {

// Runs the program in the Win32 window: a run-time error is shown in a message box, then the
// window is closed and the message loop ends with the error's exit status.
class WindowProgramHost : public ProgramHost {
public:
    // Shows a modal message box; tests put a recorder in its place.
    using ErrorBox =
        std::function<void(HWND owner, const std::wstring& title, const std::wstring& text)>;

    static void showErrorBox(HWND owner, const std::wstring& title, const std::wstring& text);

    explicit WindowProgramHost(ErrorBox errorBox = showErrorBox);

    void setWindow(HWND window) { window_ = window; }
    std::optional<int> exitStatus() const { return exitStatus_; }

    void reportError(const RuntimeError& error) override;
    void endProgram(int exitStatus) override;

private:
    ErrorBox errorBox_;
    HWND window_ = nullptr;
    std::optional<int> exitStatus_;
};

} // namespace morvatek::win32
