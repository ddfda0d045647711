#pragma once

// Draws a form's scene: the back colour, then its visible images and labels
// from the bottom of the z-order to the top, at one screen pixel per game
// pixel. The window zooms the result with crisp pixels.

#include <cstdint>
#include <unordered_map>
#include <vector>

#include <QColor>
#include <QImage>

#include "shell/form.h"
#include "shell/qt/zoom.h"

namespace tt {

class ScenePainter {
public:
    explicit ScenePainter(const FormLayout& layout);

    // The client area as the scene shows it, one pixel per game pixel.
    const QImage& render(const FormObjects& objects);
    // The same, zoomed with nearest-neighbour pixels to device pixels.
    const QImage& renderZoomed(const FormObjects& objects, const Zoom& zoom);

    // Changes whenever anything drawn changes, so a window repaints only
    // when its scene did.
    static std::uint64_t fingerprint(const FormLayout& layout, const FormObjects& objects);

    QColor backColour() const { return backColour_; }

private:
    const QImage& drawable(const Picture& picture);
    void drawLabel(class QPainter& painter, const Label& label);

    const FormLayout& layout_;
    std::vector<std::uint16_t> kindIndex_;
    QColor backColour_;
    // Pictures converted once for fast drawing, by their shared pixels.
    std::unordered_map<const void*, QImage> drawables_;
    QImage frame_;
    QImage zoomed_;
};

}  // namespace tt
