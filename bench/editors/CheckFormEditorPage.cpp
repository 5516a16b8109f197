// The check form page from the control library's check boxes, button edits and group boxes.
#include "CheckFormPageTemplate.h"
#include "controls/editors/buttons/ButtonEdit.h"
#include "controls/editors/checks/CheckBox.h"
#include "controls/editors/groupbox/GroupBox.h"

namespace zorvy {

TCheckFormPage::~TCheckFormPage() {
    delete Form;
}

int CheckFormGroupRows(int group, int pairsSoFar) {
    return (CheckFormPairs - pairsSoFar) / (CheckFormGroups - group);
}

std::unique_ptr<TCheckFormPage> NewEditorCheckFormPage() {
    return std::make_unique<detail::TPage<TcxCheckBox, TcxButtonEdit, TcxGroupBox>>();
}

} // namespace zorvy
