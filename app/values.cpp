#include "app/values.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "shell/form.h"

namespace tt {
namespace {


bool isOneOf(std::string_view property, std::initializer_list<std::string_view> names) {
    for (std::string_view name : names)
        if (property == name) return true;
    return false;
}

bool hasProperty(ObjectKind kind, std::string_view property) {
    if (isOneOf(property, {"Left", "Top", "Width", "Height", "Visible"})) return true;
    switch (kind) {
    case ObjectKind::Image: return property == "Picture";
    case ObjectKind::Label: return property == "Caption";
    case ObjectKind::CommandButton: return isOneOf(property, {"Caption", "Enabled"});
    case ObjectKind::TextBox: return property == "Text";
    case ObjectKind::HScrollBar: return property == "Value";
    }
    return false;
}

std::string formatFloat(float number) {
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), number);
    return {text.data(), result.ptr};
}

// Parsers for the text of `set`; each says what is wrong in `error`.
std::optional<float> parseFloat(std::string_view text, std::string& error) {
    float number = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || result.ec != std::errc{} || result.ptr != text.data() + text.size() ||
        !std::isfinite(number)) {
        error = "bad number '" + std::string(text) + "'";
        return std::nullopt;
    }
    return number;
}

std::optional<int> parseInt(std::string_view text, int lowest, int highest, std::string& error) {
    int number = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || result.ec != std::errc{} || result.ptr != text.data() + text.size()) {
        error = "bad number '" + std::string(text) + "'";
        return std::nullopt;
    }
    if (number < lowest || number > highest) {
        error = "number " + std::string(text) + " is outside " + std::to_string(lowest) + ".." +
                std::to_string(highest);
        return std::nullopt;
    }
    return number;
}

std::optional<bool> parseBool(std::string_view text, std::string& error) {
    if (text == "True") return true;
    if (text == "False") return false;
    error = "expected True or False, not '" + std::string(text) + "'";
    return std::nullopt;
}

constexpr int kInt16Min = std::numeric_limits<Int16>::min();
constexpr int kInt16Max = std::numeric_limits<Int16>::max();

// The geometry every drawn object shares.
template <typename Object>
std::optional<Value> readGeometry(const Object& object, std::string_view property) {
    if (property == "Left") return Value{object.left};
    if (property == "Top") return Value{object.top};
    if (property == "Visible") return Value{object.visible};
    if constexpr (std::is_same_v<Object, Image>) {
        if (property == "Width") return Value{object.width()};
        if (property == "Height") return Value{object.height()};
    } else {
        if (property == "Width") return Value{object.width};
        if (property == "Height") return Value{object.height};
    }
    return std::nullopt;
}

template <typename Object>
bool writeGeometry(Object& object, std::string_view property, std::string_view text,
                   std::string& error) {
    if (property == "Visible") {
        if (auto flag = parseBool(text, error)) object.visible = *flag;
        return true;
    }
    float* field = nullptr;
    if (property == "Left") field = &object.left;
    if (property == "Top") field = &object.top;
    if constexpr (std::is_same_v<Object, Image>) {
        if (property == "Width" || property == "Height") {
            error = "an image's " + std::string(property) + " follows its picture";
            return true;
        }
    } else {
        if (property == "Width") field = &object.width;
        if (property == "Height") field = &object.height;
    }
    if (!field) return false;
    if (auto number = parseFloat(text, error)) *field = *number;
    return true;
}

std::optional<Value> readObject(const FormObjects& objects, const TargetName& target) {
    const std::string_view property = target.property;
    switch (target.objectKind) {
    case ObjectKind::Image: {
        const Image& image = objects.images[target.index];
        if (property == "Picture") return Value{image.picture()};
        return readGeometry(image, property);
    }
    case ObjectKind::Label: {
        const Label& label = objects.labels[target.index];
        if (property == "Caption") return Value{label.caption};
        return readGeometry(label, property);
    }
    case ObjectKind::CommandButton: {
        const CommandButton& button = objects.buttons[target.index];
        if (property == "Caption") return Value{button.caption};
        if (property == "Enabled") return Value{button.enabled};
        return readGeometry(button, property);
    }
    case ObjectKind::TextBox: {
        const TextBox& box = objects.textBoxes[target.index];
        if (property == "Text") return Value{box.text};
        return readGeometry(box, property);
    }
    case ObjectKind::HScrollBar: {
        const HScrollBar& bar = objects.scrollBars[target.index];
        if (property == "Value") return Value{int{bar.value}};
        return readGeometry(bar, property);
    }
    }
    return std::nullopt;
}

std::string writeObject(Game& game, FormObjects& objects, const TargetName& target,
                        std::string_view text) {
    std::string error;
    const std::string_view property = target.property;
    switch (target.objectKind) {
    case ObjectKind::Image: {
        Image& image = objects.images[target.index];
        if (property == "Picture") {
            if (text == "None") {
                image.setPicture(nullptr);
            } else if (const Picture* picture = game.picture(text)) {
                image.setPicture(picture);
            } else {
                error = "no picture named '" + std::string(text) + "'";
            }
            return error;
        }
        writeGeometry(image, property, text, error);
        return error;
    }
    case ObjectKind::Label: {
        Label& label = objects.labels[target.index];
        if (property == "Caption")
            label.caption = text;
        else
            writeGeometry(label, property, text, error);
        return error;
    }
    case ObjectKind::CommandButton: {
        CommandButton& button = objects.buttons[target.index];
        if (property == "Caption")
            button.caption = text;
        else if (property == "Enabled") {
            if (auto flag = parseBool(text, error)) button.enabled = *flag;
        } else
            writeGeometry(button, property, text, error);
        return error;
    }
    case ObjectKind::TextBox: {
        TextBox& box = objects.textBoxes[target.index];
        if (property == "Text")
            box.text = text;
        else
            writeGeometry(box, property, text, error);
        return error;
    }
    case ObjectKind::HScrollBar: {
        HScrollBar& bar = objects.scrollBars[target.index];
        if (property == "Value") {
            if (auto number = parseInt(text, bar.minimum, bar.maximum, error))
                bar.value = static_cast<Int16>(*number);
        } else {
            writeGeometry(bar, property, text, error);
        }
        return error;
    }
    }
    return error;
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
    std::string error;
    std::visit(
        [&](auto member) {
            auto& field = vars.*member;
            using Field = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, std::string>) {
                field = text;
            } else if constexpr (std::is_same_v<Field, Int16>) {
                if (auto number = parseInt(text, kInt16Min, kInt16Max, error))
                    field = static_cast<Int16>(*number);
            } else if (text == "Empty") {
                field.reset();
            } else if (auto number = parseInt(text, kInt16Min, kInt16Max, error)) {
                field = static_cast<Int16>(*number);
            }
        },
        variable.member);
    return error;
}

std::uint16_t kindIndexOf(const FormLayout& layout, const ObjectSpec& spec) {
    std::uint16_t index = 0;
    for (const ObjectSpec& other : layout.objects) {
        if (&other == &spec) break;
        if (other.kind == spec.kind) ++index;
    }
    return index;
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
        return TargetName{Kind::Variable, FormId::Play, {}, 0, {}, variable->name};
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
        if (rest == "State") return TargetName{Kind::FormState, layout.id, {}, 0, rest, {}};
        if (rest == "Width") return TargetName{Kind::FormWidth, layout.id, {}, 0, rest, {}};
        error = "expected FORM.State, FORM.Width or FORM.OBJECT.PROPERTY, not '" +
                std::string(text) + "'";
        return std::nullopt;
    }
    const std::string_view objectName = rest.substr(0, secondDot);
    const std::string_view property = rest.substr(secondDot + 1);
    auto unknownProperty = [&] {
        std::string message(1, '\'');
        message.append(objectName).append("' has no property '").append(property) += '\'';
        error = std::move(message);
        return std::nullopt;
    };
    if (const ObjectSpec* spec = findObject(layout, objectName)) {
        if (!hasProperty(spec->kind, property)) return unknownProperty();
        return TargetName{Kind::Object, layout.id, spec->kind, kindIndexOf(layout, *spec),
                          property, spec->name};
    }
    for (std::uint16_t i = 0; i < layout.timers.size(); ++i) {
        if (layout.timers[i].name != objectName) continue;
        if (property != "Enabled" && property != "Interval") return unknownProperty();
        return TargetName{Kind::Timer, layout.id, {}, i, property, layout.timers[i].name};
    }
    if (const MenuSpec* menu = findMenu(layout, objectName)) {
        if (property != "Caption") return unknownProperty();
        return TargetName{Kind::Menu, layout.id, {}, 0, property, menu->name};
    }
    error = "form " + std::string(formName) + " has no object '" + std::string(objectName) + "'";
    return std::nullopt;
}

std::optional<Value> TargetName::read(const Game& game) const {
    switch (kind) {
    case Kind::FormState: {
        static constexpr std::array<const char*, 3> kStates{"unloaded", "hidden", "shown"};
        return Value{std::string(kStates[static_cast<std::size_t>(game.state(form))])};
    }
    case Kind::FormWidth: return Value{game.outerWidth(form)};
    case Kind::Variable: return readVariable(game.vars(), *findPlayVariable(name));
    case Kind::Menu:
        if (!game.loaded(form)) return std::nullopt;
        return Value{std::string(findMenu(formDefinition(form).layout, name)->caption)};
    case Kind::Timer: {
        const FormObjects* objects = game.loaded(form);
        if (!objects) return std::nullopt;
        const Timer& timer = objects->timers[index];
        if (property == "Enabled") return Value{timer.enabled()};
        return Value{timer.interval()};
    }
    case Kind::Object: {
        const FormObjects* objects = game.loaded(form);
        if (!objects) return std::nullopt;
        return readObject(*objects, *this);
    }
    }
    return std::nullopt;
}

std::string TargetName::write(Game& game, std::string_view text) const {
    switch (kind) {
    case Kind::FormState:
    case Kind::FormWidth:
    case Kind::Menu: return std::string(property) + " cannot be set";
    case Kind::Variable: return writeVariable(game.vars(), *findPlayVariable(name), text);
    case Kind::Timer:
    case Kind::Object: break;
    }
    FormObjects* objects = game.loaded(form);
    if (!objects) return "form " + std::string(formDefinition(form).layout.name) + " is not loaded";
    if (kind == Kind::Object) return writeObject(game, *objects, *this, text);
    std::string error;
    Timer& timer = objects->timers[index];
    if (property == "Enabled") {
        if (auto flag = parseBool(text, error)) timer.setEnabled(*flag);
    } else if (auto number = parseInt(text, 0, 65535, error)) {
        timer.setInterval(*number);
    }
    return error;
}

}  // namespace tt
