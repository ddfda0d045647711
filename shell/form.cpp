#include "shell/form.h"

namespace tt {
namespace {

Handler tickHandler(const FormBehaviour& behaviour, std::string_view timer) {
    for (const TimerHandler& entry : behaviour.ticks)
        if (entry.timer == timer) return entry.tick;
    return nullptr;
}

}  // namespace

FormObjects::FormObjects(const FormDefinition& definition, const PictureLibrary& pictures,
                         const Micros& clock) {
    for (const ObjectSpec& spec : definition.layout.objects) {
        switch (spec.kind) {
        case ObjectKind::Image:
            images.emplace_back(spec, spec.content.empty() ? nullptr : pictures.find(spec.content));
            break;
        case ObjectKind::Label: labels.emplace_back(spec); break;
        case ObjectKind::CommandButton: buttons.emplace_back(spec); break;
        case ObjectKind::TextBox: textBoxes.emplace_back(spec); break;
        case ObjectKind::HScrollBar: scrollBars.emplace_back(spec); break;
        }
    }
    timers.reserve(definition.layout.timers.size());
    for (const TimerSpec& spec : definition.layout.timers)
        timers.emplace_back(spec, tickHandler(definition.behaviour, spec.name), clock);
}

std::vector<std::uint16_t> kindIndices(std::span<const ObjectSpec> objects) {
    std::vector<std::uint16_t> indices;
    indices.reserve(objects.size());
    for (const ObjectSpec& spec : objects) indices.push_back(kindIndex(objects, spec));
    return indices;
}

const ObjectSpec* findObject(const FormLayout& layout, std::string_view name) {
    for (const ObjectSpec& spec : layout.objects)
        if (spec.name == name) return &spec;
    return nullptr;
}

const MenuSpec* findMenu(const FormLayout& layout, std::string_view name) {
    for (const MenuSpec& spec : layout.menus)
        if (spec.name == name) return &spec;
    return nullptr;
}

}  // namespace tt
