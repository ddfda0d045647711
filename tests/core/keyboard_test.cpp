// The play field's keys: the timers they start, the climbing steps and
// what Space starts.

#include <gtest/gtest.h>

#include "hero/hero_handlers.h"
#include "tests/core/game_fixture.h"

namespace tt::testing {
namespace {

class KeyboardTest : public PlayTest {};

TEST_F(KeyboardTest, ArrowsAndZStartTheirTimers) {
    struct Case {
        std::int16_t code;
        TimerRef timer;
    };
    const Case cases[] = {{kLeftArrow, play::WalkLeft}, {kRightArrow, play::WalkRight},
                          {kZ, play::Jump}};
    play("Ember");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        key(c.code);
        EXPECT_TRUE(timer(c.timer).enabled());
        timer(c.timer).setEnabled(false);
    }
}

TEST_F(KeyboardTest, OtherKeysDoNothing) {
    play("Ember");
    place(360, 1630);
    for (std::int16_t code : {0, 13, 33, 41, 65, 122, -1}) key(code);
    EXPECT_FALSE(timer(play::WalkLeft).enabled());
    EXPECT_FALSE(timer(play::WalkRight).enabled());
    EXPECT_FALSE(timer(play::Jump).enabled());
    EXPECT_EQ(you().top, 1630);
    EXPECT_EQ(vars().ClimbStep, 0);
}

TEST_F(KeyboardTest, UpClimbsTheVineWithAlternatingFrames) {
    play("Ember");  // starts in front of the vine, at Top 1630
    vars().JumpStep = 5;
    timer(play::Jump).setEnabled(true);
    key(kUpArrow);
    EXPECT_EQ(vars().ClimbStep, 1);
    EXPECT_EQ(pos(), "LadderPos1");
    EXPECT_EQ(you().top, 1530);
    EXPECT_FALSE(timer(play::Jump).enabled()) << "catching hold stops a jump";
    EXPECT_EQ(vars().JumpStep, 5);
    key(kUpArrow);
    EXPECT_EQ(vars().ClimbStep, 2);
    EXPECT_EQ(pos(), "LadderPos2");
    EXPECT_EQ(you().top, 1430);
    key(kUpArrow);
    EXPECT_EQ(vars().ClimbStep, 1);
    EXPECT_EQ(pos(), "LadderPos1");
}

// Up needs Top at or below both ladders' tops (120 for Ladder) and the hero
// strictly within 200 of either ladder's Left.
TEST_F(KeyboardTest, UpOnlyWithinReachOfALadder) {
    struct Case {
        Twips left;
        Twips top;
        bool steps;
    };
    const Case cases[] = {
        {360, 130, true},   {360, 120, true},  {360, 30, false},  {2520, 119, false},
        {160, 1000, false}, {161, 1000, true}, {559, 1000, true}, {560, 1000, false},
        {2320, 1000, false}, {2321, 1000, true}, {2719, 1000, true}, {2720, 1000, false},
        {1500, 1000, false},
    };
    play("Ember");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.left) + ", " + std::to_string(c.top));
        place(c.left, c.top);
        key(kUpArrow);
        EXPECT_EQ(you().top, c.steps ? c.top - 100 : c.top);
    }
}

TEST_F(KeyboardTest, ClimbLadderUpUsesTheLadderAlone) {
    struct Case {
        Twips left;
        Twips top;
        bool steps;
    };
    const Case cases[] = {
        {2520, 1640, true}, {2520, 120, true}, {2520, 119, false},
        {2321, 800, true},  {2720, 800, false}, {360, 1630, false},  // the vine does not count
    };
    play("Ember");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.left) + ", " + std::to_string(c.top));
        place(c.left, c.top);
        vars().ClimbStep = 0;
        timer(play::Jump).setEnabled(true);
        hero::climbLadderUp(game);
        EXPECT_EQ(you().top, c.steps ? c.top - 100 : c.top);
        EXPECT_EQ(vars().ClimbStep, c.steps ? 1 : 0);
        EXPECT_EQ(timer(play::Jump).enabled(), !c.steps);
    }
}

TEST_F(KeyboardTest, DownAtGroundLevelStandsTheHeroFacingItsWay) {
    play("Ember");
    for (const char* facing : {"Right", "Left"}) {
        SCOPED_TRACE(facing);
        place(1000, 1541);
        way() = facing;
        pos() = "LadderPos2";
        vars().ClimbStep = 2;
        timer(play::Jump).setEnabled(true);
        key(kDownArrow);
        EXPECT_EQ(pos(), facing);
        EXPECT_EQ(vars().ClimbStep, 0);
        EXPECT_EQ(you().top, 1541);
        EXPECT_FALSE(timer(play::Jump).enabled());
    }
}

// Above ground level Down is a climb step down anywhere, ladder or not;
// away from a ladder the detection then starts a fall.
TEST_F(KeyboardTest, DownAboveGroundLevelStepsDownAnywhere) {
    play("Ember");
    place(1600, 1540);  // exactly Ground.Top − 500: not ground level
    key(kDownArrow);
    EXPECT_EQ(you().top, 1640);
    EXPECT_EQ(vars().ClimbStep, 1);
    EXPECT_EQ(pos(), "LadderPos1");

    place(1600, 900);
    vars().JumpStep = 13;
    timer(play::Jump).setEnabled(true);
    key(kDownArrow);
    EXPECT_EQ(you().top, 1000);
    EXPECT_EQ(vars().ClimbStep, 2);
    EXPECT_FALSE(timer(play::Jump).enabled());
    game.tick();
    EXPECT_EQ(vars().ClimbStep, 0);
    EXPECT_EQ(vars().JumpStep, 11);
    EXPECT_TRUE(timer(play::Jump).enabled());
}

// Up and down the vine with the clock running: the vine holds the climber
// up to its limit, and Down at the foot stands the hero on the ground.
TEST_F(KeyboardTest, ClimbsTheVineToTheTopAndBackDown) {
    play("Ember");
    for (int press = 0; press < 20; ++press) {
        key(kUpArrow);
        ticks(2);
    }
    EXPECT_EQ(you().top, 30);
    EXPECT_FALSE(timer(play::Jump).enabled());
    for (int press = 0; press < 16; ++press) {
        key(kDownArrow);
        ticks(2);
    }
    EXPECT_EQ(you().top, 1630);
    EXPECT_GT(vars().ClimbStep, 0);
    key(kDownArrow);
    ticks(2);
    EXPECT_EQ(vars().ClimbStep, 0);
    EXPECT_EQ(pos(), "Right");
    EXPECT_EQ(you().top, 1630);
    EXPECT_FALSE(timer(play::Jump).enabled());
}

// Arrows during a climb start a walk that drops the hero off the ladder;
// arrows during a pull wait for it.
TEST_F(KeyboardTest, ArrowsWhileClimbingAndWhilePulling) {
    play("Ember");
    for (int press = 0; press < 3; ++press) key(kUpArrow);
    key(kRightArrow);
    ticks(2);  // the first walk tick at the 16 ms clock
    EXPECT_EQ(vars().ClimbStep, 0);
    EXPECT_TRUE(timer(play::Jump).enabled());
    EXPECT_EQ(you().left, 510);

    place(1000, 1640);
    vars().JumpStep = 0;
    timer(play::Jump).setEnabled(false);
    timer(play::Pick).setEnabled(true);
    key(kLeftArrow);
    ticks(6);
    EXPECT_EQ(you().left, 1000);
    EXPECT_TRUE(timer(play::WalkLeft).enabled());
}

class SpaceTest : public PlayTest {
protected:
    void SetUp() override {
        play("Ember");
        place(1600, 1640);  // away from every plant
    }
};

TEST_F(SpaceTest, DoesNothingWhileAThrowOrAPullRuns) {
    vars().Holding = 1;
    vars().OnEnemy = 1;
    for (bool throwing : {true, false}) {
        SCOPED_TRACE(throwing ? "throwing" : "pulling");
        timer(play::Throw).setEnabled(throwing);
        timer(play::Pick).setEnabled(!throwing);
        key(kSpace);
        EXPECT_EQ(vars().EnemyLift, 0);
        EXPECT_EQ(timer(play::Throw).enabled(), throwing);
        EXPECT_EQ(timer(play::Pick).enabled(), !throwing);
    }
}

TEST_F(SpaceTest, OnTheEnemyLiftsItAndStillThrowsAHeldVegetable) {
    vars().OnEnemy = 1;
    vars().Holding = 1;
    vars().PickStep = 7;
    vars().ThrowEnemyWay = "Left";
    key(kSpace);
    EXPECT_EQ(vars().PickStep, 0);
    EXPECT_EQ(vars().ThrowEnemyWay, "");
    EXPECT_EQ(vars().EnemyLift, 1);
    EXPECT_TRUE(timer(play::Pick).enabled());
    EXPECT_TRUE(timer(play::Throw).enabled());
}

TEST_F(SpaceTest, ThrowsWhatIsCarriedInsteadOfPulling) {
    place(2400, 1640);  // in reach of Plant1
    vars().Holding = 1;
    key(kSpace);
    EXPECT_TRUE(timer(play::Throw).enabled());
    EXPECT_FALSE(timer(play::Pick).enabled());
    EXPECT_FALSE(vars().PulledPlant.has_value());

    vars().Holding = 0;
    vars().EnemyHeld = 1;
    timer(play::Throw).setEnabled(false);
    key(kSpace);
    EXPECT_TRUE(timer(play::ThrowEn1).enabled());
    EXPECT_FALSE(timer(play::Pick).enabled());
}

// A running enemy throw does not block Space.
TEST_F(SpaceTest, EnemyThrowDoesNotBlockAPull) {
    place(2400, 1640);
    timer(play::ThrowEn1).setEnabled(true);
    key(kSpace);
    EXPECT_TRUE(timer(play::Pick).enabled());
}

TEST_F(SpaceTest, PullsThePlantInReach) {
    struct Case {
        Twips left;
        Twips top;
        int plant;  // 0: none
    };
    const Case cases[] = {
        {2400, 1640, 1}, {2301, 1640, 1}, {2499, 1640, 1}, {2300, 1640, 0}, {2500, 1640, 0},
        {2160, 1640, 2}, {2061, 1640, 2}, {2260, 1640, 0}, {2640, 1640, 3}, {2739, 1640, 3},
        {2740, 1640, 0}, {2400, 1521, 1}, {2400, 1520, 0}, {2400, 1799, 1}, {2400, 1800, 0},
        {1600, 1640, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.left) + ", " + std::to_string(c.top));
        place(c.left, c.top);
        vars().PickedPlant.reset();
        vars().PulledPlant.reset();
        timer(play::Pick).setEnabled(false);
        key(kSpace);
        EXPECT_EQ(timer(play::Pick).enabled(), c.plant != 0);
        if (c.plant == 0) {
            EXPECT_FALSE(vars().PulledPlant.has_value());
            continue;
        }
        EXPECT_EQ(vars().PickedPlant, 1);
        EXPECT_EQ(vars().PulledPlant, c.plant);
    }
}

TEST_F(SpaceTest, PulledPlantIsOutOfReach) {
    game[play::Plant1].left = -1000;
    place(2400, 1640);
    key(kSpace);
    EXPECT_FALSE(timer(play::Pick).enabled());
}

}  // namespace
}  // namespace tt::testing
