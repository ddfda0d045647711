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
    std::optional<int> zoom;  // none: the largest that fits the screen
    std::string script = "-";  // standard input
    std::string record;        // --record FILE: write the session as a script
    std::string replay;        // --replay FILE: play a recording in the windows
};

extern const char* const kUsage;

// What --help prints: the usage, then the keys of the windows.
std::string helpText();

// The options, or nullopt with a one-line `error`.
std::optional<Options> parseOptions(const std::vector<std::string>& arguments, std::string& error);

}  // namespace tt
