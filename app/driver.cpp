#include "app/driver.h"

#include <array>

#include "app/numbers.h"
#include "app/values.h"

namespace tt {
namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Splits off the first word; `rest` starts after the one blank that ends it.
std::string_view firstWord(std::string_view text, std::string_view& rest) {
    const std::size_t end = text.find_first_of(kBlanks);
    if (end == std::string_view::npos) {
        rest = {};
        return text;
    }
    rest = text.substr(end + 1);
    return text.substr(0, end);
}

const FormDefinition* formNamed(std::string_view name, std::string& error) {
    const FormDefinition* form = findForm(name);
    if (!form) error = "unknown form '" + std::string(name) + "'";
    return form;
}

// FORM.OBJECT, where OBJECT is any object or menu item of the form.
struct ObjectName {
    const FormDefinition* form = nullptr;
    const ObjectSpec* object = nullptr;  // null for a menu item
    std::string_view name;
};

std::optional<ObjectName> objectNamed(std::string_view text, std::string& error) {
    const std::size_t dot = text.find('.');
    if (dot == std::string_view::npos) {
        error = "expected FORM.OBJECT, not '" + std::string(text) + "'";
        return std::nullopt;
    }
    const FormDefinition* form = formNamed(text.substr(0, dot), error);
    if (!form) return std::nullopt;
    const std::string_view name = text.substr(dot + 1);
    if (const ObjectSpec* object = findObject(form->layout, name))
        return ObjectName{form, object, object->name};
    if (const MenuSpec* menu = findMenu(form->layout, name)) return ObjectName{form, nullptr, menu->name};
    error = "form " + std::string(form->layout.name) + " has no object '" + std::string(name) + "'";
    return std::nullopt;
}

template <ObjectKind Kind>
std::optional<ObjectRef<Kind>> refNamed(std::string_view text, std::string_view kindName,
                                        std::string& error) {
    const auto named = objectNamed(text, error);
    if (!named) return std::nullopt;
    if (!named->object || named->object->kind != Kind) {
        error = std::string(text) + " is not a " + std::string(kindName);
        return std::nullopt;
    }
    const FormLayout& layout = named->form->layout;
    return ObjectRef<Kind>{layout.id, kindIndex(layout.objects, *named->object)};
}

bool noMoreWords(std::string_view rest, std::string_view usage, std::string& error) {
    if (trimmed(rest).empty()) return true;
    error = "too many words; usage: " + std::string(usage);
    return false;
}

// What a command works on.
struct Session {
    Game& game;
    std::ostream& out;
    const Driver::Screenshot& screenshot;
};

// Each command takes the rest of its line and returns an error message,
// empty when the line was good.
using Command = std::string (*)(Session&, std::string_view rest);

std::string tick(Session& session, std::string_view rest) {
    const std::string_view count = trimmed(rest);
    long long ticks = 1;
    if (!count.empty()) {
        std::string error;
        const auto parsed = parseNumber<long long>(count, error, 0, 1'000'000'000);
        if (!parsed) return error;
        ticks = *parsed;
    }
    for (long long i = 0; i < ticks && !session.game.ended(); ++i) session.game.tick();
    return {};
}

// click FORM X Y: a click at a pixel of the form's client area.
std::string clickAt(Session& session, std::string_view formName, std::string_view rest) {
    std::string error;
    std::string_view after;
    const std::string_view xText = firstWord(trimmed(rest), after);
    const std::string_view yText = firstWord(trimmed(after), after);
    if (!noMoreWords(after, "click FORM X Y", error)) return error;
    const FormDefinition* form = formNamed(formName, error);
    if (!form) return error;
    const auto x = parseNumber<int>(xText, error);
    if (!x) return error;
    const auto y = parseNumber<int>(yText, error);
    if (!y) return error;
    session.game.clickAt(form->layout.id, *x, *y);
    return {};
}

std::string click(Session& session, std::string_view rest) {
    std::string error;
    std::string_view after;
    const std::string_view word = firstWord(trimmed(rest), after);
    if (word.find('.') == std::string_view::npos && !trimmed(after).empty())
        return clickAt(session, word, after);
    if (!noMoreWords(after, "click FORM.OBJECT", error)) return error;
    const auto named = objectNamed(word, error);
    if (!named) return error;
    session.game.click(named->form->layout.id, named->name);
    return {};
}

std::string key(Session& session, std::string_view rest) {
    std::string error;
    std::string_view after;
    const std::string_view formName = firstWord(trimmed(rest), after);
    const std::string_view codeText = firstWord(trimmed(after), after);
    if (!noMoreWords(after, "key FORM CODE", error)) return error;
    const FormDefinition* form = formNamed(formName, error);
    if (!form) return error;
    const auto code = parseNumber<long long>(codeText, error, 0, 255);
    if (!code) return error;
    session.game.keyDown(form->layout.id, static_cast<std::int16_t>(*code));
    return {};
}

std::string type(Session& session, std::string_view rest) {
    std::string error;
    std::string_view after;
    const std::string_view word = firstWord(rest, after);
    const auto box = refNamed<ObjectKind::TextBox>(word, "text box", error);
    if (!box) return error;
    session.game.typeText(*box, after);
    return {};
}

std::string scroll(Session& session, std::string_view rest) {
    std::string error;
    std::string_view after;
    const std::string_view word = firstWord(trimmed(rest), after);
    const std::string_view valueText = firstWord(trimmed(after), after);
    if (!noMoreWords(after, "scroll FORM.OBJECT VALUE", error)) return error;
    const auto bar = refNamed<ObjectKind::HScrollBar>(word, "scroll bar", error);
    if (!bar) return error;
    // Any whole number: the bar holds it to its range, as a player's drag.
    const auto value = parseNumber<int>(valueText, error);
    if (!value) return error;
    session.game.scroll(*bar, *value);
    return {};
}

std::string close(Session& session, std::string_view rest) {
    std::string error;
    std::string_view after;
    const std::string_view formName = firstWord(trimmed(rest), after);
    if (!noMoreWords(after, "close FORM", error)) return error;
    const FormDefinition* form = formNamed(formName, error);
    if (!form) return error;
    session.game.closeBox(form->layout.id);
    return {};
}

std::string set(Session& session, std::string_view rest) {
    std::string error;
    std::string_view after;
    const std::string_view word = firstWord(rest, after);
    const auto target = TargetName::parse(word, error);
    if (!target) return error;
    if (after.data() == nullptr) return "set needs a value: set TARGET VALUE";
    return target->write(session.game, after);
}

std::string print(Session& session, std::string_view rest) {
    std::string_view words = trimmed(rest);
    if (words.empty()) return "print needs at least one TARGET";
    // Every target is checked before anything is printed, so a bad line
    // prints nothing.
    std::string lines;
    while (!words.empty()) {
        std::string_view after;
        const std::string_view word = firstWord(words, after);
        words = trimmed(after);
        std::string error;
        const auto target = TargetName::parse(word, error);
        if (!target) return error;
        const auto value = target->read(session.game);
        lines.append(word).append("=").append(value ? formatValue(*value) : "<unloaded>");
        lines.push_back('\n');
    }
    session.out << lines;
    return {};
}

std::string screenshot(Session& session, std::string_view rest) {
    std::string error;
    std::string_view after;
    const std::string_view formName = firstWord(trimmed(rest), after);
    const std::string_view file = trimmed(after);
    const FormDefinition* form = formNamed(formName, error);
    if (!form) return error;
    if (file.empty()) return "screenshot needs a FILE";
    if (!session.screenshot) return "screenshots are not available in this build";
    return session.screenshot(session.game, form->layout.id, std::string(file));
}

struct NamedCommand {
    std::string_view name;
    Command run;
};

constexpr std::array<NamedCommand, 9> kCommands{{
    {"tick", tick},
    {"click", click},
    {"key", key},
    {"type", type},
    {"scroll", scroll},
    {"close", close},
    {"set", set},
    {"print", print},
    {"screenshot", screenshot},
}};

}  // namespace

Driver::Driver(Game& game, std::ostream& out, std::ostream& err, std::string scriptName,
               Screenshot screenshot)
    : game_(game), out_(out), err_(err), scriptName_(std::move(scriptName)),
      screenshot_(std::move(screenshot)) {}

int Driver::run(std::istream& script) {
    std::string line;
    for (int number = 1; !game_.ended() && std::getline(script, line); ++number) {
        if (!runLine(line, number)) return 2;
    }
    if (game_.ended()) out_ << "ended\n";
    out_.flush();
    return 0;
}

bool Driver::runLine(std::string_view line, int lineNumber) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view content = trimmed(line);
    if (content.empty() || content.front() == '#') return true;
    std::string_view rest;
    const std::string_view command = firstWord(line.substr(line.find_first_not_of(kBlanks)), rest);
    const std::string error = execute(command, rest);
    if (error.empty()) return true;
    err_ << scriptName_ << ':' << lineNumber << ": " << error << '\n';
    return false;
}

std::string Driver::execute(std::string_view command, std::string_view rest) {
    for (const NamedCommand& entry : kCommands) {
        if (entry.name != command) continue;
        Session session{game_, out_, screenshot_};
        return entry.run(session, rest);
    }
    return "unknown command '" + std::string(command) + "'";
}

}  // namespace tt
