#include "app/options.h"

#include "app/numbers.h"

namespace tt {

const char* const kUsage =
    "usage: turnip-trek [--zoom N] [--clock-ms N] [--no-gamepad]\n"
    "       turnip-trek --headless [--clock-ms N] [--zoom N] [SCRIPT]\n"
    "       turnip-trek --help | --version\n"
    "  --headless     run without a window, reading driver commands from SCRIPT\n"
    "                 (standard input when SCRIPT is absent or -)\n"
    "  --clock-ms N   the clock period in milliseconds, 1 to 20 (default 16)\n"
    "  --zoom N       scale every window by N, 1 to 6 (default 1)\n"
    "  --no-gamepad   leave game controllers alone\n";

std::optional<Options> parseOptions(const std::vector<std::string>& arguments, std::string& error) {
    Options options;
    bool haveScript = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto numberOption = [&](int lowest, int highest) -> std::optional<int> {
            if (i + 1 >= arguments.size()) {
                error = argument + " needs a value";
                return std::nullopt;
            }
            const std::string& text = arguments[++i];
            std::string why;
            auto value = parseNumber<int>(text, why, lowest, highest);
            if (!value)
                error = argument + " takes a whole number from " + std::to_string(lowest) + " to " +
                        std::to_string(highest) + ", not '" + text + "'";
            return value;
        };
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--headless") {
            options.headless = true;
        } else if (argument == "--no-gamepad") {
            options.gamepad = false;
        } else if (argument == "--clock-ms") {
            const auto value = numberOption(1, 20);
            if (!value) return std::nullopt;
            options.clockMs = *value;
        } else if (argument == "--zoom") {
            const auto value = numberOption(1, 6);
            if (!value) return std::nullopt;
            options.zoom = *value;
        } else if (argument.size() > 1 && argument[0] == '-') {
            error = "unknown option '" + argument + "'";
            return std::nullopt;
        } else if (!haveScript) {
            options.script = argument;
            haveScript = true;
        } else {
            error = "only one SCRIPT may be given, not also '" + argument + "'";
            return std::nullopt;
        }
    }
    if (haveScript && !options.headless) {
        error = "a SCRIPT is only read with --headless";
        return std::nullopt;
    }
    return options;
}

}  // namespace tt
