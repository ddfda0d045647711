#pragma once

// Notices when the display server destroys one of the game's windows behind
// its back (a tool that kills windows, a window manager that crashed): Qt
// keeps such a widget as if it were still on the screen.

#include <QAbstractNativeEventFilter>
#include <QWindow>

#include <functional>

namespace tt {

class LostWindows final : public QAbstractNativeEventFilter {
public:
    // `lost` is given the native id of each window destroyed; it runs inside
    // the display's event, so it should only note the loss for later.
    explicit LostWindows(std::function<void(WId)> lost);
    ~LostWindows() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    std::function<void(WId)> lost_;
};

}  // namespace tt
