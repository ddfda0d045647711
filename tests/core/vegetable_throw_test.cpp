// The vegetable's flight.

#include "anim/sprite_bank_layout.h"
#include "items/item_handlers.h"
#include "tests/core/game_fixture.h"

namespace tt::testing {
namespace {

class VegetableThrow : public ItemsTest {
protected:
    // Held over the head of a hero standing on the ground at Left 360.
    void holding(const char* way) {
        vars().Holding = 1;
        game[play::Way].caption = way;
        game[play::Object].visible = true;
        place(play::Object, 370, 1540);
        game[play::Throw].setEnabled(true);
    }
    Image& vegetable() { return game[play::Object]; }
};

TEST_F(VegetableThrow, SeventeenTicksAcrossAndDownUntilBelowTheField) {
    const struct {
        const char* way;
        Twips across;
        const char* pose;
    } cases[] = {{"Right", 100, "ThrowRight"}, {"Left", -100, "ThrowLeft"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        holding(c.way);
        items::throwTick(game);
        EXPECT_EQ(vars().Holding, 0);
        EXPECT_EQ(game[gx::Pos].caption, c.pose);
        EXPECT_EQ(game[play::VegWay].caption, c.way);
        EXPECT_EQ(vegetable().left, 370 + c.across);
        EXPECT_EQ(vegetable().top, 1590.0f);
        for (int tick = 2; tick <= 16; ++tick) items::throwTick(game);
        EXPECT_TRUE(game[play::Throw].enabled());
        EXPECT_EQ(vars().ThrowStep, 16);

        items::throwTick(game);
        EXPECT_EQ(vegetable().left, 370 + 17 * c.across);
        EXPECT_EQ(vegetable().top, 2390.0f);
        EXPECT_FALSE(game[play::Throw].enabled());
        EXPECT_EQ(vars().ThrowStep, 0);
        EXPECT_EQ(game[play::VegWay].caption, "");
        EXPECT_TRUE(vegetable().visible) << "left where it stopped";
    }
}

TEST_F(VegetableThrow, ATopExactlyOnTheBoundFliesOneTickMore) {
    holding("Right");
    vegetable().top = 2300;
    items::throwTick(game);
    EXPECT_EQ(vegetable().top, 2350.0f);
    EXPECT_TRUE(game[play::Throw].enabled());
    items::throwTick(game);
    EXPECT_FALSE(game[play::Throw].enabled());
}

TEST_F(VegetableThrow, KeepsTheFirstDirectionWhenTheHeroTurns) {
    holding("Right");
    items::throwTick(game);
    game[play::Way].caption = "Left";
    game[gx::Pos].caption = "Left";
    items::throwTick(game);
    EXPECT_EQ(vegetable().left, 570.0f);
    EXPECT_EQ(game[gx::Pos].caption, "Left") << "one throw pose only";
}

TEST_F(VegetableThrow, FliesOnPastTheFieldsEdgeUntilBelowIt) {
    holding("Right");
    place(play::Object, 3500, 1540);
    for (int tick = 0; tick < 16; ++tick) items::throwTick(game);
    EXPECT_TRUE(game[play::Throw].enabled());
    items::throwTick(game);
    EXPECT_FALSE(game[play::Throw].enabled());
    EXPECT_EQ(vegetable().left, 5200.0f);
}

}  // namespace
}  // namespace tt::testing
