#pragma once

#include "control_looks.h"

#include <string_view>

// The words a control shows and the name a screen reader gives it, the same on every front end.
namespace morvatek::form {

// The caption a label, an option button or a command button shows at design time; empty for
// any other control.
std::u16string_view captionOf(const ControlLook& look);

// What a screen reader calls the control: its own caption, else the caption of the label the
// design puts beside it, else for the transcript, which has neither, the name the design gives
// it. Empty for a control no pupil reaches.
std::u16string_view accessibleName(const ControlLook& look);

} // namespace morvatek::form
