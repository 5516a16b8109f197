#include "calendar/TransDate.h"

#include "calendar/LunarConversion.h"
#include "calendar/LunarTableLookups.h"
#include "calendar/LunarTables.h"
#include "platform/rtl/Exceptions.h"

#include <cmath>

namespace zorvy {

namespace {

// 0001-01-01 .. 9999-12-31, the days the date routines can name.
constexpr TDateTime kFirstDateValue = -693593;
constexpr TDateTime kEndDateValue = 2958466;

bool IsDateValue(TDateTime value) {
    return std::isfinite(value) && value >= kFirstDateValue && value < kEndDateValue;
}

bool IsConvertible(const TLunarDate& lunar) {
    return lunar.GetlYear() >= kLunarFirstYear && lunar.GetlYear() <= kLunarLastYear &&
           lunar.GetlMonth() >= 1 && lunar.GetlMonth() <= 12 && lunar.GetlDay() >= 1;
}

} // namespace

TTransDate::TTransDate(TComponent* owner) : TComponent(owner), FLunarDate(std::make_unique<TLunarDate>()) {
    FISO8601 = false;
    SetDate(Date());
    FYearText = "年";
    FMonthText = "月";
    FDayText = "日";
    FLeapText = "闰";
    FLunarDate->OnChange = [this](TLunarDate* sender) { LunarDateChanged(sender); };
    SetBookOfChanges(false);
}

TTransDate::~TTransDate() = default;

void TTransDate::SetDate(TDateTime value) {
    if (!IsDateValue(value)) throw EConvertError("Invalid date value");
    if (value == FDate) return;
    FDate = value;
    SolarToLunar(value);
    FLunarDate->Recalculate();
    UpdateMaxMonthDays();
    UpdateWeek();
    UpdateFeast();
    Change();
}

bool TTransDate::SolarToLunar(TDateTime date) {
    if (!IsDateValue(date)) return false;
    const auto lunar = LunarDayFromDayNumber(static_cast<long>(std::trunc(date)) - 1);
    if (!lunar) return false;
    FLunarDate->FlYear = lunar->year;
    FLunarDate->FlMonth = lunar->month;
    FLunarDate->FlDay = lunar->day;
    FLunarDate->FFlagLeapMonth = lunar->leapMonth;
    return true;
}

TDateTime TTransDate::LunarToSolar(const TLunarDate& lunar) const {
    return static_cast<TDateTime>(
        LunarDayCount({lunar.GetlYear(), lunar.GetlMonth(), lunar.GetlDay(), lunar.GetFlagLeapMonth()}) + 31);
}

// The lunar date moved: the Gregorian date follows as long as the lunar date lies in the table.
void TTransDate::LunarDateChanged(TLunarDate*) {
    if (IsConvertible(*FLunarDate)) FDate = LunarToSolar(*FLunarDate);
    UpdateMaxMonthDays();
    UpdateWeek();
    UpdateFeast();
    Change();
}

void TTransDate::SetLunarDate(TLunarDate* value) {
    if (value == nullptr || value == FLunarDate.get() || !IsConvertible(*value)) return;
    FLunarDate->Assign(value);
}

void TTransDate::SetISO8601(bool value) {
    FISO8601 = value;
    UpdateWeek();
}

void TTransDate::SetLeapMonth(bool value) {
    FLeapMonth = value;
    if (FLunarDate->GetlMonth() == LunarLeapMonth(FLunarDate->GetlYear()) &&
        FLunarDate->GetFlagLeapMonth() != value) {
        // The change event may free this component.
        const TWeakLink<TTransDate> self(this);
        FLunarDate->SetFlagLeapMonth(value);
        if (self) SetDate(LunarToSolar(*FLunarDate));
    }
}

void TTransDate::SetBookOfChanges(bool value) {
    FBookOfChanges = value;
    FLunarDate->SetBookOfChanges(value);
}

void TTransDate::UpdateMaxMonthDays() {
    int year = 0, month = 0, day = 0;
    DecodeDate(FDate, year, month, day);
    FMaxMonthDays = DaysInAMonth(year, month);
}

void TTransDate::Change() {
    if (OnChange) OnChange(this);
}

} // namespace zorvy
