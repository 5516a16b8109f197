#pragma once
// The text editor kind's registration: its settings in the editor kinds, and TcxFilterTextEditHelper,
// which lets text editors (and the kinds built on them) type filter values.
#include "controls/editors/filter/FilterEditHelpers.h"

namespace zorvy {

class TcxFilterTextEditHelper : public TcxCustomFilterEditHelper {
    ZORVY_CLASS(TcxFilterTextEditHelper, TcxCustomFilterEditHelper)
  public:
    const TMetaClass* GetEditorClassForFilter(TcxCustomEditProperties*, TcxInplaceEditList*) const override;
    // Filter values are typed with the whole text selected on entry and a caret always shown.
    void PrepareFilterProperties(TcxCustomEditProperties* properties, TcxCustomEditProperties* source,
                                 bool keepButtons) const override;
    void PutFilterValue(TcxCustomEdit* editor, TcxCustomEditProperties*, const Variant& value) const override;
};

// Registers the text editor kind and its filter helper (the first of nested calls does it); the last
// finalisation removes the filter helper again.
void InitializeTextEditUnit();
void FinalizeTextEditUnit();

} // namespace zorvy
