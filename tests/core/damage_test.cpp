// The energy markers after contacts with the enemy.

#include "items/item_handlers.h"
#include "tests/core/game_fixture.h"

namespace tt::testing {
namespace {

class Damage : public ItemsTest {
protected:
    // "EEFF": X1..X4, E empty, F full.
    std::string markers() {
        std::string shown;
        for (const ImageRef marker : {play::X1, play::X2, play::X3, play::X4}) {
            const std::string name = pictureOf(marker);
            shown += name == "EmptyEnergy" ? 'E' : name == "FullEnergy" ? 'F' : '?';
        }
        return shown;
    }

    // A free enemy walking left into a hero who stands still.
    void enemyWalksIntoTheHero() {
        place(play::You, 1000, 1640);
        vars().EnemyWay = "Left";
        place(play::Enemy1, 1160, 1800);
        items::enemyPatrolTick(game);
    }
};

TEST_F(Damage, MarkersEmptyFromTheLowestUp) {
    const struct {
        Int16 energy;
        const char* markers;
    } cases[] = {{5, "FFFF"}, {4, "FFFF"}, {3, "FFFE"}, {2, "FFEE"},
                 {1, "FEEE"}, {0, "EEEE"}, {-1, "EEEE"}, {-32768, "EEEE"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "Energy " << c.energy);
        for (const ImageRef marker : {play::X1, play::X2, play::X3, play::X4})
            game[marker].setPicture(game.picture("FullEnergy"));
        vars().Energy = c.energy;
        game[play::GetHurt].setEnabled(true);
        items::getHurtTick(game);
        EXPECT_EQ(markers(), c.markers);
        EXPECT_FALSE(game[play::GetHurt].enabled());
    }
}

TEST_F(Damage, AnEmptiedMarkerIsNeverRefilledInPlay) {
    vars().Energy = 3;
    items::getHurtTick(game);
    vars().Energy = 4;
    items::getHurtTick(game);
    EXPECT_EQ(markers(), "FFFE");
}

TEST_F(Damage, TwoContactsBeforeOneRedrawEmptyTwoMarkers) {
    enemyWalksIntoTheHero();
    enemyWalksIntoTheHero();
    EXPECT_EQ(vars().Energy, 2);
    EXPECT_TRUE(game[play::GetHurt].enabled());
    items::getHurtTick(game);
    EXPECT_EQ(markers(), "FFEE");
}

TEST_F(Damage, EnergyStopsAtTheSixteenBitBoundAfterEndlessContacts) {
    // 4 down to -32768 takes 32,772 contacts; the ones after must not wrap.
    for (int contact = 0; contact < 32'772 + 3; ++contact) enemyWalksIntoTheHero();
    EXPECT_EQ(vars().Energy, -32768);
    items::getHurtTick(game);
    EXPECT_EQ(markers(), "EEEE");
}

}  // namespace
}  // namespace tt::testing
