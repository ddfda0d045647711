#include "shell/qt/game_clock.h"

#include <QCoreApplication>

#include "shell/qt/measurement.h"

namespace tt {

GameClock::GameClock(Game& game, std::function<void()> afterTick)
    : game_(game), afterTick_(std::move(afterTick)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(game.clockPeriodMs());
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
}

void GameClock::start() {
    // The game's time starts where it stands, so it never runs backwards.
    elapsed_.start();
    timer_.start();
}

void GameClock::tick() {
    const Micros micros = elapsed_.nsecsElapsed() / 1000;
    if (Measurement* record = Measurement::active()) {
        record->clockTick(micros);
        if (record->over(micros)) {
            timer_.stop();
            QCoreApplication::exit(0);
            return;
        }
    }
    game_.tickAt(game_.now() > micros ? game_.now() : micros);
    afterTick_();
}

}  // namespace tt
