#include "shell/qt/smooth_labels.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include "shell/qt/fonts.h"
#include "shell/qt/zoom.h"

namespace tt {
namespace {

bool isSmooth(const Label& label) {
    return label.visible && !label.caption.empty() && isSmoothFace(label.font);
}

QRect boxOf(const Label& label) {
    return pixelRect(label.left, label.top, label.width, label.height);
}

QColor inkOf(const Label& label) {
    if (!label.colour) return QGuiApplication::palette().color(QPalette::WindowText);
    return QColor(label.colour->red, label.colour->green, label.colour->blue);
}

// The scene's font grown to the device pixels, with plain grey edges: edges
// tinted for one screen's subpixels would not blend into the scene evenly.
QFont deviceFont(const FontSpec& spec, int scale) {
    QFont font = sceneFont(spec);
    font.setPixelSize(font.pixelSize() * scale);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    return font;
}

QRect scaled(const QRect& pixels, int scale) {
    return {pixels.topLeft() * scale, pixels.size() * scale};
}

void drawLabel(QPainter& painter, const Label& label, const QRect& client, int scale) {
    const QRect box = boxOf(label);
    const QRect shown = box.intersected(client);
    if (shown.isEmpty()) return;
    // Written onto a clear picture first and laid over the scene, so every
    // edge pixel is a plain mix of the ink and what is behind it. Text written
    // straight onto an opaque surface is mixed along a gamma curve instead,
    // which strays from both colours where they differ most.
    const QRect area = scaled(shown, scale);
    QImage text(area.size(), QImage::Format_ARGB32_Premultiplied);
    text.fill(Qt::transparent);
    QPainter writer(&text);
    writer.translate(-area.topLeft());
    writer.setRenderHint(QPainter::TextAntialiasing, true);
    writer.setFont(deviceFont(label.font, scale));
    writer.setPen(inkOf(label));
    // The same box and wrapping as the labels drawn into the scene.
    writer.drawText(scaled(box, scale), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                    QString::fromStdString(label.caption));
    writer.end();
    painter.drawImage(area.topLeft(), text);
}

}  // namespace

void drawSmoothLabels(QPainter& painter, const FormObjects& objects, const QRect& client,
                      int scale) {
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (const Label& label : objects.labels)
        if (isSmooth(label)) drawLabel(painter, label, client, scale);
    painter.restore();
}

QRect SmoothLabelTracker::changes(const FormObjects& objects, const QRect& client) {
    looks_.resize(objects.labels.size());
    QRect changed;
    for (std::size_t index = 0; index < objects.labels.size(); ++index) {
        const Label& label = objects.labels[index];
        Look look;
        if (isSmooth(label)) look = {boxOf(label).intersected(client), label.caption, label.colour};
        if (look == looks_[index]) continue;
        changed |= looks_[index].shown | look.shown;
        looks_[index] = std::move(look);
    }
    return changed;
}

}  // namespace tt
