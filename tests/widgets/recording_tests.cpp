// Recording a session played in the windows, and replaying one there: what
// the recording holds, that it replays headless to the same state, and that
// a replay holds the player's own input back until it has come to its end.

#include <QDir>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

#include "shell/qt/session_recorder.h"
#include "shell/qt/window_replay.h"
#include "shell/start_layout.h"
#include "tests/core/script_run.h"
#include "tests/widgets/window_fixture.h"

namespace tt::testing {
namespace {

std::string contents(const std::string& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

ScriptRun runHeadless(const std::string& script) {
    Game game(EmbeddedPictures::instance());
    game.start();
    return runScript(game, script, "session");
}

class Recording : public WindowTest {
protected:
    std::string file() const { return QDir(folder.path()).filePath("session.txt").toStdString(); }
    QTemporaryDir folder;
};

TEST_F(Recording, EveryKindOfInputIsWrittenAndReplaysToTheSameEnd) {
    std::string error;
    auto recorder = SessionRecorder::open(game, file(), "1.2.3", error);
    ASSERT_TRUE(recorder) << error;
    windows.playerInput().setLog(recorder.get());

    clickObject(FormId::Main, "Image4");
    tick(3);
    pressGo();
    tick(40);
    QTest::keyClick(window(FormId::Play).clientArea(), Qt::Key_Right);
    QTest::keyClick(window(FormId::Play).clientArea(), Qt::Key_Z);
    tick(12);
    QTest::keyClicks(window(FormId::Say).textBox("txtSend"), "hi");
    chooseMenu(FormId::Play, "mnuSettings");
    window(FormId::Settings).scrollBar("SpeedBar")->setValue(4);
    window(FormId::Settings).button("cmdOK")->click();
    tick(7);
    window(FormId::Play).close();
    tick(2);
    chooseMenu(FormId::Main, "mnuExit");
    ASSERT_TRUE(ended);
    ASSERT_TRUE(recorder->finish(error)) << error;

    const std::string text = contents(file());
    EXPECT_EQ(text.rfind("# Turnip Trek 2 1.2.3, clock period 16 ms, recorded ", 0), 0u) << text;
    const std::string body = text.substr(text.find("\nclock 16\n"));
    const std::string input = "\nclock 16\nclick Main.Image4\ntick 3\nclick Main.Command1\ntick 40\n"
                              "key Play 39\nkey Play 90\ntick 12\ntype Say.txtSend h\n"
                              "type Say.txtSend hi\nclick Play.mnuSettings\n"
                              "scroll Settings.SpeedBar 4\nclick Settings.cmdOK\ntick 7\nclose Play\n"
                              "tick 2\nexpect Energy=";
    EXPECT_EQ(body.substr(0, input.size()), input) << text;
    // The check comes before the input that ends the game, which comes last.
    EXPECT_NE(body.find(" Play.State=hidden"), std::string::npos) << text;
    EXPECT_EQ(body.substr(body.rfind('\n', body.size() - 2)), "\nclick Main.mnuExit\n");

    const ScriptRun replayed = runHeadless(text);
    EXPECT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(replayed.out, "ended\n");
}

TEST_F(Recording, AFileThatCannotBeWrittenIsRefused) {
    std::string error;
    const std::string missing = QDir(folder.path()).filePath("no/such/folder/x").toStdString();
    EXPECT_FALSE(SessionRecorder::open(game, missing, "1", error));
    EXPECT_EQ(error, "cannot write the recording '" + missing + "'");
}

TEST_F(Recording, TheSessionSoFarEndsWithItsStateAndTheTicksSinceTheLastInput) {
    std::string error;
    auto recorder = SessionRecorder::open(game, file(), "1", error);
    ASSERT_TRUE(recorder) << error;
    windows.playerInput().setLog(recorder.get());
    clickObject(FormId::Main, "Image3");
    tick(5);
    recorder->flush();
    EXPECT_NE(contents(file()).find("click Main.Image3\ntick 5\n"), std::string::npos);
    tick(2);
    ASSERT_TRUE(recorder->finish(error));
    const std::string text = contents(file());
    EXPECT_NE(text.find("tick 5\ntick 2\nexpect "), std::string::npos) << text;
    EXPECT_EQ(runHeadless(text).status, 0);
}

class Replay : public Recording {
protected:
    std::string replay(const std::string& script, int ticks) {
        { std::ofstream(file()) << script; }
        std::ostringstream report;
        std::string error;
        auto replay = WindowReplay::open(game, windows.playerInput(), file(), report, error);
        if (!replay) return error;
        replay->begin();
        // The player's own click is held back while the replay plays.
        clickObject(FormId::Main, "Image1");
        for (int i = 0; i < ticks; ++i) {
            replay->step();
            windows.sync();
        }
        replay->finish();
        return report.str();
    }
};

TEST_F(Replay, SaysWhetherTheStateMatchedAndThenGivesThePlayerControl) {
    const struct {
        std::string check;
        std::string report;
    } cases[] = {
        {"Main.Character.Caption=Clover", "replay: the state matched the recording\n"},
        {"Main.Character.Caption=Rook",
         "replay: the state differs from the recording: " + file() +
             ":4: expected Main.Character.Caption=Rook, got Clover\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.check);
        game[start::Character].caption = "Ember";
        const std::string report =
            replay("clock 16\nclick Main.Image4\ntick 3\nexpect " + c.check + "\nclick Main.mnuExit\n", 6);
        EXPECT_EQ(report, c.report);
        EXPECT_FALSE(ended);  // the input after the last check is not replayed
        clickObject(FormId::Main, "Image1");
        EXPECT_EQ(game[start::Character].caption, "Fennel");
    }
}

TEST_F(Replay, ARecordingCutShortSaysSo) {
    EXPECT_EQ(replay("clock 16\nclick Main.Image4\ntick 2\n", 5),
              "replay: the recording ended with no state to compare\n");
    EXPECT_EQ(game[start::Character].caption, "Clover");
    EXPECT_EQ(replay("clock 16\ntick 50\nexpect Main.State=shown\n", 5),
              "replay: the program ended before the end of the recording\n");
    EXPECT_EQ(replay("clock 16\nwalk\n", 1), "replay: " + file() + ":2: unknown command 'walk'\n");
}

}  // namespace
}  // namespace tt::testing
