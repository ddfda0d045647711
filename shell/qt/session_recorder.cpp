#include "shell/qt/session_recorder.h"

#include <QDateTime>

#include "app/expectations.h"

namespace tt {

std::unique_ptr<SessionRecorder> SessionRecorder::open(const Game& game, const std::string& file,
                                                       std::string_view version,
                                                       std::string& error) {
    auto recorder = std::make_unique<SessionRecorder>(game, file);
    std::ofstream& out = recorder->out_;
    out.open(file, std::ios::out | std::ios::trunc);
    const std::string date =
        QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
    out << "# Turnip Trek 2 " << version << ", clock period " << game.clockPeriodMs()
        << " ms, recorded " << date << "\n"
        << "# Replay with: turnip-trek --headless FILE, or turnip-trek --replay FILE\n"
        << "clock " << game.clockPeriodMs() << '\n';
    out.flush();
    if (!out) {
        error = "cannot write the recording '" + file + "'";
        return nullptr;
    }
    recorder->writtenUpTo_ = game.now();
    recorder->flushTimer_.start();
    return recorder;
}

SessionRecorder::SessionRecorder(const Game& game, std::string file)
    : game_(game), file_(std::move(file)) {
    flushTimer_.setInterval(1000);
    QObject::connect(&flushTimer_, &QTimer::timeout, [this] { flush(); });
}

void SessionRecorder::writeTicks() {
    const Micros period = Micros{game_.clockPeriodMs()} * 1000;
    const Micros ticks = (game_.now() - writtenUpTo_) / period;
    if (ticks <= 0) return;
    out_ << "tick " << ticks << '\n';
    writtenUpTo_ += ticks * period;
}

void SessionRecorder::beforeInput() {
    if (!closed_) stateBefore_ = stateExpectation(game_);
}

void SessionRecorder::inputTaken(const std::string& driverLine) {
    if (closed_) return;
    writeTicks();
    if (game_.ended()) {
        // The check comes before the input that ends the game: a replay stops
        // at the end of the game and runs nothing after it.
        out_ << stateBefore_ << '\n';
        closed_ = true;
    }
    out_ << driverLine << '\n';
    if (closed_) out_.flush();
}

void SessionRecorder::flush() {
    if (!closed_) writeTicks();
    out_.flush();
}

bool SessionRecorder::finish(std::string& error) {
    flushTimer_.stop();
    if (!closed_) {
        writeTicks();
        // Only an input ends the game; should anything else, its state is gone.
        if (game_.ended())
            out_ << "# the game ended here\n";
        else
            out_ << stateExpectation(game_) << '\n';
        closed_ = true;
    }
    out_.flush();
    if (out_) return true;
    error = "could not write all of the recording '" + file_ + "'";
    return false;
}

}  // namespace tt
