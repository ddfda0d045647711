#include "shell/qt/game_clock.h"

#include <QCoreApplication>

#include "shell/qt/measurement.h"

namespace tt {

GameClock::GameClock(Game& game, std::function<void()> afterTick)
    : game_(game), afterTick_(std::move(afterTick)) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
}

void GameClock::start() {
    // A replay may have set the period after the clock was made.
    timer_.setInterval(game_.clockPeriodMs());
    elapsed_.start();
    running_ = true;
    if (!paused_) timer_.start();
}

void GameClock::stop() {
    running_ = false;
    timer_.stop();
}

void GameClock::setPaused(bool paused) {
    paused_ = paused;
    if (paused)
        timer_.stop();
    else if (running_)
        timer_.start();
}

void GameClock::tick() {
    if (Measurement* record = Measurement::active()) {
        const Micros micros = elapsed_.nsecsElapsed() / 1000;
        record->clockTick(micros);
        if (record->over(micros)) {
            timer_.stop();
            QCoreApplication::exit(0);
            return;
        }
    }
    if (step_)
        step_();
    else
        game_.tick();
    afterTick_();
}

}  // namespace tt
