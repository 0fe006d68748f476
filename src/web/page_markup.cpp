// The window's markup: each control with its role, name and design-time text.
#include "design_texts.h"
#include "page_parts.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace morvatek::web {

namespace {

namespace design = morvatek::design;
using form::ControlKind;
using form::ControlLook;

int indexOf(std::string_view name) {
    return name.back() - '0';
}

std::u16string_view captionOf(const ControlLook& look) {
    const auto i = static_cast<std::size_t>(indexOf(look.name));
    switch (look.kind) {
    case ControlKind::Label:
        return design::kLabelCaptions.at(i);
    case ControlKind::OptionButton:
        return design::kOptionCaptions.at(i);
    case ControlKind::CommandButton:
        return design::kCommandCaptions.at(i);
    default:
        return {};
    }
}

std::string attribute(const char* name, std::string_view value) {
    return std::string(" ") + name + "=\"" + std::string(value) + "\"";
}

std::string labelledBy(const ControlLook& look) {
    return look.labelledBy.empty() ? "" : attribute("aria-labelledby", look.labelledBy);
}

// The option button that holds the group's Tab stop while none is chosen.
bool firstOptionInTabOrder(const ControlLook& look) {
    for (const ControlLook* other : form::controlsInTabOrder()) {
        if (other->kind == ControlKind::OptionButton) {
            return other == &look;
        }
    }
    return false;
}

bool takesFocus(const ControlLook& look) {
    return onPage(look) && look.kind != ControlKind::Label && look.kind != ControlKind::Frame;
}

// The control's place among the page's Tab stops, from 1: the markup follows the reading order,
// and these positive tabindex values keep Tab in the designed order. The option buttons share
// one stop.
std::string tabStop(const ControlLook& look) {
    int stop = 0;
    bool optionsCounted = false;
    for (const ControlLook* other : form::controlsInTabOrder()) {
        if (!takesFocus(*other) || (other->kind == ControlKind::OptionButton && optionsCounted)) {
            continue;
        }
        optionsCounted = optionsCounted || other->kind == ControlKind::OptionButton;
        ++stop;
        if (other == &look ||
            (other->kind == ControlKind::OptionButton && look.kind == ControlKind::OptionButton)) {
            return std::to_string(stop);
        }
    }
    return "-1";
}

std::string element(const ControlLook& look) {
    const std::string id = attribute("id", look.name);
    const std::string caption = escaped(captionOf(look));
    const std::string stop = attribute("tabindex", tabStop(look));
    switch (look.kind) {
    case ControlKind::Label:
        return R"(<span class="label")" + id + ">" + caption + "</span>";
    case ControlKind::OptionButton:
        return R"(<div role="radio" class="option")" + id + R"( aria-checked="false")" +
               attribute("tabindex", firstOptionInTabOrder(look) ? tabStop(look) : "-1") +
               attribute("data-tab", tabStop(look)) +
               R"(><span class="mark" aria-hidden="true"></span>)" + caption + "</div>";
    case ControlKind::ListBox:
        return R"(<div role="listbox" class="list")" + id + labelledBy(look) + stop +
               attribute("data-tab", tabStop(look)) + "></div>";
    case ControlKind::TextBox:
        return R"(<input type="text" class="entry" readonly)" + id + labelledBy(look) + stop +
               R"( autocomplete="off" spellcheck="false">)";
    case ControlKind::MultiLineTextBox:
        return R"(<textarea class="transcript" readonly autofocus)" + id + stop +
               attribute("aria-label", escaped(design::kTranscriptName)) +
               R"( spellcheck="false">)" + escaped(design::kTaskStatement) + "</textarea>";
    case ControlKind::CommandButton:
        return R"(<button type="button" class="button")" + id + stop + ">" + caption + "</button>";
    case ControlKind::Frame:
        break;
    }
    return {};
}

// What a pupil reads first comes first: the task statement, the bases, the digits, the entry,
// the buttons, the transcript, each label before the control it names. Phones show the controls
// in this order, one below the other.
constexpr std::array<std::string_view, 10> kReadingOrder{
    "Label1_0", "Label1_1", "Frame1",     "Label1_2",   "List1",
    "Label1_3", "Text2",    "Command1_0", "Command1_1", "Text1_0"};

// The option buttons from the top of the frame down, as they stand: 4, 8, 16.
std::vector<const ControlLook*> optionsIn(const ControlLook& frame) {
    std::vector<const ControlLook*> options;
    for (const ControlLook& look : form::controlLooks()) {
        if (look.parent == frame.name) {
            options.push_back(&look);
        }
    }
    std::sort(options.begin(), options.end(),
              [](const ControlLook* a, const ControlLook* b) { return a->rect.top < b->rect.top; });
    return options;
}

} // namespace

// The frame is the radio group, named after the label above it.
void printWindow() {
    std::printf("<div id=\"%s\" class=\"window\">\n", std::string(form::kWindowLook.name).c_str());
    for (const std::string_view name : kReadingOrder) {
        const ControlLook& look = form::lookOf(name);
        if (look.kind != ControlKind::Frame) {
            std::printf("%s\n", element(look).c_str());
            continue;
        }
        std::printf("<div role=\"radiogroup\" class=\"frame\" id=\"%s\"%s>\n",
                    std::string(look.name).c_str(), labelledBy(look).c_str());
        for (const ControlLook* option : optionsIn(look)) {
            std::printf("%s\n", element(*option).c_str());
        }
        std::printf("</div>\n");
    }
    std::printf("</div>\n");
}

} // namespace morvatek::web
