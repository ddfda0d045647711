#include "shell/qt/key_codes.h"

#include <array>
#include <utility>

namespace tt {
namespace {

constexpr std::array<std::pair<int, std::int16_t>, 27> kNamedKeys{{
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},      {Qt::Key_Backtab, 9},
    {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},   {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},     {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},  {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
    {Qt::Key_Home, 36},     {Qt::Key_Left, 37},    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},    {Qt::Key_Down, 40},    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},   {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145},
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
}};

}  // namespace

std::optional<std::int16_t> virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<std::int16_t>((keypad ? 96 : 48) + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return static_cast<std::int16_t>(65 + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<std::int16_t>(112 + (qtKey - Qt::Key_F1));
    // Plus and minus are only the keypad's keys when they come from the keypad.
    if ((qtKey == Qt::Key_Plus || qtKey == Qt::Key_Minus || qtKey == Qt::Key_Asterisk) && !keypad)
        return std::nullopt;
    for (const auto& [key, code] : kNamedKeys)
        if (key == qtKey) return code;
    return std::nullopt;
}

}  // namespace tt
