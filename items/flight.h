#pragma once

// What the two throws share: the hero's throw pose on a flight's first tick,
// and a step along a sinking line in the flight's direction.

#include <string>

#include "anim/poses.h"
#include "shell/game.h"

namespace tt::items {

inline void throwPoseOnFirstTick(Game& game, const std::string& way) {
    if (game.vars().ThrowStep != 1) return;
    setPose(game, pose::kThrow, facingOf(way));
}

inline void flyStep(Image& flier, const std::string& direction, Twips across, Twips down) {
    if (facingOf(direction) == Facing::Right) {
        flier.left = flier.left + across;
        flier.top = flier.top + down;
    }
    if (facingOf(direction) == Facing::Left) {
        flier.left = flier.left - across;
        flier.top = flier.top + down;
    }
}

}  // namespace tt::items
