// What the windows show: the back colour, the sky after the level start,
// labels cut to their boxes, crisp zoomed pixels and the driver's
// screenshots, controls included.

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "level/play_layout.h"
#include "shell/qt/front_end.h"
#include "tests/widgets/window_fixture.h"

namespace tt::testing {
namespace {

const QColor kTeal(0, 192, 192);
const QColor kSky(63, 191, 255);

class Painting : public ::testing::Test {
protected:
    Painting() : game(EmbeddedPictures::instance()) { game.start(); }

    QImage screenshot(FormId form, int zoom = 1) {
        const QString file = directory.filePath(QStringLiteral("shot.png"));
        const std::string error = screenshotForm(game, form, file.toStdString(), zoom);
        EXPECT_EQ(error, "");
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    }

    static bool havePictures() { return EmbeddedPictures::instance().problems().empty(); }

    QTemporaryDir directory;
    Game game;
};

TEST_F(Painting, TheBackColourShowsBeforeTheLevelStartAndTheSkyAfter) {
    game.click(FormId::Main, "Command1");
    const QImage before = screenshot(FormId::Play);
    ASSERT_EQ(before.size(), QSize(255, 158));
    // Between the vine and the first log nothing covers the back colour.
    EXPECT_EQ(before.pixelColor(60, 30), kTeal);
    game.tick();
    if (!havePictures()) GTEST_SKIP() << "the pictures are not built in";
    EXPECT_EQ(screenshot(FormId::Play).pixelColor(60, 30), kSky);
}

TEST_F(Painting, EveryGamePixelIsAWholeBlockWhenZoomed) {
    game.click(FormId::Main, "Command1");
    game.tick();
    for (int zoom : {2, 3}) {
        SCOPED_TRACE(zoom);
        const QImage shot = screenshot(FormId::Play, zoom);
        ASSERT_EQ(shot.size(), QSize(255 * zoom, 158 * zoom));
        int uneven = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixel(x, y) != shot.pixel(x - x % zoom, y - y % zoom)) ++uneven;
        EXPECT_EQ(uneven, 0);
    }
}

TEST_F(Painting, ALongLineIsCutAtItsLabelsBox) {
    game.click(FormId::Main, "Command1");
    game[play::YouSay].left = 1500;
    game[play::YouSay].top = 150;
    const QImage empty = screenshot(FormId::Play);
    game[play::YouSay].caption = std::string(200, 'W') + " and more words to wrap";
    const QImage said = screenshot(FormId::Play);
    const QRect box = pixelRect(1500, 150, 855, 255);
    int insideChanged = 0;
    int outsideChanged = 0;
    for (int y = 0; y < said.height(); ++y)
        for (int x = 0; x < said.width(); ++x)
            if (said.pixel(x, y) != empty.pixel(x, y)) ++(box.contains(x, y) ? insideChanged : outsideChanged);
    EXPECT_GT(insideChanged, 0);
    EXPECT_EQ(outsideChanged, 0);
}

TEST_F(Painting, ScreenshotsShowTheControls) {
    game.objects(FormId::Settings);
    const QImage shot = screenshot(FormId::Settings);
    ASSERT_EQ(shot.size(), QSize(208, 89));
    // The orange back colour around, something else where the button is.
    const QColor orange(255, 128, 0);
    EXPECT_EQ(shot.pixelColor(2, 2), orange);
    const QRect ok = pixelRect(1080, 840, 975, 375);
    int buttonPixels = 0;
    for (int y = ok.top(); y <= ok.bottom(); ++y)
        for (int x = ok.left(); x <= ok.right(); ++x)
            if (shot.pixelColor(x, y) != orange) ++buttonPixels;
    EXPECT_GT(buttonPixels, ok.width() * ok.height() / 2);
}

TEST_F(Painting, ScreenshotsOfAFormThatIsNotLoadedFail) {
    const std::string error = screenshotForm(game, FormId::Play, "unused.png", 1);
    EXPECT_NE(error.find("not loaded"), std::string::npos);
    const std::string unwritable = screenshotForm(game, FormId::Main, "/nonexistent/x.png", 1);
    EXPECT_NE(unwritable, "");
}

struct PaintCounter final : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

TEST_F(Painting, TheWindowRepaintsWhenTheSceneChangedAndOnlyThen) {
    WindowSet windows(game, 1);
    game.click(FormId::Main, "Command1");
    windows.sync();
    FormWindow* field = windows.window(FormId::Play);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(field));
    QCoreApplication::processEvents();
    PaintCounter counter;
    field->clientArea()->installEventFilter(&counter);

    windows.sync();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);

    game[play::YouSay].caption = "hi";
    game[play::Enemy1].left -= 15;
    windows.sync();
    windows.sync();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
    field->clientArea()->removeEventFilter(&counter);
}

}  // namespace
}  // namespace tt::testing
