#include "shell/game.h"

#include <algorithm>

namespace tt {
namespace {

// Timers due at the same clock tick run in this order of forms, each form's
// in the order of its layout, so every run of a script is the same. The play
// field comes first because its handlers set the pose word and the places
// that the sprite bank's tick then turns into the hero's picture, all in the
// same tick; the settings window's caption follows the speed bar after both.
constexpr std::array<FormId, kFormCount> kTimerOrder{FormId::Play, FormId::GX, FormId::Settings,
                                                     FormId::Main, FormId::Say};

}  // namespace

Game::Game(const PictureLibrary& pictures, int clockPeriodMs)
    : pictures_(pictures), clockPeriodMs_(clockPeriodMs) {
    modal_.reserve(4);
}

void Game::start() { show(FormId::Main); }

FormObjects& Game::objects(FormId id) {
    if (!forms_[index(id)]) load(id);
    return *forms_[index(id)];
}

const FormObjects* Game::loaded(FormId id) const {
    const auto& form = forms_[index(id)];
    return form ? &*form : nullptr;
}

FormObjects* Game::loaded(FormId id) {
    auto& form = forms_[index(id)];
    return form ? &*form : nullptr;
}

void Game::load(FormId id) {
    const FormDefinition& definition = formDefinition(id);
    forms_[index(id)].emplace(definition, pictures_, now_);
    states_[index(id)] = FormState::Hidden;
    if (definition.behaviour.load) definition.behaviour.load(*this);
}

void Game::show(FormId id) {
    if (ended_) return;
    objects(id);
    states_[index(id)] = FormState::Shown;
}

void Game::showModal(FormId id, Continuation then) {
    if (ended_) return;
    show(id);
    modal_.push_back({id, then});
}

void Game::hide(FormId id) {
    if (states_[index(id)] != FormState::Shown) return;
    states_[index(id)] = FormState::Hidden;
    finishModal(id);
}

void Game::unload(FormId id) {
    if (!forms_[index(id)]) return;
    forms_[index(id)].reset();
    states_[index(id)] = FormState::Unloaded;
    finishModal(id);
    const bool anyLoaded = std::any_of(forms_.begin(), forms_.end(),
                                       [](const auto& form) { return form.has_value(); });
    if (!anyLoaded) end();
}

void Game::finishModal(FormId id) {
    const auto show = std::find_if(modal_.begin(), modal_.end(),
                                   [id](const ModalShow& entry) { return entry.form == id; });
    if (show == modal_.end()) return;
    const Continuation then = show->then;
    modal_.erase(show, modal_.end());
    if (then && !ended_) then(*this);
}

void Game::end() {
    ended_ = true;
    modal_.clear();
    for (auto& form : forms_) form.reset();
    states_.fill(FormState::Unloaded);
}

Twips Game::outerWidth(FormId id) const {
    return formDefinition(id).layout.clientWidth + kFrameWidth;
}

void Game::tick() { tickAt(now_ + Micros{clockPeriodMs_} * 1000); }

void Game::tickAt(Micros time) {
    if (ended_) return;
    now_ = std::max(now_, time);
    runDueTimers();
}

void Game::runDueTimers() {
    for (FormId id : kTimerOrder) {
        for (std::size_t i = 0;; ++i) {
            FormObjects* form = loaded(id);
            if (ended_ || !form || i >= form->timers.size()) break;
            Timer& timer = form->timers[i];
            if (timer.due(now_)) timer.fire(*this);
        }
    }
}

std::optional<FormId> Game::modalForm() const {
    if (modal_.empty()) return std::nullopt;
    return modal_.back().form;
}

bool Game::takesInput(FormId id) const {
    if (ended_ || state(id) != FormState::Shown) return false;
    if (modal_.empty() || modal_.back().form == id) return true;
    return formDefinition(id).behaviour.takesInputThroughModal;
}

bool Game::click(FormId id, std::string_view object) {
    if (!takesInput(id)) return false;
    if (const auto target = findClickable(formDefinition(id).layout, object))
        if (const Handler handler = clickHandler(*target)) handler(*this);
    return true;
}

bool Game::clickAt(FormId id, int x, int y) {
    if (!takesInput(id)) return false;
    if (const auto image = clickableImageAt(id, x, y)) clickHandler(*image)(*this);
    return true;
}

std::optional<ImageRef> Game::clickableImageAt(FormId id, int x, int y) const {
    const FormObjects* objects = loaded(id);
    if (!objects) return std::nullopt;
    // The first image of the layout is the top of the z-order.
    for (std::uint16_t i = 0; i < objects->images.size(); ++i) {
        const Image& image = objects->images[i];
        const ImageRef ref{id, i};
        if (!image.visible || !clickHandler(ref)) continue;
        const bool across = x >= toPixels(image.left) && x < toPixels(image.left + image.width());
        const bool down = y >= toPixels(image.top) && y < toPixels(image.top + image.height());
        if (across && down) return ref;
    }
    return std::nullopt;
}

bool Game::keyDown(FormId id, std::int16_t code) {
    if (!takesInput(id)) return false;
    if (const KeyHandler handler = formDefinition(id).behaviour.keyDown) handler(*this, code);
    return true;
}

bool Game::typeText(TextBoxRef box, std::string_view text) {
    if (!takesInput(box.form)) return false;
    (*this)[box].text = text;
    return true;
}

bool Game::scroll(ScrollBarRef bar, int value) {
    if (!takesInput(bar.form)) return false;
    (*this)[bar].moveTo(value);
    return true;
}

bool Game::closeBox(FormId id) {
    if (!takesInput(id)) return false;
    if (formDefinition(id).behaviour.closeBox == CloseBox::EndProgram)
        end();
    else
        unload(id);
    return true;
}

}  // namespace tt
