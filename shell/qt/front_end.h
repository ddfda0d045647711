#pragma once

// The Qt front end: turns the shown forms of a game into real windows.

#include <string>

#include "shell/game.h"

namespace tt {

// Runs the game in real windows until it ends; returns the exit status.
// Needs a QApplication. With `gamepads`, connected game controllers play too.
int runWindows(Game& game, int zoom, bool gamepads = true);

// Writes what the form's client area shows, controls included, as a PNG.
// Returns an error message, empty on success. Needs a QApplication (the
// offscreen platform will do).
std::string screenshotForm(const Game& game, FormId form, const std::string& file, int zoom);

}  // namespace tt
