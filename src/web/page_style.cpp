// The style sheet that colours every control as designed and, on a screen at least as wide as
// the window, places it as designed, 1 CSS pixel to 15 twips. Narrower screens (phones, strong
// zoom) lay the same controls out in one column (page.css).
#include "page_parts.h"

#include <cstdio>

namespace morvatek::web {

namespace {

std::string rgb(const form::Rgb& c) {
    return "rgb(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " +
           std::to_string(c.blue) + ")";
}

void printLooks() {
    const auto& window = form::kWindowLook;
    std::printf("#%s { background: %s; font-family: \"%s\", \"Liberation Serif\", serif; "
                "font-size: %dpt; font-weight: %d; }\n",
                std::string(window.name).c_str(), rgb(window.background).c_str(),
                std::string(window.fontFamily).c_str(), window.fontPointSize, window.fontWeight);
    for (const form::ControlLook& look : form::controlLooks()) {
        if (!onPage(look) || (!look.background && look.alignment != form::Alignment::Centre)) {
            continue;
        }
        std::printf("#%s {", std::string(look.name).c_str());
        if (look.background) {
            std::printf(" background: %s; color: #000;", rgb(*look.background).c_str());
        }
        if (look.alignment == form::Alignment::Centre) {
            std::printf(" text-align: center; justify-content: center;");
        }
        std::printf(" }\n");
    }
}

void printPlaces() {
    const auto& window = form::kWindowLook;
    std::printf("@media (min-width: %s) {\n", px(window.clientWidth).c_str());
    std::printf("#%s { width: %s; height: %s; }\n", std::string(window.name).c_str(),
                px(window.clientWidth).c_str(), px(window.clientHeight).c_str());
    for (const form::ControlLook& look : form::controlLooks()) {
        if (onPage(look)) {
            std::printf("#%s { left: %s; top: %s; width: %s; height: %s; }\n",
                        std::string(look.name).c_str(), px(look.rect.left).c_str(),
                        px(look.rect.top).c_str(), px(look.rect.width).c_str(),
                        px(look.rect.height).c_str());
        }
    }
    std::printf("}\n");
}

// Below the window's width the controls stand in one column in reading order, whatever their
// order in the markup.
void printColumnOrder() {
    std::printf("@media not all and (min-width: %s) {\n",
                px(form::kWindowLook.clientWidth).c_str());
    for (std::size_t place = 0; place < kReadingOrder.size(); ++place) {
        std::printf("#%s { order: %zu; }\n", std::string(kReadingOrder.at(place)).c_str(), place);
    }
    std::printf("}\n");
}

} // namespace

void printStyle() {
    printLooks();
    printPlaces();
    printColumnOrder();
}

} // namespace morvatek::web
