#include "app/options.h"

#include <algorithm>

#include "app/key_help.h"
#include "app/numbers.h"
#include "app/quote.h"

namespace tt {

const char* const kUsage =
    "usage: turnip-trek [--zoom N] [--clock-ms N] [--no-gamepad]\n"
    "                   [--record FILE | --replay FILE]\n"
    "       turnip-trek --headless [--clock-ms N] [--zoom N] [SCRIPT]\n"
    "       turnip-trek --help | --version\n"
    "  --headless     run without a window, reading driver commands from SCRIPT\n"
    "                 (standard input when SCRIPT is absent or -)\n"
    "  --clock-ms N   the clock period in milliseconds, 1 to 20 (default 16)\n"
    "  --zoom N       scale every window by N, 1 to 6 (default: the largest that\n"
    "                 fits the screen; 1 with --headless)\n"
    "  --record FILE  write the session to FILE as a driver script that replays it\n"
    "  --replay FILE  play a recording in the windows and say whether it matched\n"
    "  --no-gamepad   leave game controllers alone\n";

namespace {

template <std::size_t Count>
void listKeys(std::string& text, const std::array<KeyHelp, Count>& keys, std::size_t column) {
    for (const KeyHelp& key : keys) {
        text += "  ";
        text += key.keys;
        text.append(column - key.keys.size(), ' ');
        text += key.does;
        text += '\n';
    }
}

}  // namespace

std::string helpText() {
    std::size_t column = 0;
    for (const KeyHelp& key : kKeyHelp) column = std::max(column, key.keys.size() + 2);
    for (const KeyHelp& key : kWindowKeyHelp) column = std::max(column, key.keys.size() + 2);
    std::string text = kUsage;
    text += "keys on the play field:\n";
    listKeys(text, kKeyHelp, column);
    text += "more keys:\n";
    listKeys(text, kWindowKeyHelp, column);
    return text;
}

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
                        std::to_string(highest) + ", not " + quote(text);
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
        } else if (argument == "--record" || argument == "--replay") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
                error = argument + " needs a FILE";
                return std::nullopt;
            }
            (argument == "--record" ? options.record : options.replay) = arguments[++i];
        } else if (argument.size() > 1 && argument[0] == '-') {
            error = "unknown option " + quote(argument);
            return std::nullopt;
        } else if (!haveScript) {
            options.script = argument;
            haveScript = true;
        } else {
            error = "only one SCRIPT may be given, not also " + quote(argument);
            return std::nullopt;
        }
    }
    if (haveScript && !options.headless) {
        error = "a SCRIPT is only read with --headless";
        return std::nullopt;
    }
    if (options.headless && (!options.record.empty() || !options.replay.empty())) {
        error = "--record and --replay are for the windows; --headless runs a recording as its SCRIPT";
        return std::nullopt;
    }
    if (!options.record.empty() && !options.replay.empty()) {
        error = "--record and --replay cannot be used together";
        return std::nullopt;
    }
    return options;
}

}  // namespace tt
