#pragma once

#include <memory>
#include <string>
#include <windows.h>

namespace morvatek::win32 {

class ComLibraries;

// Tells a screen reader the name the design gives a control that no caption of its own names
// (the transcript, the digit list, the bases' group): the answer to WM_GETOBJECT for the
// control's client area is Windows' own accessible object for it with that name, so role,
// state, items and check marks stay Windows' own. oleacc.dll and COM are loaded at the first
// question: a window no screen reader reads never loads them.
class ScreenReaderNames {
public:
    explicit ScreenReaderNames(ComLibraries& com);
    ScreenReaderNames(const ScreenReaderNames&) = delete;
    ScreenReaderNames& operator=(const ScreenReaderNames&) = delete;
    ~ScreenReaderNames();

    // The answer to WM_GETOBJECT sent to `control`; 0 leaves the question to Windows.
    LRESULT answer(HWND control, WPARAM wParam, LPARAM lParam, const std::wstring& name);

private:
    struct Entries; // oleacc's, once loaded

    const Entries* load();

    ComLibraries& com_;
    bool tried_ = false;
    std::unique_ptr<Entries> entries_;
};

} // namespace morvatek::win32
