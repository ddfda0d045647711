#include "shell/qt/window_placement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace tt {
namespace {

constexpr int kGap = 12;
constexpr QPoint kOverlapStep{48, 40};

QPoint centred(const QRect& desk, const QSize& size) {
    return desk.center() - QPoint(size.width() / 2, size.height() / 2);
}

QPoint playCorner(const QRect& main, const QSize& play, const QRect& desk) {
    if (main.right() + kGap + play.width() <= desk.right()) return main.topRight() + QPoint(kGap, 0);
    return main.topLeft() + kOverlapStep;
}

QPoint besidePlayField(const QRect& play, const QRect& say, const QSize& size, const QRect& desk) {
    if (play.right() + kGap + size.width() <= desk.right())
        return {play.right() + kGap, play.top()};
    if (play.left() - kGap - size.width() >= desk.left())
        return {play.left() - kGap - size.width(), play.top()};
    const QRect above = say.isValid() ? play.united(say) : play;
    return {play.left(), above.bottom() + kGap};
}

QPoint wanted(FormId form, const QSize& size, const QRect& desk, const PlacedWindows& placed) {
    QPoint where = centred(desk, size);
    switch (form) {
    case FormId::Main:
        if (const int pair = size.width() + kGap + placed.playSize.width(); pair <= desk.width())
            where.setX(desk.center().x() - pair / 2);
        return where;
    case FormId::Play:
        return placed.main.isValid() ? playCorner(placed.main, size, desk) : where;
    case FormId::Say: {
        QRect play = placed.play;
        // The say window opens just before the play field is placed.
        if (!play.isValid() && placed.main.isValid())
            play = QRect(playCorner(placed.main, placed.playSize, desk), placed.playSize);
        return play.isValid() ? QPoint(play.left(), play.bottom() + kGap) : where;
    }
    case FormId::Settings:
        return placed.play.isValid() ? besidePlayField(placed.play, placed.say, size, desk) : where;
    default: return where;
    }
}

}  // namespace

QRect availableDesktop() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QPoint clampToDesk(QPoint corner, const QSize& size, const QRect& desk) {
    return {std::clamp(corner.x(), desk.left(), std::max(desk.left(), desk.right() + 1 - size.width())),
            std::clamp(corner.y(), desk.top(), std::max(desk.top(), desk.bottom() + 1 - size.height()))};
}

QPoint placeWindow(FormId form, const QSize& size, const QRect& desk, const PlacedWindows& placed) {
    return clampToDesk(wanted(form, size, desk, placed), size, desk);
}

}  // namespace tt
