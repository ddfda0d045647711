#include "shell/qt/front_end.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "app/quote.h"

#include "shell/qt/fonts.h"
#include "shell/qt/form_window.h"
#include "shell/qt/game_clock.h"
#include "shell/qt/measurement.h"
#include "shell/qt/window_icon.h"
#include "shell/qt/window_set.h"

namespace tt {

int runWindows(Game& game, int zoom) {
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
    clock.start();
    const int status = QApplication::exec();
    if (Measurement* record = Measurement::active()) record->write();
    return status;
}

namespace {

// Writes the whole of `bytes` or nothing: a file is written beside its place
// and renamed there only once complete. A device or a pipe has no file to
// replace and is written in place. Returns why it failed, empty on success.
QString writeWhole(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
            device.write(bytes) != bytes.size())
            return device.errorString();
        return {};
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

}  // namespace

std::string screenshotForm(const Game& game, FormId form, const std::string& file, int zoom) {
    const std::string name{formDefinition(form).layout.name};
    if (!game.loaded(form)) return name + " is not loaded";
    loadGameFonts();
    FormWindow window(game, form, zoom, nullptr);
    window.syncFromGame();
    const QImage picture = window.grabClientArea().toImage();
    // Encoded in memory first, so that a failed write is reported once,
    // here, and leaves no half-written picture behind.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) return "cannot encode the picture of " + name;
    const QString problem = writeWhole(QString::fromStdString(file), png);
    if (!problem.isEmpty()) return "cannot write " + quote(file) + ": " + problem.toStdString();
    return {};
}

}  // namespace tt
