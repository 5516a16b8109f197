// The spin editor's settings: value type, range, parsing and checking of numbers, the spin buttons'
// collection, and the kind's registration with its filter helper.
#include "controls/editors/spin/SpinEditProperties.h"

#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/spin/SpinEdit.h"
#include "controls/editors/spin/SpinEditViewInfo.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ResourceStrings.h"

#include <cmath>
#include <limits>

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositorySpinItem, "SpinEdit|Represents a spin editor");
ZORVY_RESOURCESTRING(scxSpinEditValueOutOfBounds, "Value out of bounds");

namespace {
constexpr double spinFloatLimit = 1.7E308;
} // namespace

// ---- spin buttons ----

TPersistent* TcxSpinEditButtons::GetOwner() const { return owner_; }

void TcxSpinEditButtons::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxSpinEditButtons*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    owner_->BeginChanges();
    SetPosition(other->position_);
    SetShowFastButtons(other->showFastButtons_);
    SetVisible(other->visible_);
    owner_->EndChanges();
}

void TcxSpinEditButtons::SetPosition(TcxSpinEditButtonsPosition value) {
    if (value == position_) return;
    position_ = value;
    owner_->Changed();
}

void TcxSpinEditButtons::SetShowFastButtons(bool value) {
    if (value == showFastButtons_) return;
    showFastButtons_ = value;
    owner_->Changed();
}

void TcxSpinEditButtons::SetVisible(bool value) {
    if (value == visible_) return;
    visible_ = value;
    owner_->Changed();
}

// ---- assigned values ----

void TcxSpinEditPropertiesValues::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxSpinEditPropertiesValues*>(source);
    if (!other) {
        TcxTextEditPropertiesValues::Assign(source);
        return;
    }
    BeginOwnerChanges();
    TcxTextEditPropertiesValues::Assign(source);
    SetValueType(other->valueType_);
    EndOwnerChanges();
}

void TcxSpinEditPropertiesValues::ClearAll() {
    BeginOwnerChanges();
    TcxTextEditPropertiesValues::ClearAll();
    SetValueType(false);
    EndOwnerChanges();
}

// ---- settings ----

TcxCustomSpinEditProperties::TcxCustomSpinEditProperties(TPersistent* owner) : TcxCustomMaskEditProperties(owner) {
    RecreatePropertiesValues();
    GetButtons()->AddButton();
    GetButtons()->AddButton();
    spinButtons_ = std::make_unique<TcxSpinEditButtons>(this);
}

TcxCustomSpinEditProperties::~TcxCustomSpinEditProperties() = default;

void TcxCustomSpinEditProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomSpinEditProperties*>(source);
    if (!other) {
        TcxCustomMaskEditProperties::Assign(source);
        return;
    }
    BeginChanges();
    AttachDefaultValuesProvider(other->GetDefaultValuesProvider());
    GetSpinAssignedValues()->SetValueType(false);
    if (other->GetSpinAssignedValues()->GetValueType()) SetValueType(other->valueType_);
    TcxCustomMaskEditProperties::Assign(source);
    canEdit_ = other->canEdit_;
    SetCircular(other->circular_);
    ExceptionOnInvalidInput = other->ExceptionOnInvalidInput;
    increment_ = other->increment_;
    largeIncrement_ = other->largeIncrement_;
    spinButtons_->Assign(other->spinButtons_.get());
    UseCtrlIncrement = other->UseCtrlIncrement;
    OnGetValue = other->OnGetValue;
    EndChanges();
}

void TcxCustomSpinEditProperties::SetCircular(bool value) {
    if (value == circular_) return;
    circular_ = value;
    Changed();
}

TcxSpinEditValueType TcxCustomSpinEditProperties::GetValueType() const {
    if (GetSpinAssignedValues()->GetValueType()) return valueType_;
    IcxEditDefaultValuesProvider* provider = GetDefaultValuesProvider();
    if (!provider) return vtFloat;
    return provider->HoldsFractionalNumbers() ? vtFloat : vtInt;
}

void TcxCustomSpinEditProperties::SetValueType(TcxSpinEditValueType value) {
    if (GetSpinAssignedValues()->GetValueType() && value == valueType_) return;
    BeginChanges();
    GetSpinAssignedValues()->SetValueType(true);
    valueType_ = value;
    Changed();
    EndChanges();
}

int TcxCustomSpinEditProperties::GetButtonCount() const {
    if (!spinButtons_->GetVisible()) return 0;
    return spinButtons_->GetShowFastButtons() ? 4 : 2;
}

void TcxCustomSpinEditProperties::Changed() {
    if (spinButtons_ && !syncingButtons_) {
        syncingButtons_ = true;
        BeginChanges();
        TcxEditButtons* buttons = GetButtons();
        while (buttons->GetCount() < GetButtonCount()) buttons->AddButton();
        while (buttons->GetCount() > GetButtonCount()) buttons->Delete(0);
        EndChanges(false);
        syncingButtons_ = false;
    }
    TcxCustomMaskEditProperties::Changed();
}

// ---- numbers ----

double TcxCustomSpinEditProperties::RoundForValueType(TcxSpinEditValueType type, double x) {
    if (type == vtFloat) return x;
    // Out of the 64-bit range a double is already whole.
    if (!(std::fabs(x) < 9.2e18)) return x;
    return static_cast<double>(Round(x));
}

Variant TcxCustomSpinEditProperties::GetTypeLimit(bool lower) const {
    if (GetValueType() == vtInt)
        return Variant::FromInt64(lower ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max());
    return Variant(lower ? -spinFloatLimit : spinFloatLimit);
}

bool TcxCustomSpinEditProperties::IsInTypeRange(long double x) const {
    if (GetValueType() == vtInt)
        return x >= static_cast<long double>(std::numeric_limits<int64_t>::min()) &&
               x <= static_cast<long double>(std::numeric_limits<int64_t>::max());
    return x >= -static_cast<long double>(spinFloatLimit) && x <= static_cast<long double>(spinFloatLimit);
}

Variant TcxCustomSpinEditProperties::ConvertToValueType(const Variant& value) const {
    if (GetValueType() == vtFloat) return Variant(value.AsDouble());
    switch (value.VarType()) {
    case varInt64: case varInteger: case varSmallint: case varShortInt: case varByte: case varWord:
    case varLongWord: case varBoolean:
        return Variant::FromInt64(value.AsInt64());
    default: {
        const double d = value.AsDouble();
        // The type's ends hold whole doubles that Round cannot take.
        if (d >= 9223372036854775807.0) return Variant::FromInt64(std::numeric_limits<int64_t>::max());
        if (d <= -9223372036854775808.0) return Variant::FromInt64(std::numeric_limits<int64_t>::min());
        return Variant::FromInt64(Round(d));
    }
    }
}

Variant TcxCustomSpinEditProperties::NormalizeNumber(const Variant& value) const {
    return value.IsNumeric() || value.VarType() == varDate ? ConvertToValueType(value) : value;
}

Variant TcxCustomSpinEditProperties::PrepareValue(const Variant& value) const {
    if (value.IsNull() || value.IsEmpty() || (value.IsString() && value.RawString().empty()))
        return ConvertToValueType(Variant(0));
    return ConvertToValueType(value);
}

bool TcxCustomSpinEditProperties::ParseNumberText(const std::string& text, Variant& value) const {
    value = Variant::Null();
    if (GetValueType() == vtInt) {
        int64_t n;
        if (!TryStrToInt64(text, n)) return false;
        value = Variant::FromInt64(n);
        return true;
    }
    double d;
    if (!TextToFloat(text, d) || !std::isfinite(d) || !IsInTypeRange(d)) return false;
    value = Variant(d);
    return true;
}

Variant TcxCustomSpinEditProperties::ClampToRange(const Variant& value) {
    if (!value.IsNumeric()) return value;
    const double d = value.AsDouble();
    if (IsBoundActive(0) && d < GetMinValue()) return Variant(GetMinValue());
    if (IsBoundActive(1) && d > GetMaxValue()) return Variant(GetMaxValue());
    return value;
}

Variant TcxCustomSpinEditProperties::GetEffectiveMaxValue() {
    if (IsBoundActive(1)) return ConvertToValueType(Variant(RoundForValueType(GetValueType(), GetMaxValue())));
    return GetTypeLimit(false);
}

Variant TcxCustomSpinEditProperties::GetEffectiveMinValue() {
    if (IsBoundActive(0)) return ConvertToValueType(Variant(RoundForValueType(GetValueType(), GetMinValue())));
    return GetTypeLimit(true);
}

int TcxCustomSpinEditProperties::GetBoundBehaviour() const {
    if (circular_) return 2;
    return ClampsAtBounds() ? 1 : 0;
}

// ---- checks ----

bool TcxCustomSpinEditProperties::CheckTextValue(std::string& text) const {
    if (!TcxCustomMaskEditProperties::CheckTextValue(text)) return false;
    if (!ChecksNumericText() || text.empty()) return true;
    Variant v;
    try {
        if (!ParseNumberText(text, v)) return false;
    } catch (const Exception&) {
        return false;
    }
    auto* self = const_cast<TcxCustomSpinEditProperties*>(this);
    const Variant lo = self->GetEffectiveMinValue(), hi = self->GetEffectiveMaxValue();
    const bool below = GetValueType() == vtInt ? v.AsInt64() < lo.AsInt64() : v.AsDouble() < lo.AsDouble();
    const bool above = GetValueType() == vtInt ? v.AsInt64() > hi.AsInt64() : v.AsDouble() > hi.AsDouble();
    if (below || above) text = VarToStr(v);
    return true;
}

bool TcxCustomSpinEditProperties::CheckEditValue(Variant& value, bool) const {
    try {
        if (value.IsString() || value.IsNumeric()) {
            Variant parsed;
            if (ParseNumberText(VarToStr(value), parsed)) value = parsed;
        } else if (!value.IsNull() && !value.IsEmpty() && value.VarType() != varDate) {
            return false;
        }
        if (value.IsString() && !value.RawString().empty()) return false;
        value = NormalizeNumber(PrepareValue(value));
        return true;
    } catch (const Exception&) {
        return false;
    }
}

bool TcxCustomSpinEditProperties::IsValidEditValue(const Variant& value, bool isEditing) const {
    Variant copy = value;
    return CheckEditValue(copy, isEditing);
}

void TcxCustomSpinEditProperties::VerifyDisplayValue(Variant& displayValue, std::string& errorText,
                                                     TcxCustomEdit* edit, bool& error) {
    auto* spin = dynamic_cast<TcxCustomSpinEdit*>(edit);
    Variant value;
    if (spin && spin->IsTextTyped()) {
        if (!spin->ParseDisplayValue(displayValue, false, errorText, value)) error = true;
    } else {
        value = edit ? edit->GetEditValue() : displayValue;
    }
    if (!error) {
        if (value.IsNull() || value.IsEmpty()) value = ConvertToValueType(ClampToRange(Variant(0)));
        const Variant lo = GetEffectiveMinValue(), hi = GetEffectiveMaxValue();
        const bool isInt = GetValueType() == vtInt;
        if (value.IsNumeric()) {
            value = ConvertToValueType(value);
            const bool below = isInt ? value.AsInt64() < lo.AsInt64() : value.AsDouble() < lo.AsDouble();
            const bool above = isInt ? value.AsInt64() > hi.AsInt64() : value.AsDouble() > hi.AsDouble();
            if (ExceptionOnInvalidInput) {
                if (below || above) {
                    error = true;
                    errorText = ResolveResourceString(scxSpinEditValueOutOfBounds);
                }
            } else if (below) {
                value = lo;
            } else if (above) {
                value = hi;
            }
        }
        if (!error) {
            Variant shown;
            ToDisplayValue(value, shown, true);
            displayValue = shown;
        }
    }
    bool changed;
    if (edit) RunValidateEvent(displayValue, errorText, changed, edit, error);
}

void TcxCustomSpinEditProperties::ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) {
    const bool whole = value.VarType() == varInt64 || value.VarType() == varInteger;
    if (whole && GetValueType() == vtInt && (isEditing || GetDisplayFormat().empty())) {
        displayValue = Variant(IntToStr(value.AsInt64()));
        return;
    }
    TcxCustomMaskEditProperties::ToDisplayValue(value, displayValue, isEditing);
}

bool TcxCustomSpinEditProperties::UsesDefaultFormatting(bool isEditing) const {
    return !isEditing && !GetTextAssignedValues()->GetDisplayFormat();
}

std::string TcxCustomSpinEditProperties::GetEmptyDisplayValue() const {
    auto* self = const_cast<TcxCustomSpinEditProperties*>(this);
    Variant shown;
    self->ToDisplayValue(ConvertToValueType(self->ClampToRange(Variant(0))), shown, true);
    return VarToStr(shown);
}

// ---- factory ----

const TMetaClass* TcxCustomSpinEditProperties::GetEditControlClass() const { return TcxSpinEdit::StaticClass(); }

TcxCustomEdit* TcxCustomSpinEditProperties::CreateEditControl(bool inplace) const {
    return new TcxSpinEdit(nullptr, inplace, ClassType());
}

TcxCustomEditViewData* TcxCustomSpinEditProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace,
                                                                 bool flag) {
    auto* viewData = new TcxSpinEditViewData(this, style, isInplace);
    viewData->NoText = flag;
    return viewData;
}

TcxCustomEditViewInfoClass TcxCustomSpinEditProperties::GetViewInfoClass() const {
    return TcxSpinEditViewInfo::StaticClass();
}

// ---- filter helper and registration ----

const TMetaClass* TcxFilterSpinEditHelper::GetEditorClassForFilter(TcxCustomEditProperties*,
                                                                   TcxInplaceEditList*) const {
    return TcxSpinEditProperties::StaticClass();
}

TcxFilterControlOperators TcxFilterSpinEditHelper::GetAllowedOperators(TcxCustomEditProperties*, TcxValueTypeClass,
                                                                       bool extended) const {
    TcxFilterControlOperators set = 0;
    for (TcxFilterControlOperator op : {fcoEqual, fcoNotEqual, fcoLess, fcoLessEqual, fcoGreater, fcoGreaterEqual,
                                        fcoBlanks, fcoNonBlanks})
        set |= FilterOperatorBit(op);
    if (extended)
        for (TcxFilterControlOperator op : {fcoBetween, fcoNotBetween, fcoInList, fcoNotInList})
            set |= FilterOperatorBit(op);
    return set;
}

void TcxFilterSpinEditHelper::PrepareFilterProperties(TcxCustomEditProperties* properties,
                                                      TcxCustomEditProperties* source, bool keepButtons) const {
    TcxFilterMaskEditHelper::PrepareFilterProperties(properties, source, keepButtons);
    if (auto* spin = dynamic_cast<TcxCustomSpinEditProperties*>(properties)) spin->SetCanEdit(true);
}

namespace {
int spinEditUnitCounter = 0;
} // namespace

void InitializeSpinEditUnit() {
    if (spinEditUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxSpinEditProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositorySpinItem));
    GetFilterEditHelperRegistry()->AddPair(TcxSpinEditProperties::StaticClass(),
                                           TcxFilterSpinEditHelper::StaticClass());
}

void FinalizeSpinEditUnit() {
    if (spinEditUnitCounter == 0 || --spinEditUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxSpinEditProperties::StaticClass(),
                                              TcxFilterSpinEditHelper::StaticClass());
}

} // namespace zorvy
