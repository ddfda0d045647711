// The enemy in the whole game, through the driver and the clock.

#include "level/play_layout.h"
#include "tests/core/game_fixture.h"

namespace tt::testing {
namespace {

// The pace of the enemy against the hero's timers follows from the clock
// period, but none of the places below does: the game's 16 ms, the finest
// clock (each 20 ms patrol tick spread over 20 clock ticks), and the
// coarsest, where every timer ticks on every clock tick.
class FromAFreshStart : public GameTest, public ::testing::WithParamInterface<int> {
protected:
    FromAFreshStart() : GameTest(GetParam()) {}

    Image& enemy() { return game[play::Enemy1]; }

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

}  // namespace
}  // namespace tt::testing
