// The time editor's settings: the format table with its 12-hour masks, the fields of a time text, the
// conversions between times and texts, the checks, and the kind's registration.
#include "controls/editors/time/TimeEdit.h"

#include "controls/editors/framework/EditRepository.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/Strings.h"

#include <array>
#include <cmath>

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryTimeItem, "TimeEdit|Represents an editor displaying time values");
ZORVY_RESOURCESTRING(scxTimeEditCouldNotConvert, "Could not convert to time");

namespace {

struct TimeFormatEntry {
    const char* DisplayFormat;
    std::string EditMask;
};

// Indexed by format x 2 + (1 on a 24-hour clock).
std::array<TimeFormatEntry, 6>& TimeFormatTable() {
    static std::array<TimeFormatEntry, 6> table{{
        {"hh:nn:ss ampm", "00:00:00 LL;1;0"},
        {"hh:nn:ss", "00:00:00;1;0"},
        {"hh:nn ampm", "00:00 LL;1;0"},
        {"hh:nn", "00:00;1;0"},
        {"hh ampm", "00 LL;1;0"},
        {"hh", "00;1;0"},
    }};
    return table;
}

int TableIndex(TcxTimeEditTimeFormat format, bool use24) { return format * 2 + (use24 ? 1 : 0); }

std::string RightTrimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

int timeEditUnitCounter = 0;
TcxTimeEditFormatListener* timeEditListener = nullptr;

} // namespace

// ---- the format table ----

void RebuildTimeEditMasks() {
    const std::string noon = FormatDateTime("hh:mm:ss AMPM", 0.5);
    std::string designatorMask;
    // Every character after the eighth: a blank stays, any other becomes "c" (characters, not bytes).
    for (size_t i = 8; i < noon.size();) {
        const unsigned char lead = static_cast<unsigned char>(noon[i]);
        const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        designatorMask += lead == ' ' ? ' ' : 'c';
        i += length;
    }
    designatorMask = RightTrimmed(designatorMask);
    auto& table = TimeFormatTable();
    for (int i = 0; i < 3; ++i) {
        std::string& mask = table[i * 2].EditMask;
        mask = mask.substr(0, 8 - 3 * i) + designatorMask + ";1;0";
    }
}

const std::string& TimeEditMask(TcxTimeEditTimeFormat format, bool use24HourFormat) {
    return TimeFormatTable()[TableIndex(format, use24HourFormat)].EditMask;
}

TcxTimeEditFormatListener::TcxTimeEditFormatListener() {
    SharedFormatController()->AddListener(this);
    RebuildTimeEditMasks();
}

TcxTimeEditFormatListener::~TcxTimeEditFormatListener() {
    if (TcxFormatController* controller = ExistingFormatController()) controller->RemoveListener(this);
}

void TcxTimeEditFormatListener::FormatChanged() { RebuildTimeEditMasks(); }

// ---- settings ----

TcxCustomTimeEditProperties::TcxCustomTimeEditProperties(TPersistent* owner) : TcxCustomSpinEditProperties(owner) {
    BeginChanges();
    SetValueType(vtFloat);
    UpdateEditMask();
    SetIgnoreMaskBlank(true);
    SetIncrement(1);
    SetMinValue(0);
    SetMaxValue(86399);
    SetAlwaysShowBlanksAndLiterals(true);
    EndChanges(false);
}

void TcxCustomTimeEditProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomTimeEditProperties*>(source);
    if (!other) {
        TcxCustomSpinEditProperties::Assign(source);
        return;
    }
    BeginChanges();
    TcxCustomSpinEditProperties::Assign(source);
    SetAutoCorrectHours(other->autoCorrectHours_);
    SetShowDate(other->showDate_);
    SetTimeFormat(other->timeFormat_);
    SetUse24HourFormat(other->use24HourFormat_);
    SetUseTimeFormatWhenUnfocused(other->useTimeFormatWhenUnfocused_);
    EndChanges();
}

void TcxCustomTimeEditProperties::SetShowDate(bool value) {
    if (value == showDate_) return;
    showDate_ = value;
    Changed();
}

void TcxCustomTimeEditProperties::SetTimeFormat(TcxTimeEditTimeFormat value) {
    if (value == timeFormat_) return;
    timeFormat_ = value;
    UpdateEditMask();
    Changed();
}

void TcxCustomTimeEditProperties::SetUse24HourFormat(bool value) {
    if (value == use24HourFormat_) return;
    use24HourFormat_ = value;
    UpdateEditMask();
    Changed();
}

void TcxCustomTimeEditProperties::SetUseTimeFormatWhenUnfocused(bool value) {
    if (value == useTimeFormatWhenUnfocused_) return;
    useTimeFormatWhenUnfocused_ = value;
    Changed();
}

void TcxCustomTimeEditProperties::UpdateEditMask() {
    SetEditMask(TimeEditMask(timeFormat_, use24HourFormat_));
}

const std::string& TcxCustomTimeEditProperties::GetDisplayFormatText() const {
    static std::string formats[6];
    const int index = TableIndex(timeFormat_, use24HourFormat_);
    formats[index] = TimeFormatTable()[index].DisplayFormat;
    return formats[index];
}

// ---- fields ----

int TcxCustomTimeEditProperties::GetFieldStart(TcxTimeEditField field) const {
    switch (field) {
    case tfHours: return 1;
    case tfMinutes: return 4;
    case tfSeconds: return 7;
    default: return 10 - 3 * timeFormat_;
    }
}

TcxTimeEditField TcxCustomTimeEditProperties::GetTimeField(int position) const {
    const int maxLength = GetMaxLength();
    if (maxLength > 0 && maxLength < position) position = maxLength;
    if (!use24HourFormat_ && position > GetTimeLength()) return tfDesignator;
    const std::string format = AnsiUpperCase(GetDisplayFormatText());
    const int length = static_cast<int>(format.size());
    position = std::max(1, std::min(position, length));
    char c = format[position - 1];
    if (c != 'H' && c != 'N' && c != 'S') c = format[std::min(position + 1, length) - 1];
    return c == 'H' ? tfHours : c == 'N' ? tfMinutes : tfSeconds;
}

void TcxCustomTimeEditProperties::GetFieldInfo(int position, TcxTimeFieldInfo& info) const {
    info.Field = GetTimeField(position);
    info.Start = GetFieldStart(info.Field);
    info.Length = GetFieldLength(info.Field);
    info.DesignatorKind = GetDesignatorKind();
    info.Use24HourFormat = use24HourFormat_;
}

// ---- conversions ----

bool TcxCustomTimeEditProperties::TextToTime(const std::string& text, TDateTime& time) const {
    std::string s = text;
    if (!use24HourFormat_) s = s.substr(0, std::min<size_t>(s.size(), GetTimeLength()));
    s = RightTrimmed(s);
    if (s.empty()) return false;
    if (s.size() == 2) s += ":00";
    if (!use24HourFormat_) {
        // A short text trimmed of its blanks has no designator part to read.
        const size_t timeLength = static_cast<size_t>(std::max(0, GetTimeLength()));
        const std::string rest = text.size() > timeLength ? text.substr(timeLength) : std::string();
        const std::string& am = FormatSettings().TimeAMString;
        s += " " + (!am.empty() && rest.find(am) != std::string::npos ? am : FormatSettings().TimePMString);
    }
    // "24:00" reads as the end of the day elsewhere; a time editor holds a time of day only.
    TDateTime read;
    if (!TryStrToTime(s, read) || read >= 1) return false;
    time = read;
    return true;
}

std::string TcxCustomTimeEditProperties::FormatTime(TDateTime value) const {
    return RightTrimmed(FormatDateTime(GetDisplayFormatText(), value));
}

// ---- checks and display ----

bool TcxCustomTimeEditProperties::UsesDefaultFormatting(bool isEditing) const {
    return const_cast<TcxCustomTimeEditProperties*>(this)->UsesProviderDisplayFormat(isEditing);
}

bool TcxCustomTimeEditProperties::IsValidEditValue(const Variant& value, bool) const {
    if (value.IsString()) {
        TDateTime t;
        return TryStrToDateTime(value.RawString(), t);
    }
    return value.IsNull() || value.IsEmpty() || value.VarType() == varDate || value.IsNumeric();
}

bool TcxCustomTimeEditProperties::CheckTextValue(std::string& text) const {
    return TcxCustomMaskEditProperties::CheckTextValue(text);
}

void TcxCustomTimeEditProperties::ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) {
    if (value.IsNull() || value.IsEmpty()) {
        displayValue = Variant(isEditing ? FormatTime(0) : std::string());
        return;
    }
    TDateTime v;
    if (value.IsString()) {
        if (!TryStrToDateTime(value.RawString(), v)) v = Now();
    } else if (value.VarType() == varDate || value.IsNumeric()) {
        v = value.AsDouble();
    } else {
        throw EConvertError(ResolveResourceString(scxTimeEditCouldNotConvert));
    }
    const bool datePart = showDate_ && std::trunc(v) != 0;
    std::string text;
    if (isEditing || (useTimeFormatWhenUnfocused_ && !datePart))
        text = FormatTime(v);
    else if (datePart)
        text = DateTimeToStr(v);
    else
        text = FormatDateTime(FormatSettings().LongTimeFormat, v);
    displayValue = Variant(RightTrimmed(text));
}

std::string TcxCustomTimeEditProperties::GetEmptyDisplayValue() const { return FormatTime(0); }

void TcxCustomTimeEditProperties::VerifyDisplayValue(Variant& displayValue, std::string& errorText,
                                                     TcxCustomEdit* edit, bool& error) {
    TDateTime time;
    if (!error && !TextToTime(VarToStr(displayValue), time)) error = true;
    if (error && errorText.empty()) errorText = ResolveResourceString(scxTimeEditCouldNotConvert);
    bool changed;
    if (edit) RunValidateEvent(displayValue, errorText, changed, edit, error);
}

// ---- factory, filter helper and registration ----

const TMetaClass* TcxCustomTimeEditProperties::GetEditControlClass() const { return TcxTimeEdit::StaticClass(); }

TcxCustomEdit* TcxCustomTimeEditProperties::CreateEditControl(bool inplace) const {
    return new TcxTimeEdit(nullptr, inplace, ClassType());
}

const TMetaClass* TcxFilterTimeEditHelper::GetEditorClassForFilter(TcxCustomEditProperties*,
                                                                   TcxInplaceEditList*) const {
    return TcxTimeEditProperties::StaticClass();
}

void TcxFilterTimeEditHelper::AdaptEditor(TcxCustomEdit* editor, TcxCustomEditProperties* source) const {
    TcxFilterSpinEditHelper::AdaptEditor(editor, source);
    if (auto* time = dynamic_cast<TcxCustomTimeEdit*>(editor)) time->SetTime(0);
}

void InitializeTimeEditUnit() {
    if (timeEditUnitCounter++ != 0) return;
    timeEditListener = new TcxTimeEditFormatListener;
    GetEditPropertiesRegistry()->AddClass(TcxTimeEditProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryTimeItem));
    GetFilterEditHelperRegistry()->AddPair(TcxTimeEditProperties::StaticClass(),
                                           TcxFilterTimeEditHelper::StaticClass());
}

void FinalizeTimeEditUnit() {
    if (timeEditUnitCounter == 0 || --timeEditUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxTimeEditProperties::StaticClass(),
                                              TcxFilterTimeEditHelper::StaticClass());
    delete timeEditListener;
    timeEditListener = nullptr;
}

} // namespace zorvy
