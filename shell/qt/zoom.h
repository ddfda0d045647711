#pragma once

// How big a game pixel is on the screen. The player asks for a whole factor;
// on screens with a fractional scale (1.25, 1.5) a whole factor in logical
// pixels lands on uneven device pixels, so the arithmetic is done in device
// pixels: every game pixel becomes the same whole number of device pixels.

#include <QPoint>
#include <QRect>
#include <QtGlobal>

#include <algorithm>
#include <cmath>

#include "shell/units.h"

namespace tt {

struct Zoom {
    int factor = 1;
    qreal deviceRatio = 1;

    int devicePixelsPerPixel() const { return std::max(1, qRound(factor * deviceRatio)); }
    qreal logicalPerPixel() const { return devicePixelsPerPixel() / deviceRatio; }
    // A length of game pixels in logical pixels, never cutting a game pixel.
    int logicalSize(int pixels) const {
        return static_cast<int>(std::ceil(pixels * logicalPerPixel() - 1e-6));
    }
    int logicalPosition(int pixels) const { return qRound(pixels * logicalPerPixel()); }
    QRect logicalRect(const QRect& pixels) const {
        const int left = logicalPosition(pixels.left());
        const int top = logicalPosition(pixels.top());
        return {left, top, logicalPosition(pixels.left() + pixels.width()) - left,
                logicalPosition(pixels.top() + pixels.height()) - top};
    }
    // The game pixel under a point given in logical pixels.
    QPoint gamePixel(QPointF logical) const {
        const qreal scale = logicalPerPixel();
        return {static_cast<int>(std::floor(logical.x() / scale)),
                static_cast<int>(std::floor(logical.y() / scale))};
    }
};

// Twips to the screen pixel that holds them.
inline QRect pixelRect(Twips left, Twips top, Twips width, Twips height) {
    const int x = toPixels(left);
    const int y = toPixels(top);
    return {x, y, toPixels(left + width) - x, toPixels(top + height) - y};
}

}  // namespace tt
