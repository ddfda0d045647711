#pragma once

namespace tt {
class Game;
}

namespace tt::world {

// Landing on the logs, the hill and the enemy; support, and the fall when
// nothing holds the hero.
void detectionTick(Game& game);
// Walls, speech labels, game speed, riding, carrying and direction.
void frameRulesTick(Game& game);

}  // namespace tt::world
