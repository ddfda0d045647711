// The image resize rule, the layout tables and the 16-bit counters.

#include <gtest/gtest.h>

#include <set>

#include "level/play_layout.h"
#include "shell/play_state.h"
#include "shell/scene_objects.h"
#include "tests/core/game_fixture.h"

namespace tt {
namespace {

TEST(ImageRule, APictureSizesTheImageWhichKeepsItsPlace) {
    const Picture narrow{"Narrow", 16, 27, nullptr};
    const Picture wide{"Wide", 24, 27, nullptr};
    Image you(image("You", 360, 1560, 375, 495, ""), nullptr);
    EXPECT_EQ(you.width(), 375);  // no picture: the layout size
    you.setPicture(&narrow);
    EXPECT_EQ(you.width(), 240);
    EXPECT_EQ(you.height(), 405);
    you.setPicture(&wide);
    EXPECT_EQ(you.width(), 360);
    EXPECT_EQ(you.left, 360);
    EXPECT_EQ(you.top, 1560);
    you.setPicture(nullptr);  // clearing the picture keeps the last size
    EXPECT_EQ(you.width(), 360);
}

TEST(Layouts, NamesAreUniqueWithinEachForm) {
    for (int i = 0; i < kFormCount; ++i) {
        const FormLayout& layout = formDefinition(static_cast<FormId>(i)).layout;
        SCOPED_TRACE(layout.name);
        std::set<std::string_view> names;
        for (const ObjectSpec& spec : layout.objects) EXPECT_TRUE(names.insert(spec.name).second);
        for (const TimerSpec& spec : layout.timers) EXPECT_TRUE(names.insert(spec.name).second);
        for (const MenuSpec& spec : layout.menus) EXPECT_TRUE(names.insert(spec.name).second);
        for (std::string_view name : layout.focusOrder) EXPECT_TRUE(findObject(layout, name));
    }
    EXPECT_EQ(formDefinition(FormId::GX).layout.objects.size() +
                  formDefinition(FormId::GX).layout.timers.size(),
              123u);
}

TEST(Counters, HoldAtTheSixteenBitBounds) {
    struct Case {
        Int16 value;
        int delta;
        Int16 expected;
    };
    const Case cases[] = {
        {4, -1, 3},           {-32767, -1, -32768}, {-32768, -1, -32768},
        {32766, 1, 32767},    {32767, 1, 32767},    {0, 200, 200},
    };
    for (const Case& c : cases) EXPECT_EQ(addHeld(c.value, c.delta), c.expected);
    Int16 energy = -32768;
    countDown(energy);
    EXPECT_EQ(energy, -32768);
    Int16 fall = 32767;
    countUp(fall);
    EXPECT_EQ(fall, 32767);
}

using LabelState = testing::GameTest;

TEST_F(LabelState, AnInvisibleLabelKeepsItsCaption) {
    startPlaying();
    game[play::VegWay].caption = "Left";
    ticks(3);
    EXPECT_FALSE(game[play::VegWay].visible);
    EXPECT_EQ(value("Play.VegWay.Caption"), "Left");
}

}  // namespace
}  // namespace tt
