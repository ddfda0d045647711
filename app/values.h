#pragma once

// Reading and writing the game's state by name, as the driver's `print` and
// `set` do: `Play.You.Top`, `Play.State`, `Play.Width` or a play variable.
// Nothing here loads a form.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "shell/game.h"

namespace tt {

struct Empty {};
using Value = std::variant<Empty, bool, int, float, std::string, const Picture*>;

// How the driver prints a value: shortest decimal numbers, True / False,
// strings as they are, a picture by its name or None, an empty variant Empty.
std::string formatValue(const Value& value);

// How one property of one kind of object (or of a timer) is read and written.
struct Property;

class TargetName {
public:
    // Resolves a name; on failure returns nullopt and says why in `error`.
    static std::optional<TargetName> parse(std::string_view text, std::string& error);
    // The value, or nullopt when the form it belongs to is not loaded.
    std::optional<Value> read(const Game& game) const;
    // Writes a value given as text; returns an error message, empty on success.
    std::string write(Game& game, std::string_view text) const;

private:
    enum class Kind { FormState, FormWidth, Variable, Property, Menu };
    TargetName(Kind kind, FormId form, std::string_view propertyName)
        : kind_(kind), form_(form), propertyName_(propertyName) {}

    Kind kind_;
    FormId form_;
    std::string_view propertyName_;
    const Property* property_ = nullptr;           // Kind::Property
    std::uint16_t index_ = 0;                      // among the objects of its kind, or the timers
    const NamedPlayVariable* variable_ = nullptr;  // Kind::Variable
    const MenuSpec* menu_ = nullptr;               // Kind::Menu
};

}  // namespace tt
