#pragma once

// What a window passes on to the game: the player's input, already
// translated into the game's terms.

#include <cstdint>
#include <string_view>

#include <QString>

#include "shell/layout.h"

namespace tt {

class FormInput {
public:
    virtual ~FormInput() = default;
    virtual bool takesInput(FormId form) const = 0;
    virtual void click(FormId form, std::string_view object) = 0;
    virtual void keyDown(FormId form, std::int16_t code) = 0;
    virtual void typeText(TextBoxRef box, const QString& text) = 0;
    virtual void scroll(ScrollBarRef bar, int value) = 0;
    virtual void closeBox(FormId form) = 0;
};

}  // namespace tt
