// Every picture a layout names is in the program, at the size the layout
// gives it, and the pictures that are one bitmap share their pixels. The
// core tests stand in pictures of the layouts' sizes for these.

#include <gtest/gtest.h>

#include "shell/qt/picture_library.h"
#include "tests/core/game_fixture.h"

namespace tt {
namespace {

const EmbeddedPictures& pictures() { return EmbeddedPictures::instance(); }

TEST(Pictures, AllLoad) {
    EXPECT_EQ(pictures().problems(), std::vector<std::string>{});
    EXPECT_EQ(pictures().all().size(), 140u);
}

TEST(Pictures, EveryNameALayoutUsesResolvesAtTheLayoutSize) {
    for (int i = 0; i < kFormCount; ++i) {
        const FormLayout& layout = formDefinition(static_cast<FormId>(i)).layout;
        if (!layout.icon.empty()) {
            const Picture* icon = pictures().find(layout.icon);
            ASSERT_TRUE(icon) << layout.icon;
            EXPECT_EQ(icon->width, testing::LayoutPictures::kIconPixels);
            EXPECT_EQ(icon->height, testing::LayoutPictures::kIconPixels);
        }
        for (const ObjectSpec& spec : layout.objects) {
            if (spec.kind != ObjectKind::Image || spec.content.empty()) continue;
            SCOPED_TRACE(std::string(layout.name) + "." + std::string(spec.name));
            const Picture* picture = pictures().find(spec.content);
            ASSERT_TRUE(picture) << spec.content;
            EXPECT_EQ(picture->width * kTwipsPerPixel, spec.width);
            EXPECT_EQ(picture->height * kTwipsPerPixel, spec.height);
        }
    }
}

// The core tests run on stand-ins made from the layouts: one for every
// picture of the program, of the same size.
TEST(Pictures, TheCoreTestsStandInsMatchThemOneForOne) {
    const PictureLibrary& standIns = testing::LayoutPictures::instance();
    for (const auto& [name, picture] : pictures().all()) {
        SCOPED_TRACE(name);
        const Picture* standIn = standIns.find(name);
        ASSERT_TRUE(standIn);
        EXPECT_EQ(standIn->width, picture.width);
        EXPECT_EQ(standIn->height, picture.height);
    }
}

TEST(Pictures, TheSamePictureUnderTwoNamesIsOneBitmap) {
    const std::pair<const char*, const char*> same[] = {
        {"FennelJumpRight", "FennelWalkRight"},
        {"FennelJumpLeft", "FennelWalkLeft"},
        {"CloverHoldMoveRight", "CloverHoldRight"},
        {"CloverHoldMoveLeft", "CloverHoldLeft"},
    };
    for (const auto& [first, second] : same) {
        ASSERT_TRUE(pictures().find(first) && pictures().find(second));
        EXPECT_EQ(pictures().find(first)->pixels, pictures().find(second)->pixels);
        EXPECT_EQ(pictures().find(first)->name, first);  // each keeps its own name
    }
    EXPECT_NE(pictures().find("EmberRight")->pixels, pictures().find("EmberLeft")->pixels);
}

TEST(Pictures, OnlyTheDoorAndTheOpaquePicturesHaveNoTransparentPixels) {
    const Picture* door = pictures().find("Door");
    ASSERT_TRUE(door);
    for (std::uint32_t pixel : *door->pixels) ASSERT_EQ(pixel >> 24, 0xFFu);
    const Picture* sky = pictures().find("Sky");
    ASSERT_TRUE(sky);
    for (std::uint32_t pixel : *sky->pixels) ASSERT_EQ(pixel, 0xFF3FBFFFu);  // RGB 63, 191, 255
}

class PicturesInPlay : public testing::GameTest {
protected:
    PicturesInPlay() : GameTest(EmbeddedPictures::instance()) {}
};

TEST_F(PicturesInPlay, TheBankAndThePlayFieldShowTheirPicturesByName) {
    EXPECT_EQ(drive("click Main.Command1\nprint GX.EmberRight.Width Play.Enemy1.Picture "
                    "Play.Log.Picture Play.Plant2.Picture Play.Image2.Picture Play.Ladder.Picture"),
              "GX.EmberRight.Width=<unloaded>\nPlay.Enemy1.Picture=MaskerLeft1\n"
              "Play.Log.Picture=Image1\nPlay.Plant2.Picture=plant\nPlay.Image2.Picture=Door\n"
              "Play.Ladder.Picture=Ladder\n");
    EXPECT_EQ(drive("tick 2\nprint GX.EmberRight.Width Play.You.Picture Play.You.Width"),
              "GX.EmberRight.Width=225\nPlay.You.Picture=EmberRight\nPlay.You.Width=225\n");
}

}  // namespace
}  // namespace tt
