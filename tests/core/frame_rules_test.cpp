// The frame rules: walls, speech labels, game speed, riding, carrying and
// the direction the pose gives.

#include <gtest/gtest.h>

#include <string>

#include "dialogs/settings_layout.h"
#include "tests/core/game_fixture.h"
#include "world/world_handlers.h"

namespace tt::testing {
namespace {

class FrameRulesTest : public PlayTest {
protected:
    void SetUp() override {
        play("Ember");
        place(1000, 1640);
    }
    void frame() { world::frameRulesTick(game); }
};

TEST_F(FrameRulesTest, WallsHoldTheHeroInside) {
    const Twips right = game.outerWidth(FormId::Play) - 500;
    ASSERT_EQ(right, 3445);
    struct Case {
        Twips left;
        Twips after;
    };
    const Case cases[] = {{250, 300},   {299, 300},  {300, 300},   {301, 301},
                          {3444, 3444}, {3445, 3445}, {3446, 3445}, {5000, 3445}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.left);
        you().left = c.left;
        frame();
        EXPECT_EQ(you().left, c.after);
    }
}

TEST_F(FrameRulesTest, SpeechLabelsStandAboveTheirSpeakers) {
    place(1000, 1500);
    frame();
    EXPECT_EQ(game[play::YouSay].left, 750);
    EXPECT_EQ(game[play::YouSay].top, 1250);
    EXPECT_EQ(game[play::TheySay].left, 2870);
    EXPECT_EQ(game[play::TheySay].top, 1310);
}

TEST_F(FrameRulesTest, ThemShowsFennelFacingLeft) {
    EXPECT_EQ(value("Play.Them.Picture"), "FennelLeft");
}

// The label is placed before the walls move the hero, so it lags by a frame.
TEST_F(FrameRulesTest, SpeechLabelIsPlacedBeforeTheWalls) {
    place(200, 1500);
    frame();
    EXPECT_EQ(game[play::YouSay].left, -50);
    EXPECT_EQ(you().left, 300);
}

TEST_F(FrameRulesTest, SpeedBarSetsTheActionTimersAndTheLoadSetsTheJump) {
    const TimerRef paced[] = {play::En1,   play::En1Fall,   play::Pick,
                              play::Throw, play::WalkRight, play::WalkLeft};
    struct Case {
        std::int16_t speed;
        Int16 holding;
        int interval;
        int jump;
    };
    const Case cases[] = {{1, 0, 20, 1}, {1, 1, 20, 8}, {10, 0, 200, 1}, {10, 1, 200, 8},
                          {4, 0, 80, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE("speed " + std::to_string(c.speed) + " holding " + std::to_string(c.holding));
        game[settings::SpeedBar].value = c.speed;
        vars().Holding = c.holding;
        frame();
        for (TimerRef t : paced) EXPECT_EQ(timer(t).interval(), c.interval) << timer(t).name();
        EXPECT_EQ(timer(play::Jump).interval(), c.jump);
    }
    for (TimerRef untouched : {play::Constant, play::Dectection, play::GetHurt, play::LoadTimer,
                               play::ThrowEn1})
        EXPECT_EQ(timer(untouched).interval(), 1) << timer(untouched).name();
}

TEST_F(FrameRulesTest, FirstFrameLoadsTheSettingsWindowHidden) {
    EXPECT_EQ(game.state(FormId::Settings), FormState::Hidden);
    EXPECT_EQ(game[settings::SpeedBar].value, 1);
    game.unload(FormId::Settings);
    frame();
    EXPECT_EQ(game.state(FormId::Settings), FormState::Hidden);
    EXPECT_EQ(timer(play::WalkRight).interval(), 20);
}

TEST_F(FrameRulesTest, RidesTheEnemyOnlyInThePlainStandingPoses) {
    struct Case {
        const char* pose;
        Int16 onEnemy;
        bool rides;
    };
    const Case cases[] = {{"Right", 1, true},      {"Left", 1, true},      {"Right", 0, false},
                          {"WalkRight", 1, false}, {"JumpLeft", 1, false}, {"HoldRight", 1, false},
                          {"LadderPos1", 1, false}};
    vars().HeightOffset = 80;
    game[play::Enemy1].left = 2000;
    game[play::Enemy1].top = 1800;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pose) + " " + std::to_string(c.onEnemy));
        place(1000, 1000);
        pos() = c.pose;
        vars().OnEnemy = c.onEnemy;
        frame();
        EXPECT_EQ(you().left, c.rides ? 2000 : 1000);
        EXPECT_EQ(you().top, c.rides ? 1320 : 1000);
    }
}

TEST_F(FrameRulesTest, CarriedVegetableTurnsTheStandingPoseAndRidesOnTheHead) {
    place(1000, 1500);
    vars().Holding = 1;
    pos() = "Left";
    way() = "Right";
    frame();
    EXPECT_EQ(pos(), "HoldLeft");
    EXPECT_EQ(way(), "Right") << "HoldLeft says nothing about the way";
    EXPECT_EQ(game[play::Object].left, 1010);
    EXPECT_EQ(game[play::Object].top, 1400);
    pos() = "Right";
    frame();
    EXPECT_EQ(pos(), "HoldRight");
}

// The frame on which the pose has just become "Right" still rides, then
// the load turns the pose and riding stops.
TEST_F(FrameRulesTest, CarryingHeroRidesOnlyOnTheFrameThePoseIsPlain) {
    vars().Holding = 1;
    vars().OnEnemy = 1;
    pos() = "Right";
    frame();
    EXPECT_EQ(you().left, game[play::Enemy1].left);
    EXPECT_EQ(pos(), "HoldRight");
    game[play::Enemy1].left += 100;
    frame();
    EXPECT_EQ(you().left, game[play::Enemy1].left - 100);
}

TEST_F(FrameRulesTest, JumpPoseTurnsToTheWayAndDirectionFollowsThePose) {
    struct Case {
        const char* pose;
        const char* way;
        const char* poseAfter;
        const char* wayAfter;
    };
    const Case cases[] = {
        {"JumpRight", "Left", "JumpLeft", "Left"},   {"JumpLeft", "Right", "JumpRight", "Right"},
        {"JumpRight", "Right", "JumpRight", "Right"}, {"Right", "Left", "Right", "Right"},
        {"Left", "Right", "Left", "Left"},           {"WalkRight", "Left", "WalkRight", "Right"},
        {"WalkLeft", "Right", "WalkLeft", "Left"},   {"LadderPos1", "Left", "LadderPos1", "Left"},
        {"PullLeft", "Right", "PullLeft", "Right"},   {"HoldMoveLeft", "Right", "HoldMoveLeft", "Right"},
        {"ThrowLeft", "Right", "ThrowLeft", "Right"}, {"Lift", "Left", "Lift", "Left"},
        {"left", "Right", "left", "Right"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pose) + " " + c.way);
        pos() = c.pose;
        way() = c.way;
        frame();
        EXPECT_EQ(pos(), c.poseAfter);
        EXPECT_EQ(way(), c.wayAfter);
    }
}

TEST_F(FrameRulesTest, CarriedEnemyRidesAboveTheHero) {
    vars().EnemyHeld = 1;
    place(1000, 1640);
    frame();
    EXPECT_EQ(game[play::Enemy1].left, 1000);
    EXPECT_EQ(game[play::Enemy1].top, 1440);
    vars().EnemyHeld = 0;
    place(1500, 1640);
    frame();
    EXPECT_EQ(game[play::Enemy1].left, 1000);
}

}  // namespace
}  // namespace tt::testing
