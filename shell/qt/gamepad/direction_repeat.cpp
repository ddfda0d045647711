#include "shell/qt/gamepad/direction_repeat.h"

#include <algorithm>

namespace tt {

DirectionRepeat::DirectionRepeat(Millis delay, Millis interval)
    : delay_(delay), interval_(std::max<Millis>(interval, 1)) {}

void DirectionRepeat::press(PadControl direction, Millis now) {
    std::erase(held_, direction);
    held_.push_back(direction);
    next_ = now + delay_;
}

void DirectionRepeat::release(PadControl direction, Millis now) {
    if (held_.empty()) return;
    const bool wasRepeating = held_.back() == direction;
    std::erase(held_, direction);
    if (wasRepeating) next_ = now + delay_;
}

void DirectionRepeat::releaseAll() { held_.clear(); }

bool DirectionRepeat::held(PadControl direction) const {
    return std::ranges::find(held_, direction) != held_.end();
}

std::optional<PadControl> DirectionRepeat::due(Millis now) {
    if (held_.empty() || now < next_) return std::nullopt;
    next_ += interval_;
    if (next_ <= now) next_ = now + interval_;
    return held_.back();
}

}  // namespace tt
