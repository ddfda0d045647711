#pragma once

#include <cstdint>

namespace tt {

// Positions and sizes are single-precision twips, 15 to a screen pixel.
using Twips = float;
inline constexpr int kTwipsPerPixel = 15;

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
