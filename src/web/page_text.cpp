#include "page_parts.h"

namespace morvatek::web {

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

bool onPage(const form::ControlLook& look) {
    return look.visible && !look.name.starts_with("List2");
}

} // namespace morvatek::web
