// The radio group: items, settings, value and ItemIndex, the group's buttons, focus and tab order,
// the filter helper and the unit's start-up.
#include "controls/editors/groups/RadioGroup.h"

#include "controls/data/Variants.h"
#include "controls/editors/checks/CheckBoxProperties.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "platform/classlib/Forms.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryRadioGroupItem, "RadioGroup|Represents a group of radio buttons");
ZORVY_RESOURCESTRING(scxRadioGroupDefaultCaption, "");

namespace {
struct FlagScope {
    bool& flag;
    explicit FlagScope(bool& f) : flag(f) { flag = true; }
    ~FlagScope() { flag = false; }
};
} // namespace

// ---- items ----

void TcxRadioGroupItem::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxRadioGroupItem*>(source)) SetValue(other->value_);
    TcxButtonGroupItem::Assign(source);
}

void TcxRadioGroupItem::SetValue(const Variant& value) {
    if (VariantsIdentical(value, value_)) return;
    value_ = value;
    NotifyCollection(bgicChanged);
}

// ---- settings ----

TcxCustomRadioGroupProperties::TcxCustomRadioGroupProperties(TPersistent* owner)
    : TcxCustomButtonGroupProperties(owner),
      defaultCaption_(ResolveResourceString(scxRadioGroupDefaultCaption)) {
    InitItems();
}

void TcxCustomRadioGroupProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomRadioGroupProperties*>(source);
    if (!other) {
        TcxCustomButtonGroupProperties::Assign(source);
        return;
    }
    BeginChanges();
    struct End {
        TcxCustomRadioGroupProperties* p;
        ~End() { p->EndChanges(); }
    } end{this};
    TcxCustomButtonGroupProperties::Assign(source);
    SetDefaultCaption(other->defaultCaption_);
    SetDefaultValue(other->defaultValue_);
    SetWordWrap(other->GetWordWrap());
}

void TcxCustomRadioGroupProperties::SetDefaultCaption(const std::string& value) {
    if (value == defaultCaption_) return;
    defaultCaption_ = value;
    Changed();
}

bool TcxCustomRadioGroupProperties::IsDefaultCaptionStored() const {
    return !StringsMatch(defaultCaption_, ResolveResourceString(scxRadioGroupDefaultCaption), true);
}

void TcxCustomRadioGroupProperties::SetDefaultValue(const Variant& value) {
    if (VariantsIdentical(value, defaultValue_)) return;
    defaultValue_ = value;
    Changed();
}

int TcxCustomRadioGroupProperties::GetItemIndexOfValue(const Variant& value) const {
    TcxRadioGroupItems* items = GetItems();
    for (int i = 0; i < items->GetCount(); ++i) {
        const Variant& itemValue = items->GetItem(i)->GetValue();
        if (itemValue.IsNull()) {
            if (StringsMatch(VarToStr(value), items->GetItem(i)->GetCaption(), true)) return i;
        } else if (VariantsEqualStrict(value, itemValue)) {
            return i;
        }
    }
    return -1;
}

int TcxCustomRadioGroupProperties::GetColumnCount() const {
    return std::max(1, std::min(GetColumns(), GetItems()->GetCount()));
}

const TMetaClass* TcxCustomRadioGroupProperties::GetEditControlClass() const {
    return TcxRadioGroup::StaticClass();
}

TcxCustomEdit* TcxCustomRadioGroupProperties::CreateEditControl(bool inplace) const {
    return new TcxRadioGroup(nullptr, inplace, ClassType());
}

TcxCustomEditViewData* TcxCustomRadioGroupProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace,
                                                                   bool flag) {
    auto* viewData = new TcxCustomRadioGroupViewData(this, style, isInplace);
    viewData->PreviewMode = flag;
    return viewData;
}

TcxCustomEditViewInfoClass TcxCustomRadioGroupProperties::GetViewInfoClass() const {
    return TcxCustomRadioGroupViewInfo::StaticClass();
}

void TcxCustomRadioGroupProperties::FormatDisplayText(const Variant& value, std::string& text, bool) {
    const int index = GetItemIndexOfValue(value);
    text = index < 0 ? defaultCaption_ : GetItems()->GetItem(index)->GetCaption();
}

void TcxCustomRadioGroupProperties::ToDisplayValue(const Variant& value, Variant& displayValue, bool) {
    displayValue = Variant(GetItemIndexOfValue(value));
}

bool TcxCustomRadioGroupProperties::SameDisplayValue(const Variant& value1, const Variant& value2) {
    return GetItemIndexOfValue(value1) == GetItemIndexOfValue(value2);
}

// ---- the group's button ----

TcxCustomRadioGroupButton::TcxCustomRadioGroupButton(TcxCustomRadioGroup* group)
    : TcxRadioButton(group), group_(group) {
    group->AddButtonToList(this);
    GetLookAndFeel()->SetMaster(group->GetStyle()->GetLookAndFeel());
}

TcxCustomRadioGroupButton::~TcxCustomRadioGroupButton() {
    group_->RemoveButtonFromList(this);
}

TcxContainer* TcxCustomRadioGroupButton::GetControlContainer() {
    return group_;
}

bool TcxCustomRadioGroupButton::CanFocus() const {
    return group_->CanFocus() && TcxRadioButton::CanFocus();
}

bool TcxCustomRadioGroupButton::IsInplace() const {
    return group_->IsInplace();
}

bool TcxCustomRadioGroupButton::HasNativeParentBackground() const {
    return group_->AlwaysTransparent();
}

bool TcxCustomRadioGroupButton::IsNativeStyle() const {
    return group_->UsesNativeButtons();
}

bool TcxCustomRadioGroupButton::IsTransparentBackground() const {
    return group_->IsTransparent();
}

void TcxCustomRadioGroupButton::DrawBackground(TcxCanvas* canvas) {
    TcxCustomEditViewInfo* vi = group_->GetEditViewInfo();
    if (vi && vi->HasCustomBackgroundHandler()) {
        vi->DrawInplaceBackgroundAt(canvas, {GetLeft(), GetTop()});
        return;
    }
    TcxRadioButton::DrawBackground(canvas);
}

void TcxCustomRadioGroupButton::SetCheckedByGroup(bool value) {
    if (setByGroup_) return;
    FlagScope byGroup(setByGroup_);
    FlagScope noClicks(ClicksDisabled);
    SetChecked(value);
}

void TcxCustomRadioGroupButton::Click() {
    // Checking by the user (a click, a key, the focus) reaches the group once the siblings are off.
    if (!setByGroup_ && GetChecked()) group_->ButtonChecked(this);
    if (ClicksDisabled) return;
    // The group's own click came with the change of its value.
    TRadioButton::Click();
}

void TcxCustomRadioGroupButton::Clicked() {
    if (inCommand_) return;
    FlagScope command(inCommand_);
    if (GetChecked() || (group_->IsValueChangeAllowed() && group_->RequestEditing())) TcxRadioButton::Clicked();
}

void TcxCustomRadioGroupButton::DoEnter() {
    TRadioButton::DoEnter();
    group_->RefreshMouseState(false);
    if (!GetChecked() && !group_->IsInplace() && group_->RequestEditing()) SetChecked(true);
}

void TcxCustomRadioGroupButton::DoExit() {
    TcxRadioButton::DoExit();
    group_->RefreshMouseState(false);
}

void TcxCustomRadioGroupButton::KeyPress(char32_t& key) {
    if ((key == 8 || key == U' ') && !group_->IsValueChangeAllowed()) {
        key = 0;
        return;
    }
    TcxRadioButton::KeyPress(key);
}

void TcxCustomRadioGroupButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    TWeakLink<TcxCustomRadioGroup> group(group_);
    TcxRadioButton::KeyDown(key, shift);
    if (key != 0 && group) group->ForwardKeyDown(key, shift);
}

void TcxCustomRadioGroupButton::Dispatch(TMessage& m) {
    if (group_->PreviewInnerMessage(m)) return;
    switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TcxRadioButton::Dispatch(m);
        if (!HasState(csDestroying) && reinterpret_cast<HWND>(m.WParam) != group_->GetHandle())
            group_->FocusStateChanged();
        return;
    case WM_GETDLGCODE:
        TcxRadioButton::Dispatch(m);
        if (group_->WantsTabKey() && !(KeyboardStateToShiftState() & ssCtrl)) m.Result |= DLGC_WANTTAB;
        if (group_->IsInplace()) m.Result |= DLGC_WANTARROWS;
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (group_->DragMode == dmAutomatic && !HasState(csDesigning)) {
            group_->BeginDrag(false);
            return;
        }
        break;
    default: break;
    }
    TcxRadioButton::Dispatch(m);
}

// ---- the group ----

TcxCustomRadioGroup::TcxCustomRadioGroup(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomButtonGroup(owner, inplace, propertiesClass) {
    ControlStyle = (ControlStyle & csParentBackground) | csCaptureMouse | csClickEvents | csSetCaption |
                   csDoubleClicks | csReplicatable;
    SetBounds(GetLeft(), GetTop(), 185, 105);
}

TWinControl* TcxCustomRadioGroup::CreateButton() {
    return new TcxCustomRadioGroupButton(this);
}

bool TcxCustomRadioGroup::IsLoadingOrUpdating() const {
    return HasState(csLoading) || HasState(csReading) || HasState(csUpdating);
}

int TcxCustomRadioGroup::GetCheckedIndex() const {
    for (int i = 0; i < GetButtonCount(); ++i)
        if (GetButton(i)->GetChecked()) return i;
    return -1;
}

int TcxCustomRadioGroup::GetItemIndex() const {
    if (IsLoadingOrUpdating() || HasState(csDesigning)) return storedItemIndex_;
    return GetCheckedIndex();
}

void TcxCustomRadioGroup::SetItemIndex(int value) {
    if (!IsLoadingOrUpdating()) {
        value = std::clamp(value, -1, GetButtonCount() - 1);
        Variant editValue;
        TextToEditValue(Variant(value), editValue, InEditingMode());
        ApplyEditValue(editValue, false);
    }
    if (IsLoadingOrUpdating() || HasState(csDesigning)) storedItemIndex_ = value;
}

void TcxCustomRadioGroup::TextToEditValue(const Variant& displayValue, Variant& editValue, bool) {
    editValue = Variant();
    TcxCustomRadioGroupProperties* p = GetEffectiveRadioProperties();
    const int index = displayValue.IsNull() ? -1 : displayValue.AsInteger();
    if (index < 0 || index >= p->GetItems()->GetCount()) {
        editValue = p->GetDefaultValue();
        return;
    }
    TcxRadioGroupItem* item = p->GetItems()->GetItem(index);
    editValue = item->GetValue().IsNull() ? Variant(item->GetCaption()) : item->GetValue();
}

void TcxCustomRadioGroup::StoreEditValue(const Variant& value) {
    ApplyEditValue(value, false);
}

void TcxCustomRadioGroup::FocusButton(int index) {
    if (index < 0 || index >= GetButtonCount() || !IsFocusWithin()) return;
    if (GetFocus() == GetHandle()) return;
    if (GetButton(index)->CanFocus()) GetButton(index)->SetFocus();
}

void TcxCustomRadioGroup::ApplyEditValue(const Variant& value, bool forced) {
    {
        TcxEditChangeEventsHold hold(this, true);
        TcxCustomButtonGroup::StoreEditValue(value);
        const int index = GetEffectiveRadioProperties()->GetItemIndexOfValue(value);
        if (forced || index != GetCheckedIndex()) {
            if (forced) {
                FocusButton(index);
            } else {
                if (index < 0) {
                    const int current = GetCheckedIndex();
                    if (current >= 0) GetButton(current)->SetCheckedByGroup(false);
                } else if (index < GetButtonCount()) {
                    GetButton(index)->SetCheckedByGroup(true);
                    FocusButton(index);
                }
                if (IsLoadingOrUpdating() || HasState(csDesigning)) storedItemIndex_ = index;
            }
            StartModifying();
            NotifyChanged();
        } else if (!IsUserChange()) {
            SetEditModified(false);
        }
    }
    RefreshMouseState(false);
}

void TcxCustomRadioGroup::ButtonChecked(TcxCustomRadioGroupButton* button) {
    TWeakLink<TcxCustomRadioGroup> self(this);
    {
        TcxEditChangeEventsHold hold(this, true);
        const bool focused = IsFocusWithin() || OwnsFocus();
        if (focused) BeginUserChange();
        struct End {
            TcxCustomRadioGroup* group;
            ~End() { group->EndUserChange(); }
        } end{this};
        if (!IsLoadingOrUpdating()) {
            Variant value;
            TextToEditValue(Variant(IndexOfButton(button)), value, InEditingMode());
            ApplyEditValue(value, true);
        }
        EndUserChange();
        if (focused && GetEffectiveProperties()->ImmediatePost && HasPendingInput() && ValidateInput(true))
            PostEditValue(false);
    }
}

void TcxCustomRadioGroup::Loaded() {
    TcxCustomButtonGroup::Loaded();
    ApplyStoredItemIndex();
}

void TcxCustomRadioGroup::ApplyStoredItemIndex() {
    {
        HoldChangeEvents(true, false);
        CountLoadLock(true);
        struct Release {
            TcxCustomRadioGroup* group;
            ~Release() {
                group->CountLoadLock(false);
                group->HoldChangeEvents(false, false);
            }
        } release{this};
        if (!IsFieldBound()) TcxCustomButtonGroup::StoreEditValue(GetEffectiveRadioProperties()->GetDefaultValue());
        SyncButtonsWithItems();
        SetItemIndex(storedItemIndex_);
    }
    SyncButtonsWithItems();
}

void TcxCustomRadioGroup::SyncButtonsWithItems() {
    const int remembered = GetItemIndex();
    TcxCustomButtonGroup::SyncButtonsWithItems();
    if (IsLoadingOrUpdating()) return;
    if (remembered != GetCheckedIndex()) SetItemIndex(remembered);
    TcxCustomRadioGroupProperties* p = GetEffectiveRadioProperties();
    for (int i = 0; i < GetButtonCount() && i < p->GetItems()->GetCount(); ++i) {
        GetButton(i)->SetCaption(p->GetItems()->GetItem(i)->GetCaption());
        GetButton(i)->SetWordWrap(p->GetWordWrap());
    }
}

void TcxCustomRadioGroup::PlaceButtons() {
    TcxCustomButtonGroup::PlaceButtons();
    TcxButtonGroupViewInfo* vi = GetGroupViewInfo();
    for (int i = 0; vi && i < GetButtonCount() && i < vi->ButtonCount(); ++i) {
        GetButton(i)->Column = vi->GroupButton(i)->Column;
        GetButton(i)->Row = vi->GroupButton(i)->Row;
    }
}

void TcxCustomRadioGroup::ApplyStyleToButtons() {
    TcxCustomButtonGroup::ApplyStyleToButtons();
    TcxButtonGroupViewInfo* vi = GetGroupViewInfo();
    if (!vi || vi->ButtonCount() == 0) return;
    const TcxLookAndFeelKind kind = ButtonLookToLookAndFeelKind(vi->Button(0)->ButtonStyle);
    for (int i = 0; i < GetButtonCount(); ++i) {
        TcxCustomRadioGroupButton* button = GetButton(i);
        button->GetLookAndFeel()->SetKind(kind);
        if (!button->GetEnabled()) button->GetFont()->SetColor(GetStyleDisabled()->GetTextColor());
        button->SetTransparent(IsTransparent());
    }
}

bool TcxCustomRadioGroup::IsFocusWithin() const {
    if (FocusedButtonIndex() >= 0) return false;
    return TcxCustomButtonGroup::IsFocusWithin();
}

void TcxCustomRadioGroup::SetFocus() {
    const int checked = GetCheckedIndex();
    if (checked >= 0 && GetButton(checked)->CanFocus()) {
        GetButton(checked)->SetFocus();
        return;
    }
    TcxCustomButtonGroup::SetFocus();
}

void TcxCustomRadioGroup::GetTabOrderList(std::vector<TWinControl*>& list) const {
    std::erase(list, const_cast<TcxCustomRadioGroup*>(this));
    if (!(GetTabStop() || FocusedButtonIndex() >= 0) || GetItemIndex() == -1) return;
    // Only the checked button is a tab stop, so Tab lands on it.
    for (TWinControl* button : buttons_)
        if (button->GetEnabled()) list.push_back(button);
}

void TcxCustomRadioGroup::AttachEditData(TcxCustomEditData*& data) {
    TcxCustomButtonGroup::AttachEditData(data);
    if (GetButtonCount() == 0) return;
    const int index = std::max(GetItemIndex(), 0);
    if (GetButton(index)->CanFocus()) GetButton(index)->SetFocus();
}

bool TcxCustomRadioGroup::IsInternalChildControl(TControl* control) const {
    return TcxCustomButtonGroup::IsInternalChildControl(control) ||
           IndexOfButton(dynamic_cast<TWinControl*>(control)) >= 0;
}

void TcxCustomRadioGroup::CMDialogChar(TMessage& m) {
    if (IsAccel(static_cast<char32_t>(m.WParam), GetCaption()) && CanFocus()) {
        SelectFirst();
        m.Result = 1;
        return;
    }
    TcxCustomButtonGroup::CMDialogChar(m);
}

// ---- filter helper ----

void TcxFilterRadioGroupHelper::PrepareFilterProperties(TcxCustomEditProperties* properties,
                                                        TcxCustomEditProperties* source, bool) const {
    auto* combo = dynamic_cast<TcxCustomComboBoxProperties*>(properties);
    auto* radio = dynamic_cast<TcxCustomRadioGroupProperties*>(source);
    if (!combo || !radio) return;
    std::vector<std::string> captions;
    for (int i = 0; i < radio->GetItems()->GetCount(); ++i) captions.push_back(radio->GetItems()->GetItem(i)->GetCaption());
    combo->SetItems(captions);
    combo->SetDropDownListStyle(lsFixedList);
    combo->AttachDefaultValuesProvider(nullptr);
    ClearFilterInfo(combo);
}

TcxFilterControlOperators TcxFilterRadioGroupHelper::GetAllowedOperators(TcxCustomEditProperties*,
                                                                         TcxValueTypeClass, bool extended) const {
    TcxFilterControlOperators result = FilterOperatorBit(fcoEqual) | FilterOperatorBit(fcoNotEqual) |
                                       FilterOperatorBit(fcoBlanks) | FilterOperatorBit(fcoNonBlanks);
    if (extended) result |= FilterOperatorBit(fcoInList) | FilterOperatorBit(fcoNotInList);
    return result;
}

void TcxFilterRadioGroupHelper::GetFilterValueText(TcxCustomEdit* editor, TcxCustomEditProperties* properties,
                                                   std::string& text, Variant& value) const {
    auto* combo = dynamic_cast<TcxCustomComboBox*>(editor);
    auto* radio = dynamic_cast<TcxCustomRadioGroupProperties*>(properties);
    text.clear();
    value = Variant::Null();
    if (!combo || !radio) return;
    const int index = combo->GetItemIndex();
    if (index < 0 || index >= radio->GetItems()->GetCount()) {
        value = radio->GetDefaultValue();
        text = radio->GetDefaultCaption();
        return;
    }
    value = radio->GetItems()->GetItem(index)->GetValue();
    text = radio->GetItems()->GetItem(index)->GetCaption();
}

void TcxFilterRadioGroupHelper::PutFilterValue(TcxCustomEdit* editor, TcxCustomEditProperties* properties,
                                               const Variant& value) const {
    auto* combo = dynamic_cast<TcxCustomComboBox*>(editor);
    auto* radio = dynamic_cast<TcxCustomRadioGroupProperties*>(properties);
    if (!combo || !radio) return;
    Variant index;
    radio->ToDisplayValue(value, index, combo->Focused());
    combo->SetItemIndex(index.AsInteger());
}

// ---- unit ----

namespace {
int radioGroupUnitCounter = 0;
}

void InitializeRadioGroupUnit() {
    if (radioGroupUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxRadioGroupProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryRadioGroupItem));
    GetFilterEditHelperRegistry()->AddPair(TcxRadioGroupProperties::StaticClass(),
                                           TcxFilterRadioGroupHelper::StaticClass());
}

void FinalizeRadioGroupUnit() {
    if (radioGroupUnitCounter == 0 || --radioGroupUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxRadioGroupProperties::StaticClass(),
                                              TcxFilterRadioGroupHelper::StaticClass());
}

} // namespace zorvy
