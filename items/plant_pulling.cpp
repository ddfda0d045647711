// The pull sequence that Space starts: eight Pick ticks that either pull a
// vegetable out of a plant or lift the enemy the hero stands on.

#include "anim/poses.h"
#include "items/item_handlers.h"
#include "level/play_layout.h"
#include "shell/game.h"

namespace tt::items {
namespace {

constexpr Twips kPulledOut = -1000;  // far left of the field, out of every reach

void stopPick(Game& game) {
    game.vars().PickStep = 0;
    game[play::Pick].setEnabled(false);
}

void finishPlantPull(Game& game) {
    PlayState& vars = game.vars();
    vars.Holding = 1;
    Image& vegetable = game[play::Object];
    vegetable.setPicture(game[gx::BigVeggie].picture());
    vegetable.visible = true;
    if (facing(game) != Facing::Neither) {
        setPose(game, pose::kHold);
        stopPick(game);
    }
    if (vars.PulledPlant == 1) game[play::Plant1].left = kPulledOut;
    if (vars.PulledPlant == 2) game[play::Plant2].left = kPulledOut;
    if (vars.PulledPlant == 3) game[play::Plant3].left = kPulledOut;
    vars.PulledPlant = 0;
    vars.PickedPlant = 0;
    game[play::Pick].setEnabled(false);
    // One Space can start a lift along with the pull. Only the pull ends
    // here, so the lift is dropped with it: otherwise the enemy would stay
    // frozen in mid-lift, and its step counter would never come back to the
    // walking pictures.
    if (vars.EnemyLift == 1) {
        vars.EnemyLift = 0;
        vars.EnemyStep = 0;
    }
}

void finishEnemyLift(Game& game) {
    PlayState& vars = game.vars();
    vars.PickStep = 0;
    vars.OnEnemy = 0;
    vars.EnemyLift = 0;
    vars.EnemyHeld = 1;
    game[play::Pick].setEnabled(false);
}

}  // namespace

void pickTick(Game& game) {
    PlayState& vars = game.vars();
    countUp(vars.PickStep);
    if (vars.PickStep == 1) {
        setPose(game, pose::kPull);
    }
    if (vars.PickStep == 4) setPose(game, pose::kLift);
    if (vars.PickStep != 8) return;
    if (vars.PickedPlant == 1)
        finishPlantPull(game);
    else if (vars.EnemyLift == 1)
        finishEnemyLift(game);
}

}  // namespace tt::items
