#pragma once

// The play field's own variables. They belong to the play field but outlive
// its window: closing and reloading the field keeps them.

#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace tt {

using Int16 = std::int16_t;

struct PlayState {
    Int16 Energy = 0;
    Int16 Holding = 0;
    Int16 ClimbStep = 0;
    Int16 WalkStep = 0;
    Int16 JumpStep = 0;
    Int16 HeightOffset = 0;
    Int16 OnEnemy = 0;
    Int16 PickStep = 0;
    Int16 EnemyLift = 0;
    Int16 EnemyHeld = 0;
    Int16 ThrowStep = 0;
    Int16 EnemyStep = 0;
    Int16 FallStep = 0;
    std::optional<Int16> PickedPlant;  // empty until the first pull
    std::optional<Int16> PulledPlant;
    std::string ThrowEnemyWay;
    std::string EnemyWay;
};

// Counters are 16-bit. A few can be driven past the range by long play (the
// energy after tens of thousands of hits, a fall counter while the falling
// enemy is carried, the enemy's step counter while a lift is left frozen):
// they stop at the bound instead of wrapping or stopping the game.
constexpr Int16 addHeld(Int16 value, int delta) {
    const int sum = value + delta;
    if (sum > std::numeric_limits<Int16>::max()) return std::numeric_limits<Int16>::max();
    if (sum < std::numeric_limits<Int16>::min()) return std::numeric_limits<Int16>::min();
    return static_cast<Int16>(sum);
}
constexpr void countUp(Int16& counter) { counter = addHeld(counter, 1); }
constexpr void countDown(Int16& counter) { counter = addHeld(counter, -1); }

// Access by name, for the driver.
using PlayVariable =
    std::variant<Int16 PlayState::*, std::optional<Int16> PlayState::*, std::string PlayState::*>;
struct NamedPlayVariable {
    std::string_view name;
    PlayVariable member;
};
const NamedPlayVariable* findPlayVariable(std::string_view name);
// Every play variable, in the order of the list above.
std::span<const NamedPlayVariable> playVariables();

}  // namespace tt
