#pragma once

#include <cmath>
#include <cstdint>

namespace tt {

// Positions and sizes are single-precision twips, 15 to a screen pixel.
using Twips = float;
inline constexpr int kTwipsPerPixel = 15;

// No window is wider or taller than this many pixels; a position or size far
// outside it is held there, so that any float, NaN and infinity included,
// converts to a pixel that the zoom can still scale without overflowing.
inline constexpr int kFarthestPixel = 1 << 16;

// The screen pixel a position falls in; an object covers the pixels from its
// left edge's up to, not including, its right edge's. NaN is the origin.
inline int toPixels(Twips twips) {
    const double pixels = std::floor(static_cast<double>(twips) / kTwipsPerPixel);
    if (!(pixels == pixels)) return 0;
    if (pixels < -kFarthestPixel) return -kFarthestPixel;
    if (pixels > kFarthestPixel) return kFarthestPixel;
    return static_cast<int>(pixels);
}

// Clock time in microseconds: virtual in the driver and tests, monotonic in
// the real program.
using Micros = std::int64_t;

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

}  // namespace tt
