#pragma once

#include <QIcon>

#include <array>
#include <string_view>

#include "shell/game.h"

namespace tt {

// The sizes of the program's icons, as installed in the desktop's theme.
inline constexpr std::array<int, 4> kIconSizes{32, 64, 128, 256};

// The icon of a window from the game's picture of that name, at each of
// those sizes; a null icon when there is none.
QIcon formIcon(const Game& game, std::string_view picture);

}  // namespace tt
