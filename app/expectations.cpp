#include "app/expectations.h"

#include <array>
#include <utility>
#include <vector>

#include "app/values.h"
#include "shell/form.h"

namespace tt {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string valueText(const Game& game, const TargetName& target) {
    const auto value = target.read(game);
    return value ? formatValue(*value) : "<unloaded>";
}

constexpr std::array<std::string_view, 4> kObjectProperties{"Left", "Top", "Visible", "Picture"};
constexpr std::array<std::string_view, 8> kStateObjects{
    "You", "Enemy1", "Object", "X1", "X2", "X3", "X4", "EmptyEnergy"};
constexpr std::array<std::string_view, 2> kStateWords{"GX.Pos.Caption", "Play.Way.Caption"};
constexpr std::array<FormId, kFormCount> kForms{FormId::Main, FormId::Play, FormId::GX,
                                                FormId::Settings, FormId::Say};

std::vector<std::string> stateTargetNames() {
    std::vector<std::string> names;
    for (const NamedPlayVariable& variable : playVariables()) names.emplace_back(variable.name);
    for (std::string_view object : kStateObjects)
        for (std::string_view property : kObjectProperties)
            names.push_back("Play." + std::string(object) + "." + std::string(property));
    for (std::string_view word : kStateWords) names.emplace_back(word);
    for (FormId form : kForms)
        names.push_back(std::string(formDefinition(form).layout.name) + ".State");
    return names;
}

// Resolved once. A resolved target may point into its name, so the names
// stay where they are for good.
const std::vector<std::pair<std::string_view, TargetName>>& stateTargets() {
    static const std::vector<std::string> names = stateTargetNames();
    static const auto targets = [] {
        std::vector<std::pair<std::string_view, TargetName>> resolved;
        std::string error;
        for (const std::string& name : names)
            if (auto target = TargetName::parse(name, error)) resolved.emplace_back(name, *target);
        return resolved;
    }();
    return targets;
}

}  // namespace

std::string checkExpectations(const Game& game, std::string_view words, std::string& error) {
    bool any = false;
    while (true) {
        const std::size_t start = words.find_first_not_of(kBlanks);
        if (start == std::string_view::npos) break;
        words.remove_prefix(start);
        const std::string_view word = words.substr(0, words.find_first_of(kBlanks));
        words.remove_prefix(word.size());
        any = true;
        const std::size_t equals = word.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            error = "expected TARGET=VALUE, not '" + std::string(word) + "'";
            return {};
        }
        const auto target = TargetName::parse(word.substr(0, equals), error);
        if (!target) return {};
        const std::string_view wanted = word.substr(equals + 1);
        const std::string got = valueText(game, *target);
        if (got != wanted) return "expected " + std::string(word) + ", got " + got;
    }
    if (!any) {
        error = "expect needs at least one TARGET=VALUE";
        return {};
    }
    return {};
}

std::string stateExpectation(const Game& game) {
    std::string line = "expect";
    for (const auto& [name, target] : stateTargets()) {
        const std::string value = valueText(game, target);
        // `expect` words are separated by blanks, so a value with a blank in
        // it could not be read back; none of these ever has one.
        if (value.find_first_of(kBlanks) != std::string::npos) continue;
        line.append(" ").append(name).append("=").append(value);
    }
    return line;
}

}  // namespace tt
