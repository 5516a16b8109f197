// The calculator editor: its settings and formats, typing limited to numbers, the popup calculator
// on the editor's text, the filter helper and the unit's registration.
#include "controls/editors/calc/CalcEdit.h"

#include "controls/editors/filter/FilterEditHelpers.h"
#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/foundation/containers/ContainerStyle.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "platform/classlib/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/Strings.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>
#include <cmath>

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryCalcEditItem, "CalcEdit|Represents an edit control with a dropdown calculator window");

namespace {

// A variant as an extended number; a string that is no number raises EConvertError.
TcxCalcValue VariantToExtended(const Variant& value) {
    if (!value.IsString()) return value.AsDouble();
    TcxCalcValue number = 0;
    if (!TextToExtended(value.AsString(), number))
        throw EConvertError(Format("'%s' is not a valid floating point value", {value.AsString()}));
    return number;
}

// Zeros closing the mantissa of an exponent text go, and a separator left last with them.
std::string TrimScientificText(const std::string& text) {
    const std::size_t e = text.find_first_of("eE");
    std::string mantissa = text.substr(0, e);
    const std::string exponent = e == std::string::npos ? std::string() : text.substr(e);
    const char separator = FormatSettings().DecimalSeparator;
    if (mantissa.find(separator) != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
        if (!mantissa.empty() && mantissa.back() == separator) mantissa.pop_back();
    }
    return mantissa + exponent;
}

} // namespace

// ---- assigned flags ----

void TcxCalcEditPropertiesValues::Assign(TPersistent* source) {
    BeginOwnerChanges();
    struct End {
        TcxCalcEditPropertiesValues* values;
        ~End() { values->EndOwnerChanges(); }
    } end{this};
    TcxTextEditPropertiesValues::Assign(source);
    if (auto* other = dynamic_cast<TcxCalcEditPropertiesValues*>(source)) SetPrecision(other->precision_);
}

void TcxCalcEditPropertiesValues::ClearAll() {
    BeginOwnerChanges();
    struct End {
        TcxCalcEditPropertiesValues* values;
        ~End() { values->EndOwnerChanges(); }
    } end{this};
    TcxTextEditPropertiesValues::ClearAll();
    SetPrecision(false);
}

// ---- settings ----

TcxCustomCalcEditProperties::TcxCustomCalcEditProperties(TPersistent* owner) : TcxCustomPopupEditProperties(owner) {
    RecreatePropertiesValues();
    SuppressChanged(true);
    BeepOnError = true;
    SetPopupSizeable(false);
    ImmediateDropDown = false;
    SuppressChanged(false);
}

void TcxCustomCalcEditProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomCalcEditProperties*>(source);
    if (!other) {
        TcxCustomPopupEditProperties::Assign(source);
        return;
    }
    BeginChanges();
    struct End {
        TcxCustomCalcEditProperties* p;
        ~End() { p->EndChanges(); }
    } end{this};
    TcxCustomPopupEditProperties::Assign(source);
    BeepOnError = other->BeepOnError;
    if (other->IsPrecisionStored()) {
        GetCalcAssignedValues()->SetPrecision(false);
        SetPrecision(other->precision_);
    }
    SetQuickClose(other->quickClose_);
    SetScientificFormat(other->scientificFormat_);
    SetUseThousandSeparator(other->useThousandSeparator_);
}

std::uint8_t TcxCustomCalcEditProperties::GetPrecision() const {
    int precision = 15;
    if (IsPrecisionStored())
        precision = precision_;
    else if (IcxEditDefaultValuesProvider* provider = GetDefaultValuesProvider())
        precision = provider->GetPrecision();
    return static_cast<std::uint8_t>(std::clamp(precision, 0, 15));
}

void TcxCustomCalcEditProperties::SetPrecision(std::uint8_t value) {
    if (IsPrecisionStored() && precision_ == value) return;
    precision_ = value;
    GetCalcAssignedValues()->SetPrecision(true);
    Changed();
}

bool TcxCustomCalcEditProperties::TextToNumber(const std::string& text, TcxCalcValue& number) {
    std::string bare = text;
    std::erase(bare, FormatSettings().ThousandSeparator);
    TcxCalcValue value = 0;
    number = 0;
    if (!TextToExtended(bare, value)) return false;
    const TcxCalcValue magnitude = std::fabs(value);
    if (value != 0 && (magnitude < 5.0e-324L || magnitude > 1.7e308L)) return false;
    number = value;
    return true;
}

bool TcxCustomCalcEditProperties::IsValidEditValue(const Variant& value, bool) const {
    if (value.IsNull() || value.IsEmpty() || VarIsNumeric(value)) return true;
    if (!value.IsString()) return false;
    TcxCalcValue number = 0;
    return TextToExtended(value.AsString(), number);
}

void TcxCustomCalcEditProperties::ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) {
    if (value.IsNull() || value.IsEmpty()) {
        displayValue = Variant(std::string());
        return;
    }
    const TcxCalcValue number = VariantToExtended(value);
    if (isEditing || !GetTextAssignedValues()->GetDisplayFormat()) {
        const int digits = GetPrecision() == 0 ? 15 : GetPrecision();
        std::string text = scientificFormat_ ? FormatExponentExtended(number, digits)
                                             : FormatGeneralExtended(number, digits);
        if (useThousandSeparator_ && !scientificFormat_) InsertThousandSeparators(text);
        if (scientificFormat_) text = TrimScientificText(text);
        displayValue = Variant(text);
        return;
    }
    displayValue = Variant(FormatFloat(GetDisplayFormat(), static_cast<double>(number)));
}

void TcxCustomCalcEditProperties::VerifyDisplayValue(Variant& displayValue, std::string& errorText,
                                                     TcxCustomEdit* edit, bool& error) {
    error = false;
    TcxCustomPopupEditProperties::VerifyDisplayValue(displayValue, errorText, edit, error);
}

bool TcxCustomCalcEditProperties::UsesDefaultFormatting(bool isEditing) const {
    IcxEditDefaultValuesProvider* provider = GetDefaultValuesProvider();
    return !isEditing && !GetTextAssignedValues()->GetDisplayFormat() && provider && provider->HasDisplayFormat(true);
}

const TMetaClass* TcxCustomCalcEditProperties::GetEditControlClass() const {
    return TcxCalcEdit::StaticClass();
}

TcxCustomEdit* TcxCustomCalcEditProperties::CreateEditControl(bool inplace) const {
    return new TcxCalcEdit(nullptr, inplace, ClassType());
}

// ---- the popup calculator ----

TcxPopupCalculator::TcxPopupCalculator(TComponent* owner) : TcxCustomCalculator(owner) {
    isPopupControl_ = true;
}

std::string TcxPopupCalculator::GetDisplayText() {
    return Edit ? Edit->GetText() : std::string();
}

void TcxPopupCalculator::SetDisplayText(const std::string& text) {
    if (!Edit || !Edit->RequestEditing()) return;
    Edit->GetInnerTextEdit()->SetText(text);
    Edit->SetChangedSinceEnter(true);
}

TcxLookAndFeelPainterClass TcxPopupCalculator::GetLookAndFeelPainter() const {
    return Edit ? Edit->GetLookAndFeelPainter() : TcxCustomCalculator::GetLookAndFeelPainter();
}

void TcxPopupCalculator::Resize() {
    const TcxCalcValue memory = GetMemory();
    TcxCustomCalculator::Resize();
    KeepMemory(memory);
}

void TcxPopupCalculator::KeyDown(std::uint16_t& key, TShiftState shift) {
    TcxCustomCalculator::KeyDown(key, shift);
    if (!Edit) return;
    const bool alt = (shift & (ssAlt | ssCtrl | ssShift)) == ssAlt;
    switch (key) {
    case VK_TAB: Edit->HandleCalculatorKey(key, shift); break;
    case VK_RETURN: HidePopup(this, crEnter); break;
    case VK_ESCAPE: HidePopup(this, crCancel); break;
    case VK_UP:
    case VK_DOWN:
        if (alt) HidePopup(this, crToggle);
        break;
    case VK_INSERT:
        if (shift & ssShift)
            PasteFromClipboard();
        else if (shift & ssCtrl)
            CopyToClipboard();
        break;
    case VK_F4:
        if (!(shift & ssAlt)) HidePopup(this, crToggle);
        break;
    default: break;
    }
}

void TcxPopupCalculator::KeyPress(char32_t& key) {
    TcxCustomCalculator::KeyPress(key);
    if (key == U'=' && Edit && Edit->GetCalcProperties()->GetQuickClose()) HidePopup(this, crEnter);
}

// ---- the editor ----

TcxCustomCalcEdit::TcxCustomCalcEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomPopupEdit(owner, inplace, propertiesClass) {
    SetEditValue(Variant(0.0));
    calculator_ = new TcxPopupCalculator(this);
    calculator_->Edit = this;
    calculator_->SetVisible(false);
    calculator_->SetFontFollowsSize(false);
    calculator_->OnCloseRequest = [this](TObject*, TcxEditCloseUpReason reason) { CloseWithReason(reason); };
    GetCalcProperties()->SuppressChanged(true);
    GetCalcProperties()->SetPopupControl(calculator_);
    GetCalcProperties()->SuppressChanged(false);
}

TcxCustomCalcEdit::~TcxCustomCalcEdit() {
    if (GetDroppedDown()) ReturnPopupControl();
    delete calculator_;
    calculator_ = nullptr;
}

TcxCalcValue TcxCustomCalcEdit::GetCalcValue() const {
    const Variant value = GetEditValue();
    if (value.IsNull() || value.IsEmpty()) return 0;
    if (value.IsString() && value.AsString().empty()) return 0;
    return VariantToExtended(value);
}

void TcxCustomCalcEdit::SetCalcValue(TcxCalcValue value) {
    SetValueAsUser(Variant(static_cast<double>(value)));
}

void TcxCustomCalcEdit::TextToEditValue(const std::string& text, Variant& editValue) const {
    std::string bare = text;
    if (!GetCalcProperties()->GetScientificFormat() && GetCalcProperties()->GetUseThousandSeparator())
        std::erase(bare, FormatSettings().ThousandSeparator);
    editValue = Variant::Null();
    if (Trim(bare).empty()) return;
    TcxCalcValue number = 0;
    if (TextToExtended(bare, number)) editValue = Variant(static_cast<double>(number));
}

Variant TcxCustomCalcEdit::GetTypedValue() {
    Variant value;
    TextToEditValue(GetText(), value);
    return value;
}

bool TcxCustomCalcEdit::IsCharAccepted(char32_t ch) {
    if (!IsNumericInputChar(ch, 2)) return false;
    std::string text = GetText();
    const int start = std::clamp(GetSelectionStart(), 0, static_cast<int>(text.size()));
    const int length = std::clamp(GetSelectionLength(), 0, static_cast<int>(text.size()) - start);
    text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
    if (ch == U'-' && text.empty()) return true;
    text.insert(static_cast<std::size_t>(start), 1, static_cast<char>(ch));
    TcxCalcValue number = 0;
    return TcxCustomCalcEditProperties::TextToNumber(text, number);
}

void TcxCustomCalcEdit::ProcessEditKeyPress(char32_t& ch) {
    if (ch == U'.' || ch == U',') ch = static_cast<char32_t>(FormatSettings().DecimalSeparator);
    if (ch >= 32 && !IsCharAccepted(ch)) {
        ch = 0;
        if (GetCalcProperties()->BeepOnError) MessageBeep(0);
        return;
    }
    TcxCustomPopupEdit::ProcessEditKeyPress(ch);
}

void TcxCustomCalcEdit::ApplyDisplayValue(const Variant& value) {
    ShowDisplayValue(value);
    if (IsUserChange()) return;
    Variant editValue;
    TextToEditValue(VarToStr(value), editValue);
    StoreEditValue(editValue);
    SetEditModified(false);
}

void TcxCustomCalcEdit::ApplyPropertiesChange(TcxCustomEditProperties* properties) {
    if (properties && GetCalcProperties()->IsInFormatChange()) return;
    TcxCustomPopupEdit::ApplyPropertiesChange(properties);
    if (IsBeingLoaded() || IsInnerEditMissing() || !calculator_) return;
    calculator_->BeepOnError = GetCalcProperties()->BeepOnError;
    calculator_->SetPrecision(GetCalcProperties()->GetPrecision());
    GetCalcProperties()->SuppressChanged(true);
    GetCalcProperties()->SetPopupControl(calculator_);
    GetCalcProperties()->SuppressChanged(false);
}

bool TcxCustomCalcEdit::CanDropDown() {
    return !GetCalcProperties()->GetReadOnly() && GetDataBinding()->SourceHasData();
}

void TcxCustomCalcEdit::PasteFromClipboard() {
    if (RequestEditing()) calculator_->PasteFromClipboard();
}

void TcxCustomCalcEdit::BeforePopup() {
    TcxCustomPopupEdit::BeforePopup();
    GetCalcProperties()->SuppressChanged(true);
    GetCalcProperties()->SetPopupControl(calculator_);
    GetCalcProperties()->SuppressChanged(false);
}

void TcxCustomCalcEdit::SetUpPopupWindow() {
    TcxCustomPopupEdit::SetUpPopupWindow();
    calculator_->GetFont()->Assign(GetStyle()->EffectiveFont());
    calculator_->FollowFont();
}

void TcxCustomCalcEdit::PopupShown() {
    TcxCustomPopupEdit::PopupShown();
    calculator_->ReleasePressedButton();
}

void TcxCustomCalcEdit::PopupClosed() {
    if (GetText() == calculator_->GetErrorText()) {
        if (GetCalcProperties()->BeepOnError) MessageBeep(0);
        ShowEditValue();
        SetChangedSinceEnter(false);
    }
    if (GetCalcProperties()->GetAutoSelect())
        SelectAllText();
    else
        SetSelection(static_cast<int>(GetText().size()), 0);
    TcxCustomPopupEdit::PopupClosed();
}

void TcxCustomCalcEdit::DoEnter() {
    ShowEditValue();
    TcxCustomPopupEdit::DoEnter();
}

void TcxCustomCalcEdit::DoExit() {
    TcxCustomPopupEdit::DoExit();
    ShowEditValue();
}

// ---- filter helper ----

const TMetaClass* TcxFilterCalcEditHelper::GetEditorClassForFilter(TcxCustomEditProperties*,
                                                                   TcxInplaceEditList*) const {
    return TcxCalcEditProperties::StaticClass();
}

TcxFilterControlOperators TcxFilterCalcEditHelper::GetAllowedOperators(TcxCustomEditProperties*, TcxValueTypeClass,
                                                                       bool extended) const {
    TcxFilterControlOperators set = 0;
    for (int op : {fcoEqual, fcoNotEqual, fcoLess, fcoLessEqual, fcoGreater, fcoGreaterEqual, fcoBlanks, fcoNonBlanks})
        set |= FilterOperatorBit(op);
    if (extended)
        for (int op : {fcoBetween, fcoNotBetween, fcoInList, fcoNotInList}) set |= FilterOperatorBit(op);
    return set;
}

void TcxFilterCalcEditHelper::PrepareFilterProperties(TcxCustomEditProperties* properties,
                                                      TcxCustomEditProperties* source, bool keepButtons) const {
    TcxFilterDropDownEditHelper::PrepareFilterProperties(properties, source, keepButtons);
    if (auto* p = dynamic_cast<TcxCustomCalcEditProperties*>(properties)) p->SetQuickClose(true);
}

// ---- unit ----

namespace {
int calcEditUnitCounter = 0;
}

void InitializeCalcEditUnit() {
    if (calcEditUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxCalcEditProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryCalcEditItem));
    GetFilterEditHelperRegistry()->AddPair(TcxCalcEditProperties::StaticClass(),
                                           TcxFilterCalcEditHelper::StaticClass());
}

void FinalizeCalcEditUnit() {
    if (calcEditUnitCounter == 0 || --calcEditUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxCalcEditProperties::StaticClass(),
                                              TcxFilterCalcEditHelper::StaticClass());
}

} // namespace zorvy
