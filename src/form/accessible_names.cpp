#include "accessible_names.h"

#include "design_texts.h"

namespace morvatek::form {

namespace {

// Array elements are named after their index, "Label1_2" for Label1(2); no array has ten.
std::size_t indexOf(std::string_view name) {
    return static_cast<std::size_t>(name.back() - '0');
}

} // namespace

std::u16string_view captionOf(const ControlLook& look) {
    switch (look.kind) {
    case ControlKind::Label:
        return design::kLabelCaptions.at(indexOf(look.name));
    case ControlKind::OptionButton:
        return design::kOptionCaptions.at(indexOf(look.name));
    case ControlKind::CommandButton:
        return design::kCommandCaptions.at(indexOf(look.name));
    default:
        return {};
    }
}

std::u16string_view accessibleName(const ControlLook& look) {
    if (!look.labelledBy.empty()) {
        return captionOf(lookOf(look.labelledBy));
    }
    if (look.kind == ControlKind::MultiLineTextBox && look.visible) {
        return design::kTranscriptName;
    }
    return look.kind == ControlKind::Label ? std::u16string_view() : captionOf(look);
}

} // namespace morvatek::form
