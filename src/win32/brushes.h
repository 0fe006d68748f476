#pragma once

#include "control_looks.h"
#include "gdi_object.h"

#include <map>

namespace morvatek::win32 {

// One solid brush per designed colour, made when first asked for.
class Brushes {
public:
    HBRUSH of(const form::Rgb& colour);

private:
    std::map<COLORREF, Brush> brushes_;
};

inline COLORREF colorRef(const form::Rgb& colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

} // namespace morvatek::win32
