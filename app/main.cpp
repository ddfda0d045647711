// Turnip Trek 2: the game in its windows, or headless under the driver.

#include <QApplication>

#include <fstream>
#include <iostream>

#include "app/driver.h"
#include "app/options.h"
#include "shell/qt/front_end.h"
#include "shell/qt/picture_library.h"

namespace {

int runHeadless(const tt::Options& options, std::istream& script, tt::Game& game) {
    tt::Driver::Screenshot screenshot = [zoom = options.zoom](const tt::Game& shown, tt::FormId form,
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
        std::cout << tt::kUsage;
        return 0;
    }
    if (options->version) {
        std::cout << "turnip-trek " << TT_VERSION << '\n';
        return 0;
    }
    std::ifstream scriptFile;
    if (options->headless) {
        if (options->script != "-") {
            scriptFile.open(options->script);
            if (!scriptFile) {
                std::cerr << "turnip-trek: cannot read script '" << options->script << "'\n";
                return 2;
            }
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(keepOnlyQtErrors);
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
    return tt::runWindows(game, options->zoom, options->gamepad);
}
