// The hero's picture follows the chosen character and the pose word.

#include "anim/pose_selection.h"

#include <array>
#include <string_view>

#include "anim/sprite_bank_layout.h"
#include "level/play_layout.h"
#include "shell/characters.h"
#include "shell/game.h"
#include "shell/start_layout.h"

namespace tt::anim {
namespace {

struct Pose {
    std::string_view word;
    std::string_view suffix;
};

constexpr std::array<Pose, 17> kPoses{{
    {"Right", "Right"},
    {"WalkRight", "WalkRight"},
    {"Left", "Left"},
    {"WalkLeft", "WalkLeft"},
    {"JumpRight", "JumpRight"},
    {"JumpLeft", "JumpLeft"},
    {"LadderPos1", "Climb1"},
    {"LadderPos2", "Climb2"},
    {"PullRight", "PullRight"},
    {"PullLeft", "PullLeft"},
    {"Lift", "Lift"},
    {"HoldRight", "HoldRight"},
    {"HoldLeft", "HoldLeft"},
    {"HoldMoveRight", "HoldMoveRight"},
    {"HoldMoveLeft", "HoldMoveLeft"},
    {"ThrowRight", "ThrowRight"},
    {"ThrowLeft", "ThrowLeft"},
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
std::size_t chosenCharacter(const std::string& caption) {
    for (std::size_t who = 0; who < kCharacters.size(); ++who)
        if (caption == kCharacters[who].caption) return who;
    return 0;
}

}  // namespace

void poseSelectionTick(Game& game) {
    const std::size_t who = chosenCharacter(game[start::Character].caption);
    const std::string& pose = game[gx::Pos].caption;
    for (std::size_t row = 0; row < kPoses.size(); ++row) {
        if (pose != kPoses[row].word) continue;
        game[play::You].setPicture(game[kSprites[who][row]].picture());
        return;  // the words differ, so no later row can match
    }
}

}  // namespace tt::anim
