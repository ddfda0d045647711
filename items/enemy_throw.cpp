#include "items/item_handlers.h"
#include "shell/game.h"

namespace tt::items {

void enemyThrowTick(Game&) {}

}  // namespace tt::items
