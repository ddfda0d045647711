// Every tick: first catch a descending hero on a log, the hill or the enemy,
// then look for anything that holds the hero up, and start a fall if
// nothing does. Every bound is strict: a hero exactly on one is outside.

#include <array>

#include "anim/sprite_bank_layout.h"
#include "level/play_layout.h"
#include "shell/game.h"
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
constexpr std::array<const char*, 2> kWays{"Right", "Left"};

constexpr Int16 kTopOfArc = 10;
constexpr Twips kCatchDepth = 350;
constexpr Twips kStanding = 400;  // above a surface's top, less HeightOffset

constexpr std::array<ImageRef, 3> kPlatforms{play::Log, play::Log2, play::Hill1};
constexpr Twips kPlatformHigh = 500;  // the support window above a platform
constexpr Twips kPlatformLow = 370;
constexpr Twips kPlatformSide = 100;
constexpr Twips kGroundLevel = 500;

constexpr std::array<ImageRef, 2> kLadders{play::Ladder, play::Ladder2};
constexpr Twips kLadderLeftReach = 150;
constexpr Twips kLadderRightReach = 200;
constexpr Twips kLadderFoot = 250;  // a climber this near the ground is off it

bool descending(Game& game) {
    return game[play::Jump].enabled() && game.vars().JumpStep > kTopOfArc;
}

bool caught(Game& game, const Surface& surface, const char* way) {
    if (!descending(game)) return false;
    const Image& you = game[play::You];
    const Image& s = game[surface.image];
    if (!(s.left - surface.leftMargin < you.left &&
          you.left < s.left + s.width() - surface.rightMargin))
        return false;
    if (!(s.top - kCatchDepth < you.top && you.top < s.top - surface.catchEnd)) return false;
    return game[play::Way].caption == way;
}

void land(Game& game, const Surface& surface, const char* way) {
    PlayState& vars = game.vars();
    game[gx::Pos].caption = way;
    game[play::You].top = game[surface.image].top - kStanding - vars.HeightOffset;
    game[play::Jump].setEnabled(false);
    vars.JumpStep = 0;
    if (surface.isEnemy) vars.OnEnemy = 1;
}

// A landing ends the jump, so the first surface that catches the hero wins.
void landingPhase(Game& game) {
    for (const Surface& surface : kSurfaces)
        for (const char* way : kWays)
            if (caught(game, surface, way)) land(game, surface, way);
}

bool supported(Game& game) {
    const PlayState& vars = game.vars();
    const Image& you = game[play::You];
    bool held = false;
    if (you.top > game[play::Ground].top - kGroundLevel) held = true;
    if (vars.OnEnemy == 1) held = true;
    for (ImageRef platform : kPlatforms) {
        const Image& s = game[platform];
        if (s.top - kPlatformHigh < you.top && you.top < s.top - kPlatformLow &&
            s.left - kPlatformSide < you.left && you.left < s.left + s.width())
            held = true;
    }
    // A ladder holds only its climber, and only by its Left.
    if (vars.ClimbStep > 0) {
        for (ImageRef ladder : kLadders) {
            const Twips left = game[ladder].left;
            if (left - kLadderLeftReach < you.left && you.left < left + kLadderRightReach &&
                you.top < game[play::Ground].top - kLadderFoot)
                held = true;
        }
    }
    if (game[play::Jump].enabled()) held = true;
    return held;
}

// Nothing holds the hero: the jump timer takes it down from its
// descending half.
void startFall(Game& game) {
    PlayState& vars = game.vars();
    vars.ClimbStep = 0;
    vars.JumpStep = 11;
    game[play::Jump].setEnabled(true);
}

}  // namespace

void detectionTick(Game& game) {
    landingPhase(game);
    if (!supported(game)) startFall(game);
}

}  // namespace tt::world
