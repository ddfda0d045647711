#pragma once

// A game already in play with a chosen character, and short ways to reach
// the hero and the pose word.

#include <string>
#include <string_view>

#include "anim/sprite_bank_layout.h"
#include "level/play_layout.h"
#include "shell/start_layout.h"
#include "tests/core/game_fixture.h"

namespace tt::testing {

class PlayTest : public GameTest {
protected:
    explicit PlayTest(int clockMs = Game::kDefaultClockMs) : GameTest(clockMs) {}

    void play(std::string_view character = "Ember") {
        startPlaying(character);
        // The enemy stands still at its place on the hill, so that only the
        // hero's rules act.
        game[play::En1].setEnabled(false);
        game[play::En1Fall].setEnabled(false);
        game[play::Enemy1].left = 3120;
        game[play::Enemy1].top = 600;
    }

    Image& you() { return game[play::You]; }
    PlayState& vars() { return game.vars(); }
    std::string& pos() { return game[gx::Pos].caption; }
    std::string& way() { return game[play::Way].caption; }
    Timer& timer(TimerRef ref) { return game[ref]; }

    void place(Twips left, Twips top) {
        you().left = left;
        you().top = top;
    }
    void key(std::int16_t code) { game.keyDown(FormId::Play, code); }
};

inline constexpr std::int16_t kSpace = 32;
inline constexpr std::int16_t kLeftArrow = 37;
inline constexpr std::int16_t kUpArrow = 38;
inline constexpr std::int16_t kRightArrow = 39;
inline constexpr std::int16_t kDownArrow = 40;
inline constexpr std::int16_t kZ = 90;

}  // namespace tt::testing
