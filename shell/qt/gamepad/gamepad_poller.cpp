#include "shell/qt/gamepad/gamepad_poller.h"

#include <QGuiApplication>
#include <QStyleHints>

#include <iostream>

namespace tt {
namespace {

// With a controller connected, often enough that a press is passed on well
// within a clock period and a repeat is on time to a few milliseconds;
// without one, only to notice one being plugged in, which saves the CPU.
constexpr int kPollMs = 8;
constexpr int kIdlePollMs = 100;
constexpr int kRepeatDelayMs = 500;

}  // namespace

RepeatTiming desktopKeyRepeat() {
    const int rate = QGuiApplication::styleHints()->keyboardAutoRepeatRate();
    return {kRepeatDelayMs, 1000 / std::max(rate, 1)};
}

std::unique_ptr<GamepadPoller> GamepadPoller::start(const Game& game, FormInput& input) {
    std::unique_ptr<GamepadPoller> poller(new GamepadPoller(game, input));
    std::string error;
    poller->pads_ = Gamepads::open(poller->mapping_, desktopKeyRepeat(), error);
    if (!poller->pads_) {
        std::cerr << "turnip-trek: " << error << '\n';
        return nullptr;
    }
    poller->elapsed_.start();
    poller->timer_.start(kIdlePollMs);
    return poller;
}

GamepadPoller::GamepadPoller(const Game& game, FormInput& input) : mapping_(game, input) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        pads_->poll(elapsed_.elapsed());
        const int period = pads_->connected() > 0 ? kPollMs : kIdlePollMs;
        if (timer_.interval() != period) timer_.setInterval(period);
    });
}

}  // namespace tt
