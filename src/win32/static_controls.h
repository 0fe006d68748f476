#pragma once

#include "native_control.h"

#include <string>

namespace morvatek::win32 {

// A caption on its designed background; the frame around the option buttons, whose
// design-time caption is not shown.
class LabelControl : public NativeControl {
public:
    LabelControl(const form::ControlLook& look, HWND parent, int id, const std::u16string& caption);
};

class FrameControl : public NativeControl {
public:
    FrameControl(const form::ControlLook& look, HWND parent, int id);
};

} // namespace morvatek::win32
