#pragma once

// The distances and steps that several rules of the play field share, each
// named once with what it means. Distances are in twips, tops grow downwards.

#include "shell/play_state.h"
#include "shell/units.h"

namespace tt::geometry {

// The hero stands with its Top this far above the Top of what it stands on
// (the ground, a log, the hill, the enemy), less its HeightOffset.
inline constexpr Twips kStanding = 400;

// A jump rises until JumpStep reaches the top of its arc, hangs there one
// tick and then comes down; a fall is a jump started just past the top.
inline constexpr Int16 kTopOfArc = 10;
inline constexpr Int16 kFallStart = kTopOfArc + 1;

// The hero is at ground level while its Top is less than this above the
// ground's Top.
inline constexpr Twips kGroundLevel = 500;

// The walls that keep the hero and the enemy on the field: the left one at
// this Left, the right one this far inside the field's outer width.
inline constexpr Twips kLeftWall = 300;
inline constexpr Twips kRightWallInset = 500;

// The enemy. It is over a surface from this far left of the surface's Left
// to its right edge.
inline constexpr Twips kEnemyOverhang = 100;
// It stands on a surface while its Top is between these two heights above
// the surface's Top.
inline constexpr Twips kEnemySupportHigh = 500;
inline constexpr Twips kEnemySupportLow = 180;
// It touches the hero from this far left of the hero's Left to this far
// right of it, with its Top below the hero's by less than this (plus the
// hero's HeightOffset); a touch knocks it this far back.
inline constexpr Twips kEnemyReachLeft = 100;
inline constexpr Twips kEnemyReachRight = 200;
inline constexpr Twips kEnemyReachBelow = 220;
inline constexpr Twips kEnemyKnockBack = 300;
// A falling enemy is caught by a surface while its Top is less than this
// above the surface's Top and more than the surface's own catch end.
inline constexpr Twips kEnemyCatchDepth = 350;
inline constexpr Twips kEnemyLogCatchEnd = 160;
inline constexpr Twips kEnemyHillCatchEnd = 80;
// Where a caught enemy rests: its Top this far above the log's or the hill's.
inline constexpr Twips kEnemyOnLog = 200;
inline constexpr Twips kEnemyOnHill = 400;
// The enemy is 240 twips tall: once its Top is within 150 of the ground's a
// fall ends, and it rests with its feet on the ground's top edge; within 300
// the ground holds it up.
inline constexpr Twips kEnemyHeight = 240;
inline constexpr Twips kEnemyLanding = 150;
inline constexpr Twips kEnemyOnGround = 300;

}  // namespace tt::geometry
