#pragma once

#include "shell/form.h"

// Each form's layout and handlers, defined beside the form's handlers.
namespace tt {
extern const FormDefinition kMainForm;
extern const FormDefinition kPlayForm;
extern const FormDefinition kSpriteBankForm;
extern const FormDefinition kSettingsForm;
extern const FormDefinition kSayForm;
}  // namespace tt
