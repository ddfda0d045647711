// The hero's picture follows the chosen character and the pose word.

#include "anim/pose_selection.h"

#include <array>
#include <string_view>

#include "anim/sprite_bank_layout.h"
#include "level/play_layout.h"
#include "shell/characters.h"
#include "shell/game.h"
#include "shell/words.h"

namespace tt::anim {
namespace {

struct Pose {
    std::string_view word;
    std::string_view suffix;
};

// Each pose's picture is the character's prefix and a suffix, which is the
// pose word itself but for the climbing frames.
constexpr std::array<Pose, 17> kPoses{{
    {pose::kStand.right, pose::kStand.right},
    {pose::kWalk.right, pose::kWalk.right},
    {pose::kStand.left, pose::kStand.left},
    {pose::kWalk.left, pose::kWalk.left},
    {pose::kJump.right, pose::kJump.right},
    {pose::kJump.left, pose::kJump.left},
    {pose::kClimb1, "Climb1"},
    {pose::kClimb2, "Climb2"},
    {pose::kPull.right, pose::kPull.right},
    {pose::kPull.left, pose::kPull.left},
    {pose::kLift, pose::kLift},
    {pose::kHold.right, pose::kHold.right},
    {pose::kHold.left, pose::kHold.left},
    {pose::kHoldMove.right, pose::kHoldMove.right},
    {pose::kHoldMove.left, pose::kHoldMove.left},
    {pose::kThrow.right, pose::kThrow.right},
    {pose::kThrow.left, pose::kThrow.left},
}};

constexpr ImageRef spriteOf(std::string_view prefix, std::string_view suffix) {
    std::uint16_t index = 0;
    for (const ObjectSpec& spec : gx::kObjects) {
        if (spec.kind != ObjectKind::Image) continue;
        if (spec.name.size() == prefix.size() + suffix.size() && spec.name.starts_with(prefix) &&
            spec.name.ends_with(suffix))
            return {FormId::GX, index};
        ++index;
    }
    throw "the sprite bank lacks a character sprite";
}

using SpriteTable = std::array<std::array<ImageRef, kPoses.size()>, kCharacters.size()>;

constexpr SpriteTable kSprites = [] {
    SpriteTable table{};
    for (std::size_t who = 0; who < kCharacters.size(); ++who)
        for (std::size_t pose = 0; pose < kPoses.size(); ++pose)
            table[who][pose] = spriteOf(kCharacters[who].spritePrefix, kPoses[pose].suffix);
    return table;
}();

// A caption that names no character shows Ember.
std::size_t chosenRow(Game& game) {
    const Character* character = chosenCharacter(game);
    return character ? static_cast<std::size_t>(character - kCharacters.data()) : 0;
}

}  // namespace

void poseSelectionTick(Game& game) {
    const std::size_t who = chosenRow(game);
    const std::string& pose = game[gx::Pos].caption;
    for (std::size_t row = 0; row < kPoses.size(); ++row) {
        if (pose != kPoses[row].word) continue;
        game[play::You].setPicture(game[kSprites[who][row]].picture());
        return;  // the words differ, so no later row can match
    }
}

}  // namespace tt::anim
