// The energy markers: one GetHurt tick after a contact empties every marker
// above the energy left, the lowest (X4) first.

#include "items/item_handlers.h"
#include "level/play_layout.h"
#include "shell/game.h"

namespace tt::items {

void getHurtTick(Game& game) {
    const Int16 energy = game.vars().Energy;
    const Picture* empty = game[play::EmptyEnergy].picture();
    if (energy < 1) game[play::X1].setPicture(empty);
    if (energy < 2) game[play::X2].setPicture(empty);
    if (energy < 3) game[play::X3].setPicture(empty);
    if (energy < 4) game[play::X4].setPicture(empty);
    game[play::GetHurt].setEnabled(false);
}

}  // namespace tt::items
