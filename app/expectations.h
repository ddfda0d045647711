#pragma once

// `expect TARGET=VALUE ...`: a script checks the game's state by the values
// `print` would show, and a recording ends with the state it arrived at.

#include <string>
#include <string_view>

#include "shell/game.h"

namespace tt {

// Checks the words of an `expect` line in order and stops at the first
// difference: returns "expected TARGET=VALUE, got VALUE", or an empty string
// when every value matches. A malformed line sets `error` instead.
std::string checkExpectations(const Game& game, std::string_view words, std::string& error);

// The `expect` line that holds the state a recording ends with: the play
// variables, the hero, the enemy, the vegetable, the energy markers, the
// pose and direction words and every form's state.
std::string stateExpectation(const Game& game);

}  // namespace tt
