// One walking step: three ticks of a walk timer, 150 twips on the first and
// 80 on the third. Walking never looks at the terrain; the walls and the
// falls off an edge belong to the world rules.

#include "anim/poses.h"
#include "hero/hero_handlers.h"
#include "level/play_layout.h"
#include "shell/game.h"

namespace tt::hero {
namespace {

struct Direction {
    TimerRef timer;
    Facing way;
    Twips sign;
};

constexpr Direction kRight{play::WalkRight, Facing::Right, 1};
constexpr Direction kLeft{play::WalkLeft, Facing::Left, -1};

constexpr Twips kFirstMove = 150;
constexpr Twips kLastMove = 80;
constexpr Int16 kTicksPerStep = 3;

// Both walk timers share WalkStep; whichever brings it to the end of a step
// ends that step.
void walkTick(Game& game, const Direction& direction) {
    if (game[play::Pick].enabled()) return;  // the step waits for the pull
    PlayState& vars = game.vars();
    game[play::Way].caption = direction.way == Facing::Right ? way::kRight : way::kLeft;
    vars.OnEnemy = 0;
    if (vars.WalkStep == 0) game[play::You].left += direction.sign * kFirstMove;
    // In the air the jump pose stays: the step only steers.
    if (vars.Holding == 0 && vars.WalkStep == 0 && !game[play::Jump].enabled())
        setPose(game, pose::kWalk, direction.way);
    if (vars.Holding == 1 && vars.WalkStep == 0 && !game[play::Jump].enabled())
        setPose(game, pose::kHoldMove, direction.way);
    // A climber steps off the ladder by falling.
    if (vars.ClimbStep > 0) startFall(game);
    countUp(vars.WalkStep);
    if (vars.WalkStep != kTicksPerStep) return;
    if (vars.Holding == 0 && !game[play::Jump].enabled())
        setPose(game, pose::kStand, direction.way);
    if (vars.Holding == 1 && !game[play::Jump].enabled())
        setPose(game, pose::kHold, direction.way);
    game[play::You].left += direction.sign * kLastMove;
    vars.WalkStep = 0;
    game[direction.timer].setEnabled(false);
}

}  // namespace

void walkRightTick(Game& game) { walkTick(game, kRight); }
void walkLeftTick(Game& game) { walkTick(game, kLeft); }

}  // namespace tt::hero
