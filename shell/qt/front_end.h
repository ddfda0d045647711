#pragma once

// The Qt front end: turns the shown forms of a game into real windows.

#include <optional>
#include <string>

#include "shell/game.h"

namespace tt {

// A session to record or a recording to replay; both empty for plain play.
struct SessionFiles {
    std::string record;
    std::string replay;
    std::string version;  // written into a recording's first line
};

// Runs the game in real windows until it ends; returns the exit status.
// Needs a QApplication. Without a `zoom` the windows take the largest that
// fits the screen. With `gamepads`, connected game controllers play too.
int runWindows(Game& game, std::optional<int> zoom, const SessionFiles& session = {},
               bool gamepads = true);

// Writes what the form's client area shows, controls included, as a PNG.
// Returns an error message, empty on success. Needs a QApplication (the
// offscreen platform will do).
std::string screenshotForm(const Game& game, FormId form, const std::string& file, int zoom);

}  // namespace tt
