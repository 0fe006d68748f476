#pragma once

#include "text.h"

namespace morvatek {

struct Morvatek;

// The window's event handlers. Each acts on the window state only through its controls.
void Form_Load(Morvatek& window);
void Option1_Click(Morvatek& window, Index index);
void List1_Click(Morvatek& window);
void Command1_Click(Morvatek& window, Index index);

// Empties the entry, the working lists and the digit list, clears the chosen base and enables
// the digit list again. The transcript is left alone.
void ResetInput(Morvatek& window);

} // namespace morvatek
