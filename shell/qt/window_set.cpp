#include "shell/qt/window_set.h"

#include <QApplication>
#include <QKeyEvent>

#include "shell/qt/lost_windows.h"

namespace tt {
namespace {

// How long a note stays over the play field.
constexpr int kNoteMs = 4000;

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
