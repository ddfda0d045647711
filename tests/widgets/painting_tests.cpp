// What the windows show: the back colour, the sky after the level start,
// labels cut to their boxes, crisp zoomed pixels and the driver's
// screenshots, controls included.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cmath>
#include <limits>

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

// A label far larger than its window, or far outside it, costs no more than
// the window, and a caption in such a label is still drawn where it shows.
TEST_F(Painting, HugeAndFarLabelsAreDrawnClippedToTheWindow) {
    game.click(FormId::Main, "Command1");
    game.tick();
    game[play::YouSay].caption = "WWWW";
    const QImage plain = screenshot(FormId::Play);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const long before = usage.ru_maxrss;
    Label& say = game[play::YouSay];
    say.left = -15;  // one pixel left of the window, so the caption shows
    say.width = 450000;
    say.height = 450000;
    const QImage huge = screenshot(FormId::Play);
    EXPECT_NE(huge, plain);
    const float far[] = {1e30f, -1e30f, std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity(), std::nanf(""), -0.0f};
    for (float value : far) {
        SCOPED_TRACE(value);
        for (float* field : {&say.left, &say.top, &say.width, &say.height}) {
            const float kept = *field;
            *field = value;
            EXPECT_EQ(screenshot(FormId::Play).size(), QSize(255, 158));
            *field = kept;
        }
    }
    getrusage(RUSAGE_SELF, &usage);
    EXPECT_LT(usage.ru_maxrss - before, 100 * 1024) << "kilobytes more at the peak";
}

TEST(TwipsToPixels, AnyFloatGivesAPixelTheZoomCanScale) {
    const float infinity = std::numeric_limits<float>::infinity();
    struct Case {
        float twips;
        int pixels;
    };
    const Case cases[] = {{0, 0}, {14.9f, 0}, {15, 1}, {-1, -1}, {-0.0f, 0},
                          {1e30f, kFarthestPixel}, {-1e30f, -kFarthestPixel},
                          {infinity, kFarthestPixel}, {-infinity, -kFarthestPixel},
                          {std::nanf(""), 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.twips);
        EXPECT_EQ(toPixels(c.twips), c.pixels);
    }
    const Zoom zoom{6, 2.0};
    const QRect whole = zoom.logicalRect(pixelRect(-1e30f, -1e30f, infinity, infinity));
    EXPECT_EQ(whole.left(), -kFarthestPixel * 6);  // logical pixels: six per game pixel
    EXPECT_EQ(whole.right(), kFarthestPixel * 6 - 1);
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
}

// A failed write is one line naming the file and why, and leaves nothing
// behind; a good one replaces the file whole.
TEST_F(Painting, FailedScreenshotWritesSayWhyAndLeaveNoFile) {
    const QString folder = directory.path();
    const std::string cases[] = {"/dev/full", folder.toStdString(),
                                 directory.filePath("no/such/folder.png").toStdString()};
    for (const std::string& file : cases) {
        SCOPED_TRACE(file);
        const std::string error = screenshotForm(game, FormId::Main, file, 1);
        EXPECT_EQ(error.rfind("cannot write '" + file + "': ", 0), 0u) << error;
        EXPECT_GT(error.size(), ("cannot write '" + file + "': ").size());
        EXPECT_EQ(error.find('\n'), std::string::npos);
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    const QString file = directory.filePath(QStringLiteral("shot.png"));
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1'000'000, 'x'));
    old.close();
    EXPECT_EQ(screenshotForm(game, FormId::Main, file.toStdString(), 1), "");
    EXPECT_EQ(QImage(file).size(), QSize(379, 250));
    EXPECT_EQ(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("shot.png")});
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
