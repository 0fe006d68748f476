#pragma once

#include "control.h"
#include "text.h"

namespace morvatek {

class TextBox : public Control {
public:
    explicit TextBox(Text text = {}) : text_(std::move(text)) {}

    const Text& text() const { return text_; }
    // Replaces the whole text, cut to its first maxLength() characters when a limit is set.
    void setText(Text text);

    int maxLength() const { return maxLength_; }
    // Applies to later changes only; 0 means no limit.
    void setMaxLength(int maxLength);

private:
    Text text_;
    int maxLength_ = 0;
};

} // namespace morvatek
