#include "option_button.h"

#include "frame.h"

namespace morvatek {

void OptionButton::setValue(bool selected) {
    if (selected && frame_ != nullptr) {
        frame_->clearAllBut(*this);
    }
    if (selected != value_) {
        value_ = selected;
        notifyChanged();
    }
}

void OptionButton::pupilSelects() {
    const auto action = pupilAction();
    if (value_) {
        return;
    }
    setValue(true);
    raiseClick();
}

} // namespace morvatek
