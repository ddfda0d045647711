#pragma once

// Runs driver commands on a game as the program runs a script file, and
// keeps what the run printed and the status it would exit with.

#include <sstream>
#include <string>
#include <string_view>

#include "app/driver.h"
#include "shell/game.h"

namespace tt::testing {

struct ScriptRun {
    int status;
    std::string out;
    std::string err;
};

inline ScriptRun runScript(Game& game, std::string_view script,
                           std::string scriptName = "test") {
    std::istringstream in{std::string(script)};
    std::ostringstream out;
    std::ostringstream err;
    const int status = Driver(game, out, err, std::move(scriptName)).run(in);
    return {status, out.str(), err.str()};
}

}  // namespace tt::testing
