#include "started_program.h"

namespace morvatek::testing {

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

// A function of its own, as Windows calls it: a lambda would not have the 32-bit calling
// convention.
BOOL CALLBACK findMorvatekWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (owner == search->processId && std::wstring(className) == L"Morvatek" &&
        IsWindowVisible(window) != FALSE) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::wstring exePath() {
    const wchar_t* path = _wgetenv(L"MORVATEK_EXE");
    return path != nullptr ? path : L"";
}

// A busy machine may take seconds to show the window: up to 20 s in all, unless the program ends.
StartedProgram::StartedProgram(const std::wstring& exe) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process_) == FALSE) {
        return;
    }
    const ULONGLONG deadline = GetTickCount64() + 20000;
    WaitForInputIdle(process_.hProcess, 20000);
    while (window_ == nullptr && GetTickCount64() < deadline) {
        Search search{process_.dwProcessId, nullptr};
        EnumWindows(findMorvatekWindow, reinterpret_cast<LPARAM>(&search));
        window_ = search.found;
        if (window_ == nullptr && WaitForSingleObject(process_.hProcess, 50) == WAIT_OBJECT_0) {
            break;
        }
    }
}

StartedProgram::~StartedProgram() {
    if (process_.hProcess != nullptr) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 99);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

std::string StartedProgram::whyNoWindow() const {
    DWORD status = 0;
    if (process_.hProcess == nullptr) {
        return "the program did not start";
    }
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(process_.hProcess, &status) != FALSE) {
        return "no window: the program ended with status " + std::to_string(status);
    }
    return "no window within 20 s";
}

DWORD StartedProgram::close() const {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    DWORD status = 99;
    if (WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process_.hProcess, &status);
    }
    return status;
}

std::string utf8(const wchar_t* text) {
    std::string bytes(static_cast<std::size_t>(
                          WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr)),
                      '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                        nullptr);
    bytes.pop_back(); // the terminating null
    return bytes;
}

HWND childAt(HWND window, int leftTwips, int topTwips) {
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        if (rect.left == leftTwips / 15 && rect.top == topTwips / 15 &&
            IsWindowVisible(child) != FALSE) {
            return child;
        }
    }
    return nullptr;
}

void clickInside(HWND control, int x, int y) {
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

} // namespace morvatek::testing
