#pragma once

// Which way the hero faces and which pose it shows, as every handler reads
// and sets them.

#include <string_view>

#include "anim/sprite_bank_layout.h"
#include "level/play_layout.h"
#include "shell/game.h"
#include "shell/words.h"

namespace tt {

inline Facing facing(Game& game) { return facingOf(game[play::Way].caption); }

inline void setPose(Game& game, std::string_view pose) { game[gx::Pos].caption = pose; }

// The pose's word for that way; a way that is neither changes nothing.
inline void setPose(Game& game, const FacingPose& pose, Facing way) {
    if (way == Facing::Right) setPose(game, pose.right);
    if (way == Facing::Left) setPose(game, pose.left);
}

// The pose, facing the way the hero faces.
inline void setPose(Game& game, const FacingPose& pose) { setPose(game, pose, facing(game)); }

}  // namespace tt
