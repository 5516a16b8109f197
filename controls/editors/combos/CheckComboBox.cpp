// The check combo box: items, settings and value conversions, lookup data, the cell text, the control
// and the unit. The list that paints and toggles the checks is in CheckComboBoxList.cpp.
#include "controls/editors/combos/CheckComboBox.h"

#include "controls/editors/checks/CheckBox.h"
#include "controls/editors/combos/CheckFilterHelpers.h"
#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "platform/classlib/Bitmap.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"
#include "platform/win/Windows.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryCheckComboBoxItem, "CheckComboBox|Represents a CheckComboBox");
ZORVY_RESOURCESTRING(cxSCheckComboBoxEmptySelectionText, "None selected");

// ---- items ----

void TcxCheckComboBoxItem::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxCheckComboBoxItem*>(source)) SetShortDescription(other->shortDescription_);
    TcxButtonGroupItem::Assign(source);
}

void TcxCheckComboBoxItem::SetShortDescription(const std::string& value) {
    if (value == shortDescription_) return;
    shortDescription_ = value;
    NotifyCollection(bgicChanged);
}

const std::string& TcxCheckComboBoxItem::GetDisplayDescription() const {
    return shortDescription_.empty() ? GetDescription() : shortDescription_;
}

// ---- paint helper ----

TcxCheckPaintHelper::TcxCheckPaintHelper() : style_(std::make_unique<TcxEditStyle>(this)) {}

TcxCheckPaintHelper::~TcxCheckPaintHelper() = default;

TcxCheckBoxState TcxCheckPaintHelper::NextState(TcxCheckBoxState state) {
    return state == cbsUnchecked ? cbsChecked : cbsUnchecked;
}

TRect TcxCheckPaintHelper::GetTextRect(const TRect& row) {
    TRect r = row;
    r.Left += std::max(row.Height(), 0) + 2;
    return r;
}

// ---- settings ----

TcxCustomCheckComboBoxProperties::TcxCustomCheckComboBoxProperties(TPersistent* owner)
    : TcxCustomComboBoxProperties(owner), paintHelper_(std::make_unique<TcxCheckPaintHelper>()),
      items_(std::make_unique<TcxCheckComboBoxItems>(this)) {
    emptySelectionText_ = ResolveResourceString(cxSCheckComboBoxEmptySelectionText);
    SetDropDownListStyle(lsFixedList);
}

TcxCustomCheckComboBoxProperties::~TcxCustomCheckComboBoxProperties() {
    BeginChanges();
    items_.reset();
    EndChanges(false);
}

void TcxCustomCheckComboBoxProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomCheckComboBoxProperties*>(source);
    if (!other) {
        TcxCustomComboBoxProperties::Assign(source);
        return;
    }
    BeginChanges();
    struct End {
        TcxCustomCheckComboBoxProperties* p;
        ~End() { p->EndChanges(); }
    } end{this};
    TcxCustomComboBoxProperties::Assign(source);
    SetDelimiter(other->delimiter_);
    SetEditValueFormat(other->editValueFormat_);
    SetGlyph(other->glyph_.get());
    SetGlyphCount(other->glyphCount_);
    SetShowEmptyText(other->showEmptyText_);
    SetEmptySelectionText(other->emptySelectionText_);
    SetItems(other->items_.get());
    OnClickCheck = other->OnClickCheck;
    OnEditValueToStates = other->OnEditValueToStates;
    OnStatesToEditValue = other->OnStatesToEditValue;
}

void TcxCustomCheckComboBoxProperties::SetEditValueFormat(TcxCheckStatesValueFormat value) {
    if (value == editValueFormat_) return;
    editValueFormat_ = value;
    items_->ReportItemChange(-1, bgicNone);
}

std::string TcxCustomCheckComboBoxProperties::GetEmptySelectionText() const {
    return emptySelectionText_;
}

bool TcxCustomCheckComboBoxProperties::IsEmptySelectionTextStored() const {
    return emptySelectionText_ != ResolveResourceString(cxSCheckComboBoxEmptySelectionText);
}

TBitmap* TcxCustomCheckComboBoxProperties::GetGlyph() {
    if (!glyph_) {
        glyph_ = std::make_unique<TBitmap>();
        glyph_->OnChange = [this](TObject*) { Changed(); };
    }
    return glyph_.get();
}

void TcxCustomCheckComboBoxProperties::SetGlyph(TBitmap* value) {
    if (!value)
        glyph_.reset();
    else
        GetGlyph()->Assign(value);
    Changed();
}

void TcxCustomCheckComboBoxProperties::SetGlyphCount(int value) {
    if (value == glyphCount_) return;
    glyphCount_ = value;
    if (glyph_) Changed();
}

void TcxCustomCheckComboBoxProperties::SetItems(TcxCheckComboBoxItems* value) {
    items_->Assign(value);
    Changed();
}

void TcxCustomCheckComboBoxProperties::EditValueToCheckStates(TObject* sender, const Variant& value,
                                                              TcxCheckStates& states) {
    if (OnEditValueToStates) {
        states.assign(static_cast<size_t>(items_->GetCount()), cbsUnchecked);
        OnEditValueToStates(sender, value, states);
        states.resize(static_cast<size_t>(items_->GetCount()), cbsUnchecked);
        return;
    }
    zorvy::EditValueToCheckStates(value, *items_, editValueFormat_, states);
}

void TcxCustomCheckComboBoxProperties::CheckStatesToEditValue(TObject* sender, const TcxCheckStates& states,
                                                              Variant& value) {
    if (OnStatesToEditValue) {
        value = Variant();
        OnStatesToEditValue(sender, states, value);
        return;
    }
    zorvy::CheckStatesToEditValue(states, *items_, editValueFormat_, value);
}

void TcxCustomCheckComboBoxProperties::GetStatesDisplayText(const TcxCheckStates& states, std::string& text) const {
    text.clear();
    const int count = std::min(items_->GetCount(), static_cast<int>(states.size()));
    for (int i = 0; i < count; ++i) {
        if (states[i] != cbsChecked) continue;
        if (!text.empty()) text += delimiter_;
        text += items_->GetItem(i)->GetDisplayDescription();
    }
    if (text.empty() && showEmptyText_) text = emptySelectionText_;
}

void TcxCustomCheckComboBoxProperties::ToDisplayValue(const Variant& value, Variant& displayValue, bool) {
    TcxCheckStates& states = CheckStatesBuffer();
    EditValueToCheckStates(nullptr, value, states);
    std::string text;
    GetStatesDisplayText(states, text);
    displayValue = Variant(text);
}

void TcxCustomCheckComboBoxProperties::FormatDisplayText(const Variant& value, std::string& text, bool isEditing) {
    Variant display;
    ToDisplayValue(value, display, isEditing);
    text = VarToStr(display);
    ApplyDisplayTransform(text);
}

const TMetaClass* TcxCustomCheckComboBoxProperties::GetLookupDataClass() const {
    return TcxCheckComboBoxLookupData::StaticClass();
}

TcxEditPopupWindowFactory TcxCustomCheckComboBoxProperties::GetPopupWindowClass() const {
    return [](TWinControl* ownerEdit) -> TcxCustomEditPopupWindow* {
        return new TcxCheckComboBoxPopupWindow(ownerEdit);
    };
}

TcxCustomEditViewData* TcxCustomCheckComboBoxProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace,
                                                                       bool flag) {
    auto* viewData = new TcxCustomCheckComboBoxViewData(this, style, isInplace);
    viewData->NoText = flag;
    return viewData;
}

const TMetaClass* TcxCustomCheckComboBoxProperties::GetEditControlClass() const {
    return TcxCheckComboBox::StaticClass();
}

TcxCustomEdit* TcxCustomCheckComboBoxProperties::CreateEditControl(bool inplace) const {
    return new TcxCheckComboBox(nullptr, inplace, ClassType());
}

// ---- lookup data and cells ----

const TcxCustomCheckComboBoxProperties* TcxCheckComboBoxLookupData::CheckProperties() const {
    return dynamic_cast<const TcxCustomCheckComboBoxProperties*>(Properties());
}

std::string TcxCheckComboBoxLookupData::GetItemText(int index) const {
    const TcxCustomCheckComboBoxProperties* p = CheckProperties();
    if (!p || index < 0 || index >= p->GetItems()->GetCount()) return {};
    return p->GetItems()->GetItem(index)->GetDescription();
}

int TcxCheckComboBoxLookupData::GetItemCount() const {
    const TcxCustomCheckComboBoxProperties* p = CheckProperties();
    return p ? p->GetItems()->GetCount() : 0;
}

const TMetaClass* TcxCheckComboBoxLookupData::GetListBoxClass() const {
    return TcxCustomCheckComboBoxListBox::StaticClass();
}

void TcxCustomCheckComboBoxViewData::EditValueToText(const Variant& value, std::string& text) {
    auto* p = static_cast<TcxCustomCheckComboBoxProperties*>(GetProperties());
    TcxCheckStates& states = CheckStatesBuffer();
    p->EditValueToCheckStates(Edit && !IsInplace() ? Edit : nullptr, value, states);
    p->GetStatesDisplayText(states, text);
    p->ApplyDisplayTransform(text);
}

// ---- the control ----

namespace {

TcxEditBorderStyle CheckFrameStyleOfLook(TcxLookAndFeelKind kind) {
    switch (kind) {
    case lfFlat: return TcxEditBorderStyle::ebsFlat;
    case lfUltraFlat: return TcxEditBorderStyle::ebsUltraFlat;
    case lfOffice11: return TcxEditBorderStyle::ebsOffice11;
    default: return TcxEditBorderStyle::ebs3D;
    }
}

} // namespace

TcxCustomCheckComboBox::TcxCustomCheckComboBox(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomComboBox(owner, inplace, propertiesClass) {
    ControlStyle &= ~csClickEvents;
    appliedFormat_ = GetCheckProperties()->GetEditValueFormat();
    states_.assign(static_cast<size_t>(GetCheckProperties()->GetItems()->GetCount()), cbsUnchecked);
    UpdateNativeStyle();
    SetEditValue(Variant(0));
}

void TcxCustomCheckComboBox::UpdateNativeStyle() {
    if (IsDestroying()) return;
    TcxLookAndFeel* look = GetPopupLookAndFeel();
    nativeCheck_ = look->GetNativeStyle() && CanUseThemesFor(ThemeKindSet(tokButton) | ThemeKindSet(tokComboBox));
    checkFrameStyle_ = CheckFrameStyleOfLook(look->GetKind());
}

TcxCheckBoxState TcxCustomCheckComboBox::GetItemState(int index) const {
    return index >= 0 && index < static_cast<int>(states_.size()) ? states_[index] : cbsUnchecked;
}

void TcxCustomCheckComboBox::SetItemState(int index, TcxCheckBoxState state) {
    if (index < 0 || index >= static_cast<int>(states_.size())) return;
    const TcxCheckBoxState old = states_[index];
    states_[index] = state;
    try {
        CommitDisplayText();
    } catch (const EConvertError&) {
        // A state the value's format cannot hold is refused: the item keeps its state.
        states_[index] = old;
        throw;
    }
}

bool TcxCustomCheckComboBox::IsItemToggleAllowed(int index) {
    bool allow = true;
    TWeakLink<TcxCustomCheckComboBox> self(this);
    auto* own = dynamic_cast<TcxCustomCheckComboBoxProperties*>(GetProperties());
    if (own && own->OnClickCheck) own->OnClickCheck(this, index, allow);
    if (!self) return false;
    auto* item = GetRepositoryItem() ? GetCheckProperties() : nullptr;
    if (item && item != own && item->OnClickCheck) {
        bool itemAllows = true;
        item->OnClickCheck(this, index, itemAllows);
        allow = allow && itemAllows;
    }
    return allow;
}

bool TcxCustomCheckComboBox::CanToggleItem(int index) {
    TWeakLink<TcxCustomCheckComboBox> self(this);
    if (!IsValueChangeAllowed() || !self) return false;
    if (!IsItemToggleAllowed(index) || !self) return false;
    return RequestEditing();
}

void TcxCustomCheckComboBox::SetItemIndex(int index) {
    if (GetLookupData()) GetLookupData()->SetCurrentKey(index);
}

bool TcxCustomCheckComboBox::ShouldStoreEditValue() const {
    const Variant& value = GetEditValue();
    if (GetCheckProperties()->GetEditValueFormat() == cvfInteger)
        return !value.IsNull() && VarHoldsNumber(value) && value.AsInt64() != 0;
    return !VarToStr(value).empty();
}

void TcxCustomCheckComboBox::ApplyPropertiesChange(TcxCustomEditProperties* properties) {
    TcxCustomCheckComboBoxProperties* p = GetCheckProperties();
    TcxCheckComboBoxItems* items = p->GetItems();
    // A deleted item takes its state with it; the others keep theirs.
    if (items->IsNotifying() && items->GetChangeKind() == bgicDeleted) {
        const int gone = items->GetChangedIndex();
        if (gone >= 0 && gone < static_cast<int>(states_.size()) - 1) states_.erase(states_.begin() + gone);
    }
    states_.resize(static_cast<size_t>(items->GetCount()), cbsUnchecked);
    TWeakLink<TcxCustomCheckComboBox> self(this);
    TcxCustomComboBox::ApplyPropertiesChange(properties);
    if (!self) return;
    if (IsChangedSinceEnter()) {
        RefreshDisplayText();
    } else if (IsFieldBound()) {
        ShowEditValue();
    } else {
        Variant value;
        try {
            p->CheckStatesToEditValue(StandaloneSenderOrNil(this), states_, value);
        } catch (const EConvertError&) {
            // A format that cannot hold the states is refused: states, value and format stay.
            if (p->GetEditValueFormat() != appliedFormat_) p->SetEditValueFormat(appliedFormat_);
            throw;
        }
        SetEditValue(value);
    }
    appliedFormat_ = p->GetEditValueFormat();
}

void TcxCustomCheckComboBox::ShowEditValue() {
    GetCheckProperties()->EditValueToCheckStates(StandaloneSenderOrNil(this), GetEditValue(), states_);
    RefreshDisplayText();
}

void TcxCustomCheckComboBox::CommitDisplayText() {
    Variant value;
    GetCheckProperties()->CheckStatesToEditValue(StandaloneSenderOrNil(this), states_, value);
    SetValueAsUser(value);
}

void TcxCustomCheckComboBox::RefreshDisplayText() {
    if (showingText_) {
        TcxCustomComboBox::RefreshDisplayText();
        return;
    }
    std::string text;
    GetCheckProperties()->GetStatesDisplayText(states_, text);
    GetCheckProperties()->ApplyDisplayTransform(text);
    // The text is shown as it is, never read back as a value; showing it refreshes the painted text.
    PushModifiedFlags();
    const bool locked = IsLookupSyncLocked();
    showingText_ = true;
    SetLookupSyncLocked(true);
    struct Restore {
        TcxCustomCheckComboBox* edit;
        bool locked;
        ~Restore() {
            edit->SetLookupSyncLocked(locked);
            edit->showingText_ = false;
            edit->PopModifiedFlags();
        }
    } restore{this, locked};
    ShowDisplayValue(Variant(text));
    if (ShowsInnerEdit()) TcxCustomComboBox::RefreshDisplayText();
}

void TcxCustomCheckComboBox::ClosePopup(TcxEditCloseUpReason reason) {
    if (!GetDroppedDown()) return;
    TWeakLink<TcxCustomCheckComboBox> self(this);
    TcxCustomComboBox::ClosePopup(reason);
    if (!self || !GetCheckProperties()->ImmediatePost || !HasPendingInput()) return;
    if (ValidateInput(true) && self) PostEditValue(false);
}

TcxCustomCheckComboBoxListBox* TcxCustomCheckComboBox::CheckList() const {
    return dynamic_cast<TcxCustomCheckComboBoxListBox*>(GetLookupList());
}

void TcxCustomCheckComboBox::PopupShown() {
    TWeakLink<TcxCustomCheckComboBox> self(this);
    TcxCustomComboBox::PopupShown();
    if (!self) return;
    if (TcxCustomCheckComboBoxListBox* list = CheckList(); list && list->HandleAllocated()) {
        TPoint p{};
        GetCursorPos(p);
        list->RecalcHotAndPressed(list->ScreenToClient(p), CurrentShiftState());
    }
}

void TcxCustomCheckComboBox::KeyPress(char32_t& key) {
    TcxCustomCheckComboBoxListBox* list = CheckList();
    if (key != U' ' || !GetDroppedDown() || !list) {
        TcxCustomComboBox::KeyPress(key);
        return;
    }
    TWeakLink<TcxCustomCheckComboBox> self(this);
    if (OnKeyPress) OnKeyPress(this, key);
    if (!self || !list->HandleAllocated()) return;
    SendMessage(list->GetHandle(), WM_CHAR, static_cast<WPARAM>(key), 0);
    key = 0;
}

bool TcxCustomCheckComboBox::UpdateStateFromMouse(TPoint p, int buttonCode, TShiftState shift, bool isMouseEvent) {
    const bool result = TcxCustomComboBox::UpdateStateFromMouse(p, buttonCode, shift, isMouseEvent);
    if (!IsDestroying()) GetCheckProperties()->GetPaintHelper()->GetStyle()->Assign(GetEffectiveStyle());
    return result;
}

// ---- unit ----

namespace {
int checkComboBoxUnitCounter = 0;
}

void InitializeCheckComboBoxUnit() {
    if (checkComboBoxUnitCounter++ != 0) return;
    // The rows' ticks are the check box unit's mask.
    InitializeCheckBoxUnit();
    GetEditPropertiesRegistry()->AddClass(TcxCheckComboBoxProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryCheckComboBoxItem));
    GetFilterEditHelperRegistry()->AddPair(TcxCheckComboBoxProperties::StaticClass(),
                                           TcxFilterCheckComboBoxHelper::StaticClass());
}

void FinalizeCheckComboBoxUnit() {
    if (checkComboBoxUnitCounter == 0 || --checkComboBoxUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxCheckComboBoxProperties::StaticClass(),
                                              TcxFilterCheckComboBoxHelper::StaticClass());
    GetEditPropertiesRegistry()->RemoveClass(TcxCheckComboBoxProperties::StaticClass());
    FinalizeCheckBoxUnit();
}

} // namespace zorvy
