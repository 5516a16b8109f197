// Month and week arithmetic, first and last days, and the null date.
#include "controls/foundation/locale/FormatController.h"
#include "controls/foundation/locale/SmartDates.h"

#include "platform/rtl/LocaleInfo.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Variant.h"

#include <cmath>

namespace zorvy {

namespace {
constexpr int DaysPerMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
}

bool IsNullDateValue(const Variant& value) {
    if (!VarHoldsDate(value) && !VarHoldsNumber(value)) return false;
    try {
        return VarToDateTime(value) == NullDate;
    } catch (const std::exception&) {
        return false;
    }
}

TDateTime EarliestSupportedDate() {
    return EncodeDate(100, 1, 1);
}

void StepMonthBack(uint16_t& year, uint16_t& month) {
    if (month <= 1) {
        month = 12;
        --year;
    } else {
        --month;
    }
}

void StepMonthForward(uint16_t& year, uint16_t& month) {
    if (month >= 12) {
        month = 1;
        ++year;
    } else {
        ++month;
    }
}

int ChangeMonthBy(uint16_t& year, uint16_t& month, int delta) {
    const int years = delta / 12;
    int y = year + years;
    int m = delta % 12 + month;
    if (m <= 0) {
        m += 12;
        --y;
    } else if (m > 12) {
        m -= 12;
        ++y;
    }
    year = uint16_t(y);
    month = uint16_t(m);
    return years;
}

int MonthSerialOf(TDateTime date) {
    int y, m, d;
    DecodeDate(date, y, m, d);
    return y * 12 + m - 12;
}

int DatePartOf(int part, TDateTime date) {
    int y, m, d;
    DecodeDate(date, y, m, d);
    return part == 0 ? y : part == 1 ? m : d;
}

bool IsLeapYearOf(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonthOf(int year, int month) {
    if (month < 1 || month > 12) return 0;
    return DaysPerMonth[month - 1] + (month == 2 && IsLeapYearOf(year) ? 1 : 0);
}

int ClampDayOfMonth(int year, int month, int day) {
    if (day <= 0) return 1;
    return std::min(day, DaysInMonthOf(year, month));
}

double FractionOfDay(TDateTime date) {
    return date - std::trunc(date);
}

TDateTime TruncToDay(TDateTime date) {
    return std::trunc(date);
}

int WeekdayFromWeekStart(TDateTime date) {
    int day = DayOfWeek(date) - 1 - SharedFormatController()->GetFirstDayOfWeek();
    return day < 0 ? day + 7 : day;
}

TDateTime FirstDayOfMonthOf(TDateTime date) {
    int y, m, d;
    DecodeDate(date, y, m, d);
    return EncodeDate(y, m, 1);
}

TDateTime FirstDayOfYearOf(TDateTime date) {
    return EncodeDate(DatePartOf(0, date), 1, 1);
}

static TDateTime EndOfDay(bool dateOnly, TDateTime day) {
    return dateOnly ? day : day + EncodeTime(23, 59, 59, 999);
}

TDateTime LastDayOfMonthOf(bool dateOnly, TDateTime date) {
    int y, m, d;
    DecodeDate(date, y, m, d);
    return EndOfDay(dateOnly, EncodeDate(y, m, DaysInMonthOf(y, m)));
}

TDateTime LastDayOfYearOf(bool dateOnly, TDateTime date) {
    return EndOfDay(dateOnly, EncodeDate(DatePartOf(0, date), 12, 31));
}

int WeekOfYearOf(int firstDayOfWeek, int rule, TDateTime date) {
    if (rule == 0) rule = StrToIntDef(GetLocaleInfo(LOCALE_IFIRSTWEEKOFYEAR), 0) + 1;
    auto weekStart = [&](TDateTime day) {
        int back = (DayOfWeek(day) - 1 - firstDayOfWeek) % 7;
        if (back < 0) back += 7;
        return std::trunc(day) - back;
    };
    const int year = DatePartOf(0, date);
    TDateTime start = weekStart(EncodeDate(year, 1, 1));
    if ((rule == 2 && DatePartOf(0, start) < year) || (rule == 3 && DatePartOf(0, start + 3) < year))
        start += 7;
    const int week = int(std::trunc(date) - start) / 7 + 1;
    if (DatePartOf(1, date) == 12) {
        const TDateTime own = weekStart(date);
        if (rule == 1 && DatePartOf(1, own + 6) == 1) return 1;
        if (rule == 3 && DatePartOf(1, own + 3) == 1) return 1;
    }
    return week;
}

} // namespace zorvy
