// The windows' own keys and what they do: the zoom steps, fullscreen, the
// pause, the keys panel and the screenshot key, with what is drawn over the
// play field for them.

#include "shell/qt/window_set.h"

#include <QDateTime>
#include <QKeyEvent>

#include <iostream>

#include "shell/qt/field_screenshot.h"
#include "shell/qt/window_placement.h"
#include "shell/qt/zoom_fit.h"

namespace tt {

int WindowSet::automaticZoom() const {
    return zoomThatFits(availableDesktop(), frameMargins(),
                        [this](FormId form, int zoom) { return windowSize(form, zoom); });
}

void WindowSet::setZoom(int zoom) {
    zoom = std::clamp(zoom, kLowestZoom, kHighestZoom);
    if (zoom == zoom_) return;
    zoom_ = zoom;
    for (FormId form : kAllForms)
        if (FormWindow* shown = window(form)) shown->setWindowZoom(zoom);
    replaceAfterZoom();
}

void WindowSet::toggleFullScreen() {
    FormWindow* play = window(FormId::Play);
    if (!play || !play->isVisible()) return;
    play->setFullScreen(!play->fullScreen());
    for (FormId form : {FormId::Say, FormId::Settings})
        if (FormWindow* shown = window(form)) followFullScreen(*shown);
}

void WindowSet::togglePause() {
    if (!paused() && game_.state(FormId::Play) != FormState::Shown) return;
    setPaused(!paused());
}

void WindowSet::setPaused(bool paused) {
    if (paused == overlay_.paused) return;
    overlay_.paused = paused;
    playerInput_.setPaused(paused);
    if (pauseChanged_) pauseChanged_(paused);
    overlayChanged();
}

void WindowSet::toggleKeysPanel() {
    overlay_.keysPanel = !overlay_.keysPanel;
    overlayChanged();
}

void WindowSet::saveScreenshot() {
    FormWindow* play = window(FormId::Play);
    if (!play || !play->isVisible()) return;
    const SavedPicture saved = tt::saveScreenshot(play->grabClientArea().toImage(),
                                                  picturesFolder(), QDateTime::currentDateTime());
    if (saved.error.isEmpty()) {
        std::cout << "screenshot: " << saved.path.toStdString() << std::endl;
        showNote(QStringLiteral("Saved ") + saved.path);
    } else {
        std::cerr << "turnip-trek: screenshot: " << saved.error.toStdString() << std::endl;
        showNote(QStringLiteral("No screenshot: ") + saved.error);
    }
}

void WindowSet::showNote(const QString& note) {
    overlay_.note = note;
    overlayChanged();
    noteTimer_.start();
}

void WindowSet::overlayChanged() {
    if (FormWindow* play = window(FormId::Play)) play->clientArea()->update();
}

bool WindowSet::frontEndKeyPressed(FormId form, const QKeyEvent& key) {
    const auto ours = frontEndKey(key, form == FormId::Play);
    // The keys panel stays up until the player presses a key on the field.
    const bool modifier = key.key() == Qt::Key_Shift || key.key() == Qt::Key_Control ||
                          key.key() == Qt::Key_Alt || key.key() == Qt::Key_Meta;
    if (form == FormId::Play && overlay_.keysPanel && !modifier && !key.isAutoRepeat() &&
        ours != FrontEndKey::KeysPanel) {
        overlay_.keysPanel = false;
        overlayChanged();
    }
    if (!ours) return false;
    act(*ours);
    return true;
}

void WindowSet::act(FrontEndKey key) {
    switch (key) {
    case FrontEndKey::ZoomIn: setZoom(std::min(zoom_ + 1, std::max(zoom_, automaticZoom()))); break;
    case FrontEndKey::ZoomOut: setZoom(zoom_ - 1); break;
    case FrontEndKey::ZoomAutomatic: setZoom(automaticZoom()); break;
    case FrontEndKey::FullScreen: toggleFullScreen(); break;
    case FrontEndKey::Pause: togglePause(); break;
    case FrontEndKey::KeysPanel: toggleKeysPanel(); break;
    case FrontEndKey::Screenshot: saveScreenshot(); break;
    case FrontEndKey::Repeat: break;
    }
}

}  // namespace tt
