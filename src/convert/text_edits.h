#pragma once

#include "text.h"
#include "text_box.h"

namespace morvatek {

// Each edit reads the box's whole text and assigns the changed whole text back.
inline void prependTo(TextBox& box, const Text& front) {
    box.setText(front + box.text());
}
inline void appendTo(TextBox& box, const Text& back) {
    box.setText(box.text() + back);
}

} // namespace morvatek
