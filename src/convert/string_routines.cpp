#include "string_routines.h"

#include <string>

namespace morvatek {

namespace {

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

double Val(const Text& text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == u' ' || text[at] == u'\t')) {
        ++at;
    }
    double sign = 1.0;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) {
        sign = text[at] == u'-' ? -1.0 : 1.0;
        ++at;
    }
    double value = 0.0;
    for (; at < text.size() && isDigit(text[at]); ++at) {
        value = value * 10.0 + (text[at] - u'0');
    }
    if (at < text.size() && text[at] == u'.') {
        double scale = 0.1;
        for (++at; at < text.size() && isDigit(text[at]); ++at) {
            value += (text[at] - u'0') * scale;
            scale /= 10.0;
        }
    }
    return sign * value;
}

Text decimalText(long value) {
    const std::string ascii = std::to_string(value);
    return {ascii.begin(), ascii.end()};
}

Text characterAt(const Text& text, long position) {
    if (position < 1 || position > static_cast<long>(text.size())) {
        return {};
    }
    return text.substr(static_cast<std::size_t>(position - 1), 1);
}

} // namespace morvatek
