#pragma once

#include <string>

namespace morvatek {

class RuntimeError;

// What the message box says about a run-time error that left a handler; every front end shows
// the same words.
struct ErrorReport {
    std::u16string title;
    std::u16string text; // lines separated by a bare line feed
};

ErrorReport describe(const RuntimeError& error);

} // namespace morvatek
