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

    // Keyboard moves: `rows` items down (up when negative), stopping at the first and the last
    // item; from no selection one row down lands on the first item. A move that stays on the
    // selected item raises nothing.
    void pupilMovesBy(long rows);
    void pupilMovesToFirst() { moveTo(0); }
    void pupilMovesToLast() { moveTo(listCount() - 1); }
    // Space or Enter on the selected item selects it again.
    void pupilReenters();
    // Typing a character selects the first item that begins with it, also when it is already
    // selected: one Click per key press.
    void pupilTypes(char16_t character);

private:
    void moveTo(long index);

    std::vector<Text> items_;
    int listIndex_ = -1;
    bool enabled_ = true;
    bool visible_ = true;
};

} // namespace morvatek
