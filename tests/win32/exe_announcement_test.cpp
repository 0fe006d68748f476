// What a screen reader hears after each action of a conversion, from this other process: UI
// Automation notifications where Windows has them (10 1709 and later), the live region where it
// has not, never both. Each kind of Windows is a copy of the program beside a stand-in
// UIAutomationCore.dll (in MORVATEK_UIA_STAND_INS), which records what the program hands it.
#include "started_program.h"

#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <oleacc.h>
#include <string>
#include <vector>

namespace {

using morvatek::testing::childAt;
using morvatek::testing::clickInside;
using morvatek::testing::StartedProgram;
using morvatek::testing::utf8;

const std::vector<std::string> kConversion{"Избрана бройна система: 8-ична.",
                                           "Цифра 1, въведени 1.",
                                           "Цифра 0, въведени 2.",
                                           "Цифра 1, въведени 3.",
                                           "Цифра 1, въведени 4.",
                                           "Резултат: 13"};

// What a screen reader hears of a live region that changed: its name, when the event arrives.
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

// The live regions of one program, listened to as a screen reader listens.
class LiveRegionListener {
public:
    explicit LiveRegionListener(HWND window) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        heardSentences = &heard;
        hook_ = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED,
                                nullptr, hearLiveRegion, processId, 0, WINEVENT_OUTOFCONTEXT);
    }
    ~LiveRegionListener() {
        UnhookWinEvent(hook_);
        heardSentences = nullptr;
    }
    LiveRegionListener(const LiveRegionListener&) = delete;
    LiveRegionListener& operator=(const LiveRegionListener&) = delete;

    // Takes the events that arrive until `count` sentences are heard in all, or the deadline.
    // Not const: the events it lets in add to `heard`.
    void waitUntil(ULONGLONG deadline, std::size_t count) {
        while (heard.size() < count && GetTickCount64() < deadline) {
            MSG message{};
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
                DispatchMessageW(&message);
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        }
    }

    std::vector<std::string> heard;

private:
    HWINEVENTHOOK hook_ = nullptr;
};

// Base 8, the digits 1011 and "Изчисли", one click at a time; after each, `settle` is told how
// many actions are done.
template <typename Settle> void convertElevenInBase8(HWND window, const Settle& settle) {
    std::size_t actions = 0;
    clickInside(childAt(window, 360, 1320), 10, 10); // "8-ична"
    settle(++actions);
    HWND digits = childAt(window, 2640, 1200);
    const int row = static_cast<int>(SendMessageW(digits, LB_GETITEMHEIGHT, 0, 0));
    for (int item : {1, 0, 1, 1}) {
        clickInside(digits, 4, row * item + row / 2);
        settle(++actions);
    }
    clickInside(childAt(window, 4920, 600), 10, 10); // "Изчисли"
    settle(++actions);
}

// The program beside a stand-in, told to load it and where to record; the environment is this
// process's again once it has started.
class ProgramWithStandIn {
public:
    explicit ProgramWithStandIn(const wchar_t* kind) {
        const wchar_t* folders = _wgetenv(L"MORVATEK_UIA_STAND_INS");
        const std::wstring folder =
            std::wstring(folders != nullptr ? folders : L"") + L"/uia-" + kind;
        log_ = folder + L"/recorded.txt";
        DeleteFileW(log_.c_str());
        const wchar_t* overrides = _wgetenv(L"WINEDLLOVERRIDES");
        const std::wstring saved = overrides != nullptr ? overrides : L"";
        SetEnvironmentVariableW(L"WINEDLLOVERRIDES", (saved + L";uiautomationcore=n").c_str());
        SetEnvironmentVariableW(L"MORVATEK_UIA_LOG", log_.c_str());
        program_ = std::make_unique<StartedProgram>(folder + L"/Morvatek.exe");
        SetEnvironmentVariableW(L"WINEDLLOVERRIDES",
                                overrides != nullptr ? saved.c_str() : nullptr);
        SetEnvironmentVariableW(L"MORVATEK_UIA_LOG", nullptr);
    }

    const StartedProgram& program() const { return *program_; }

    std::vector<std::string> recorded() const {
        std::ifstream file(utf8(log_.c_str()));
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);) {
            lines.push_back(line);
        }
        return lines;
    }

private:
    std::wstring log_;
    std::unique_ptr<StartedProgram> program_;
};

class ScreenReaderAnnouncements : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    }
    void TearDown() override { CoUninitialize(); }
};

// Where Windows has no UI Automation notifications (before 10 1709; Wine 8), each action is
// told through the live region. Each sentence is awaited before the next click, as a screen
// reader reads the region's name when the event reaches it.
TEST_F(ScreenReaderAnnouncements, EachActionFromTheLiveRegionWhereNoNotificationsExist) {
    const ProgramWithStandIn standIn(L"no-notifications");
    const StartedProgram& program = standIn.program();
    ASSERT_NE(program.window(), nullptr) << program.whyNoWindow();
    LiveRegionListener listener(program.window());
    // The whole conversion within 10 s, so that a missing sentence is named within the limit.
    const ULONGLONG deadline = GetTickCount64() + 10000;
    convertElevenInBase8(program.window(), [&listener, deadline](std::size_t actions) {
        listener.waitUntil(deadline, actions);
        EXPECT_GE(listener.heard.size(), actions) << "not said: " << kConversion.at(actions - 1);
    });
    EXPECT_EQ(listener.heard, kConversion);
    wchar_t transcript[512] = {};
    SendMessageW(childAt(program.window(), 240, 2640), WM_GETTEXT, 512,
                 reinterpret_cast<LPARAM>(transcript));
    EXPECT_TRUE(std::wstring(transcript).ends_with(L"\r\n13"));
    EXPECT_EQ(program.close(), 0U);
    EXPECT_EQ(standIn.recorded(), std::vector<std::string>{}) << "UI Automation was asked";
}

// Where it has them, each sentence reaches UI Automation once, from the main window's provider,
// as the most recent of its kind "other", and the live region stays silent.
TEST_F(ScreenReaderAnnouncements, EachActionOnceThroughUiAutomationAlone) {
    const ProgramWithStandIn standIn(L"notifications");
    const StartedProgram& program = standIn.program();
    ASSERT_NE(program.window(), nullptr) << program.whyNoWindow();
    LiveRegionListener listener(program.window());
    convertElevenInBase8(program.window(), [](std::size_t /*actions*/) {});
    listener.waitUntil(GetTickCount64() + 500, SIZE_MAX); // any live region change all the same
    const std::string window = std::to_string(reinterpret_cast<std::uintptr_t>(program.window()));
    std::vector<std::string> expected;
    for (const std::string& sentence : kConversion) {
        expected.push_back("host " + window);
        expected.push_back("notify " + window + " 4 3 Morvatek.Announcement " + sentence);
    }
    EXPECT_EQ(program.close(), 0U);
    EXPECT_EQ(standIn.recorded(), expected);
    EXPECT_EQ(listener.heard, std::vector<std::string>{});
}

} // namespace
