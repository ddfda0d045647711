#pragma once

// Draws a form's scene: the back colour, then its visible images and labels
// from the bottom of the z-order to the top, at one screen pixel per game
// pixel. The window zooms the result with crisp pixels.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include <QColor>
#include <QImage>
#include <QRect>

#include "shell/form.h"
#include "shell/qt/zoom.h"

namespace tt {

class ScenePainter {
public:
    explicit ScenePainter(const FormLayout& layout);

    // Draws the scene afresh and returns the part of the client area, in
    // game pixels, that looks different from the last time (all of it the
    // first time, or when `everything` is asked for).
    QRect refresh(const FormObjects& objects, const Zoom& zoom, bool everything = false);
    // The last scene drawn, zoomed with nearest-neighbour pixels to device
    // pixels.
    const QImage& zoomed() const { return factor_ == 1 ? frame_ : zoomed_; }

    // Changes whenever anything drawn changes, so a window repaints only
    // when its scene did.
    static std::uint64_t fingerprint(const FormLayout& layout, const FormObjects& objects);

    QColor backColour() const { return backColour_; }

private:
    void render(const FormObjects& objects);
    std::size_t firstVisibleRow(const FormObjects& objects);
    void zoomRows(int first, int last);
    const QImage& drawable(const Picture& picture);
    void drawLabel(class QPainter& painter, const Label& label, std::size_t index);

    const FormLayout& layout_;
    std::vector<std::uint16_t> kindIndex_;
    QColor backColour_;
    // Pictures converted once for fast drawing, by their shared pixels.
    std::unordered_map<const void*, QImage> drawables_;
    // Each label's caption as last drawn, by label.
    struct LabelText {
        std::string caption;
        QImage image;
    };
    std::vector<LabelText> labelTexts_;
    QImage frame_;
    QImage previous_;
    QImage zoomed_;
    int factor_ = 1;
};

}  // namespace tt
