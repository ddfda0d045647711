// The enemy's patrol, one En1 tick: walls, walking pictures, the upside-down
// picture while carried, the walk itself, contact with the hero, the catches
// that end a fall and the support test that starts one. Every test reads
// the places that the earlier steps of the same tick have just written.

#include "anim/sprite_bank_layout.h"
#include "items/item_handlers.h"
#include "level/play_layout.h"
#include "shell/game.h"

namespace tt::items {
namespace {

constexpr Twips kLeftWall = 300;
constexpr Twips kRightWallInset = 500;  // from the field's outer width
constexpr Twips kWalk = 10;
constexpr Twips kKnockBack = 300;

bool isFree(const PlayState& vars) { return vars.EnemyHeld == 0 && vars.EnemyLift == 0; }

bool over(const Image& enemy, const Image& surface) {
    return surface.left - 100 < enemy.left && enemy.left < surface.left + surface.width();
}

void keepInsideWalls(Game& game) {
    Image& enemy = game[play::Enemy1];
    std::string& way = game.vars().EnemyWay;
    if (enemy.left < kLeftWall) {
        enemy.left = kLeftWall;
        way = "Right";
    }
    const Twips rightWall = game.outerWidth(FormId::Play) - kRightWallInset;
    if (enemy.left > rightWall) {
        enemy.left = rightWall;
        way = "Left";
    }
}

void showWalkingPicture(Game& game) {
    PlayState& vars = game.vars();
    Image& enemy = game[play::Enemy1];
    if (vars.EnemyStep == 1) {
        if (vars.EnemyWay == "Right") enemy.setPicture(game[gx::MaskerRight2].picture());
        if (vars.EnemyWay == "Left") enemy.setPicture(game[gx::MaskerLeft2].picture());
    }
    if (vars.EnemyStep == 2) {
        if (vars.EnemyWay == "Right") enemy.setPicture(game[gx::MaskerRight1].picture());
        if (vars.EnemyWay == "Left") enemy.setPicture(game[gx::MaskerLeft1].picture());
        vars.EnemyStep = 0;
    }
}

// Upside down, facing the way the hero who carries it faces.
void showCarriedPicture(Game& game) {
    PlayState& vars = game.vars();
    Image& enemy = game[play::Enemy1];
    if (game[play::Way].caption == "Right") {
        enemy.setPicture(game[gx::MaskerRightUD1].picture());
        vars.EnemyStep = 0;
    }
    if (game[play::Way].caption == "Left") {
        enemy.setPicture(game[gx::MaskerLeftUD1].picture());
        vars.EnemyStep = 0;
    }
}

void walk(Game& game) {
    Image& enemy = game[play::Enemy1];
    const std::string& way = game.vars().EnemyWay;
    if (way == "Right") enemy.left = enemy.left + kWalk;
    if (way == "Left") enemy.left = enemy.left - kWalk;
}

void hurtHero(Game& game) {
    countDown(game.vars().Energy);
    game[play::GetHurt].setEnabled(true);
}

// The knock-back of a hit from the right leaves the enemy right of the hero,
// out of the second window, so one tick counts one hit at most.
void strikeHero(Game& game) {
    const Image& you = game[play::You];
    Image& enemy = game[play::Enemy1];
    const Int16 heightOffset = game.vars().HeightOffset;
    const auto level = [&] {
        return you.top < enemy.top && enemy.top < you.top + 220 + heightOffset;
    };
    if (you.left < enemy.left && enemy.left < you.left + 200 && level()) {
        hurtHero(game);
        enemy.left = enemy.left + kKnockBack;
    }
    if (you.left - 100 < enemy.left && enemy.left < you.left && level()) {
        hurtHero(game);
        enemy.left = enemy.left - kKnockBack;
    }
}

// A fall ends on the first surface whose catch window the enemy is in. The
// hill sets it higher than the logs and keeps the fall's count, so the next
// fall from the hill drops at once.
void catchFall(Game& game) {
    PlayState& vars = game.vars();
    Image& enemy = game[play::Enemy1];
    Timer& fall = game[play::En1Fall];
    for (const ImageRef log : {play::Log, play::Log2}) {
        const Image& surface = game[log];
        if (fall.enabled() && over(enemy, surface) && surface.top - 350 < enemy.top &&
            enemy.top < surface.top - 160) {
            enemy.top = surface.top - 200;
            vars.FallStep = 0;
            fall.setEnabled(false);
        }
    }
    const Image& hill = game[play::Hill1];
    if (fall.enabled() && over(enemy, hill) && hill.top - 350 < enemy.top &&
        enemy.top < hill.top - 80) {
        enemy.top = hill.top - 400;
        fall.setEnabled(false);
    }
}

bool standsOn(const Image& enemy, const Image& surface) {
    return over(enemy, surface) && surface.top - 500 < enemy.top && enemy.top < surface.top - 180;
}

// Log2 is no support: an enemy on it starts a fall on every tick, which the
// catch of the next tick undoes during the fall's hover.
bool heldUp(Game& game) {
    const PlayState& vars = game.vars();
    const Image& enemy = game[play::Enemy1];
    return vars.EnemyHeld == 1 || vars.EnemyLift == 1 ||
           enemy.top > game[play::Ground].top - 300 || standsOn(enemy, game[play::Log]) ||
           standsOn(enemy, game[play::Hill1]) || game[play::En1Fall].enabled();
}

}  // namespace

void enemyPatrolTick(Game& game) {
    PlayState& vars = game.vars();
    countUp(vars.EnemyStep);
    if (vars.EnemyWay.empty()) vars.EnemyWay = "Left";
    keepInsideWalls(game);
    if (isFree(vars)) showWalkingPicture(game);
    if (vars.EnemyHeld == 1) showCarriedPicture(game);
    if (isFree(vars)) {
        walk(game);
        strikeHero(game);
    }
    catchFall(game);
    if (!heldUp(game)) game[play::En1Fall].setEnabled(true);
}

}  // namespace tt::items
