#include "shell/form.h"

namespace tt {
namespace {

Handler tickHandler(const FormBehaviour& behaviour, std::uint16_t timer) {
    for (const TimerHandler& entry : behaviour.ticks)
        if (entry.timer.index == timer) return entry.tick;
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
    const std::span<const TimerSpec> specs = definition.layout.timers;
    timers.reserve(specs.size());
    for (std::uint16_t i = 0; i < specs.size(); ++i)
        timers.emplace_back(specs[i], tickHandler(definition.behaviour, i), clock);
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

std::optional<ClickRef> findClickable(const FormLayout& layout, std::string_view name) {
    if (const ObjectSpec* spec = findObject(layout, name)) {
        const std::uint16_t index = kindIndex(layout.objects, *spec);
        if (spec->kind == ObjectKind::Image) return ImageRef{layout.id, index};
        if (spec->kind == ObjectKind::CommandButton) return ButtonRef{layout.id, index};
        return std::nullopt;
    }
    if (const MenuSpec* menu = findMenu(layout, name))
        return MenuRef{layout.id, static_cast<std::uint16_t>(menu - layout.menus.data())};
    return std::nullopt;
}

Handler clickHandler(ClickRef target) {
    for (const ClickHandler& entry : formDefinition(target.form).behaviour.clicks)
        if (entry.target == target) return entry.click;
    return nullptr;
}

}  // namespace tt
