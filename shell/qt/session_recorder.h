#pragma once

// `--record FILE`: the session being played, written as a driver script that
// replays it. The file starts with a comment and the clock period; then comes
// every input the game took, each after the `tick N` for the clock ticks
// since the one before; the end of the session closes it with an `expect`
// line holding the state it arrived at. It is written as it goes and flushed
// every second, so a crash loses at most the last second.

#include <QTimer>

#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "shell/game.h"
#include "shell/qt/player_input.h"

namespace tt {

class SessionRecorder final : public InputLog {
public:
    // Starts the file; nullptr with `error` set when it cannot be written.
    static std::unique_ptr<SessionRecorder> open(const Game& game, const std::string& file,
                                                 std::string_view version, std::string& error);
    // Use open(), which writes the start of the file.
    SessionRecorder(const Game& game, std::string file);

    void beforeInput() override;
    void inputTaken(const std::string& driverLine) override;
    // Writes the ticks so far and flushes the file.
    void flush();
    // Closes the recording with the state the game is in now, unless the
    // input that ended the game has closed it already. Returns false, with
    // `error` set, when not all of it reached the file.
    bool finish(std::string& error);

private:
    void writeTicks();

    const Game& game_;
    std::string file_;
    std::ofstream out_;
    QTimer flushTimer_;
    Micros writtenUpTo_ = 0;
    // The state just before the latest input, in case that input ends the
    // game and takes its state with it.
    std::string stateBefore_;
    bool closed_ = false;
};

}  // namespace tt
