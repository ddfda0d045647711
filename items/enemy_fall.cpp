#include "items/item_handlers.h"
#include "shell/game.h"

namespace tt::items {

void enemyFallTick(Game&) {}

}  // namespace tt::items
