// The speed settings window, opened from the play field's menu.

#include <array>
#include <charconv>

#include "dialogs/dialog_handlers.h"
#include "dialogs/settings_layout.h"
#include "shell/form_definitions.h"
#include "shell/game.h"

namespace tt::dialogs {

void settingsMenuClick(Game& game) { game.showModal(FormId::Settings, nullptr); }

// The window stays loaded, so the speed chosen holds after it closes.
void okClick(Game& game) { game.hide(FormId::Settings); }

void speedCaptionTick(Game& game) {
    std::array<char, 8> digits{};
    const auto [end, error] =
        std::to_chars(digits.data(), digits.data() + digits.size(), game[settings::SpeedBar].value);
    game[settings::cmdOK].caption.assign(digits.data(), end);
}

}  // namespace tt::dialogs

namespace tt {
namespace {

constexpr std::array kTicks{TimerHandler{settings::Constant, dialogs::speedCaptionTick}};
constexpr std::array kClicks{ClickHandler{settings::cmdOK, dialogs::okClick}};
static_assert(bindsItsOwnHandlers(settings::kLayout, kTicks, kClicks));
constexpr FormBehaviour kBehaviour{nullptr, nullptr, kTicks, kClicks, CloseBox::Unload, false};

}  // namespace

const FormDefinition kSettingsForm{settings::kLayout, kBehaviour};

}  // namespace tt
