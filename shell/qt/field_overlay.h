#pragma once

// What the windows draw over the play field for the player alone, never as
// part of the scene: "Paused", the keys panel and a short note (where a
// screenshot went). No rule sees it and no screenshot of the scene holds it.

#include <QString>

class QPainter;
class QRect;

namespace tt {

struct FieldOverlay {
    bool paused = false;
    bool keysPanel = false;
    QString note;

    bool empty() const { return !paused && !keysPanel && note.isEmpty(); }
    // Draws over `field`, given in the painter's device pixels, where one
    // game pixel is `scale` device pixels.
    void paint(QPainter& painter, const QRect& field, int scale) const;
};

}  // namespace tt
