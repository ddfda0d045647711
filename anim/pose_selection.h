#pragma once

namespace tt {
class Game;
}

namespace tt::anim {

// Gives the hero the chosen character's picture for the current pose word.
void poseSelectionTick(Game& game);

}  // namespace tt::anim
