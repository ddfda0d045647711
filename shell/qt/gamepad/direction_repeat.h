#pragma once

// A held direction repeats as a held key does: the first key-down at once,
// the next after the repeat delay, then one every repeat interval. Only the
// direction pressed last repeats, as on a keyboard; when it is let go while
// an older one is still held, the older one takes the repeat over after a
// fresh delay.

#include <cstdint>
#include <optional>
#include <vector>

#include "shell/qt/gamepad/pad_control.h"

namespace tt {

class DirectionRepeat {
public:
    using Millis = std::int64_t;

    DirectionRepeat(Millis delay, Millis interval);

    // A direction that has just become held; its first key-down is the
    // caller's, at once.
    void press(PadControl direction, Millis now);
    void release(PadControl direction, Millis now);
    void releaseAll();
    bool held(PadControl direction) const;

    // The direction whose repeat is due at `now`, if any. A late poll gets
    // one repeat, not every one it missed, and the repeats go on from then.
    std::optional<PadControl> due(Millis now);

private:
    Millis delay_;
    Millis interval_;
    std::vector<PadControl> held_;  // oldest first; the last one repeats
    Millis next_ = 0;
};

}  // namespace tt
