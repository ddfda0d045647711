// Walking steps: three walk ticks, 150 twips on the first and 80 on the
// third, with the poses of the step.

#include <gtest/gtest.h>

#include "hero/hero_handlers.h"
#include "tests/core/game_fixture.h"

namespace tt::testing {
namespace {

// At a 20 ms clock the walk timers (20 ms at speed 1) tick on every clock
// tick, so a walk tick is a clock tick.
class WalkTest : public PlayTest {
protected:
    WalkTest() : PlayTest(20) {}
};

TEST_F(WalkTest, StepTickByTick) {
    play("Ember");
    place(1000, 1640);
    key(kRightArrow);
    game.tick();
    EXPECT_EQ(you().left, 1150);
    EXPECT_EQ(pos(), "WalkRight");
    EXPECT_EQ(vars().WalkStep, 1);
    game.tick();
    EXPECT_EQ(you().left, 1150);
    EXPECT_EQ(pos(), "WalkRight");
    EXPECT_EQ(vars().WalkStep, 2);
    game.tick();
    EXPECT_EQ(you().left, 1230);
    EXPECT_EQ(pos(), "Right");
    EXPECT_EQ(way(), "Right");
    EXPECT_EQ(vars().WalkStep, 0);
    EXPECT_FALSE(timer(play::WalkRight).enabled());
    ticks(3);
    EXPECT_EQ(you().left, 1230) << "one press, one step";
}

TEST_F(WalkTest, PosesOfAStepEmptyHandedAndCarrying) {
    struct Case {
        void (*tick)(Game&);
        Int16 holding;
        const char* walking;
        const char* standing;
        const char* way;
        Twips endLeft;
    };
    const Case cases[] = {
        {hero::walkRightTick, 0, "WalkRight", "Right", "Right", 1230},
        {hero::walkRightTick, 1, "HoldMoveRight", "HoldRight", "Right", 1230},
        {hero::walkLeftTick, 0, "WalkLeft", "Left", "Left", 770},
        {hero::walkLeftTick, 1, "HoldMoveLeft", "HoldLeft", "Left", 770},
    };
    play("Ember");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.walking);
        place(1000, 1640);
        vars().Holding = c.holding;
        way() = c.way == std::string("Right") ? "Left" : "Right";
        c.tick(game);
        EXPECT_EQ(pos(), c.walking);
        EXPECT_EQ(way(), c.way);
        c.tick(game);
        c.tick(game);
        EXPECT_EQ(pos(), c.standing);
        EXPECT_EQ(you().left, c.endLeft);
    }
}

TEST_F(WalkTest, StepToTheLeftStopsAtTheWall) {
    play("Ember");
    place(400, 1640);
    key(kLeftArrow);
    ticks(4);
    EXPECT_FALSE(timer(play::WalkLeft).enabled());
    EXPECT_EQ(you().left, 300);
}

TEST_F(WalkTest, WaitsWhileAPullRuns) {
    play("Ember");
    place(1000, 1640);
    timer(play::WalkRight).setEnabled(true);
    timer(play::Pick).setEnabled(true);
    vars().OnEnemy = 1;
    hero::walkRightTick(game);
    EXPECT_EQ(you().left, 1000);
    EXPECT_EQ(vars().WalkStep, 0);
    EXPECT_EQ(vars().OnEnemy, 1);
    EXPECT_TRUE(timer(play::WalkRight).enabled());
    timer(play::Pick).setEnabled(false);
    hero::walkRightTick(game);
    EXPECT_EQ(you().left, 1150);
}

TEST_F(WalkTest, SteersInTheAirKeepingTheJumpPose) {
    play("Ember");
    place(1000, 1000);
    pos() = "JumpRight";
    timer(play::Jump).setEnabled(true);
    for (int tick = 0; tick < 3; ++tick) hero::walkRightTick(game);
    EXPECT_EQ(you().left, 1230);
    EXPECT_EQ(pos(), "JumpRight");
    EXPECT_FALSE(timer(play::WalkRight).enabled());
}

TEST_F(WalkTest, ClimberStepsOffByFalling) {
    play("Ember");
    place(2520, 1000);
    vars().ClimbStep = 2;
    pos() = "LadderPos2";
    hero::walkLeftTick(game);
    EXPECT_EQ(pos(), "WalkLeft") << "the pose is written before the fall starts";
    EXPECT_EQ(vars().ClimbStep, 0);
    EXPECT_EQ(vars().JumpStep, 11);
    EXPECT_TRUE(timer(play::Jump).enabled());
    hero::walkLeftTick(game);
    hero::walkLeftTick(game);
    EXPECT_EQ(pos(), "WalkLeft") << "still falling: no standing pose";
}

TEST_F(WalkTest, StepTakesTheHeroOffTheEnemy) {
    play("Ember");
    vars().OnEnemy = 1;
    hero::walkRightTick(game);
    EXPECT_EQ(vars().OnEnemy, 0);
}

// One counter for both directions: the timer that brings it to the end of a
// step ends that step, and the other goes on from the start of a new one.
TEST_F(WalkTest, BothDirectionsShareOneStepCount) {
    play("Ember");
    place(1000, 1640);
    key(kRightArrow);
    key(kLeftArrow);
    game.tick();  // right: +150; left: second tick of the step, no move
    EXPECT_EQ(you().left, 1150);
    EXPECT_EQ(vars().WalkStep, 2);
    game.tick();  // right ends its step (+80); left starts one (-150)
    EXPECT_FALSE(timer(play::WalkRight).enabled());
    EXPECT_EQ(you().left, 1080);
    ticks(2);
    EXPECT_FALSE(timer(play::WalkLeft).enabled());
    EXPECT_EQ(you().left, 1000);
}

}  // namespace
}  // namespace tt::testing
