#include <array>

#include "shell/form.h"
#include "shell/form_definitions.h"

namespace tt {

const FormDefinition& formDefinition(FormId id) {
    static const std::array<const FormDefinition*, kFormCount> forms{
        &kMainForm, &kPlayForm, &kSpriteBankForm, &kSettingsForm, &kSayForm};
    return *forms[static_cast<std::size_t>(id)];
}

const FormDefinition* findForm(std::string_view name) {
    for (int i = 0; i < kFormCount; ++i) {
        const FormDefinition& form = formDefinition(static_cast<FormId>(i));
        if (form.layout.name == name) return &form;
    }
    return nullptr;
}

}  // namespace tt
