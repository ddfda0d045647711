#pragma once

// The controllers in the windows: polled from a Qt timer, their input passed
// on to the game through the same door as the keyboard's and the mouse's.

#include <QElapsedTimer>
#include <QTimer>

#include <memory>

#include "shell/qt/gamepad/gamepads.h"
#include "shell/qt/gamepad/pad_mapping.h"

namespace tt {

class GamepadPoller {
public:
    // Starts polling; nullptr, after one line on standard error, when the
    // controllers cannot be read.
    static std::unique_ptr<GamepadPoller> start(const Game& game, FormInput& input);
    GamepadPoller(const GamepadPoller&) = delete;
    GamepadPoller& operator=(const GamepadPoller&) = delete;

    PadMapping& mapping() { return mapping_; }

private:
    GamepadPoller(const Game& game, FormInput& input);

    PadMapping mapping_;
    std::unique_ptr<Gamepads> pads_;
    QTimer timer_;
    QElapsedTimer elapsed_;
};

// The desktop's key repeat: the rate its style hints give, and a delay of
// half a second, the usual desktop setting, for which Qt has no hint.
RepeatTiming desktopKeyRepeat();

}  // namespace tt
