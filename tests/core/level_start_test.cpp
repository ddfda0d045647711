// The level start for each character, and what survives closing the play
// field.

#include <gtest/gtest.h>

#include <string>

#include "tests/core/game_fixture.h"

namespace tt::testing {
namespace {

struct Start {
    const char* character;
    Twips top;
    Int16 heightOffset;
    const char* picture;
    Twips width;  // of the standing picture
    Twips height;
};

const Start kStarts[] = {
    {"Ember", 1630, 0, "EmberRight", 225, 405},     {"Fennel", 1570, 60, "FennelRight", 225, 465},
    {"Pip", 1630, 0, "PipRight", 240, 405},         {"Clover", 1600, 60, "CloverRight", 210, 480},
    {"Rook", 1560, 80, "RookRight", 240, 480},      {"Volt Kid", 1630, 0, "VoltRight", 315, 405},
};

void PrintTo(const Start& start, std::ostream* out) { *out << start.character; }

class LevelStartTest : public PlayTest, public ::testing::WithParamInterface<Start> {};

TEST_P(LevelStartTest, StandsTheHeroOnTheGround) {
    const Start& start = GetParam();
    vars().WalkStep = 2;
    vars().JumpStep = 7;
    play(start.character);
    EXPECT_EQ(you().top, start.top);
    EXPECT_EQ(you().left, 360);
    EXPECT_EQ(vars().HeightOffset, start.heightOffset);
    EXPECT_EQ(vars().WalkStep, 0);
    EXPECT_EQ(vars().JumpStep, 0);
    EXPECT_EQ(vars().Energy, 4);
    EXPECT_EQ(pos(), "Right");
    EXPECT_EQ(game[play::background].left, 0);
    EXPECT_EQ(game[play::background].top, 0);
    EXPECT_FALSE(timer(play::LoadTimer).enabled());
    ticks(20);
    EXPECT_EQ(you().top, start.top) << "the start height counts as standing";
}

TEST_P(LevelStartTest, ShowsTheStandingPicture) {
    const Start& start = GetParam();
    play(start.character);
    game.tick();  // the sprite bank's first tick
    EXPECT_EQ(value("Play.You.Picture"), start.picture);
    EXPECT_EQ(you().width(), start.width);
    EXPECT_EQ(you().height(), start.height);
}

INSTANTIATE_TEST_SUITE_P(EveryCharacter, LevelStartTest, ::testing::ValuesIn(kStarts),
                         [](const ::testing::TestParamInfo<Start>& info) {
                             std::string name = info.param.character;
                             std::erase(name, ' ');
                             return name;
                         });

class LevelStartRunTest : public PlayTest {};

TEST_F(LevelStartRunTest, RunsOnceUntilEnabledAgain) {
    play("Ember");
    place(1000, 1640);
    ticks(5);
    EXPECT_EQ(you().top, 1640);
    timer(play::LoadTimer).setEnabled(true);
    game.tick();
    EXPECT_EQ(you().top, 1630);
    EXPECT_EQ(you().left, 1000) << "Left is not the level start's business";
}

TEST_F(LevelStartRunTest, RefillsTheEnergyMarkers) {
    play("Ember");
    ASSERT_EQ(drive("set Play.X1.Picture EmptyEnergy\n"
                    "set Play.X2.Picture EmptyEnergy\n"
                    "set Play.X3.Picture EmptyEnergy\n"
                    "set Play.LoadTimer.Enabled True\n"
                    "tick\n"),
              "");
    for (const char* marker : {"X1", "X2", "X3", "X4"})
        EXPECT_EQ(value(std::string("Play.") + marker + ".Picture"), "FullEnergy") << marker;
}

// Closing the play field reloads it hidden with a new level start; the
// play variables other than the level start's own keep their values.
TEST_F(LevelStartRunTest, ClosingThePlayFieldStartsTheLevelAgain) {
    play("Rook");
    vars().Energy = 1;
    vars().Holding = 1;
    vars().ClimbStep = 2;
    vars().JumpStep = 13;
    place(2000, 500);
    game.closeBox(FormId::Play);
    EXPECT_EQ(game.state(FormId::Play), FormState::Hidden);
    EXPECT_EQ(vars().Energy, 4);
    game.tick();
    EXPECT_EQ(you().top, 1560);
    EXPECT_EQ(you().left, 360);
    EXPECT_EQ(vars().JumpStep, 0);
    EXPECT_EQ(vars().HeightOffset, 80);
    EXPECT_EQ(vars().Holding, 1);
    EXPECT_EQ(vars().ClimbStep, 2);
    EXPECT_FALSE(game[play::Object].visible);
}

}  // namespace
}  // namespace tt::testing
