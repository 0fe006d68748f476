#include "window_program_host.h"

#include "error_report.h"
#include "main_window.h"
#include "wide_text.h"

#include <utility>

namespace morvatek::win32 {

WindowProgramHost::WindowProgramHost(ErrorBox errorBox, Announce announce)
    : errorBox_(std::move(errorBox)), announce_(std::move(announce)) {}

void WindowProgramHost::showErrorBox(HWND owner, const std::wstring& title,
                                     const std::wstring& text) {
    MessageBoxW(owner, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

void WindowProgramHost::announceInWindow(HWND window, const std::wstring& sentence) {
    if (window != nullptr && IsWindow(window) != FALSE) {
        SendMessageW(window, MainWindow::kAnnounce, 0, reinterpret_cast<LPARAM>(sentence.c_str()));
    }
}

void WindowProgramHost::announce(std::u16string_view sentence) {
    announce_(window_, wide(sentence));
}

void WindowProgramHost::reportError(const RuntimeError& error) {
    const ErrorReport report = describe(error);
    std::wstring text;
    for (const char16_t c : report.text) {
        if (c == u'\n') {
            text += L'\r';
        }
        text += static_cast<wchar_t>(c);
    }
    errorBox_(window_, wide(report.title), text);
}

void WindowProgramHost::endProgram(int exitStatus) {
    exitStatus_ = exitStatus;
    if (window_ != nullptr && IsWindow(window_) != FALSE) {
        SendMessageW(window_, MainWindow::kEndProgram, static_cast<WPARAM>(exitStatus), 0);
    }
}

} // namespace morvatek::win32
