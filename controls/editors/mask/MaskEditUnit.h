#pragma once
// The masked editor kind's filter support: TcxFilterMaskEditHelper types filter values with a masked
// editor. The unit's start-up (InitializeMaskEditUnit, MaskEdit.h) registers it with the kind.
#include "controls/editors/text/TextEditUnit.h"

namespace zorvy {

class TcxFilterMaskEditHelper : public TcxFilterTextEditHelper {
    ZORVY_CLASS(TcxFilterMaskEditHelper, TcxFilterTextEditHelper)
  public:
    const TMetaClass* GetEditorClassForFilter(TcxCustomEditProperties*, TcxInplaceEditList*) const override;
    // Comparisons and blanks; like and not like only for text without a mask; the ranges when extended.
    TcxFilterControlOperators GetAllowedOperators(TcxCustomEditProperties* properties, TcxValueTypeClass valueType,
                                                  bool extended) const override;
    // The text editor's preparation; a masked value is typed from its first position, not selected.
    void PrepareFilterProperties(TcxCustomEditProperties* properties, TcxCustomEditProperties* source,
                                 bool keepButtons) const override;
};

} // namespace zorvy
