// Game controllers: the repeat of a held direction, the stick's dead zone,
// what each window makes of the buttons, and SDL's virtual controllers played
// through the real input path, plugged in and out.

#include <SDL.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "level/play_layout.h"
#include "shell/characters.h"
#include "shell/qt/gamepad/direction_repeat.h"
#include "shell/qt/gamepad/gamepads.h"
#include "shell/qt/gamepad/stick_and_pad.h"
#include "shell/start_layout.h"
#include "tests/widgets/window_fixture.h"

namespace tt::testing {
namespace {

using Millis = DirectionRepeat::Millis;

// The key-downs a repeat hands out while a direction is held from 0 to `until`,
// polled every millisecond.
std::vector<Millis> repeatsUntil(DirectionRepeat& repeat, Millis from, Millis until) {
    std::vector<Millis> times;
    for (Millis now = from; now <= until; ++now)
        if (repeat.due(now)) times.push_back(now);
    return times;
}

TEST(DirectionRepeat, FirstRepeatAfterTheDelayThenAtTheRateUntilLetGo) {
    DirectionRepeat repeat(500, 33);
    repeat.press(PadControl::Right, 0);
    EXPECT_EQ(repeatsUntil(repeat, 0, 600), (std::vector<Millis>{500, 533, 566, 599}));
    repeat.release(PadControl::Right, 610);
    EXPECT_TRUE(repeatsUntil(repeat, 610, 2000).empty());
}

TEST(DirectionRepeat, TheNewestDirectionRepeatsAndAnOlderOneTakesOverAfterADelay) {
    DirectionRepeat repeat(500, 33);
    repeat.press(PadControl::Up, 0);
    repeat.press(PadControl::Right, 100);
    EXPECT_EQ(repeat.due(600), PadControl::Right);
    repeat.release(PadControl::Up, 610);  // not the one repeating: no change
    EXPECT_EQ(repeat.due(633), PadControl::Right);
    repeat.press(PadControl::Up, 640);
    repeat.release(PadControl::Up, 700);
    EXPECT_EQ(repeatsUntil(repeat, 700, 1233), (std::vector<Millis>{1200, 1233}));
}

TEST(DirectionRepeat, ALatePollGetsOneRepeatAndTheRateGoesOnFromThere) {
    DirectionRepeat repeat(500, 33);
    repeat.press(PadControl::Left, 0);
    EXPECT_EQ(repeat.due(900), PadControl::Left);
    EXPECT_FALSE(repeat.due(920));
    EXPECT_EQ(repeat.due(933), PadControl::Left);
}

TEST(StickAndPad, TheStickHoldsPastTheDeadZoneAndLetsGoWellInsideIt) {
    const struct {
        StickAndPad::Axis axis;
        std::vector<int> values;
        PadControl direction;
        bool held;
    } cases[] = {
        {StickAndPad::Axis::X, {12000}, PadControl::Right, false},
        {StickAndPad::Axis::X, {12001}, PadControl::Right, true},
        {StickAndPad::Axis::X, {-32768}, PadControl::Left, true},
        {StickAndPad::Axis::X, {-32768}, PadControl::Right, false},
        {StickAndPad::Axis::X, {20000, 9001}, PadControl::Right, true},
        {StickAndPad::Axis::X, {20000, 9000}, PadControl::Right, false},
        {StickAndPad::Axis::X, {20000, -20000}, PadControl::Right, false},
        {StickAndPad::Axis::Y, {32767}, PadControl::Down, true},
        {StickAndPad::Axis::Y, {-15000}, PadControl::Up, true},
        {StickAndPad::Axis::Y, {-15000}, PadControl::Left, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.values.back());
        StickAndPad directions;
        for (int value : c.values) directions.setStick(c.axis, value);
        EXPECT_EQ(directions.held(c.direction), c.held);
    }
}

TEST(StickAndPad, TheDPadAndTheStickHoldADirectionTogether) {
    StickAndPad directions;
    directions.setPad(PadControl::Left, true);
    directions.setStick(StickAndPad::Axis::X, -30000);
    directions.setPad(PadControl::Left, false);
    EXPECT_TRUE(directions.held(PadControl::Left)) << "the stick still holds it";
    directions.setStick(StickAndPad::Axis::X, 0);
    EXPECT_FALSE(directions.held(PadControl::Left));
}

// Passes the input on to the game, as the windows do, and writes down each
// input in the driver's words.
struct LoggedInput final : FormInput {
    explicit LoggedInput(Game& played) : game(played) {}
    bool takesInput(FormId form) const override { return game.takesInput(form); }
    void click(FormId form, std::string_view object) override {
        log.push_back("click " + name(form) + "." + std::string(object));
        game.click(form, object);
    }
    void keyDown(FormId form, std::int16_t code) override {
        log.push_back("key " + name(form) + " " + std::to_string(code));
        game.keyDown(form, code);
    }
    void typeText(TextBoxRef, const QString&) override { log.push_back("type"); }
    void scroll(ScrollBarRef bar, int value) override {
        log.push_back("scroll " + name(bar.form) + " " + std::to_string(value));
        game.scroll(bar, value);
    }
    void closeBox(FormId) override { log.push_back("close"); }
    static std::string name(FormId form) { return std::string(formDefinition(form).layout.name); }
    std::vector<std::string> taken() { return std::exchange(log, {}); }

    Game& game;
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

class PadMappingTest : public ::testing::Test {
protected:
    PadMappingTest() { game.start(); }

    Log pressed(std::initializer_list<PadControl> controls) {
        for (PadControl control : controls) mapping.press(control);
        return input.taken();
    }
    void openPlayField() { game.click(FormId::Main, "Command1"); }

    Game game{EmbeddedPictures::instance()};
    LoggedInput input{game};
    PadMapping mapping{game, input};
};

TEST_F(PadMappingTest, ThePlayFieldGetsTheKeysOfTheKeyboard) {
    openPlayField();
    EXPECT_EQ(pressed({PadControl::Left, PadControl::Up, PadControl::Right, PadControl::Down,
                       PadControl::South, PadControl::West, PadControl::East, PadControl::Start}),
              (Log{"key Play 37", "key Play 38", "key Play 39", "key Play 40", "key Play 90",
                   "key Play 32", "key Play 32"}));
    bool started = false;
    mapping.onStart([&started] { started = true; });
    mapping.press(PadControl::Start);
    EXPECT_TRUE(started);
    EXPECT_EQ(pressed({PadControl::Back}), Log{"click Play.mnuSettings"});
    EXPECT_EQ(game.modalForm(), FormId::Settings);
}

TEST_F(PadMappingTest, TheSettingsWindowMovesItsBarWithinItsRangeAndCloses) {
    openPlayField();
    mapping.press(PadControl::Back);
    input.taken();
    EXPECT_EQ(pressed({PadControl::Left, PadControl::Right, PadControl::Right, PadControl::Left}),
              (Log{"scroll Settings 2", "scroll Settings 3", "scroll Settings 2"}));
    for (int i = 0; i < 12; ++i) mapping.press(PadControl::Right);
    EXPECT_EQ(input.taken().size(), 8u) << "nothing passed on at the bar's end";
    EXPECT_EQ(pressed({PadControl::Up, PadControl::Down, PadControl::West, PadControl::South}),
              Log{"click Settings.cmdOK"});
    EXPECT_EQ(game.modalForm(), FormId::Play);
}

TEST_F(PadMappingTest, TheStartScreenStepsThroughTheCharactersAndPressesGo) {
    EXPECT_EQ(pressed({PadControl::Left}), Log{}) << "Ember is the first";
    Log walked;
    for (std::size_t i = 1; i < kCharacters.size(); ++i)
        walked.push_back("click Main." + std::string(kCharacters[i].portrait));
    EXPECT_EQ(pressed({PadControl::Right, PadControl::Right, PadControl::Right, PadControl::Right,
                       PadControl::Right, PadControl::Right}),
              walked);
    EXPECT_EQ(game[start::Character].caption, "Volt Kid");
    EXPECT_EQ(pressed({PadControl::Left, PadControl::Up, PadControl::Back, PadControl::Start}),
              Log{"click Main.Image7"});
    EXPECT_EQ(pressed({PadControl::South}), Log{"click Main.Command1"});
    EXPECT_EQ(game.modalForm(), FormId::Play);
}

TEST_F(PadMappingTest, AStartScreenCaptionOffTheRowStartsAtItsFirstPicture) {
    game[start::Character].caption = "Nobody";
    EXPECT_EQ(pressed({PadControl::Right}), Log{"click Main.Image2"});
    game[start::Character].caption = "Nobody";
    EXPECT_EQ(pressed({PadControl::Left}), Log{"click Main.Image2"});
}

// A controller that exists only in SDL: buttons in SDL's order, the six
// axes, plugged in when made.
class VirtualPad {
public:
    VirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Test pad";
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        joystick_ = index < 0 ? nullptr : SDL_JoystickOpen(index);
        if (!joystick_) ADD_FAILURE() << "no virtual controller: " << SDL_GetError();
    }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;
    ~VirtualPad() { unplug(); }

    void set(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
    }
    void tilt(SDL_GameControllerAxis axis, int value) {
        SDL_JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(value));
    }
    void unplug() {
        if (!joystick_) return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int index = 0; index < SDL_NumJoysticks(); ++index)
            if (SDL_JoystickGetDeviceInstanceID(index) == id) SDL_JoystickDetachVirtual(index);
    }

private:
    SDL_Joystick* joystick_ = nullptr;
};

constexpr RepeatTiming kRepeat{500, 33};

// Controllers read through SDL, polled every millisecond of a virtual time.
class GamepadsTest : public ::testing::Test {
protected:
    GamepadsTest() {
        game.start();
        std::string error;
        pads = Gamepads::open(mapping, kRepeat, error);
        EXPECT_NE(pads, nullptr) << error;
    }

    // Polls up to `until`, noting when each input came.
    void runTo(Millis until) {
        for (; now <= until; ++now) {
            pads->poll(now);
            for (std::string& taken : input.taken()) times.push_back({now, std::move(taken)});
        }
    }
    // The inputs taken since the last call, with their times.
    std::vector<std::pair<Millis, std::string>> timed() { return std::exchange(times, {}); }

    Game game{EmbeddedPictures::instance()};
    LoggedInput input{game};
    PadMapping mapping{game, input};
    std::unique_ptr<Gamepads> pads;
    Millis now = 0;
    std::vector<std::pair<Millis, std::string>> times;
};

using Timed = std::vector<std::pair<Millis, std::string>>;

TEST_F(GamepadsTest, AControllerPluggedInPlaysAndAHeldDirectionRepeatsUntilLetGo) {
    ASSERT_TRUE(pads);
    game.click(FormId::Main, "Command1");
    VirtualPad pad;
    runTo(10);
    EXPECT_EQ(pads->connected(), 1);
    pad.set(SDL_CONTROLLER_BUTTON_A, true);
    runTo(20);
    pad.set(SDL_CONTROLLER_BUTTON_A, false);
    pad.set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    runTo(600);
    pad.set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    runTo(2000);
    EXPECT_EQ(timed(), (Timed{{11, "key Play 90"},
                              {21, "key Play 39"},
                              {521, "key Play 39"},
                              {554, "key Play 39"},
                              {587, "key Play 39"}}));
}

TEST_F(GamepadsTest, TheLeftStickActsPastItsDeadZoneOnly) {
    ASSERT_TRUE(pads);
    game.click(FormId::Main, "Command1");
    VirtualPad pad;
    runTo(10);
    pad.tilt(SDL_CONTROLLER_AXIS_LEFTX, -11000);
    pad.tilt(SDL_CONTROLLER_AXIS_RIGHTX, 32767);
    pad.tilt(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767);
    runTo(1000);
    EXPECT_EQ(timed(), Timed{});
    pad.tilt(SDL_CONTROLLER_AXIS_LEFTX, -20000);
    runTo(1010);
    pad.tilt(SDL_CONTROLLER_AXIS_LEFTY, -25000);  // up and to the left: up takes the repeat
    runTo(1520);
    pad.tilt(SDL_CONTROLLER_AXIS_LEFTX, 0);
    pad.tilt(SDL_CONTROLLER_AXIS_LEFTY, 0);
    runTo(3000);
    EXPECT_EQ(timed(), (Timed{{1001, "key Play 37"}, {1011, "key Play 38"}, {1511, "key Play 38"}}));
}

TEST_F(GamepadsTest, UnpluggingAControllerThatHoldsADirectionStopsTheRepeats) {
    ASSERT_TRUE(pads);
    game.click(FormId::Main, "Command1");
    VirtualPad kept;
    auto pulled = std::make_unique<VirtualPad>();
    runTo(10);
    EXPECT_EQ(pads->connected(), 2);
    pulled->set(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    runTo(600);
    pulled.reset();
    runTo(2000);
    EXPECT_EQ(pads->connected(), 1);
    EXPECT_EQ(timed(), (Timed{{11, "key Play 37"}, {511, "key Play 37"}, {544, "key Play 37"},
                              {577, "key Play 37"}}));
    kept.set(SDL_CONTROLLER_BUTTON_B, true);
    runTo(2010);
    EXPECT_EQ(timed(), (Timed{{2001, "key Play 32"}})) << "the other controller plays on";
}

TEST(Gamepads, AControllerConnectedBeforeTheGameStartsIsRead) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    {
        VirtualPad pad;
        Game game{EmbeddedPictures::instance()};
        game.start();
        LoggedInput input{game};
        PadMapping mapping{game, input};
        std::string error;
        const auto pads = Gamepads::open(mapping, kRepeat, error);
        ASSERT_NE(pads, nullptr) << error;
        pads->poll(0);
        EXPECT_EQ(pads->connected(), 1);
        pad.set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
        pads->poll(1);
        EXPECT_EQ(input.taken(), Log{"click Main.Image1"});
    }
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

// The whole game in its windows, played with a controller alone: choose
// Clover, GO!, walk right, jump onto Log, walk off its end, pull a plant and
// throw it.
class PlayedWithAController : public WindowTest {
protected:
    PlayedWithAController() { EXPECT_NE(pads, nullptr) << error; }

    // Virtual time with the window clock's ticks every 16 ms and a poll of
    // the controllers every 4 ms between them.
    void run(Millis duration) {
        for (const Millis until = now + duration; now < until; now += 4) {
            pads->poll(now);
            if (now % game.clockPeriodMs() == 0) tick();
        }
    }
    void tap(SDL_GameControllerButton button, Millis rest = 150) {
        pad.set(button, true);
        run(20);
        pad.set(button, false);
        run(rest);
    }
    Image& you() { return game[play::You]; }

    PadMapping mapping{game, windows};
    std::string error;
    std::unique_ptr<Gamepads> pads = Gamepads::open(mapping, kRepeat, error);
    VirtualPad pad;  // once SDL is up
    Millis now = 0;
};

TEST_F(PlayedWithAController, WalksJumpsOntoTheLogPullsAPlantAndThrowsIt) {
    ASSERT_TRUE(pads);
    run(20);
    for (int step = 0; step < 3; ++step) tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 30);
    EXPECT_EQ(game[start::Character].caption, "Clover");
    tap(SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(game.state(FormId::Play), FormState::Shown);
    ASSERT_NE(windows.window(FormId::Play), nullptr);
    // The enemy waits on the hill, out of the way.
    game[play::En1].setEnabled(false);
    game[play::En1Fall].setEnabled(false);
    game[play::Enemy1].left = 3120;
    game[play::Enemy1].top = 600;
    const Twips offset = game.vars().HeightOffset;

    pad.tilt(SDL_CONTROLLER_AXIS_LEFTX, 30000);
    while (you().left < 1740 && now < 10000) run(4);
    pad.tilt(SDL_CONTROLLER_AXIS_LEFTX, 0);
    run(150);
    ASSERT_EQ(you().left, 1740) << "six steps right";

    pad.set(SDL_CONTROLLER_BUTTON_A, true);
    run(32);
    pad.set(SDL_CONTROLLER_BUTTON_A, false);
    pad.set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    run(20);
    pad.set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    run(800);
    EXPECT_EQ(you().left, 1970);
    EXPECT_EQ(you().top, 800 - offset) << "standing on Log";

    for (int step = 0; step < 4; ++step) tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    run(600);
    EXPECT_EQ(you().left, 2890);
    EXPECT_EQ(you().top, 1640 - offset) << "down on the ground past Log's end";
    tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    EXPECT_EQ(you().left, 2660) << "in reach of the third plant";

    tap(SDL_CONTROLLER_BUTTON_X, 1000);
    EXPECT_EQ(game[play::Plant3].left, -1000.0f) << "pulled out of the field";
    EXPECT_EQ(game.vars().Holding, 1);
    tap(SDL_CONTROLLER_BUTTON_B, 40);
    EXPECT_EQ(game.vars().Holding, 0);
    EXPECT_TRUE(game[play::Throw].enabled()) << "the vegetable is in flight";
    const Twips thrownFrom = game[play::Object].left;
    run(200);
    EXPECT_GT(thrownFrom, game[play::Object].left) << "thrown the way the hero faces, left";
}

}  // namespace
}  // namespace tt::testing
