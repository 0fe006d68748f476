#include "static_controls.h"

#include "wide_text.h"

namespace morvatek::win32 {

LabelControl::LabelControl(const form::ControlLook& look, HWND parent, int id,
                           const std::u16string& caption)
    : NativeControl(look) {
    const DWORD alignment = look.alignment == form::Alignment::Centre ? SS_CENTER : SS_LEFT;
    create(parent, id, L"STATIC", visibleStyle() | alignment | SS_CENTERIMAGE | SS_NOPREFIX, 0,
           wide(caption));
}

FrameControl::FrameControl(const form::ControlLook& look, HWND parent, int id)
    : NativeControl(look) {
    create(parent, id, L"BUTTON", visibleStyle() | BS_GROUPBOX, 0, L"");
}

} // namespace morvatek::win32
