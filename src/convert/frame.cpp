#include "frame.h"

#include "option_button.h"

#include <algorithm>

namespace morvatek {

void Frame::contain(OptionButton& option) {
    option.frame_ = this;
    options_.push_back(&option);
}

OptionButton& Frame::neighbour(const OptionButton& from, int step) const {
    const auto count = static_cast<long>(options_.size());
    const long at = std::find(options_.begin(), options_.end(), &from) - options_.begin();
    return *options_[static_cast<std::size_t>(((at + step) % count + count) % count)];
}

void Frame::clearAllBut(const OptionButton& chosen) {
    for (OptionButton* option : options_) {
        if (option != &chosen) {
            option->setValue(false);
        }
    }
}

} // namespace morvatek
