#include "app/values.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <span>

#include "app/numbers.h"
#include "shell/form.h"

namespace tt {

// Every property the driver knows is one row: its name, how to read it from a
// loaded form and how to write it from the text of `set`. An object's (or a
// timer's) `index` is its place among the form's objects of its kind.
struct Property {
    std::string_view name;
    Value (*read)(const FormObjects& objects, std::uint16_t index);
    std::string (*write)(Game& game, FormObjects& objects, std::uint16_t index,
                         std::string_view text);
};

namespace {

// Text to a field's type; each returns an error message, empty on success.
std::string assign(Twips& field, std::string_view text) {
    std::string error;
    if (const auto number = parseNumber<float>(text, error)) field = *number;
    return error;
}

std::string assign(bool& field, std::string_view text) {
    if (text == "True" || text == "False") {
        field = text == "True";
        return {};
    }
    return "expected True or False, not '" + std::string(text) + "'";
}

std::string assign(std::string& field, std::string_view text) {
    field = text;
    return {};
}

// A plain field of one kind of object, read and written as it is.
template <auto Objects, auto Field>
constexpr Property field(std::string_view name) {
    return {name,
            [](const FormObjects& objects, std::uint16_t index) {
                return Value{(objects.*Objects)[index].*Field};
            },
            [](Game&, FormObjects& objects, std::uint16_t index, std::string_view text) {
                return assign((objects.*Objects)[index].*Field, text);
            }};
}

template <std::size_t A, std::size_t B>
constexpr std::array<Property, A + B> operator+(const std::array<Property, A>& first,
                                                const std::array<Property, B>& second) {
    std::array<Property, A + B> both{};
    for (std::size_t i = 0; i < A; ++i) both[i] = first[i];
    for (std::size_t i = 0; i < B; ++i) both[A + i] = second[i];
    return both;
}

// Where a label or a control stands.
template <auto Objects>
constexpr std::array<Property, 5> kPlacement{{
    field<Objects, &Placement::left>("Left"),
    field<Objects, &Placement::top>("Top"),
    field<Objects, &Placement::width>("Width"),
    field<Objects, &Placement::height>("Height"),
    field<Objects, &Placement::visible>("Visible"),
}};

std::string writePicture(Game& game, FormObjects& objects, std::uint16_t index,
                         std::string_view text) {
    Image& image = objects.images[index];
    if (text == "None") {
        image.setPicture(nullptr);
    } else if (const Picture* picture = game.picture(text)) {
        image.setPicture(picture);
    } else {
        return "no picture named '" + std::string(text) + "'";
    }
    return {};
}

constexpr std::array<Property, 6> kImage{{
    field<&FormObjects::images, &Image::left>("Left"),
    field<&FormObjects::images, &Image::top>("Top"),
    {"Width", [](const FormObjects& objects, std::uint16_t index) {
         return Value{objects.images[index].width()};
     },
     [](Game&, FormObjects&, std::uint16_t, std::string_view) -> std::string {
         return "an image's Width follows its picture";
     }},
    {"Height", [](const FormObjects& objects, std::uint16_t index) {
         return Value{objects.images[index].height()};
     },
     [](Game&, FormObjects&, std::uint16_t, std::string_view) -> std::string {
         return "an image's Height follows its picture";
     }},
    field<&FormObjects::images, &Image::visible>("Visible"),
    {"Picture", [](const FormObjects& objects, std::uint16_t index) {
         return Value{objects.images[index].picture()};
     },
     writePicture},
}};

constexpr auto kLabel = kPlacement<&FormObjects::labels> + std::array<Property, 1>{{
    field<&FormObjects::labels, &Label::caption>("Caption"),
}};

constexpr auto kButton = kPlacement<&FormObjects::buttons> + std::array<Property, 2>{{
    field<&FormObjects::buttons, &CommandButton::caption>("Caption"),
    field<&FormObjects::buttons, &CommandButton::enabled>("Enabled"),
}};

constexpr auto kTextBox = kPlacement<&FormObjects::textBoxes> + std::array<Property, 1>{{
    field<&FormObjects::textBoxes, &TextBox::text>("Text"),
}};

std::string writeBarValue(Game&, FormObjects& objects, std::uint16_t index,
                          std::string_view text) {
    HScrollBar& bar = objects.scrollBars[index];
    std::string error;
    if (const auto number = parseNumber<int>(text, error, bar.minimum, bar.maximum))
        bar.value = static_cast<Int16>(*number);
    return error;
}

constexpr auto kScrollBar = kPlacement<&FormObjects::scrollBars> + std::array<Property, 1>{{
    {"Value", [](const FormObjects& objects, std::uint16_t index) {
         return Value{int{objects.scrollBars[index].value}};
     },
     writeBarValue},
}};

// A timer's properties go through its setters, which restart its period.
constexpr std::array<Property, 2> kTimer{{
    {"Enabled", [](const FormObjects& objects, std::uint16_t index) {
         return Value{objects.timers[index].enabled()};
     },
     [](Game&, FormObjects& objects, std::uint16_t index, std::string_view text) {
         bool enabled = false;
         std::string error = assign(enabled, text);
         if (error.empty()) objects.timers[index].setEnabled(enabled);
         return error;
     }},
    {"Interval", [](const FormObjects& objects, std::uint16_t index) {
         return Value{objects.timers[index].interval()};
     },
     [](Game&, FormObjects& objects, std::uint16_t index, std::string_view text) {
         std::string error;
         if (const auto interval = parseNumber<int>(text, error, 0, 65535))
             objects.timers[index].setInterval(*interval);
         return error;
     }},
}};

std::span<const Property> propertiesOf(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::Image: return kImage;
    case ObjectKind::Label: return kLabel;
    case ObjectKind::CommandButton: return kButton;
    case ObjectKind::TextBox: return kTextBox;
    case ObjectKind::HScrollBar: return kScrollBar;
    }
    return {};
}

const Property* findProperty(std::span<const Property> properties, std::string_view name) {
    for (const Property& property : properties)
        if (property.name == name) return &property;
    return nullptr;
}

std::string formatFloat(float number) {
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), number);
    return {text.data(), result.ptr};
}

Value readVariable(const PlayState& vars, const NamedPlayVariable& variable) {
    return std::visit(
        [&](auto member) -> Value {
            const auto& field = vars.*member;
            using Field = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, Int16>)
                return Value{int{field}};
            else if constexpr (std::is_same_v<Field, std::string>)
                return Value{field};
            else
                return field ? Value{int{*field}} : Value{Empty{}};
        },
        variable.member);
}

std::string writeVariable(PlayState& vars, const NamedPlayVariable& variable,
                          std::string_view text) {
    return std::visit(
        [&](auto member) -> std::string {
            auto& field = vars.*member;
            using Field = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, std::string>) {
                return assign(field, text);
            } else {
                if constexpr (!std::is_same_v<Field, Int16>) {
                    if (text == "Empty") {
                        field.reset();
                        return {};
                    }
                }
                std::string error;
                constexpr Int16 lowest = std::numeric_limits<Int16>::min();
                constexpr Int16 highest = std::numeric_limits<Int16>::max();
                if (const auto number = parseNumber<int>(text, error, lowest, highest))
                    field = static_cast<Int16>(*number);
                return error;
            }
        },
        variable.member);
}

}  // namespace

std::string formatValue(const Value& value) {
    return std::visit(
        [](const auto& v) -> std::string {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, Empty>)
                return "Empty";
            else if constexpr (std::is_same_v<V, bool>)
                return v ? "True" : "False";
            else if constexpr (std::is_same_v<V, int>)
                return std::to_string(v);
            else if constexpr (std::is_same_v<V, float>)
                return formatFloat(v);
            else if constexpr (std::is_same_v<V, std::string>)
                return v;
            else
                return v ? v->name : "None";
        },
        value);
}

std::optional<TargetName> TargetName::parse(std::string_view text, std::string& error) {
    const std::size_t firstDot = text.find('.');
    if (firstDot == std::string_view::npos) {
        const NamedPlayVariable* variable = findPlayVariable(text);
        if (!variable) {
            error = "unknown play variable '" + std::string(text) + "'";
            return std::nullopt;
        }
        TargetName target(Kind::Variable, FormId::Play, {});
        target.variable_ = variable;
        return target;
    }
    const std::string_view formName = text.substr(0, firstDot);
    const FormDefinition* form = findForm(formName);
    if (!form) {
        error = "unknown form '" + std::string(formName) + "'";
        return std::nullopt;
    }
    const FormLayout& layout = form->layout;
    const std::string_view rest = text.substr(firstDot + 1);
    const std::size_t secondDot = rest.find('.');
    if (secondDot == std::string_view::npos) {
        if (rest == "State") return TargetName(Kind::FormState, layout.id, rest);
        if (rest == "Width") return TargetName(Kind::FormWidth, layout.id, rest);
        error = "expected FORM.State, FORM.Width or FORM.OBJECT.PROPERTY, not '" +
                std::string(text) + "'";
        return std::nullopt;
    }
    const std::string_view objectName = rest.substr(0, secondDot);
    const std::string_view propertyName = rest.substr(secondDot + 1);
    TargetName target(Kind::Property, layout.id, propertyName);
    if (const ObjectSpec* spec = findObject(layout, objectName)) {
        target.property_ = findProperty(propertiesOf(spec->kind), propertyName);
        target.index_ = kindIndex(layout.objects, *spec);
    } else if (const auto timer = std::find_if(
                   layout.timers.begin(), layout.timers.end(),
                   [&](const TimerSpec& spec) { return spec.name == objectName; });
               timer != layout.timers.end()) {
        target.property_ = findProperty(kTimer, propertyName);
        target.index_ = static_cast<std::uint16_t>(timer - layout.timers.begin());
    } else if (const MenuSpec* menu = findMenu(layout, objectName)) {
        if (propertyName == "Caption") {
            target.kind_ = Kind::Menu;
            target.menu_ = menu;
        }
    } else {
        error = "form " + std::string(formName) + " has no object '" + std::string(objectName) +
                "'";
        return std::nullopt;
    }
    if (target.kind_ == Kind::Property && !target.property_) {
        error = "'" + std::string(objectName) + "' has no property '" + std::string(propertyName) +
                "'";
        return std::nullopt;
    }
    return target;
}

std::optional<Value> TargetName::read(const Game& game) const {
    switch (kind_) {
    case Kind::FormState: {
        static constexpr std::array<const char*, 3> kStates{"unloaded", "hidden", "shown"};
        return Value{std::string(kStates[static_cast<std::size_t>(game.state(form_))])};
    }
    case Kind::FormWidth: return Value{game.outerWidth(form_)};
    case Kind::Variable: return readVariable(game.vars(), *variable_);
    case Kind::Menu:
        if (!game.loaded(form_)) return std::nullopt;
        return Value{std::string(menu_->caption)};
    case Kind::Property: {
        const FormObjects* objects = game.loaded(form_);
        if (!objects) return std::nullopt;
        return property_->read(*objects, index_);
    }
    }
    return std::nullopt;
}

std::string TargetName::write(Game& game, std::string_view text) const {
    switch (kind_) {
    case Kind::FormState:
    case Kind::FormWidth:
    case Kind::Menu: return std::string(propertyName_) + " cannot be set";
    case Kind::Variable: return writeVariable(game.vars(), *variable_, text);
    case Kind::Property: break;
    }
    FormObjects* objects = game.loaded(form_);
    if (!objects)
        return "form " + std::string(formDefinition(form_).layout.name) + " is not loaded";
    return property_->write(game, *objects, index_, text);
}

}  // namespace tt
