#pragma once

#include <QIcon>

#include <string_view>

#include "shell/game.h"

namespace tt {

// The icon of a window from the game's picture of that name; a null icon
// when there is none.
QIcon formIcon(const Game& game, std::string_view picture);

}  // namespace tt
