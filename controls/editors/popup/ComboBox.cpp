// The combo box's settings, the editor (opening, the list's room, Revertable stepping, a press on
// the editor dragged into the list) and its filter helper. The lookup data and the list boxes are in
// ComboBoxList.cpp, the closed editor's item drawing in ComboBoxViewInfo.cpp.
#include "controls/editors/popup/ComboBox.h"

#include "controls/data/Variants.h"
#include "controls/editors/framework/EditButtons.h"
#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/popup/ComboBoxViewInfo.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

namespace zorvy {

// ---- Settings ----

TcxCustomComboBoxProperties::TcxCustomComboBoxProperties(TPersistent* owner)
    : TcxCustomDropDownEditProperties(owner) {}

void TcxCustomComboBoxProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomComboBoxProperties*>(source);
    if (!other) {
        TcxCustomDropDownEditProperties::Assign(source);
        return;
    }
    BeginChanges();
    try {
        TcxCustomDropDownEditProperties::Assign(source);
        SetDropDownListStyle(other->listStyle_);
        SetDropDownRows(other->dropDownRows_);
        SetItemHeight(other->itemHeight_);
        Revertable = other->Revertable;
        OnDrawItem = other->OnDrawItem;
        OnMeasureItem = other->OnMeasureItem;
    } catch (...) {
        EndChanges();
        throw;
    }
    EndChanges();
}

void TcxCustomComboBoxProperties::SetDropDownListStyle(TcxEditDropDownListStyle value) {
    if (value == listStyle_) return;
    listStyle_ = value;
    Changed();
}

void TcxCustomComboBoxProperties::SetDropDownRows(int value) {
    if (value <= 0 || value == dropDownRows_) return;
    dropDownRows_ = value;
    Changed();
}

void TcxCustomComboBoxProperties::SetItemHeight(int value) {
    if (value == itemHeight_) return;
    itemHeight_ = value;
    Changed();
}

TcxEditInputStyle TcxCustomComboBoxProperties::GetInputStyle() const {
    switch (listStyle_) {
    case lsEditFixedList:
        return istListCompleted;
    case lsFixedList:
        return istListOnly;
    default:
        return istFreeText;
    }
}

const TMetaClass* TcxCustomComboBoxProperties::GetLookupDataClass() const {
    return TcxComboBoxLookupData::StaticClass();
}

TcxEditPopupWindowFactory TcxCustomComboBoxProperties::GetPopupWindowClass() const {
    return [](TWinControl* ownerEdit) -> TcxCustomEditPopupWindow* { return new TcxComboBoxPopupWindow(ownerEdit); };
}

TcxCustomEditViewData* TcxCustomComboBoxProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace,
                                                                 bool flag) {
    auto* viewData = new TcxCustomComboBoxViewData(this, style, isInplace);
    viewData->NoText = flag;
    return viewData;
}

TcxCustomEditViewInfoClass TcxCustomComboBoxProperties::GetViewInfoClass() const {
    return TcxCustomComboBoxViewInfo::StaticClass();
}

const TMetaClass* TcxCustomComboBoxProperties::GetEditControlClass() const {
    return TcxComboBox::StaticClass();
}

TcxCustomEdit* TcxCustomComboBoxProperties::CreateEditControl(bool inplace) const {
    return new TcxComboBox(nullptr, inplace, ClassType());
}

// ---- The editor ----

TcxCustomComboBox::TcxCustomComboBox(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomDropDownEdit(owner, inplace, propertiesClass) {
    // A release on the editor never clicks it.
    ControlStyle &= ~csClickEvents;
}

namespace {
// The handler of the own properties, then the governing ones' when a repository item supplies them.
template <class Handler> void ForOwnThenItem(TcxCustomComboBox* edit, Handler TcxCustomComboBoxProperties::*handler,
                                            const std::function<void(Handler&)>& fire) {
    TWeakLink<TcxCustomComboBox> self(edit);
    auto* own = dynamic_cast<TcxCustomComboBoxProperties*>(edit->GetProperties());
    if (own && own->*handler) fire(own->*handler);
    if (!self || !edit->GetRepositoryItem()) return;
    auto* item = dynamic_cast<TcxCustomComboBoxProperties*>(edit->GetEffectiveProperties());
    if (item && item != own && item->*handler) fire(item->*handler);
}
} // namespace

bool TcxCustomComboBox::HasCustomDrawItem() const {
    auto* own = dynamic_cast<TcxCustomComboBoxProperties*>(GetProperties());
    return (own && own->OnDrawItem) || GetComboProperties()->OnDrawItem;
}

bool TcxCustomComboBox::HasCustomMeasureItem() const {
    auto* own = dynamic_cast<TcxCustomComboBoxProperties*>(GetProperties());
    return (own && own->OnMeasureItem) || GetComboProperties()->OnMeasureItem;
}

void TcxCustomComboBox::FireDrawItem(TcxCanvas* canvas, int index, const TRect& rect, TOwnerDrawState state) {
    ForOwnThenItem<TcxEditDrawItemEvent>(this, &TcxCustomComboBoxProperties::OnDrawItem,
                                         [&](TcxEditDrawItemEvent& h) { h(this, canvas, index, rect, state); });
}

void TcxCustomComboBox::FireMeasureItem(int index, TcxCanvas* canvas, int& height) {
    ForOwnThenItem<TcxEditMeasureItemEvent>(this, &TcxCustomComboBoxProperties::OnMeasureItem,
                                            [&](TcxEditMeasureItemEvent& h) { h(this, index, canvas, height); });
}

void TcxCustomComboBox::ResetPopupHeight() {
    auto* data = dynamic_cast<TcxCustomDropDownEditData*>(GetEditData());
    if (IsInplace() && GetComboProperties()->GetPopupSizeable() && data)
        data->Sized = false;
    else
        GetComboProperties()->SetPopupHeight(0);
}

bool TcxCustomComboBox::NeedsLookupSync() const {
    if (IsLookupSyncLocked()) return false;
    if (GetDroppedDown()) return true;
    if (HasPopupWindow() && const_cast<TcxCustomComboBox*>(this)->GetPopupWindow()->IsOpeningQueued() &&
        !GetComboProperties()->AllowsIncrementalSearch())
        return true;
    const TcxEditInputStyle style = GetComboProperties()->GetInputStyle();
    return style == istListCompleted || style == istListOnly;
}

bool TcxCustomComboBox::CanDropDown() {
    return !GetLookupData() || !GetLookupData()->IsEmpty();
}

TSize TcxCustomComboBox::CalcPopupSize() {
    TcxCustomEditPopupWindow* popup = GetPopupWindow();
    TcxCustomComboBoxProperties* p = GetComboProperties();
    TRect owner = GetPopupOwnerRect();
    if (TWinControl* parent = GetParent()) {
        const TPoint topLeft = parent->ClientToScreen({owner.Left, owner.Top});
        OffsetRect(owner, topLeft.X - owner.Left, topLeft.Y - owner.Top);
    }
    const TcxComboListLimits limits = ComboListLimits(owner, popup->GetClientExtent(), popup->GetShadow(),
                                                      p->GetPopupSizeable(), p->GetPopupAutoSize(), p->GetPopupWidth());
    return GetLookupData()->MeasureList(limits.MaxHeight, limits.WidthLimit);
}

void TcxCustomComboBox::SetUpPopupWindow() {
    TcxCustomDropDownEdit::SetUpPopupWindow();
    // A sizeable list has a size grip.
    GetPopupWindow()->SetSysPanelStyle(GetComboProperties()->GetPopupSizeable());
}

void TcxCustomComboBox::PopupShown() {
    TWeakLink<TcxCustomComboBox> self(this);
    TcxCustomDropDownEdit::PopupShown();
    if (!self) return;
    TcxCustomEditListBox* list = GetLookupList();
    TPoint p;
    // A popup opening under a resting pointer does not select the row under it.
    if (list && list->HandleAllocated() && GetCursorPos(p) && GetLookupData()->IsScreenPointInList(p))
        IgnoreNextListMouseMove = true;
}

void TcxCustomComboBox::AttachEditData(TcxCustomEditData*& data) {
    TWeakLink<TcxCustomComboBox> self(this);
    TcxCustomDropDownEdit::AttachEditData(data);
    if (self && UsesPopupList()) GetLookupData()->SyncWithEditText();
}

void TcxCustomComboBox::ValueChangedByUser() {
    TcxCustomTextEditLookupData* lookup = GetLookupData();
    const Variant oldKey = lookup ? lookup->GetCurrentKeyValue() : Variant();
    CountLoadLock(true);
    {
        struct Unlock {
            TcxCustomComboBox* edit;
            ~Unlock() { edit->CountLoadLock(false); }
        } unlock{this};
        // The combo box decides itself whether the current item follows the text.
        const bool locked = IsLookupSyncLocked();
        SetLookupSyncLocked(true);
        try {
            TcxCustomDropDownEdit::ValueChangedByUser();
        } catch (...) {
            SetLookupSyncLocked(locked);
            throw;
        }
        SetLookupSyncLocked(locked);
        if (lookup && NeedsLookupSync()) lookup->SyncWithEditText();
    }
    if (lookup && !VariantsEqual(lookup->GetCurrentKeyValue(), oldKey)) StartModifying();
}

void TcxCustomComboBox::ShowDisplayValue(const Variant& value) {
    TcxCustomDropDownEdit::ShowDisplayValue(value);
    if (UsesPopupList() && !IsLookupSyncLocked()) GetLookupData()->SyncWithEditText();
}

void TcxCustomComboBox::ShowEditValue() {
    TcxCustomDropDownEdit::ShowEditValue();
    if (UsesPopupList() && !IsLookupSyncLocked()) GetLookupData()->SyncWithEditText();
}

void TcxCustomComboBox::DblClick() {
    TWeakLink<TcxCustomComboBox> self(this);
    TcxCustomDropDownEdit::DblClick();
    if (!self) return;
    HoldChangeEvents(true, true);
    SteppingLookupItem = true;
    struct Release {
        TWeakLink<TcxCustomComboBox>& edit;
        ~Release() {
            if (!edit) return;
            edit->SteppingLookupItem = false;
            edit->HoldChangeEvents(false, true);
        }
    } release{self};
    TcxCustomTextEditLookupData* lookup = GetLookupData();
    if (GetDroppedDown() || !GetComboProperties()->Revertable || !lookup) return;
    const Variant oldKey = lookup->GetCurrentKeyValue();
    lookup->StepItem(eldNext, true);
    if (!self || VariantsEqual(lookup->GetCurrentKeyValue(), oldKey) || !HasPendingInput()) return;
    if (GetComboProperties()->ImmediatePost && ValidateInput(true)) PostEditValue(false);
}

void TcxCustomComboBox::Dispatch(TMessage& m) {
    if (m.Msg == WM_LBUTTONDBLCLK) {
        TWeakLink<TcxCustomComboBox> self(this);
        DblClick();
        if (!self) return;
    }
    TcxCustomDropDownEdit::Dispatch(m);
}

void TcxCustomComboBox::MouseMove(TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomComboBox> self(this);
    TcxCustomDropDownEdit::MouseMove(shift, x, y);
    if (!self || !GetMouseCapture() || !GetDroppedDown()) return;
    TcxCustomEditListBox* list = GetLookupList();
    if (!list || !list->HandleAllocated()) return;
    const TPoint screen = ClientToScreen({x, y});
    TcxCustomEditPopupWindow* popup = GetPopupWindow();
    const TPoint inPopup = popup->ScreenToClient(screen);
    // A press on the editor dragged into the list selects like a native combo box.
    if (!PtInRect(popup->GetPopupViewInfo()->ClientRect, inPopup) || !GetLookupData()->IsScreenPointInList(screen))
        return;
    const TPoint inList = list->ScreenToClient(screen);
    SetMouseCapture(false);
    SendMessage(list->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(inList.X, inList.Y));
}

// ---- Filter editing ----

const TMetaClass* TcxFilterComboBoxHelper::GetEditorClassForFilter(TcxCustomEditProperties*,
                                                                   TcxInplaceEditList*) const {
    return TcxComboBoxProperties::StaticClass();
}

void TcxFilterComboBoxHelper::PrepareFilterProperties(TcxCustomEditProperties* properties,
                                                      TcxCustomEditProperties* source, bool keepButtons) const {
    TcxFilterDropDownEditHelper::PrepareFilterProperties(properties, source, keepButtons);
    auto* p = dynamic_cast<TcxCustomComboBoxProperties*>(properties);
    if (!p) return;
    p->SetButtonGlyph(nullptr);
    p->SetDropDownRows(8);
    p->SetDropDownListStyle(lsEditList);
    p->ImmediateDropDown = false;
    p->SetPopupAlignment(taLeftJustify);
    p->Revertable = false;
}

} // namespace zorvy
