#pragma once

// The one place where the front end hands the player's input to the game.
// The windows' clicks, menu items, keys (auto-repeats included), typed text,
// scroll moves and close boxes all come through here, and so does any other
// way of playing, so that a recording sees every input the game took and a
// replay can hold the player's own input back while it plays.

#include <cstdint>
#include <string>
#include <string_view>

#include "shell/game.h"

namespace tt {

// Hears of each input the game is given, as the driver line that repeats it.
class InputLog {
public:
    virtual ~InputLog() = default;
    // Just before an input reaches the game, while the state is still the
    // one it arrives in.
    virtual void beforeInput() = 0;
    // After the game took an input.
    virtual void inputTaken(const std::string& driverLine) = 0;
};

class PlayerInput {
public:
    explicit PlayerInput(Game& game) : game_(game) {}

    // Each returns whether the game took the input: false, changing nothing,
    // when the form is not shown, a modal form blocks it, or a replay holds
    // the player's input back.
    bool click(FormId form, std::string_view object);
    bool keyDown(FormId form, std::int16_t code);
    bool typeText(TextBoxRef box, std::string_view text);
    bool scroll(ScrollBarRef bar, int value);
    // The close boxes always work, a replay or not.
    bool closeBox(FormId form);

    void setLog(InputLog* log) { log_ = log; }
    void holdBack(bool held) { heldBack_ = held; }
    bool heldBack() const { return heldBack_; }
    // A paused game takes no key-downs; the rest of the windows work on.
    void setPaused(bool paused) { paused_ = paused; }

private:
    template <typename Apply, typename Line>
    bool pass(Apply apply, Line line);

    Game& game_;
    InputLog* log_ = nullptr;
    bool heldBack_ = false;
    bool paused_ = false;
};

}  // namespace tt
