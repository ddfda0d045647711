#pragma once

// The keys the windows keep for themselves: zooming, fullscreen, pause, the
// keys panel and the screenshot. The game never sees them; it has no use
// for those codes, and a recording of play leaves them out.

#include <optional>

class QKeyEvent;

namespace tt {

enum class FrontEndKey {
    ZoomIn,
    ZoomOut,
    ZoomAutomatic,
    FullScreen,
    Pause,
    KeysPanel,
    Screenshot,
    // An auto-repeat of one of the keys above: it does nothing, and it
    // reaches the game no more than the first press did.
    Repeat,
};

// What a key press does in the windows, if it is one of theirs. The zoom
// works on every window; the rest only on the play field. A held key
// switches once.
std::optional<FrontEndKey> frontEndKey(const QKeyEvent& event, bool onPlayField);

}  // namespace tt
