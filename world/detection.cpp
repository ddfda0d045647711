// Every tick: first catch a descending hero on a log, the hill or the enemy,
// then look for anything that holds the hero up, and start a fall if
// nothing does. Every bound is strict: a hero exactly on one is outside.

#include <array>
#include <string_view>

#include "anim/sprite_bank_layout.h"
#include "hero/hero_handlers.h"
#include "level/field_geometry.h"
#include "level/play_layout.h"
#include "shell/game.h"
#include "shell/play_field.h"
#include "shell/words.h"
#include "world/world_handlers.h"

namespace tt::world {
namespace {

// Where a descending hero is caught: over the surface from Left − leftMargin
// to Left + Width − rightMargin, with its Top between Top − 350 and
// Top − catchEnd.
struct Surface {
    ImageRef image;
    Twips leftMargin;
    Twips rightMargin;
    Twips catchEnd;
    bool isEnemy;
};

constexpr std::array<Surface, 4> kSurfaces{{
    {play::Log, 100, 0, 0, false},
    {play::Log2, 100, 0, 0, false},
    {play::Hill1, 100, 0, 160, false},
    {play::Enemy1, 50, 40, 160, true},
}};
// A landing stands the hero facing the way it faced.
constexpr std::array<std::string_view, 2> kWays{way::kRight, way::kLeft};
static_assert(pose::kStand.right == way::kRight && pose::kStand.left == way::kLeft);

constexpr Twips kCatchDepth = 350;

constexpr std::array<ImageRef, 3> kPlatforms{play::Log, play::Log2, play::Hill1};
constexpr Twips kPlatformHigh = 500;  // the support window above a platform
constexpr Twips kPlatformLow = 370;
constexpr Twips kPlatformSide = 100;

constexpr std::array<ImageRef, 2> kLadders{play::Ladder, play::Ladder2};
constexpr Twips kLadderLeftReach = 150;
constexpr Twips kLadderRightReach = 200;
constexpr Twips kLadderFoot = 250;  // a climber this near the ground is off it

struct Hero {
    Hero(Game& game, const PlayField& field)
        : field(field), vars(game.vars()), you(field[play::You]), jump(field[play::Jump]) {}

    const PlayField& field;
    PlayState& vars;
    Image& you;
    Timer& jump;
};

bool caught(const Hero& hero, const Image& s, const Surface& surface,
            const std::string& way, std::string_view facing) {
    if (!(hero.jump.enabled() && hero.vars.JumpStep > geometry::kTopOfArc)) return false;
    const Image& you = hero.you;
    if (!(s.left - surface.leftMargin < you.left &&
          you.left < s.left + s.width() - surface.rightMargin))
        return false;
    if (!(s.top - kCatchDepth < you.top && you.top < s.top - surface.catchEnd)) return false;
    return way == facing;
}

// A landing ends the jump, so the first surface that catches the hero wins.
void landingPhase(Game& game, const Hero& hero) {
    if (!hero.jump.enabled()) return;  // no check can pass; spares a standing hero the tests
    const std::string& way = hero.field[play::Way].caption;
    for (const Surface& surface : kSurfaces) {
        const Image& s = hero.field[surface.image];
        for (std::string_view facing : kWays) {
            if (!caught(hero, s, surface, way, facing)) continue;
            game[gx::Pos].caption = facing;
            hero.you.top = s.top - geometry::kStanding - hero.vars.HeightOffset;
            hero.jump.setEnabled(false);
            hero.vars.JumpStep = 0;
            if (surface.isEnemy) hero.vars.OnEnemy = 1;
        }
    }
}

bool supported(const Hero& hero) {
    const Image& you = hero.you;
    const Twips groundTop = hero.field[play::Ground].top;
    bool held = false;
    if (you.top > groundTop - geometry::kGroundLevel) held = true;
    if (hero.vars.OnEnemy == 1) held = true;
    for (ImageRef platform : kPlatforms) {
        const Image& s = hero.field[platform];
        if (s.top - kPlatformHigh < you.top && you.top < s.top - kPlatformLow &&
            s.left - kPlatformSide < you.left && you.left < s.left + s.width())
            held = true;
    }
    // A ladder holds only its climber, and only by its Left.
    if (hero.vars.ClimbStep > 0) {
        for (ImageRef ladder : kLadders) {
            const Twips left = hero.field[ladder].left;
            if (left - kLadderLeftReach < you.left && you.left < left + kLadderRightReach &&
                you.top < groundTop - kLadderFoot)
                held = true;
        }
    }
    if (hero.jump.enabled()) held = true;
    return held;
}

}  // namespace

void detectionTick(Game& game) {
    const PlayField field(game);
    const Hero hero(game, field);
    landingPhase(game, hero);
    if (supported(hero)) return;
    // Nothing holds the hero: the jump timer takes it down from its
    // descending half.
    hero::startFall(game);
}

}  // namespace tt::world
