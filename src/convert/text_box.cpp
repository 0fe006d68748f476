#include "text_box.h"

namespace morvatek {

void TextBox::setText(Text text) {
    if (maxLength_ > 0 && text.size() > static_cast<std::size_t>(maxLength_)) {
        text.resize(static_cast<std::size_t>(maxLength_));
    }
    if (text != text_) {
        text_ = std::move(text);
        notifyChanged();
    }
}

void TextBox::setMaxLength(int maxLength) {
    maxLength_ = maxLength < 0 ? 0 : maxLength;
}

} // namespace morvatek
