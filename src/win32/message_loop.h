#pragma once

#include <windows.h>

namespace morvatek::win32 {

// Delivers one message: the dialog manager first takes the keys that move between controls
// (Tab, the arrows in the option group) and Enter, Space and Escape.
void deliver(HWND window, MSG& message);

// Runs until the window ends the program; returns the exit status.
int runMessageLoop(HWND window);

} // namespace morvatek::win32
