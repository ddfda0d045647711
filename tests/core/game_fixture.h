#pragma once

// A game on a virtual clock, started as the program starts it, with helpers
// to reach the play field and to run driver commands.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

#include "app/driver.h"
#include "shell/game.h"
#include "shell/qt/picture_library.h"

namespace tt::testing {

inline const PictureLibrary& gamePictures() { return EmbeddedPictures::instance(); }

class GameTest : public ::testing::Test {
protected:
    explicit GameTest(int clockMs = Game::kDefaultClockMs) : game(gamePictures(), clockMs) {
        game.start();
    }

    // Picks a character on the start screen, presses GO! and runs the first
    // clock tick, on which the level starts.
    void startPlaying(std::string_view character = "Ember");

    // Runs driver commands, one per line; returns what they printed, or the
    // error of the first bad line.
    std::string drive(std::string_view script);

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

inline std::string GameTest::drive(std::string_view script) {
    std::istringstream in{std::string(script)};
    std::ostringstream out;
    std::ostringstream err;
    Driver driver(game, out, err, "test");
    driver.run(in);
    return out.str() + err.str();
}

}  // namespace tt::testing
