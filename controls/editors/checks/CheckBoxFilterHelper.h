#pragma once
// How a filter value for a check-box column is typed: a fixed combo list of the two display texts,
// the checked one first; choosing neither gives Null.
#include "controls/editors/popup/ComboBox.h"

namespace zorvy {

class TcxFilterCheckBoxHelper : public TcxFilterComboBoxHelper {
    ZORVY_CLASS(TcxFilterCheckBoxHelper, TcxFilterComboBoxHelper)
  public:
    // Not the combo box's preparation: the list holds DisplayChecked and DisplayUnchecked only.
    void PrepareFilterProperties(TcxCustomEditProperties* properties, TcxCustomEditProperties* source,
                                 bool keepButtons) const override;
    // Equals, does not equal, is blank, is not blank.
    TcxFilterControlOperators GetAllowedOperators(TcxCustomEditProperties* properties,
                                                  TcxValueTypeClass valueType, bool extended) const override;
    void GetFilterValueText(TcxCustomEdit* editor, TcxCustomEditProperties* properties, std::string& text,
                            Variant& value) const override;
    void PutFilterValue(TcxCustomEdit* editor, TcxCustomEditProperties* properties,
                        const Variant& value) const override;
    bool FiltersByDisplayText() const override { return true; }
};

} // namespace zorvy
