// Morvatek.exe started for real: it shows its window and ends with status 0 when the window is
// closed. MORVATEK_EXE names the executable.
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {

std::wstring exePath() {
    const wchar_t* path = _wgetenv(L"MORVATEK_EXE");
    return path != nullptr ? path : L"";
}

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

// Morvatek.exe started as Explorer would start it, with its window once shown.
class StartedProgram {
public:
    StartedProgram() {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring commandLine = L"\"" + exePath() + L"\"";
        if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &process_) == FALSE) {
            return;
        }
        WaitForInputIdle(process_.hProcess, 10000);
        for (int attempt = 0; attempt < 200 && window_ == nullptr; ++attempt) {
            Search search{process_.dwProcessId, nullptr};
            EnumWindows(findMorvatekWindow, reinterpret_cast<LPARAM>(&search));
            window_ = search.found;
            if (window_ == nullptr) {
                WaitForSingleObject(process_.hProcess, 50);
            }
        }
    }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;
    ~StartedProgram() {
        if (process_.hProcess != nullptr) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process_.hProcess, 99);
            }
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }

    HWND window() const { return window_; }
    // Closes the window and waits for the program's exit status.
    DWORD close() const {
        PostMessageW(window_, WM_CLOSE, 0, 0);
        DWORD status = 99;
        if (WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0) {
            GetExitCodeProcess(process_.hProcess, &status);
        }
        return status;
    }

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// The window appears with its caption, and closing it ends the program with status 0.
TEST(Program, ShowsItsWindowAndEndsWithStatusZeroWhenClosed) {
    const StartedProgram program;
    ASSERT_NE(program.window(), nullptr) << "no window";
    wchar_t caption[128] = {};
    GetWindowTextW(program.window(), caption, 128);
    EXPECT_EQ(std::wstring(caption),
              L"www.morvatek.example Бройна система - директно преобразуване");
    EXPECT_EQ(program.close(), 0U);
}

} // namespace
