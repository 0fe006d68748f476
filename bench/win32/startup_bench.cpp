// Starts two Windows programs in turn and measures, for each run, the time from starting the
// process to its first window being shown and painted; prints the medians and their ratio.
// usage: startup_bench RUNS PROGRAM YARDSTICK   (Windows paths; runs under Wine)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include <windows.h>

namespace {

double milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findShownWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) != FALSE) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Shown, and its first paint done: the window answers a message only once its thread is back
// in the message loop after ShowWindow and UpdateWindow.
double startToWindowShown(const std::wstring& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process) == FALSE) {
        std::fprintf(stderr, "cannot start %ls\n", program.c_str());
        std::exit(1);
    }
    Search search{process.dwProcessId, nullptr};
    while (search.found == nullptr) {
        EnumWindows(findShownWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr && WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
            std::fprintf(stderr, "%ls ended without a window\n", program.c_str());
            std::exit(1);
        }
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(search.found, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &ignored);
    LARGE_INTEGER shown;
    QueryPerformanceCounter(&shown);
    PostMessageW(search.found, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return milliseconds(start, shown);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: startup_bench RUNS PROGRAM YARDSTICK\n");
        return 2;
    }
    const int runs = _wtoi(argv[1]);
    startToWindowShown(argv[2]); // warm the file cache for both
    startToWindowShown(argv[3]);
    std::vector<double> times[2];
    for (int run = 0; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            times[which].push_back(startToWindowShown(argv[2 + which]));
        }
    }
    const double morvatek = median(times[0]);
    const double minimal = median(times[1]);
    std::printf("runs each (alternating):  %d\n", runs);
    std::printf(
        "start to window shown:    Morvatek.exe %.1f ms, minimal window %.1f ms (medians)\n",
        morvatek, minimal);
    std::printf("time ratio:               %.3f (target at most 1.10)\n", morvatek / minimal);
    return 0;
}
