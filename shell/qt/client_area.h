#pragma once

// The client area of a form's window: paints the scene zoomed with crisp
// pixels, turns clicks on pictures and key-downs into the game's input.

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <string_view>

#include "shell/game.h"
#include "shell/qt/field_overlay.h"
#include "shell/qt/form_input.h"
#include "shell/qt/scene_painter.h"
#include "shell/qt/zoom.h"

namespace tt {

class ClientArea final : public QWidget {
public:
    ClientArea(const Game& game, FormId form, const Zoom& zoom, FormInput* input,
               QWidget* parent);

    // Draws the scene when it changed since the last look, and repaints the
    // part of the window that looks different.
    void syncScene(const FormObjects& objects);
    // The topmost visible image under a game pixel that has a click handler.
    std::optional<std::string_view> clickableImageAt(QPoint pixel) const;

    const Zoom& zoom() const { return zoom_; }
    // Takes the size of the layout at another zoom and repaints.
    void setZoom(const Zoom& zoom);
    // What to draw over the scene for the player; nullptr for nothing.
    void setOverlay(const FieldOverlay* overlay);
    // What the scene shows, controls included, without the overlay.
    QPixmap grabScene();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void drawScene(const FormObjects& objects, bool everything);
    void drawZoomed(QPainter& painter, const QImage& frame, const QRegion& area, int scale);

    const Game& game_;
    FormId form_;
    const FormLayout& layout_;
    Zoom zoom_;
    FormInput* input_;
    ScenePainter painter_;
    std::uint64_t shownScene_ = 0;
    bool drawn_ = false;
    // How long drawing the scene took, counted into the next paint.
    std::int64_t drawNanos_ = 0;
    std::optional<std::string_view> pressed_;
    const FieldOverlay* overlay_ = nullptr;
    bool grabbing_ = false;
};

}  // namespace tt
