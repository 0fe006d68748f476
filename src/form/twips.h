#pragma once

#include <QRect>

namespace morvatek::form {

// The window is designed in twips: 15 twips make one device-independent pixel.
constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr QRect rectFromTwips(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

} // namespace morvatek::form
