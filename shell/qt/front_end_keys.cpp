#include "shell/qt/front_end_keys.h"

#include <QKeyEvent>

namespace tt {
namespace {

std::optional<FrontEndKey> zoomKey(int key) {
    switch (key) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: return FrontEndKey::ZoomIn;
    case Qt::Key_Minus: return FrontEndKey::ZoomOut;
    case Qt::Key_0: return FrontEndKey::ZoomAutomatic;
    default: return std::nullopt;
    }
}

std::optional<FrontEndKey> playFieldKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    if (key == Qt::Key_F11 || (alt && (key == Qt::Key_Return || key == Qt::Key_Enter)))
        return FrontEndKey::FullScreen;
    // Alt, Control and Meta with a letter belong to the menus and the desktop.
    if (modifiers & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) return std::nullopt;
    switch (key) {
    case Qt::Key_P:
    case Qt::Key_Pause: return FrontEndKey::Pause;
    case Qt::Key_H: return FrontEndKey::KeysPanel;
    case Qt::Key_F12: return FrontEndKey::Screenshot;
    default: return std::nullopt;
    }
}

}  // namespace

std::optional<FrontEndKey> frontEndKey(const QKeyEvent& event, bool onPlayField) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    std::optional<FrontEndKey> key;
    if (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier))
        key = zoomKey(event.key());
    if (!key && onPlayField) key = playFieldKey(event.key(), modifiers);
    if (key && event.isAutoRepeat()) return FrontEndKey::Repeat;
    return key;
}

}  // namespace tt
