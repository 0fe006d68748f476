// The hosted web app's manifest.
#include "design_texts.h"
#include "page_parts.h"

#include <cstdio>

namespace morvatek::web {

namespace {

std::string hex(const morvatek::form::Rgb& c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red, c.green, c.blue);
    return text;
}

} // namespace

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

} // namespace morvatek::web
