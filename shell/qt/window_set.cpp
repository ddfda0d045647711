#include "shell/qt/window_set.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include <QWindow>

#include <iostream>

#include "shell/qt/field_screenshot.h"
#include "shell/qt/lost_windows.h"
#include "shell/qt/window_placement.h"
#include "shell/qt/zoom_fit.h"

namespace tt {
namespace {

// How long a note stays over the play field.
constexpr int kNoteMs = 4000;

constexpr std::array<FormId, kFormCount> kAllForms{FormId::Main, FormId::Play, FormId::GX,
                                                   FormId::Settings, FormId::Say};

bool isInputEvent(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

}  // namespace

WindowSet::WindowSet(Game& game, int zoom) : game_(game), zoom_(zoom) {
    qApp->installEventFilter(this);
    noteTimer_.setSingleShot(true);
    noteTimer_.setInterval(kNoteMs);
    connect(&noteTimer_, &QTimer::timeout, this, [this] {
        overlay_.note.clear();
        overlayChanged();
    });
    lostWindows_ = std::make_unique<LostWindows>([this](WId native) {
        for (FormId form : kAllForms) {
            const FormWindow* shown = window(form);
            if (!shown || shown->internalWinId() != native) continue;
            // Handled once the display's event is over.
            QMetaObject::invokeMethod(this, [this, form] { lostFromOutside(form); },
                                      Qt::QueuedConnection);
        }
    });
}

WindowSet::~WindowSet() {
    qApp->removeEventFilter(this);
    for (auto& window : windows_) delete window.data();
}

FormWindow* WindowSet::window(FormId form) const {
    return windows_[static_cast<std::size_t>(form)].data();
}

FormWindow* WindowSet::create(FormId form) {
    auto* window = new FormWindow(game_, form, zoom_, this);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    if (form == FormId::Play) window->setOverlay(&overlay_);
    windows_[static_cast<std::size_t>(form)] = window;
    return window;
}

void WindowSet::destroy(FormId form) {
    auto& window = windows_[static_cast<std::size_t>(form)];
    if (!window) return;
    if (form == FormId::Play) releaseFromPlayField();
    placedAt_[static_cast<std::size_t>(form)].reset();
    window->hide();
    // The window may be in the middle of one of its own events.
    window->deleteLater();
    window = nullptr;
}

namespace {

QRect desktop() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

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
QSize WindowSet::windowSize(FormId form) const {
    const auto key = std::pair(form, zoom_);
    auto known = windowSizes_.find(key);
    if (known == windowSizes_.end())
        known = windowSizes_.emplace(key, windowSizeAt(game_, form, zoom_)).first;
    return known->second;
}

void WindowSet::placeNew(FormWindow& window) {
    const QSize outer = windowSize(window.form()).grownBy(frameMargins());
    moveTo(window, placeWindow(window.form(), outer, desktop(), placedWindows()));
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
    const QRect desk = desktop();
    for (FormId form : {FormId::Main, FormId::Play, FormId::Say, FormId::Settings}) {
        FormWindow* shown = window(form);
        if (!shown || shown->fullScreen()) continue;
        const QSize outer = windowSize(form).grownBy(frameMargins());
        QPoint where = placeWindow(form, outer, desk, placedWindows());
        if (form == FormId::Main) {
            const QPoint corner = placedWindows().main.topLeft();
            where = QPoint(std::clamp(corner.x(), desk.left(),
                                      std::max(desk.left(), desk.right() + 1 - outer.width())),
                           std::clamp(corner.y(), desk.top(),
                                      std::max(desk.top(), desk.bottom() + 1 - outer.height())));
        }
        moveTo(*shown, where);
    }
}

int WindowSet::automaticZoom() const {
    return zoomThatFits(game_, desktop(), frameMargins());
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

void WindowSet::sync() {
    if (game_.ended()) {
        for (FormId form : kAllForms) destroy(form);
        if (!endReported_) {
            endReported_ = true;
            if (ended_) ended_();
        }
        return;
    }
    // The play field is placed before the say window it opens.
    static constexpr std::array<FormId, kFormCount> kShowOrder{
        FormId::Main, FormId::Play, FormId::Say, FormId::Settings, FormId::GX};
    for (FormId form : kShowOrder) {
        switch (game_.state(form)) {
        case FormState::Unloaded: destroy(form); break;
        case FormState::Hidden:
            if (FormWindow* shown = window(form)) {
                shown->hide();
                shown->syncFromGame();
            }
            break;
        case FormState::Shown: {
            FormWindow* shown = window(form);
            const bool fresh = !shown;
            if (fresh) shown = create(form);
            shown->syncFromGame();
            if (!shown->isVisible()) {
                if (fresh) {
                    placeNew(*shown);
                    followFullScreen(*shown);
                }
                shown->show();
                shown->focusFirstControl();
            }
            if (form == FormId::Play && !keysPanelOffered_) {
                keysPanelOffered_ = true;
                toggleKeysPanel();
            }
            break;
        }
        }
    }
    // Closing the play field ends its pause.
    if (paused() && game_.state(FormId::Play) != FormState::Shown) setPaused(false);
    activateModal();
}

// A form that has just become modal comes to the front with the focus; when
// the last modal show ends, the start screen has it again.
void WindowSet::activateModal() {
    const std::optional<FormId> modal = game_.modalForm();
    if (modal == activeModal_) return;
    activeModal_ = modal;
    FormWindow* shown = window(modal.value_or(FormId::Main));
    if (!shown || !shown->isVisible()) return;
    shown->raise();
    shown->activateWindow();
}

std::optional<FormId> WindowSet::formOfWidget(QObject* object) const {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return std::nullopt;
    const QWidget* top = widget->window();
    for (FormId form : kAllForms)
        if (window(form) == top) return form;
    return std::nullopt;
}

bool WindowSet::eventFilter(QObject* watched, QEvent* event) {
    if (!isInputEvent(event->type())) return false;
    const std::optional<FormId> form = formOfWidget(watched);
    if (!form) return false;
    // The windows' own keys work on every window, blocked or not.
    if (event->type() == QEvent::KeyPress &&
        frontEndKeyPressed(*form, static_cast<const QKeyEvent&>(*event)))
        return true;
    if (game_.takesInput(*form)) return false;
    // A click on a blocked window brings the modal one forward, as a modal
    // dialog does.
    if (event->type() == QEvent::MouseButtonPress) {
        if (const auto modal = game_.modalForm(); modal && window(*modal)) {
            window(*modal)->raise();
            window(*modal)->activateWindow();
        }
    }
    return true;
}

bool WindowSet::takesInput(FormId form) const { return game_.takesInput(form); }

void WindowSet::click(FormId form, std::string_view object) {
    playerInput_.click(form, object);
    sync();
}

void WindowSet::keyDown(FormId form, std::int16_t code) {
    playerInput_.keyDown(form, code);
    sync();
}

void WindowSet::typeText(TextBoxRef box, const QString& text) {
    playerInput_.typeText(box, text.toStdString());
    sync();
}

void WindowSet::scroll(ScrollBarRef bar, int value) {
    playerInput_.scroll(bar, value);
    sync();
}

void WindowSet::closeBox(FormId form) {
    playerInput_.closeBox(form);
    sync();
}

void WindowSet::lostFromOutside(FormId form) {
    auto& lost = windows_[static_cast<std::size_t>(form)];
    if (!lost) return;
    // The widget outlives its native window only until the event loop is
    // back, and is never shown again.
    if (form == FormId::Play) releaseFromPlayField();
    placedAt_[static_cast<std::size_t>(form)].reset();
    lost->deleteLater();
    lost = nullptr;
    closeBox(form);
}

}  // namespace tt
