#pragma once

// Painting the zoomed scene is what the windows do most: at every change,
// over every device pixel they show, and fullscreen that is millions of
// pixels a frame. A painter's scaled drawImage pays a fixed-point step for
// every one of them; but a whole zoom only repeats each game pixel across a
// block, so where the window's backing store is a plain 32-bit image in
// memory (X11, Wayland, the offscreen platform) the game rows are written
// straight into it: each game row is spread across once, and its other
// device rows are copies of that one. No zoomed copy of the scene is ever
// kept, so painting costs what the window shows and nothing more.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>

class QPainter;

namespace tt {

// Where a painter's pixels land when it paints straight into a 32-bit image:
// that image, and where the painter's (0, 0) lies in it. `image` is null when
// the painter draws anywhere else (a picture being grabbed, a screen of
// another depth) or through anything but a whole-pixel shift.
struct DirectTarget {
    QImage* image = nullptr;
    QPoint origin;
    // The part of the image the painter may touch, in the painter's own
    // coordinates: what is to be repainted, less any opaque child widget.
    QRegion allowed;
};
DirectTarget directTarget(QPainter& painter);

// Fills `area` (device pixels, with the scene's top left corner at (0, 0))
// from `frame`, each game pixel a `scale` x `scale` block, into `target` with
// the scene's corner at `origin`. Whatever lies outside the zoomed scene or
// the target is left alone. Both images are 32-bit RGB, the frame opaque, so
// its pixels are the same bits in any of those formats.
void copyZoomed(const QImage& frame, int scale, QImage& target, QPoint origin, QRect area);

}  // namespace tt
