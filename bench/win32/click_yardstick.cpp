// The yardstick for a click under Wine: a Win32 window of Morvatek's client size with a button
// where "Изчисли" is and a read-only edit control where the transcript is, which shows the whole
// 30-digit transcript with one WM_SETTEXT per click. Built the same way as Morvatek.exe.
#include "yardstick_transcript.h"
#include "yardstick_window.h"

#include <string>

namespace {

constexpr int kButtonId = 1;
constexpr int kTranscriptId = 2;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == kButtonId) {
        const std::u16string text = yardstickTranscript();
        SetWindowTextW(GetDlgItem(window, kTranscriptId),
                       std::wstring(text.begin(), text.end()).c_str());
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND child(HWND parent, const wchar_t* kind, DWORD style, RECT at, int id) {
    return CreateWindowExW(kind[0] == L'E' ? WS_EX_CLIENTEDGE : 0, kind, L"",
                           WS_CHILD | WS_VISIBLE | style, at.left, at.top, at.right, at.bottom,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                           nullptr);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
    HWND window = createYardstickWindow(instance, L"ClickYardstick", windowProc);
    child(window, L"BUTTON", BS_PUSHBUTTON, {328, 40, 113, 25}, kButtonId);
    HWND transcript =
        child(window, L"EDIT", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL,
              {16, 176, 449, 137}, kTranscriptId);
    HFONT font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                             VARIABLE_PITCH | FF_ROMAN, L"Times New Roman");
    SendMessageW(transcript, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return runYardstick(window, showCommand);
}
