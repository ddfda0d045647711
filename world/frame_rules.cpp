// The rules that hold the scene together on every frame, in this order:
// each reads what the earlier ones of the same frame have just written.

#include <array>

#include "anim/sprite_bank_layout.h"
#include "dialogs/settings_layout.h"
#include "level/play_layout.h"
#include "shell/game.h"
#include "world/world_handlers.h"

namespace tt::world {
namespace {

constexpr Twips kSpeechAbove = 250;
constexpr Twips kSpeechLeft = 250;
constexpr Twips kLeftWall = 300;
constexpr Twips kRightWallInset = 500;  // from the play field's outer width
constexpr int kMillisecondsPerSpeedStep = 20;
constexpr int kJumpInterval = 1;
constexpr int kLoadedJumpInterval = 8;  // a vegetable slows the jump
constexpr Twips kStanding = 400;
constexpr Twips kCarriedVegetableRight = 10;
constexpr Twips kCarriedVegetableAbove = 100;
constexpr Twips kCarriedEnemyAbove = 200;

constexpr std::array<TimerRef, 6> kPacedTimers{play::En1,   play::En1Fall,   play::Pick,
                                               play::Throw, play::WalkRight, play::WalkLeft};

void speechLabels(Game& game) {
    const Image& you = game[play::You];
    Label& youSay = game[play::YouSay];
    youSay.top = you.top - kSpeechAbove;
    youSay.left = you.left - kSpeechLeft;
    const Image& them = game[play::Them];
    Label& theySay = game[play::TheySay];
    theySay.top = them.top - kSpeechAbove;
    theySay.left = them.left - kSpeechLeft;
}

void walls(Game& game) {
    Image& you = game[play::You];
    if (you.left < kLeftWall) you.left = kLeftWall;
    const Twips rightWall = game.outerWidth(FormId::Play) - kRightWallInset;
    if (you.left > rightWall) you.left = rightWall;
}

// The speed bar is read afresh for each timer; naming it loads the settings
// window, hidden, on the first frame.
void gameSpeed(Game& game) {
    for (TimerRef timer : kPacedTimers)
        game[timer].setInterval(kMillisecondsPerSpeedStep * game[settings::SpeedBar].value);
}

// Only the plain standing poses ride along.
void riding(Game& game) {
    const PlayState& vars = game.vars();
    for (const char* standing : {"Right", "Left"}) {
        if (game[gx::Pos].caption != standing || vars.OnEnemy != 1) continue;
        Image& you = game[play::You];
        you.left = game[play::Enemy1].left;
        you.top = game[play::Enemy1].top - kStanding - vars.HeightOffset;
    }
}

void carrying(Game& game) {
    const PlayState& vars = game.vars();
    if (vars.Holding == 0) game[play::Jump].setInterval(kJumpInterval);
    if (vars.Holding != 1) return;
    game[play::Jump].setInterval(kLoadedJumpInterval);
    std::string& pos = game[gx::Pos].caption;
    if (pos == "Left") pos = "HoldLeft";
    if (pos == "Right") pos = "HoldRight";
    const Image& you = game[play::You];
    Image& vegetable = game[play::Object];
    vegetable.left = you.left + kCarriedVegetableRight;
    vegetable.top = you.top - kCarriedVegetableAbove;
}

// In the air the pose turns to the way the hero faces.
void jumpFacing(Game& game) {
    std::string& pos = game[gx::Pos].caption;
    const std::string& way = game[play::Way].caption;
    if (pos == "JumpRight" && way == "Left") pos = "JumpLeft";
    if (pos == "JumpLeft" && way == "Right") pos = "JumpRight";
}

void carriedEnemy(Game& game) {
    if (game.vars().EnemyHeld != 1) return;
    const Image& you = game[play::You];
    Image& enemy = game[play::Enemy1];
    enemy.top = you.top - kCarriedEnemyAbove;
    enemy.left = you.left;
}

struct Facing {
    const char* pose;
    const char* way;
};
constexpr std::array<Facing, 6> kFacings{{
    {"Right", "Right"},
    {"Left", "Left"},
    {"WalkRight", "Right"},
    {"WalkLeft", "Left"},
    {"JumpRight", "Right"},
    {"JumpLeft", "Left"},
}};

// Standing, walking and jumping poses say which way the hero faces; the
// others leave Way as it was.
void directionFromPose(Game& game) {
    for (const Facing& facing : kFacings)
        if (game[gx::Pos].caption == facing.pose) game[play::Way].caption = facing.way;
}

}  // namespace

void frameRulesTick(Game& game) {
    game[play::Them].setPicture(game[gx::FennelLeft].picture());
    speechLabels(game);
    walls(game);
    gameSpeed(game);
    riding(game);
    carrying(game);
    jumpFacing(game);
    carriedEnemy(game);
    directionFromPose(game);
}

}  // namespace tt::world
