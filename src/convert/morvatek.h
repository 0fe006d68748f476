#pragma once

#include "command_button.h"
#include "control_array.h"
#include "frame.h"
#include "label.h"
#include "list_box.h"
#include "option_button.h"
#include "text_box.h"

#include <cstdint>

namespace morvatek {

// The window's state as the logic sees it: its controls with their design-time contents, and
// the index of the chosen base. The controls point at each other, so it never moves.
struct Morvatek {
    Morvatek();
    Morvatek(const Morvatek&) = delete;
    Morvatek& operator=(const Morvatek&) = delete;

    // Declared first: the controls hand it their changes until they are gone.
    ChangeQueue changes;

    ControlArray<TextBox, 2> Text1; // 0: transcript, 1: motto (never shown)
    TextBox Text2;                  // the binary number being entered
    ListBox List1;                  // the digits the pupil clicks
    ControlArray<ListBox, 4> List2; // code table, digit table, groups, result digits
    Frame Frame1;
    ControlArray<OptionButton, 3> Option1;   // base 4, 8, 16
    ControlArray<CommandButton, 2> Command1; // calculate, clear
    ControlArray<Label, 4> Label1;
    std::int16_t SelectedOption = -1; // -1 while no base is chosen

private:
    void queueChangesOfAllControls();
};

} // namespace morvatek
