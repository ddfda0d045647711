// The jump timer carries every jump and every fall. A jump rises 80 twips a
// tick for nine ticks, hangs one tick at the top and then comes down 80 a
// tick; a fall is the same timer started at JumpStep 11. The timer knows only
// the ground; the logs, the hill and the enemy catch the hero in the
// detection.

#include "anim/poses.h"
#include "hero/hero_handlers.h"
#include "level/field_geometry.h"
#include "level/play_layout.h"
#include "shell/game.h"
#include "shell/play_field.h"

namespace tt::hero {
namespace {

constexpr Twips kJumpMove = 80;
constexpr Twips kFloor = 350;  // above the ground's top: passing it lands

}  // namespace

void jumpTick(Game& game) {
    const PlayField field(game);
    if (field[play::Pick].enabled()) return;  // hang in the air while pulling
    PlayState& vars = game.vars();
    Image& you = field[play::You];
    const Facing way = facingOf(field[play::Way].caption);
    field[play::Dectection].setEnabled(true);
    vars.OnEnemy = 0;
    if (vars.JumpStep == 0) setPose(game, pose::kJump, way);
    countUp(vars.JumpStep);
    if (vars.JumpStep < geometry::kTopOfArc) you.top -= kJumpMove;
    if (vars.JumpStep > geometry::kTopOfArc) {
        you.top += kJumpMove;
        setPose(game, pose::kJump, way);
    }
    const Twips ground = field[play::Ground].top;
    if (you.top > ground - kFloor) {
        you.top = ground - geometry::kStanding - vars.HeightOffset;
        setPose(game, pose::kStand, way);
        vars.JumpStep = 0;
        field[play::Jump].setEnabled(false);
    }
}

void startFall(Game& game) {
    PlayState& vars = game.vars();
    vars.ClimbStep = 0;
    vars.JumpStep = geometry::kFallStart;
    game[play::Jump].setEnabled(true);
}

}  // namespace tt::hero
