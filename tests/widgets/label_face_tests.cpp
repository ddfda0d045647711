// How the labels' faces look on the start screen: bold bitmap letters that
// stay apart.

#include <QImage>
#include <QTemporaryDir>

#include "shell/qt/fonts.h"
#include "shell/qt/front_end.h"
#include "shell/qt/picture_library.h"
#include "shell/start_layout.h"
#include "tests/widgets/window_fixture.h"

namespace tt::testing {
namespace {

class LabelFaces : public ::testing::Test {
protected:
    LabelFaces() : game(EmbeddedPictures::instance()) { game.start(); }

    QImage screenshot(int zoom = 1) {
        const QString file = directory.filePath(QStringLiteral("shot.png"));
        EXPECT_EQ(screenshotForm(game, FormId::Main, file.toStdString(), zoom), "");
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir directory;
    Game game;
};

// Runs of neighbouring columns that hold a pixel of the given colour.
int inkRuns(const QImage& image, const QRect& box, QRgb ink) {
    int runs = 0;
    bool inRun = false;
    for (int x = box.left(); x <= box.right(); ++x) {
        bool inked = false;
        for (int y = box.top(); y <= box.bottom() && !inked; ++y) inked = image.pixel(x, y) == ink;
        if (inked && !inRun) ++runs;
        inRun = inked;
    }
    return runs;
}

TEST_F(LabelFaces, BoldBitmapLettersStayApart) {
    loadGameFonts();
    if (!isBitmapFace(sceneFont(start::kSansBold13))) GTEST_SKIP() << "no bitmap face installed";
    const ObjectSpec& spec = *findObject(start::kLayout, "Character");
    const QRect box = pixelRect(spec.left, spec.top, spec.width, spec.height);
    // Letters of these names touch when the doubled strokes close the gap.
    for (const char* name : {"Ember", "Fennel", "Clover", "Rook"}) {
        SCOPED_TRACE(name);
        game[start::Character].caption = name;
        EXPECT_EQ(inkRuns(screenshot(), box, qRgb(255, 255, 255)),
                  static_cast<int>(std::string_view(name).size()));
    }
}

}  // namespace
}  // namespace tt::testing
