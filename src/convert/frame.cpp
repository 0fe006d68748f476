#include "frame.h"

#include "option_button.h"

namespace morvatek {

void Frame::contain(OptionButton& option) {
    option.frame_ = this;
    options_.push_back(&option);
}

void Frame::clearAllBut(const OptionButton& chosen) {
    for (OptionButton* option : options_) {
        if (option != &chosen) {
            option->setValue(false);
        }
    }
}

} // namespace morvatek
