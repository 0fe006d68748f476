#pragma once

#include "native_control.h"

namespace morvatek {
class TextBox;
}

namespace morvatek::win32 {

// A read-only text box showing a text box of the model; its text can still be selected and
// copied. The model's CR LF line breaks are what a multi-line edit control shows as lines.
class EditControl : public NativeControl {
public:
    EditControl(const form::ControlLook& look, HWND parent, int id, const TextBox& model);

protected:
    LRESULT subclassed(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace morvatek::win32
