// The button edit's default button and size, and its registration as an editor kind.
#include "controls/editors/buttons/ButtonEdit.h"

#include "controls/editors/framework/EditRepository.h"
#include "platform/rtl/ResourceStrings.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryButtonItem, "ButtonEdit|Represents an edit control with embedded buttons");

TcxCustomButtonEditProperties::TcxCustomButtonEditProperties(TPersistent* owner)
    : TcxCustomMaskEditProperties(owner) {
    TcxEditButton* button = GetButtons()->AddButton();
    button->SetKind(bkEllipsis);
    button->SetDefault(true);
}

const TMetaClass* TcxCustomButtonEditProperties::GetEditControlClass() const {
    return TcxButtonEdit::StaticClass();
}

TcxCustomEdit* TcxCustomButtonEditProperties::CreateEditControl(bool inplace) const {
    return new TcxButtonEdit(nullptr, inplace, ClassType());
}

TcxButtonEdit::TcxButtonEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomButtonEdit(owner, inplace, propertiesClass) {
    if (!inplace) SetAutoSize(true);
}

namespace {
int buttonEditUnitCounter = 0;
}

void InitializeButtonEditUnit() {
    if (buttonEditUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxButtonEditProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryButtonItem));
}

void FinalizeButtonEditUnit() {
    // Shutdown only counts: the registration stays.
    if (buttonEditUnitCounter > 0) --buttonEditUnitCounter;
}

} // namespace zorvy
