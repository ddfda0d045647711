#include "shell/qt/client_area.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "shell/qt/key_codes.h"
#include "shell/qt/measurement.h"
#include "shell/qt/smooth_labels.h"
#include "shell/qt/zoomed_copy.h"

namespace tt {
ClientArea::ClientArea(const Game& game, FormId form, const Zoom& zoom, FormInput* input,
                       QWidget* parent)
    : QWidget(parent),
      game_(game),
      form_(form),
      layout_(formDefinition(form).layout),
      zoom_(zoom),
      input_(input),
      painter_(layout_) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setZoom(zoom);
    // The play field takes the keys itself; forms with controls leave the
    // focus to them.
    if (formDefinition(form).behaviour.keyDown) setFocusPolicy(Qt::StrongFocus);
}

void ClientArea::setZoom(const Zoom& zoom) {
    zoom_ = zoom;
    setFixedSize(zoom_.logicalSize(toPixels(layout_.clientWidth)),
                 zoom_.logicalSize(toPixels(layout_.clientHeight)));
    update();
}

void ClientArea::setOverlay(const FieldOverlay* overlay) {
    overlay_ = overlay;
    update();
}

QPixmap ClientArea::grabScene() {
    grabbing_ = true;
    QPixmap picture = grab();
    grabbing_ = false;
    return picture;
}

void ClientArea::syncScene(const FormObjects& objects) {
    const std::uint64_t scene = ScenePainter::fingerprint(layout_, objects);
    const Measurement* record = Measurement::active();
    const bool measuring = record && record->repaintEveryTick() && form_ == FormId::Play;
    if (drawn_ && scene == shownScene_ && !measuring) return;
    shownScene_ = scene;
    drawScene(objects, measuring);
}

void ClientArea::drawScene(const FormObjects& objects, bool everything) {
    QElapsedTimer timer;
    timer.start();
    const QRect changed = painter_.refresh(objects, everything || !drawn_);
    drawn_ = true;
    drawNanos_ += timer.nsecsElapsed();
    // A game pixel may straddle a logical pixel at fractional screen scales.
    if (!changed.isEmpty()) update(zoom_.logicalRect(changed).adjusted(-1, -1, 1, 1));
}

namespace {

// The device pixels of a region given in logical pixels, every pixel a
// logical pixel touches included.
QRegion deviceRegion(const QRegion& logical, qreal ratio) {
    if (ratio == 1) return logical;
    QRegion device;
    for (const QRect& part : logical)
        device |= QRectF(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio).toAlignedRect();
    return device;
}

}  // namespace

void ClientArea::drawZoomed(QPainter& painter, const QImage& frame, const QRegion& area,
                            int scale) {
    if (const DirectTarget direct = directTarget(painter); direct.image) {
        for (const QRect& part : area & direct.allowed)
            copyZoomed(frame, scale, *direct.image, direct.origin, part);
        return;
    }
    // Anywhere else (a grab, a screen of another depth) the painter scales,
    // in one pass over the whole game pixels under each part.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const QRect& part : area) {
        const QRect source = QRect(QPoint(part.left() / scale, part.top() / scale),
                                   QPoint(part.right() / scale, part.bottom() / scale))
                                 .intersected(frame.rect());
        if (source.isEmpty()) continue;
        painter.drawImage(QRect(source.topLeft() * scale, source.size() * scale), frame, source);
    }
}

void ClientArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Draw in device pixels, where every game pixel is a whole block.
    const qreal ratio = devicePixelRatioF();
    painter.setTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    const QRect device(0, 0, qCeil(width() * ratio), qCeil(height() * ratio));
    const FormObjects* objects = game_.loaded(form_);
    if (!objects) {
        painter.fillRect(device, painter_.backColour());
        return;
    }
    if (!drawn_) drawScene(*objects, true);
    QElapsedTimer timer;
    timer.start();
    // Only the part asked for is drawn, each game pixel straight into its
    // whole block of device pixels: no zoomed copy is kept, so painting
    // costs what the window shows, not the zoom squared.
    const int scale = zoom_.devicePixelsPerPixel();
    const QImage& frame = painter_.frame();
    const QSize drawn = frame.size() * scale;
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    drawZoomed(painter, frame, deviceRegion(event->region(), ratio) & QRect(QPoint(), drawn), scale);
    // Any sliver a fractional screen scale leaves at the edges.
    if (drawn.width() < device.width())
        painter.fillRect(QRect(drawn.width(), 0, device.width() - drawn.width(), device.height()),
                         painter_.backColour());
    if (drawn.height() < device.height())
        painter.fillRect(QRect(0, drawn.height(), device.width(), device.height() - drawn.height()),
                         painter_.backColour());
    drawSmoothLabels(painter, *objects, frame.rect(), scale);
    if (overlay_ && !grabbing_) overlay_->paint(painter, QRect(QPoint(), drawn), scale);
    if (Measurement* record = Measurement::active())
        record->paint(form_, drawNanos_ + timer.nsecsElapsed());
    drawNanos_ = 0;
}

std::optional<std::string_view> ClientArea::clickableImageAt(QPoint pixel) const {
    const auto image = game_.clickableImageAt(form_, pixel.x(), pixel.y());
    if (!image) return std::nullopt;
    return game_.loaded(form_)->images[image->index].name;
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !input_) return;
    pressed_ = clickableImageAt(zoom_.gamePixel(event->position()));
}

// A click is a press and a release on the same picture.
void ClientArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !input_) return;
    const auto released = clickableImageAt(zoom_.gamePixel(event->position()));
    const auto pressed = pressed_;
    pressed_.reset();
    if (pressed && released == pressed) input_->click(form_, *pressed);
}

// Every key-down, auto-repeats included, goes to the game; releases do not.
void ClientArea::keyPressEvent(QKeyEvent* event) {
    if (!input_ || !formDefinition(form_).behaviour.keyDown) {
        QWidget::keyPressEvent(event);
        return;
    }
    const auto code = virtualKeyCode(event->key(), event->modifiers());
    if (!code) {
        QWidget::keyPressEvent(event);
        return;
    }
    input_->keyDown(form_, *code);
    event->accept();
}

}  // namespace tt
