#pragma once

// The vocabulary of form layouts. Every form of the game is described by a
// constant table of these rows; the scene is built from the table when the
// form loads.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "shell/units.h"

namespace tt {

enum class FormId : std::uint8_t { Main, Play, GX, Settings, Say };
inline constexpr int kFormCount = 5;

enum class ObjectKind : std::uint8_t { Image, Label, CommandButton, TextBox, HScrollBar };

struct FontSpec {
    std::string_view face;  // empty: the platform's default face
    float points = 0;       // 0: the default size
    bool bold = false;
};

struct ObjectSpec {
    std::string_view name;
    ObjectKind kind = ObjectKind::Image;
    Twips left = 0;
    Twips top = 0;
    Twips width = 0;
    Twips height = 0;
    // The picture name of an image, the caption of a label or button, the
    // text of a text box.
    std::string_view content;
    bool visible = true;
    FontSpec font{};
    std::optional<Rgb> colour{};  // text colour; none: the default
    bool opaqueBackground = false;  // labels: fill the box before the text
    std::int16_t minimum = 0;       // scroll bars
    std::int16_t maximum = 0;
    std::int16_t value = 0;
};

struct TimerSpec {
    std::string_view name;
    bool enabled = false;
    int interval = 0;
};

struct MenuSpec {
    std::string_view name;
    std::string_view caption;   // '&' marks the access key
    std::string_view parent;    // empty for a menu on the bar
    std::string_view shortcut;  // e.g. "F1"; empty for none
};

struct FormLayout {
    FormId id;
    std::string_view name;
    std::string_view caption;
    Twips clientWidth = 0;
    Twips clientHeight = 0;
    std::optional<Rgb> backColour;  // none: the platform's dialog colour
    std::string_view icon;          // picture name; empty for none
    std::span<const ObjectSpec> objects;  // first = top of the z-order
    std::span<const TimerSpec> timers;    // in the order they tick
    std::span<const MenuSpec> menus;
    std::span<const std::string_view> focusOrder;
};

// Row builders, so that layout tables read as tables.
constexpr ObjectSpec image(std::string_view name, Twips left, Twips top, Twips width, Twips height,
                           std::string_view picture, bool visible = true) {
    return {name, ObjectKind::Image, left, top, width, height, picture, visible};
}

constexpr ObjectSpec label(std::string_view name, Twips left, Twips top, Twips width, Twips height,
                           std::string_view caption, bool visible = true, FontSpec font = {},
                           std::optional<Rgb> colour = {}) {
    return {name, ObjectKind::Label, left, top, width, height, caption, visible, font, colour};
}

constexpr ObjectSpec button(std::string_view name, Twips left, Twips top, Twips width, Twips height,
                            std::string_view caption, FontSpec font = {}) {
    return {name, ObjectKind::CommandButton, left, top, width, height, caption, true, font};
}

constexpr ObjectSpec textBox(std::string_view name, Twips left, Twips top, Twips width,
                             Twips height) {
    return {name, ObjectKind::TextBox, left, top, width, height, ""};
}

constexpr ObjectSpec scrollBar(std::string_view name, Twips left, Twips top, Twips width,
                               Twips height, std::int16_t minimum, std::int16_t maximum) {
    ObjectSpec spec{name, ObjectKind::HScrollBar, left, top, width, height, ""};
    spec.minimum = minimum;
    spec.maximum = maximum;
    spec.value = minimum;
    return spec;
}

inline constexpr bool kHidden = false;

// Handles: a form and an index among that form's objects of one kind,
// resolved from the layout table at compile time, so a misspelt name does
// not build.
template <ObjectKind Kind>
struct ObjectRef {
    FormId form;
    std::uint16_t index;
};
using ImageRef = ObjectRef<ObjectKind::Image>;
using LabelRef = ObjectRef<ObjectKind::Label>;
using ButtonRef = ObjectRef<ObjectKind::CommandButton>;
using TextBoxRef = ObjectRef<ObjectKind::TextBox>;
using ScrollBarRef = ObjectRef<ObjectKind::HScrollBar>;

struct TimerRef {
    FormId form;
    std::uint16_t index;
    friend constexpr bool operator==(TimerRef, TimerRef) = default;
};

struct MenuRef {
    FormId form;
    std::uint16_t index;
};

// What a player's click reaches: an image, a button or a menu item.
struct ClickRef {
    enum class On : std::uint8_t { Image, Button, Menu };
    constexpr ClickRef(ImageRef image) : form(image.form), on(On::Image), index(image.index) {}
    constexpr ClickRef(ButtonRef button)
        : form(button.form), on(On::Button), index(button.index) {}
    constexpr ClickRef(MenuRef menu) : form(menu.form), on(On::Menu), index(menu.index) {}
    friend constexpr bool operator==(ClickRef, ClickRef) = default;

    FormId form;
    On on;
    std::uint16_t index;
};

// Where a layout row lives in a loaded form: its index among the rows of
// its own kind, which is its index in that kind's vector of live objects.
constexpr std::uint16_t kindIndex(std::span<const ObjectSpec> objects, const ObjectSpec& row) {
    std::uint16_t index = 0;
    for (const ObjectSpec& spec : objects) {
        if (&spec == &row) break;
        if (spec.kind == row.kind) ++index;
    }
    return index;
}

template <ObjectKind Kind>
consteval ObjectRef<Kind> objectRef(FormId form, std::span<const ObjectSpec> objects,
                                    std::string_view name) {
    for (const ObjectSpec& spec : objects)
        if (spec.kind == Kind && spec.name == name) return {form, kindIndex(objects, spec)};
    throw "no object of that name and kind in the layout";
}

consteval TimerRef timerRef(FormId form, std::span<const TimerSpec> timers,
                            std::string_view name) {
    for (std::uint16_t i = 0; i < timers.size(); ++i)
        if (timers[i].name == name) return {form, i};
    throw "no timer of that name in the layout";
}

consteval MenuRef menuRef(FormId form, std::span<const MenuSpec> menus, std::string_view name) {
    for (std::uint16_t i = 0; i < menus.size(); ++i)
        if (menus[i].name == name) return {form, i};
    throw "no menu item of that name in the layout";
}

}  // namespace tt
