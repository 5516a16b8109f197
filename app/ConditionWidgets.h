#pragma once
// The condition widgets of the main window: the check box that switches a condition on, the edit that
// holds its text and the group box around a family. Every one is made here, so that the window takes the
// control library's editors by changing this file and its .cpp alone.
#include "platform/vcl/stdctrls/Buttons.h"
#include "platform/vcl/stdctrls/Edits.h"
#include "platform/vcl/stdctrls/GroupBoxes.h"

#include <string>

namespace zorvy {

using TConditionCheckBox = TCheckBox;
using TConditionEdit = TEdit;
using TConditionGroupBox = TGroupBox;

TConditionCheckBox* NewConditionCheckBox(TComponent* owner, TWinControl* parent, const std::string& name,
                                         const std::string& caption, const TRect& bounds);
// Disabled, empty and editable, as every condition edit starts.
TConditionEdit* NewConditionEdit(TComponent* owner, TWinControl* parent, const std::string& name,
                                 const TRect& bounds);
TConditionGroupBox* NewConditionGroupBox(TComponent* owner, TWinControl* parent, const std::string& name,
                                         const std::string& caption, const TRect& bounds);

} // namespace zorvy
