#pragma once

namespace tt {
class Game;
}

namespace tt::items {

void pickTick(Game& game);
void throwTick(Game& game);
void enemyPatrolTick(Game& game);
void enemyFallTick(Game& game);
void enemyThrowTick(Game& game);
void getHurtTick(Game& game);

}  // namespace tt::items
