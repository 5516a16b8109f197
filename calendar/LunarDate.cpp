#include "calendar/LunarTableLookups.h"
#include "calendar/LunarTables.h"
#include "calendar/TransDate.h"

namespace zorvy {

TLunarDate::TLunarDate() {
    // Provisional values until the owning component converts its first date.
    int year = 0, month = 0, day = 0;
    DecodeDate(Date(), year, month, day);
    FlYear = year;
    FlMonth = month;
    FlDay = day;
    FMaxMonthDays = MonthDays(FlYear, FlMonth);
}

int TLunarDate::MonthDays(int year, int month) const {
    const int lengths = LunarMonthLengths(year, month);
    const int leapDays = lengths >> 16;
    return FFlagLeapMonth && leapDays != 0 ? leapDays : lengths & 0xFFFF;
}

void TLunarDate::Recalculate() {
    FMaxMonthDays = MonthDays(FlYear, FlMonth);
    if (FlDay > FMaxMonthDays) FlDay = FMaxMonthDays;
    UpdateNames();
    UpdateFeastOfLunar();
}

void TLunarDate::SetlYear(int value) {
    if (value == FlYear || value < kLunarFirstYear || value > kLunarLastYear) return;
    FlYear = value;
    Recalculate();
    Change();
}

void TLunarDate::SetlMonth(int value) {
    if (value == FlMonth || value < 1 || value > 12) return;
    FlMonth = value;
    Recalculate();
    Change();
}

// A day the month does not have is not stored, but the change is still reported.
void TLunarDate::SetlDay(int value) {
    if (value >= 1 && value <= MonthDays(FlYear, FlMonth)) FlDay = value;
    Recalculate();
    Change();
}

// Switching between a month and its leap month changes the month's length and the day's names, so they are
// recalculated before the change is reported.
void TLunarDate::SetFlagLeapMonth(bool value) {
    if (value == FFlagLeapMonth) return;
    FFlagLeapMonth = value;
    Recalculate();
    Change();
}

void TLunarDate::SetBookOfChanges(bool value) {
    FBookOfChanges = value;
    UpdateNames();
    Change();
}

void TLunarDate::Assign(TPersistent* source) {
    const auto* lunar = dynamic_cast<const TLunarDate*>(source);
    if (lunar == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    FlYear = lunar->FlYear;
    FlMonth = lunar->FlMonth;
    FlDay = lunar->FlDay;
    FFlagLeapMonth = lunar->FFlagLeapMonth;
    Recalculate();
    Change();
}

void TLunarDate::Change() {
    if (OnChange) OnChange(this);
}

} // namespace zorvy
