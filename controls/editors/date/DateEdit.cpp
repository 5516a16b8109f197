// The date editor's value: the date and its text, the saved time of date-only values, the range
// correction and the time items of masked date-time input.
#include "controls/editors/date/DateEdit.h"

#include "controls/editors/time/TimeEdit.h"
#include "controls/foundation/locale/FormatController.h"
#include "controls/foundation/locale/SmartDates.h"
#include "platform/rtl/DateTime.h"

#include <cmath>

namespace zorvy {

namespace {
double TimePartOf(double value) { return value - std::trunc(value); }
} // namespace

TcxCustomDateEdit::TcxCustomDateEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomPopupEdit(owner, inplace, propertiesClass) {}

TcxCustomDateEdit::~TcxCustomDateEdit() = default;

TcxDateEdit::TcxDateEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomDateEdit(owner, inplace, propertiesClass) {
    if (!inplace) SetAutoSize(true);
}

// ---- the date ----

TDateTime TcxCustomDateEdit::GetDate() {
    const Variant value = GetEditValue();
    if (value.VarType() == varDate || value.IsNumeric()) return value.AsDouble();
    if (value.IsString()) {
        const Variant date = TextToEditValue(value.RawString(), IsFocused());
        return date.IsNull() ? NullDate : date.AsDouble();
    }
    return NullDate;
}

void TcxCustomDateEdit::SetDate(TDateTime value) {
    if (value == NullDate) {
        SetValueAsUser(Variant::Null());
        return;
    }
    TcxCustomDateEditProperties* p = GetDateProperties();
    if (p->GetKind() == ckDate && TimePartOf(value) == 0)
        value = p->GetSaveTime() ? value + (value < 0 ? -savedTime_ : savedTime_) : value;
    SetValueAsUser(Variant::FromDate(value));
}

Variant TcxCustomDateEdit::TextToEditValue(const std::string& text, bool) {
    TcxCustomDateEditProperties* p = GetDateProperties();
    Variant value = p->TextToDate(text);
    if (value.IsNull() || value.AsDouble() == NullDate) return value;
    if (p->GetKind() == ckDate && p->GetSaveTime()) {
        const double d = value.AsDouble();
        value = Variant::FromDate(std::trunc(d) + (d < 0 ? -savedTime_ : savedTime_));
    }
    return value;
}

TDateTime TcxCustomDateEdit::GetTypedDate() {
    if (IsFocused() && !IsInputValidated() && GetModified()) {
        const Variant value = TextToEditValue(ReadDisplayText(), true);
        return value.IsNull() ? NullDate : value.AsDouble();
    }
    return GetDate();
}

Variant TcxCustomDateEdit::GetTypedValue() { return TextToEditValue(GetText(), true); }

// ---- storing ----

void TcxCustomDateEdit::StoreEditValue(const Variant& value) {
    if (IsDestroying()) return;
    TcxCustomDateEditProperties* p = GetDateProperties();
    if (p->GetKind() == ckDate) {
        savedTime_ = 0;
        if (p->GetSaveTime()) {
            if (value.IsString()) {
                TDateTime d = NullDate;
                if (TryTextToDateTime(value.RawString(), !SharedFormatController()->UseRuntimeFormats, d) &&
                    d != NullDate)
                    savedTime_ = std::fabs(TimePartOf(d));
            } else if (value.VarType() == varDate || value.IsNumeric()) {
                savedTime_ = std::fabs(TimePartOf(value.AsDouble()));
            }
        }
    }
    TcxCustomPopupEdit::StoreEditValue(value);
}

void TcxCustomDateEdit::StoreDisplayValue(const Variant& value) {
    // A text becomes the date it stands for (Null for the empty date); dates go in as they are.
    const Variant stored = value.IsString() ? TextToEditValue(value.RawString(), true) : value;
    PushModifiedFlags();
    struct Pop {
        TcxCustomDateEdit* edit;
        ~Pop() { edit->PopModifiedFlags(); }
    } pop{this};
    SetValueAsUser(stored);
}

void TcxCustomDateEdit::EnforceRange() {
    const TDateTime date = GetDate();
    if (date == NullDate) return;
    TcxCustomDateEditProperties* p = GetDateProperties();
    const bool wasUserChange = IsUserChange();
    GetModified() ? BeginUserChange() : EndUserChange();
    struct Restore {
        TcxCustomDateEdit* edit;
        bool value;
        ~Restore() { value ? edit->BeginUserChange() : edit->EndUserChange(); }
    } restore{this, wasUserChange};
    if (p->IsBoundActive(0) && p->GetMinDate() > date)
        SetDate(p->GetMinDate());
    else if (p->IsBoundActive(1) && date > p->GetMaxDate())
        SetDate(p->GetMaxDate());
}

bool TcxCustomDateEdit::IsCharAllowedAt(std::string& character, int position) {
    TcxDateTimeItemInfo item;
    if (!GetDateProperties()->FindTimeItemAt(position, item)) return true;
    return TypeIntoTimeField(this, item.Field, character, position);
}

} // namespace zorvy
