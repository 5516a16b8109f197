#include "controls/editors/text/TextEditUnit.h"

#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/text/TextEdit.h"
#include "platform/rtl/ResourceStrings.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryTextItem, "TextEdit|Represents a single line text editor");

namespace {
int textEditUnitCounter = 0;
} // namespace

const TMetaClass* TcxFilterTextEditHelper::GetEditorClassForFilter(TcxCustomEditProperties*,
                                                                   TcxInplaceEditList*) const {
    return TcxTextEditProperties::StaticClass();
}

void TcxFilterTextEditHelper::PrepareFilterProperties(TcxCustomEditProperties* properties,
                                                      TcxCustomEditProperties* source, bool keepButtons) const {
    TcxCustomFilterEditHelper::PrepareFilterProperties(properties, source, keepButtons);
    auto* text = dynamic_cast<TcxCustomTextEditProperties*>(properties);
    if (!text) return;
    text->SetAutoSelect(true);
    text->SetHideSelection(true);
    text->SetViewStyle(vsNormal);
}

void TcxFilterTextEditHelper::PutFilterValue(TcxCustomEdit* editor, TcxCustomEditProperties*,
                                             const Variant& value) const {
    editor->SetEditValue(value);
}

void InitializeTextEditUnit() {
    if (textEditUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxTextEditProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryTextItem));
    GetFilterEditHelperRegistry()->AddPair(TcxTextEditProperties::StaticClass(),
                                           TcxFilterTextEditHelper::StaticClass());
}

void FinalizeTextEditUnit() {
    if (textEditUnitCounter == 0 || --textEditUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxTextEditProperties::StaticClass(),
                                              TcxFilterTextEditHelper::StaticClass());
}

} // namespace zorvy
