#include "shell/scene_objects.h"

#include <algorithm>

namespace tt {

Image::Image(const ObjectSpec& spec, const Picture* picture)
    : name(spec.name), left(spec.left), top(spec.top), visible(spec.visible),
      width_(spec.width), height_(spec.height) {
    setPicture(picture);
}

void Image::setPicture(const Picture* picture) {
    picture_ = picture;
    if (!picture) return;
    width_ = static_cast<Twips>(picture->width * kTwipsPerPixel);
    height_ = static_cast<Twips>(picture->height * kTwipsPerPixel);
}

Label::Label(const ObjectSpec& spec)
    : Placement(spec), caption(spec.content), font(spec.font), colour(spec.colour),
      opaqueBackground(spec.opaqueBackground) {}

CommandButton::CommandButton(const ObjectSpec& spec)
    : Placement(spec), caption(spec.content), font(spec.font) {}

TextBox::TextBox(const ObjectSpec& spec) : Placement(spec), text(spec.content) {}

HScrollBar::HScrollBar(const ObjectSpec& spec)
    : Placement(spec), minimum(spec.minimum), maximum(spec.maximum), value(spec.value) {}

void HScrollBar::moveTo(int requested) {
    value = static_cast<std::int16_t>(std::clamp<int>(requested, minimum, maximum));
}

Timer::Timer(const TimerSpec& spec, Handler handler, const Micros& clock)
    : name_(spec.name), handler_(handler), clock_(&clock), enabled_(spec.enabled),
      interval_(spec.interval), periodStart_(clock) {}

void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_) periodStart_ = *clock_;
}

void Timer::setInterval(int interval) {
    interval = std::clamp(interval, 0, 65535);
    if (interval == interval_) return;
    interval_ = interval;
    if (enabled_) periodStart_ = *clock_;
}

void Timer::fire(Game& game) {
    periodStart_ = *clock_;
    if (handler_) handler_(game);
}

}  // namespace tt
