#include "shell/qt/gamepad/stick_and_pad.h"

namespace tt {

void StickAndPad::setPad(PadControl direction, bool down) { pad_[directionIndex(direction)] = down; }

void StickAndPad::setStick(Axis axis, int value) {
    const bool across = axis == Axis::X;
    setStickSide(across ? PadControl::Left : PadControl::Up, -value);
    setStickSide(across ? PadControl::Right : PadControl::Down, value);
}

// `towards` is how far the stick leans to this side.
void StickAndPad::setStickSide(PadControl direction, int towards) {
    bool& held = stick_[directionIndex(direction)];
    held = held ? towards > kLetGoWithin : towards > kHoldBeyond;
}

bool StickAndPad::held(PadControl direction) const {
    const int index = directionIndex(direction);
    return pad_[index] || stick_[index];
}

}  // namespace tt
