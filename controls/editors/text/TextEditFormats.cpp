// TcxCustomTextEditProperties: how a value becomes the text of the display and the editing form
// (formats, thousand separators) and the display transform (password glyphs, letter case).
#include "controls/data/Variants.h"
#include "controls/editors/framework/Edit.h"
#include "controls/editors/text/TextEdit.h"
#include "platform/rtl/Bcd.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/Strings.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxConvertToNumericError, "Could not convert to numeric value");

namespace {
bool HoldsNumber(const Variant& v) {
    return v.IsNumeric() && v.VarType() != varBoolean;
}

void StripThousandSeparators(std::string& text) {
    const char separator = FormatSettings().ThousandSeparator;
    std::erase(text, separator);
}
} // namespace

void InsertThousandSeparators(std::string& text) {
    // The blanks around the number are measured past the separators next to them, so that a grouped
    // text groups to itself ("2230 ," and "2,230 " both give "2,230 ").
    const char separator = FormatSettings().ThousandSeparator;
    const char edges[] = {' ', separator, '\0'};
    auto withoutSeparators = [&](std::string part) {
        if (separator != ' ') std::erase(part, separator);
        return part;
    };
    const std::size_t first = text.find_first_not_of(edges);
    if (first == std::string::npos) {
        text = withoutSeparators(text);
        return;
    }
    const std::size_t last = text.find_last_not_of(edges);
    const std::string leading = withoutSeparators(text.substr(0, first));
    const std::string trailing = withoutSeparators(text.substr(last + 1));
    std::string number = text.substr(first, last - first + 1);
    std::string exponent;
    if (const std::size_t e = number.find_first_of("eE"); e != std::string::npos) {
        exponent = number.substr(e);
        number.erase(e);
    }
    StripThousandSeparators(number);
    const TFormatSettings& fs = FormatSettings();
    std::size_t end = number.find(fs.DecimalSeparator);
    if (end == std::string::npos) end = number.size();
    // Walk left from the last digit of the integer part while digits go on.
    int digits = 0;
    for (std::size_t i = end; i > 0 && number[i - 1] >= '0' && number[i - 1] <= '9'; --i) {
        if (digits > 0 && digits % 3 == 0) number.insert(i, 1, fs.ThousandSeparator);
        ++digits;
    }
    text = leading + number + exponent + trailing;
}

bool IsNumericText(const std::string& text) {
    std::string bare = text;
    StripThousandSeparators(bare);
    double value;
    return !bare.empty() && TextToFloat(bare, value);
}

// ---- formats ----

std::string TcxCustomTextEditProperties::GetDisplayFormat() const {
    if (GetTextAssignedValues()->GetDisplayFormat()) return displayFormat_;
    if (IcxEditDefaultValuesProvider* provider = GetDefaultValuesProvider()) {
        std::string format = provider->GetDisplayFormat();
        if (!format.empty()) return format;
    }
    return GetDefaultFormatText();
}

void TcxCustomTextEditProperties::SetDisplayFormat(const std::string& value) {
    TcxTextEditPropertiesValues* assigned = GetTextAssignedValues();
    if (assigned->GetDisplayFormat() && displayFormat_ == value) return;
    BeginChanges();
    displayFormat_ = value;
    assigned->SetDisplayFormat(true);
    Changed();
    EndChanges(true);
}

std::string TcxCustomTextEditProperties::GetEditFormat() const {
    bool isCurrency, sourceFormats;
    std::string format;
    ResolveDisplayFormat(isCurrency, sourceFormats, format);
    return format;
}

void TcxCustomTextEditProperties::SetEditFormat(const std::string& value) {
    TcxTextEditPropertiesValues* assigned = GetTextAssignedValues();
    if (assigned->GetEditFormat() && editFormat_ == value) return;
    BeginChanges();
    editFormat_ = value;
    assigned->SetEditFormat(true);
    Changed();
    EndChanges(true);
}

void TcxCustomTextEditProperties::ResolveDisplayFormat(bool& isCurrency, bool& sourceFormats, std::string& format,
                                                       TcxCustomEdit* edit) const {
    isCurrency = sourceFormats = false;
    format.clear();
    if (GetTextAssignedValues()->GetEditFormat()) {
        format = editFormat_;
        return;
    }
    IcxEditDefaultValuesProvider* provider = GetDefaultValuesProvider();
    if ((!edit || !edit->IsInplaceEditor()) && provider && provider->LacksExplicitDisplayFormat()) {
        sourceFormats = true;
        return;
    }
    if (provider && !provider->GetEditFormat().empty()) {
        format = provider->GetEditFormat();
        return;
    }
    if (GetTextAssignedValues()->GetDisplayFormat())
        format = displayFormat_;
    else if (provider && !provider->GetDisplayFormat().empty())
        format = provider->GetDisplayFormat();
    else if (!GetDefaultFormatText().empty())
        format = GetDefaultFormatText();
    else if (provider)
        isCurrency = (GetFormatFlags() & 2) == 0 && provider->IsCurrencyValue();
    if (!useDisplayFormatWhenEditing_) format.clear();
}

std::string TcxCustomTextEditProperties::FormatNumericText(const Variant& value, bool editingForm) const {
    const std::string text = VarToStr(value);
    double number;
    if (!editingForm) {
        const std::string format = GetDisplayFormat();
        // A value that is no number is shown as it is rather than raising while painting.
        if (format.empty() || !(HoldsNumber(value) || TextToFloat(text, number))) return text;
        return FormatFloat(format, HoldsNumber(value) ? value.AsDouble() : number);
    }
    bool isCurrency, sourceFormats;
    std::string format;
    ResolveDisplayFormat(isCurrency, sourceFormats, format);
    IcxEditDefaultValuesProvider* provider = GetDefaultValuesProvider();
    const int precision = provider ? provider->GetPrecision() : 15;
    TBcd bcd;
    if (isCurrency) {
        if (!TryStrToBcd(text, bcd)) return text;
        return FloatToStrF(BcdToDouble(bcd), TFloatFormat::ffFixed, precision, FormatSettings().CurrencyDecimals);
    }
    if (!format.empty()) {
        if (!(HoldsNumber(value) || TextToFloat(text, number))) return text;
        return FormatFloat(format, HoldsNumber(value) ? value.AsDouble() : number);
    }
    if (!TryStrToBcd(text, bcd)) return text;
    std::string result = FloatToStrF(BcdToDouble(bcd), TFloatFormat::ffGeneral, precision, 0);
    if (UsesThousandSeparator(false)) InsertThousandSeparators(result);
    return result;
}

void TcxCustomTextEditProperties::ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) {
    if (!HoldsNumbers()) {
        displayValue = Variant(VarToStr(value));
        return;
    }
    if (IsSoftNullValue(value) || value.IsEmpty()) {
        displayValue = Variant(std::string());
        return;
    }
    if (!HoldsNumber(value) && !value.IsString())
        throw EConvertError(ResolveResourceString(scxConvertToNumericError));
    displayValue = Variant(FormatNumericText(value, isEditing));
}

std::string TcxCustomTextEditProperties::FormatValueText(const Variant& value, bool editingForm) const {
    if (IsValidEditValue(value, editingForm)) {
        Variant shown;
        const_cast<TcxCustomTextEditProperties*>(this)->ToDisplayValue(value, shown, editingForm);
        return VarToStr(shown);
    }
    if (value.VarType() == varDate) return DateTimeToStr(value.AsDateTime());
    return VarToStr(value);
}

void TcxCustomTextEditProperties::FormatDisplayText(const Variant& value, std::string& text, bool isEditing) {
    // Formatted whole before it is delivered: a value that cannot be shown raises and leaves text alone.
    std::string shown = UsesSourceDisplayFormat(isEditing)
                            ? VarToStr(value)
                            : FormatValueText(value, isEditing && !HasUnfocusedDisplayForm());
    ApplyDisplayTransform(shown);
    text = std::move(shown);
}

bool TcxCustomTextEditProperties::SameDisplayValue(const Variant& value1, const Variant& value2) {
    std::string text1, text2;
    FormatDisplayText(value1, text1, false);
    FormatDisplayText(value2, text2, false);
    return text1 == text2;
}

void TcxCustomTextEditProperties::ApplyDisplayTransform(std::string& text) const {
    if (echoMode_ == eemPassword) {
        // One glyph per character, as the native edit shows it.
        const std::string glyph = CodePointToUtf8(GetPasswordGlyph());
        const std::size_t count = CharCount(text);
        text.clear();
        for (std::size_t i = 0; i < count; ++i) text += glyph;
        return;
    }
    if (charCase_ == ecUpperCase) text = AnsiUpperCase(text);
    if (charCase_ == ecLowerCase) text = AnsiLowerCase(text);
}

} // namespace zorvy
