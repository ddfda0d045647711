#pragma once

// The one periodic clock of the windows: a precise Qt timer at the game's
// clock period, carrying real monotonic time into the game.

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

#include "shell/game.h"

namespace tt {

class GameClock {
public:
    // `afterTick` runs after each clock tick, to bring the windows in step.
    GameClock(Game& game, std::function<void()> afterTick);

    void start();
    void stop() { timer_.stop(); }

private:
    void tick();

    Game& game_;
    std::function<void()> afterTick_;
    QTimer timer_;
    QElapsedTimer elapsed_;
};

}  // namespace tt
