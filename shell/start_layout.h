#pragma once

// The start screen: the six characters, the title, GO! and the chat column.

#include <array>
#include <string_view>

#include "shell/layout.h"

namespace tt::start {

inline constexpr FontSpec kSansBold12{"MS Sans Serif", 12, true};
inline constexpr FontSpec kSansBold13{"MS Sans Serif", 13.5f, true};
inline constexpr FontSpec kTitleFont{"Curlz MT", 15.75f, true};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kWhite{255, 255, 255};

inline constexpr std::array kObjects{
    //       name           left  top   width height content
    textBox("txtDisplay",   3840, 0,    1815, 2775),
    textBox("txtSend",      3840, 2760, 1815, 375),
    button("btnSend",       3840, 3120, 1815, 255,  "Send"),
    button("Command1",      1080, 3360, 1575, 375,  "GO!", kSansBold12),
    image("Image8",         2640, 1900, 315,  360,  "VoltPortrait"),
    image("Image7",         2400, 1755, 210,  510,  "RookPortrait"),
    label("Label1",         600,  480,  2715, 420,  "Turnip Trek 2", true, kTitleFont, kYellow),
    label("Character",      1440, 960,  795,  360,  "Ember", true, kSansBold13, kWhite),
    image("Image4",         2040, 1800, 270,  450,  "CloverPortrait"),
    image("Image3",         1680, 1800, 270,  450,  "PipPortrait"),
    image("Image2",         960,  1800, 270,  450,  "EmberPortrait"),
    image("Image1",         1320, 1800, 270,  450,  "FennelPortrait"),
    image("Image5",         240,  120,  3360, 3120, "Stage"),
    image("Image6",         0,    0,    3840, 3360, "Backdrop"),
};

inline constexpr std::array kMenus{
    MenuSpec{"mnuFile", "&File", "", ""},
    MenuSpec{"mnuExit", "E&xit", "mnuFile", ""},
};

inline constexpr std::array<std::string_view, 4> kFocusOrder{"Command1", "btnSend", "txtSend",
                                                             "txtDisplay"};

inline constexpr FormLayout kLayout{
    FormId::Main, "Main", "Ember2 - Online", 5685, 3750, std::nullopt, "MainIcon",
    kObjects,     {},     kMenus,            kFocusOrder};

template <ObjectKind Kind>
consteval ObjectRef<Kind> ref(std::string_view name) {
    return objectRef<Kind>(FormId::Main, kObjects, name);
}

inline constexpr LabelRef Character = ref<ObjectKind::Label>("Character");
inline constexpr ButtonRef Command1 = ref<ObjectKind::CommandButton>("Command1");
inline constexpr MenuRef mnuExit = menuRef(FormId::Main, kMenus, "mnuExit");

}  // namespace tt::start
