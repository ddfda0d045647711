// The windows on the player's screen: the zoom that fits and its steps,
// fullscreen, the pause, the keys panel, the screenshot key, where the
// windows open and their icons.

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <vector>

#include "shell/qt/field_screenshot.h"
#include "shell/qt/game_clock.h"
#include "shell/qt/window_icon.h"
#include "shell/qt/window_placement.h"
#include "shell/qt/zoom_fit.h"
#include "tests/widgets/window_fixture.h"

namespace tt::testing {
namespace {

constexpr QSize kStartScreen{379, 250};
constexpr QSize kPlayField{255, 158};

TEST(ZoomFit, TheLargestZoomAtWhichEveryWindowFitsInItsFrame) {
    // The start screen with a menu bar of 13 pixels a zoom step.
    const auto startScreenAt = [](int zoom) {
        return QSize(kStartScreen.width() * zoom, (kStartScreen.height() + 13) * zoom);
    };
    const struct {
        QSize screen;
        int zoom;
    } cases[] = {{{1920, 1080}, 3}, {{1600, 1200}, 4}, {{1280, 1024}, 3},
                 {{3840, 2160}, 6}, {{800, 600}, 2},   {{300, 200}, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen.width());
        EXPECT_EQ(largestZoomThatFits(c.screen, kUsualFrame, kHighestZoom, startScreenAt), c.zoom);
    }
}

TEST(ZoomFit, FullscreenTakesTheLargestWholeZoomTheScreenHolds) {
    EXPECT_EQ(zoomFillingScreen({1920, 1080}, kPlayField, 1), 6);
    EXPECT_EQ(zoomFillingScreen({3840, 2160}, kPlayField, 1), 13);
    EXPECT_EQ(zoomFillingScreen({200, 100}, kPlayField, 1), 1);
    // At a device ratio of 1.5 a zoom of 4 is 6 device pixels a game pixel,
    // 1020 logical pixels across.
    EXPECT_EQ(zoomFillingScreen({1280, 720}, kPlayField, 1.5), 4);
}

TEST(WindowPlacement, TheSettingsWindowNeverCoversThePlayField) {
    const QSize settings{416, 178};
    const struct {
        QRect desk;
        QRect play;
    } cases[] = {{{0, 0, 1920, 1080}, {436, 168, 767, 533}},   // room on the right
                 {{0, 0, 1920, 1080}, {1159, 148, 512, 364}},  // room on the left
                 {{0, 0, 1024, 768}, {40, 20, 900, 300}},      // room below only
                 {{0, 0, 1920, 1080}, {0, 0, 1920, 700}}};     // below, at the bottom
    for (const auto& c : cases) {
        SCOPED_TRACE(c.play.left());
        const QPoint corner = placeWindow(FormId::Settings, settings, c.desk, {{}, c.play, {}, {}});
        const QRect placed(corner, settings);
        EXPECT_FALSE(placed.intersects(c.play)) << placed.x() << "," << placed.y();
        EXPECT_TRUE(c.desk.contains(placed));
    }
}

TEST(WindowIcons, EveryWindowCarriesTheIconAtEveryInstalledSize) {
    Game game(EmbeddedPictures::instance());
    for (const char* picture : {"MainIcon", "PlayIcon"}) {
        const QIcon icon = formIcon(game, picture);
        for (const int size : kIconSizes)
            EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << picture << size;
    }
}

TEST(GameClockPause, APausedClockTicksNothingUntilResumed) {
    Game game(EmbeddedPictures::instance());
    game.start();
    GameClock clock(game, [] {});
    clock.start();
    clock.setPaused(true);
    const Micros paused = game.now();
    QTest::qWait(120);
    EXPECT_EQ(game.now(), paused);
    clock.setPaused(false);
    QTest::qWait(120);
    EXPECT_GT(game.now(), paused);
    clock.stop();
}

// What reached the game, but for the key-downs of Shift, Control and Alt
// themselves, which reach it as they always have.
struct KeyLog final : InputLog {
    void beforeInput() override {}
    void inputTaken(const std::string& line) override {
        if (line != "key Play 16" && line != "key Play 17" && line != "key Play 18")
            lines.push_back(line);
    }
    std::vector<std::string> lines;
};

class Screens : public WindowTest {
protected:
    Screens() {
        pressGo();
        windows.playerInput().setLog(&log);
    }
    ~Screens() override { windows.playerInput().setLog(nullptr); }

    QWidget* field() { return window(FormId::Play).clientArea(); }
    void press(QWidget* on, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(on, key, modifiers);
    }

    KeyLog log;
};

TEST_F(Screens, ZoomStepsChangeEveryWindowWithinWhatFits) {
    const int fits = windows.automaticZoom();
    ASSERT_GE(fits, 2) << "the test screen is too small";
    QWidget* start = window(FormId::Main).clientArea();
    press(start, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(windows.zoom(), 2);
    EXPECT_EQ(field()->size(), kPlayField * 2);
    EXPECT_EQ(start->size(), kStartScreen * 2);
    for (int i = 0; i < kHighestZoom; ++i) press(field(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(windows.zoom(), fits);
    press(field(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(windows.zoom(), fits - 1);
    for (int i = 0; i < kHighestZoom; ++i) press(field(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(windows.zoom(), 1);
    EXPECT_EQ(field()->size(), kPlayField);
    press(start, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(windows.zoom(), fits);
    // None of it reached the game, but Z jumps with Control held too.
    press(field(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(log.lines, std::vector<std::string>{"key Play 90"});
}

TEST_F(Screens, FullscreenDrawsTheFieldAtTheLargestZoomAndComesBack) {
    FormWindow& play = window(FormId::Play);
    press(field(), Qt::Key_F11);
    ASSERT_TRUE(play.fullScreen());
    const QSize screen = play.screen()->geometry().size();
    const int fill = zoomFillingScreen(screen, kPlayField, play.screen()->devicePixelRatio());
    EXPECT_EQ(play.zoom().factor, fill);
    EXPECT_EQ(field()->size(), kPlayField * fill);
    press(field(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_FALSE(play.fullScreen());
    EXPECT_EQ(field()->size(), kPlayField * windows.zoom());
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(Screens, PauseHoldsTheGameUntilTheSameKeyAgain) {
    press(field(), Qt::Key_P);
    ASSERT_TRUE(windows.paused());
    press(field(), Qt::Key_Right);
    press(field(), Qt::Key_Space);
    EXPECT_TRUE(log.lines.empty());
    press(field(), Qt::Key_Pause);
    EXPECT_FALSE(windows.paused());
    press(field(), Qt::Key_Right);
    EXPECT_EQ(log.lines, std::vector<std::string>{"key Play 39"});
}

TEST_F(Screens, ClosingThePlayFieldEndsThePause) {
    windows.togglePause();
    ASSERT_TRUE(windows.paused());
    window(FormId::Play).close();
    settle();
    EXPECT_FALSE(windows.paused());
    EXPECT_EQ(windows.playerInput().keyDown(FormId::Play, 39), game.takesInput(FormId::Play));
}

TEST_F(Screens, TheKeysPanelShowsOnceUntilAKeyAndThenWithH) {
    EXPECT_TRUE(windows.overlay().keysPanel);
    press(field(), Qt::Key_Shift);
    EXPECT_TRUE(windows.overlay().keysPanel);
    press(field(), Qt::Key_Right);
    EXPECT_FALSE(windows.overlay().keysPanel);
    EXPECT_EQ(log.lines, std::vector<std::string>{"key Play 39"});
    press(field(), Qt::Key_H);
    EXPECT_TRUE(windows.overlay().keysPanel);
    press(field(), Qt::Key_H);
    EXPECT_FALSE(windows.overlay().keysPanel);
    // A new play field in the same run does not show it again.
    window(FormId::Play).close();
    settle();
    pressGo();
    EXPECT_FALSE(windows.overlay().keysPanel);
}

TEST_F(Screens, TheOverlayIsNotInTheScreenshotOfTheScene) {
    ASSERT_TRUE(windows.overlay().keysPanel);
    const QImage withPanel = field()->grab().toImage();
    const QImage scene = window(FormId::Play).grabClientArea().toImage();
    press(field(), Qt::Key_H);
    EXPECT_NE(withPanel, scene);
    EXPECT_EQ(field()->grab().toImage(), scene);
}

class ScreenshotKey : public Screens {
protected:
    ScreenshotKey() {
        home = qgetenv("HOME");
        config = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", folder.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (folder.path() + "/config").toUtf8());
    }
    ~ScreenshotKey() override {
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", config);
    }

    QTemporaryDir folder;
    QByteArray home;
    QByteArray config;
};

TEST_F(ScreenshotKey, SavesWhatTheFieldShowsInThePicturesFolder) {
    press(field(), Qt::Key_F12);
    const QStringList saved = QDir(picturesFolder()).entryList({"turnip-trek-*.png"});
    ASSERT_EQ(saved.size(), 1);
    EXPECT_TRUE(picturesFolder().startsWith(folder.path()));
    const QImage picture(QDir(picturesFolder()).filePath(saved.front()));
    EXPECT_EQ(picture.size(), field()->size() * field()->devicePixelRatio());
    EXPECT_TRUE(windows.overlay().note.contains(saved.front()));
    EXPECT_TRUE(log.lines.empty());
    // A second in the same second gets a name of its own.
    const auto again = saveScreenshot(picture, picturesFolder(),
                                      QDateTime::fromString(saved.front().mid(12, 19),
                                                            "yyyy-MM-dd_HH-mm-ss"));
    EXPECT_TRUE(again.path.endsWith("-2.png")) << again.path.toStdString();
}

TEST_F(ScreenshotKey, AFolderThatCannotBeWrittenIsSaidAndTheGameGoesOn) {
    // The pictures folder's place is taken by a file.
    QFile blocker(picturesFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    press(field(), Qt::Key_F12);
    EXPECT_TRUE(windows.overlay().note.startsWith("No screenshot")) << windows.overlay().note.toStdString();
    press(field(), Qt::Key_Right);
    EXPECT_EQ(log.lines, std::vector<std::string>{"key Play 39"});
}

}  // namespace
}  // namespace tt::testing
