#include "hero/hero_handlers.h"
#include "shell/game.h"

namespace tt::hero {

void jumpTick(Game&) {}

}  // namespace tt::hero
