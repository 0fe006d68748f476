#pragma once

#include "control.h"
#include "text.h"

namespace morvatek {

class Label : public Control {
public:
    explicit Label(Text caption) : caption_(std::move(caption)) {}
    const Text& caption() const { return caption_; }

private:
    Text caption_;
};

} // namespace morvatek
