#pragma once

#include <cstdint>

namespace tt {
class Game;
}

namespace tt::hero {

// Loading the play field: opens the say window and fills the energy.
void playLoad(Game& game);
// The one-shot level start.
void levelStartTick(Game& game);
// The play field's only input.
void keyDown(Game& game, std::int16_t code);
void walkRightTick(Game& game);
void walkLeftTick(Game& game);
void jumpTick(Game& game);

// What the play field offers beside its keys: start a step or a jump, or
// climb one step up the ladder.
void startWalkLeft(Game& game);
void startWalkRight(Game& game);
void startJump(Game& game);
void climbLadderUp(Game& game);
// A climber or a hero with nothing under it falls: the jump timer takes it
// down from the top of the arc.
void startFall(Game& game);

}  // namespace tt::hero
