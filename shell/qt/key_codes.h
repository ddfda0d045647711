#pragma once

// The game's key codes are the classic desktop virtual-key codes.

#include <cstdint>
#include <optional>

#include <Qt>

namespace tt {

// The virtual-key code of a Qt key, or nothing for keys the game has no code
// for (modifier-only presses on some platforms, media keys, ...).
std::optional<std::int16_t> virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace tt
