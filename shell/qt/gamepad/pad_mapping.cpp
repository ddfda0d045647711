#include "shell/qt/gamepad/pad_mapping.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "dialogs/settings_layout.h"
#include "shell/characters.h"
#include "shell/start_layout.h"

namespace tt {
namespace {

// The play field's keys: the arrows, Z to jump, Space to pull and throw.
constexpr std::array<std::pair<PadControl, std::int16_t>, 7> kPlayKeys{{
    {PadControl::Left, 37},
    {PadControl::Up, 38},
    {PadControl::Right, 39},
    {PadControl::Down, 40},
    {PadControl::South, 90},
    {PadControl::West, 32},
    {PadControl::East, 32},
}};

std::optional<std::int16_t> playKey(PadControl control) {
    for (const auto& [pressed, code] : kPlayKeys)
        if (pressed == control) return code;
    return std::nullopt;
}

// -1 for left, +1 for right, 0 for anything else.
int sideways(PadControl control) {
    if (control == PadControl::Left) return -1;
    if (control == PadControl::Right) return 1;
    return 0;
}

}  // namespace

void PadMapping::press(PadControl control) {
    switch (game_.modalForm().value_or(FormId::Main)) {
    case FormId::Play: onPlayField(control); break;
    case FormId::Settings: onSettings(control); break;
    case FormId::Main: onStartScreen(control); break;
    default: break;
    }
}

void PadMapping::onPlayField(PadControl control) {
    if (const auto code = playKey(control)) {
        input_.keyDown(FormId::Play, *code);
    } else if (control == PadControl::Back) {
        input_.click(FormId::Play, "mnuSettings");
    } else if (control == PadControl::Start && start_) {
        start_();
    }
}

// Left and right move the speed bar a step, as its arrows do; the bar's end
// is a move to nowhere, so nothing is passed on there.
void PadMapping::onSettings(PadControl control) {
    if (control == PadControl::South) {
        input_.click(FormId::Settings, "cmdOK");
        return;
    }
    const int step = sideways(control);
    const FormObjects* settings = game_.loaded(FormId::Settings);
    if (step == 0 || !settings) return;
    const HScrollBar& bar = settings->scrollBars[settings::SpeedBar.index];
    const int value = std::clamp(bar.value + step, int{bar.minimum}, int{bar.maximum});
    if (value != bar.value) input_.scroll(settings::SpeedBar, value);
}

// Left and right click the picture beside the chosen character's, stopping
// at the row's ends; the south button presses GO!.
void PadMapping::onStartScreen(PadControl control) {
    if (control == PadControl::South) {
        input_.click(FormId::Main, "Command1");
        return;
    }
    const int step = sideways(control);
    const FormObjects* start = game_.loaded(FormId::Main);
    if (step == 0 || !start) return;
    const std::string& chosen = start->labels[start::Character.index].caption;
    const auto found = std::ranges::find(kCharacters, chosen, &Character::caption);
    // A caption that names no character is not on the row: start it at
    // its first picture.
    const int at = found == kCharacters.end() ? -step : static_cast<int>(found - kCharacters.begin());
    const int next = at + step;
    if (next < 0 || next >= static_cast<int>(kCharacters.size())) return;
    input_.click(FormId::Main, kCharacters[static_cast<std::size_t>(next)].portrait);
}

}  // namespace tt
