// The enemy's patrol: walls, pictures, walking, contact, catches, support.

#include "anim/sprite_bank_layout.h"
#include "items/item_handlers.h"
#include "tests/core/game_fixture.h"

namespace tt::testing {
namespace {

class EnemyPatrol : public ItemsTest {
protected:
    EnemyPatrol() { place(play::You, 360, 0); }  // out of the enemy's way

    Image& enemy() { return game[play::Enemy1]; }

    // A free enemy walking the given way, placed so that its walk this tick
    // brings it to (left, top).
    void walkingTo(const char* way, Twips left, Twips top) {
        vars().EnemyWay = way;
        place(play::Enemy1, std::string_view(way) == "Left" ? left + 10 : left - 10, top);
    }
};

TEST_F(EnemyPatrol, FirstTickTurnsItLeftAndTheTwoWalkingPicturesAlternate) {
    items::enemyPatrolTick(game);
    EXPECT_EQ(vars().EnemyWay, "Left");
    EXPECT_EQ(enemy().left, 3110.0f);
    EXPECT_EQ(enemy().top, 600.0f);
    EXPECT_EQ(pictureOf(play::Enemy1), "MaskerLeft2");
    EXPECT_EQ(vars().EnemyStep, 1);
    EXPECT_FALSE(game[play::En1Fall].enabled()) << "the hill holds it up";

    items::enemyPatrolTick(game);
    EXPECT_EQ(pictureOf(play::Enemy1), "MaskerLeft1");
    EXPECT_EQ(vars().EnemyStep, 0);

    vars().EnemyWay = "Right";
    items::enemyPatrolTick(game);
    EXPECT_EQ(pictureOf(play::Enemy1), "MaskerRight2");
    EXPECT_EQ(enemy().left, 3110.0f);
}

TEST_F(EnemyPatrol, WallsTurnItAndHoldItEvenWhenCarried) {
    // Right wall: the play field's outer width 3945 less 500.
    const struct {
        Int16 held;
        const char* way;
        Twips left;
        Twips leftAfter;
        const char* wayAfter;
    } cases[] = {
        {0, "Left", 290, 310, "Right"},  {0, "Left", 300, 290, "Left"},
        {0, "Right", 3446, 3435, "Left"}, {0, "Right", 3445, 3455, "Right"},
        {1, "Left", 290, 300, "Right"},  {1, "Right", 3700, 3445, "Left"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.way << " from " << c.left << " held " << c.held);
        vars().EnemyHeld = c.held;
        vars().EnemyWay = c.way;
        place(play::Enemy1, c.left, 1800);
        items::enemyPatrolTick(game);
        EXPECT_EQ(enemy().left, c.leftAfter);
        EXPECT_EQ(vars().EnemyWay, c.wayAfter);
    }
}

TEST_F(EnemyPatrol, ContactWindowsAndKnockBack) {
    // Places after the walk step; the hero at (1000, 1640).
    const struct {
        Int16 heightOffset;
        Twips left;
        Twips top;
        Twips leftAfter;  // equal to left: no contact
    } cases[] = {
        {0, 1150, 1800, 1450}, {0, 950, 1800, 650},   // from the right, from the left
        {0, 1001, 1800, 1301}, {0, 1199, 1800, 1499}, {0, 901, 1800, 601}, {0, 999, 1800, 699},
        {0, 1000, 1800, 1000}, {0, 1200, 1800, 1200}, {0, 900, 1800, 900},
        {0, 1150, 1641, 1450}, {0, 1150, 1859, 1450},
        {0, 1150, 1640, 1150}, {0, 1150, 1860, 1150},
        {60, 1150, 1919, 1450}, {60, 1150, 1920, 1150},
        {0, 1150, 1240, 1150},  // under a hero who rides it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "enemy at " << c.left << ", " << c.top
                                          << " height offset " << c.heightOffset);
        place(play::You, 1000, 1640);
        vars().HeightOffset = c.heightOffset;
        vars().Energy = 4;
        game[play::GetHurt].setEnabled(false);
        walkingTo("Left", c.left, c.top);
        items::enemyPatrolTick(game);
        const bool hit = c.leftAfter != c.left;
        EXPECT_EQ(enemy().left, c.leftAfter);
        EXPECT_EQ(vars().Energy, hit ? 3 : 4);
        EXPECT_EQ(game[play::GetHurt].enabled(), hit);
        EXPECT_EQ(vars().EnemyWay, "Left") << "a hit never turns it";
        game[play::En1Fall].setEnabled(false);
    }
}

TEST_F(EnemyPatrol, AKnockBackOffALogsEndStartsAFallOnTheSameTick) {
    place(play::You, 1950, 800);  // standing on Log
    walkingTo("Left", 1890, 1000);
    items::enemyPatrolTick(game);
    EXPECT_EQ(enemy().left, 1590.0f);
    EXPECT_TRUE(game[play::En1Fall].enabled());
}

TEST_F(EnemyPatrol, LiftedOrCarriedItNeitherWalksNorHurtsNorFalls) {
    for (const bool carried : {false, true}) {
        SCOPED_TRACE(carried ? "carried" : "lifted");
        vars().EnemyHeld = carried ? 1 : 0;
        vars().EnemyLift = carried ? 0 : 1;
        vars().EnemyStep = 0;
        place(play::You, 1000, 1640);
        vars().Energy = 4;
        enemy().setPicture(game[gx::MaskerLeft1].picture());
        walkingTo("Left", 1150, 1000);  // in the contact window, in mid-air
        const Twips left = enemy().left;
        items::enemyPatrolTick(game);
        EXPECT_EQ(enemy().left, left);
        EXPECT_EQ(vars().Energy, 4);
        EXPECT_FALSE(game[play::En1Fall].enabled());
        EXPECT_EQ(vars().EnemyStep, carried ? 0 : 1);
        EXPECT_EQ(pictureOf(play::Enemy1), carried ? "MaskerRightUD1" : "MaskerLeft1");
    }
}

TEST_F(EnemyPatrol, ACarriedEnemyIsUpsideDownFacingTheHerosWay) {
    vars().EnemyHeld = 1;
    for (const char* way : {"Right", "Left", "Right"}) {
        game[play::Way].caption = way;
        vars().EnemyStep = 1;
        items::enemyPatrolTick(game);
        EXPECT_EQ(pictureOf(play::Enemy1), std::string("Masker") + way + "UD1");
        EXPECT_EQ(vars().EnemyStep, 0);
    }
}

TEST_F(EnemyPatrol, AStepCounterLeftRunningByAFrozenLiftStopsAtItsBound) {
    vars().EnemyLift = 1;
    vars().EnemyStep = 32766;
    for (int i = 0; i < 3; ++i) items::enemyPatrolTick(game);
    EXPECT_EQ(vars().EnemyStep, 32767);
}

TEST_F(EnemyPatrol, CatchesEndAFallOnTheLogsAndTheHill) {
    // Places after the walk step, with a fall running.
    const struct {
        const char* surface;
        Twips left;
        Twips top;
        Twips topAfter;  // equal to top: not caught
        Int16 fallStepAfter;
    } cases[] = {
        {"Log", 1821, 851, 1000, 0},   {"Log", 2879, 1039, 1000, 0},
        {"Log", 1820, 900, 900, 7},    {"Log", 2880, 900, 900, 7},
        {"Log", 2000, 850, 850, 7},    {"Log", 2000, 1040, 1040, 7},
        {"Log2", 381, 491, 640, 0},    {"Log2", 1439, 679, 640, 0},
        {"Log2", 1000, 680, 680, 7},   {"Log2", 380, 600, 600, 7},
        {"Hill1", 2781, 491, 440, 7},  {"Hill1", 3599, 759, 440, 7},
        {"Hill1", 3000, 760, 760, 7},  {"Hill1", 3000, 490, 490, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.surface << " at " << c.left << ", " << c.top);
        vars().FallStep = 7;
        game[play::En1Fall].setEnabled(true);
        walkingTo("Left", c.left, c.top);
        items::enemyPatrolTick(game);
        const bool caught = c.topAfter != c.top;
        EXPECT_EQ(enemy().top, c.topAfter);
        EXPECT_EQ(vars().FallStep, c.fallStepAfter);
        // Log2 holds nothing up, so a catch there starts the next fall at once.
        const bool fallsOn = !caught || std::string_view(c.surface) == "Log2";
        EXPECT_EQ(game[play::En1Fall].enabled(), fallsOn);
    }
}

TEST_F(EnemyPatrol, WithoutAFallRunningNothingIsCaught) {
    walkingTo("Left", 2000, 1030);  // in the catch window, below the standing one
    items::enemyPatrolTick(game);
    EXPECT_EQ(enemy().top, 1030.0f);
    EXPECT_TRUE(game[play::En1Fall].enabled()) << "and the fall starts";
}

TEST_F(EnemyPatrol, SupportByTheGroundTheLogAndTheHill) {
    const struct {
        Twips left;
        Twips top;
        bool held;
    } cases[] = {
        {1600, 1741, true},  {1600, 1740, false},                                   // ground
        {1821, 1000, true},  {1820, 1000, false}, {2879, 701, true},                // Log
        {2000, 700, false},  {2000, 1019, true},  {2000, 1020, false},
        {2781, 600, true},   {2780, 600, false},  {3100, 341, true}, {3100, 660, false},  // Hill1
        {1000, 640, false},                                                          // Log2
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "enemy at " << c.left << ", " << c.top);
        game[play::En1Fall].setEnabled(false);
        walkingTo("Left", c.left, c.top);
        items::enemyPatrolTick(game);
        EXPECT_EQ(game[play::En1Fall].enabled(), !c.held);
    }
}

}  // namespace
}  // namespace tt::testing
