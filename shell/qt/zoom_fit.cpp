#include "shell/qt/zoom_fit.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include "shell/qt/form_window.h"
#include "shell/qt/zoom.h"

namespace tt {

int largestZoomThatFits(const QSize& available, const QMargins& frame, int highest,
                        const std::function<QSize(int zoom)>& largestWindowAt) {
    const QSize room = available.shrunkBy(frame);
    for (int zoom = highest; zoom > kLowestZoom; --zoom) {
        const QSize needed = largestWindowAt(zoom);
        if (needed.width() <= room.width() && needed.height() <= room.height()) return zoom;
    }
    return kLowestZoom;
}

QSize windowSizeAt(const Game& game, FormId form, int zoom) {
    FormWindow window(game, form, zoom, nullptr);
    window.adjustSize();
    return window.size();
}

int zoomThatFits(const QRect& available, const QMargins& frame,
                 const std::function<QSize(FormId form, int zoom)>& windowAt) {
    return largestZoomThatFits(available.size(), frame, kHighestZoom, [&windowAt](int zoom) {
        return windowAt(FormId::Main, zoom).expandedTo(windowAt(FormId::Play, zoom));
    });
}

int startingZoom(const Game& game, std::optional<int> requested, std::ostream& warnings) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return requested.value_or(kLowestZoom);
    const QRect desk = screen->availableGeometry();
    const int fits = zoomThatFits(desk, kUsualFrame, [&game](FormId form, int zoom) {
        return windowSizeAt(game, form, zoom);
    });
    if (!requested) return fits;
    if (*requested <= fits) return *requested;
    warnings << "turnip-trek: zoom " << *requested << " does not fit the screen (" << desk.width()
             << " x " << desk.height() << "); using zoom " << fits << '\n';
    return fits;
}

int zoomFillingScreen(const QSize& screen, const QSize& field, qreal deviceRatio) {
    if (field.isEmpty()) return kLowestZoom;
    auto fits = [&](int zoom) {
        const Zoom candidate{zoom, deviceRatio};
        return candidate.logicalSize(field.width()) <= screen.width() &&
               candidate.logicalSize(field.height()) <= screen.height();
    };
    // A first guess from the logical sizes, then whole steps to the answer.
    int zoom = std::max(kLowestZoom, std::min(screen.width() / field.width(),
                                              screen.height() / field.height()));
    while (zoom > kLowestZoom && !fits(zoom)) --zoom;
    while (fits(zoom + 1)) ++zoom;
    return zoom;
}

}  // namespace tt
