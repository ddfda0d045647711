// Whole runs through the driver, from the start screen on.

#include <gtest/gtest.h>

#include <string>

#include "tests/core/game_fixture.h"

namespace tt::testing {
namespace {

class HeroScenarioTest : public PlayTest {
protected:
    using PlayTest::PlayTest;

    // Presses a key and runs the clock for the given number of ticks.
    void press(std::int16_t code, int times, int ticksAfterEach) {
        for (int i = 0; i < times; ++i) {
            drive("key Play " + std::to_string(code) + "\ntick " + std::to_string(ticksAfterEach));
        }
    }
};

TEST_F(HeroScenarioTest, CloverStandsJumpsWalksAndClimbs) {
    EXPECT_EQ(drive("click Main.Image4\n"
                    "click Main.Command1\n"
                    "tick\n"
                    "print Play.You.Top HeightOffset\n"
                    "tick\n"
                    "print Play.You.Picture\n"
                    "key Play 90\n"
                    "tick 21\n"
                    "print Play.You.Top Play.Jump.Enabled GX.Pos.Caption\n"),
              "Play.You.Top=1600\nHeightOffset=60\nPlay.You.Picture=CloverRight\n"
              "Play.You.Top=1580\nPlay.Jump.Enabled=False\nGX.Pos.Caption=Right\n");
    drive("set Play.En1.Enabled False");  // the enemy stays on its hill
    EXPECT_EQ(drive("key Play 39\ntick 6\nprint Play.You.Left\n"
                    "key Play 39\ntick 6\nprint Play.You.Left\n"
                    "key Play 37\ntick 6\nprint Play.You.Left\n"),
              "Play.You.Left=590\nPlay.You.Left=820\nPlay.You.Left=590\n");
    EXPECT_EQ(drive("key Play 37\ntick 6\n"
                    "key Play 38\ntick\nprint Play.You.Top\n"
                    "key Play 38\ntick\nprint Play.You.Top GX.Pos.Caption\n"),
              "Play.You.Top=1480\nPlay.You.Top=1380\nGX.Pos.Caption=LadderPos2\n");
}

// Jump from the ground just left of Log, steer right in the air, land on
// the log; then walk off its right end and fall back to the ground.
class OntoTheLogTest : public HeroScenarioTest,
                       public ::testing::WithParamInterface<const char*> {};

TEST_P(OntoTheLogTest, JumpsOntoTheLogAndWalksOffItsEnd) {
    const std::string character = GetParam();
    play(character);
    const Twips offset = vars().HeightOffset;
    press(kRightArrow, 6, 6);  // 360 + 6 × 230
    ASSERT_EQ(you().left, 1740);
    ASSERT_EQ(value("Play.Jump.Enabled"), "False");
    drive("key Play 90\ntick 2\nkey Play 39\ntick 22");
    EXPECT_EQ(you().left, 1970);
    EXPECT_EQ(you().top, 800 - offset);
    EXPECT_EQ(value("GX.Pos.Caption"), "Right");
    EXPECT_EQ(value("Play.Jump.Enabled"), "False");
    ticks(30);
    EXPECT_EQ(you().top, 800 - offset) << "standing on the log";
    press(kRightArrow, 3, 6);
    EXPECT_EQ(you().top, 800 - offset) << "still on the log at its end";
    press(kRightArrow, 1, 40);
    EXPECT_EQ(you().left, 2890);
    EXPECT_EQ(you().top, 1640 - offset);
    EXPECT_EQ(value("JumpStep"), "0");
    EXPECT_EQ(value("GX.Pos.Caption"), "Right");
}

INSTANTIATE_TEST_SUITE_P(Characters, OntoTheLogTest,
                         ::testing::Values("Ember", "Clover", "Rook"));

// Up the vine to above Log2, a step right drops the hero onto it, and
// walking off Log2's right end falls to the ground.
TEST_F(HeroScenarioTest, ClimbsOntoLog2AndWalksOffItsEnd) {
    play("Ember");
    press(kUpArrow, 12, 2);
    ASSERT_EQ(you().top, 430);
    press(kRightArrow, 1, 6);
    EXPECT_EQ(you().left, 590);
    EXPECT_EQ(you().top, 440);
    EXPECT_EQ(value("ClimbStep"), "0");
    EXPECT_EQ(value("GX.Pos.Caption"), "Right");
    press(kRightArrow, 3, 6);
    EXPECT_EQ(you().left, 1280);
    EXPECT_EQ(you().top, 440);
    press(kRightArrow, 1, 30);
    EXPECT_EQ(you().left, 1510);
    EXPECT_EQ(you().top, 1640);
    EXPECT_EQ(value("Play.Jump.Enabled"), "False");
}

// Up the ladder beside Log and a step left, off the ladder: the fall ends
// on the log.
TEST_F(HeroScenarioTest, ClimbsTheLadderAndStepsOffSidewaysOntoTheLog) {
    play("Ember");
    press(kRightArrow, 9, 6);
    ASSERT_EQ(you().left, 2430);
    press(kUpArrow, 9, 2);
    EXPECT_EQ(you().top, 730);
    ticks(20);
    EXPECT_EQ(you().top, 730) << "the ladder holds its climber";
    EXPECT_EQ(value("ClimbStep"), "1");
    press(kLeftArrow, 1, 8);
    EXPECT_EQ(you().left, 2200);
    EXPECT_EQ(you().top, 800);
    EXPECT_EQ(value("ClimbStep"), "0");
    EXPECT_EQ(value("GX.Pos.Caption"), "Left");
    EXPECT_EQ(value("Play.Way.Caption"), "Left");
}

// Off the ladder away from any log: down to the ground.
TEST_F(HeroScenarioTest, StepsOffTheLadderAboveTheGround) {
    play("Ember");
    press(kRightArrow, 9, 6);
    press(kUpArrow, 3, 2);
    ASSERT_EQ(you().top, 1330);
    press(kRightArrow, 1, 20);
    EXPECT_EQ(you().left, 2660);
    EXPECT_EQ(you().top, 1640);
    EXPECT_EQ(value("GX.Pos.Caption"), "Right");
}

// At a 20 ms clock a walk tick comes every clock tick at speed 1 and every
// tenth at speed 10.
class GameSpeedTest : public HeroScenarioTest {
protected:
    GameSpeedTest() : HeroScenarioTest(20) {}

    int clockTicksForAStep() {
        drive("key Play 39");
        for (int count = 1; count <= 100; ++count) {
            game.tick();
            if (!timer(play::WalkRight).enabled()) return count;
        }
        return -1;
    }
};

TEST_F(GameSpeedTest, SpeedTenMakesAStepTakeTenTimesAsLong) {
    play("Ember");
    const int atOne = clockTicksForAStep();
    EXPECT_EQ(atOne, 3);
    EXPECT_EQ(drive("click Play.mnuSettings\n"
                    "scroll Settings.SpeedBar 10\n"
                    "click Settings.cmdOK\n"
                    "tick\n"
                    "print Settings.State Settings.cmdOK.Caption Play.WalkRight.Interval\n"),
              "Settings.State=hidden\nSettings.cmdOK.Caption=10\nPlay.WalkRight.Interval=200\n");
    const Twips from = you().left;
    EXPECT_EQ(clockTicksForAStep(), 10 * atOne);
    EXPECT_EQ(you().left, from + 230);
}

// Closing the settings window through its frame brings speed 1 back.
TEST_F(GameSpeedTest, ClosingTheSettingsWindowResetsTheSpeed) {
    play("Ember");
    drive("click Play.mnuSettings\nscroll Settings.SpeedBar 10\ntick\nclose Settings\ntick");
    EXPECT_EQ(value("Play.WalkLeft.Interval"), "20");
    EXPECT_EQ(clockTicksForAStep(), 3);
}

}  // namespace
}  // namespace tt::testing
