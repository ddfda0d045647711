#pragma once

// `--replay FILE`: a recording played in the windows at its own pace. Each
// clock tick of the windows is one `tick` of the recording, and the input
// recorded between two ticks is given to the game before the later one; the
// player's own input is held back meanwhile, all but the close boxes. The
// replay ends at the recording's last `expect`, with one line on standard
// output saying whether the game arrived at the recorded state; then the
// player plays on.

#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/driver.h"
#include "shell/qt/player_input.h"

namespace tt {

class WindowReplay {
public:
    // Reads the recording; nullptr with `error` set when it cannot be read.
    static std::unique_ptr<WindowReplay> open(Game& game, PlayerInput& input,
                                              const std::string& file, std::ostream& report,
                                              std::string& error);
    // Use open(), which reads the recording.
    WindowReplay(Game& game, PlayerInput& input, std::string file, std::ostream& report);

    // Runs what comes before the first tick (the clock period, the first
    // clicks), before the clock starts.
    void begin();
    // One clock tick: the recorded input due before it, then the tick itself.
    void step();
    bool playing() const { return playing_; }
    // The program ends: says so if the replay had not come to its end.
    void finish();

private:
    // Runs lines until one asks for ticks, or the replay is over.
    void runUntilTicks();
    void runLine(const std::string& line, int number);
    void end(const std::string& outcome);

    Game& game_;
    PlayerInput& input_;
    std::string file_;
    std::ostream& report_;
    std::ostringstream driverErrors_;
    Driver driver_;
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    std::size_t last_ = 0;  // one past the last line the replay runs
    long long ticksDue_ = 0;
    bool playing_ = true;
};

}  // namespace tt
