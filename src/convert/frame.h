#pragma once

#include "control.h"
#include "text.h"

#include <vector>

namespace morvatek {

class OptionButton;

class Frame : public Control {
public:
    explicit Frame(Text caption) : caption_(std::move(caption)) {}
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;

    const Text& caption() const { return caption_; }

    // Puts the button into this frame's group; the frame must outlive it.
    void contain(OptionButton& option);
    void clearAllBut(const OptionButton& chosen);

private:
    Text caption_;
    std::vector<OptionButton*> options_;
};

} // namespace morvatek
