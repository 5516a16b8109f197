// The masked editor kind's registration and its filter helper.
#include "controls/editors/mask/MaskEditUnit.h"

#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/mask/MaskEdit.h"
#include "platform/rtl/ResourceStrings.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryMaskItem, "MaskEdit|Represents a generic masked edit control.");

namespace {
int maskEditUnitCounter = 0;

bool HasMaskInForce(TcxCustomEditProperties* properties) {
    auto* mask = dynamic_cast<TcxCustomMaskEditProperties*>(properties);
    return mask && mask->HasMask();
}
} // namespace

void InitializeMaskEditUnit() {
    if (maskEditUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxMaskEditProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryMaskItem));
    GetFilterEditHelperRegistry()->AddPair(TcxMaskEditProperties::StaticClass(),
                                           TcxFilterMaskEditHelper::StaticClass());
}

void FinalizeMaskEditUnit() {
    if (maskEditUnitCounter == 0 || --maskEditUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxMaskEditProperties::StaticClass(),
                                              TcxFilterMaskEditHelper::StaticClass());
}

const TMetaClass* TcxFilterMaskEditHelper::GetEditorClassForFilter(TcxCustomEditProperties*,
                                                                   TcxInplaceEditList*) const {
    return TcxMaskEditProperties::StaticClass();
}

TcxFilterControlOperators TcxFilterMaskEditHelper::GetAllowedOperators(TcxCustomEditProperties* properties,
                                                                       TcxValueTypeClass valueType,
                                                                       bool extended) const {
    TcxFilterControlOperators set = 1662; // equal to greater-or-equal, blanks, non-blanks
    if (!HasMaskInForce(properties) && valueType && valueType->IsStringType())
        set |= FilterOperatorBit(fcoLike) | FilterOperatorBit(fcoNotLike);
    if (extended) set |= 30720; // between, not between, in list, not in list
    return set;
}

void TcxFilterMaskEditHelper::PrepareFilterProperties(TcxCustomEditProperties* properties,
                                                      TcxCustomEditProperties* source, bool keepButtons) const {
    TcxFilterTextEditHelper::PrepareFilterProperties(properties, source, keepButtons);
    properties->SetAutoSelect(!HasMaskInForce(properties));
}

} // namespace zorvy
