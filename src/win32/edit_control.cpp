#include "edit_control.h"

#include "text_box.h"
#include "wide_text.h"

#include <string>

namespace morvatek::win32 {

namespace {

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

EditControl::EditControl(const form::ControlLook& look, HWND parent, int id, const TextBox& model)
    : NativeControl(look) {
    const DWORD lines = look.kind == form::ControlKind::MultiLineTextBox
                            ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL
                            : ES_AUTOHSCROLL;
    // Made empty and filled once it has the window's font: a text laid out in the system font
    // first would be laid out twice.
    create(parent, id, L"EDIT", visibleStyle() | WS_TABSTOP | ES_READONLY | lines, WS_EX_CLIENTEDGE,
           L"");
    subclass();
    const bool multiLine = look.kind == form::ControlKind::MultiLineTextBox;
    follow(model, [this, &model, multiLine] {
        const std::wstring text = wide(model.text());
        if (windowText(hwnd()) == text) {
            return;
        }
        // Setting the text shows its top, where a pupil starts reading the transcript; the entry
        // keeps its newest digit in view, as a box typed into does.
        SetWindowTextW(hwnd(), text.c_str());
        if (!multiLine) {
            const auto end = static_cast<WPARAM>(text.size());
            SendMessageW(hwnd(), EM_SETSEL, end, static_cast<LPARAM>(end));
            SendMessageW(hwnd(), EM_SCROLLCARET, 0, 0);
        }
    });
}

// A multi-line edit control keeps Tab and Enter for itself; read-only, it has no use for them,
// and Tab moves on to the next control.
LRESULT EditControl::subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = defaultProc(message, wParam, lParam);
    return message == WM_GETDLGCODE ? result & ~DLGC_WANTALLKEYS : result;
}

} // namespace morvatek::win32
