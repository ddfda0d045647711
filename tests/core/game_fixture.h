#pragma once

// The core tests' games, all on a virtual clock and the layouts' pictures:
// GameTest, started as the program starts it; PlayTest, in play with a
// chosen character and the enemy held still; ItemsTest, with the play field
// loaded but its level not started, for the rules of the plants, the
// vegetable, the enemy and the energy markers.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "anim/sprite_bank_layout.h"
#include "level/play_layout.h"
#include "shell/game.h"
#include "shell/start_layout.h"
#include "tests/core/layout_pictures.h"
#include "tests/core/script_run.h"

namespace tt::testing {

class GameTest : public ::testing::Test {
protected:
    explicit GameTest(int clockMs = Game::kDefaultClockMs)
        : GameTest(LayoutPictures::instance(), clockMs) {}
    // For the tests that need the program's own decoded pictures.
    explicit GameTest(const PictureLibrary& pictures, int clockMs = Game::kDefaultClockMs)
        : game(pictures, clockMs) {
        game.start();
    }

    // Picks a character on the start screen, presses GO! and runs the first
    // clock tick, on which the level starts.
    void startPlaying(std::string_view character = "Ember");

    // Runs driver commands, one per line; returns what they printed, then
    // the error of the first bad line.
    std::string drive(std::string_view script) {
        const ScriptRun run = runScript(game, script);
        return run.out + run.err;
    }

    // The value `print` shows for one target.
    std::string value(std::string_view target) {
        std::string printed = drive("print " + std::string(target));
        const std::size_t equals = printed.find('=');
        if (equals == std::string::npos) return printed;
        printed.erase(0, equals + 1);
        if (!printed.empty() && printed.back() == '\n') printed.pop_back();
        return printed;
    }

    void ticks(int count) {
        for (int i = 0; i < count; ++i) game.tick();
    }

    PlayState& vars() { return game.vars(); }

    // The name of the picture an image shows, "None" without one.
    std::string pictureOf(ImageRef image) {
        const Picture* picture = game[image].picture();
        return picture ? picture->name : "None";
    }

    Game game;
};

inline void GameTest::startPlaying(std::string_view character) {
    static constexpr std::pair<std::string_view, std::string_view> kPortraits[] = {
        {"Ember", "Image2"}, {"Fennel", "Image1"}, {"Pip", "Image3"},
        {"Clover", "Image4"}, {"Rook", "Image7"}, {"Volt Kid", "Image8"}};
    for (const auto& [name, portrait] : kPortraits)
        if (name == character) game.click(FormId::Main, portrait);
    game.click(FormId::Main, "Command1");
    game.tick();
}

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

class ItemsTest : public GameTest {
protected:
    explicit ItemsTest(int clockMs = Game::kDefaultClockMs) : GameTest(clockMs) {
        game.objects(FormId::Play);  // loaded, its clock not yet advanced
    }

    void place(ImageRef image, Twips left, Twips top) {
        game[image].left = left;
        game[image].top = top;
    }
};

}  // namespace tt::testing
