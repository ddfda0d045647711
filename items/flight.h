#pragma once

// What the two throws share: the hero's throw pose on a flight's first tick,
// and a step along a sinking line in the flight's direction.

#include <string>

#include "anim/sprite_bank_layout.h"
#include "shell/game.h"

namespace tt::items {

inline void throwPoseOnFirstTick(Game& game, const std::string& way) {
    if (game.vars().ThrowStep != 1) return;
    if (way == "Right") game[gx::Pos].caption = "ThrowRight";
    if (way == "Left") game[gx::Pos].caption = "ThrowLeft";
}

inline void flyStep(Image& flier, const std::string& direction, Twips across, Twips down) {
    if (direction == "Right") {
        flier.left = flier.left + across;
        flier.top = flier.top + down;
    }
    if (direction == "Left") {
        flier.left = flier.left - across;
        flier.top = flier.top + down;
    }
}

}  // namespace tt::items
