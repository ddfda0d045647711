#include "shell/qt/front_end.h"

#include <QApplication>

#include "app/quote.h"

#include <iostream>
#include <memory>

#include "shell/qt/fonts.h"
#include "shell/qt/form_window.h"
#include "shell/qt/game_clock.h"
#include "shell/qt/gamepad/gamepad_poller.h"
#include "shell/qt/measurement.h"
#include "shell/qt/session_recorder.h"
#include "shell/qt/signal_watch.h"
#include "shell/qt/whole_file.h"
#include "shell/qt/window_icon.h"
#include "shell/qt/window_replay.h"
#include "shell/qt/window_set.h"
#include "shell/qt/zoom_fit.h"

namespace tt {
namespace {

int refuse(const std::string& error) {
    std::cerr << "turnip-trek: " << error << '\n';
    return 2;
}

}  // namespace

int runWindows(Game& game, std::optional<int> zoom, const SessionFiles& session, bool gamepads) {
    loadGameFonts();
    QApplication::setApplicationName(QStringLiteral("turnip-trek"));
    QApplication::setApplicationDisplayName(QStringLiteral("Turnip Trek 2"));
    QApplication::setDesktopFileName(QStringLiteral(TT_APP_ID));
    if (const QIcon icon = formIcon(game, "MainIcon"); !icon.isNull())
        QApplication::setWindowIcon(icon);
    // The game decides when it ends, not the last window.
    QApplication::setQuitOnLastWindowClosed(false);

    WindowSet windows(game, startingZoom(game, zoom, std::cerr));
    std::string error;
    // Both files are opened before any window shows, so a bad one is refused
    // before the game starts.
    std::unique_ptr<SessionRecorder> recorder;
    if (!session.record.empty()) {
        recorder = SessionRecorder::open(game, session.record, session.version, error);
        if (!recorder) return refuse(error);
        windows.playerInput().setLog(recorder.get());
    }
    std::unique_ptr<WindowReplay> replay;
    if (!session.replay.empty()) {
        replay = WindowReplay::open(game, windows.playerInput(), session.replay, std::cout, error);
        if (!replay) return refuse(error);
        replay->begin();
    }
    GameClock clock(game, [&windows] { windows.sync(); });
    if (replay) clock.setStep([&replay] { replay->step(); });
    windows.onPauseChanged([&clock](bool paused) { clock.setPaused(paused); });
    // exit, not quit: quitting first asks every window to close, and a
    // window's close box belongs to the game.
    windows.onEnded([&clock] {
        clock.stop();
        QCoreApplication::exit(0);
    });
    // Ctrl+C or a polite kill still ends a recording with its state.
    std::unique_ptr<SignalWatch> signalWatch;
    if (recorder)
        signalWatch = std::make_unique<SignalWatch>([&clock](int signal) {
            clock.stop();
            QCoreApplication::exit(128 + signal);
        });
    windows.sync();
    int status = 0;
    if (!game.ended()) {
        const auto pads = gamepads ? GamepadPoller::start(game, windows) : nullptr;
        if (pads) pads->mapping().onStart([&windows] { windows.togglePause(); });
        clock.start();
        status = QApplication::exec();
    }
    if (replay) replay->finish();
    if (recorder && !recorder->finish(error)) {
        std::cerr << "turnip-trek: " << error << '\n';
        if (status == 0) status = 1;
    }
    if (Measurement* record = Measurement::active()) record->write();
    return status;
}

std::string screenshotForm(const Game& game, FormId form, const std::string& file, int zoom) {
    const std::string name{formDefinition(form).layout.name};
    if (!game.loaded(form)) return name + " is not loaded";
    loadGameFonts();
    FormWindow window(game, form, zoom, nullptr);
    window.syncFromGame();
    const QImage picture = window.grabClientArea().toImage();
    // Encoded in memory first, so that a failed write is reported once,
    // here, and leaves no half-written picture behind.
    const QByteArray png = encodePng(picture);
    if (png.isEmpty()) return "cannot encode the picture of " + name;
    const QString problem = writeWhole(QString::fromStdString(file), png);
    if (!problem.isEmpty()) return "cannot write " + quote(file) + ": " + problem.toStdString();
    return {};
}

}  // namespace tt
