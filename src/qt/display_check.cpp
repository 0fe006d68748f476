#include "display_check.h"

#include <cstdlib>

namespace morvatek {

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

} // namespace

std::string missingDisplayReason() {
    if (isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY")) {
        return {};
    }
    return "няма графичен дисплей (DISPLAY не е зададен)";
}

} // namespace morvatek
