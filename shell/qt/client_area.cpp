#include "shell/qt/client_area.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "shell/qt/key_codes.h"
#include "shell/qt/measurement.h"
#include "shell/qt/smooth_labels.h"

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

// The rows asked for are scaled across in one go into a band one device row
// high for each game row, and each band row is then copied down its game
// row's block of device rows: the nearest-neighbour scaling is paid once a
// game row rather than once a device row, and plain copies are the fastest
// thing a painter does. Only the band is kept, which grows with the zoom,
// not with its square.
void ClientArea::drawZoomed(QPainter& painter, const QImage& frame, const QRect& source,
                            int scale) {
    if (scale == 1) {
        painter.drawImage(source.topLeft(), frame, source);
        return;
    }
    const int width = source.width() * scale;
    if (band_.width() < width || band_.height() < frame.height() || band_.format() != frame.format())
        band_ = QImage(width, frame.height(), frame.format());
    {
        QPainter across(&band_);
        across.setCompositionMode(QPainter::CompositionMode_Source);
        across.drawImage(QRect(0, 0, width, source.height()), frame, source);
    }
    for (int row = 0; row < source.height(); ++row) {
        const QRect line(0, row, width, 1);
        const int top = (source.top() + row) * scale;
        for (int copy = 0; copy < scale; ++copy)
            painter.drawImage(QPoint(source.left() * scale, top + copy), band_, line);
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
    // Only the game pixels under the part asked for are drawn, each scaled
    // straight into its whole block of device pixels: no zoomed copy is
    // kept, so painting costs what the window shows, not the zoom squared.
    const int scale = zoom_.devicePixelsPerPixel();
    const QImage& frame = painter_.frame();
    const QRect asked = QRectF(QRectF(event->rect()).topLeft() * ratio,
                               QRectF(event->rect()).size() * ratio)
                            .toAlignedRect()
                            .intersected(device);
    const QRect source = QRect(QPoint(asked.left() / scale, asked.top() / scale),
                               QPoint(asked.right() / scale, asked.bottom() / scale))
                             .intersected(frame.rect());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (!source.isEmpty()) drawZoomed(painter, frame, source, scale);
    // Any sliver a fractional screen scale leaves at the edges.
    const QSize drawn = frame.size() * scale;
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
