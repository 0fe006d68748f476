#include "error_report.h"

#include "runtime_error.h"

namespace morvatek {

namespace {

// The error's own message is UTF-8; one code point at a time into UTF-16.
std::u16string fromUtf8(const std::string& text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int k = 1; k < length && i + k < text.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        i += length;
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

} // namespace

ErrorReport describe(const RuntimeError& error) {
    return {u"Morvatek", u"Грешка при изпълнение:\n" + fromUtf8(error.what()) +
                             u"\n\nПрограмата ще бъде затворена."};
}

} // namespace morvatek
