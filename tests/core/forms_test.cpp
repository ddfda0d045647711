// Loading, showing, modal shows and closing, through the start screen.

#include <gtest/gtest.h>

#include "anim/sprite_bank_layout.h"
#include "dialogs/say_layout.h"
#include "level/play_layout.h"
#include "shell/start_layout.h"
#include "tests/core/game_fixture.h"

namespace tt {
namespace {

using testing::GameTest;

TEST_F(GameTest, TheProgramStartsWithOnlyTheStartScreenShown) {
    EXPECT_EQ(game.state(FormId::Main), FormState::Shown);
    for (FormId other : {FormId::Play, FormId::GX, FormId::Settings, FormId::Say})
        EXPECT_EQ(game.state(other), FormState::Unloaded);
}

TEST_F(GameTest, TheLastPictureClickedIsTheCharacter) {
    EXPECT_EQ(value("Main.Character.Caption"), "Ember");
    drive("click Main.Image8\nclick Main.Image4\nclick Main.Image4");
    EXPECT_EQ(value("Main.Character.Caption"), "Clover");
    drive("click Main.Image8");
    EXPECT_EQ(value("Main.Character.Caption"), "Volt Kid");
    drive("click Main.Label1\nclick Main.Image5");  // no handlers: nothing changes
    EXPECT_EQ(value("Main.Character.Caption"), "Volt Kid");
}

// Clover's portrait covers pixels 136 to 153 across and 120 to 149 down, on
// top of the stage, which answers no clicks.
TEST_F(GameTest, AClickAtAPixelReachesTheTopmostVisiblePictureThatAnswersIt) {
    struct Case {
        const char* script;
        const char* character;
    };
    const Case cases[] = {
        {"click Main 136 120", "Clover"},
        {"click Main 153 149", "Clover"},
        {"click Main 154 130", "Ember"},  // just past the right edge: only the stage
        {"click Main 140 150", "Ember"},
        {"click Main -5 -5", "Ember"},
        {"set Main.Image4.Visible False\nclick Main 140 130", "Ember"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        drive("click Main.Image2");
        EXPECT_EQ(drive(c.script), "");
        EXPECT_EQ(value("Main.Character.Caption"), c.character);
        drive("set Main.Image4.Visible True");
    }
    drive("click Main.Command1\nclick Main 140 130");  // the play field blocks it
    EXPECT_EQ(value("Main.Character.Caption"), "Ember");
}

TEST_F(GameTest, GoShowsThePlayFieldModalWithTheSayWindowBeside) {
    drive("click Main.Command1");
    EXPECT_EQ(game.state(FormId::Play), FormState::Shown);
    EXPECT_EQ(game.state(FormId::Say), FormState::Shown);
    EXPECT_EQ(game.modalForm(), FormId::Play);
    EXPECT_EQ(game.vars().Energy, 4);
    EXPECT_FALSE(game.takesInput(FormId::Main));
    EXPECT_TRUE(game.takesInput(FormId::Play));
    EXPECT_TRUE(game.takesInput(FormId::Say));
}

TEST_F(GameTest, TheStartScreenTakesNoInputWhileThePlayFieldIsOpen) {
    drive("click Main.Command1\nclick Main.Image1\nclick Main.mnuExit\nclose Main");
    EXPECT_EQ(value("Main.Character.Caption"), "Ember");
    EXPECT_FALSE(game.ended());
    EXPECT_EQ(game.state(FormId::Main), FormState::Shown);
}

TEST_F(GameTest, LoadingAFormStartsItsTimersAndNamingAnObjectLoadsIt) {
    EXPECT_EQ(value("GX.Pos.Caption"), "<unloaded>");
    EXPECT_EQ(game[gx::Pos].caption, "Label1");  // a reference loads, hidden
    EXPECT_EQ(game.state(FormId::GX), FormState::Hidden);
    EXPECT_TRUE(game[gx::Constant].enabled());
}

TEST_F(GameTest, ClosingThePlayFieldResumesGoWhichLoadsItAgainHidden) {
    startPlaying("Rook");
    ticks(5);
    game.vars().Energy = -3;
    game.vars().Holding = 1;
    ASSERT_TRUE(game.closeBox(FormId::Play));

    EXPECT_EQ(game.state(FormId::Play), FormState::Hidden);
    EXPECT_EQ(game.modalForm(), std::nullopt);
    EXPECT_TRUE(game.takesInput(FormId::Main));
    EXPECT_EQ(game.vars().Energy, 4);   // its Load ran again
    EXPECT_EQ(game.vars().Holding, 1);  // the variables outlive the window
    EXPECT_TRUE(game[play::LoadTimer].enabled());
    EXPECT_EQ(game[play::You].top, 2040 - 480);   // placed by the resumed GO!
    EXPECT_EQ(game[play::background].left, 3840);  // level start not yet run

    game.tick();
    EXPECT_EQ(game[play::background].left, 0);
    EXPECT_FALSE(game[play::LoadTimer].enabled());
}

TEST_F(GameTest, TheNextGoShowsTheFieldInTheStateItReachedWhileHidden) {
    startPlaying();
    game.closeBox(FormId::Play);
    ticks(3);
    game[play::Enemy1].left = 1234;  // stands for whatever ran meanwhile
    drive("click Main.Command1");
    EXPECT_EQ(game.state(FormId::Play), FormState::Shown);
    EXPECT_EQ(game[play::Enemy1].left, 1234);
    EXPECT_FALSE(game[play::LoadTimer].enabled());
}

TEST_F(GameTest, TimersRunOnHiddenAndBlockedForms) {
    startPlaying();
    drive("click Play.mnuSettings");
    ASSERT_EQ(game.modalForm(), FormId::Settings);
    EXPECT_FALSE(game.takesInput(FormId::Play));
    EXPECT_TRUE(game.takesInput(FormId::Say));
    drive("scroll Settings.SpeedBar 7\ntick");
    EXPECT_EQ(value("Settings.cmdOK.Caption"), "7");
    EXPECT_EQ(value("GX.State"), "hidden");
    EXPECT_FALSE(game[play::LoadTimer].enabled());
}

TEST_F(GameTest, ClosingTheSettingsWindowUnloadsItWhileOkOnlyHidesIt) {
    startPlaying();
    drive("click Play.mnuSettings\nscroll Settings.SpeedBar 12\nclick Settings.cmdOK");
    EXPECT_EQ(value("Settings.State"), "hidden");
    EXPECT_EQ(value("Settings.SpeedBar.Value"), "10");  // held to the bar's range
    EXPECT_TRUE(game.takesInput(FormId::Play));
    drive("click Play.mnuSettings\nclose Settings");
    EXPECT_EQ(value("Settings.State"), "unloaded");
    EXPECT_EQ(game.state(FormId::Play), FormState::Shown);
    EXPECT_TRUE(game.takesInput(FormId::Play));
}

TEST_F(GameTest, SayPutsTheTextAboveTheHeroUnchanged) {
    startPlaying();
    const std::string line = "  héllo, wörld — 🥕 and a long line that overflows the label  ";
    ASSERT_TRUE(game.typeText(say::txtSend, line));
    drive("click Say.cmdSay");
    EXPECT_EQ(game[play::YouSay].caption, line);
    EXPECT_EQ(game[say::txtSend].text, line);
    drive("type Say.txtSend \nclick Say.cmdSay");
    EXPECT_EQ(game[play::YouSay].caption, "");
}

TEST_F(GameTest, AClosedSayWindowReturnsWithTheNextLoadOfThePlayField) {
    startPlaying();
    drive("close Say");
    EXPECT_EQ(value("Say.State"), "unloaded");
    drive("close Play");
    EXPECT_EQ(value("Say.State"), "shown");
}

TEST_F(GameTest, FileExitAndTheStartScreensCloseBoxEndTheProgram) {
    for (const char* script : {"click Main.mnuExit", "close Main",
                               "click Main.Command1\nclose Play\nclose Main"}) {
        SCOPED_TRACE(script);
        Game fresh(testing::LayoutPictures::instance());
        fresh.start();
        const testing::ScriptRun run = testing::runScript(fresh, script);
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(fresh.ended());
        EXPECT_EQ(run.out, "ended\n");
        EXPECT_EQ(fresh.state(FormId::Play), FormState::Unloaded);
    }
}

}  // namespace
}  // namespace tt
