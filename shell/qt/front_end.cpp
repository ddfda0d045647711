#include "shell/qt/front_end.h"

#include <QApplication>

#include "shell/qt/fonts.h"
#include "shell/qt/form_window.h"
#include "shell/qt/game_clock.h"
#include "shell/qt/gamepad/gamepad_poller.h"
#include "shell/qt/measurement.h"
#include "shell/qt/window_icon.h"
#include "shell/qt/window_set.h"

namespace tt {

int runWindows(Game& game, int zoom, bool gamepads) {
    loadGameFonts();
    QApplication::setApplicationName(QStringLiteral("turnip-trek"));
    QApplication::setApplicationDisplayName(QStringLiteral("Turnip Trek 2"));
    QApplication::setDesktopFileName(QStringLiteral(TT_APP_ID));
    if (const QIcon icon = formIcon(game, "MainIcon"); !icon.isNull())
        QApplication::setWindowIcon(icon);
    // The game decides when it ends, not the last window.
    QApplication::setQuitOnLastWindowClosed(false);

    WindowSet windows(game, zoom);
    GameClock clock(game, [&windows] { windows.sync(); });
    // exit, not quit: quitting first asks every window to close, and a
    // window's close box belongs to the game.
    windows.onEnded([&clock] {
        clock.stop();
        QCoreApplication::exit(0);
    });
    windows.sync();
    if (game.ended()) return 0;
    const auto pads = gamepads ? GamepadPoller::start(game, windows) : nullptr;
    clock.start();
    const int status = QApplication::exec();
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
    if (!picture.save(QString::fromStdString(file), "PNG")) return "cannot write '" + file + "'";
    return {};
}

}  // namespace tt
