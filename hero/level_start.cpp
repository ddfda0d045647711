// Loading the play field and the level start that follows on its first tick.

#include "anim/poses.h"
#include "hero/hero_handlers.h"
#include "level/play_layout.h"
#include "shell/characters.h"
#include "shell/game.h"

namespace tt::hero {

void playLoad(Game& game) {
    game.show(FormId::Say);
    game.vars().Energy = 4;
}

void levelStartTick(Game& game) {
    PlayState& vars = game.vars();
    game[play::background].top = 0;
    game[play::background].left = 0;
    vars.WalkStep = 0;
    vars.JumpStep = 0;
    setPose(game, pose::kStand.right);
    if (const Character* character = chosenCharacter(game)) {
        game[play::You].top = game[play::Ground].top - character->startDistance;
        vars.HeightOffset = character->heightOffset;
    }
    // All four markers take the full picture that the lowest one shows.
    game[play::X1].setPicture(game[play::X4].picture());
    game[play::X2].setPicture(game[play::X4].picture());
    game[play::X3].setPicture(game[play::X4].picture());
    game[play::X4].setPicture(game[play::X1].picture());
    game[play::LoadTimer].setEnabled(false);
}

}  // namespace tt::hero
