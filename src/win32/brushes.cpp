#include "brushes.h"

namespace morvatek::win32 {

HBRUSH Brushes::of(const form::Rgb& colour) {
    const COLORREF key = colorRef(colour);
    auto found = brushes_.find(key);
    if (found == brushes_.end()) {
        found = brushes_.emplace(key, Brush(CreateSolidBrush(key))).first;
    }
    return found->second.get();
}

} // namespace morvatek::win32
