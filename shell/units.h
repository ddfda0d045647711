#pragma once

#include <cmath>
#include <cstdint>

namespace tt {

// Positions and sizes are single-precision twips, 15 to a screen pixel.
using Twips = float;
inline constexpr int kTwipsPerPixel = 15;

// The screen pixel a position falls in; an object covers the pixels from its
// left edge's up to, not including, its right edge's.
inline int toPixels(Twips twips) { return static_cast<int>(std::floor(twips / kTwipsPerPixel)); }

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
