#pragma once

// A play field for the rules of the plants, the vegetable, the enemy and the
// energy markers. Its picture library hands out a picture under any name
// asked for, so every test can tell which sprite an image shows, whether or
// not the game's own pictures are built in. The surfaces and the enemy get
// their true sizes, which the rules read; the rest are 16 by 16.

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <string_view>

#include "app/driver.h"
#include "level/play_layout.h"
#include "shell/game.h"

namespace tt::testing {

class NamedPictures final : public PictureLibrary {
public:
    const Picture* find(std::string_view name) const override {
        if (name.empty()) return nullptr;
        auto found = pictures_.find(name);
        if (found == pictures_.end()) {
            auto [width, height] = sizeOf(name);
            found = pictures_.emplace(std::string(name), Picture{std::string(name), width, height, {}})
                        .first;
        }
        return &found->second;
    }

private:
    static std::pair<int, int> sizeOf(std::string_view name) {
        static constexpr std::pair<std::string_view, std::pair<int, int>> kSizes[] = {
            {"Image1", {64, 16}},       {"Hill", {48, 81}},        {"Ground", {256, 24}},
            {"plant", {15, 8}},         {"MaskerRight2", {16, 15}}, {"MaskerLeft2", {16, 15}},
            {"FullEnergy", {8, 14}},    {"EmptyEnergy", {8, 14}},  {"Sky", {582, 311}},
        };
        for (const auto& [known, size] : kSizes)
            if (known == name) return size;
        return {16, 16};
    }

    mutable std::map<std::string, Picture, std::less<>> pictures_;
};

class ItemsTest : public ::testing::Test {
protected:
    explicit ItemsTest(int clockMs = Game::kDefaultClockMs) : game(pictures, clockMs) {
        game.start();
        game.objects(FormId::Play);  // loaded, its clock not yet advanced
    }

    PlayState& vars() { return game.vars(); }

    // The name of the picture an image shows, "None" without one.
    std::string pictureOf(ImageRef image) {
        const Picture* picture = game[image].picture();
        return picture ? picture->name : "None";
    }

    void place(ImageRef image, Twips left, Twips top) {
        game[image].left = left;
        game[image].top = top;
    }

    // Runs driver commands, one per line; returns what they printed.
    std::string drive(std::string_view script) {
        std::istringstream in{std::string(script)};
        std::ostringstream out;
        Driver driver(game, out, out, "test");
        driver.run(in);
        return out.str();
    }

    NamedPictures pictures;
    Game game;
};

}  // namespace tt::testing
