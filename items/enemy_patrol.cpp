// The enemy's patrol, one En1 tick: walls, walking pictures, the upside-down
// picture while carried, the walk itself, contact with the hero, the catches
// that end a fall and the support test that starts one. Every test reads
// the places that the earlier steps of the same tick have just written.

#include "anim/sprite_bank_layout.h"
#include "items/item_handlers.h"
#include "level/field_geometry.h"
#include "level/play_layout.h"
#include "shell/game.h"
#include "shell/play_field.h"
#include "shell/words.h"

namespace tt::items {
namespace {

using namespace geometry;

constexpr Twips kWalk = 10;

// One tick's view of the enemy and what it meets.
struct Patrol {
    Game& game;
    PlayField field;
    PlayState& vars;
    Image& enemy;

    explicit Patrol(Game& g)
        : game(g), field(g), vars(g.vars()), enemy(field[play::Enemy1]) {}

    bool free() const { return vars.EnemyHeld == 0 && vars.EnemyLift == 0; }
    bool facing(Facing way) const { return facingOf(vars.EnemyWay) == way; }
    void show(ImageRef sprite) { enemy.setPicture(game[sprite].picture()); }

    bool over(const Image& surface) const {
        return surface.left - kEnemyOverhang < enemy.left &&
               enemy.left < surface.left + surface.width();
    }
    bool standsOn(const Image& surface) const {
        return over(surface) && surface.top - kEnemySupportHigh < enemy.top &&
               enemy.top < surface.top - kEnemySupportLow;
    }

    void keepInsideWalls() {
        if (enemy.left < kLeftWall) {
            enemy.left = kLeftWall;
            vars.EnemyWay = way::kRight;
        }
        const Twips rightWall = game.outerWidth(FormId::Play) - kRightWallInset;
        if (enemy.left > rightWall) {
            enemy.left = rightWall;
            vars.EnemyWay = way::kLeft;
        }
    }

    void showWalkingPicture() {
        if (vars.EnemyStep == 1) {
            if (facing(Facing::Right)) show(gx::MaskerRight2);
            if (facing(Facing::Left)) show(gx::MaskerLeft2);
        }
        if (vars.EnemyStep == 2) {
            if (facing(Facing::Right)) show(gx::MaskerRight1);
            if (facing(Facing::Left)) show(gx::MaskerLeft1);
            vars.EnemyStep = 0;
        }
    }

    // Upside down, facing the way the hero who carries it faces.
    void showCarriedPicture() {
        const Facing way = facingOf(field[play::Way].caption);
        if (way == Facing::Right) {
            show(gx::MaskerRightUD1);
            vars.EnemyStep = 0;
        }
        if (way == Facing::Left) {
            show(gx::MaskerLeftUD1);
            vars.EnemyStep = 0;
        }
    }

    void walk() {
        if (facing(Facing::Right)) enemy.left = enemy.left + kWalk;
        if (facing(Facing::Left)) enemy.left = enemy.left - kWalk;
    }

    void hurtHero() {
        countDown(vars.Energy);
        field[play::GetHurt].setEnabled(true);
    }

    // The knock-back of a hit from the right leaves the enemy right of the
    // hero, out of the second window, so one tick counts one hit at most.
    void strikeHero() {
        const Image& you = field[play::You];
        const auto level = [&] {
            return you.top < enemy.top && enemy.top < you.top + kEnemyReachBelow + vars.HeightOffset;
        };
        if (you.left < enemy.left && enemy.left < you.left + kEnemyReachRight && level()) {
            hurtHero();
            enemy.left = enemy.left + kEnemyKnockBack;
        }
        if (you.left - kEnemyReachLeft < enemy.left && enemy.left < you.left && level()) {
            hurtHero();
            enemy.left = enemy.left - kEnemyKnockBack;
        }
    }

    // A fall ends on the first surface whose catch window the enemy is in.
    // The hill sets it higher than the logs and keeps the fall's count, so
    // the next fall from the hill drops at once.
    void catchFall() {
        Timer& fall = field[play::En1Fall];
        for (const ImageRef log : {play::Log, play::Log2}) {
            const Image& surface = field[log];
            if (fall.enabled() && over(surface) && surface.top - kEnemyCatchDepth < enemy.top &&
                enemy.top < surface.top - kEnemyLogCatchEnd) {
                enemy.top = surface.top - kEnemyOnLog;
                vars.FallStep = 0;
                fall.setEnabled(false);
            }
        }
        const Image& hill = field[play::Hill1];
        if (fall.enabled() && over(hill) && hill.top - kEnemyCatchDepth < enemy.top &&
            enemy.top < hill.top - kEnemyHillCatchEnd) {
            enemy.top = hill.top - kEnemyOnHill;
            fall.setEnabled(false);
        }
    }

    // Log2 is no support: an enemy on it starts a fall on every tick, which
    // the catch of the next tick undoes during the fall's hover.
    bool heldUp() const {
        return vars.EnemyHeld == 1 || vars.EnemyLift == 1 ||
               enemy.top > field[play::Ground].top - kEnemyOnGround || standsOn(field[play::Log]) ||
               standsOn(field[play::Hill1]) || field[play::En1Fall].enabled();
    }
};

}  // namespace

void enemyPatrolTick(Game& game) {
    Patrol patrol(game);
    PlayState& vars = patrol.vars;
    countUp(vars.EnemyStep);
    if (vars.EnemyWay.empty()) vars.EnemyWay = way::kLeft;
    patrol.keepInsideWalls();
    if (patrol.free()) patrol.showWalkingPicture();
    if (vars.EnemyHeld == 1) patrol.showCarriedPicture();
    if (patrol.free()) {
        patrol.walk();
        patrol.strikeHero();
    }
    patrol.catchFall();
    if (!patrol.heldUp()) patrol.field[play::En1Fall].setEnabled(true);
}

}  // namespace tt::items
