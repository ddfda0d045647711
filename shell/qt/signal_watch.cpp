#include "shell/qt/signal_watch.h"

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <csignal>

namespace tt {
namespace {

// [0] is written by the signal handler, [1] read by the event loop.
std::array<int, 2> pair{-1, -1};
constexpr std::array kSignals{SIGINT, SIGTERM};

extern "C" void onSignal(int signal) {
    const auto number = static_cast<unsigned char>(signal);
    // Nothing can be done about a full socket; the first signal is enough.
    [[maybe_unused]] const auto written = ::write(pair[0], &number, 1);
}

}  // namespace

SignalWatch::SignalWatch(std::function<void(int)> caught) : caught_(std::move(caught)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pair.data()) != 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(pair[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        unsigned char number = 0;
        if (::read(pair[1], &number, 1) == 1 && caught_) caught_(number);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

SignalWatch::~SignalWatch() {
    if (!notifier_) return;
    for (int signal : kSignals) std::signal(signal, SIG_DFL);
    notifier_.reset();
    for (int& end : pair) {
        ::close(end);
        end = -1;
    }
}

}  // namespace tt
