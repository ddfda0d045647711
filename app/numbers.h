#pragma once

// Numbers as the command line and the driver's scripts write them: the whole
// text is one decimal number (a minus sign allowed, no plus sign, no blanks),
// finite, and within the range the caller allows.

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace tt {

template <typename Number>
std::optional<Number> parseNumber(std::string_view text, std::string& error,
                                  Number lowest = std::numeric_limits<Number>::lowest(),
                                  Number highest = std::numeric_limits<Number>::max()) {
    Number number{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    bool bad = text.empty() || result.ec != std::errc{} || result.ptr != text.data() + text.size();
    if constexpr (std::is_floating_point_v<Number>) bad = bad || !std::isfinite(number);
    if (bad) {
        error = "bad number '" + std::string(text) + "'";
        return std::nullopt;
    }
    if (number < lowest || number > highest) {
        error = "number " + std::string(text) + " is outside " + std::to_string(lowest) + ".." +
                std::to_string(highest);
        return std::nullopt;
    }
    return number;
}

}  // namespace tt
