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
    TimerHandler{"GetHurt", items::getHurtTick},
    TimerHandler{"Constant", world::frameRulesTick},
    TimerHandler{"Dectection", world::detectionTick},
    TimerHandler{"Jump", hero::jumpTick},
    TimerHandler{"WalkRight", hero::walkRightTick},
    TimerHandler{"WalkLeft", hero::walkLeftTick},
    TimerHandler{"Pick", items::pickTick},
    TimerHandler{"Throw", items::throwTick},
    TimerHandler{"LoadTimer", hero::levelStartTick},
    TimerHandler{"En1", items::enemyPatrolTick},
    TimerHandler{"En1Fall", items::enemyFallTick},
    TimerHandler{"ThrowEn1", items::enemyThrowTick},
};

constexpr std::array kClicks{ClickHandler{"mnuSettings", dialogs::settingsMenuClick}};

constexpr FormBehaviour kBehaviour{hero::playLoad, hero::keyDown,     kTicks,
                                   kClicks,        CloseBox::Unload, false};

}  // namespace

const FormDefinition kPlayForm{play::kLayout, kBehaviour};

}  // namespace tt
