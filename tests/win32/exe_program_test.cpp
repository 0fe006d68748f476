// Morvatek.exe started for real: it shows its window, a screen reader in another process hears
// each control's name and what each action did, and it ends with status 0 when the window is
// closed. MORVATEK_EXE names the executable.
#include <gtest/gtest.h>
#include <oleacc.h>
#include <string>
#include <vector>
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

std::string utf8(const wchar_t* text) {
    std::string bytes(static_cast<std::size_t>(
                          WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr)),
                      '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                        nullptr);
    bytes.pop_back(); // the terminating null
    return bytes;
}

// The child at a designed place (twips at 96 DPI, 15 to the pixel) in the window's client area.
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

// What a screen reader hears, asked from this other process as one asks: the client object of
// each control the pupil reaches, its name and, where Wine's standard objects tell it, its role;
// and for a field named by a caption, that caption right before it, where a screen reader that
// reads no WM_GETOBJECT answer looks for its name.
TEST(ScreenReader, HearsEveryControlByTheNameTheOtherFrontEndsGiveIt) {
    struct Row {
        const char* control;
        int left; // twips
        int top;
        const char* name;
        LONG role; // 0: not told by Wine's standard object
        bool captioned = false;
    };
    const Row rows[] = {
        {"Text2", 3720, 1440, "Въведено двоично число", ROLE_SYSTEM_TEXT, true},
        {"Text1(0)", 240, 2640, "Ход на преобразуването", ROLE_SYSTEM_TEXT},
        {"List1", 2640, 1200, "Цифри", 0, true},
        {"Frame1", 120, 840, "Бройна система", 0, true},
        {"Option1(0)", 360, 960, "4-ична", 0},
        {"Option1(1)", 360, 1320, "8-ична", 0},
        {"Option1(2)", 360, 1680, "16-ична", 0},
        {"Command1(0)", 4920, 600, "Изчисли", 0},
        {"Command1(1)", 2640, 2040, "Изчисти", 0},
    };
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    {
        const StartedProgram program;
        ASSERT_NE(program.window(), nullptr) << "no window";
        for (const Row& row : rows) {
            HWND child = childAt(program.window(), row.left, row.top);
            ASSERT_NE(child, nullptr) << row.control;
            IAccessible* object = nullptr;
            ASSERT_EQ(AccessibleObjectFromWindow(child, OBJID_CLIENT, __uuidof(IAccessible),
                                                 reinterpret_cast<void**>(&object)),
                      S_OK)
                << row.control;
            VARIANT self{};
            self.vt = VT_I4;
            self.lVal = CHILDID_SELF;
            BSTR name = nullptr;
            EXPECT_EQ(object->get_accName(self, &name), S_OK) << row.control;
            EXPECT_EQ(utf8(name != nullptr ? name : L"(none)"), row.name) << row.control;
            SysFreeString(name);
            VARIANT role{};
            if (row.role != 0 && object->get_accRole(self, &role) == S_OK) {
                EXPECT_EQ(role.lVal, row.role) << row.control;
            }
            object->Release();
            wchar_t caption[64] = {};
            if (row.captioned) {
                GetWindowTextW(GetWindow(child, GW_HWNDPREV), caption, 64);
                EXPECT_EQ(utf8(caption), row.name) << row.control << ": the window before it";
            }
        }
        program.close();
    }
    CoUninitialize();
}

// What a screen reader hears of a live region that changed: its name.
std::vector<std::string>* heardSentences = nullptr;

void CALLBACK hearLiveRegion(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND window, LONG object,
                             LONG child, DWORD /*thread*/, DWORD /*time*/) {
    IAccessible* accessible = nullptr;
    VARIANT which{};
    if (AccessibleObjectFromEvent(window, object, child, &accessible, &which) == S_OK) {
        BSTR name = nullptr;
        if (accessible->get_accName(which, &name) == S_OK && name != nullptr) {
            heardSentences->push_back(utf8(name));
        }
        SysFreeString(name);
        accessible->Release();
    }
}

void clickInside(HWND control, int x, int y) {
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// Where Windows has no UI Automation notifications (Wine has none), each action is told through
// the live region, heard from this other process by name, and the program converts as ever.
TEST(ScreenReader, HearsEachActionFromTheLiveRegionWhileTheProgramConverts) {
    HMODULE automation = LoadLibraryW(L"UIAutomationCore.dll");
    if (automation != nullptr &&
        GetProcAddress(automation, "UiaRaiseNotificationEvent") != nullptr) {
        GTEST_SKIP() << "this Windows tells screen readers through UI Automation instead";
    }
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    {
        const StartedProgram program;
        ASSERT_NE(program.window(), nullptr) << "no window";
        std::vector<std::string> heard;
        heardSentences = &heard;
        DWORD processId = 0;
        GetWindowThreadProcessId(program.window(), &processId);
        HWINEVENTHOOK hook =
            SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                            hearLiveRegion, processId, 0, WINEVENT_OUTOFCONTEXT);
        clickInside(childAt(program.window(), 360, 1320), 10, 10); // "8-ична"
        HWND digits = childAt(program.window(), 2640, 1200);
        const int row = static_cast<int>(SendMessageW(digits, LB_GETITEMHEIGHT, 0, 0));
        for (int item : {1, 0, 1, 1}) {
            clickInside(digits, 4, row * item + row / 2);
        }
        clickInside(childAt(program.window(), 4920, 600), 10, 10); // "Изчисли"
        for (int wait = 0; wait < 100 && heard.size() < 6; ++wait) {
            MSG message{};
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
                DispatchMessageW(&message);
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        }
        UnhookWinEvent(hook);
        heardSentences = nullptr;
        EXPECT_EQ(heard, (std::vector<std::string>{"Избрана бройна система: 8-ична.",
                                                   "Цифра 1, въведени 1.", "Цифра 0, въведени 2.",
                                                   "Цифра 1, въведени 3.", "Цифра 1, въведени 4.",
                                                   "Резултат: 13"}));
        wchar_t transcript[512] = {};
        SendMessageW(childAt(program.window(), 240, 2640), WM_GETTEXT, 512,
                     reinterpret_cast<LPARAM>(transcript));
        EXPECT_TRUE(std::wstring(transcript).ends_with(L"\r\n13"));
        EXPECT_EQ(program.close(), 0U);
    }
    CoUninitialize();
}

} // namespace
