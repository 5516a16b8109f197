// The check form page from the platform's own check boxes, edits and group boxes: the baseline.
#include "CheckFormPageTemplate.h"
#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/stdctrls/GroupBoxes.h"

namespace zorvy {

std::unique_ptr<TCheckFormPage> NewPlatformCheckFormPage() {
    return std::make_unique<detail::TPage<TCheckBox, TEdit, TGroupBox>>();
}

} // namespace zorvy
