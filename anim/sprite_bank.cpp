#include <array>

#include "anim/pose_selection.h"
#include "anim/sprite_bank_layout.h"
#include "shell/form_definitions.h"

namespace tt {
namespace {

constexpr std::array kTicks{TimerHandler{gx::Constant, anim::poseSelectionTick}};
static_assert(bindsItsOwnHandlers(gx::kLayout, kTicks, {}));
constexpr FormBehaviour kBehaviour{nullptr, nullptr, kTicks, {}, CloseBox::Unload, false};

}  // namespace

const FormDefinition kSpriteBankForm{gx::kLayout, kBehaviour};

}  // namespace tt
