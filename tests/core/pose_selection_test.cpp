// The hero's picture from the chosen character and the pose word.

#include <gtest/gtest.h>

#include <string>

#include "anim/pose_selection.h"
#include "tests/core/game_fixture.h"

namespace tt::testing {
namespace {

class PoseSelectionTest : public PlayTest {
protected:
    void SetUp() override { play("Ember"); }

    std::string& character() { return game[start::Character].caption; }
    std::string shown(const std::string& characterCaption, const std::string& pose) {
        character() = characterCaption;
        this->pos() = pose;
        anim::poseSelectionTick(game);
        return value("Play.You.Picture");
    }
};

TEST_F(PoseSelectionTest, EveryCharacterHasEveryPoseAndTakesItsSize) {
    struct Who {
        const char* caption;
        const char* prefix;
    };
    const Who characters[] = {{"Ember", "Ember"}, {"Fennel", "Fennel"}, {"Pip", "Pip"},
                              {"Clover", "Clover"}, {"Rook", "Rook"}, {"Volt Kid", "Volt"}};
    struct Pose {
        const char* word;
        const char* suffix;
    };
    const Pose poses[] = {
        {"Right", "Right"},         {"WalkRight", "WalkRight"},   {"Left", "Left"},
        {"WalkLeft", "WalkLeft"},   {"JumpRight", "JumpRight"},   {"JumpLeft", "JumpLeft"},
        {"LadderPos1", "Climb1"},   {"LadderPos2", "Climb2"},     {"PullRight", "PullRight"},
        {"PullLeft", "PullLeft"},   {"Lift", "Lift"},             {"HoldRight", "HoldRight"},
        {"HoldLeft", "HoldLeft"},   {"HoldMoveRight", "HoldMoveRight"},
        {"HoldMoveLeft", "HoldMoveLeft"}, {"ThrowRight", "ThrowRight"},
        {"ThrowLeft", "ThrowLeft"},
    };
    place(1000, 1000);
    for (const Who& who : characters) {
        for (const Pose& pose : poses) {
            const std::string sprite = std::string(who.prefix) + pose.suffix;
            SCOPED_TRACE(sprite);
            // Two sprites share a picture here and there, so the name shown
            // may be either; the size must be the sprite's.
            const std::string picture = shown(who.caption, pose.word);
            EXPECT_EQ(picture, value("GX." + sprite + ".Picture"));
            EXPECT_EQ(value("Play.You.Width"), value("GX." + sprite + ".Width"));
            EXPECT_EQ(value("Play.You.Height"), value("GX." + sprite + ".Height"));
            EXPECT_EQ(you().left, 1000);
            EXPECT_EQ(you().top, 1000);
        }
    }
}

TEST_F(PoseSelectionTest, EmberStandsAt225By405) {
    EXPECT_EQ(shown("Ember", "Right"), "EmberRight");
    EXPECT_EQ(you().width(), 225);
    EXPECT_EQ(you().height(), 405);
    EXPECT_EQ(shown("Rook", "LadderPos2"), "RookClimb2");
}

TEST_F(PoseSelectionTest, UnknownCaptionsShowEmber) {
    for (const char* caption : {"Volt", "", "ember", "Volt Kid "}) {
        SCOPED_TRACE(caption);
        EXPECT_EQ(shown(caption, "WalkLeft"), "EmberWalkLeft");
    }
    EXPECT_EQ(shown("Volt Kid", "WalkLeft"), "VoltWalkLeft");
}

TEST_F(PoseSelectionTest, UnknownPoseWordsChangeNothing) {
    const std::string before = shown("Pip", "Lift");
    for (const char* word : {"Climb2", "right", "", "Label1", "Lift ", "HoldMove"}) {
        SCOPED_TRACE(word);
        EXPECT_EQ(shown("Pip", word), before);
    }
}

TEST_F(PoseSelectionTest, OtherCharacterShowsAtTheBanksNextTick) {
    game.tick();
    character() = "Clover";
    EXPECT_EQ(value("Play.You.Picture"), "EmberRight");
    game.tick();
    EXPECT_EQ(value("Play.You.Picture"), "CloverRight");
}

}  // namespace
}  // namespace tt::testing
