#include "items/item_handlers.h"
#include "shell/game.h"

namespace tt::items {

void throwTick(Game&) {}

}  // namespace tt::items
