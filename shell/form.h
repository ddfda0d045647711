#pragma once

// A form is a layout (data) plus the handlers that give it behaviour; while
// it is loaded it owns the live objects built from the layout.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "shell/layout.h"
#include "shell/scene_objects.h"

namespace tt {

using KeyHandler = void (*)(Game&, std::int16_t code);

struct TimerHandler {
    TimerRef timer;
    Handler tick;
};

struct ClickHandler {
    ClickRef target;
    Handler click;
};

// A form's tick table serves each of the form's timers exactly once and no
// other form's, so that no timer is left without its handler. Every form
// checks its table with this at compile time.
consteval bool servesEveryTimer(const FormLayout& layout, std::span<const TimerHandler> ticks) {
    for (const TimerHandler& entry : ticks)
        if (entry.timer.form != layout.id || entry.timer.index >= layout.timers.size()) return false;
    for (std::uint16_t i = 0; i < layout.timers.size(); ++i) {
        int served = 0;
        for (const TimerHandler& entry : ticks) served += entry.timer.index == i ? 1 : 0;
        if (served != 1) return false;
    }
    return true;
}

// A form's click table names only the form's own images, buttons and menus.
consteval bool clicksOwnObjects(const FormLayout& layout, std::span<const ClickHandler> clicks) {
    for (const ClickHandler& entry : clicks)
        if (entry.target.form != layout.id) return false;
    return true;
}

// Both checks, for a form's tables.
consteval bool bindsItsOwnHandlers(const FormLayout& layout, std::span<const TimerHandler> ticks,
                                   std::span<const ClickHandler> clicks) {
    return servesEveryTimer(layout, ticks) && clicksOwnObjects(layout, clicks);
}

// What the window's close box does.
enum class CloseBox : std::uint8_t { Unload, EndProgram };

struct FormBehaviour {
    Handler load = nullptr;
    KeyHandler keyDown = nullptr;
    std::span<const TimerHandler> ticks;
    std::span<const ClickHandler> clicks;
    CloseBox closeBox = CloseBox::Unload;
    bool takesInputThroughModal = false;  // never blocked by a modal form
};

struct FormDefinition {
    const FormLayout& layout;
    const FormBehaviour& behaviour;
};

// Every form of the game, by id.
const FormDefinition& formDefinition(FormId id);
// The form named so, or nullptr.
const FormDefinition* findForm(std::string_view name);

enum class FormState : std::uint8_t { Unloaded, Hidden, Shown };

// The live objects of a loaded form, one vector per kind, each in layout
// order.
struct FormObjects {
    FormObjects(const FormDefinition& definition, const PictureLibrary& pictures,
                const Micros& clock);

    std::vector<Image> images;
    std::vector<Label> labels;
    std::vector<CommandButton> buttons;
    std::vector<TextBox> textBoxes;
    std::vector<HScrollBar> scrollBars;
    std::vector<Timer> timers;
};

// The index among its kind of every layout row, in layout order, so that a
// painter can walk the z-order.
std::vector<std::uint16_t> kindIndices(std::span<const ObjectSpec> objects);

const ObjectSpec* findObject(const FormLayout& layout, std::string_view name);
const MenuSpec* findMenu(const FormLayout& layout, std::string_view name);
// The image, button or menu item named so, or nullopt.
std::optional<ClickRef> findClickable(const FormLayout& layout, std::string_view name);
// What a click on the target runs, or nullptr when nothing handles it.
Handler clickHandler(ClickRef target);

}  // namespace tt
