#pragma once

// The directions one controller holds: its D-pad's buttons and its left
// stick. The stick holds a direction once it is tilted past the dead zone and
// lets go only when it is back well inside it, so that a stick resting near
// the edge does not stutter key-downs.

#include <array>

#include "shell/qt/gamepad/pad_control.h"

namespace tt {

class StickAndPad {
public:
    // Of the stick's full travel, 32767 either way.
    static constexpr int kHoldBeyond = 12000;
    static constexpr int kLetGoWithin = 9000;

    enum class Axis { X, Y };  // Y grows downwards

    void setPad(PadControl direction, bool down);
    void setStick(Axis axis, int value);
    bool held(PadControl direction) const;

private:
    void setStickSide(PadControl direction, int towards);

    std::array<bool, kDirectionCount> pad_{};
    std::array<bool, kDirectionCount> stick_{};
};

}  // namespace tt
