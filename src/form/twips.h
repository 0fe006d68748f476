#pragma once

namespace morvatek::form {

inline constexpr int kTwipsPerInch = 1440;

// Twips to device pixels at `dpi` dots per inch, rounded to the nearest pixel. At 96 DPI this
// is 15 twips to the pixel.
constexpr int pixelsFromTwips(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>((scaled + kTwipsPerInch / 2) / kTwipsPerInch);
}

} // namespace morvatek::form
