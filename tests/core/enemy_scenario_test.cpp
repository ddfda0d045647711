// The enemy in the whole game, through the driver and the clock.

#include "anim/sprite_bank_layout.h"
#include "level/play_layout.h"
#include "tests/core/game_fixture.h"

namespace tt::testing {
namespace {

class EnemyInPlay : public GameTest {
protected:
    explicit EnemyInPlay(int clockMs = Game::kDefaultClockMs) : GameTest(clockMs) {}

    Image& enemy() { return game[play::Enemy1]; }
    Image& you() { return game[play::You]; }
    void key(std::int16_t code) { game.keyDown(FormId::Play, code); }

    // Runs clock ticks until the condition holds; false if it never does.
    template <typename Condition>
    bool tickUntil(Condition condition, int limit = 40'000) {
        for (int i = 0; i < limit; ++i) {
            if (condition()) return true;
            game.tick();
        }
        return condition();
    }
};

// The pace of the enemy against the hero's timers follows from the clock
// period, but none of the places below does: the game's 16 ms, the finest
// clock (each 20 ms patrol tick spread over 20 clock ticks), and the
// coarsest, where every timer ticks on every clock tick.
class FromAFreshStart : public EnemyInPlay, public ::testing::WithParamInterface<int> {
protected:
    FromAFreshStart() : EnemyInPlay(GetParam()) {}
};

TEST_P(FromAFreshStart, TheEnemyFallsToTheLogThenTheGroundAndStrikesTheStandingHero) {
    startPlaying("Ember");

    ASSERT_TRUE(tickUntil([&] { return game[play::En1Fall].enabled(); }));
    EXPECT_EQ(value("EnemyWay"), "Left");
    EXPECT_EQ(enemy().top, 600.0f);
    EXPECT_LE(enemy().left, 2780.0f) << "walked off the hill's left end";

    ASSERT_TRUE(tickUntil([&] { return enemy().top != 600.0f && !game[play::En1Fall].enabled(); }));
    EXPECT_EQ(enemy().top, 1000.0f) << "caught by Log";
    EXPECT_GT(enemy().left, 1820.0f);
    EXPECT_LT(enemy().left, 2880.0f);

    ASSERT_TRUE(tickUntil([&] { return game[play::En1Fall].enabled(); }));
    EXPECT_EQ(enemy().top, 1000.0f);
    EXPECT_LE(enemy().left, 1820.0f) << "walked off Log's left end";

    ASSERT_TRUE(tickUntil([&] { return !game[play::En1Fall].enabled(); }));
    EXPECT_EQ(enemy().top, 1800.0f) << "landed on the ground";
    EXPECT_EQ(value("Energy"), "4");

    ASSERT_TRUE(tickUntil([&] { return game.vars().Energy != 4; }));
    EXPECT_EQ(value("Energy"), "3");
    EXPECT_EQ(value("Play.GetHurt.Enabled"), "True");
    EXPECT_EQ(game[play::You].left, 360.0f);
    EXPECT_EQ(game[play::You].top, 1630.0f) << "the hero never moved";
    EXPECT_GT(enemy().left, game[play::You].left + 200) << "knocked back";

    game.tick();
    EXPECT_EQ(value("Play.GetHurt.Enabled"), "False");
    EXPECT_EQ(game[play::X4].picture(), game[play::EmptyEnergy].picture()) << "X4 emptied";
    EXPECT_EQ(value("Play.X4.Picture"), value("Play.EmptyEnergy.Picture"));
    EXPECT_EQ(value("Play.X3.Picture"), value("Play.X1.Picture"));
    EXPECT_EQ(enemy().top, 1800.0f);
    EXPECT_EQ(value("EnemyWay"), "Left") << "it comes back for more";

    ASSERT_TRUE(tickUntil([&] { return game.vars().Energy == 0; }));
    ASSERT_TRUE(tickUntil([&] { return game.vars().Energy == -1; }));
    game.tick();
    EXPECT_EQ(value("Play.X1.Picture"), value("Play.EmptyEnergy.Picture"));
}

INSTANTIATE_TEST_SUITE_P(ClockPeriods, FromAFreshStart, ::testing::Values(16, 1, 20),
                         [](const auto& info) { return std::to_string(info.param) + "ms"; });

// At the game's own 16 ms clock: a patrol step every second clock tick,
// the hero's jump and the thrown enemy's flight on every one.
using RideLiftAndThrow = EnemyInPlay;

TEST_F(RideLiftAndThrow, TheThrownEnemyLandsAt1840AndWalksOn) {
    startPlaying("Ember");
    // Jump as the enemy comes along the ground, steering right onto it.
    ASSERT_TRUE(tickUntil([&] { return enemy().top == 1800.0f && enemy().left <= 610.0f; }));
    key(90);
    game.tick();
    key(39);
    ASSERT_TRUE(tickUntil([&] { return game.vars().OnEnemy == 1; }, 40));
    EXPECT_EQ(value("Energy"), "4");
    ASSERT_TRUE(tickUntil([&] { return game[gx::Pos].caption == "Right"; }, 10));
    game.tick();
    EXPECT_EQ(you().top, enemy().top - 400) << "riding";
    EXPECT_EQ(you().left, enemy().left);

    key(32);  // lift
    EXPECT_EQ(value("EnemyLift"), "1");
    ASSERT_TRUE(tickUntil([&] { return game.vars().EnemyHeld == 1; }, 40));
    EXPECT_EQ(drive("print OnEnemy EnemyLift GX.Pos.Caption"),
              "OnEnemy=0\nEnemyLift=0\nGX.Pos.Caption=Lift\n");

    // Off the enemy, the hero drops to the ground and carries it overhead.
    ASSERT_TRUE(tickUntil([&] { return you().top == 1640.0f && !game[play::Jump].enabled(); }));
    game.tick();
    EXPECT_EQ(enemy().top, 1440.0f);
    EXPECT_EQ(enemy().left, you().left);
    for (const auto& [arrow, picture] : {std::pair{37, "MaskerLeftUD1"},
                                        std::pair{39, "MaskerRightUD1"}}) {
        key(static_cast<std::int16_t>(arrow));
        EXPECT_TRUE(tickUntil([&] { return value("Play.Enemy1.Picture") == picture; }, 6));
        ASSERT_TRUE(tickUntil([&] {
            return !game[play::WalkLeft].enabled() && !game[play::WalkRight].enabled();
        }));
    }
    ASSERT_EQ(value("Play.Way.Caption"), "Right");
    ASSERT_EQ(you().top, 1640.0f);
    game.tick();
    const Twips thrownFrom = enemy().left;
    ASSERT_EQ(enemy().top, 1440.0f);

    key(32);  // throw
    int flight = 0;
    while (game[play::ThrowEn1].enabled() && flight < 20) {
        game.tick();
        ++flight;
    }
    EXPECT_EQ(flight, 7);
    EXPECT_EQ(enemy().top, 1840.0f);
    // 910 across, less the patrol's own steps against the throw.
    EXPECT_GE(enemy().left, thrownFrom + 910 - 4 * 10);
    EXPECT_LT(enemy().left, thrownFrom + 910);
    EXPECT_EQ(drive("print EnemyHeld EnemyLift ThrowStep ThrowEnemyWay GX.Pos.Caption"),
              "EnemyHeld=0\nEnemyLift=0\nThrowStep=0\nThrowEnemyWay=Right\n"
              "GX.Pos.Caption=ThrowRight\n");

    const Twips landed = enemy().left;
    game.tick();
    game.tick();
    EXPECT_EQ(enemy().left, landed - 10) << "walks on the way it went";
    EXPECT_EQ(enemy().top, 1840.0f);

    // Nothing held it up in mid-flight, so a fall began then; it ends on
    // the ground, 40 lower than the throw set it down.
    EXPECT_TRUE(game[play::En1Fall].enabled());
    ASSERT_TRUE(tickUntil([&] { return !game[play::En1Fall].enabled(); }, 40));
    EXPECT_EQ(enemy().top, 1800.0f);
    EXPECT_EQ(value("EnemyWay"), "Left");
}

}  // namespace
}  // namespace tt::testing
