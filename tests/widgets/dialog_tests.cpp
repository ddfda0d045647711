// The settings and say windows: the speed bar and its button, the modal
// show over the play field, the close boxes and SAY.

#include <QInputMethodEvent>
#include <QStyle>
#include <QStyleOptionSlider>

#include "dialogs/say_layout.h"
#include "dialogs/settings_layout.h"
#include "level/play_layout.h"
#include "shell/start_layout.h"
#include "tests/widgets/window_fixture.h"

namespace tt::testing {
namespace {

class Dialogs : public WindowTest {
protected:
    Dialogs() {
        pressGo();
        tick();
    }

    void openSettings() {
        chooseMenu(FormId::Play, "mnuSettings");
        ASSERT_NE(windows.window(FormId::Settings), nullptr);
    }

    // Clicks on a part of the speed bar: its right arrow, or the trough.
    void clickSpeedBar(QStyle::SubControl part) {
        QScrollBar* bar = window(FormId::Settings).scrollBar("SpeedBar");
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Horizontal;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        const QRect rect =
            bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
        QTest::mouseClick(bar, Qt::LeftButton, {}, rect.center());
    }

    // The player types text as an input method commits it, so any text,
    // whatever its script, arrives whole.
    static void typeInto(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Delete);
            return;
        }
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(box, &commit);
    }
};

TEST_F(Dialogs, SettingsOpensModalWithOkFocusedAndTheSpeedOfTheGame) {
    openSettings();
    FormWindow& settings = window(FormId::Settings);
    EXPECT_TRUE(settings.isVisible());
    EXPECT_EQ(settings.windowTitle(), "Ember2 Online - Settings");
    EXPECT_EQ(settings.focusWidget(), settings.button("cmdOK"));
    EXPECT_EQ(settings.button("cmdOK")->text(), "1");
    EXPECT_EQ(settings.scrollBar("SpeedBar")->value(), 1);
    EXPECT_EQ(game.modalForm(), FormId::Settings);
}

TEST_F(Dialogs, TheSpeedBarMovesByOneAndTheButtonFollowsAtTheNextTick) {
    openSettings();
    clickSpeedBar(QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(game[settings::SpeedBar].value, 2);
    clickSpeedBar(QStyle::SC_ScrollBarAddPage);
    EXPECT_EQ(game[settings::SpeedBar].value, 3);
    EXPECT_EQ(window(FormId::Settings).button("cmdOK")->text(), "1");
    tick();
    EXPECT_EQ(window(FormId::Settings).button("cmdOK")->text(), "3");
}

TEST_F(Dialogs, TheBarFollowsTheGameAndIsHeldToItsRange) {
    openSettings();
    QScrollBar* bar = window(FormId::Settings).scrollBar("SpeedBar");
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 10);
    game[settings::SpeedBar].value = 7;
    tick();
    EXPECT_EQ(bar->value(), 7);
    bar->setValue(10);
    for (int i = 0; i < 3; ++i) clickSpeedBar(QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(game[settings::SpeedBar].value, 10);
}

TEST_F(Dialogs, WhileSettingsIsOpenThePlayFieldAndStartScreenTakeNoInput) {
    openSettings();
    QTest::keyClick(window(FormId::Play).clientArea(), Qt::Key_F1);
    clickObject(FormId::Main, "Image4");
    window(FormId::Play).close();
    EXPECT_EQ(game.state(FormId::Play), FormState::Shown);
    EXPECT_EQ(game[start::Character].caption, "Ember");
    EXPECT_EQ(game.modalForm(), FormId::Settings);
    // The say window is never blocked.
    typeInto(window(FormId::Say).textBox("txtSend"), "still here");
    EXPECT_EQ(game[say::txtSend].text, "still here");
}

TEST_F(Dialogs, OkHidesSettingsAndKeepsTheSpeed) {
    openSettings();
    window(FormId::Settings).scrollBar("SpeedBar")->setValue(5);
    window(FormId::Settings).button("cmdOK")->click();
    EXPECT_FALSE(window(FormId::Settings).isVisible());
    EXPECT_EQ(game.state(FormId::Settings), FormState::Hidden);
    EXPECT_TRUE(game.takesInput(FormId::Play));
    openSettings();
    EXPECT_EQ(window(FormId::Settings).scrollBar("SpeedBar")->value(), 5);
}

TEST_F(Dialogs, ClosingSettingsUnloadsItAndTheSpeedIsOneAgain) {
    openSettings();
    window(FormId::Settings).scrollBar("SpeedBar")->setValue(6);
    window(FormId::Settings).close();
    settle();
    EXPECT_EQ(windows.window(FormId::Settings), nullptr);
    EXPECT_EQ(game.state(FormId::Settings), FormState::Unloaded);
    EXPECT_TRUE(game.takesInput(FormId::Play));
    openSettings();
    EXPECT_EQ(window(FormId::Settings).scrollBar("SpeedBar")->value(), 1);
}

TEST_F(Dialogs, SayPutsTheLineAboveTheHeroExactlyAsTyped) {
    const QString lines[] = {QStringLiteral("  héllo, wörld – 你好 🌱  "), QString(),
                             QString(300, u'x')};
    FormWindow& say = window(FormId::Say);
    for (const QString& line : lines) {
        typeInto(say.textBox("txtSend"), line);
        say.button("cmdSay")->click();
        EXPECT_EQ(game[play::YouSay].caption, line.toStdString());
        EXPECT_EQ(say.textBox("txtSend")->text(), line);
    }
}

TEST_F(Dialogs, EnterInTheSayBoxDoesNotPressSay) {
    FormWindow& say = window(FormId::Say);
    typeInto(say.textBox("txtSend"), "hi");
    QTest::keyClick(say.textBox("txtSend"), Qt::Key_Return);
    EXPECT_EQ(game[play::YouSay].caption, "");
    EXPECT_EQ(say.focusWidget(), say.textBox("txtSend"));
}

TEST_F(Dialogs, ClosingTheSayWindowUnloadsItUntilThePlayFieldLoadsAgain) {
    window(FormId::Say).close();
    settle();
    EXPECT_EQ(windows.window(FormId::Say), nullptr);
    EXPECT_EQ(game.state(FormId::Say), FormState::Unloaded);
    window(FormId::Play).close();
    settle();
    // GO! resumed and loaded the play field again, which opened the say window.
    ASSERT_NE(windows.window(FormId::Say), nullptr);
    EXPECT_TRUE(window(FormId::Say).isVisible());
}

}  // namespace
}  // namespace tt::testing
