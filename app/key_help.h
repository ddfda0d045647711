#pragma once

// The keys of the play field as the player is told them: in the windows'
// keys panel and below the options of --help, from this one table.

#include <array>
#include <string_view>

namespace tt {

struct KeyHelp {
    std::string_view keys;
    std::string_view does;
};

inline constexpr std::array kKeyHelp{
    KeyHelp{"Left / Right", "walk"},
    KeyHelp{"Z", "jump"},
    KeyHelp{"Up / Down", "climb"},
    KeyHelp{"Space", "pull, throw, lift"},
    KeyHelp{"F1", "game speed"},
    KeyHelp{"P", "pause"},
    KeyHelp{"F11", "fullscreen"},
    KeyHelp{"H", "this panel"},
};

// The other keys of the windows, listed by --help only.
inline constexpr std::array kWindowKeyHelp{
    KeyHelp{"Alt+Enter", "fullscreen, as F11"},
    KeyHelp{"F12", "save a screenshot in the pictures folder"},
    KeyHelp{"Ctrl+Plus / Ctrl+Minus", "zoom in / out, on any window"},
    KeyHelp{"Ctrl+0", "the largest zoom that fits the screen, on any window"},
};

}  // namespace tt
