#pragma once

// The words the game's labels and play variables hold, spelt once. The labels
// keep them as text, since scripts read and write them, and every rule
// compares them exactly: a word that is none of these matches no rule.

#include <string_view>

namespace tt {

// Which way the hero, the vegetable and the enemy face (the play field's Way
// and VegWay labels, EnemyWay and ThrowEnemyWay).
namespace way {
inline constexpr std::string_view kRight = "Right";
inline constexpr std::string_view kLeft = "Left";
}  // namespace way

enum class Facing : unsigned char { Right, Left, Neither };

constexpr Facing facingOf(std::string_view word) {
    if (word == way::kRight) return Facing::Right;
    if (word == way::kLeft) return Facing::Left;
    return Facing::Neither;
}

// The hero's poses, as the sprite bank's Pos label holds them. A pose that
// faces has a word for each way.
struct FacingPose {
    std::string_view right;
    std::string_view left;
};

namespace pose {
inline constexpr FacingPose kStand{way::kRight, way::kLeft};
inline constexpr FacingPose kWalk{"WalkRight", "WalkLeft"};
inline constexpr FacingPose kJump{"JumpRight", "JumpLeft"};
inline constexpr FacingPose kPull{"PullRight", "PullLeft"};
inline constexpr FacingPose kHold{"HoldRight", "HoldLeft"};
inline constexpr FacingPose kHoldMove{"HoldMoveRight", "HoldMoveLeft"};
inline constexpr FacingPose kThrow{"ThrowRight", "ThrowLeft"};
inline constexpr std::string_view kClimb1 = "LadderPos1";
inline constexpr std::string_view kClimb2 = "LadderPos2";
inline constexpr std::string_view kLift = "Lift";
}  // namespace pose

}  // namespace tt
