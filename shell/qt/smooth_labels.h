#pragma once

// Labels in a smooth face (the title) are not drawn into the one-pixel
// scene: the window draws them last, over the zoomed scene, at its own
// device resolution, so their curves stay smooth and their colour exact at
// every zoom. Labels in the bitmap face stay in the scene, crisp.

#include <QRect>

#include <optional>
#include <string>
#include <vector>

#include "shell/form.h"

class QPainter;

namespace tt {

// Draws the visible smooth labels of a scene with a painter that works in
// device pixels, `scale` of them to a game pixel, each cut to its box and to
// the client area (`client`, in game pixels).
void drawSmoothLabels(QPainter& painter, const FormObjects& objects, const QRect& client,
                      int scale);

// Remembers how the smooth labels looked, so that the scene can report
// their part of the window as changed although its frame never holds them.
class SmoothLabelTracker {
public:
    // The part of the client area, in game pixels, where a smooth label
    // appeared, went or changed since the last call.
    QRect changes(const FormObjects& objects, const QRect& client);

private:
    struct Look {
        QRect shown;  // empty when nothing of it shows
        std::string caption;
        std::optional<Rgb> colour;
        bool operator==(const Look&) const = default;
    };
    std::vector<Look> looks_;  // by label; default for labels in other faces
};

}  // namespace tt
