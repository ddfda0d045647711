#pragma once

// The headless driver: runs the whole game without a window from a script of
// commands, one per line (see the README for the language).

#include <functional>
#include <istream>
#include <ostream>
#include <string>

#include "shell/game.h"

namespace tt {

class Driver {
public:
    // Writes a form's picture to a PNG file; returns an error message, empty
    // on success. The driver has none unless one is given.
    using Screenshot = std::function<std::string(const Game&, FormId, const std::string& file)>;

    Driver(Game& game, std::ostream& out, std::ostream& err, std::string scriptName,
           Screenshot screenshot = {});

    // Runs the script to its end, to the end of the game, or to its first bad
    // line. Returns the exit status: 0, 1 when an `expect` found a different
    // state, or 2 after a bad line.
    int run(std::istream& script);
    // One line; returns false after a bad line or a failed `expect`, with the
    // error written.
    bool runLine(std::string_view line, int lineNumber);

private:
    std::string execute(std::string_view command, std::string_view rest);

    Game& game_;
    std::ostream& out_;
    std::ostream& err_;
    std::string scriptName_;
    Screenshot screenshot_;
    bool ticked_ = false;
    int failedStatus_ = 2;
};

}  // namespace tt
