// The start screen's handlers: choosing a character, GO! and File / Exit.

#include <array>

#include "level/play_layout.h"
#include "shell/characters.h"
#include "shell/form_definitions.h"
#include "shell/game.h"
#include "shell/start_layout.h"

namespace tt {
namespace {

template <std::size_t Choice>
void chooseCharacter(Game& game) {
    game[start::Character].caption = kCharacters[Choice].caption;
}

// GO! resumes here once the play field is closed: the field it names is
// loaded afresh, hidden, and runs on until the next GO! shows it.
void afterPlayCloses(Game& game) {
    game[play::LoadTimer].setEnabled(true);
    if (const Character* character = chosenCharacter(game))
        game[play::You].top = game[play::Ground].top - character->startDistance;
}

void goClick(Game& game) { game.showModal(FormId::Play, afterPlayCloses); }

void exitClick(Game& game) { game.end(); }

constexpr std::array kClicks{
    ClickHandler{start::ref<ObjectKind::Image>(kCharacters[0].portrait), chooseCharacter<0>},
    ClickHandler{start::ref<ObjectKind::Image>(kCharacters[1].portrait), chooseCharacter<1>},
    ClickHandler{start::ref<ObjectKind::Image>(kCharacters[2].portrait), chooseCharacter<2>},
    ClickHandler{start::ref<ObjectKind::Image>(kCharacters[3].portrait), chooseCharacter<3>},
    ClickHandler{start::ref<ObjectKind::Image>(kCharacters[4].portrait), chooseCharacter<4>},
    ClickHandler{start::ref<ObjectKind::Image>(kCharacters[5].portrait), chooseCharacter<5>},
    ClickHandler{start::Command1, goClick},
    ClickHandler{start::mnuExit, exitClick},
};

static_assert(bindsItsOwnHandlers(start::kLayout, {}, kClicks));

// The start screen stays open for the whole run; closing it ends the program,
// also after a game, when the play field and the other windows still exist.
constexpr FormBehaviour kBehaviour{nullptr, nullptr, {}, kClicks, CloseBox::EndProgram, false};

}  // namespace

const FormDefinition kMainForm{start::kLayout, kBehaviour};

}  // namespace tt
