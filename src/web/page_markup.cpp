// The window's markup: each control with its role, name and design-time text.
#include "accessible_names.h"
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

std::string element(const ControlLook& look) {
    const std::string id = attribute("id", look.name);
    const std::string caption = escaped(form::captionOf(look));
    // The markup stands in the designed Tab order, so Tab follows it as it is.
    const std::string stop = attribute("tabindex", "0");
    switch (look.kind) {
    case ControlKind::Label:
        return R"(<span class="label")" + id + ">" + caption + "</span>";
    case ControlKind::OptionButton:
        return R"(<div role="radio" class="option")" + id + R"( aria-checked="false")" +
               attribute("tabindex", firstOptionInTabOrder(look) ? "0" : "-1") +
               R"(><span class="mark" aria-hidden="true"></span>)" + caption + "</div>";
    case ControlKind::ListBox:
        return R"(<div role="listbox" class="list")" + id + labelledBy(look) + stop + "></div>";
    case ControlKind::TextBox:
        return R"(<input type="text" class="entry" readonly)" + id + labelledBy(look) + stop +
               R"( autocomplete="off" spellcheck="false">)";
    case ControlKind::MultiLineTextBox:
        return R"(<textarea class="transcript" readonly autofocus)" + id + stop +
               attribute("aria-label", escaped(form::accessibleName(look))) +
               R"( spellcheck="false">)" + escaped(design::kTaskStatement) + "</textarea>";
    case ControlKind::CommandButton:
        return R"(<button type="button" class="button")" + id + stop + ">" + caption + "</button>";
    case ControlKind::Frame:
        break;
    }
    return {};
}

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

// The frame is the radio group, named after the label above it. The markup stands in the Tab
// order the design gives; assistive technology reads it in reading order (aria-owns).
void printWindow() {
    std::string readingOrder;
    for (const std::string_view name : kReadingOrder) {
        readingOrder += (readingOrder.empty() ? "" : " ") + std::string(name);
    }
    std::printf("<div id=\"%s\" class=\"window\"%s>\n", std::string(form::kWindowLook.name).c_str(),
                attribute("aria-owns", readingOrder).c_str());
    for (const ControlLook* look : form::controlsInTabOrder()) {
        if (!onPage(*look) || !look->parent.empty()) {
            continue;
        }
        if (look->kind != ControlKind::Frame) {
            std::printf("%s\n", element(*look).c_str());
            continue;
        }
        std::printf("<div role=\"radiogroup\" class=\"frame\" id=\"%s\"%s>\n",
                    std::string(look->name).c_str(), labelledBy(*look).c_str());
        for (const ControlLook* option : optionsIn(*look)) {
            std::printf("%s\n", element(*option).c_str());
        }
        std::printf("</div>\n");
    }
    std::printf("</div>\n");
}

} // namespace morvatek::web
