#pragma once

// A form is a layout (data) plus the handlers that give it behaviour; while
// it is loaded it owns the live objects built from the layout.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "shell/layout.h"
#include "shell/scene_objects.h"

namespace tt {

using KeyHandler = void (*)(Game&, std::int16_t code);

struct TimerHandler {
    std::string_view timer;
    Handler tick;
};

struct ClickHandler {
    std::string_view object;  // an image, button or menu item
    Handler click;
};

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

}  // namespace tt
