// The thrown enemy's flight.

#include "anim/sprite_bank_layout.h"
#include "items/item_handlers.h"
#include "tests/core/game_fixture.h"

namespace tt::testing {
namespace {

class EnemyThrow : public ItemsTest {
protected:
    EnemyThrow() {
        // Carried by a hero standing on the ground at Left 1000.
        vars().EnemyHeld = 1;
        vars().ThrowEnemyWay = "";
        place(play::Enemy1, 1000, 1440);
        game[play::ThrowEn1].setEnabled(true);
    }

    Image& enemy() { return game[play::Enemy1]; }
};

TEST_F(EnemyThrow, SevenTicksAcrossAndDownToTheGround) {
    const struct {
        const char* way;
        Twips across;
        const char* pose;
    } cases[] = {{"Right", 130, "ThrowRight"}, {"Left", -130, "ThrowLeft"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        vars().EnemyHeld = 1;
        vars().ThrowEnemyWay = "";
        place(play::Enemy1, 1000, 1440);
        game[play::ThrowEn1].setEnabled(true);
        game[play::Way].caption = c.way;

        items::enemyThrowTick(game);
        EXPECT_EQ(vars().EnemyHeld, 0) << "free from the first tick";
        EXPECT_EQ(vars().ThrowEnemyWay, c.way);
        EXPECT_EQ(game[gx::Pos].caption, c.pose);
        for (int tick = 2; tick <= 6; ++tick) {
            game[gx::Pos].caption = "Right";
            items::enemyThrowTick(game);
            EXPECT_EQ(game[gx::Pos].caption, "Right") << "one throw pose only";
        }
        EXPECT_EQ(enemy().top, 1740.0f) << "exactly on the bound: still flying";
        EXPECT_TRUE(game[play::ThrowEn1].enabled());
        EXPECT_EQ(vars().ThrowStep, 6);

        items::enemyThrowTick(game);
        EXPECT_EQ(enemy().left, 1000 + 7 * c.across);
        EXPECT_EQ(enemy().top, 1840.0f);
        EXPECT_EQ(vars().ThrowStep, 0);
        EXPECT_FALSE(game[play::ThrowEn1].enabled());
        EXPECT_EQ(vars().ThrowEnemyWay, c.way) << "kept after the flight";
    }
}

TEST_F(EnemyThrow, KeepsTheFirstDirectionWhenTheHeroTurns) {
    game[play::Way].caption = "Left";
    items::enemyThrowTick(game);
    game[play::Way].caption = "Right";
    items::enemyThrowTick(game);
    EXPECT_EQ(enemy().left, 740.0f);
}

TEST_F(EnemyThrow, ClearsAnUnfinishedLiftAndThePatrolTakesItOver) {
    vars().EnemyLift = 1;
    items::enemyThrowTick(game);
    EXPECT_EQ(vars().EnemyLift, 0);
    EXPECT_EQ(vars().EnemyHeld, 0);
    vars().EnemyWay = "Left";
    const Twips left = enemy().left;
    items::enemyPatrolTick(game);
    EXPECT_EQ(enemy().left, left - 10);
    EXPECT_TRUE(game[play::En1Fall].enabled()) << "in mid-air, nothing holds it";
}

}  // namespace
}  // namespace tt::testing
