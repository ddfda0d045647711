#pragma once

// The speed settings window: one scroll bar from "Faster" (1) to "Slower"
// (10) and a button that shows the value.

#include <array>
#include <string_view>

#include "shell/layout.h"

namespace tt::settings {

inline constexpr std::array kObjects{
    //        name         left  top  width height content
    label("lblSpeed",      1200, 120, 870,  300,   "Speed:", true, {"MS Sans Serif", 12, true}),
    label("lblFaster",     240,  480, 435,  195,   "Faster"),
    scrollBar("SpeedBar",  840,  480, 1455, 255,   1, 10),
    label("lblSlower",     2400, 480, 480,  195,   "Slower"),
    button("cmdOK",        1080, 840, 975,  375,   "1"),
};

inline constexpr std::array kTimers{TimerSpec{"Constant", true, 1}};

inline constexpr std::array<std::string_view, 2> kFocusOrder{"cmdOK", "SpeedBar"};

inline constexpr FormLayout kLayout{
    FormId::Settings, "Settings", "Ember2 Online - Settings", 3120, 1335, Rgb{255, 128, 0},
    "PlayIcon",       kObjects,   kTimers,                    {},   kFocusOrder};

inline constexpr ScrollBarRef SpeedBar =
    objectRef<ObjectKind::HScrollBar>(FormId::Settings, kObjects, "SpeedBar");
inline constexpr ButtonRef cmdOK =
    objectRef<ObjectKind::CommandButton>(FormId::Settings, kObjects, "cmdOK");
inline constexpr TimerRef Constant = timerRef(FormId::Settings, kTimers, "Constant");

}  // namespace tt::settings
