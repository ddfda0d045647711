// The enemy's fall: the hover, the slanted drop, the ground landing.

#include "items/item_handlers.h"
#include "tests/core/game_fixture.h"

namespace tt::testing {
namespace {

class EnemyFall : public ItemsTest {
protected:
    Image& enemy() { return game[play::Enemy1]; }

    void falling(const char* way, Twips left, Twips top, Int16 fallStep = 0) {
        vars().EnemyWay = way;
        vars().FallStep = fallStep;
        place(play::Enemy1, left, top);
        game[play::En1Fall].setEnabled(true);
    }
};

TEST_F(EnemyFall, HoversFiveTicksThenDropsDriftingItsWalkingWay) {
    const struct {
        const char* way;
        Twips drift;
    } cases[] = {{"Left", -25}, {"Right", 25}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        falling(c.way, 2770, 600);
        for (int hover = 1; hover <= 5; ++hover) {
            items::enemyFallTick(game);
            EXPECT_EQ(enemy().left, 2770.0f);
            EXPECT_EQ(enemy().top, 600.0f);
        }
        items::enemyFallTick(game);
        EXPECT_EQ(enemy().top, 640.0f);
        EXPECT_EQ(enemy().left, 2770 + c.drift);
        items::enemyFallTick(game);
        EXPECT_EQ(enemy().top, 680.0f);
        EXPECT_EQ(enemy().left, 2770 + 2 * c.drift);
        EXPECT_EQ(vars().FallStep, 7);
        EXPECT_TRUE(game[play::En1Fall].enabled());
    }
}

TEST_F(EnemyFall, LandsOnTheGroundOnceItsTopPassesGroundLess150) {
    falling("Left", 1000, 1850, 6);
    items::enemyFallTick(game);
    EXPECT_EQ(enemy().top, 1890.0f) << "exactly on the bound: still falling";
    EXPECT_TRUE(game[play::En1Fall].enabled());
    items::enemyFallTick(game);
    EXPECT_EQ(enemy().top, 1800.0f);
    EXPECT_EQ(enemy().left, 950.0f);
    EXPECT_EQ(vars().FallStep, 0);
    EXPECT_FALSE(game[play::En1Fall].enabled());
}

TEST_F(EnemyFall, TheGroundTestRunsDuringTheHoverToo) {
    falling("Left", 1000, 1900);
    items::enemyFallTick(game);
    EXPECT_EQ(enemy().top, 1800.0f);
    EXPECT_EQ(enemy().left, 1000.0f);
    EXPECT_FALSE(game[play::En1Fall].enabled());
}

TEST_F(EnemyFall, AFallAfterACatchOnTheHillDropsAtOnce) {
    // The hill's catch leaves the count of the fall it ended.
    falling("Left", 2980, 500, 9);
    game[play::En1Fall].setEnabled(true);
    items::enemyPatrolTick(game);  // caught at the hill's top less 400
    ASSERT_EQ(enemy().top, 440.0f);
    ASSERT_FALSE(game[play::En1Fall].enabled());
    place(play::Enemy1, 2700, 440);  // walked off the hill
    items::enemyPatrolTick(game);
    ASSERT_TRUE(game[play::En1Fall].enabled());
    items::enemyFallTick(game);
    EXPECT_EQ(enemy().top, 480.0f);
}

TEST_F(EnemyFall, ACountThatRunsForeverStopsAtItsBoundAndStillDrops) {
    falling("Right", 1000, 100, 32766);
    for (int i = 0; i < 3; ++i) items::enemyFallTick(game);
    EXPECT_EQ(vars().FallStep, 32767);
    EXPECT_EQ(enemy().top, 220.0f);
}

}  // namespace
}  // namespace tt::testing
