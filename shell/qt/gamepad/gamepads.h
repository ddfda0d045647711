#pragma once

// Every connected game controller, read through SDL's game-controller layer
// (no SDL window, video or audio), including controllers plugged in or out
// while the game runs. Polled: each poll takes what the controllers did since
// the last one and passes it to the mapping, and sends the repeats of a held
// direction that are due.

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "shell/qt/gamepad/direction_repeat.h"
#include "shell/qt/gamepad/pad_mapping.h"
#include "shell/qt/gamepad/stick_and_pad.h"

namespace tt {

struct RepeatTiming {
    std::int64_t delayMs;
    std::int64_t intervalMs;
};

class Gamepads {
public:
    using Millis = DirectionRepeat::Millis;

    // Starts SDL's controller subsystems; nullptr, with a one-line reason in
    // `error`, where they cannot start. The game plays on without them.
    static std::unique_ptr<Gamepads> open(PadMapping& mapping, RepeatTiming timing,
                                          std::string& error);
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;
    ~Gamepads();

    // Never blocks. `now` only ever grows.
    void poll(Millis now);
    int connected() const { return static_cast<int>(controllers_.size()); }

private:
    struct CloseController {
        void operator()(SDL_GameController* controller) const { SDL_GameControllerClose(controller); }
    };
    struct Controller {
        SDL_JoystickID id;
        std::unique_ptr<SDL_GameController, CloseController> handle;
        StickAndPad directions;
    };

    Gamepads(PadMapping& mapping, RepeatTiming timing);
    void handle(const SDL_Event& event, Millis now);
    void plugged(int deviceIndex);
    void unplugged(SDL_JoystickID id);
    void button(SDL_JoystickID id, std::uint8_t button, bool down);
    void axis(SDL_JoystickID id, std::uint8_t axis, int value);
    Controller* find(SDL_JoystickID id);
    void followDirections(Millis now);

    PadMapping& mapping_;
    DirectionRepeat repeat_;
    std::vector<Controller> controllers_;
};

}  // namespace tt
