// The thrown enemy's flight, one ThrowEn1 tick: free again from the first
// tick, it keeps the direction the hero faced then and sinks until it is
// near the ground, where it is set down to walk on.

#include "items/flight.h"
#include "items/item_handlers.h"
#include "level/play_layout.h"
#include "shell/game.h"

namespace tt::items {
namespace {

constexpr Twips kAcross = 130;
constexpr Twips kDown = 50;
constexpr Twips kNearGround = 300;  // above the ground's top: the flight ends
constexpr Twips kSetDown = 200;     // where a landed enemy's top is put

}  // namespace

void enemyThrowTick(Game& game) {
    PlayState& vars = game.vars();
    const std::string& way = game[play::Way].caption;
    vars.EnemyLift = 0;
    vars.EnemyHeld = 0;
    countUp(vars.ThrowStep);
    if (vars.ThrowEnemyWay.empty()) vars.ThrowEnemyWay = way;
    throwPoseOnFirstTick(game, way);
    Image& enemy = game[play::Enemy1];
    flyStep(enemy, vars.ThrowEnemyWay, kAcross, kDown);
    const Twips ground = game[play::Ground].top;
    if (enemy.top > ground - kNearGround) {
        enemy.top = ground - kSetDown;
        vars.ThrowStep = 0;
        game[play::ThrowEn1].setEnabled(false);
    }
}

}  // namespace tt::items
