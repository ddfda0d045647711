#pragma once

// What a player does with a controller, in the game's terms: the four
// directions, which the D-pad and the left stick both give, and the buttons
// the game has a use for.

namespace tt {

enum class PadControl { Up, Down, Left, Right, South, West, East, Start, Back };

inline constexpr int kDirectionCount = 4;

constexpr bool isDirection(PadControl control) {
    return static_cast<int>(control) < kDirectionCount;
}

constexpr int directionIndex(PadControl direction) { return static_cast<int>(direction); }

constexpr PadControl directionAt(int index) { return static_cast<PadControl>(index); }

}  // namespace tt
