// Writes the parts of the page that follow from the window's description: the style sheet that
// places and colours every control as designed (1 CSS pixel = 15 twips), the window's markup in
// reading order with each control's role, name, Tab stop and design-time text, the page title,
// and the hosted web app's manifest.
// Built with the page's own toolchain and run under Node.js at build time.
// usage: page_generator style|window|title|manifest
#include "design_texts.h"
#include "page_parts.h"

#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    const std::string_view part = argc > 1 ? argv[1] : "";
    if (part == "style") {
        morvatek::web::printStyle();
    } else if (part == "window") {
        morvatek::web::printWindow();
    } else if (part == "title") {
        std::printf("%s\n", morvatek::web::escaped(morvatek::design::windowCaption()).c_str());
    } else if (part == "manifest") {
        morvatek::web::printManifest();
    } else {
        std::fprintf(stderr, "usage: page_generator style|window|title|manifest\n");
        return 2;
    }
    return 0;
}
