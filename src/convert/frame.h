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
    // The button `step` places after `from` (before it when negative), round from either end,
    // in the order the buttons were put in: top to bottom as they stand in the window.
    OptionButton& neighbour(const OptionButton& from, int step) const;

private:
    Text caption_;
    std::vector<OptionButton*> options_;
};

} // namespace morvatek
