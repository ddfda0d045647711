// The pull sequence: a vegetable out of a plant, or the enemy lifted.

#include "anim/sprite_bank_layout.h"
#include "items/item_handlers.h"
#include "tests/core/game_fixture.h"

namespace tt::testing {
namespace {

class PlantPulling : public ItemsTest {
protected:
    // Runs Pick ticks and returns the pose after each.
    std::vector<std::string> pickTicks(int count) {
        std::vector<std::string> poses;
        for (int i = 0; i < count; ++i) {
            items::pickTick(game);
            poses.push_back(game[gx::Pos].caption);
        }
        return poses;
    }

    void startPlantPull(Int16 plant) {
        vars().PickedPlant = 1;
        vars().PulledPlant = plant;
        game[play::Pick].setEnabled(true);
    }

    void startEnemyLift() {
        vars().OnEnemy = 1;
        vars().PickStep = 0;
        vars().EnemyLift = 1;
        game[play::Pick].setEnabled(true);
    }
};

TEST_F(PlantPulling, EachPlantLeavesTheFieldAloneAndTheHeroHoldsTheVegetable) {
    struct Case {
        Int16 plant;
        const char* way;
        std::vector<std::string> poses;
    };
    const Case cases[] = {
        {1, "Right",
         {"PullRight", "PullRight", "PullRight", "Lift", "Lift", "Lift", "Lift", "HoldRight"}},
        {2, "Left",
         {"PullLeft", "PullLeft", "PullLeft", "Lift", "Lift", "Lift", "Lift", "HoldLeft"}},
        {3, "Left",
         {"PullLeft", "PullLeft", "PullLeft", "Lift", "Lift", "Lift", "Lift", "HoldLeft"}},
    };
    const ImageRef plants[] = {play::Plant1, play::Plant2, play::Plant3};
    const Twips layoutLefts[] = {2400, 2160, 2640};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "Plant" << c.plant << " facing " << c.way);
        vars().Holding = 0;
        game[play::Way].caption = c.way;
        startPlantPull(c.plant);

        EXPECT_EQ(pickTicks(8), c.poses);

        EXPECT_EQ(vars().Holding, 1);
        EXPECT_TRUE(game[play::Object].visible);
        EXPECT_EQ(pictureOf(play::Object), "BigVeggie");
        EXPECT_FALSE(game[play::Pick].enabled());
        EXPECT_EQ(vars().PickStep, 0);
        EXPECT_EQ(vars().PickedPlant, 0);
        EXPECT_EQ(vars().PulledPlant, 0);
        for (int p = 0; p < 3; ++p) {
            const bool pulled = p + 1 <= c.plant;  // the earlier cases pulled the ones before
            EXPECT_EQ(game[plants[p]].left, pulled ? -1000.0f : layoutLefts[p]) << "Plant" << p + 1;
        }
    }
}

TEST_F(PlantPulling, LiftingTheEnemyEndsCarryingItInTheLiftPose) {
    game[play::Way].caption = "Left";
    startEnemyLift();

    EXPECT_EQ(pickTicks(8), (std::vector<std::string>{"PullLeft", "PullLeft", "PullLeft", "Lift",
                                                      "Lift", "Lift", "Lift", "Lift"}));
    EXPECT_EQ(vars().EnemyHeld, 1);
    EXPECT_EQ(vars().EnemyLift, 0);
    EXPECT_EQ(vars().OnEnemy, 0);
    EXPECT_EQ(vars().PickStep, 0);
    EXPECT_FALSE(game[play::Pick].enabled());
    EXPECT_EQ(vars().Holding, 0);
}

TEST_F(PlantPulling, APullAndALiftStartedTogetherBothEndSoTheEnemyWalksOn) {
    startEnemyLift();
    startPlantPull(1);
    for (int i = 0; i < 8; ++i) {
        items::enemyPatrolTick(game);  // frozen while lifted; its step counter runs on
        items::pickTick(game);
    }
    EXPECT_EQ(vars().Holding, 1);
    EXPECT_EQ(game[play::Plant1].left, -1000.0f);
    EXPECT_EQ(vars().EnemyLift, 0);
    EXPECT_EQ(vars().EnemyHeld, 0);
    EXPECT_FALSE(game[play::Pick].enabled());

    const Twips left = game[play::Enemy1].left;
    items::enemyPatrolTick(game);
    EXPECT_EQ(game[play::Enemy1].left, left - 10) << "the enemy walks again";
    EXPECT_EQ(pictureOf(play::Enemy1), "MaskerLeft2") << "and shows its walking pictures again";
    items::enemyPatrolTick(game);
    EXPECT_EQ(pictureOf(play::Enemy1), "MaskerLeft1");
}

TEST_F(PlantPulling, ACountKeptFromAClosedFieldShortensTheNextPull) {
    vars().PickStep = 5;
    startPlantPull(2);
    EXPECT_EQ(pickTicks(3), (std::vector<std::string>{"Label1", "Label1", "HoldRight"}));
    EXPECT_EQ(vars().Holding, 1);
    EXPECT_FALSE(game[play::Pick].enabled());
}

// Through the driver at the game's 16 ms clock: a walking step is three
// 20 ms walk ticks (6 clock ticks), a pull eight Pick ticks (16), a throw
// 17 Throw ticks (34).
class PullingInPlay : public GameTest {
protected:
    std::string pressSpace() { return drive("key Play 32\ntick 20\nprint Holding Play.Object.Visible"); }
    std::string plantLefts() { return drive("print Play.Plant1.Left Play.Plant2.Left Play.Plant3.Left"); }
    void throwIt() { drive("key Play 32\ntick 40"); }
};

TEST_F(PullingInPlay, EachPlantOnceThenAFourthPullFindsNone) {
    startPlaying("Ember");
    drive("set Play.En1.Enabled False");  // the enemy stays on its hill
    for (int step = 0; step < 8; ++step) drive("key Play 39\ntick 6");
    ASSERT_EQ(value("Play.You.Left"), "2200");  // at Plant2

    EXPECT_EQ(pressSpace(), "Holding=1\nPlay.Object.Visible=True\n");
    EXPECT_EQ(value("Play.Object.Picture"), "BigVeggie");
    EXPECT_EQ(plantLefts(), "Play.Plant1.Left=2400\nPlay.Plant2.Left=-1000\nPlay.Plant3.Left=2640\n");
    throwIt();

    drive("key Play 39\ntick 6");  // to Plant1
    EXPECT_EQ(pressSpace(), "Holding=1\nPlay.Object.Visible=True\n");
    throwIt();
    drive("key Play 39\ntick 6");  // to Plant3
    EXPECT_EQ(pressSpace(), "Holding=1\nPlay.Object.Visible=True\n");
    EXPECT_EQ(plantLefts(), "Play.Plant1.Left=-1000\nPlay.Plant2.Left=-1000\nPlay.Plant3.Left=-1000\n");
    throwIt();
    EXPECT_EQ(value("Holding"), "0");

    // Back along the three places: nothing left to pull.
    for (int place = 0; place < 3; ++place) {
        EXPECT_EQ(drive("key Play 32\nprint Play.Pick.Enabled\ntick 20\nprint Holding"),
                  "Play.Pick.Enabled=False\nHolding=0\n");
        drive("key Play 37\ntick 6");
    }
}

}  // namespace
}  // namespace tt::testing
