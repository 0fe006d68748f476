#include "change_queue.h"

#include "control.h"

#include <algorithm>

namespace morvatek {

ChangeQueue::Hold::Hold(ChangeQueue* queue) : queue_(queue) {
    if (queue_ != nullptr) {
        ++queue_->depth_;
    }
}

ChangeQueue::Hold::~Hold() {
    if (queue_ != nullptr && --queue_->depth_ == 0) {
        queue_->deliver();
    }
}

void ChangeQueue::mark(const Control& control) {
    if (std::find(marked_.begin(), marked_.end(), &control) == marked_.end()) {
        marked_.push_back(&control);
    }
}

void ChangeQueue::deliver() {
    const std::vector<const Control*> changed = std::move(marked_);
    marked_.clear();
    for (const Control* control : changed) {
        control->tellListeners();
    }
    if (actionListener_) {
        actionListener_(changed);
    }
}

} // namespace morvatek
