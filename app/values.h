#pragma once

// Reading and writing the game's state by name, as the driver's `print` and
// `set` do: `Play.You.Top`, `Play.State`, `Play.Width` or a play variable.
// Nothing here loads a form.

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

struct Target;  // a resolved name

class TargetName {
public:
    // Resolves a name; on failure returns nullopt and says why in `error`.
    static std::optional<TargetName> parse(std::string_view text, std::string& error);
    // The value, or nullopt when the form it belongs to is not loaded.
    std::optional<Value> read(const Game& game) const;
    // Writes a value given as text; returns an error message, empty on success.
    std::string write(Game& game, std::string_view text) const;

    enum class Kind { FormState, FormWidth, Variable, Object, Timer, Menu };
    Kind kind;
    FormId form{};
    ObjectKind objectKind{};
    std::uint16_t index = 0;  // among the form's objects of that kind, or timers
    std::string_view property;
    std::string_view name;  // object, timer, menu or variable name
};

}  // namespace tt
