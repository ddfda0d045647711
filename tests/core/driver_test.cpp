// The driver's command language: what scripts print, and how bad lines stop
// a run without changing anything.

#include <gtest/gtest.h>

#include "app/expectations.h"
#include "app/key_help.h"
#include "app/options.h"
#include "shell/start_layout.h"
#include "tests/core/game_fixture.h"

namespace tt {
namespace {

using testing::ScriptRun;

ScriptRun runScript(Game& game, std::string_view script) {
    return testing::runScript(game, script, "play.txt");
}

class DriverTest : public testing::GameTest {};

TEST_F(DriverTest, PrintsValuesInTheirShortestForms) {
    const ScriptRun run = runScript(game, R"(# comments and blank lines are skipped

print Main.State Play.State Main.Character.Caption
click Main.Command1
  tick
print Play.You.Left Play.Way.Caption Play.Object.Visible Play.LoadTimer.Enabled
print Play.WalkRight.Interval Energy PickedPlant EnemyWay Play.Width Play.Them.Picture
set Play.You.Left 1230.5
set PickedPlant 1
set EnemyWay Left
print Play.You.Left PickedPlant EnemyWay GX.State Settings.SpeedBar.Value
set Play.You.Picture None
print Play.You.Picture Main.mnuExit.Caption
)");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "Main.State=shown\nPlay.State=unloaded\nMain.Character.Caption=Ember\n"
              "Play.You.Left=360\nPlay.Way.Caption=Right\nPlay.Object.Visible=False\n"
              "Play.LoadTimer.Enabled=False\n"
              "Play.WalkRight.Interval=20\nEnergy=4\nPickedPlant=Empty\nEnemyWay=\n"
              "Play.Width=3945\nPlay.Them.Picture=FennelLeft\n"
              "Play.You.Left=1230.5\nPickedPlant=1\nEnemyWay=Left\nGX.State=hidden\n"
              "Settings.SpeedBar.Value=1\n"
              "Play.You.Picture=None\nMain.mnuExit.Caption=E&xit\n");
}

TEST_F(DriverTest, StopsAtTheFirstBadLineWithItsNumber) {
    struct Case {
        std::string_view line;
        std::string_view error;
    };
    const Case cases[] = {
        {"jump", "unknown command 'jump'"},
        {"tick -1", "number -1 is outside 0..1000000000"},
        {"tick 2x", "bad number '2x'"},
        {"tick 1 2", "bad number '1 2'"},
        {"click Nowhere.Image1", "unknown form 'Nowhere'"},
        {"click Main.Image9", "form Main has no object 'Image9'"},
        {"click Main", "expected FORM.OBJECT, not 'Main'"},
        {"click Main 140", "bad number ''"},
        {"click Main 140 x", "bad number 'x'"},
        {"click Main 140 130 1", "too many words; usage: click FORM X Y"},
        {"key Play 300", "number 300 is outside 0..255"},
        {"key Play", "bad number ''"},
        {"type Main.Command1 hello", "Main.Command1 is not a text box"},
        {"scroll Settings.SpeedBar ten", "bad number 'ten'"},
        {"close Main now", "too many words; usage: close FORM"},
        {"print", "print needs at least one TARGET"},
        {"print Speed", "unknown play variable 'Speed'"},
        {"print Main.You.Top", "form Main has no object 'You'"},
        {"print Main.Command1.Picture", "'Command1' has no property 'Picture'"},
        {"print Main.Height", "expected FORM.State, FORM.Width or FORM.OBJECT.PROPERTY, not 'Main.Height'"},
        {"set Play.You.Top 5", "form Play is not loaded"},
        {"set Main.Image2.Width 5", "an image's Width follows its picture"},
        {"set Main.Image2.Left 1e99", "bad number '1e99'"},
        {"set Main.Image2.Left nan", "bad number 'nan'"},
        {"set Main.Image2.Visible yes", "expected True or False, not 'yes'"},
        {"set Main.Image2.Picture NoSuchPicture", "no picture named 'NoSuchPicture'"},
        {"set Energy 40000", "number 40000 is outside -32768..32767"},
        {"set Energy", "set needs a value: set TARGET VALUE"},
        {"set Main.State shown", "State cannot be set"},
        {"screenshot Main", "screenshot needs a FILE"},
        {"clock 0", "number 0 is outside 1..20"},
        {"clock 21", "number 21 is outside 1..20"},
        {"clock", "bad number ''"},
        {"expect", "expect needs at least one TARGET=VALUE"},
        {"expect Energy", "expected TARGET=VALUE, not 'Energy'"},
        {"expect Main.State=shown =4", "expected TARGET=VALUE, not '=4'"},
        {"expect Speed=1", "unknown play variable 'Speed'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Game fresh(testing::LayoutPictures::instance());
        fresh.start();
        const ScriptRun run = runScript(fresh, "print Main.State\n" + std::string(c.line) +
                                             "\nprint Energy\n");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "Main.State=shown\n");  // nothing after the bad line ran
        EXPECT_EQ(run.err, "play.txt:2: " + std::string(c.error) + "\n");
        EXPECT_EQ(fresh[start::Character].caption, "Ember");
        EXPECT_EQ(fresh.vars().Energy, 0);
    }
}

TEST_F(DriverTest, TheClockPeriodIsSetOnlyBeforeTheFirstTick) {
    const ScriptRun early = runScript(game, "clock 5\ntick 4\n");
    EXPECT_EQ(early.status, 0);
    EXPECT_EQ(game.now(), 4 * 5'000);

    Game fresh(testing::LayoutPictures::instance());
    fresh.start();
    const ScriptRun late = runScript(fresh, "tick 0\nclock 5\n");
    EXPECT_EQ(late.status, 2);
    EXPECT_EQ(late.err, "play.txt:2: clock comes before the first tick\n");
    EXPECT_EQ(fresh.clockPeriodMs(), Game::kDefaultClockMs);
}

TEST_F(DriverTest, ExpectStopsAtTheFirstDifferenceWithStatusOne) {
    const ScriptRun run = runScript(game, R"(expect Main.State=shown Play.State=unloaded EnemyWay=
click Main.Command1
expect Play.State=shown Play.You.Left=360 Play.Way.Caption=Left Energy=9
print Energy
)");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "play.txt:3: expected Play.Way.Caption=Left, got Right\n");
}

// A recording ends with the state it arrived at: the same input arrives
// there again, and one tick more does not.
TEST_F(DriverTest, TheStateAPlayArrivesAtChecksItself) {
    const std::string played =
        "click Main.Image4\nclick Main.Command1\ntick 40\nkey Play 39\ntick 9\nkey Play 90\ntick 5\n";
    ASSERT_EQ(runScript(game, played).status, 0);
    const std::string expectation = stateExpectation(game);
    EXPECT_NE(expectation.find(" Play.You.Left="), std::string::npos);
    EXPECT_NE(expectation.find(" JumpStep="), std::string::npos);
    EXPECT_NE(expectation.find(" Say.State=shown"), std::string::npos);

    for (const auto& [script, status] : {std::pair{played, 0}, {played + "tick\n", 1}}) {
        Game again(testing::LayoutPictures::instance());
        again.start();
        const ScriptRun run = runScript(again, script + expectation + "\n");
        EXPECT_EQ(run.status, status) << run.err;
    }
}

// What a script file may hold besides commands: a byte-order mark, CRLF line
// ends, blanks after a number; and what it may not: a carriage return
// elsewhere, a line of more than 1 MiB. A huge word is quoted cut short.
TEST_F(DriverTest, ScriptTextIsReadAsEditorsWriteIt) {
    struct Case {
        std::string script;
        int status;
        std::string out;
        std::string err;
    };
    const std::string longWord(500'000, 'x');
    const Case cases[] = {
        {"\xef\xbb\xbfprint Energy\r\nset Energy 5 \r\nprint Energy\n", 0,
         "Energy=0\nEnergy=5\n", ""},
        {"set Main.Character.Caption two  \nset Main.Image2.Left 15\t\n"
         "print Main.Character.Caption Main.Image2.Left\n",
         0, "Main.Character.Caption=two  \nMain.Image2.Left=15\n", ""},
        {"print Energy\rprint Energy\n", 2, "", "play.txt:1: a carriage return inside the line\n"},
        {"print Energy\n\r\n\r\r\n", 2, "Energy=0\n",
         "play.txt:3: a carriage return inside the line\n"},
        {"print Energy\n" + std::string((1 << 20) + 1, ' ') + "\n", 2, "Energy=0\n",
         "play.txt:2: line is longer than 1 MiB\n"},
        {std::string(1 << 20, ' ') + "\nprint Energy", 0, "Energy=0\n", ""},
        {"click Main." + longWord + "\n", 2, "",
         "play.txt:1: form Main has no object '" + std::string(60, 'x') + "...'\n"},
        {"set Energy " + std::string(100'000, '0') + "32768\n", 2, "",
         "play.txt:1: number 32768 is outside -32768..32767\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script.substr(0, 60));
        Game fresh(testing::LayoutPictures::instance());
        fresh.start();
        const ScriptRun run = runScript(fresh, c.script);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, c.err);
    }
}

TEST_F(DriverTest, InputToAFormThatIsNotShownIsIgnored) {
    const ScriptRun run = runScript(game, "click Play.mnuSettings\nkey Play 39\nclose Play\n"
                                    "type Say.txtSend hi\nprint Play.State Say.State\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Play.State=unloaded\nSay.State=unloaded\n");
}

TEST_F(DriverTest, TheEndOfTheGameEndsTheScript) {
    const ScriptRun run = runScript(game, "click Main.mnuExit\nprint Main.State\nbogus line\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "ended\n");
    EXPECT_EQ(run.err, "");
}

TEST(Options, CommandLine) {
    struct Case {
        std::vector<std::string> arguments;
        std::string error;  // empty: accepted
    };
    const Case cases[] = {
        {{}, ""},
        {{"--headless", "--clock-ms", "20", "script.txt"}, ""},
        {{"--zoom", "6", "--clock-ms", "1"}, ""},
        {{"--clock-ms", "0"}, "--clock-ms takes a whole number from 1 to 20, not '0'"},
        {{"--clock-ms", "21"}, "--clock-ms takes a whole number from 1 to 20, not '21'"},
        {{"--zoom", "2.5"}, "--zoom takes a whole number from 1 to 6, not '2.5'"},
        {{"--zoom"}, "--zoom needs a value"},
        {{"--fast"}, "unknown option '--fast'"},
        {{"script.txt"}, "a SCRIPT is only read with --headless"},
        {{"--headless", "a", "b"}, "only one SCRIPT may be given, not also 'b'"},
        {{"--record", "session.txt", "--zoom", "2"}, ""},
        {{"--replay", "session.txt"}, ""},
        {{"--record"}, "--record needs a FILE"},
        {{"--headless", "--replay", "session.txt"},
         "--record and --replay are for the windows; --headless runs a recording as its SCRIPT"},
        {{"--record", "a.txt", "--replay", "b.txt"}, "--record and --replay cannot be used together"},
        // Every error stays one line, whatever the value holds.
        {{"--zoom", "1\n2"}, "--zoom takes a whole number from 1 to 6, not '1\\n2'"},
        {{"--fa\r\nst"}, "unknown option '--fa\\r\\nst'"},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto options = parseOptions(c.arguments, error);
        EXPECT_EQ(options.has_value(), c.error.empty());
        EXPECT_EQ(error, c.error);
    }
    std::string error;
    const auto headless = parseOptions({"--headless", "--clock-ms", "20", "-"}, error);
    ASSERT_TRUE(headless);
    EXPECT_TRUE(headless->headless);
    EXPECT_EQ(headless->clockMs, 20);
    EXPECT_EQ(headless->script, "-");
    EXPECT_TRUE(headless->gamepad);
    // Without --zoom the windows find the zoom that fits the screen.
    EXPECT_FALSE(headless->zoom);
    const auto noPads = parseOptions({"--no-gamepad", "--zoom", "2"}, error);
    ASSERT_TRUE(noPads);
    EXPECT_FALSE(noPads->gamepad);
    EXPECT_EQ(noPads->zoom, 2);
}

TEST(CommandLine, HelpListsEveryKeyOfTheWindows) {
    const std::string help = helpText();
    EXPECT_EQ(help.rfind(kUsage, 0), 0u);
    for (const auto& key : kKeyHelp) EXPECT_NE(help.find(key.keys), std::string::npos) << key.keys;
    for (const auto& key : kWindowKeyHelp)
        EXPECT_NE(help.find(key.keys), std::string::npos) << key.keys;
}

}  // namespace
}  // namespace tt
