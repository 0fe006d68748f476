#pragma once

#include "control.h"
#include "text.h"

#include <vector>

namespace morvatek {

// An unsorted list of texts: every item keeps the position at which it was added.
class ListBox : public Control, public ClickSource {
public:
    explicit ListBox(std::vector<Text> items = {}) : items_(std::move(items)) {}

    void clear();
    void addItem(Text item);
    const Text& list(long index) const;
    int listCount() const { return static_cast<int>(items_.size()); }
    int listIndex() const { return listIndex_; }
    const std::vector<Text>& items() const { return items_; }

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool visible() const { return visible_; }
    void setVisible(bool visible);

    // The pupil clicks item `index`, or moves the selection onto it by keyboard. An enabled,
    // visible list selects the item and raises Click, also when it is already selected;
    // anything else (a disabled list, a click beside the items) does nothing.
    void pupilSelects(long index);

private:
    std::vector<Text> items_;
    int listIndex_ = -1;
    bool enabled_ = true;
    bool visible_ = true;
};

} // namespace morvatek
