#include "shell/qt/player_input.h"

#include "shell/form.h"

namespace tt {
namespace {

std::string formName(FormId form) { return std::string(formDefinition(form).layout.name); }

// FORM.OBJECT for the index-th object of a kind, as the driver names it.
std::string objectName(FormId form, ObjectKind kind, std::uint16_t index) {
    for (const ObjectSpec& spec : formDefinition(form).layout.objects)
        if (spec.kind == kind && index-- == 0) return formName(form) + "." + std::string(spec.name);
    return formName(form) + ".?";
}

// A driver line ends at its line break, so a line break pasted into a text
// box is recorded as a blank.
std::string oneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    return line;
}

}  // namespace

template <typename Apply, typename Line>
bool PlayerInput::pass(Apply apply, Line line) {
    if (log_) log_->beforeInput();
    if (!apply()) return false;
    if (log_) log_->inputTaken(line());
    return true;
}

bool PlayerInput::click(FormId form, std::string_view object) {
    if (heldBack_) return false;
    return pass([&] { return game_.click(form, object); },
                [&] { return "click " + formName(form) + "." + std::string(object); });
}

bool PlayerInput::keyDown(FormId form, std::int16_t code) {
    if (heldBack_ || paused_) return false;
    return pass([&] { return game_.keyDown(form, code); },
                [&] { return "key " + formName(form) + " " + std::to_string(code); });
}

bool PlayerInput::typeText(TextBoxRef box, std::string_view text) {
    if (heldBack_) return false;
    return pass([&] { return game_.typeText(box, text); }, [&] {
        return "type " + objectName(box.form, ObjectKind::TextBox, box.index) + " " +
               oneLine(text);
    });
}

bool PlayerInput::scroll(ScrollBarRef bar, int value) {
    if (heldBack_) return false;
    return pass([&] { return game_.scroll(bar, value); }, [&] {
        return "scroll " + objectName(bar.form, ObjectKind::HScrollBar, bar.index) + " " +
               std::to_string(value);
    });
}

bool PlayerInput::closeBox(FormId form) {
    return pass([&] { return game_.closeBox(form); }, [&] { return "close " + formName(form); });
}

}  // namespace tt
