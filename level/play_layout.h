#pragma once

// The play field: one fixed screen. The level is nothing but the places of
// these objects; the first row is drawn on top, the sky at the bottom.

#include <array>

#include "shell/layout.h"

namespace tt::play {

inline constexpr std::array kObjects{
    //      name           left  top   width height picture or caption
    label("TheySay",       2880, 1320, 855,  255,  ""),
    label("YouSay",        240,  1320, 855,  255,  ""),
    image("Enemy1",        3120, 600,  240,  240,  "MaskerLeft1"),
    image("Them",          3120, 1560, 375,  495,  ""),
    image("Object",        2880, 0,    225,  180,  "Placeholder", kHidden),
    image("You",           360,  1560, 375,  495,  ""),
    image("Ground",        0,    2040, 3840, 360,  "Ground"),
    image("Tree",          2160, 600,  240,  2655, "Tree"),
    image("Ladder",        2520, 120,  240,  1920, "Ladder"),
    image("X4",            120,  840,  120,  210,  "FullEnergy"),
    image("X3",            120,  600,  120,  210,  "FullEnergy"),
    image("EmptyEnergy",   240,  240,  120,  210,  "EmptyEnergy", kHidden),
    label("VegWay",        1320, 0,    495,  255,  "", kHidden),
    image("Plant3",        2640, 1920, 225,  120,  "plant"),
    image("Plant1",        2400, 1920, 225,  120,  "plant"),
    image("X1",            120,  100,  120,  210,  "FullEnergy"),
    image("X2",            120,  360,  120,  210,  "FullEnergy"),
    label("Way",           1320, 0,    495,  255,  "Right", kHidden),
    image("Plant2",        2160, 1920, 225,  120,  "plant"),
    image("Image2",        3000, 1680, 240,  480,  "Door"),
    image("Hill1",         2880, 840,  720,  1215, "Hill"),
    image("Log",           1920, 1200, 960,  240,  "Image1"),
    image("Ladder2",       360,  0,    240,  2385, "Vine"),
    image("Post1",         0,    1080, 240,  2655, "Post"),
    image("Post2",         3600, 1080, 240,  2655, "Post"),
    image("Log2",          480,  840,  960,  240,  "Image1"),
    image("Tree2",         3120, 120,  240,  2655, "Tree"),
    image("Tree3",         1080, 480,  240,  2655, "Tree"),
    image("background",    3840, 0,    8730, 4665, "Sky"),
};

inline constexpr std::array kTimers{
    //       name          enabled interval
    TimerSpec{"GetHurt",    false, 1},
    TimerSpec{"Constant",   true,  1},
    TimerSpec{"Dectection", true,  1},
    TimerSpec{"Jump",       false, 1},
    TimerSpec{"WalkRight",  false, 8},
    TimerSpec{"WalkLeft",   false, 1},
    TimerSpec{"Pick",       false, 10},
    TimerSpec{"Throw",      false, 1},
    TimerSpec{"LoadTimer",  true,  1},
    TimerSpec{"En1",        true,  1},
    TimerSpec{"En1Fall",    false, 1},
    TimerSpec{"ThrowEn1",   false, 1},
};

inline constexpr std::array kMenus{
    MenuSpec{"mnuOptions", "&Options", "", ""},
    MenuSpec{"mnuSettings", "&Settings", "mnuOptions", "F1"},
};

inline constexpr FormLayout kLayout{
    FormId::Play, "Play", "Ember2 - Online", 3825, 2370, Rgb{0, 192, 192}, "PlayIcon",
    kObjects,     kTimers, kMenus,           {}};

consteval ImageRef imageRef(std::string_view name) {
    return objectRef<ObjectKind::Image>(FormId::Play, kObjects, name);
}
consteval LabelRef labelRef(std::string_view name) {
    return objectRef<ObjectKind::Label>(FormId::Play, kObjects, name);
}
consteval TimerRef timer(std::string_view name) { return timerRef(FormId::Play, kTimers, name); }

inline constexpr LabelRef TheySay = labelRef("TheySay");
inline constexpr LabelRef YouSay = labelRef("YouSay");
inline constexpr LabelRef VegWay = labelRef("VegWay");
inline constexpr LabelRef Way = labelRef("Way");
inline constexpr ImageRef Enemy1 = imageRef("Enemy1");
inline constexpr ImageRef Them = imageRef("Them");
inline constexpr ImageRef Object = imageRef("Object");
inline constexpr ImageRef You = imageRef("You");
inline constexpr ImageRef Ground = imageRef("Ground");
inline constexpr ImageRef Ladder = imageRef("Ladder");
inline constexpr ImageRef X1 = imageRef("X1");
inline constexpr ImageRef X2 = imageRef("X2");
inline constexpr ImageRef X3 = imageRef("X3");
inline constexpr ImageRef X4 = imageRef("X4");
inline constexpr ImageRef EmptyEnergy = imageRef("EmptyEnergy");
inline constexpr ImageRef Plant1 = imageRef("Plant1");
inline constexpr ImageRef Plant2 = imageRef("Plant2");
inline constexpr ImageRef Plant3 = imageRef("Plant3");
inline constexpr ImageRef Hill1 = imageRef("Hill1");
inline constexpr ImageRef Log = imageRef("Log");
inline constexpr ImageRef Log2 = imageRef("Log2");
inline constexpr ImageRef Ladder2 = imageRef("Ladder2");
inline constexpr ImageRef background = imageRef("background");

inline constexpr TimerRef GetHurt = timer("GetHurt");
inline constexpr TimerRef Constant = timer("Constant");
inline constexpr TimerRef Dectection = timer("Dectection");
inline constexpr TimerRef Jump = timer("Jump");
inline constexpr TimerRef WalkRight = timer("WalkRight");
inline constexpr TimerRef WalkLeft = timer("WalkLeft");
inline constexpr TimerRef Pick = timer("Pick");
inline constexpr TimerRef Throw = timer("Throw");
inline constexpr TimerRef LoadTimer = timer("LoadTimer");
inline constexpr TimerRef En1 = timer("En1");
inline constexpr TimerRef En1Fall = timer("En1Fall");
inline constexpr TimerRef ThrowEn1 = timer("ThrowEn1");

inline constexpr MenuRef mnuSettings = menuRef(FormId::Play, kMenus, "mnuSettings");

}  // namespace tt::play
