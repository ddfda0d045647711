#pragma once

// The one periodic clock of the windows: a precise Qt timer at the game's
// clock period. Each of its ticks is exactly one clock period of game time,
// as in the driver; real time only paces the ticks. A late tick is still one
// tick, so a stalled machine slows the game down instead of making it jump,
// and a session played in the windows replays exactly headless.

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

#include "shell/game.h"

namespace tt {

class GameClock {
public:
    // `afterTick` runs after each clock tick, to bring the windows in step.
    GameClock(Game& game, std::function<void()> afterTick);

    // What a clock tick does to the game instead of one plain tick (a replay
    // feeds its recorded input first).
    void setStep(std::function<void()> step) { step_ = std::move(step); }

    void start();
    void stop();
    // A paused clock ticks nothing until it is resumed; a stopped one stays
    // stopped.
    void setPaused(bool paused);

private:
    void tick();

    Game& game_;
    std::function<void()> afterTick_;
    std::function<void()> step_;
    QTimer timer_;
    bool running_ = false;
    bool paused_ = false;
    // Real time, for the benchmark's record of how well the ticks keep pace.
    QElapsedTimer elapsed_;
};

}  // namespace tt
