#pragma once

// The six playable characters: the caption the start screen writes, where
// each starts above the ground, the height allowance a landing uses, and the
// prefix of its pictures in the sprite bank.

#include <array>
#include <string_view>

#include "shell/game.h"
#include "shell/play_state.h"
#include "shell/start_layout.h"
#include "shell/units.h"

namespace tt {

struct Character {
    std::string_view caption;
    std::string_view portrait;  // the start screen image that picks it
    Twips startDistance;        // top edge this far above the ground's top
    Int16 heightOffset;
    std::string_view spritePrefix;
};

inline constexpr std::array<Character, 6> kCharacters{{
    //  caption     portrait  start  offset prefix
    {"Ember",    "Image2", 410, 0,  "Ember"},
    {"Fennel",   "Image1", 470, 60, "Fennel"},
    {"Pip",      "Image3", 410, 0,  "Pip"},
    {"Clover",   "Image4", 440, 60, "Clover"},
    {"Rook",     "Image7", 480, 80, "Rook"},
    {"Volt Kid", "Image8", 410, 0,  "Volt"},
}};

// The character whose caption the start screen shows, or nullptr when the
// caption names none of them.
inline const Character* chosenCharacter(Game& game) {
    for (const Character& character : kCharacters)
        if (game[start::Character].caption == character.caption) return &character;
    return nullptr;
}

}  // namespace tt
