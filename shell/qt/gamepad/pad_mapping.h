#pragma once

// What a controller does on each window, put into the game as the keyboard
// and the mouse would put it: key-downs with their virtual-key codes on the
// play field, clicks and scroll-bar moves elsewhere. The window that takes the
// controller is the one in front of the game's modal shows: the settings
// window over the play field over the start screen.

#include <functional>

#include "shell/game.h"
#include "shell/qt/form_input.h"
#include "shell/qt/gamepad/pad_control.h"

namespace tt {

class PadMapping {
public:
    PadMapping(const Game& game, FormInput& input) : game_(game), input_(input) {}

    // A button pressed, or a direction's key-down, first or repeated.
    void press(PadControl control);
    // What Start does on the play field; nothing until it is given.
    void onStart(std::function<void()> start) { start_ = std::move(start); }

private:
    void onPlayField(PadControl control);
    void onSettings(PadControl control);
    void onStartScreen(PadControl control);

    const Game& game_;
    FormInput& input_;
    std::function<void()> start_;
};

}  // namespace tt
