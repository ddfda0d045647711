// The play field's keys. The arrows and Z only switch on the timer that
// carries the action out; the climbing keys move the hero themselves, one
// step per key event, auto-repeats included.

#include "anim/poses.h"
#include "hero/hero_handlers.h"
#include "level/field_geometry.h"
#include "level/play_layout.h"
#include "shell/game.h"

namespace tt::hero {
namespace {

enum Key : std::int16_t {
    kSpace = 32,
    kLeftArrow = 37,
    kUpArrow = 38,
    kRightArrow = 39,
    kDownArrow = 40,
    kZ = 90,
};

constexpr Twips kClimbStep = 100;
constexpr Twips kLadderReach = 200;      // either side of a ladder's Left
constexpr Twips kPlantReachAbove = 400;  // the hero's Top over a plant's Top
constexpr Twips kPlantReachBelow = 120;
constexpr Twips kPlantReachSide = 100;

bool atLadder(Game& game, ImageRef ladder) {
    const Twips you = game[play::You].left;
    return game[ladder].left - kLadderReach < you && you < game[ladder].left + kLadderReach;
}

// The two climbing frames take turns, one per step up or down.
void climbFrame(Game& game) {
    PlayState& vars = game.vars();
    countUp(vars.ClimbStep);
    if (vars.ClimbStep == 3) vars.ClimbStep = 1;
    if (vars.ClimbStep == 1) setPose(game, pose::kClimb1);
    if (vars.ClimbStep == 2) setPose(game, pose::kClimb2);
}

// Catching hold of a ladder ends any jump or fall where the hero is.
void stepUp(Game& game) {
    game[play::Jump].setEnabled(false);
    climbFrame(game);
    game[play::You].top -= kClimbStep;
}

void upArrow(Game& game) {
    const Twips top = game[play::You].top;
    if (top < game[play::Ladder].top || top < game[play::Ladder2].top) return;
    if (!atLadder(game, play::Ladder) && !atLadder(game, play::Ladder2)) return;
    stepUp(game);
}

// At ground level Down just stands the hero up, facing the way it faced.
// Higher up it is a step down, on a ladder or not.
void downArrow(Game& game) {
    PlayState& vars = game.vars();
    game[play::Jump].setEnabled(false);
    const bool atGroundLevel = game[play::You].top > game[play::Ground].top - geometry::kGroundLevel;
    const Facing way = facing(game);
    if (atGroundLevel && way != Facing::Neither) {
        setPose(game, pose::kStand, way);
        vars.ClimbStep = 0;
        return;
    }
    climbFrame(game);
    game[play::You].top += kClimbStep;
}

bool plantInReach(Game& game, ImageRef plant) {
    const Image& you = game[play::You];
    const Image& p = game[plant];
    return p.top - kPlantReachBelow > you.top && p.top - kPlantReachAbove < you.top &&
           p.left - kPlantReachSide < you.left && p.left + kPlantReachSide > you.left;
}

// Space lifts the enemy the hero stands on, throws what it carries, or pulls
// a plant within reach. Nothing starts while a throw or a pull is under way.
void space(Game& game) {
    PlayState& vars = game.vars();
    if (game[play::Throw].enabled() || game[play::Pick].enabled()) return;
    if (vars.OnEnemy == 1) {
        vars.PickStep = 0;
        vars.ThrowEnemyWay.clear();
        vars.EnemyLift = 1;
        game[play::Pick].setEnabled(true);
    }
    if (vars.Holding == 1) {
        game[play::Throw].setEnabled(true);
        return;
    }
    if (vars.EnemyHeld == 1) {
        game[play::ThrowEn1].setEnabled(true);
        return;
    }
    // The plants' reaches do not overlap, so at most one of them is pulled.
    constexpr ImageRef kPlants[] = {play::Plant1, play::Plant2, play::Plant3};
    for (Int16 number = 1; number <= 3; ++number) {
        if (!plantInReach(game, kPlants[number - 1])) continue;
        vars.PickedPlant = 1;
        vars.PulledPlant = number;
        game[play::Pick].setEnabled(true);
    }
}

}  // namespace

void keyDown(Game& game, std::int16_t code) {
    switch (code) {
    case kLeftArrow: startWalkLeft(game); break;
    case kRightArrow: startWalkRight(game); break;
    case kZ: startJump(game); break;
    case kUpArrow: upArrow(game); break;
    case kDownArrow: downArrow(game); break;
    case kSpace: space(game); break;
    default: break;
    }
}

void startWalkLeft(Game& game) { game[play::WalkLeft].setEnabled(true); }
void startWalkRight(Game& game) { game[play::WalkRight].setEnabled(true); }
void startJump(Game& game) { game[play::Jump].setEnabled(true); }

// The Up arrow's step, on the ladder alone: the vine does not count.
void climbLadderUp(Game& game) {
    if (game[play::You].top < game[play::Ladder].top) return;
    if (!atLadder(game, play::Ladder)) return;
    stepUp(game);
}

}  // namespace tt::hero
