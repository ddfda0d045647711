#pragma once

// The say window: a line of text and the button that puts it above the hero.

#include <array>
#include <string_view>

#include "shell/layout.h"

namespace tt::say {

inline constexpr std::array kObjects{
    //      name      left  top width height content
    textBox("txtSend", 0,    0,  2895, 285),
    button("cmdSay",   2880, 0,  975,  300,  "SAY"),
};

inline constexpr std::array<std::string_view, 2> kFocusOrder{"txtSend", "cmdSay"};

inline constexpr FormLayout kLayout{
    FormId::Say, "Say", "Say Window", 3885, 315, std::nullopt, "", kObjects, {}, {}, kFocusOrder};

inline constexpr TextBoxRef txtSend = objectRef<ObjectKind::TextBox>(FormId::Say, kObjects, "txtSend");
inline constexpr ButtonRef cmdSay =
    objectRef<ObjectKind::CommandButton>(FormId::Say, kObjects, "cmdSay");

}  // namespace tt::say
