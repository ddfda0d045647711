#pragma once

// The play field's objects for the handlers that run on every clock tick:
// looked up once per tick instead of once per object. A play-field handler
// only runs while the field is loaded, and a loaded form never adds or
// drops objects, so the references hold for the whole tick.

#include <cassert>

#include "shell/form.h"
#include "shell/game.h"

namespace tt {

class PlayField {
public:
    explicit PlayField(Game& game) : objects_(game.objects(FormId::Play)) {}

    Image& operator[](ImageRef ref) const {
        assert(ref.form == FormId::Play);
        return objects_.images[ref.index];
    }
    Label& operator[](LabelRef ref) const {
        assert(ref.form == FormId::Play);
        return objects_.labels[ref.index];
    }
    Timer& operator[](TimerRef ref) const {
        assert(ref.form == FormId::Play);
        return objects_.timers[ref.index];
    }

private:
    FormObjects& objects_;
};

}  // namespace tt
