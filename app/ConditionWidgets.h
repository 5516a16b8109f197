#pragma once
// The condition widgets of the main window: the check box that switches a condition on, the edit that
// holds its text and the group box around a family. Every one is made here, so that the window takes the
// control library's editors by changing this file and its .cpp alone.
#include "controls/editors/buttons/ButtonEdit.h"
#include "controls/editors/checks/CheckBox.h"
#include "controls/editors/groupbox/GroupBox.h"

#include <string>

namespace zorvy {

using TConditionCheckBox = TcxCheckBox;
using TConditionEdit = TcxButtonEdit;
using TConditionGroupBox = TcxGroupBox;

TConditionCheckBox* NewConditionCheckBox(TComponent* owner, TWinControl* parent, const std::string& name,
                                         const std::string& caption, const TRect& bounds);
// Disabled, empty and editable, as every condition edit starts, with the completion items "0" to "8" and
// one ellipsis button, which opens the condition assistant through the properties' OnButtonClick.
TConditionEdit* NewConditionEdit(TComponent* owner, TWinControl* parent, const std::string& name,
                                 const TRect& bounds);
TConditionGroupBox* NewConditionGroupBox(TComponent* owner, TWinControl* parent, const std::string& name,
                                         const std::string& caption, const TRect& bounds);

} // namespace zorvy
