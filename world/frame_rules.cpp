// The rules that hold the scene together on every frame, in this order:
// each reads what the earlier ones of the same frame have just written.

#include <array>
#include <string_view>

#include "anim/sprite_bank_layout.h"
#include "dialogs/settings_layout.h"
#include "level/field_geometry.h"
#include "level/play_layout.h"
#include "shell/game.h"
#include "shell/play_field.h"
#include "shell/words.h"
#include "world/world_handlers.h"

namespace tt::world {
namespace {

constexpr Twips kSpeechAbove = 250;
constexpr Twips kSpeechLeft = 250;
constexpr int kMillisecondsPerSpeedStep = 20;
constexpr int kJumpInterval = 1;
constexpr int kLoadedJumpInterval = 8;  // a vegetable slows the jump
constexpr Twips kCarriedVegetableRight = 10;
constexpr Twips kCarriedVegetableAbove = 100;
constexpr Twips kCarriedEnemyAbove = 200;

constexpr std::array<TimerRef, 6> kPacedTimers{play::En1,   play::En1Fall,   play::Pick,
                                               play::Throw, play::WalkRight, play::WalkLeft};

struct PoseWay {
    std::string_view pose;
    std::string_view way;
};
constexpr std::array<PoseWay, 6> kFacings{{
    {pose::kStand.right, way::kRight},
    {pose::kStand.left, way::kLeft},
    {pose::kWalk.right, way::kRight},
    {pose::kWalk.left, way::kLeft},
    {pose::kJump.right, way::kRight},
    {pose::kJump.left, way::kLeft},
}};

// What a frame works on, looked up once.
struct Scene {
    Scene(Game& game, const PlayField& field)
        : field(field),
          vars(game.vars()),
          you(field[play::You]),
          enemy(field[play::Enemy1]),
          pos(game[gx::Pos].caption),
          way(field[play::Way].caption) {}

    const PlayField& field;
    const PlayState& vars;
    Image& you;
    Image& enemy;
    std::string& pos;
    std::string& way;
};

void speechLabels(const Scene& scene) {
    Label& youSay = scene.field[play::YouSay];
    youSay.top = scene.you.top - kSpeechAbove;
    youSay.left = scene.you.left - kSpeechLeft;
    const Image& them = scene.field[play::Them];
    Label& theySay = scene.field[play::TheySay];
    theySay.top = them.top - kSpeechAbove;
    theySay.left = them.left - kSpeechLeft;
}

void walls(Game& game, const Scene& scene) {
    if (scene.you.left < geometry::kLeftWall) scene.you.left = geometry::kLeftWall;
    const Twips rightWall = game.outerWidth(FormId::Play) - geometry::kRightWallInset;
    if (scene.you.left > rightWall) scene.you.left = rightWall;
}

// Assigning a timer the interval it has changes nothing; skipping the call
// keeps the frame cheap.
void pace(Timer& timer, int interval) {
    if (timer.interval() != interval) timer.setInterval(interval);
}

// Naming the speed bar loads the settings window, hidden, on the first
// frame. Its value is read again for each timer.
void gameSpeed(Game& game, const PlayField& field) {
    const HScrollBar& speed = game[settings::SpeedBar];
    for (TimerRef timer : kPacedTimers)
        pace(field[timer], kMillisecondsPerSpeedStep * speed.value);
}

// Only the plain standing poses ride along.
void riding(const Scene& scene) {
    for (std::string_view standing : {pose::kStand.right, pose::kStand.left}) {
        if (scene.pos != standing || scene.vars.OnEnemy != 1) continue;
        scene.you.left = scene.enemy.left;
        scene.you.top = scene.enemy.top - geometry::kStanding - scene.vars.HeightOffset;
    }
}

void carrying(const Scene& scene) {
    Timer& jump = scene.field[play::Jump];
    if (scene.vars.Holding == 0) pace(jump, kJumpInterval);
    if (scene.vars.Holding != 1) return;
    pace(jump, kLoadedJumpInterval);
    if (scene.pos == pose::kStand.left) scene.pos = pose::kHold.left;
    if (scene.pos == pose::kStand.right) scene.pos = pose::kHold.right;
    Image& vegetable = scene.field[play::Object];
    vegetable.left = scene.you.left + kCarriedVegetableRight;
    vegetable.top = scene.you.top - kCarriedVegetableAbove;
}

// In the air the pose turns to the way the hero faces.
void jumpFacing(const Scene& scene) {
    if (scene.pos == pose::kJump.right && scene.way == way::kLeft) scene.pos = pose::kJump.left;
    if (scene.pos == pose::kJump.left && scene.way == way::kRight) scene.pos = pose::kJump.right;
}

void carriedEnemy(const Scene& scene) {
    if (scene.vars.EnemyHeld != 1) return;
    scene.enemy.top = scene.you.top - kCarriedEnemyAbove;
    scene.enemy.left = scene.you.left;
}

// Standing, walking and jumping poses say which way the hero faces; the
// others leave Way as it was.
void directionFromPose(const Scene& scene) {
    for (const PoseWay& facing : kFacings)
        if (scene.pos == facing.pose) scene.way = facing.way;
}

}  // namespace

void frameRulesTick(Game& game) {
    const PlayField field(game);
    const Scene scene(game, field);
    field[play::Them].setPicture(game[gx::FennelLeft].picture());
    speechLabels(scene);
    walls(game, scene);
    gameSpeed(game, field);
    riding(scene);
    carrying(scene);
    jumpFacing(scene);
    carriedEnemy(scene);
    directionFromPose(scene);
}

}  // namespace tt::world
