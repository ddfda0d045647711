#include "shell/qt/window_set.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include "shell/qt/lost_windows.h"

namespace tt {
namespace {

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
    windows_[static_cast<std::size_t>(form)] = window;
    return window;
}

void WindowSet::destroy(FormId form) {
    auto& window = windows_[static_cast<std::size_t>(form)];
    if (!window) return;
    window->hide();
    // The window may be in the middle of one of its own events.
    window->deleteLater();
    window = nullptr;
}

// The start screen opens in the middle of the screen, or left of the middle
// when the play field fits beside it; the play field beside
// it on the right where the screen has room, else over it, a little down and
// to the right; the say window just below the play field, so that both can be
// seen while playing; the settings window over the play field.
void WindowSet::placeNew(FormWindow& window) {
    window.adjustSize();
    const QSize size = window.size();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desk = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    auto anchor = [this](FormId form) -> QRect {
        const FormWindow* other = this->window(form);
        return other ? other->frameGeometry() : QRect();
    };
    const Zoom zoom{zoom_, screen ? screen->devicePixelRatio() : 1.0};
    const int playWidth =
        zoom.logicalSize(toPixels(formDefinition(FormId::Play).layout.clientWidth)) + 16;
    auto playCorner = [&](const QRect& main) {
        if (main.right() + 12 + playWidth <= desk.right()) return main.topRight() + QPoint(12, 0);
        return main.topLeft() + QPoint(48, 40);
    };
    QPoint where = desk.center() - QPoint(size.width() / 2, size.height() / 2);
    switch (window.form()) {
    case FormId::Main:
        // Leave room on the right for the play field when the screen has it.
        if (const int pair = size.width() + 12 + playWidth; pair <= desk.width())
            where.setX(desk.center().x() - pair / 2);
        break;
    case FormId::Play:
        if (const QRect main = anchor(FormId::Main); main.isValid()) where = playCorner(main);
        break;
    case FormId::Say: {
        QRect play = anchor(FormId::Play);
        if (!play.isValid()) {
            // The say window opens just before the play field is placed.
            const QRect main = anchor(FormId::Main);
            if (main.isValid()) {
                const int playHeight =
                    zoom.logicalSize(toPixels(formDefinition(FormId::Play).layout.clientHeight));
                play = QRect(playCorner(main), QSize(1, playHeight + 60));
            }
        }
        if (play.isValid()) where = QPoint(play.left(), play.bottom() + 12);
        break;
    }
    case FormId::Settings:
        if (const QRect play = anchor(FormId::Play); play.isValid())
            where = play.center() - QPoint(size.width() / 2, size.height() / 2);
        break;
    default: break;
    }
    where.setX(std::clamp(where.x(), desk.left(), std::max(desk.left(), desk.right() - size.width())));
    where.setY(std::clamp(where.y(), desk.top(), std::max(desk.top(), desk.bottom() - size.height())));
    window.move(where);
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
                if (fresh) placeNew(*shown);
                shown->show();
                shown->focusFirstControl();
            }
            break;
        }
        }
    }
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
    if (!form || game_.takesInput(*form)) return false;
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
    lost->deleteLater();
    lost = nullptr;
    closeBox(form);
}

}  // namespace tt
