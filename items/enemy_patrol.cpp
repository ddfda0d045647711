#include "items/item_handlers.h"
#include "shell/game.h"

namespace tt::items {

void enemyPatrolTick(Game&) {}

}  // namespace tt::items
