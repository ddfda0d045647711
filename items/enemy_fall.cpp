// The enemy's fall, one En1Fall tick: five ticks of hover, then a slanted
// drop in its walking direction, until it lands on the ground. The patrol
// catches it on the logs and the hill.

#include "items/item_handlers.h"
#include "level/field_geometry.h"
#include "level/play_layout.h"
#include "shell/game.h"
#include "shell/words.h"

namespace tt::items {
namespace {

constexpr Int16 kHoverTicks = 5;
constexpr Twips kDrop = 40;
constexpr Twips kDrift = 25;

}  // namespace

void enemyFallTick(Game& game) {
    PlayState& vars = game.vars();
    Image& enemy = game[play::Enemy1];
    // Held at its bound: a falling enemy carried for ever keeps counting, and
    // only whether the count is past the hover matters.
    countUp(vars.FallStep);
    const Facing way = facingOf(vars.EnemyWay);
    if (way == Facing::Right && vars.FallStep > kHoverTicks) {
        enemy.top = enemy.top + kDrop;
        enemy.left = enemy.left + kDrift;
    }
    if (way == Facing::Left && vars.FallStep > kHoverTicks) {
        enemy.top = enemy.top + kDrop;
        enemy.left = enemy.left - kDrift;
    }
    const Twips ground = game[play::Ground].top;
    if (enemy.top > ground - geometry::kEnemyLanding) {
        enemy.top = ground - geometry::kEnemyHeight;  // its feet on the ground's top edge
        vars.FallStep = 0;
        game[play::En1Fall].setEnabled(false);
    }
}

}  // namespace tt::items
