#pragma once

#include <cmath>

namespace vornith {

// Lengths are twips: 1440 per inch.
constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerMm = 1440.0 / 25.4;

// The screen is fixed at 15 twips per logical pixel whatever the display; sharpness on dense
// screens comes from the device pixel ratio, never from more twips per pixel.
constexpr double kScreenTwipsPerPixel = 15.0;

// Pen widths are whole pixels: a stroke of `twips` on a surface of `twipsPerPixel`, rounded
// half to even, never below one pixel.
inline int penWidthPixels(double twips, double twipsPerPixel) {
    const double px = std::nearbyint(twips / twipsPerPixel); // default rounding: half to even
    return px < 1.0 ? 1 : static_cast<int>(px);
}

} // namespace vornith
