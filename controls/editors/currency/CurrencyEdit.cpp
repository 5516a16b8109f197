// The currency editor: its settings and their conversions, typing, range and registration.
#include "controls/editors/currency/CurrencyEdit.h"

#include "controls/editors/framework/EditRepository.h"
#include "controls/foundation/locale/FormatController.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <cmath>

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryCurrencyItem, "CurrencyEdit|Represents an editor enabling editing currency data");

// ---- assigned flags ----

void TcxCurrencyEditPropertiesValues::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCurrencyEditPropertiesValues*>(source);
    BeginOwnerChanges();
    TcxTextEditPropertiesValues::Assign(source);
    if (other) SetDecimalPlaces(other->decimalPlaces_);
    EndOwnerChanges();
}

void TcxCurrencyEditPropertiesValues::ClearAll() {
    BeginOwnerChanges();
    TcxTextEditPropertiesValues::ClearAll();
    SetDecimalPlaces(false);
    EndOwnerChanges();
}

// ---- settings ----

TcxCustomCurrencyEditProperties::TcxCustomCurrencyEditProperties(TPersistent* owner)
    : TcxCustomTextEditProperties(owner) {
    RecreatePropertiesValues();
    ValidateOnEnter = true;
}

void TcxCustomCurrencyEditProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomCurrencyEditProperties*>(source);
    if (!other) return TcxCustomTextEditProperties::Assign(source);
    BeginChanges();
    TcxCustomTextEditProperties::Assign(source);
    GetCurrencyAssignedValues()->SetDecimalPlaces(false);
    if (other->IsDecimalPlacesStored()) SetDecimalPlaces(other->decimalPlaces_);
    SetNullable(other->nullable_);
    SetNullString(other->nullString_);
    SetUseThousandSeparator(other->useThousandSeparator_);
    EndChanges();
}

int TcxCustomCurrencyEditProperties::GetDecimalPlaces() const {
    return IsDecimalPlacesStored() ? decimalPlaces_ : FormatSettings().CurrencyDecimals;
}

void TcxCustomCurrencyEditProperties::SetDecimalPlaces(int value) {
    if (IsDecimalPlacesStored() && value == decimalPlaces_) return;
    decimalPlaces_ = value;
    GetCurrencyAssignedValues()->SetDecimalPlaces(true);
    Changed();
}

void TcxCustomCurrencyEditProperties::SetNullable(bool value) {
    if (value == nullable_) return;
    nullable_ = value;
    Changed();
}

void TcxCustomCurrencyEditProperties::SetNullString(const std::string& value) {
    if (value == nullString_) return;
    nullString_ = value;
    Changed();
}

void TcxCustomCurrencyEditProperties::SetUseThousandSeparator(bool value) {
    if (value == useThousandSeparator_) return;
    useThousandSeparator_ = value;
    Changed();
}

bool TcxCustomCurrencyEditProperties::TextToNumber(const std::string& text, double& number) {
    number = 0;
    std::string bare = text;
    std::erase(bare, FormatSettings().ThousandSeparator);
    if (bare.empty()) return true;
    double parsed = 0;
    if (!TextToFloat(bare, parsed) || !std::isfinite(parsed)) return false;
    const double magnitude = std::fabs(parsed);
    if (parsed != 0 && (magnitude < 5.0e-324 || magnitude > 1.7e308)) return false;
    number = parsed;
    return true;
}

bool TcxCustomCurrencyEditProperties::HasEditingFormat() const {
    bool isCurrency, sourceFormats;
    std::string format;
    ResolveDisplayFormat(isCurrency, sourceFormats, format);
    return isCurrency || !format.empty();
}

std::string TcxCustomCurrencyEditProperties::GetDefaultFormatText() const {
    return SharedFormatController()->GetCurrencyFormat();
}

bool TcxCustomCurrencyEditProperties::UsesDefaultFormatting(bool isEditing) const {
    IcxEditDefaultValuesProvider* provider = GetDefaultValuesProvider();
    return !isEditing && provider && provider->LacksExplicitDisplayFormat();
}

void TcxCustomCurrencyEditProperties::ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) {
    if (value.IsNull() || value.IsEmpty()) {
        if (isEditing)
            displayValue = Variant(std::string());
        else if (nullable_)
            displayValue = Variant(nullString_);
        else
            TcxCustomTextEditProperties::ToDisplayValue(Variant(0.0), displayValue, false);
        return;
    }
    try {
        TcxCustomTextEditProperties::ToDisplayValue(value, displayValue, isEditing);
    } catch (const EConvertError&) {
        displayValue = isEditing ? Variant(std::string()) : value;
    } catch (const EVariantError&) {
        displayValue = isEditing ? Variant(std::string()) : value;
    }
}

void TcxCustomCurrencyEditProperties::VerifyDisplayValue(Variant& displayValue, std::string& errorText,
                                                         TcxCustomEdit* edit, bool& error) {
    double number;
    if (!TextToNumber(VarToStr(displayValue), number)) error = true;
    TcxCustomTextEditProperties::VerifyDisplayValue(displayValue, errorText, edit, error);
}

bool TcxCustomCurrencyEditProperties::CheckTextValue(std::string& text) const {
    double number;
    return HasEditingFormat() || TextToNumber(text, number);
}

const TMetaClass* TcxCustomCurrencyEditProperties::GetEditControlClass() const {
    return TcxCurrencyEdit::StaticClass();
}

TcxCustomEdit* TcxCustomCurrencyEditProperties::CreateEditControl(bool inplace) const {
    return new TcxCurrencyEdit(nullptr, inplace, ClassType());
}

// ---- the control ----

TcxCustomCurrencyEdit::TcxCustomCurrencyEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomTextEdit(owner, inplace, propertiesClass) {
    ControlStyle &= ~csSetCaption;
}

double TcxCustomCurrencyEdit::GetValue() {
    if (IsFocused() && GetModified() && !IsInputValidated()) {
        double number;
        return TcxCustomCurrencyEditProperties::TextToNumber(GetText(), number) ? number : 0;
    }
    const Variant value = GetEditValue();
    if (value.IsNull() || value.IsEmpty()) return 0;
    if (value.IsString()) {
        double number;
        return TcxCustomCurrencyEditProperties::TextToNumber(VarToStr(value), number) ? number : 0;
    }
    return value.AsDouble();
}

void TcxCustomCurrencyEdit::SetValue(double value) {
    TcxCustomCurrencyEditProperties* p = GetCurrencyProperties();
    if (p->IsBoundActive(0) && value < p->GetMinValue())
        value = p->GetMinValue();
    else if (p->IsBoundActive(1) && value > p->GetMaxValue())
        value = p->GetMaxValue();
    SetValueAsUser(Variant(value));
}

Variant TcxCustomCurrencyEdit::TextToEditValue(const std::string& text) const {
    TcxCustomCurrencyEditProperties* p = GetCurrencyProperties();
    double number;
    if (!text.empty() && text != p->GetNullString() && TcxCustomCurrencyEditProperties::TextToNumber(text, number))
        return Variant(number);
    return p->GetNullable() ? Variant::Null() : Variant(Currency::FromScaled(0));
}

bool TcxCustomCurrencyEdit::CheckNumberText(const std::string& text) const {
    const std::size_t separator = text.find(FormatSettings().DecimalSeparator);
    if (separator != std::string::npos) {
        const std::size_t exponent = UpperCase(text).find('E', separator + 1);
        const std::size_t end = exponent == std::string::npos ? text.size() : exponent;
        if (GetCurrencyProperties()->GetDecimalPlaces() < static_cast<int>(end - separator - 1)) return false;
    }
    double number;
    return TcxCustomCurrencyEditProperties::TextToNumber(text, number);
}

bool TcxCustomCurrencyEdit::IsCharAccepted(char32_t ch) {
    TcxCustomCurrencyEditProperties* p = GetCurrencyProperties();
    const TFormatSettings& fs = FormatSettings();
    const bool numeric = (ch >= '0' && ch <= '9') || ch == '+' || ch == '-' || ch == 'e' || ch == 'E' ||
                         ch == static_cast<unsigned char>(fs.DecimalSeparator);
    const bool separator = p->GetUseThousandSeparator() && ch == static_cast<unsigned char>(fs.ThousandSeparator);
    if (!numeric && !separator) return false;
    const std::string text = GetText();
    if (p->HasEditingFormat() && !CheckNumberText(text)) return true;
    const int start = std::clamp(GetSelectionStart(), 0, static_cast<int>(text.size()));
    const int length = std::clamp(GetSelectionLength(), 0, static_cast<int>(text.size()) - start);
    const std::string result = text.substr(0, start) + static_cast<char>(ch) + text.substr(start + length);
    return (ch == '-' && result == "-") || CheckNumberText(result);
}

void TcxCustomCurrencyEdit::ProcessEditKeyPress(char32_t& ch) {
    const TFormatSettings& fs = FormatSettings();
    const bool thousand = GetCurrencyProperties()->GetUseThousandSeparator() &&
                          ch == static_cast<unsigned char>(fs.ThousandSeparator);
    if (!thousand && (ch == ',' || ch == '.')) ch = static_cast<unsigned char>(fs.DecimalSeparator);
    TcxCustomTextEdit::ProcessEditKeyPress(ch);
}

void TcxCustomCurrencyEdit::ApplyDisplayValue(const Variant& value) {
    const std::string text = VarToStr(value);
    GetInnerTextEdit()->SetText(text);
    if (IsUserChange()) return;
    SetCompletionHighlighted(false);
    StoreEditValue(TextToEditValue(text));
    SetEditModified(false);
}

void TcxCustomCurrencyEdit::EnforceRange() {
    const bool wasUserChange = IsUserChange();
    if (GetModified())
        BeginUserChange();
    else
        EndUserChange();
    struct Restore {
        TcxCustomCurrencyEdit* edit;
        bool user;
        ~Restore() { user ? edit->BeginUserChange() : edit->EndUserChange(); }
    } restore{this, wasUserChange};
    TcxCustomCurrencyEditProperties* p = GetCurrencyProperties();
    const double value = GetValue();
    if (p->IsBoundActive(0) && value < p->GetMinValue())
        SetValue(p->GetMinValue());
    else if (p->IsBoundActive(1) && value > p->GetMaxValue())
        SetValue(p->GetMaxValue());
}

void TcxCustomCurrencyEdit::PasteFromClipboard() {
    if (IsValueChangeAllowed()) TcxCustomTextEdit::PasteFromClipboard();
}

void TcxCustomCurrencyEdit::ApplyPropertiesChange(TcxCustomEditProperties* properties) {
    if (!IsFocused()) ShowEditValue();
    TcxCustomTextEdit::ApplyPropertiesChange(properties);
}

TcxCurrencyEdit::TcxCurrencyEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomCurrencyEdit(owner, inplace, propertiesClass) {
    if (!inplace) SetAutoSize(true);
}

// ---- filtering and registration ----

const TMetaClass* TcxFilterCurrencyEditHelper::GetEditorClassForFilter(TcxCustomEditProperties*,
                                                                       TcxInplaceEditList*) const {
    return TcxCurrencyEditProperties::StaticClass();
}

TcxFilterControlOperators TcxFilterCurrencyEditHelper::GetAllowedOperators(TcxCustomEditProperties*,
                                                                           TcxValueTypeClass, bool extended) const {
    TcxFilterControlOperators set = 0;
    for (int code : {fcoEqual, fcoNotEqual, fcoLess, fcoLessEqual, fcoGreater, fcoGreaterEqual, fcoBlanks, fcoNonBlanks})
        set |= FilterOperatorBit(code);
    if (extended)
        for (int code : {fcoBetween, fcoNotBetween, fcoInList, fcoNotInList}) set |= FilterOperatorBit(code);
    return set;
}

void TcxFilterCurrencyEditHelper::PrepareFilterProperties(TcxCustomEditProperties* properties,
                                                          TcxCustomEditProperties* source, bool keepButtons) const {
    TcxFilterTextEditHelper::PrepareFilterProperties(properties, source, keepButtons);
    auto* currency = dynamic_cast<TcxCustomCurrencyEditProperties*>(properties);
    if (!currency) return;
    currency->SetMinValue(0);
    currency->SetMaxValue(0);
    currency->SetNullable(true);
    currency->SetNullString("");
}

namespace {
int currencyEditUnitCounter = 0;
}

void InitializeCurrencyEditUnit() {
    if (currencyEditUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxCurrencyEditProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryCurrencyItem));
    GetFilterEditHelperRegistry()->AddPair(TcxCurrencyEditProperties::StaticClass(),
                                           TcxFilterCurrencyEditHelper::StaticClass());
}

void FinalizeCurrencyEditUnit() {
    if (currencyEditUnitCounter == 0 || --currencyEditUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxCurrencyEditProperties::StaticClass(),
                                              TcxFilterCurrencyEditHelper::StaticClass());
}

} // namespace zorvy
