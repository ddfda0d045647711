// The play field's window: key-downs with their codes, the menu and its F1
// shortcut, and what the window passes on, seen through a stand-in for the
// game's input.

#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include <vector>

#include "shell/qt/key_codes.h"
#include "tests/widgets/window_fixture.h"

namespace tt::testing {
namespace {

struct InputRecord final : FormInput {
    bool takesInput(FormId) const override { return true; }
    void click(FormId, std::string_view object) override { clicks.emplace_back(object); }
    void keyDown(FormId, std::int16_t code) override { keys.push_back(code); }
    void typeText(TextBoxRef, const QString&) override {}
    void scroll(ScrollBarRef, int) override {}
    void closeBox(FormId) override { ++closes; }

    std::vector<std::string> clicks;
    std::vector<std::int16_t> keys;
    int closes = 0;
};

class PlayWindow : public ::testing::Test {
protected:
    PlayWindow() : game(EmbeddedPictures::instance()) {
        game.start();
        game.objects(FormId::Play);
        window.show();
        active = QTest::qWaitForWindowActive(&window);
    }

    QWidget* client() { return window.clientArea(); }

    Game game;
    InputRecord input;
    FormWindow window{game, FormId::Play, 1, &input};
    bool active = false;
};

TEST_F(PlayWindow, HasItsCaptionSizeAndMenu) {
    EXPECT_EQ(window.windowTitle(), "Ember2 - Online");
    EXPECT_EQ(client()->size(), QSize(255, 158));
    QMenu* options = window.findChild<QMenu*>("mnuOptions");
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->title(), "&Options");
    QAction* settings = window.findChild<QAction*>("mnuSettings");
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->text(), "&Settings");
    EXPECT_EQ(settings->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(PlayWindow, KeyDownsReachTheGameWithTheirCodes) {
    const struct {
        Qt::Key key;
        std::int16_t code;
    } cases[] = {{Qt::Key_Left, 37},  {Qt::Key_Up, 38},    {Qt::Key_Right, 39},
                 {Qt::Key_Down, 40},  {Qt::Key_Space, 32}, {Qt::Key_Z, 90},
                 {Qt::Key_A, 65},     {Qt::Key_0, 48},     {Qt::Key_9, 57},
                 {Qt::Key_Return, 13}, {Qt::Key_Escape, 27}, {Qt::Key_F2, 113},
                 {Qt::Key_F12, 123}};
    for (const auto& press : cases) {
        SCOPED_TRACE(press.code);
        input.keys.clear();
        QTest::keyClick(client(), press.key);
        EXPECT_EQ(input.keys, std::vector<std::int16_t>{press.code});
    }
}

TEST_F(PlayWindow, AutoRepeatsArePassedOnAndReleasesAreNot) {
    for (int i = 0; i < 3; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, {}, i > 0);
        QApplication::sendEvent(client(), &press);
    }
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(client(), &release);
    EXPECT_EQ(input.keys, (std::vector<std::int16_t>{39, 39, 39}));
}

TEST_F(PlayWindow, KeysWithoutACodeAreDropped) {
    QTest::keyClick(client(), Qt::Key_VolumeUp);
    EXPECT_TRUE(input.keys.empty());
}

TEST_F(PlayWindow, FOneIsTheSettingsShortcutNotAKeyDown) {
    if (!active) GTEST_SKIP() << "the platform did not activate the window";
    QTest::keyClick(client(), Qt::Key_F1);
    EXPECT_EQ(input.clicks, std::vector<std::string>{"mnuSettings"});
    EXPECT_TRUE(input.keys.empty());
}

TEST_F(PlayWindow, AltAndTheAccessKeyOpenTheMenu) {
    if (!active) GTEST_SKIP() << "the platform did not activate the window";
    QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
    QMenu* options = window.findChild<QMenu*>("mnuOptions");
    EXPECT_TRUE(QTest::qWaitFor([options] { return options->isVisible(); }, 1000));
    QTest::keyClick(options, Qt::Key_S);
    EXPECT_EQ(input.clicks, std::vector<std::string>{"mnuSettings"});
    EXPECT_TRUE(input.keys.empty());
}

TEST_F(PlayWindow, TheCloseBoxGoesToTheGame) {
    window.close();
    EXPECT_EQ(input.closes, 1);
    // The game decides: the window stays until the game says otherwise.
    EXPECT_TRUE(window.isVisible());
}

TEST(KeyCodes, KeypadDigitsAndNamedKeysHaveTheirOwnCodes) {
    EXPECT_EQ(virtualKeyCode(Qt::Key_5, Qt::KeypadModifier), 101);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Enter, Qt::KeypadModifier), 13);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Plus, Qt::KeypadModifier), 107);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Plus, Qt::NoModifier), std::nullopt);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Shift, Qt::ShiftModifier), 16);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Z, Qt::ShiftModifier), 90);
}

}  // namespace
}  // namespace tt::testing
