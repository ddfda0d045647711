#include "shell/qt/gamepad/gamepads.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace tt {
namespace {

constexpr Uint32 kSubsystems = SDL_INIT_GAMECONTROLLER;

constexpr std::array<std::pair<SDL_GameControllerButton, PadControl>, 9> kButtons{{
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadControl::Up},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadControl::Down},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadControl::Left},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadControl::Right},
    {SDL_CONTROLLER_BUTTON_A, PadControl::South},
    {SDL_CONTROLLER_BUTTON_X, PadControl::West},
    {SDL_CONTROLLER_BUTTON_B, PadControl::East},
    {SDL_CONTROLLER_BUTTON_START, PadControl::Start},
    {SDL_CONTROLLER_BUTTON_BACK, PadControl::Back},
}};

std::optional<PadControl> controlOf(std::uint8_t button) {
    for (const auto& [sdl, control] : kButtons)
        if (sdl == button) return control;
    return std::nullopt;
}

void quiet(void*, int, SDL_LogPriority, const char*) {}

}  // namespace

std::unique_ptr<Gamepads> Gamepads::open(PadMapping& mapping, RepeatTiming timing,
                                         std::string& error) {
    // The game's own handlers of Ctrl+C and the like stay in charge.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The south button is the one at the bottom, whatever its label says.
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    // Standard error is the game's: a failure is reported in one line there.
    SDL_LogSetOutputFunction(quiet, nullptr);
    if (SDL_InitSubSystem(kSubsystems) != 0) {
        error = std::string("game controllers are off: ") + SDL_GetError();
        return nullptr;
    }
    return std::unique_ptr<Gamepads>(new Gamepads(mapping, timing));
}

Gamepads::Gamepads(PadMapping& mapping, RepeatTiming timing)
    : mapping_(mapping), repeat_(timing.delayMs, timing.intervalMs) {}

Gamepads::~Gamepads() {
    controllers_.clear();
    SDL_QuitSubSystem(kSubsystems);
}

void Gamepads::poll(Millis now) {
    SDL_Event event;
    while (SDL_PollEvent(&event) == 1) handle(event, now);
    if (const auto direction = repeat_.due(now)) mapping_.press(*direction);
}

void Gamepads::handle(const SDL_Event& event, Millis now) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: plugged(event.cdevice.which); break;
    case SDL_CONTROLLERDEVICEREMOVED: unplugged(event.cdevice.which); break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        button(event.cbutton.which, event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN);
        break;
    case SDL_CONTROLLERAXISMOTION: axis(event.caxis.which, event.caxis.axis, event.caxis.value); break;
    default: return;
    }
    followDirections(now);
}

void Gamepads::plugged(int deviceIndex) {
    if (find(SDL_JoystickGetDeviceInstanceID(deviceIndex))) return;
    SDL_GameController* opened = SDL_GameControllerOpen(deviceIndex);
    if (!opened) return;
    SDL_Joystick* joystick = SDL_GameControllerGetJoystick(opened);
    controllers_.push_back({SDL_JoystickInstanceID(joystick), {opened, {}}, {}});
}

void Gamepads::unplugged(SDL_JoystickID id) {
    std::erase_if(controllers_, [id](const Controller& controller) { return controller.id == id; });
}

void Gamepads::button(SDL_JoystickID id, std::uint8_t button, bool down) {
    Controller* controller = find(id);
    const auto control = controlOf(button);
    if (!controller || !control) return;
    if (isDirection(*control))
        controller->directions.setPad(*control, down);
    else if (down)
        mapping_.press(*control);
}

void Gamepads::axis(SDL_JoystickID id, std::uint8_t axis, int value) {
    Controller* controller = find(id);
    if (!controller) return;
    if (axis == SDL_CONTROLLER_AXIS_LEFTX)
        controller->directions.setStick(StickAndPad::Axis::X, value);
    else if (axis == SDL_CONTROLLER_AXIS_LEFTY)
        controller->directions.setStick(StickAndPad::Axis::Y, value);
}

Gamepads::Controller* Gamepads::find(SDL_JoystickID id) {
    const auto found = std::ranges::find(controllers_, id, &Controller::id);
    return found == controllers_.end() ? nullptr : &*found;
}

// A direction is held while any controller holds it; a newly held one gives
// its first key-down at once.
void Gamepads::followDirections(Millis now) {
    for (int index = 0; index < kDirectionCount; ++index) {
        const PadControl direction = directionAt(index);
        const bool held = std::ranges::any_of(controllers_, [direction](const Controller& controller) {
            return controller.directions.held(direction);
        });
        if (held == repeat_.held(direction)) continue;
        if (held) {
            repeat_.press(direction, now);
            mapping_.press(direction);
        } else {
            repeat_.release(direction, now);
        }
    }
}

}  // namespace tt
