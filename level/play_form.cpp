// The play field's handlers, by the timer, key or menu item they serve.

#include <array>

#include "dialogs/dialog_handlers.h"
#include "hero/hero_handlers.h"
#include "items/item_handlers.h"
#include "level/play_layout.h"
#include "shell/form_definitions.h"
#include "world/world_handlers.h"

namespace tt {
namespace {

constexpr std::array kTicks{
    TimerHandler{play::GetHurt, items::getHurtTick},
    TimerHandler{play::Constant, world::frameRulesTick},
    TimerHandler{play::Dectection, world::detectionTick},
    TimerHandler{play::Jump, hero::jumpTick},
    TimerHandler{play::WalkRight, hero::walkRightTick},
    TimerHandler{play::WalkLeft, hero::walkLeftTick},
    TimerHandler{play::Pick, items::pickTick},
    TimerHandler{play::Throw, items::throwTick},
    TimerHandler{play::LoadTimer, hero::levelStartTick},
    TimerHandler{play::En1, items::enemyPatrolTick},
    TimerHandler{play::En1Fall, items::enemyFallTick},
    TimerHandler{play::ThrowEn1, items::enemyThrowTick},
};

constexpr std::array kClicks{ClickHandler{play::mnuSettings, dialogs::settingsMenuClick}};

static_assert(bindsItsOwnHandlers(play::kLayout, kTicks, kClicks));

constexpr FormBehaviour kBehaviour{hero::playLoad, hero::keyDown,     kTicks,
                                   kClicks,        CloseBox::Unload, false};

}  // namespace

const FormDefinition kPlayForm{play::kLayout, kBehaviour};

}  // namespace tt
