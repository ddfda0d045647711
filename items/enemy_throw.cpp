// The thrown enemy's flight, one ThrowEn1 tick: free again from the first
// tick, it keeps the direction the hero faced then and sinks until it is
// near the ground, where it is set down to walk on.

#include "anim/sprite_bank_layout.h"
#include "items/item_handlers.h"
#include "level/play_layout.h"
#include "shell/game.h"

namespace tt::items {
namespace {

constexpr Twips kAcross = 130;
constexpr Twips kDown = 50;

}  // namespace

void enemyThrowTick(Game& game) {
    PlayState& vars = game.vars();
    const std::string& way = game[play::Way].caption;
    vars.EnemyLift = 0;
    vars.EnemyHeld = 0;
    countUp(vars.ThrowStep);
    if (vars.ThrowEnemyWay.empty()) vars.ThrowEnemyWay = way;
    if (vars.ThrowStep == 1) {
        if (way == "Right") game[gx::Pos].caption = "ThrowRight";
        if (way == "Left") game[gx::Pos].caption = "ThrowLeft";
    }
    Image& enemy = game[play::Enemy1];
    if (vars.ThrowEnemyWay == "Right") {
        enemy.left = enemy.left + kAcross;
        enemy.top = enemy.top + kDown;
    }
    if (vars.ThrowEnemyWay == "Left") {
        enemy.left = enemy.left - kAcross;
        enemy.top = enemy.top + kDown;
    }
    const Twips ground = game[play::Ground].top;
    if (enemy.top > ground - 300) {
        enemy.top = ground - 200;
        vars.ThrowStep = 0;
        game[play::ThrowEn1].setEnabled(false);
    }
}

}  // namespace tt::items
