#include "items/item_handlers.h"
#include "shell/game.h"

namespace tt::items {

void pickTick(Game&) {}

}  // namespace tt::items
