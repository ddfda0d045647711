#include "items/item_handlers.h"
#include "shell/game.h"

namespace tt::items {

void getHurtTick(Game&) {}

}  // namespace tt::items
