// TcxCustomTextEditProperties: the text settings, their assigned flags, which texts are acceptable,
// and the range check of number editors.
#include "controls/editors/text/TextEdit.h"

#include "platform/rtl/Filer.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/Strings.h"

#include <algorithm>

namespace zorvy {

// ---- assigned flags ----

void TcxTextEditPropertiesValues::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxTextEditPropertiesValues*>(source);
    if (!other) {
        TcxCustomEditPropertiesValues::Assign(source);
        return;
    }
    BeginOwnerChanges();
    TcxCustomEditPropertiesValues::Assign(source);
    SetDisplayFormat(other->displayFormat_);
    SetEditFormat(other->editFormat_);
    SetMaxLength(other->maxLength_);
    EndOwnerChanges();
}

void TcxTextEditPropertiesValues::ClearAll() {
    BeginOwnerChanges();
    TcxCustomEditPropertiesValues::ClearAll();
    SetDisplayFormat(false);
    SetEditFormat(false);
    SetMaxLength(false);
    EndOwnerChanges();
}

void TcxTextEditPropertiesValues::SetMaxLength(bool value) {
    if (maxLength_ == value) return;
    maxLength_ = value;
    if (auto* p = dynamic_cast<TcxCustomTextEditProperties*>(GetOwner())) p->MaxLengthChanged();
}

// ---- settings ----

TcxCustomTextEditProperties::TcxCustomTextEditProperties(TPersistent* owner) : TcxCustomEditProperties(owner) {
    RecreatePropertiesValues();
}

void TcxCustomTextEditProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomTextEditProperties*>(source);
    if (!other) {
        TcxCustomEditProperties::Assign(source);
        return;
    }
    BeginChanges();
    TcxCustomEditProperties::Assign(source);
    SetCharCase(other->charCase_);
    SetEchoMode(other->echoMode_);
    SetFixedListPrefixSelection(other->fixedListPrefixSelection_);
    SetHideCursor(other->hideCursor_);
    SetHideSelection(other->hideSelection_);
    SetIncrementalSearch(other->incrementalSearch_);
    SetSyncByWholeText(other->syncByWholeText_);
    ImmediateUpdateText = other->ImmediateUpdateText;
    ExtraAcceptedChars = other->ExtraAcceptedChars;
    // The source's order survives unless it sorts.
    SetLookupItemsSorted(false);
    SetLookupItems(other->lookupItems_);
    SetLookupItemsSorted(other->lookupItemsSorted_);
    // Each format and the length go through their setters only when the source assigned them.
    TcxTextEditPropertiesValues* own = GetTextAssignedValues();
    const TcxTextEditPropertiesValues* theirs = other->GetTextAssignedValues();
    own->SetDisplayFormat(false);
    if (theirs->GetDisplayFormat()) SetDisplayFormat(other->GetDisplayFormat());
    own->SetEditFormat(false);
    if (theirs->GetEditFormat()) SetEditFormat(other->GetEditFormat());
    own->SetMaxLength(false);
    if (theirs->GetMaxLength()) SetMaxLength(other->GetMaxLength());
    SetOEMConvert(other->oemConvert_);
    SetImeMode(other->imeMode_);
    SetImeName(other->imeName_);
    SetPasswordChar(other->passwordChar_);
    SetUseDisplayFormatWhenEditing(other->useDisplayFormatWhenEditing_);
    OnNewLookupDisplayText = other->OnNewLookupDisplayText;
    EndChanges(true);
}

namespace {
template <class T> void SetSetting(TcxCustomTextEditProperties& p, T& field, const T& value) {
    if (field == value) return;
    field = value;
    p.Changed();
}
} // namespace

void TcxCustomTextEditProperties::SetCharCase(TEditCharCase value) {
    SetSetting(*this, charCase_, value);
}
void TcxCustomTextEditProperties::SetEchoMode(TcxEditEchoMode value) {
    SetSetting(*this, echoMode_, value);
}
void TcxCustomTextEditProperties::SetPasswordChar(char32_t value) {
    SetSetting(*this, passwordChar_, value);
}
void TcxCustomTextEditProperties::SetHideCursor(bool value) {
    SetSetting(*this, hideCursor_, value);
}
void TcxCustomTextEditProperties::SetHideSelection(bool value) {
    SetSetting(*this, hideSelection_, value);
}
void TcxCustomTextEditProperties::SetImeMode(TImeMode value) {
    SetSetting(*this, imeMode_, value);
}
void TcxCustomTextEditProperties::SetImeName(const std::string& value) {
    SetSetting(*this, imeName_, value);
}
void TcxCustomTextEditProperties::SetOEMConvert(bool value) {
    SetSetting(*this, oemConvert_, value);
}
void TcxCustomTextEditProperties::SetUseDisplayFormatWhenEditing(bool value) {
    SetSetting(*this, useDisplayFormatWhenEditing_, value);
}
void TcxCustomTextEditProperties::SetIncrementalSearch(bool value) {
    SetSetting(*this, incrementalSearch_, value);
}
void TcxCustomTextEditProperties::SetSyncByWholeText(bool value) {
    SetSetting(*this, syncByWholeText_, value);
}

void TcxCustomTextEditProperties::SetFixedListPrefixSelection(bool value) {
    if (fixedListPrefixSelection_ == value) return;
    fixedListPrefixSelection_ = value;
    if (GetInputStyle() == istListOnly) Changed();
}

namespace {
bool TextBefore(const std::string& a, const std::string& b) {
    return AnsiCompareText(a, b) < 0;
}
} // namespace

void TcxCustomTextEditProperties::SetLookupItems(const std::vector<std::string>& items) {
    std::vector<std::string> lines = items;
    if (lookupItemsSorted_) std::stable_sort(lines.begin(), lines.end(), TextBefore);
    const bool hadObjects = std::any_of(lookupObjects_.begin(), lookupObjects_.end(), [](TObject* o) { return o; });
    if (lookupItems_ == lines && !hadObjects) return;
    lookupItems_ = std::move(lines);
    lookupObjects_.assign(lookupItems_.size(), nullptr);
    Changed();
}

void TcxCustomTextEditProperties::AddLookupItem(const std::string& item, TObject* object) {
    auto at = lookupItems_.end();
    if (lookupItemsSorted_) at = std::upper_bound(lookupItems_.begin(), lookupItems_.end(), item, TextBefore);
    lookupObjects_.insert(lookupObjects_.begin() + (at - lookupItems_.begin()), object);
    lookupItems_.insert(at, item);
    Changed();
}

TObject* TcxCustomTextEditProperties::GetLookupItemObject(int index) const {
    return index >= 0 && index < static_cast<int>(lookupObjects_.size()) ? lookupObjects_[index] : nullptr;
}

void TcxCustomTextEditProperties::SetLookupItemsSorted(bool value) {
    if (lookupItemsSorted_ == value) return;
    lookupItemsSorted_ = value;
    if (!value) return;
    // Lines and their objects move together.
    std::vector<std::size_t> order(lookupItems_.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [this](std::size_t a, std::size_t b) { return TextBefore(lookupItems_[a], lookupItems_[b]); });
    if (std::is_sorted(order.begin(), order.end())) return;
    std::vector<std::string> lines;
    std::vector<TObject*> objects;
    for (std::size_t i : order) {
        lines.push_back(lookupItems_[i]);
        objects.push_back(lookupObjects_[i]);
    }
    lookupItems_ = std::move(lines);
    lookupObjects_ = std::move(objects);
    Changed();
}

TcxTextEditViewStyle TcxCustomTextEditProperties::GetViewStyle() const {
    switch (GetButtonsViewStyle()) {
    case bvsButtonsOnly:
        return vsButtonsOnly;
    case bvsButtonsAutoWidth:
        return vsButtonsAutoWidth;
    default:
        return hideCursor_ ? vsHideCursor : vsNormal;
    }
}

void TcxCustomTextEditProperties::SetViewStyle(TcxTextEditViewStyle value) {
    if (value == GetViewStyle()) return;
    BeginChanges();
    SetButtonsViewStyle(value == vsButtonsOnly        ? bvsButtonsOnly
                        : value == vsButtonsAutoWidth ? bvsButtonsAutoWidth
                                                      : bvsNormal);
    SetHideCursor(value != vsNormal);
    EndChanges(true);
}

int TcxCustomTextEditProperties::GetSourceMaxLength() const {
    IcxEditDefaultValuesProvider* provider = GetDefaultValuesProvider();
    return provider ? provider->GetMaxLength() : 0;
}

int TcxCustomTextEditProperties::GetMaxLength() const {
    return GetTextAssignedValues()->GetMaxLength() ? maxLength_ : GetSourceMaxLength();
}

void TcxCustomTextEditProperties::SetMaxLength(int value) {
    if (value < 0) value = 0;
    TcxTextEditPropertiesValues* assigned = GetTextAssignedValues();
    if (assigned->GetMaxLength() && maxLength_ == value) return;
    maxLength_ = value;
    if (assigned->GetMaxLength())
        MaxLengthChanged();
    else
        assigned->SetMaxLength(true); // which tells of the change
}

void TcxCustomTextEditProperties::FormatSettingsChanged() {
    inFormatChange_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{inFormatChange_};
    Changed();
}

// ---- acceptable texts ----

bool TcxCustomTextEditProperties::IsInLookupItems(const std::string& text) const {
    for (const std::string& item : lookupItems_)
        if (AnsiSameText(item, text)) return true;
    return false;
}

bool TcxCustomTextEditProperties::CheckTextValue(std::string& text) const {
    const TcxEditInputStyle style = GetInputStyle();
    if (!text.empty() && (style == istListCompleted || style == istListOnly) && UsesLookupList() &&
        !IsInLookupItems(text))
        return false;
    if (charCase_ == ecUpperCase) text = AnsiUpperCase(text);
    if (charCase_ == ecLowerCase) text = AnsiLowerCase(text);
    return true;
}

bool TcxCustomTextEditProperties::IsValidEditValue(const Variant& value, bool) const {
    if (!value.IsString()) return true;
    std::string text = value.AsString();
    return CheckTextValue(text);
}

// ---- range ----

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

void TcxCustomTextEditProperties::DefineProperties(TFiler* filer) {
    TcxCustomEditProperties::DefineProperties(filer);
    filer->DefineProperty(
        "IsDisplayFormatAssigned",
        [this](TReader& reader) { GetTextAssignedValues()->SetDisplayFormat(reader.ReadBoolean()); }, nullptr, false);
}

} // namespace zorvy
