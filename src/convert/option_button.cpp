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

OptionButton& OptionButton::pupilMovesBy(int step) {
    OptionButton& next = frame_ != nullptr ? frame_->neighbour(*this, step) : *this;
    next.pupilSelects();
    return next;
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
