#include "shell/qt/lost_windows.h"

#include <QCoreApplication>

#include <xcb/xcb.h>

namespace tt {

LostWindows::LostWindows(std::function<void(WId)> lost) : lost_(std::move(lost)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

LostWindows::~LostWindows() {
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeNativeEventFilter(this);
}

bool LostWindows::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    // The top bit marks an event another client sent; a destruction is real
    // either way.
    if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY) return false;
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    // Only a window's own notice, not its parent's report about a child.
    if (destroyed->event != destroyed->window) return false;
    lost_(destroyed->window);
    return false;
}

}  // namespace tt
