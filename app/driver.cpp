#include "app/driver.h"

#include <charconv>
#include <limits>

#include "app/expectations.h"
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

std::optional<long long> parseCount(std::string_view text, long long highest, std::string& error) {
    long long number = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || result.ec != std::errc{} || result.ptr != text.data() + text.size()) {
        error = "bad number '" + std::string(text) + "'";
        return std::nullopt;
    }
    if (number < 0 || number > highest) {
        error = "number " + std::string(text) + " is outside 0.." + std::to_string(highest);
        return std::nullopt;
    }
    return number;
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
    std::uint16_t index = 0;
    for (const ObjectSpec& spec : named->form->layout.objects) {
        if (&spec == named->object) break;
        if (spec.kind == Kind) ++index;
    }
    return ObjectRef<Kind>{named->form->layout.id, index};
}

bool noMoreWords(std::string_view rest, std::string_view usage, std::string& error) {
    if (trimmed(rest).empty()) return true;
    error = "too many words; usage: " + std::string(usage);
    return false;
}

}  // namespace

Driver::Driver(Game& game, std::ostream& out, std::ostream& err, std::string scriptName,
               Screenshot screenshot)
    : game_(game), out_(out), err_(err), scriptName_(std::move(scriptName)),
      screenshot_(std::move(screenshot)) {}

int Driver::run(std::istream& script) {
    std::string line;
    for (int number = 1; !game_.ended() && std::getline(script, line); ++number) {
        if (!runLine(line, number)) return failedStatus_;
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
    std::string error;
    std::string_view after;
    if (command == "tick") {
        const std::string_view count = trimmed(rest);
        long long ticks = 1;
        if (!count.empty()) {
            const auto parsed = parseCount(count, 1'000'000'000, error);
            if (!parsed) return error;
            ticks = *parsed;
        }
        ticked_ = true;
        for (long long i = 0; i < ticks && !game_.ended(); ++i) game_.tick();
        return {};
    }
    if (command == "clock") {
        if (ticked_) return "clock comes before the first tick";
        const std::string_view text = trimmed(rest);
        const auto period = parseCount(text, 20, error);
        if (!period || *period < 1) return "the clock period is 1 to 20 ms, not '" + std::string(text) + "'";
        game_.setClockPeriodMs(static_cast<int>(*period));
        return {};
    }
    if (command == "expect") {
        std::string mismatch = checkExpectations(game_, rest, error);
        if (!error.empty()) return error;
        if (!mismatch.empty()) failedStatus_ = 1;
        return mismatch;
    }
    if (command == "click") {
        const std::string_view word = firstWord(trimmed(rest), after);
        if (!noMoreWords(after, "click FORM.OBJECT", error)) return error;
        const auto named = objectNamed(word, error);
        if (!named) return error;
        game_.click(named->form->layout.id, named->name);
        return {};
    }
    if (command == "key") {
        const std::string_view formName = firstWord(trimmed(rest), after);
        const std::string_view codeText = firstWord(trimmed(after), after);
        if (!noMoreWords(after, "key FORM CODE", error)) return error;
        const FormDefinition* form = formNamed(formName, error);
        if (!form) return error;
        const auto code = parseCount(codeText, 255, error);
        if (!code) return error;
        game_.keyDown(form->layout.id, static_cast<std::int16_t>(*code));
        return {};
    }
    if (command == "type") {
        const std::string_view word = firstWord(rest, after);
        const auto box = refNamed<ObjectKind::TextBox>(word, "text box", error);
        if (!box) return error;
        game_.typeText(*box, after);
        return {};
    }
    if (command == "scroll") {
        const std::string_view word = firstWord(trimmed(rest), after);
        const std::string_view valueText = firstWord(trimmed(after), after);
        if (!noMoreWords(after, "scroll FORM.OBJECT VALUE", error)) return error;
        const auto bar = refNamed<ObjectKind::HScrollBar>(word, "scroll bar", error);
        if (!bar) return error;
        int value = 0;
        const auto result =
            std::from_chars(valueText.data(), valueText.data() + valueText.size(), value);
        if (valueText.empty() || result.ec != std::errc{} ||
            result.ptr != valueText.data() + valueText.size())
            return "bad number '" + std::string(valueText) + "'";
        game_.scroll(*bar, value);
        return {};
    }
    if (command == "close") {
        const std::string_view formName = firstWord(trimmed(rest), after);
        if (!noMoreWords(after, "close FORM", error)) return error;
        const FormDefinition* form = formNamed(formName, error);
        if (!form) return error;
        game_.closeBox(form->layout.id);
        return {};
    }
    if (command == "set") {
        const std::string_view word = firstWord(rest, after);
        const auto target = TargetName::parse(word, error);
        if (!target) return error;
        if (after.data() == nullptr) return "set needs a value: set TARGET VALUE";
        return target->write(game_, after);
    }
    if (command == "print") {
        std::string_view words = trimmed(rest);
        if (words.empty()) return "print needs at least one TARGET";
        std::string lines;
        while (!words.empty()) {
            const std::string_view word = firstWord(words, after);
            words = trimmed(after);
            const auto target = TargetName::parse(word, error);
            if (!target) return error;
            const auto value = target->read(game_);
            lines.append(word).append("=").append(value ? formatValue(*value) : "<unloaded>");
            lines.push_back('\n');
        }
        out_ << lines;
        return {};
    }
    if (command == "screenshot") {
        const std::string_view formName = firstWord(trimmed(rest), after);
        const std::string_view file = trimmed(after);
        const FormDefinition* form = formNamed(formName, error);
        if (!form) return error;
        if (file.empty()) return "screenshot needs a FILE";
        if (!screenshot_) return "screenshots are not available in this build";
        return screenshot_(game_, form->layout.id, std::string(file));
    }
    return "unknown command '" + std::string(command) + "'";
}

}  // namespace tt
