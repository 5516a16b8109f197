// The time editor control: seconds read from the text for stepping, the field-wise step sizes and
// selections, typing field by field, and the date part kept across stored values.
#include "controls/editors/time/TimeEdit.h"

#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"

#include <cctype>
#include <cmath>

namespace zorvy {

namespace {
constexpr int secondsPerDay = 86400;
constexpr int designatorStep = 43200;
constexpr int fieldSteps[] = {3600, 60, 1};

// The two digits at 1-based position start of a text; 0 where they are not digits.
int TwoDigitsAt(const std::string& text, int start) {
    int n = 0;
    for (int i = start - 1; i < start + 1; ++i) {
        const char c = i < static_cast<int>(text.size()) ? text[i] : '0';
        n = n * 10 + (std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : 0);
    }
    return n;
}

double SignOf(double x) { return x < 0 ? -1 : 1; }
} // namespace

TcxCustomTimeEdit::TcxCustomTimeEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomSpinEdit(owner, inplace, propertiesClass) {}

TcxTimeEdit::TcxTimeEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomTimeEdit(owner, inplace, propertiesClass) {
    if (!inplace) SetAutoSize(true);
}

// ---- time and value ----

TDateTime TcxCustomTimeEdit::GetTime() {
    if (IsFocused()) {
        Variant seconds;
        GetValue(seconds);
        return seconds.AsDouble() / secondsPerDay;
    }
    const Variant value = GetEditValue();
    if (value.IsNull() || value.IsEmpty()) return 0;
    TDateTime t = 0;
    if (value.IsString()) {
        if (!TryStrToDateTime(value.RawString(), t)) return 0;
    } else {
        t = value.AsDouble();
    }
    return std::fabs(t - std::trunc(t));
}

void TcxCustomTimeEdit::SetTime(TDateTime x) {
    const double t = std::fabs(x - std::trunc(x));
    SetValueAsUser(Variant::FromDate(SignOf(savedDate_) * t + savedDate_));
}

TcxTimeEditField TcxCustomTimeEdit::GetCurrentField() const {
    return GetTimeProperties()->GetTimeField(GetSelectionStart() + 1);
}

bool TcxCustomTimeEdit::TextToEditValue(const std::string& text, Variant& value) const {
    TDateTime t = 0;
    if (!GetTimeProperties()->TextToTime(text, t)) {
        value = Variant::Null();
        return false;
    }
    const double v = SignOf(savedDate_) * t + savedDate_;
    value = v != 0 ? Variant::FromDate(v) : Variant(0.0);
    return true;
}

Variant TcxCustomTimeEdit::GetTypedValue() {
    Variant value;
    TextToEditValue(GetText(), value);
    return value;
}

void TcxCustomTimeEdit::GetValue(Variant& value) {
    TcxCustomTimeEditProperties* p = GetTimeProperties();
    const std::string text = GetText();
    const bool twelve = !p->GetUse24HourFormat();
    int seconds = TwoDigitsAt(text, 1);
    if (twelve) seconds %= 12;
    seconds *= 3600;
    if (p->GetTimeFormat() != tfHour) seconds += TwoDigitsAt(text, 4) * 60;
    if (p->GetTimeFormat() == tfHourMinSec) seconds += TwoDigitsAt(text, 7);
    const std::string& pm = FormatSettings().TimePMString;
    if (twelve && !pm.empty() && text.size() >= pm.size() && text.compare(text.size() - pm.size(), pm.size(), pm) == 0)
        seconds += designatorStep;
    value = Variant(static_cast<double>(seconds));
}

void TcxCustomTimeEdit::SetValue(const Variant& value) {
    if (value.IsNumeric()) SetTime(value.AsDouble() / secondsPerDay);
}

void TcxCustomTimeEdit::ValueToText(const Variant& value, std::string& text) {
    text = GetTimeProperties()->FormatTime(value.AsDouble() / secondsPerDay);
}

double TcxCustomTimeEdit::GetIncrement(int button) {
    const TcxTimeEditField field = GetCurrentField();
    if (field == tfDesignator) {
        Variant seconds;
        GetValue(seconds);
        return seconds.AsDouble() >= designatorStep ? -designatorStep : designatorStep;
    }
    double step = fieldSteps[field];
    if (field != tfHours && button >= 2) step *= 10;
    return button == 0 || button == 2 ? -step : step;
}

bool TcxCustomTimeEdit::DoStep(int button) {
    if (!HandleAllocated()) return TcxCustomSpinEdit::DoStep(button);
    TcxCustomTimeEditProperties* p = GetTimeProperties();
    const int caret = GetSelectionStart();
    int start, length = 1;
    if (GetCurrentField() == tfDesignator) {
        const std::string text = GetText();
        start = p->GetTimeLength();
        while (start < static_cast<int>(text.size()) && text[start] == ' ') ++start;
        Variant seconds;
        GetValue(seconds);
        // The designator the step will show.
        const bool toPm = seconds.AsDouble() < designatorStep;
        length = static_cast<int>((toPm ? FormatSettings().TimePMString : FormatSettings().TimeAMString).size());
    } else {
        start = caret >= 5 ? 7 : caret >= 2 ? 4 : 1;
    }
    const bool changed = TcxCustomSpinEdit::DoStep(button);
    SetSelection(start, length);
    return changed;
}

// ---- typing ----

bool TypeIntoTimeField(TcxCustomMaskEdit* edit, const TcxTimeFieldInfo& field, std::string& character, int position) {
    const TcxTimeTypingResult result = TypeTimeFieldChar(field, edit->GetText(), character, position);
    if (result.Refused) {
        character.clear();
        return true;
    }
    if (!result.Text.empty()) edit->ShowText(result.Text);
    if (result.Accepted) return true;
    edit->SetSelStartLocked(result.Caret);
    edit->SetSelLengthLocked(result.StepRight ? 1 : 0);
    if (result.StepRight && edit->GetMode()) edit->GetMode()->ProcessRight();
    return false;
}

bool TcxCustomTimeEdit::IsCharAllowedAt(std::string& character, int position) {
    TcxTimeFieldInfo field;
    GetTimeProperties()->GetFieldInfo(position, field);
    return TypeIntoTimeField(this, field, character, position);
}

// ---- storing ----

void TcxCustomTimeEdit::StoreEditValue(const Variant& value) {
    if (value.IsNull() || value.IsEmpty()) {
        savedDate_ = 0;
    } else if (value.IsString()) {
        TDateTime t = 0;
        savedDate_ = TryStrToDateTime(value.RawString(), t) ? std::trunc(t) : 0;
    } else {
        savedDate_ = std::trunc(value.AsDouble());
    }
    TcxCustomSpinEdit::StoreEditValue(value);
}

void TcxCustomTimeEdit::StoreDisplayValue(const Variant& value) {
    Variant stored;
    if (!TextToEditValue(VarToStr(value), stored)) return;
    PushModifiedFlags();
    struct Pop {
        TcxCustomTimeEdit* edit;
        ~Pop() { edit->PopModifiedFlags(); }
    } pop{this};
    StoreEditValue(stored);
}

void TcxCustomTimeEdit::ApplyPropertiesChange(TcxCustomEditProperties* properties) {
    TcxCustomSpinEdit::ApplyPropertiesChange(properties);
    if (!IsFocused() && GetInnerTextEdit()) {
        ShowEditValue();
        SetSelection(static_cast<int>(GetText().size()), 0);
    }
}

} // namespace zorvy
