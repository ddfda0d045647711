// The vegetable's flight after Space: it keeps the direction the hero faced
// on the first tick and sinks until it has dropped below the field.

#include "items/flight.h"
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
    throwPoseOnFirstTick(game, way);
    std::string& flight = game[play::VegWay].caption;
    if (flight.empty()) flight = way;
    Image& vegetable = game[play::Object];
    flyStep(vegetable, flight, kAcross, kDown);
    if (vegetable.top > kBelowField) {
        flight.clear();
        vars.ThrowStep = 0;
        game[play::Throw].setEnabled(false);
    }
}

}  // namespace tt::items
