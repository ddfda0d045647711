// Where the game's windows go: placed when they open, placed again round the
// start screen after a zoom step, and the say and settings windows handed
// to a fullscreen play field and back.

#include "shell/qt/window_set.h"

#include <QWindow>

#include "shell/qt/window_placement.h"
#include "shell/qt/zoom_fit.h"

namespace tt {

// The frame a window manager puts round the windows: the one a shown window
// has, or the usual one before any is shown.
QMargins WindowSet::frameMargins() const {
    for (FormId form : kAllForms) {
        const FormWindow* shown = window(form);
        if (!shown || !shown->isVisible() || shown->fullScreen()) continue;
        const QRect inner = shown->geometry();
        const QRect outer = shown->frameGeometry();
        // The window manager may not have framed a window it was just given.
        if (inner == outer) continue;
        return {inner.left() - outer.left(), inner.top() - outer.top(),
                outer.right() - inner.right(), outer.bottom() - inner.bottom()};
    }
    return kUsualFrame;
}

PlacedWindows WindowSet::placedWindows() const {
    const QMargins frame = frameMargins();
    auto frameOf = [this, &frame](FormId form) -> QRect {
        const FormWindow* other = window(form);
        if (!other || other->fullScreen()) return {};
        // Where the window was put, rather than where Qt says it is: until
        // the window manager has framed a window Qt has its place wrong.
        const auto& corner = placedAt_[static_cast<std::size_t>(form)];
        return QRect(corner.value_or(other->pos()), windowSize(form).grownBy(frame));
    };
    return {frameOf(FormId::Main), frameOf(FormId::Play), frameOf(FormId::Say),
            windowSize(FormId::Play).grownBy(frame)};
}

// A window's size follows from its form and the zoom alone; it is worked
// out here rather than read off the window, which a window manager resizes
// only some time after it is asked to.
QSize WindowSet::windowSize(FormId form, std::optional<int> zoom) const {
    const auto key = std::pair(form, zoom.value_or(zoom_));
    auto known = windowSizes_.find(key);
    if (known == windowSizes_.end())
        known = windowSizes_.emplace(key, windowSizeAt(game_, form, key.second)).first;
    return known->second;
}

void WindowSet::placeNew(FormWindow& window) {
    const QSize outer = windowSize(window.form()).grownBy(frameMargins());
    moveTo(window, placeWindow(window.form(), outer, availableDesktop(), placedWindows()));
}

// Placed by the client area's corner: a window manager may take a frame's
// corner given for a window it has not framed yet as the client's.
void WindowSet::moveTo(FormWindow& window, QPoint corner) {
    placedAt_[static_cast<std::size_t>(window.form())] = corner;
    const QMargins frame = frameMargins();
    window.setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), windowSize(window.form())));
}

// After a zoom step the start screen keeps its corner and the others take
// their places round it again, as when they opened.
void WindowSet::replaceAfterZoom() {
    const QRect desk = availableDesktop();
    for (FormId form : {FormId::Main, FormId::Play, FormId::Say, FormId::Settings}) {
        FormWindow* shown = window(form);
        if (!shown || shown->fullScreen()) continue;
        const QSize outer = windowSize(form).grownBy(frameMargins());
        const QPoint where = form == FormId::Main
                                 ? clampToDesk(placedWindows().main.topLeft(), outer, desk)
                                 : placeWindow(form, outer, desk, placedWindows());
        moveTo(*shown, where);
    }
}

// Over a fullscreen play field the say and settings windows belong to it,
// so that the window manager keeps them above it. A window that changes
// hands is shown again where it was, and the keys go back to the field.
void WindowSet::followFullScreen(FormWindow& shown, bool released) {
    if (shown.form() != FormId::Say && shown.form() != FormId::Settings) return;
    FormWindow* play = window(FormId::Play);
    QWidget* owner = play && play->fullScreen() && !released ? play : nullptr;
    if (shown.parentWidget() == owner) return;
    const bool visible = shown.isVisible();
    const QPoint where = placedAt_[static_cast<std::size_t>(shown.form())].value_or(shown.pos());
    // Only a dialog is marked as belonging to another window.
    const Qt::WindowFlags flags = shown.windowFlags() & ~Qt::WindowType_Mask;
    shown.setParent(owner, flags | (owner ? Qt::Dialog : Qt::Window));
    moveTo(shown, where);
    if (!visible) return;
    shown.show();
    if (play && !released) play->activateWindow();
}

// The windows a fullscreen play field holds outlive it.
void WindowSet::releaseFromPlayField() {
    for (FormId form : {FormId::Say, FormId::Settings})
        if (FormWindow* shown = window(form)) followFullScreen(*shown, true);
}

}  // namespace tt
