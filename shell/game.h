#pragma once

// The running game: its forms, the one clock that drives every timer, the
// play field's variables and the player's input. Headless and deterministic:
// time only moves when the clock is advanced.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "shell/form.h"
#include "shell/layout.h"
#include "shell/picture.h"
#include "shell/play_state.h"

namespace tt {

// What runs when a modal form is hidden or closed: the rest of the handler
// that showed it.
using Continuation = void (*)(Game&);

// The window frame around every form's client area, 4 pixels on each side,
// fixed so that the right-hand walls never depend on the desktop.
inline constexpr Twips kFrameWidth = 2 * 4 * kTwipsPerPixel;

class Game {
public:
    static constexpr int kDefaultClockMs = 16;

    explicit Game(const PictureLibrary& pictures, int clockPeriodMs = kDefaultClockMs);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The program starts with the start screen loaded and shown.
    void start();

    // --- What handlers use. Naming a form's object loads the form. ---
    Image& operator[](ImageRef ref) { return objects(ref.form).images[ref.index]; }
    Label& operator[](LabelRef ref) { return objects(ref.form).labels[ref.index]; }
    CommandButton& operator[](ButtonRef ref) { return objects(ref.form).buttons[ref.index]; }
    TextBox& operator[](TextBoxRef ref) { return objects(ref.form).textBoxes[ref.index]; }
    HScrollBar& operator[](ScrollBarRef ref) { return objects(ref.form).scrollBars[ref.index]; }
    Timer& operator[](TimerRef ref) { return objects(ref.form).timers[ref.index]; }
    FormObjects& objects(FormId id);
    PlayState& vars() { return vars_; }
    const PlayState& vars() const { return vars_; }
    const Picture* picture(std::string_view name) const { return pictures_.find(name); }

    void show(FormId id);
    // Modality is the game's own rather than the toolkit's: a modal show
    // returns at once and the rest of the handler runs later, so the clock
    // and every other form's timers go on, the headless driver behaves as
    // the windows do, and no event loop is ever nested.
    void showModal(FormId id, Continuation then);
    void hide(FormId id);
    void unload(FormId id);
    void end();
    // The outer width of the form's window, frame included.
    Twips outerWidth(FormId id) const;

    // --- The clock. ---
    int clockPeriodMs() const { return clockPeriodMs_; }
    // A recording carries its own period; it is set before the first tick.
    void setClockPeriodMs(int periodMs) { clockPeriodMs_ = periodMs; }
    Micros now() const { return now_; }
    // One clock tick, a period after the last one (virtual time).
    void tick();
    // One clock tick at the given time (real time; never earlier than now).
    void tickAt(Micros time);

    // --- The player's input. Each returns false, changing nothing, when the
    // form is not shown or a modal form blocks it. ---
    bool takesInput(FormId id) const;
    bool click(FormId id, std::string_view object);
    // A click at a pixel of the form's client area reaches the topmost
    // visible image under it that has a click handler, if any.
    bool clickAt(FormId id, int x, int y);
    bool keyDown(FormId id, std::int16_t code);
    bool typeText(TextBoxRef box, std::string_view text);
    bool scroll(ScrollBarRef bar, int value);
    bool closeBox(FormId id);

    // --- Inspection, which loads nothing. ---
    FormState state(FormId id) const { return states_[index(id)]; }
    const FormObjects* loaded(FormId id) const;
    FormObjects* loaded(FormId id);
    bool ended() const { return ended_; }
    // The image a click at that pixel would reach.
    std::optional<ImageRef> clickableImageAt(FormId id, int x, int y) const;
    // The form of the innermost modal show, if any.
    std::optional<FormId> modalForm() const;

private:
    static std::size_t index(FormId id) { return static_cast<std::size_t>(id); }
    void load(FormId id);
    void finishModal(FormId id);
    void runDueTimers();

    const PictureLibrary& pictures_;
    int clockPeriodMs_;
    Micros now_ = 0;
    bool ended_ = false;
    PlayState vars_;
    std::array<FormState, kFormCount> states_{};
    std::array<std::optional<FormObjects>, kFormCount> forms_;
    struct ModalShow {
        FormId form;
        Continuation then;
    };
    std::vector<ModalShow> modal_;
};

}  // namespace tt
