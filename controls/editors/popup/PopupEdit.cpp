// The popup edit: its settings, taking the hosted control into the popup and giving it back.
#include "controls/editors/popup/PopupEdit.h"

#include "controls/editors/filter/FilterEditHelpers.h"
#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/popup/ComboBox.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/classlib/Forms.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxEditCircularReference, "Circular referencing is not allowed");
ZORVY_RESOURCESTRING(scxSEditRepositoryComboBoxItem, "ComboBox|Represents the combo box editor");
ZORVY_RESOURCESTRING(scxSEditRepositoryPopupItem, "PopupEdit|Represents an edit control with a dropdown list");

// ---- Settings ----

TcxCustomPopupEditProperties::TcxCustomPopupEditProperties(TPersistent* owner)
    : TcxCustomDropDownEditProperties(owner) {
    SuppressChanged(true);
    SetPopupAutoSize(true);
    SetPopupMinHeight(100);
    SetPopupMinWidth(100);
    SetPopupHeight(200);
    SetPopupSizeable(true);
    SetPopupWidth(250);
    SuppressChanged(false);
}

TcxCustomPopupEditProperties::~TcxCustomPopupEditProperties() {
    SetPopupControl(nullptr);
}

TcxPopupEditProperties::TcxPopupEditProperties(TPersistent* owner) : TcxCustomPopupEditProperties(owner) {
    ImmediateDropDown = true;
    ImmediatePopup = true;
}

void TcxCustomPopupEditProperties::Assign(TPersistent* source) {
    TcxCustomDropDownEditProperties::Assign(source);
    if (auto* other = dynamic_cast<TcxCustomPopupEditProperties*>(source)) SetPopupControl(other->popupControl_);
}

void TcxCustomPopupEditProperties::SetPopupControl(TControl* value) {
    if (value == popupControl_) return;
    if (popupControl_) GetFreeNotificator()->Unwatch(popupControl_);
    popupControl_ = value;
    if (popupControl_) GetFreeNotificator()->Watch(popupControl_);
}

void TcxCustomPopupEditProperties::ComponentFreed(TComponent* component) {
    TcxCustomDropDownEditProperties::ComponentFreed(component);
    if (component == popupControl_) popupControl_ = nullptr;
}

TcxEditPopupWindowFactory TcxCustomPopupEditProperties::GetPopupWindowClass() const {
    return [](TWinControl* ownerEdit) -> TcxCustomEditPopupWindow* { return new TcxPopupEditPopupWindow(ownerEdit); };
}

const TMetaClass* TcxCustomPopupEditProperties::GetEditControlClass() const {
    return TcxPopupEdit::StaticClass();
}

TcxCustomEdit* TcxCustomPopupEditProperties::CreateEditControl(bool inplace) const {
    return new TcxPopupEdit(nullptr, inplace, ClassType());
}

// ---- The editor ----

TcxCustomPopupEdit::~TcxCustomPopupEdit() {
    if (GetDroppedDown()) ReturnPopupControl();
}

void TcxCustomPopupEdit::CloseWithReason(TcxEditCloseUpReason reason) {
    if (!HasPopupWindow()) return;
    SetCloseUpReason(reason);
    PostPopupCloseRequest(GetPopupWindow());
}

TWinControl* TcxCustomPopupEdit::GetPopupControl() {
    return dynamic_cast<TWinControl*>(GetPopupEditProperties()->GetPopupControl());
}

TSize TcxCustomPopupEdit::CalcPopupSize() {
    TControl* c = GetPopupEditProperties()->GetPopupControl();
    return c ? TSize{c->GetWidth(), c->GetHeight()} : TSize{0, 0};
}

void TcxCustomPopupEdit::PositionPopupControl(const TRect& r) {
    if (TControl* c = GetPopupEditProperties()->GetPopupControl()) c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

void TcxCustomPopupEdit::BeforePopup() {
    TControl* c = GetPopupEditProperties()->GetPopupControl();
    bool circular = c && c == GetPopupWindow();
    for (TControl* p = this; p && !circular; p = p->GetParent()) circular = p == c;
    if (circular) throw EcxEditError(ResolveResourceString(scxEditCircularReference));
    TcxCustomDropDownEdit::BeforePopup();
}

void TcxCustomPopupEdit::AdoptPopupControl() {
    TControl* c = GetPopupEditProperties()->GetPopupControl();
    savedAlign_ = c->GetAlign();
    if (auto* form = dynamic_cast<TCustomForm*>(c)) {
        savedBorderStyle_ = form->GetBorderStyle();
        form->SetBorderStyle(bsNone);
    }
    savedBounds_ = c->GetBoundsRect();
    savedParent_ = TWeakLink<TWinControl>(c->GetParent());
    savedVisible_ = c->GetVisible();
    adopted_ = true;
}

void TcxCustomPopupEdit::InitPopup() {
    TControl* c = GetPopupEditProperties()->GetPopupControl();
    if (!c) return;
    AdoptPopupControl();
    c->SetParent(GetPopupWindow());
    c->SetVisible(true);
    TcxCustomDropDownEdit::InitPopup();
    // Later resizing of the popup stretches it too.
    c->SetAlign(alClient);
}

void TcxCustomPopupEdit::PopupClosed() {
    TWeakLink<TcxCustomPopupEdit> self(this);
    ReturnPopupControl();
    if (self) TcxCustomDropDownEdit::PopupClosed();
}

void TcxCustomPopupEdit::ReturnPopupControl() {
    TControl* c = GetPopupEditProperties()->GetPopupControl();
    if (!c || !adopted_) return;
    adopted_ = false;
    c->SetVisible(false);
    // The control leaves without holding the popup form's focus.
    TcxCustomEditPopupWindow* popup = GetPopupWindow();
    if (popup->HandleAllocated() && popup->GetVisible()) popup->SetFocus();
    c->SetParent(savedParent_.Get());
    c->SetAlign(savedAlign_);
    c->SetBoundsRect(savedBounds_);
    if (auto* form = dynamic_cast<TCustomForm*>(c)) form->SetBorderStyle(savedBorderStyle_);
    c->SetVisible(savedVisible_);
}

// ---- Unit ----

namespace {
int popupEditUnitCounter = 0;
}

void InitializePopupEditUnit() {
    if (popupEditUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxComboBoxProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryComboBoxItem));
    GetEditPropertiesRegistry()->AddClass(TcxPopupEditProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryPopupItem));
    GetFilterEditHelperRegistry()->AddPair(TcxComboBoxProperties::StaticClass(),
                                           TcxFilterComboBoxHelper::StaticClass());
}

void FinalizePopupEditUnit() {
    if (popupEditUnitCounter == 0 || --popupEditUnitCounter != 0) return;
    // The editor kinds stay registered; the filter helper goes.
    GetFilterEditHelperRegistry()->RemovePair(TcxComboBoxProperties::StaticClass(),
                                              TcxFilterComboBoxHelper::StaticClass());
}

} // namespace zorvy
