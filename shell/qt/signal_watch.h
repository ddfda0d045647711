#pragma once

// Ctrl+C in the terminal (SIGINT) and SIGTERM, turned into an ordinary call
// on the event loop: the signal handler itself only writes the signal's
// number into a socket pair, which the event loop watches. Only one watch
// may exist at a time; the default handling comes back when it goes.

#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace tt {

class SignalWatch {
public:
    explicit SignalWatch(std::function<void(int signal)> caught);
    ~SignalWatch();
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;

private:
    std::function<void(int)> caught_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tt
