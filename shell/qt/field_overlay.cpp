#include "shell/qt/field_overlay.h"

#include <QFontMetrics>
#include <QPainter>

#include "app/key_help.h"
#include "shell/qt/fonts.h"

namespace tt {
namespace {

const QColor kShade(0, 0, 0, 170);
const QColor kText(255, 255, 255);

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The face of the windows' controls, at a size that reads at any zoom.
QFont overlayFont(int scale, qreal points = 0) {
    FontSpec spec;
    if (points > 0) spec.points = static_cast<float>(points);
    return controlFont(spec, Zoom{scale, 1});
}

void paintPaused(QPainter& painter, const QRect& field, int scale) {
    painter.setFont(overlayFont(scale, 16));
    const int band = QFontMetrics(painter.font()).height() * 3 / 2;
    const QRect strip(field.left(), field.center().y() - band / 2, field.width(), band);
    painter.fillRect(strip, kShade);
    painter.setPen(kText);
    painter.drawText(strip, Qt::AlignCenter, QStringLiteral("Paused"));
}

void paintKeysPanel(QPainter& painter, const QRect& field, int scale) {
    painter.setFont(overlayFont(scale, 7));
    const QFontMetrics metrics(painter.font());
    int keysWidth = 0;
    int doesWidth = 0;
    for (const KeyHelp& key : kKeyHelp) {
        keysWidth = std::max(keysWidth, metrics.horizontalAdvance(toQString(key.keys)));
        doesWidth = std::max(doesWidth, metrics.horizontalAdvance(toQString(key.does)));
    }
    const int line = metrics.height();
    const int margin = 4 * scale;
    const int gap = 6 * scale;
    const QSize size(margin * 2 + keysWidth + gap + doesWidth,
                     margin * 2 + line * static_cast<int>(kKeyHelp.size()));
    // Top middle, clear of the energy markers on the left.
    const QRect panel(field.left() + (field.width() - size.width()) / 2, field.top() + margin,
                      size.width(), size.height());
    painter.fillRect(panel, kShade);
    painter.setPen(kText);
    int y = panel.top() + margin;
    for (const KeyHelp& key : kKeyHelp) {
        const QRect row(panel.left() + margin, y, keysWidth, line);
        painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, toQString(key.keys));
        painter.drawText(row.translated(keysWidth + gap, 0).adjusted(0, 0, doesWidth - keysWidth, 0),
                         Qt::AlignLeft | Qt::AlignVCenter, toQString(key.does));
        y += line;
    }
}

void paintNote(QPainter& painter, const QRect& field, int scale, const QString& note) {
    painter.setFont(overlayFont(scale, 6.75));
    const QFontMetrics metrics(painter.font());
    const int margin = 2 * scale;
    const QString shown =
        metrics.elidedText(note, Qt::ElideMiddle, field.width() - 4 * margin);
    const QRect strip(field.left(), field.bottom() + 1 - metrics.height() - 2 * margin,
                      field.width(), metrics.height() + 2 * margin);
    painter.fillRect(strip, kShade);
    painter.setPen(kText);
    painter.drawText(strip.adjusted(2 * margin, 0, -2 * margin, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     shown);
}

}  // namespace

void FieldOverlay::paint(QPainter& painter, const QRect& field, int scale) const {
    if (empty()) return;
    painter.save();
    painter.setClipRect(field, Qt::IntersectClip);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (keysPanel) paintKeysPanel(painter, field, scale);
    if (paused) paintPaused(painter, field, scale);
    if (!note.isEmpty()) paintNote(painter, field, scale, note);
    painter.restore();
}

}  // namespace tt
