#include "hero/hero_handlers.h"
#include "level/play_layout.h"
#include "shell/game.h"

namespace tt::hero {

void keyDown(Game&, std::int16_t) {}
void startWalkLeft(Game& game) { game[play::WalkLeft].setEnabled(true); }
void startWalkRight(Game& game) { game[play::WalkRight].setEnabled(true); }
void startJump(Game& game) { game[play::Jump].setEnabled(true); }
void climbLadderUp(Game&) {}

}  // namespace tt::hero
