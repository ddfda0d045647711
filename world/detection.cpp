#include "world/world_handlers.h"
#include "shell/game.h"

namespace tt::world {

void detectionTick(Game&) {}

}  // namespace tt::world
