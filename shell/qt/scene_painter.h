#pragma once

// Draws a form's scene: the back colour, then its visible images and labels
// from the bottom of the z-order to the top, at one screen pixel per game
// pixel. The window scales the result with crisp pixels as it paints, then
// draws the labels in a smooth face over it (see smooth_labels.h).

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include <QColor>
#include <QImage>
#include <QRect>

#include "shell/form.h"
#include "shell/qt/smooth_labels.h"
#include "shell/qt/zoom.h"

namespace tt {

class ScenePainter {
public:
    explicit ScenePainter(const FormLayout& layout);

    // Draws the scene afresh and returns the part of the client area, in
    // game pixels, that looks different from the last time (all of it the
    // first time, or when `everything` is asked for). The smooth labels'
    // places count as changed when they do, though the frame leaves them out.
    QRect refresh(const FormObjects& objects, bool everything = false);
    // The last scene drawn, one pixel per game pixel.
    const QImage& frame() const { return frame_; }

    // Changes whenever anything drawn changes, so a window repaints only
    // when its scene did.
    static std::uint64_t fingerprint(const FormLayout& layout, const FormObjects& objects);

    QColor backColour() const { return backColour_; }

private:
    void render(const FormObjects& objects);
    std::size_t firstVisibleRow(const FormObjects& objects);
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
        QRect box;    // where the whole label lies
        QRect shown;  // the part of it inside the client area
        QImage image;
    };
    std::vector<LabelText> labelTexts_;
    SmoothLabelTracker smoothLabels_;
    QImage frame_;
    QImage previous_;
};

}  // namespace tt
