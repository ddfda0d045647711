// Turnip Trek 2: the game in its windows, or headless under the driver.

#include <QApplication>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/driver.h"
#include "app/options.h"
#include "app/quote.h"
#include "shell/qt/front_end.h"
#include "shell/qt/picture_library.h"

namespace {

int runHeadless(const tt::Options& options, std::istream& script, tt::Game& game) {
    tt::Driver::Screenshot screenshot = [zoom = options.zoom.value_or(1)](const tt::Game& shown, tt::FormId form,
                                                              const std::string& file) {
        return tt::screenshotForm(shown, form, file, zoom);
    };
    tt::Driver driver(game, std::cout, std::cerr, options.script, screenshot);
    return driver.run(script);
}

// Headless, standard error carries the script's errors and nothing else, so
// Qt's chatter about the desktop it does not use is dropped.
void keepOnlyQtErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "turnip-trek: " << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = tt::parseOptions({argv + 1, argv + argc}, error);
    if (!options) {
        std::cerr << "turnip-trek: " << error << '\n' << tt::kUsage;
        return 2;
    }
    if (options->help) {
        std::cout << tt::helpText();
        return 0;
    }
    if (options->version) {
        std::cout << "turnip-trek " << TT_VERSION << '\n';
        return 0;
    }
    std::ifstream scriptFile;
    if (options->headless) {
        if (options->script != "-") {
            // A folder opens like a file and reads as an empty script.
            std::error_code ignored;
            const bool folder = std::filesystem::is_directory(options->script, ignored);
            if (!folder) scriptFile.open(options->script, std::ios::binary);
            if (folder || !scriptFile) {
                std::cerr << "turnip-trek: cannot read script " << tt::quote(options->script)
                          << (folder ? ": is a directory\n" : "\n");
                return 2;
            }
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(keepOnlyQtErrors);
    }
    // A recording that cannot be written or a replay that cannot be read is
    // refused before anything starts, even without a display.
    if (!options->record.empty() && !std::ofstream(options->record, std::ios::app)) {
        std::cerr << "turnip-trek: cannot write the recording '" << options->record << "'\n";
        return 2;
    }
    if (!options->replay.empty() && !std::ifstream(options->replay)) {
        std::cerr << "turnip-trek: cannot read the recording '" << options->replay << "'\n";
        return 2;
    }
    // Without any display Qt would abort with a long story; say it plainly.
    // A platform asked for by name (offscreen, say) may need no display.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool needsDisplay =
        platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    if (!options->headless && needsDisplay && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::cerr << "turnip-trek: cannot open a window: no display; use --headless to run "
                     "without one\n";
        return 1;
    }
    QApplication application(argc, argv);
    const tt::EmbeddedPictures& pictures = tt::EmbeddedPictures::instance();
    for (const std::string& problem : pictures.problems())
        std::cerr << "turnip-trek: " << problem << '\n';
    if (!pictures.problems().empty()) return 1;

    tt::Game game(pictures, options->clockMs);
    game.start();
    if (options->headless)
        return runHeadless(*options, options->script == "-" ? std::cin : scriptFile, game);
    return tt::runWindows(game, options->zoom, {options->record, options->replay, TT_VERSION},
                          options->gamepad);
}
