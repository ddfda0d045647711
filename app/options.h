#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tt {

struct Options {
    bool help = false;
    bool version = false;
    bool headless = false;
    bool gamepad = true;
    int clockMs = 16;
    int zoom = 1;
    std::string script = "-";  // standard input
};

extern const char* const kUsage;

// The options, or nullopt with a one-line `error`.
std::optional<Options> parseOptions(const std::vector<std::string>& arguments, std::string& error);

}  // namespace tt
