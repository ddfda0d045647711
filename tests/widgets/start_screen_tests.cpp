// The start screen's window: the character pictures, GO!, File / Exit and
// its close box, and how the play field's modal show blocks it.

#include <QMenuBar>

#include "level/play_layout.h"
#include "shell/start_layout.h"
#include "tests/widgets/window_fixture.h"

namespace tt::testing {
namespace {

using StartScreen = WindowTest;

TEST_F(StartScreen, OpensWithItsLayoutAndGoHasTheFocus) {
    FormWindow& main = window(FormId::Main);
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.windowTitle(), "Ember2 - Online");
    EXPECT_EQ(main.clientArea()->size(), QSize(379, 250));
    ASSERT_EQ(main.menuBar()->actions().size(), 1);
    EXPECT_EQ(main.menuBar()->actions().front()->text(), "&File");
    EXPECT_EQ(main.focusWidget(), main.button("Command1"));
    // The chat column is there, and does nothing.
    EXPECT_TRUE(main.textBox("txtDisplay")->isVisible());
    EXPECT_TRUE(main.button("btnSend")->isVisible());
    EXPECT_EQ(windows.window(FormId::Play), nullptr);
}

TEST_F(StartScreen, ClickingAPictureChoosesThatCharacter) {
    const struct {
        const char* image;
        const char* character;
    } cases[] = {{"Image1", "Fennel"}, {"Image3", "Pip"},     {"Image4", "Clover"},
                 {"Image7", "Rook"},   {"Image8", "Volt Kid"}, {"Image2", "Ember"}};
    for (const auto& choice : cases) {
        SCOPED_TRACE(choice.image);
        clickObject(FormId::Main, choice.image);
        EXPECT_EQ(game[start::Character].caption, choice.character);
    }
}

TEST_F(StartScreen, ClicksBesideThePicturesChooseNothing) {
    clickObject(FormId::Main, "Image4");
    // The title lies over the stage; neither has a click of its own.
    clickObject(FormId::Main, "Label1");
    QTest::mouseClick(window(FormId::Main).clientArea(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(game[start::Character].caption, "Clover");
}

TEST_F(StartScreen, SpaceOrEnterOnGoOpensThePlayFieldWithTheSayWindow) {
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        SCOPED_TRACE(key);
        QTest::keyClick(window(FormId::Main).button("Command1"), key);
        ASSERT_NE(windows.window(FormId::Play), nullptr);
        EXPECT_TRUE(window(FormId::Play).isVisible());
        EXPECT_TRUE(window(FormId::Say).isVisible());
        EXPECT_EQ(game.modalForm(), FormId::Play);
        window(FormId::Play).close();
    }
}

TEST_F(StartScreen, TakesNoInputWhileThePlayFieldIsOpen) {
    pressGo();
    FormWindow& main = window(FormId::Main);
    clickObject(FormId::Main, "Image4");
    QTest::keyClicks(main.textBox("txtSend"), "hello");
    main.close();
    EXPECT_EQ(game[start::Character].caption, "Ember");
    EXPECT_EQ(main.textBox("txtSend")->text(), "");
    EXPECT_FALSE(game.ended());
    EXPECT_TRUE(main.isVisible());
}

TEST_F(StartScreen, ClosingThePlayFieldResumesGoAndGoShowsTheFieldThatRanHidden) {
    clickObject(FormId::Main, "Image7");
    pressGo();
    tick(3);
    window(FormId::Play).close();
    settle();
    // GO! resumed: the field is loaded again, hidden, with the hero placed.
    EXPECT_EQ(game.state(FormId::Play), FormState::Hidden);
    ASSERT_NE(windows.window(FormId::Play), nullptr);
    EXPECT_FALSE(window(FormId::Play).isVisible());
    EXPECT_EQ(game[play::You].top, game[play::Ground].top - 480);
    EXPECT_TRUE(game.takesInput(FormId::Main));

    pressGo();
    EXPECT_TRUE(window(FormId::Play).isVisible());
    EXPECT_EQ(game.modalForm(), FormId::Play);
}

TEST_F(StartScreen, FileExitEndsTheProgramWhateverElseIsOpen) {
    pressGo();
    window(FormId::Play).close();
    ASSERT_TRUE(window(FormId::Say).isVisible());
    chooseMenu(FormId::Main, "mnuExit");
    settle();
    EXPECT_TRUE(game.ended());
    EXPECT_TRUE(ended);
    EXPECT_EQ(windows.window(FormId::Main), nullptr);
}

TEST_F(StartScreen, TheCloseBoxEndsTheProgram) {
    window(FormId::Main).close();
    settle();
    EXPECT_TRUE(game.ended());
    EXPECT_TRUE(ended);
}

}  // namespace
}  // namespace tt::testing
