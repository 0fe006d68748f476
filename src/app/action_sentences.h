#pragma once

#include "text.h"

#include <vector>

namespace morvatek {

class Control;
struct Morvatek;

// What a screen reader says after one of the pupil's actions, made from what the action changed:
// the result after "Изчисли", that "Изчисти" emptied the window, the base chosen, or the digit
// entered (the same digit again too). Empty when the action changed none of these. Every front
// end says these words and no others.
Text sentenceAfter(const Morvatek& window, const std::vector<const Control*>& changed);

} // namespace morvatek
