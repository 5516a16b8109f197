#include "controls/editors/text/TextEdit.h"

#include "controls/editors/text/TextEditViewInfo.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/win/VirtualKeys.h"

#include <cctype>

namespace zorvy {

const TMetaClass* TcxCustomTextEditProperties::GetEditControlClass() const {
    return TcxTextEdit::StaticClass();
}

TcxCustomEditViewData* TcxCustomTextEditProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace,
                                                                 bool flag) {
    auto* viewData = new TcxCustomTextEditViewData(this, style, isInplace);
    viewData->NoText = flag;
    return viewData;
}

TcxCustomEditViewInfoClass TcxCustomTextEditProperties::GetViewInfoClass() const {
    return TcxCustomTextEditViewInfo::StaticClass();
}

TcxCustomEdit* TcxCustomTextEditProperties::CreateEditControl(bool inplace) const {
    return new TcxTextEdit(nullptr, inplace, ClassType());
}

void TcxCustomTextEditProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomTextEditProperties*>(source);
    if (!other) {
        TcxCustomEditProperties::Assign(source);
        return;
    }
    BeginChanges();
    TcxCustomEditProperties::Assign(source);
    SetFixedListPrefixSelection(other->fixedListPrefixSelection_);
    SetIncrementalSearch(other->incrementalSearch_);
    SetSyncByWholeText(other->syncByWholeText_);
    SetLookupItems(other->lookupItems_);
    SetDisplayFormat(other->displayFormat_);
    SetMaxLength(other->maxLength_);
    EndChanges(true);
}

void TcxCustomTextEditProperties::SetMaxLength(int value) {
    if (value < 0) value = 0;
    if (maxLength_ == value) return;
    maxLength_ = value;
    Changed();
}

void TcxCustomTextEditProperties::SetLookupItems(const std::vector<std::string>& items) {
    if (lookupItems_ == items) return;
    lookupItems_ = items;
    Changed();
}

void TcxCustomTextEditProperties::AddLookupItem(const std::string& item) {
    lookupItems_.push_back(item);
    Changed();
}

void TcxCustomTextEditProperties::SetIncrementalSearch(bool value) {
    if (incrementalSearch_ == value) return;
    incrementalSearch_ = value;
    Changed();
}

void TcxCustomTextEditProperties::SetFixedListPrefixSelection(bool value) {
    if (fixedListPrefixSelection_ == value) return;
    fixedListPrefixSelection_ = value;
    if (GetInputStyle() == istListOnly) Changed();
}

ZORVY_RESOURCESTRING(scxEditValueOutOfBounds, "Value out of bounds");

bool TcxCustomTextEditProperties::IsBoundActive(int bound) {
    const bool minAssigned = GetAssignedValues()->GetMinValue(), maxAssigned = GetAssignedValues()->GetMaxValue();
    if (minAssigned != maxAssigned) return bound == 0 ? minAssigned : maxAssigned;
    // Both set by the user are both checked, whatever their order (5 and 5 accept only 5).
    if (minAssigned) return true;
    return GetMaxValue() > GetMinValue();
}

void TcxCustomTextEditProperties::VerifyRange(const Variant& displayValue, std::string& errorText, bool& error) {
    double value;
    if (!TryStrToFloat(VarToStr(displayValue), value)) return;
    if ((IsBoundActive(0) && value < GetMinValue()) || (IsBoundActive(1) && value > GetMaxValue())) {
        error = true;
        errorText = MakeValidationErrorText(1);
    }
}

void TcxCustomTextEditProperties::VerifyDisplayValue(Variant& displayValue, std::string& errorText,
                                                     TcxCustomEdit* edit, bool& error) {
    if (HoldsNumbers() && HasValueRange()) VerifyRange(displayValue, errorText, error);
    TcxCustomEditProperties::VerifyDisplayValue(displayValue, errorText, edit, error);
}

std::string TcxCustomTextEditProperties::MakeValidationErrorText(int errorKind) const {
    return errorKind == 1 ? ResolveResourceString(scxEditValueOutOfBounds)
                          : TcxCustomEditProperties::MakeValidationErrorText(errorKind);
}

void TcxCustomTextEditProperties::SetDisplayFormat(const std::string& value) {
    if (displayFormat_ == value) return;
    displayFormat_ = value;
    Changed();
}

std::string TcxCustomTextEditProperties::FormatValueText(const Variant& value, bool editingForm) const {
    if (editingForm || displayFormat_.empty() || value.IsNull() || value.IsEmpty()) return VarToStr(value);
    double number;
    if (!TryStrToFloat(VarToStr(value), number)) return VarToStr(value);
    return FormatFloat(displayFormat_, number);
}

void TcxCustomTextEditProperties::FormatDisplayText(const Variant& value, std::string& text, bool isEditing) {
    text = FormatValueText(value, isEditing && !HasUnfocusedDisplayForm());
}

void TcxCustomTextEditProperties::SetSyncByWholeText(bool value) {
    if (syncByWholeText_ == value) return;
    syncByWholeText_ = value;
    Changed();
}

TcxCustomTextEdit::TcxCustomTextEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomEdit(owner, inplace, propertiesClass), inner_(new TcxCustomInnerTextEdit(this)) {
    inner_->SetParent(this);
    SetInnerEdit(inner_);
    lookupData_ = std::make_unique<TcxCustomTextEditLookupData>(this);
    lookupData_->OnSelectItem = [this](TObject*) { TakeLookupSelection(); };
    // The inner edit takes Tab itself (and hands it back), so the editor need not want it.
    if (inplace) SetWantedKeys(wkAllKeys | wkArrowKeys);
    ApplyPropertiesChange(GetEffectiveProperties());
}

void TcxCustomTextEdit::ShowDisplayValue(const Variant& value) {
    inner_->SetText(VarToStr(value));
}

void TcxCustomTextEdit::ApplyDisplayValue(const Variant& value) {
    inner_->SetText(VarToStr(value));
    if (IsUserChange()) return;
    completionHighlighted_ = false;
    StoreEditValue(value);
    SetEditModified(false);
}

void TcxCustomTextEdit::ValueChangedByUser() {
    TcxCustomEdit::ValueChangedByUser();
    // A text the search did not set itself moves the current item.
    if (!lookupSyncLocked_ && lookupData_) lookupData_->SyncWithEditText();
}

void TcxCustomTextEdit::TakeLookupSelection() {
    const int key = lookupData_->GetCurrentKey();
    if (key < 0) return;
    ApplyDisplayValue(Variant(lookupData_->GetItemText(key)));
    SelectAllText();
}

void TcxCustomTextEdit::ShowEditValue() {
    inner_->SetText(VarToStr(GetEditValue()));
}

bool TcxCustomTextEdit::IsEditingKey(std::uint16_t key, TShiftState) const {
    return key == VK_DELETE || key == VK_BACK;
}

void TcxCustomTextEdit::ApplyPropertiesChange(TcxCustomEditProperties* properties) {
    TcxCustomEdit::ApplyPropertiesChange(properties);
    // One unit for the limit: the native edit counts characters, like the editor.
    inner_->SetMaxLength(GetTextProperties()->GetMaxLength());
}

} // namespace zorvy
