#pragma once

// Which whole zoom the windows can have on a screen: the largest at which
// every window the player needs at once fits, frame and menu bar included.

#include <QMargins>
#include <QRect>
#include <QSize>

#include <functional>
#include <optional>
#include <ostream>

#include "shell/game.h"

namespace tt {

inline constexpr int kLowestZoom = 1;
inline constexpr int kHighestZoom = 6;

// A window manager's frame, assumed until a real window shows the one it
// has: a title bar and thin borders, as most desktops draw them.
inline constexpr QMargins kUsualFrame{4, 30, 4, 4};

// The largest zoom from 1 to `highest` at which each size `windowsAt` gives
// (the windows' outer sizes without the frame) fits `available` once the
// frame is added; 1 when even that does not fit.
int largestZoomThatFits(const QSize& available, const QMargins& frame, int highest,
                        const std::function<QSize(int zoom)>& largestWindowAt);

// The outer size of a form's window at a zoom, without the frame: the
// client area and the menu bar, which grows with the zoom.
QSize windowSizeAt(const Game& game, FormId form, int zoom);

// The largest zoom at which the start screen and the play field, the
// windows a player needs, each fit `available` in their frames, given their
// sizes at each zoom.
int zoomThatFits(const QRect& available, const QMargins& frame,
                 const std::function<QSize(FormId form, int zoom)>& windowAt);

// The zoom the windows open at on the primary screen: the largest that fits
// without `requested`; `requested` when it fits, else the largest that
// does, after one line on `warnings` saying so.
int startingZoom(const Game& game, std::optional<int> requested, std::ostream& warnings);

// The largest whole zoom at which a field of `field` game pixels takes no
// more than `screen` logical pixels on a screen of that device ratio; at
// least 1. Fullscreen knows no highest zoom but the screen's.
int zoomFillingScreen(const QSize& screen, const QSize& field, qreal deviceRatio);

}  // namespace tt
