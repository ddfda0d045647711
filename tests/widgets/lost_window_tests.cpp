// A window destroyed by something other than its close box counts as a
// click on that close box, so the game never waits on a window that is gone.

#include "tests/widgets/window_fixture.h"

namespace tt::testing {
namespace {

class LostWindow : public WindowTest {
protected:
    void lose(FormId form) {
        windows.lostFromOutside(form);
        settle();
    }
};

TEST_F(LostWindow, ALostSettingsWindowUnloadsAndTheFieldTakesInputAgain) {
    pressGo();
    tick();
    chooseMenu(FormId::Play, "mnuSettings");
    ASSERT_EQ(game.modalForm(), FormId::Settings);
    lose(FormId::Settings);
    EXPECT_EQ(game.state(FormId::Settings), FormState::Unloaded);
    EXPECT_EQ(windows.window(FormId::Settings), nullptr);
    EXPECT_TRUE(game.takesInput(FormId::Play));
}

TEST_F(LostWindow, ABlockedWindowIsShownAgainWhileTheGameShowsItsForm) {
    pressGo();
    tick();
    lose(FormId::Main);  // its close box does nothing while the field is open
    EXPECT_FALSE(game.ended());
    ASSERT_NE(windows.window(FormId::Main), nullptr);
    EXPECT_TRUE(window(FormId::Main).isVisible());
    EXPECT_EQ(game.modalForm(), FormId::Play);
}

TEST_F(LostWindow, LosingEveryWindowEndsTheGame) {
    pressGo();
    tick();
    lose(FormId::Say);
    lose(FormId::Play);
    EXPECT_EQ(game.state(FormId::Play), FormState::Hidden);
    lose(FormId::Main);
    EXPECT_TRUE(game.ended());
    EXPECT_TRUE(ended);
}

}  // namespace
}  // namespace tt::testing
