// The vegetable's flight after Space: it keeps the direction the hero faced
// on the first tick and sinks until it has dropped below the field.

#include "anim/sprite_bank_layout.h"
#include "items/item_handlers.h"
#include "level/play_layout.h"
#include "shell/game.h"

namespace tt::items {
namespace {

constexpr Twips kAcross = 100;
constexpr Twips kDown = 50;
constexpr Twips kBelowField = 2350;

}  // namespace

void throwTick(Game& game) {
    PlayState& vars = game.vars();
    const std::string& way = game[play::Way].caption;
    vars.Holding = 0;
    countUp(vars.ThrowStep);
    if (vars.ThrowStep == 1) {
        if (way == "Right") game[gx::Pos].caption = "ThrowRight";
        if (way == "Left") game[gx::Pos].caption = "ThrowLeft";
    }
    std::string& flight = game[play::VegWay].caption;
    if (flight.empty()) flight = way;
    Image& vegetable = game[play::Object];
    if (flight == "Right") {
        vegetable.left = vegetable.left + kAcross;
        vegetable.top = vegetable.top + kDown;
    }
    if (flight == "Left") {
        vegetable.left = vegetable.left - kAcross;
        vegetable.top = vegetable.top + kDown;
    }
    if (vegetable.top > kBelowField) {
        flight.clear();
        vars.ThrowStep = 0;
        game[play::Throw].setEnabled(false);
    }
}

}  // namespace tt::items
