// The jump arc and every fall, tick by tick, through the whole game clock.

#include <gtest/gtest.h>

#include "hero/hero_handlers.h"
#include "tests/core/game_fixture.h"

namespace tt::testing {
namespace {

// Between Log2 and Log: nothing but the ground below.
constexpr Twips kOpenGround = 1600;

class JumpTest : public PlayTest {};

TEST_F(JumpTest, ArcRisesNineTicksHangsOneAndComesDownToTheGround) {
    play("Ember");
    place(kOpenGround, 1640);
    key(kZ);
    for (int tick = 1; tick <= 19; ++tick) {
        SCOPED_TRACE(tick);
        game.tick();
        const int height = tick <= 9 ? tick : tick == 10 ? 9 : 19 - tick;
        EXPECT_EQ(you().top, 1640 - 80 * height);
        EXPECT_EQ(vars().JumpStep, tick);
        EXPECT_EQ(pos(), "JumpRight");
        EXPECT_TRUE(timer(play::Jump).enabled());
    }
    game.tick();  // 1720 passes 1690: back on the ground
    EXPECT_EQ(you().top, 1640);
    EXPECT_EQ(pos(), "Right");
    EXPECT_EQ(vars().JumpStep, 0);
    EXPECT_FALSE(timer(play::Jump).enabled());
    EXPECT_EQ(you().left, kOpenGround);
}

TEST_F(JumpTest, LandingHeightAndLengthFollowTheCharacter) {
    struct Case {
        const char* character;
        Twips from;
        int ticks;
        Twips landing;
    };
    const Case cases[] = {
        {"Ember", 1640, 20, 1640},  {"Ember", 1630, 20, 1640},  {"Fennel", 1580, 21, 1580},
        {"Clover", 1600, 21, 1580}, {"Rook", 1560, 21, 1560},   {"Volt Kid", 1630, 20, 1640},
    };
    play("Ember");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.character) + " from " + std::to_string(c.from));
        game[start::Character].caption = c.character;
        game[play::LoadTimer].setEnabled(true);
        game.tick();
        place(kOpenGround, c.from);
        key(kZ);
        ticks(c.ticks - 1);
        EXPECT_TRUE(timer(play::Jump).enabled()) << "landed early";
        game.tick();
        EXPECT_FALSE(timer(play::Jump).enabled());
        EXPECT_EQ(you().top, c.landing);
    }
}

TEST_F(JumpTest, FallFacesTheWayFromItsFirstTickAndLandsOnTheGround) {
    play("Clover");
    place(kOpenGround, 800);
    pos() = "Left";  // the frame rules take Way from the pose
    way() = "Left";
    vars().JumpStep = 11;
    timer(play::Jump).setEnabled(true);
    game.tick();
    EXPECT_EQ(you().top, 880);
    EXPECT_EQ(pos(), "JumpLeft");
    ticks(11);  // 1760 passes 1690 on the twelfth tick
    EXPECT_EQ(you().top, 1580);
    EXPECT_EQ(pos(), "Left");
    EXPECT_FALSE(timer(play::Jump).enabled());
}

TEST_F(JumpTest, FloorIsStrict) {
    play("Ember");
    place(kOpenGround, 1610);
    vars().JumpStep = 11;
    timer(play::Jump).setEnabled(true);
    hero::jumpTick(game);
    EXPECT_EQ(you().top, 1690) << "exactly on the floor line is still in the air";
    EXPECT_TRUE(timer(play::Jump).enabled());
    hero::jumpTick(game);
    EXPECT_EQ(you().top, 1640);
}

TEST_F(JumpTest, HangsWhilePullingAndGoesOnAfterwards) {
    play("Ember");
    place(kOpenGround, 1000);
    vars().JumpStep = 4;
    vars().OnEnemy = 1;
    timer(play::Jump).setEnabled(true);
    timer(play::Pick).setEnabled(true);
    hero::jumpTick(game);
    EXPECT_EQ(you().top, 1000);
    EXPECT_EQ(vars().JumpStep, 4);
    EXPECT_EQ(vars().OnEnemy, 1);
    timer(play::Pick).setEnabled(false);
    hero::jumpTick(game);
    EXPECT_EQ(you().top, 920);
    EXPECT_EQ(vars().JumpStep, 5);
}

TEST_F(JumpTest, EveryJumpTickTakesTheHeroOffTheEnemy) {
    play("Ember");
    place(kOpenGround, 1000);
    vars().OnEnemy = 1;
    timer(play::Jump).setEnabled(true);
    hero::jumpTick(game);
    EXPECT_EQ(vars().OnEnemy, 0);
}

TEST_F(JumpTest, SecondZInMidJumpChangesNothing) {
    play("Ember");
    place(kOpenGround, 1640);
    key(kZ);
    ticks(2);
    key(kZ);
    game.tick();
    EXPECT_EQ(vars().JumpStep, 3);
    EXPECT_EQ(you().top, 1640 - 3 * 80);
}

// Catching a ladder stops the jump where it is; Z then resumes the arc.
TEST_F(JumpTest, ZResumesAnArcStoppedOnTheVine) {
    play("Ember");
    place(360, 1640);
    key(kZ);
    ticks(12);  // JumpStep 12, coming down
    const Twips caught = you().top;
    key(kUpArrow);
    ticks(3);
    EXPECT_EQ(you().top, caught - 100);
    EXPECT_EQ(vars().JumpStep, 12);
    key(kZ);
    game.tick();
    EXPECT_EQ(vars().JumpStep, 13);
    EXPECT_EQ(you().top, caught - 100 + 80);
    EXPECT_EQ(pos(), "JumpRight");
}

}  // namespace
}  // namespace tt::testing
