// Morvatek.exe started for real: it shows its window, a screen reader in another process hears
// each control's name, and it ends with status 0 when the window is closed. MORVATEK_EXE names
// the executable.
#include "started_program.h"

#include <gtest/gtest.h>
#include <oleacc.h>
#include <string>
#include <vector>
#include <windows.h>

namespace {

using morvatek::testing::childAt;
using morvatek::testing::StartedProgram;
using morvatek::testing::utf8;

// The window appears with its caption, and closing it ends the program with status 0.
TEST(Program, ShowsItsWindowAndEndsWithStatusZeroWhenClosed) {
    const StartedProgram program;
    ASSERT_NE(program.window(), nullptr) << program.whyNoWindow();
    wchar_t caption[128] = {};
    GetWindowTextW(program.window(), caption, 128);
    EXPECT_EQ(std::wstring(caption),
              L"www.morvatek.example Бройна система - директно преобразуване");
    EXPECT_EQ(program.close(), 0U);
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
        ASSERT_NE(program.window(), nullptr) << program.whyNoWindow();
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

} // namespace
