// The jump timer carries every jump and every fall. A jump rises 80 twips a
// tick for nine ticks, hangs one tick at the top and then comes down 80 a
// tick; a fall is the same timer started at JumpStep 11. The timer knows only
// the ground; the logs, the hill and the enemy catch the hero in the
// detection.

#include <string_view>

#include "anim/sprite_bank_layout.h"
#include "hero/hero_handlers.h"
#include "hero/play_field.h"
#include "level/play_layout.h"
#include "shell/game.h"

namespace tt::hero {
namespace {

using namespace std::string_view_literals;

constexpr Twips kJumpMove = 80;
constexpr Int16 kTopOfArc = 10;
constexpr Twips kFloor = 350;     // above the ground's top: passing it lands
constexpr Twips kStanding = 400;  // above the ground's top, less HeightOffset

}  // namespace

void jumpTick(Game& game) {
    const PlayField field(game);
    if (field[play::Pick].enabled()) return;  // hang in the air while pulling
    PlayState& vars = game.vars();
    Image& you = field[play::You];
    const std::string& way = field[play::Way].caption;
    std::string& pos = game[gx::Pos].caption;
    field[play::Dectection].setEnabled(true);
    vars.OnEnemy = 0;
    if (vars.JumpStep == 0 && way == "Right"sv) pos = "JumpRight"sv;
    if (vars.JumpStep == 0 && way == "Left"sv) pos = "JumpLeft"sv;
    countUp(vars.JumpStep);
    if (vars.JumpStep < kTopOfArc) you.top -= kJumpMove;
    if (vars.JumpStep > kTopOfArc) {
        you.top += kJumpMove;
        if (way == "Right"sv) pos = "JumpRight"sv;
        if (way == "Left"sv) pos = "JumpLeft"sv;
    }
    const Twips ground = field[play::Ground].top;
    if (you.top > ground - kFloor) {
        you.top = ground - kStanding - vars.HeightOffset;
        if (way == "Right"sv) pos = "Right"sv;
        if (way == "Left"sv) pos = "Left"sv;
        vars.JumpStep = 0;
        field[play::Jump].setEnabled(false);
    }
}

}  // namespace tt::hero
