// The say window: its line goes above the hero, exactly as typed.

#include <array>

#include "dialogs/dialog_handlers.h"
#include "dialogs/say_layout.h"
#include "level/play_layout.h"
#include "shell/form_definitions.h"
#include "shell/game.h"

namespace tt::dialogs {

void sayClick(Game& game) { game[play::YouSay].caption = game[say::txtSend].text; }

}  // namespace tt::dialogs

namespace tt {
namespace {

constexpr std::array kClicks{ClickHandler{say::cmdSay, dialogs::sayClick}};
static_assert(bindsItsOwnHandlers(say::kLayout, {}, kClicks));
// The say window exists to be typed into during play, so the play field's
// modal show does not block it.
constexpr FormBehaviour kBehaviour{nullptr, nullptr, {}, kClicks, CloseBox::Unload, true};

}  // namespace

const FormDefinition kSayForm{say::kLayout, kBehaviour};

}  // namespace tt
