#pragma once
// Filter values of check combo box and check group columns are typed in a check combo box whose items
// are the column's captions and whose value format is the column's, so a filter value is a set of
// states exactly like the column's values.
#include "controls/editors/checks/CheckStates.h"
#include "controls/editors/popup/ComboBox.h"

namespace zorvy {

class IcxCheckItemCaptions;
class TcxCustomCheckComboBoxProperties;

class TcxFilterChecksHelper : public TcxFilterComboBoxHelper {
    ZORVY_CLASS(TcxFilterChecksHelper, TcxFilterComboBoxHelper)
  public:
    const TMetaClass* GetEditorClassForFilter(TcxCustomEditProperties*, TcxInplaceEditList*) const override;
    // Equals, does not equal, is blank, is not blank; extended also in and not in.
    TcxFilterControlOperators GetAllowedOperators(TcxCustomEditProperties* properties, TcxValueTypeClass valueType,
                                                  bool extended) const override;
    void PrepareFilterProperties(TcxCustomEditProperties* properties, TcxCustomEditProperties* source,
                                 bool keepButtons) const override;
    virtual TcxCheckStatesValueFormat GetEditValueFormat(TcxCustomEditProperties*) const { return cvfCaptions; }
    // The source's captions; nil for none.
    virtual const IcxCheckItemCaptions* GetItemCaptions(TcxCustomEditProperties*) const { return nullptr; }
    // One item per caption, with the caption as its Description.
    virtual void FillItems(TcxCustomCheckComboBoxProperties* target, TcxCustomEditProperties* source) const;
};

class TcxFilterCheckComboBoxHelper : public TcxFilterChecksHelper {
    ZORVY_CLASS(TcxFilterCheckComboBoxHelper, TcxFilterChecksHelper)
  public:
    TcxCheckStatesValueFormat GetEditValueFormat(TcxCustomEditProperties* source) const override;
    const IcxCheckItemCaptions* GetItemCaptions(TcxCustomEditProperties* source) const override;
};

// Also carries the check group's glyph over.
class TcxFilterCheckGroupHelper : public TcxFilterChecksHelper {
    ZORVY_CLASS(TcxFilterCheckGroupHelper, TcxFilterChecksHelper)
  public:
    TcxCheckStatesValueFormat GetEditValueFormat(TcxCustomEditProperties* source) const override;
    const IcxCheckItemCaptions* GetItemCaptions(TcxCustomEditProperties* source) const override;
    void FillItems(TcxCustomCheckComboBoxProperties* target, TcxCustomEditProperties* source) const override;
};

} // namespace zorvy
