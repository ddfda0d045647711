#pragma once

// The sprite bank: a form that is never shown and holds every picture of the
// characters, the enemy and the items by name, plus the pose word.

#include <array>
#include <string_view>

#include "shell/layout.h"

namespace tt::gx {

inline constexpr std::array kObjects{
    //      name                 left   top   width height picture
    image("EmberRight",              0,     0,  225,  405, "EmberRight"),
    image("EmberLeft",             255,     0,  240,  405, "EmberLeft"),
    image("EmberWalkRight",        525,     0,  240,  405, "EmberWalkRight"),
    image("EmberWalkLeft",         795,     0,  240,  405, "EmberWalkLeft"),
    image("EmberJumpRight",       1065,     0,  240,  390, "EmberJumpRight"),
    image("EmberJumpLeft",        1335,     0,  240,  390, "EmberJumpLeft"),
    image("EmberClimb1",          1605,     0,  240,  405, "EmberClimb1"),
    image("EmberClimb2",          1875,     0,  240,  405, "EmberClimb2"),
    image("EmberPullRight",       2145,     0,  285,  435, "EmberPullRight"),
    image("EmberPullLeft",        2460,     0,  285,  435, "EmberPullLeft"),
    image("EmberLift",            2775,     0,  285,  435, "EmberLift"),
    image("EmberHoldRight",       3090,     0,  240,  405, "EmberHoldRight"),
    image("EmberHoldLeft",           0,   465,  240,  405, "EmberHoldLeft"),
    image("EmberHoldMoveRight",    270,   465,  240,  405, "EmberHoldMoveRight"),
    image("EmberHoldMoveLeft",     540,   465,  240,  405, "EmberHoldMoveLeft"),
    image("EmberThrowRight",       810,   465,  285,  435, "EmberThrowRight"),
    image("EmberThrowLeft",       1125,   465,  285,  435, "EmberThrowLeft"),
    image("FennelRight",          1440,   465,  225,  465, "FennelRight"),
    image("FennelLeft",           1695,   465,  225,  465, "FennelLeft"),
    image("FennelWalkRight",      1950,   465,  240,  450, "FennelWalkRight"),
    image("FennelWalkLeft",       2220,   465,  240,  450, "FennelWalkLeft"),
    image("FennelJumpRight",      2490,   465,  240,  450, "FennelJumpRight"),
    image("FennelJumpLeft",       2760,   465,  240,  450, "FennelJumpLeft"),
    image("FennelClimb1",         3030,   465,  240,  450, "FennelClimb1"),
    image("FennelClimb2",            0,   960,  240,  450, "FennelClimb2"),
    image("FennelPullRight",       270,   960,  285,  435, "FennelPullRight"),
    image("FennelPullLeft",        585,   960,  285,  435, "FennelPullLeft"),
    image("FennelLift",            900,   960,  285,  435, "FennelLift"),
    image("FennelHoldRight",      1215,   960,  225,  465, "FennelHoldRight"),
    image("FennelHoldLeft",       1470,   960,  225,  465, "FennelHoldLeft"),
    image("FennelHoldMoveRight",  1725,   960,  240,  465, "FennelHoldMoveRight"),
    image("FennelHoldMoveLeft",   1995,   960,  240,  465, "FennelHoldMoveLeft"),
    image("FennelThrowRight",     2265,   960,  285,  465, "FennelThrowRight"),
    image("FennelThrowLeft",      2580,   960,  285,  465, "FennelThrowLeft"),
    image("PipRight",             2895,   960,  240,  405, "PipRight"),
    image("PipLeft",              3165,   960,  240,  405, "PipLeft"),
    image("PipWalkRight",            0,  1455,  240,  405, "PipWalkRight"),
    image("PipWalkLeft",           270,  1455,  240,  405, "PipWalkLeft"),
    image("PipJumpRight",          540,  1455,  240,  405, "PipJumpRight"),
    image("PipJumpLeft",           810,  1455,  240,  405, "PipJumpLeft"),
    image("PipClimb1",            1080,  1455,  225,  405, "PipClimb1"),
    image("PipClimb2",            1335,  1455,  225,  405, "PipClimb2"),
    image("PipPullRight",         1590,  1455,  300,  435, "PipPullRight"),
    image("PipPullLeft",          1920,  1455,  300,  435, "PipPullLeft"),
    image("PipLift",              2250,  1455,  300,  435, "PipLift"),
    image("PipHoldRight",         2580,  1455,  240,  405, "PipHoldRight"),
    image("PipHoldLeft",          2850,  1455,  240,  405, "PipHoldLeft"),
    image("PipHoldMoveRight",     3120,  1455,  240,  405, "PipHoldMoveRight"),
    image("PipHoldMoveLeft",         0,  1920,  240,  405, "PipHoldMoveLeft"),
    image("PipThrowRight",         270,  1920,  300,  435, "PipThrowRight"),
    image("PipThrowLeft",          600,  1920,  300,  435, "PipThrowLeft"),
    image("CloverRight",           930,  1920,  210,  480, "CloverRight"),
    image("CloverLeft",           1170,  1920,  210,  480, "CloverLeft"),
    image("CloverWalkRight",      1410,  1920,  225,  480, "CloverWalkRight"),
    image("CloverWalkLeft",       1665,  1920,  225,  480, "CloverWalkLeft"),
    image("CloverJumpRight",      1920,  1920,  225,  480, "CloverJumpRight"),
    image("CloverJumpLeft",       2175,  1920,  225,  480, "CloverJumpLeft"),
    image("CloverClimb1",         2430,  1920,  225,  480, "CloverClimb1"),
    image("CloverClimb2",         2685,  1920,  225,  480, "CloverClimb2"),
    image("CloverPullRight",      2940,  1920,  270,  480, "CloverPullRight"),
    image("CloverPullLeft",          0,  2430,  270,  480, "CloverPullLeft"),
    image("CloverLift",            300,  2430,  270,  480, "CloverLift"),
    image("CloverHoldRight",       600,  2430,  225,  480, "CloverHoldRight"),
    image("CloverHoldLeft",        855,  2430,  225,  480, "CloverHoldLeft"),
    image("CloverHoldMoveRight",  1110,  2430,  225,  480, "CloverHoldMoveRight"),
    image("CloverHoldMoveLeft",   1365,  2430,  225,  480, "CloverHoldMoveLeft"),
    image("CloverThrowRight",     1620,  2430,  270,  480, "CloverThrowRight"),
    image("CloverThrowLeft",      1920,  2430,  270,  480, "CloverThrowLeft"),
    image("RookRight",            2220,  2430,  240,  480, "RookRight"),
    image("RookLeft",             2490,  2430,  240,  480, "RookLeft"),
    image("RookWalkRight",        2760,  2430,  240,  480, "RookWalkRight"),
    image("RookWalkLeft",         3030,  2430,  240,  480, "RookWalkLeft"),
    image("RookJumpRight",           0,  2940,  240,  405, "RookJumpRight"),
    image("RookJumpLeft",          270,  2940,  240,  405, "RookJumpLeft"),
    image("RookClimb1",            540,  2940,  240,  450, "RookClimb1"),
    image("RookClimb2",            810,  2940,  240,  450, "RookClimb2"),
    image("RookPullRight",        1080,  2940,  240,  480, "RookPullRight"),
    image("RookPullLeft",         1350,  2940,  240,  480, "RookPullLeft"),
    image("RookLift",             1620,  2940,  270,  480, "RookLift"),
    image("RookHoldRight",        1920,  2940,  240,  480, "RookHoldRight"),
    image("RookHoldLeft",         2190,  2940,  240,  480, "RookHoldLeft"),
    image("RookHoldMoveRight",    2460,  2940,  240,  480, "RookHoldMoveRight"),
    image("RookHoldMoveLeft",     2730,  2940,  240,  480, "RookHoldMoveLeft"),
    image("RookThrowRight",       3000,  2940,  240,  480, "RookThrowRight"),
    image("RookThrowLeft",           0,  3450,  240,  480, "RookThrowLeft"),
    image("VoltRight",             270,  3450,  315,  405, "VoltRight"),
    image("VoltLeft",              615,  3450,  315,  405, "VoltLeft"),
    image("VoltWalkRight",         960,  3450,  360,  405, "VoltWalkRight"),
    image("VoltWalkLeft",         1350,  3450,  360,  405, "VoltWalkLeft"),
    image("VoltJumpRight",        1740,  3450,  390,  450, "VoltJumpRight"),
    image("VoltJumpLeft",         2160,  3450,  390,  450, "VoltJumpLeft"),
    image("VoltClimb1",           2580,  3450,  360,  405, "VoltClimb1"),
    image("VoltClimb2",           2970,  3450,  360,  405, "VoltClimb2"),
    image("VoltPullRight",           0,  3960,  315,  480, "VoltPullRight"),
    image("VoltPullLeft",          345,  3960,  315,  480, "VoltPullLeft"),
    image("VoltLift",              690,  3960,  315,  480, "VoltLift"),
    image("VoltHoldRight",        1035,  3960,  315,  405, "VoltHoldRight"),
    image("VoltHoldLeft",         1380,  3960,  315,  405, "VoltHoldLeft"),
    image("VoltHoldMoveRight",    1725,  3960,  315,  405, "VoltHoldMoveRight"),
    image("VoltHoldMoveLeft",     2070,  3960,  315,  405, "VoltHoldMoveLeft"),
    image("VoltThrowRight",       2415,  3960,  360,  480, "VoltThrowRight"),
    image("VoltThrowLeft",        2805,  3960,  360,  480, "VoltThrowLeft"),
    image("MaskerRight1",            0,  4470,  240,  240, "MaskerRight1"),
    image("MaskerRight2",          270,  4470,  240,  225, "MaskerRight2"),
    image("MaskerLeft1",           540,  4470,  240,  240, "MaskerLeft1"),
    image("MaskerLeft2",           810,  4470,  240,  225, "MaskerLeft2"),
    image("MaskerRightUD1",       1080,  4470,  240,  240, "MaskerRightUD1"),
    image("MaskerLeftUD1",        1350,  4470,  240,  240, "MaskerLeftUD1"),
    image("MaskerRightUD2",       1620,  4470,  240,  240, "MaskerRightUD2"),
    image("MaskerLeftUD2",        1890,  4470,  240,  240, "MaskerLeftUD2"),
    image("BigVeggie",            2160,  4470,  240,  240, "BigVeggie"),
    image("SmallVeggie",          2430,  4470,  150,  240, "SmallVeggie"),
    image("Cherry1",              2610,  4470,  195,  240, "Cherry1"),
    image("Potion",               2835,  4470,  210,  240, "Potion"),
    image("POW",                  3075,  4470,  240,  255, "POW"),
    image("up",                      0,  4755,  240,  240, "up"),
    image("Cloud1",                270,  4755,  330,  195, "Cloud1"),
    image("plant",                 630,  4755,  225,  120, "plant"),
    image("Ladder",                885,  4755,  240, 1920, "Ladder"),
    image("Image1",               1155,  4755,  960,  240, "Image1"),
    image("Door",                 2145,  4755,  240,  480, "Door"),
    label("Pos",                 2400,  4440,  495,  255, "Label1", kHidden),
};

inline constexpr std::array kTimers{TimerSpec{"Constant", true, 1}};

inline constexpr FormLayout kLayout{
    FormId::GX, "GX", "GX - Graphix", 3420, 4470, Rgb{0, 192, 192}, "", kObjects, kTimers, {}, {}};

inline constexpr LabelRef Pos = objectRef<ObjectKind::Label>(FormId::GX, kObjects, "Pos");
inline constexpr TimerRef Constant = timerRef(FormId::GX, kTimers, "Constant");

consteval ImageRef sprite(std::string_view name) {
    return objectRef<ObjectKind::Image>(FormId::GX, kObjects, name);
}

inline constexpr ImageRef FennelLeft = sprite("FennelLeft");
inline constexpr ImageRef BigVeggie = sprite("BigVeggie");
inline constexpr ImageRef MaskerRight1 = sprite("MaskerRight1");
inline constexpr ImageRef MaskerRight2 = sprite("MaskerRight2");
inline constexpr ImageRef MaskerLeft1 = sprite("MaskerLeft1");
inline constexpr ImageRef MaskerLeft2 = sprite("MaskerLeft2");
inline constexpr ImageRef MaskerRightUD1 = sprite("MaskerRightUD1");
inline constexpr ImageRef MaskerLeftUD1 = sprite("MaskerLeftUD1");

}  // namespace tt::gx
