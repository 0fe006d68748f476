#pragma once

#include "control.h"
#include "text.h"

namespace morvatek {

class Frame;

// Option buttons inside one frame form one group: selecting one clears the others.
class OptionButton : public Control, public ClickSource {
public:
    explicit OptionButton(Text caption) : caption_(std::move(caption)) {}

    const Text& caption() const { return caption_; }
    bool value() const { return value_; }
    // Marks or unmarks the button without raising any event.
    void setValue(bool selected);

    // The pupil selects this button: it is marked, the others of its frame are cleared and
    // Click is raised. Selecting the button that is already marked changes nothing.
    void pupilSelects();

    // An arrow key on this button: the pupil selects the next button of the frame down (`step`
    // 1) or up (-1), round from either end. Returns the button selected, which takes the focus.
    OptionButton& pupilMovesBy(int step);

private:
    friend class Frame;

    Text caption_;
    bool value_ = false;
    Frame* frame_ = nullptr;
};

} // namespace morvatek
