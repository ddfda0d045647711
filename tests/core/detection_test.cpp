// Landings on the logs, the hill and the enemy, and what holds the hero up.

#include <gtest/gtest.h>

#include <string>

#include "tests/core/game_fixture.h"
#include "world/world_handlers.h"

namespace tt::testing {
namespace {

class DetectionTest : public PlayTest {
protected:
    void SetUp() override { play("Ember"); }

    void descend(Twips left, Twips top, const char* facing = "Right") {
        place(left, top);
        way() = facing;
        pos() = facing == std::string("Right") ? "JumpRight" : "JumpLeft";
        vars().JumpStep = 14;
        vars().OnEnemy = 0;
        timer(play::Jump).setEnabled(true);
    }
    void stand(Twips left, Twips top, Int16 climbStep = 0) {
        place(left, top);
        vars().JumpStep = 0;
        vars().ClimbStep = climbStep;
        vars().OnEnemy = 0;
        timer(play::Jump).setEnabled(false);
    }
    bool fell() const {
        return game.vars().JumpStep == 11 && game.vars().ClimbStep == 0;
    }
};

// Enemy1 stays at its layout place, Left 3120, Top 600, 240 wide.
TEST_F(DetectionTest, CatchWindowsAreStrict) {
    struct Case {
        Twips left;
        Twips top;
        Twips landed;  // 0: not caught
        Int16 onEnemy;
    };
    const Case cases[] = {
        // Log: 1820 < Left < 2880, 850 < Top < 1200
        {2000, 851, 800, 0}, {2000, 1199, 800, 0}, {2000, 850, 0, 0}, {2000, 1200, 0, 0},
        {1821, 1000, 800, 0}, {2879, 1000, 800, 0}, {1820, 1000, 0, 0}, {2880, 1000, 0, 0},
        // Log2: 380 < Left < 1440, 490 < Top < 840
        {1000, 491, 440, 0}, {1000, 839, 440, 0}, {1000, 490, 0, 0}, {1000, 840, 0, 0},
        {381, 600, 440, 0}, {1439, 600, 440, 0}, {380, 600, 0, 0}, {1440, 600, 0, 0},
        // Hill1: 2780 < Left < 3600, 490 < Top < 680; its top 160 is a dead band
        {3000, 491, 440, 0}, {3000, 679, 440, 0}, {3000, 680, 0, 0}, {3000, 800, 0, 0},
        {2781, 600, 440, 0}, {3599, 600, 440, 0}, {3600, 600, 0, 0},
        // Enemy1: 3070 < Left < 3320, 250 < Top < 440
        {3100, 251, 200, 1}, {3100, 439, 200, 1}, {3100, 250, 0, 0}, {3100, 440, 0, 0},
        {3071, 300, 200, 1}, {3319, 300, 200, 1}, {3070, 300, 0, 0}, {3320, 300, 0, 0},
    };
    for (const Case& c : cases) {
        for (const char* facing : {"Right", "Left"}) {
            SCOPED_TRACE(std::to_string(c.left) + ", " + std::to_string(c.top) + " " + facing);
            descend(c.left, c.top, facing);
            world::detectionTick(game);
            if (c.landed == 0) {
                EXPECT_EQ(you().top, c.top);
                EXPECT_TRUE(timer(play::Jump).enabled());
                EXPECT_EQ(vars().JumpStep, 14);
                continue;
            }
            EXPECT_EQ(you().top, c.landed);
            EXPECT_EQ(pos(), facing);
            EXPECT_FALSE(timer(play::Jump).enabled());
            EXPECT_EQ(vars().JumpStep, 0);
            EXPECT_EQ(vars().OnEnemy, c.onEnemy);
        }
    }
}

TEST_F(DetectionTest, LandingLeavesRoomForTheCharactersHeight) {
    vars().HeightOffset = 60;
    descend(2000, 1000, "Left");
    world::detectionTick(game);
    EXPECT_EQ(you().top, 740);
    EXPECT_EQ(pos(), "Left");
}

TEST_F(DetectionTest, RisingHeroIsNotCaught) {
    for (Int16 step : {1, 9, 10}) {
        SCOPED_TRACE(step);
        descend(2000, 1000);
        vars().JumpStep = step;
        world::detectionTick(game);
        EXPECT_EQ(you().top, 1000);
        EXPECT_TRUE(timer(play::Jump).enabled());
        EXPECT_EQ(vars().JumpStep, step);
    }
}

TEST_F(DetectionTest, LogWinsOverTheEnemy) {
    game[play::Enemy1].left = 2000;
    game[play::Enemy1].top = 1250;  // catches from 900 to 1090
    descend(2000, 1000);
    world::detectionTick(game);
    EXPECT_EQ(you().top, 800);
    EXPECT_EQ(vars().OnEnemy, 0);
}

TEST_F(DetectionTest, SupportWindows) {
    struct Case {
        Twips left;
        Twips top;
        Int16 climbStep;
        bool held;
    };
    const Case cases[] = {
        // the ground holds a Top below 1540 anywhere
        {1600, 1541, 0, true}, {1600, 1640, 0, true}, {1600, 1540, 0, false},
        // Log: 700 < Top < 830, 1820 < Left < 2880
        {2000, 701, 0, true}, {2000, 829, 0, true}, {2000, 700, 0, false}, {2000, 830, 0, false},
        {1821, 800, 0, true}, {2879, 800, 0, true}, {1820, 800, 0, false}, {2880, 800, 0, false},
        // Log2 and Hill1 hold from 340 to 470
        {1000, 440, 0, true}, {1439, 440, 0, true}, {1440, 440, 0, false}, {1000, 470, 0, false},
        {3000, 341, 0, true}, {3000, 469, 0, true}, {3000, 340, 0, false}, {3600, 440, 0, false},
        // Ladder holds a climber at 2370 < Left < 2720 above Top 1790
        {2520, 1000, 1, true}, {2520, 1000, 0, false}, {2371, 1000, 2, true},
        {2370, 1000, 2, false}, {2719, 1000, 1, true}, {2720, 1000, 1, false},
        {2520, 1789, 1, true}, {2520, 30, 1, true},
        // the vine the same, from Left 210 to 560
        {360, 1000, 1, true}, {211, 1000, 1, true}, {210, 1000, 1, false}, {560, 1000, 1, false},
        {360, 1000, 0, false},
        // in the air
        {1600, 1000, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.left) + ", " + std::to_string(c.top) + " climbing " +
                     std::to_string(c.climbStep));
        stand(c.left, c.top, c.climbStep);
        world::detectionTick(game);
        EXPECT_EQ(timer(play::Jump).enabled(), !c.held);
        EXPECT_EQ(fell(), !c.held);
        EXPECT_EQ(vars().ClimbStep, c.held ? c.climbStep : 0);
        EXPECT_EQ(you().top, c.top) << "support never moves the hero";
    }
}

TEST_F(DetectionTest, EnemyAndARunningJumpHoldAnywhere) {
    stand(1600, 1000);
    vars().OnEnemy = 1;
    world::detectionTick(game);
    EXPECT_FALSE(timer(play::Jump).enabled());

    stand(1600, 1000);
    vars().JumpStep = 3;
    timer(play::Jump).setEnabled(true);
    world::detectionTick(game);
    EXPECT_EQ(vars().JumpStep, 3);
}

// With the clock running: walking along the log keeps the hero up until its
// Left reaches the log's right end.
TEST_F(DetectionTest, WalkingHeroFallsAtTheLogsEnds) {
    for (Twips left : {Twips{2879}, Twips{2880}, Twips{1821}, Twips{1820}}) {
        SCOPED_TRACE(left);
        stand(left, 800);
        game.tick();
        EXPECT_EQ(timer(play::Jump).enabled(), left == 2880 || left == 1820);
    }
}

}  // namespace
}  // namespace tt::testing
