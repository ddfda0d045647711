#include "shell/play_state.h"

#include <array>

namespace tt {
namespace {

constexpr std::array<NamedPlayVariable, 17> kVariables{{
    {"Energy", &PlayState::Energy},
    {"Holding", &PlayState::Holding},
    {"ClimbStep", &PlayState::ClimbStep},
    {"WalkStep", &PlayState::WalkStep},
    {"JumpStep", &PlayState::JumpStep},
    {"HeightOffset", &PlayState::HeightOffset},
    {"OnEnemy", &PlayState::OnEnemy},
    {"PickStep", &PlayState::PickStep},
    {"PickedPlant", &PlayState::PickedPlant},
    {"PulledPlant", &PlayState::PulledPlant},
    {"EnemyLift", &PlayState::EnemyLift},
    {"EnemyHeld", &PlayState::EnemyHeld},
    {"ThrowEnemyWay", &PlayState::ThrowEnemyWay},
    {"ThrowStep", &PlayState::ThrowStep},
    {"EnemyStep", &PlayState::EnemyStep},
    {"EnemyWay", &PlayState::EnemyWay},
    {"FallStep", &PlayState::FallStep},
}};

}  // namespace

std::span<const NamedPlayVariable> playVariables() { return kVariables; }

const NamedPlayVariable* findPlayVariable(std::string_view name) {
    for (const NamedPlayVariable& variable : kVariables)
        if (variable.name == name) return &variable;
    return nullptr;
}

}  // namespace tt
