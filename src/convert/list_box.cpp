#include "list_box.h"

#include "runtime_error.h"

#include <algorithm>

namespace morvatek {

void ListBox::clear() {
    items_.clear();
    listIndex_ = -1;
    notifyChanged();
}

void ListBox::addItem(Text item) {
    items_.push_back(std::move(item));
    notifyChanged();
}

const Text& ListBox::list(long index) const {
    if (index < 0 || index >= listCount()) {
        throw RuntimeError::listIndexOutOfRange(index, listCount());
    }
    return items_[static_cast<std::size_t>(index)];
}

void ListBox::setEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        notifyChanged();
    }
}

void ListBox::setVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        notifyChanged();
    }
}

void ListBox::pupilSelects(long index) {
    const auto action = pupilAction();
    if (!enabled_ || !visible_ || index < 0 || index >= listCount()) {
        return;
    }
    if (listIndex_ != index) {
        listIndex_ = static_cast<int>(index);
        notifyChanged();
    }
    raiseClick();
}

void ListBox::pupilMovesBy(long rows) {
    if (listCount() == 0) {
        return;
    }
    moveTo(std::clamp<long>((listIndex_ < 0 ? -1 : listIndex_) + rows, 0, listCount() - 1));
}

void ListBox::moveTo(long index) {
    if (index != listIndex_) {
        pupilSelects(index);
    }
}

void ListBox::pupilReenters() {
    if (listIndex_ >= 0) {
        pupilSelects(listIndex_);
    }
}

void ListBox::pupilTypes(char16_t character) {
    const auto found = std::find_if(items_.begin(), items_.end(), [character](const Text& item) {
        return !item.empty() && item.front() == character;
    });
    if (found != items_.end()) {
        pupilSelects(found - items_.begin());
    }
}

} // namespace morvatek
