#include "world/world_handlers.h"
#include "shell/game.h"

namespace tt::world {

void frameRulesTick(Game&) {}

}  // namespace tt::world
