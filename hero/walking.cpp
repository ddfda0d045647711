#include "hero/hero_handlers.h"
#include "shell/game.h"

namespace tt::hero {

void walkRightTick(Game&) {}
void walkLeftTick(Game&) {}

}  // namespace tt::hero
