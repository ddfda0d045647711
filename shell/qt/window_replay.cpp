#include "shell/qt/window_replay.h"

#include <charconv>
#include <fstream>

#include "app/expectations.h"

namespace tt {
namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string_view commandOf(std::string_view line, std::string_view& rest) {
    const std::size_t start = line.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) return {};
    line.remove_prefix(start);
    const std::size_t end = std::min(line.find_first_of(kBlanks), line.size());
    rest = line.substr(end);
    return line.substr(0, end);
}

}  // namespace

std::unique_ptr<WindowReplay> WindowReplay::open(Game& game, PlayerInput& input,
                                                 const std::string& file, std::ostream& report,
                                                 std::string& error) {
    std::ifstream in(file);
    if (!in) {
        error = "cannot read the recording '" + file + "'";
        return nullptr;
    }
    auto replay = std::make_unique<WindowReplay>(game, input, file, report);
    for (std::string line; std::getline(in, line);) replay->lines_.push_back(std::move(line));
    // The recording's last check is where it ends; what follows it is only
    // the input that ended the recorded game, and the player plays on.
    replay->last_ = replay->lines_.size();
    for (std::size_t i = replay->lines_.size(); i-- > 0;) {
        std::string_view rest;
        if (commandOf(replay->lines_[i], rest) == "expect") {
            replay->last_ = i + 1;
            break;
        }
    }
    return replay;
}

WindowReplay::WindowReplay(Game& game, PlayerInput& input, std::string file, std::ostream& report)
    : game_(game), input_(input), file_(std::move(file)), report_(report),
      driver_(game, report, driverErrors_, file_) {}

void WindowReplay::begin() {
    input_.holdBack(true);
    runUntilTicks();
}

void WindowReplay::step() {
    if (playing_ && ticksDue_ == 0) runUntilTicks();
    if (ticksDue_ > 0) --ticksDue_;
    game_.tick();
}

void WindowReplay::runUntilTicks() {
    while (playing_ && ticksDue_ == 0) {
        if (game_.ended()) return end("the game ended before the end of the recording");
        if (next_ >= last_) return end("the recording ended with no state to compare");
        const std::size_t index = next_++;
        runLine(lines_[index], static_cast<int>(index + 1));
    }
}

void WindowReplay::runLine(const std::string& line, int number) {
    std::string_view rest;
    const std::string_view command = commandOf(line, rest);
    const std::string where = file_ + ":" + std::to_string(number) + ": ";
    if (command == "tick") {
        const std::size_t start = rest.find_first_not_of(kBlanks);
        const std::string_view count =
            start == std::string_view::npos
                ? std::string_view{}
                : rest.substr(start, rest.find_last_not_of(kBlanks) - start + 1);
        long long ticks = 1;
        const auto parsed = std::from_chars(count.data(), count.data() + count.size(), ticks);
        if (!count.empty() && (parsed.ec != std::errc{} || parsed.ptr != count.data() + count.size() ||
                               ticks < 0)) {
            end(where + "bad number '" + std::string(count) + "'");
            return;
        }
        ticksDue_ = ticks;
        return;
    }
    if (command == "expect") {
        std::string error;
        const std::string mismatch = checkExpectations(game_, rest, error);
        if (!error.empty()) return end(where + error);
        if (!mismatch.empty()) return end("the state differs from the recording: " + where + mismatch);
        if (next_ >= last_) end("the state matched the recording");
        return;
    }
    if (!driver_.runLine(line, number)) {
        std::string error = driverErrors_.str();
        while (!error.empty() && error.back() == '\n') error.pop_back();
        end(error);
    }
}

void WindowReplay::end(const std::string& outcome) {
    if (!playing_) return;
    playing_ = false;
    ticksDue_ = 0;
    input_.holdBack(false);
    report_ << "replay: " << outcome << std::endl;
}

void WindowReplay::finish() {
    end("the program ended before the end of the recording");
}

}  // namespace tt
