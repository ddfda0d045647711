#pragma once

// The objects a form holds at run time. Handlers read and write their fields
// directly; the few properties with side effects (an image's picture, a
// timer's Enabled and Interval) go through member functions.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shell/layout.h"
#include "shell/picture.h"
#include "shell/units.h"

namespace tt {

class Game;
using Handler = void (*)(Game&);

struct Image {
    explicit Image(const ObjectSpec& spec, const Picture* picture);

    std::string_view name;
    Twips left;
    Twips top;
    bool visible;

    Twips width() const { return width_; }
    Twips height() const { return height_; }
    const Picture* picture() const { return picture_; }
    // Showing a picture resizes the image to it; Left and Top stay, so the
    // picture grows to the right and downwards. Without a picture the image
    // keeps its size and draws nothing.
    void setPicture(const Picture* picture);

private:
    Twips width_;
    Twips height_;
    const Picture* picture_ = nullptr;
};

// Where a label or a control stands on its form.
struct Placement {
    explicit Placement(const ObjectSpec& spec)
        : name(spec.name), left(spec.left), top(spec.top), width(spec.width),
          height(spec.height), visible(spec.visible) {}

    std::string_view name;
    Twips left;
    Twips top;
    Twips width;
    Twips height;
    bool visible;
};

struct Label : Placement {
    explicit Label(const ObjectSpec& spec);

    std::string caption;
    FontSpec font;
    std::optional<Rgb> colour;
    bool opaqueBackground;
};

struct CommandButton : Placement {
    explicit CommandButton(const ObjectSpec& spec);

    bool enabled = true;
    std::string caption;
    FontSpec font;
};

struct TextBox : Placement {
    explicit TextBox(const ObjectSpec& spec);

    std::string text;
};

struct HScrollBar : Placement {
    explicit HScrollBar(const ObjectSpec& spec);

    std::int16_t minimum;
    std::int16_t maximum;
    std::int16_t value;

    // The player can only move the bar within its range.
    void moveTo(int requested);
};

// A periodic tick source. Its period starts anew when it is enabled or its
// interval changes while it runs; assigning the value it already has changes
// nothing, so a handler may assign the same interval on every tick.
class Timer {
public:
    Timer(const TimerSpec& spec, Handler handler, const Micros& clock);

    std::string_view name() const { return name_; }
    bool enabled() const { return enabled_; }
    int interval() const { return interval_; }
    void setEnabled(bool enabled);
    void setInterval(int interval);

    // Due when running with a non-zero interval whose period has lasted at
    // least that long. Ticks never pile up: one tick restarts the period.
    bool due(Micros now) const {
        return enabled_ && interval_ > 0 && now - periodStart_ >= Micros{interval_} * 1000;
    }
    void fire(Game& game);

private:
    std::string_view name_;
    Handler handler_;
    const Micros* clock_;
    bool enabled_;
    int interval_;
    Micros periodStart_;
};

}  // namespace tt
