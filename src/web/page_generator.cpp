// Writes the parts of the page that follow from the window's description: the style sheet that
// places and colours every control as designed (1 CSS pixel = 15 twips), the window's markup in
// tab order with each control's role, name and design-time text, and the page title.
// Built with the page's own toolchain and run under Node.js at build time.
// usage: page_generator style|window|title|manifest
#include "control_looks.h"
#include "design_texts.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

using morvatek::form::ControlKind;
using morvatek::form::ControlLook;

constexpr int kTwipsPerCssPixel = 15;

std::string utf8(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string escaped(std::u16string_view text) {
    std::string out;
    for (const char c : utf8(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\r':
            break; // the page keeps line feeds only
        default:
            out += c;
        }
    }
    return out;
}

std::string px(int twips) {
    return std::to_string(twips / kTwipsPerCssPixel) + "px";
}

int indexOf(std::string_view name) {
    return name.back() - '0';
}

std::u16string_view captionOf(const ControlLook& look) {
    namespace design = morvatek::design;
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

// The page shows only what the pupil can see: the hidden lists and the motto box live in the
// model alone.
bool onPage(const ControlLook& look) {
    return look.visible && !look.name.starts_with("List2");
}

void printStyle() {
    const auto& window = morvatek::form::kWindowLook;
    const auto rgb = [](const morvatek::form::Rgb& c) {
        return "rgb(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " +
               std::to_string(c.blue) + ")";
    };
    std::printf("#%s { width: %s; height: %s; background: %s; font-family: \"%s\", \"Liberation "
                "Serif\", serif; font-size: %dpt; font-weight: %d; }\n",
                std::string(window.name).c_str(), px(window.clientWidth).c_str(),
                px(window.clientHeight).c_str(), rgb(window.background).c_str(),
                std::string(window.fontFamily).c_str(), window.fontPointSize, window.fontWeight);
    for (const ControlLook& look : morvatek::form::controlLooks()) {
        if (!onPage(look)) {
            continue;
        }
        std::printf("#%s { left: %s; top: %s; width: %s; height: %s;",
                    std::string(look.name).c_str(), px(look.rect.left).c_str(),
                    px(look.rect.top).c_str(), px(look.rect.width).c_str(),
                    px(look.rect.height).c_str());
        if (look.background) {
            std::printf(" background: %s; color: #000;", rgb(*look.background).c_str());
        }
        if (look.alignment == morvatek::form::Alignment::Centre) {
            std::printf(" text-align: center; justify-content: center;");
        }
        std::printf(" }\n");
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
    for (const ControlLook* other : morvatek::form::controlsInTabOrder()) {
        if (other->kind == ControlKind::OptionButton) {
            return other == &look;
        }
    }
    return false;
}

std::string element(const ControlLook& look) {
    const std::string id = attribute("id", look.name);
    const std::string caption = escaped(captionOf(look));
    switch (look.kind) {
    case ControlKind::Label:
        return R"(<span class="label")" + id + ">" + caption + "</span>";
    case ControlKind::OptionButton:
        return R"(<div role="radio" class="option")" + id + R"( aria-checked="false")" +
               attribute("tabindex", firstOptionInTabOrder(look) ? "0" : "-1") +
               R"(><span class="mark" aria-hidden="true"></span>)" + caption + "</div>";
    case ControlKind::ListBox:
        return R"(<div role="listbox" class="list")" + id + labelledBy(look) +
               R"( tabindex="0"></div>)";
    case ControlKind::TextBox:
        return R"(<input type="text" class="entry" readonly)" + id + labelledBy(look) +
               R"( autocomplete="off" spellcheck="false">)";
    case ControlKind::MultiLineTextBox:
        return R"(<textarea class="transcript" readonly autofocus)" + id +
               attribute("aria-label", escaped(morvatek::design::kTranscriptName)) +
               R"( spellcheck="false">)" + escaped(morvatek::design::kTaskStatement) +
               "</textarea>";
    case ControlKind::CommandButton:
        return R"(<button type="button" class="button")" + id + ">" + caption + "</button>";
    case ControlKind::Frame:
        break;
    }
    return {};
}

// In tab order, so that Tab visits the controls as designed; the option buttons sit in their
// frame, which the page presents as the radio group named after the label above it.
void printWindow() {
    std::printf("<div id=\"%s\" class=\"window\">\n",
                std::string(morvatek::form::kWindowLook.name).c_str());
    for (const ControlLook* look : morvatek::form::controlsInTabOrder()) {
        if (!onPage(*look) || !look->parent.empty()) {
            continue;
        }
        if (look->kind != ControlKind::Frame) {
            std::printf("%s\n", element(*look).c_str());
            continue;
        }
        std::printf("<div role=\"radiogroup\" class=\"frame\" id=\"%s\"%s>\n",
                    std::string(look->name).c_str(), labelledBy(*look).c_str());
        for (const ControlLook* option : morvatek::form::controlsInTabOrder()) {
            if (option->parent == look->name) {
                std::printf("%s\n", element(*option).c_str());
            }
        }
        std::printf("</div>\n");
    }
    std::printf("</div>\n");
}

std::string hex(const morvatek::form::Rgb& c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red, c.green, c.blue);
    return text;
}

// The hosted web app's manifest: named after the window, described by the task statement's
// label, in the window's colour; every address relative to the site's folder, so that it works
// under any path.
void printManifest() {
    const auto& window = morvatek::form::kWindowLook;
    const std::string colour = hex(window.background);
    std::printf("{\n  \"name\": \"%s\",\n  \"short_name\": \"%s\",\n",
                std::string(window.name).c_str(), std::string(window.name).c_str());
    std::printf("  \"description\": \"%s\",\n  \"lang\": \"bg\",\n  \"dir\": \"ltr\",\n",
                utf8(morvatek::design::kLabelCaptions.at(0)).c_str());
    std::printf("  \"start_url\": \"./\",\n  \"scope\": \"./\",\n  \"display\": "
                "\"standalone\",\n  \"background_color\": \"%s\",\n  \"theme_color\": \"%s\",\n",
                colour.c_str(), colour.c_str());
    std::printf(
        "  \"icons\": [\n"
        "    { \"src\": \"icon-192.png\", \"sizes\": \"192x192\", \"type\": \"image/png\" },\n"
        "    { \"src\": \"icon-512.png\", \"sizes\": \"512x512\", \"type\": \"image/png\" },\n"
        "    { \"src\": \"icon-maskable-512.png\", \"sizes\": \"512x512\", \"type\": "
        "\"image/png\", \"purpose\": \"maskable\" }\n  ]\n}\n");
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view part = argc > 1 ? argv[1] : "";
    if (part == "style") {
        printStyle();
    } else if (part == "window") {
        printWindow();
    } else if (part == "title") {
        std::printf("%s\n", escaped(morvatek::design::windowCaption()).c_str());
    } else if (part == "manifest") {
        printManifest();
    } else {
        std::fprintf(stderr, "usage: page_generator style|window|title|manifest\n");
        return 2;
    }
    return 0;
}
