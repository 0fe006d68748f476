#pragma once

#include "control.h"
#include "text.h"

namespace morvatek {

class CommandButton : public Control, public ClickSource {
public:
    explicit CommandButton(Text caption) : caption_(std::move(caption)) {}
    const Text& caption() const { return caption_; }

    // The pupil presses the button.
    void pupilPresses() const {
        const auto action = pupilAction();
        raiseClick();
    }

private:
    Text caption_;
};

} // namespace morvatek
