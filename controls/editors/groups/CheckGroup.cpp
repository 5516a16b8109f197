// The check group: settings and value conversions, the buttons as the master of the states, focus
// and keys, and the unit's start-up.
#include "controls/editors/groups/CheckGroup.h"

#include "controls/editors/combos/CheckFilterHelpers.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "platform/classlib/Bitmap.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryCheckGroupItem, "CheckGroup|Represents a group of check boxes");
ZORVY_RESOURCESTRING(scxCheckGroupStatesItemsPairSeparator, ": ");
ZORVY_RESOURCESTRING(scxCheckGroupStatesItemsSeparator, "; ");
ZORVY_RESOURCESTRING(scxCheckGroupUnchecked, "Unchecked");
ZORVY_RESOURCESTRING(scxCheckGroupChecked, "Checked");
ZORVY_RESOURCESTRING(scxCheckGroupGrayed, "Grayed");

// ---- settings ----

TcxCustomCheckGroupProperties::TcxCustomCheckGroupProperties(TPersistent* owner)
    : TcxCustomButtonGroupProperties(owner) {
    InitItems();
}

TcxCustomCheckGroupProperties::~TcxCustomCheckGroupProperties() = default;

void TcxCustomCheckGroupProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomCheckGroupProperties*>(source);
    if (!other) {
        TcxCustomButtonGroupProperties::Assign(source);
        return;
    }
    BeginChanges();
    struct End {
        TcxCustomCheckGroupProperties* p;
        ~End() { p->EndChanges(); }
    } end{this};
    TcxCustomButtonGroupProperties::Assign(source);
    SetAllowGrayed(other->allowGrayed_);
    SetItemAlignment(other->itemAlignment_);
    SetWordWrap(other->GetWordWrap());
    SetGlyph(other->glyph_.get());
    SetGlyphCount(other->glyphCount_);
    SetEditValueFormat(other->editValueFormat_);
    OnEditValueToStates = other->OnEditValueToStates;
    OnStatesToEditValue = other->OnStatesToEditValue;
}

void TcxCustomCheckGroupProperties::SetAllowGrayed(bool value) {
    if (value == allowGrayed_) return;
    allowGrayed_ = value;
    Changed();
}

void TcxCustomCheckGroupProperties::SetEditValueFormat(TcxCheckStatesValueFormat value) {
    if (value == editValueFormat_) return;
    editValueFormat_ = value;
    Changed();
}

TBitmap* TcxCustomCheckGroupProperties::GetGlyph() {
    if (!glyph_) {
        glyph_ = std::make_unique<TBitmap>();
        glyph_->OnChange = [this](TObject*) { Changed(); };
    }
    return glyph_.get();
}

void TcxCustomCheckGroupProperties::SetGlyph(TBitmap* value) {
    if (!value)
        glyph_.reset();
    else
        GetGlyph()->Assign(value);
    Changed();
}

void TcxCustomCheckGroupProperties::SetGlyphCount(int value) {
    if (value == glyphCount_) return;
    glyphCount_ = value;
    if (glyph_) Changed();
}

void TcxCustomCheckGroupProperties::SetItemAlignment(TAlignment value) {
    if (value == itemAlignment_) return;
    itemAlignment_ = value;
    Changed();
}

bool TcxCustomCheckGroupProperties::EditValueToCheckStates(TObject* sender, const Variant& value) {
    TcxCheckStates& states = CheckStatesBuffer();
    if (OnEditValueToStates) {
        states.assign(static_cast<size_t>(GetItems()->GetCount()), cbsUnchecked);
        OnEditValueToStates(sender, value, states);
        return true;
    }
    return zorvy::EditValueToCheckStates(value, *GetItems(), editValueFormat_, states);
}

void TcxCustomCheckGroupProperties::CheckStatesToEditValue(TObject* sender, Variant& value) {
    value = Variant();
    if (OnStatesToEditValue)
        OnStatesToEditValue(sender, CheckStatesBuffer(), value);
    else
        zorvy::CheckStatesToEditValue(CheckStatesBuffer(), *GetItems(), editValueFormat_, value);
}

const TMetaClass* TcxCustomCheckGroupProperties::GetEditControlClass() const {
    return TcxCheckGroup::StaticClass();
}

TcxCustomEdit* TcxCustomCheckGroupProperties::CreateEditControl(bool inplace) const {
    return new TcxCheckGroup(nullptr, inplace, ClassType());
}

TcxCustomEditViewData* TcxCustomCheckGroupProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace,
                                                                   bool flag) {
    auto* viewData = new TcxCheckGroupViewData(this, style, isInplace);
    viewData->PreviewMode = flag;
    return viewData;
}

TcxCustomEditViewInfoClass TcxCustomCheckGroupProperties::GetViewInfoClass() const {
    return TcxCheckGroupViewInfo::StaticClass();
}

void TcxCustomCheckGroupProperties::FormatDisplayText(const Variant& value, std::string& text, bool) {
    EditValueToCheckStates(nullptr, value);
    const TcxCheckStates states = CheckStatesBuffer();
    text.clear();
    for (int i = 0; i < GetItems()->GetCount(); ++i) {
        if (i > 0) text += ResolveResourceString(scxCheckGroupStatesItemsSeparator);
        text += GetItems()->GetCaption(i) + ResolveResourceString(scxCheckGroupStatesItemsPairSeparator);
        const TcxCheckBoxState state = i < static_cast<int>(states.size()) ? states[i] : cbsUnchecked;
        text += ResolveResourceString(state == cbsChecked  ? scxCheckGroupChecked
                                      : state == cbsGrayed ? scxCheckGroupGrayed
                                                           : scxCheckGroupUnchecked);
    }
}

bool TcxCustomCheckGroupProperties::SameDisplayValue(const Variant& value1, const Variant& value2) {
    EditValueToCheckStates(nullptr, value1);
    const TcxCheckStates first = CheckStatesBuffer();
    EditValueToCheckStates(nullptr, value2);
    const TcxCheckStates& second = CheckStatesBuffer();
    if (first.size() < second.size()) return false;
    return std::equal(second.begin(), second.end(), first.begin());
}

// ---- the group's button ----

TBitmap* TcxCheckGroupButtonProperties::GetEffectiveGlyph() {
    if (auto* button = dynamic_cast<TcxCheckGroupButton*>(GetOwner()))
        return button->Group()->GetEffectiveCheckProperties()->GetGlyph();
    return GetGlyph();
}

TcxCheckGroupButton::TcxCheckGroupButton(TcxCustomCheckGroup* group, bool inplace)
    : TcxCheckBox(group, inplace, TcxCheckGroupButtonProperties::StaticClass()), group_(group) {
    group->AddButtonToList(this);
    GetStyle()->GetLookAndFeel()->SetMaster(group->GetStyle()->GetLookAndFeel());
}

TcxCheckGroupButton::~TcxCheckGroupButton() {
    group_->RemoveButtonFromList(this);
}

bool TcxCheckGroupButton::AlwaysTransparent() const {
    return group_->AlwaysTransparent();
}

void TcxCheckGroupButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    // The group's key handlers have the key first.
    if (group_->OnKeyDown) group_->OnKeyDown(group_, key, shift);
    if (key == 0) return;
    if (!group_->IsInplace() && (key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN)) {
        group_->MoveFocusFrom(this, key == VK_RIGHT || key == VK_DOWN);
        key = 0;
        return;
    }
    const TKeyEvent routed = OnKeyDown;
    OnKeyDown = nullptr;
    struct Restore {
        TcxCheckGroupButton* button;
        TKeyEvent handler;
        ~Restore() { button->OnKeyDown = handler; }
    } restore{this, routed};
    TcxCheckBox::KeyDown(key, shift);
}

void TcxCheckGroupButton::DoExit() {
    TcxCheckBox::DoExit();
    group_->RememberFocusedButton(this);
}

// ---- the group ----

TcxCustomCheckGroup::TcxCustomCheckGroup(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomButtonGroup(owner, inplace, propertiesClass) {
    ControlStyle &= ~csAcceptsControls;
    appliedFormat_ = GetEffectiveCheckProperties()->GetEditValueFormat();
    SetEditValue(Variant(0));
}

TWinControl* TcxCustomCheckGroup::CreateButton() {
    return new TcxCheckGroupButton(this, IsInplace());
}

TcxCheckBoxState TcxCustomCheckGroup::GetItemState(int index) const {
    return GetButton(index)->GetState();
}

void TcxCustomCheckGroup::SetItemState(int index, TcxCheckBoxState state) {
    GetButton(index)->SetState(state);
}

void TcxCustomCheckGroup::ShowEditValue() {
    TcxCheckGroupItems* items = GetEffectiveCheckProperties()->GetItems();
    if (items->IsNotifying() && items->GetChangeKind() == bgicChanged) return;
    GetEffectiveCheckProperties()->EditValueToCheckStates(StandaloneSenderOrNil(this), GetEditValue());
    TcxCheckStates states = CheckStatesBuffer();
    if (!GetEffectiveCheckProperties()->GetAllowGrayed() && IsFocusWithin())
        std::replace(states.begin(), states.end(), cbsGrayed, cbsUnchecked);
    const bool wasWriting = writingStates_;
    writingStates_ = true;
    struct Clear {
        bool& flag;
        bool value;
        ~Clear() { flag = value; }
    } clear{writingStates_, wasWriting};
    for (int i = 0; i < GetButtonCount() && i < static_cast<int>(states.size()); ++i) GetButton(i)->SetState(states[i]);
}

void TcxCustomCheckGroup::StoreDisplayValue(const Variant&) {
    const Variant old = GetEditValue();
    TcxCheckStates& states = CheckStatesBuffer();
    states.resize(static_cast<size_t>(GetButtonCount()));
    for (int i = 0; i < GetButtonCount(); ++i) states[i] = GetButton(i)->GetState();
    Variant value;
    GetEffectiveCheckProperties()->CheckStatesToEditValue(StandaloneSenderOrNil(this), value);
    TcxCustomButtonGroup::StoreEditValue(value);
    if (!VariantsIdentical(old, value)) NotifyEditValueChanged();
}

void TcxCustomCheckGroup::ButtonStateChanged() {
    if (writingStates_) return;
    TcxEditChangeEventsHold hold(this, true);
    try {
        StoreDisplayValue(Variant());
    } catch (const EConvertError&) {
        // The state cannot be stored: the buttons show the value again.
        ShowEditValue();
        throw;
    }
    ValueChangedByUser();
    if (GetEffectiveProperties()->ImmediatePost && HasPendingInput() && ValidateInput(true)) PostEditValue(false);
}

void TcxCustomCheckGroup::ApplyPropertiesChange(TcxCustomEditProperties* properties) {
    TcxCustomButtonGroup::ApplyPropertiesChange(properties);
    if (GetButtonCount() == 0 && GetEffectiveCheckProperties()->GetItems()->GetCount() > 0) return;
    TcxCustomCheckGroupProperties* p = GetEffectiveCheckProperties();
    try {
        StoreDisplayValue(Variant());
    } catch (const EConvertError&) {
        // A new format that cannot hold the states is refused: states, value and format stay.
        if (p->GetEditValueFormat() != appliedFormat_) p->SetEditValueFormat(appliedFormat_);
        throw;
    }
    appliedFormat_ = p->GetEditValueFormat();
    ShowEditValue();
}

bool TcxCustomCheckGroup::ShouldStoreEditValue() const {
    if (GetEffectiveCheckProperties()->GetEditValueFormat() == cvfInteger) {
        const Variant& value = GetEditValue();
        return !value.IsNull() && VarHoldsNumber(value) && value.AsInt64() != 0;
    }
    return !VarToStr(GetEditValue()).empty();
}

void TcxCustomCheckGroup::SyncButtonsWithItems() {
    TcxCustomButtonGroup::SyncButtonsWithItems();
    TcxCustomCheckGroupProperties* p = GetEffectiveCheckProperties();
    TcxButtonGroupViewInfo* vi = GetGroupViewInfo();
    for (int i = 0; i < GetButtonCount() && i < p->GetItems()->GetCount(); ++i) {
        TcxCheckGroupButton* button = GetButton(i);
        auto* bp = static_cast<TcxCheckBoxProperties*>(button->GetProperties());
        bp->BeginChanges();
        struct End {
            TcxCheckBoxProperties* p;
            ~End() { p->EndChanges(); }
        } end{bp};
        bp->SetAlignmentHorz(p->GetItemAlignment());
        // An integer value has no room for a grayed state, so clicks do not offer it.
        bp->SetAllowGrayed(p->GetAllowGrayed() && p->GetEditValueFormat() != cvfInteger);
        button->SetCaption(p->GetItems()->GetItem(i)->GetCaption());
        bp->SetMultiLine(p->GetWordWrap());
        bp->SetGlyphCount(p->GetGlyphCount());
        bp->SetReadOnly(GetDataBinding()->SourceHasData() && p->GetReadOnly());
        if (vi && vi->ButtonCount() > 0)
            button->GetStyle()->GetLookAndFeel()->SetKind(ButtonLookToLookAndFeelKind(vi->Button(0)->ButtonStyle));
        button->OnEditing = [this](TObject*, bool& canEdit) { canEdit = RequestEditing(); };
        button->OnFocusChanged = [this](TObject*) { FocusStateChanged(); };
        bp->OnChange = [this](TObject*) { ButtonStateChanged(); };
    }
    if (focusIndex_ >= GetButtonCount()) focusIndex_ = -1;
}

void TcxCustomCheckGroup::ApplyStyleToButtons() {
    TcxCustomEditStyle* style = GetEffectiveStyle();
    for (int i = 0; i < GetButtonCount(); ++i) {
        TcxCheckGroupButton* button = GetButton(i);
        button->GetStyle()->SetColor(style->GetColor());
        button->GetStyle()->SetFont(style->EffectiveFont());
        button->GetStyle()->SetTextColor(style->GetTextColor());
        button->GetStyle()->SetBorderStyle(style->GetBorderStyle());
        if (!button->GetEnabled()) {
            button->GetStyleDisabled()->SetColor(style->GetColor());
            button->GetStyleDisabled()->SetTextColor(GetStyleDisabled()->GetTextColor());
        }
        button->SetTransparent(IsTransparent());
    }
}

int TcxCustomCheckGroup::FindFocusableButton(int start) const {
    const int count = GetButtonCount();
    if (count == 0) return -1;
    if (start < 0 || start >= count) start = 0;
    for (int k = 0; k < count; ++k) {
        const int i = (start + k) % count;
        if (GetButton(i)->CanFocus()) return i;
    }
    return -1;
}

void TcxCustomCheckGroup::RememberFocusedButton(TcxCheckGroupButton* button) {
    focusIndex_ = IndexOfButton(button);
}

void TcxCustomCheckGroup::MoveFocusFrom(TcxCheckGroupButton* button, bool forward) {
    const int count = GetButtonCount();
    const int start = IndexOfButton(button);
    if (start < 0) return;
    for (int k = 1; k < count; ++k) {
        const int i = ((start + (forward ? k : -k)) % count + count) % count;
        if (GetButton(i)->GetEnabled() && GetButton(i)->CanFocus()) {
            GetButton(i)->SetFocus();
            return;
        }
    }
}

void TcxCustomCheckGroup::SetFocus() {
    TcxCustomButtonGroup::SetFocus();
    focusIndex_ = FindFocusableButton(focusIndex_);
    if (focusIndex_ >= 0) GetButton(focusIndex_)->SetFocus();
}

void TcxCustomCheckGroup::GetTabOrderList(std::vector<TWinControl*>& list) const {
    const auto self = std::find(list.begin(), list.end(), const_cast<TcxCustomCheckGroup*>(this));
    int index = FocusedButtonIndex();
    if (index < 0) index = FindFocusableButton(focusIndex_);
    TWinControl* button = index >= 0 && GetTabStop() ? ButtonAt(index) : nullptr;
    // Asked for its own children (an accelerator selecting its first one), it offers the button alone.
    if (self == list.end()) {
        if (button) list.push_back(button);
    } else if (!button) {
        list.erase(self);
    } else {
        *self = button;
    }
}

void TcxCustomCheckGroup::AttachEditData(TcxCustomEditData*& data) {
    TcxCustomButtonGroup::AttachEditData(data);
    focusIndex_ = 0;
}

// ---- unit ----

namespace {
int checkGroupUnitCounter = 0;
}

void InitializeCheckGroupUnit() {
    if (checkGroupUnitCounter++ != 0) return;
    InitializeCheckBoxUnit();
    GetEditPropertiesRegistry()->AddClass(TcxCheckGroupProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryCheckGroupItem));
    GetFilterEditHelperRegistry()->AddPair(TcxCheckGroupProperties::StaticClass(),
                                           TcxFilterCheckGroupHelper::StaticClass());
}

void FinalizeCheckGroupUnit() {
    if (checkGroupUnitCounter == 0 || --checkGroupUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxCheckGroupProperties::StaticClass(),
                                              TcxFilterCheckGroupHelper::StaticClass());
    GetEditPropertiesRegistry()->RemoveClass(TcxCheckGroupProperties::StaticClass());
    FinalizeCheckBoxUnit();
}

} // namespace zorvy
