// The check box settings: state values kept pairwise different, display texts, glyph, and the mapping
// of edit values to check states.
#include "controls/editors/checks/CheckBoxProperties.h"
#include "controls/editors/checks/CheckBox.h"
#include "controls/editors/checks/CheckBoxViewInfo.h"

#include "controls/data/Variants.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/classlib/Bitmap.h"

namespace zorvy {

ZORVY_RESOURCESTRING(cxSEditCheckBoxChecked, "True");
ZORVY_RESOURCESTRING(cxSEditCheckBoxGrayed, "");
ZORVY_RESOURCESTRING(cxSEditCheckBoxUnchecked, "False");

bool VariantsIdentical(const Variant& a, const Variant& b) {
    return a.VarType() == b.VarType() && VariantsEqualStrict(a, b);
}

TcxCustomCheckBoxProperties::TcxCustomCheckBoxProperties(TPersistent* owner)
    : TcxCustomEditProperties(owner),
      displayChecked_(ResolveResourceString(cxSEditCheckBoxChecked)),
      displayGrayed_(ResolveResourceString(cxSEditCheckBoxGrayed)),
      displayUnchecked_(ResolveResourceString(cxSEditCheckBoxUnchecked)) {}

TcxCustomCheckBoxProperties::~TcxCustomCheckBoxProperties() = default;

bool TcxCustomCheckBoxProperties::IsOwnerLoading() const {
    auto* component = dynamic_cast<TComponent*>(GetOwner());
    return component && component->HasState(csLoading);
}

void TcxCustomCheckBoxProperties::SetFlag(bool& field, bool value) {
    if (field == value) return;
    field = value;
    Changed();
}

void TcxCustomCheckBoxProperties::SetText(std::string& field, const std::string& value) {
    if (field == value) return;
    field = value;
    Changed();
}

// ---- states and values ----

bool TcxCustomCheckBoxProperties::IsForeignValue(const Variant& value) const {
    return !VariantsIdentical(value, valueChecked_) && !VariantsIdentical(value, valueGrayed_) &&
           !VariantsIdentical(value, valueUnchecked_);
}

void TcxCustomCheckBoxProperties::SetValueChecked(const Variant& value) {
    if (!IsOwnerLoading() && (!IsForeignValue(value) || value.IsNull())) return;
    valueChecked_ = value;
    Changed();
}

void TcxCustomCheckBoxProperties::SetValueUnchecked(const Variant& value) {
    if (!IsOwnerLoading() && (!IsForeignValue(value) || value.IsNull())) return;
    valueUnchecked_ = value;
    Changed();
}

void TcxCustomCheckBoxProperties::SetValueGrayed(const Variant& value) {
    if (!IsOwnerLoading() && !IsForeignValue(value)) return;
    valueGrayed_ = value;
    Changed();
}

TcxCheckBoxState TcxCustomCheckBoxProperties::GetValueState(const Variant& value) {
    Variant displayValue;
    ToDisplayValue(value, displayValue, false);
    return static_cast<TcxCheckBoxState>(displayValue.AsInteger());
}

void TcxCustomCheckBoxProperties::ToDisplayValue(const Variant& value, Variant& displayValue, bool) {
    TcxCheckBoxState state = cbsGrayed;
    if (VariantsEqualStrict(value, valueChecked_))
        state = cbsChecked;
    else if (VariantsEqualStrict(value, valueUnchecked_))
        state = cbsUnchecked;
    displayValue = Variant(static_cast<int32_t>(state));
}

bool TcxCustomCheckBoxProperties::SameDisplayValue(const Variant& value1, const Variant& value2) {
    return GetValueState(value1) == GetValueState(value2);
}

void TcxCustomCheckBoxProperties::FormatDisplayText(const Variant& value, std::string& text, bool) {
    switch (GetValueState(value)) {
    case cbsUnchecked: text = displayUnchecked_; break;
    case cbsChecked: text = displayChecked_; break;
    case cbsGrayed: text = displayGrayed_; break;
    }
}

bool TcxCustomCheckBoxProperties::IsValidEditValue(const Variant& value, bool isEditing) const {
    return TcxCustomEditProperties::IsValidEditValue(value, isEditing) && !IsForeignValue(value);
}

bool TcxCustomCheckBoxProperties::IsDisplayCheckedStored() const {
    return displayChecked_ != "True";
}

bool TcxCustomCheckBoxProperties::IsDisplayUncheckedStored() const {
    return displayUnchecked_ != "False";
}

// ---- appearance ----

void TcxCustomCheckBoxProperties::SetCaption(const std::string& value) {
    captionAssigned_ = true;
    SetText(caption_, value);
}

TBitmap* TcxCustomCheckBoxProperties::GetGlyph() {
    if (!glyph_) {
        glyph_ = std::make_unique<TBitmap>();
        glyph_->OnChange = [this](TObject* sender) { GlyphChanged(sender); };
    }
    return glyph_.get();
}

void TcxCustomCheckBoxProperties::SetGlyph(TBitmap* value) {
    if (value)
        GetGlyph()->Assign(value);
    else
        glyph_.reset();
    Changed();
}

void TcxCustomCheckBoxProperties::SetGlyphCount(int value) {
    if (glyphCount_ == value) return;
    glyphCount_ = value;
    if (glyph_) Changed();
}

void TcxCustomCheckBoxProperties::SetNullStyle(TcxCheckBoxNullValueShowingStyle value) {
    if (nullStyle_ == value) return;
    nullStyle_ = value;
    Changed();
}

// ---- copying ----

void TcxCustomCheckBoxProperties::AssignStateValues(TcxCustomCheckBoxProperties* source) {
    const Variant& checked = source->valueChecked_;
    const Variant& grayed = source->valueGrayed_;
    const Variant& unchecked = source->valueUnchecked_;
    if (VariantsIdentical(checked, grayed) || VariantsIdentical(checked, unchecked) ||
        VariantsIdentical(grayed, unchecked) || checked.IsNull() || unchecked.IsNull())
        return;
    valueChecked_ = checked;
    valueGrayed_ = grayed;
    valueUnchecked_ = unchecked;
    Changed();
}

void TcxCustomCheckBoxProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomCheckBoxProperties*>(source);
    if (!other) {
        TcxCustomEditProperties::Assign(source);
        return;
    }
    BeginChanges();
    TcxCustomEditProperties::Assign(source);
    SetAllowGrayed(other->allowGrayed_);
    SetDisplayChecked(other->displayChecked_);
    SetDisplayGrayed(other->displayGrayed_);
    SetDisplayUnchecked(other->displayUnchecked_);
    SetFullFocusRect(other->fullFocusRect_);
    SetGlyph(other->glyph_.get());
    SetGlyphCount(other->glyphCount_);
    SetMultiLine(other->multiLine_);
    SetNullStyle(other->nullStyle_);
    SetUseAlignmentWhenInplace(other->useAlignmentWhenInplace_);
    AssignStateValues(other);
    EndChanges();
}

TcxCustomEditViewData* TcxCustomCheckBoxProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace,
                                                                 bool flag) {
    auto* viewData = new TcxCustomCheckBoxViewData(this, style, isInplace);
    viewData->PreviewMode = flag;
    return viewData;
}

TcxCustomEditViewInfoClass TcxCustomCheckBoxProperties::GetViewInfoClass() const {
    return TcxCustomCheckBoxViewInfo::StaticClass();
}

const TMetaClass* TcxCustomCheckBoxProperties::GetEditControlClass() const {
    return TcxCheckBox::StaticClass();
}

TcxCustomEdit* TcxCustomCheckBoxProperties::CreateEditControl(bool inplace) const {
    return new TcxCheckBox(nullptr, inplace, ClassType());
}

} // namespace zorvy
