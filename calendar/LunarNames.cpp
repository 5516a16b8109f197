#include "calendar/GregorianDay.h"
#include "calendar/LunarConversion.h"
#include "calendar/LunarTableLookups.h"
#include "calendar/LunarTables.h"
#include "calendar/TransDate.h"
#include "calendar/TransDateConst.h"

#include <cstdint>

namespace zorvy {

namespace {

int PositiveMod(long value, int divisor) {
    const long remainder = value % divisor;
    return static_cast<int>(remainder < 0 ? remainder + divisor : remainder);
}

// Stem (i mod 10) followed by branch (i mod 12).
std::string CyclicName(long index) {
    return std::string(kHeavenlyStems[PositiveMod(index, 10)]) +
           std::string(kEarthlyBranches[PositiveMod(index, 12)]);
}

long FirstTermDate(int year, int month) {
    return static_cast<long>(EncodeDate(year, month, FirstSolarTermDay(year, month)));
}

// Months that begin at the first solar term of each Gregorian month: count 1 is the month from 小寒,
// 2 the month from 立春, ... 12 the month from 大雪; the days before 小寒 belong to the year before. The
// days of February before 立春 stay in the month from 小寒, named like the January days of that month.
void SolarTermMonth(long dateValue, int& year, int& count) {
    const GregorianDay day = DecodeGregorianDay(static_cast<TDateTime>(dateValue));
    year = day.year;
    if (dateValue >= FirstTermDate(day.year, 1) && day.month > 1) {
        count = 1;
        while (count < 12 && dateValue >= FirstTermDate(day.year, count + 1))
            ++count;
        return;
    }
    count = 1;
    if (day.day < FirstSolarTermDay(day.year, day.month)) {
        year = day.year - 1;
        count = 12;
    }
}

} // namespace

void TLunarDate::UpdateNames() {
    const long dayCount = LunarDayCount({FlYear, FlMonth, FlDay, FFlagLeapMonth});
    const bool fromTable = FlYear >= kLunarFirstYear;
    const long dayNumber = fromTable ? dayCount + 30 : dayCount;
    const long dateValue = fromTable ? dayCount + 31 : dayCount + 1;

    // Day number 1 (1900-01-01) is 甲戌, cyclic index 10.
    FcDay = CyclicName(dayNumber + 9);

    long nameYear = FlYear;
    if (FBookOfChanges) {
        int year = 0, count = 0;
        SolarTermMonth(dateValue, year, count);
        FcMonth = CyclicName(static_cast<long>(year - 1900) * 12 + count + 12);
        // The year changes at 立春, the first solar term of February.
        const GregorianDay day = DecodeGregorianDay(static_cast<TDateTime>(dateValue));
        nameYear = dateValue < FirstTermDate(day.year, 2) ? day.year - 1 : day.year;
    } else {
        FcMonth = CyclicName(static_cast<long>(FlYear - 1900 + 1) * 12 + FlMonth + 1);
    }
    FcYear = std::string(kHeavenlyStems[PositiveMod(nameYear + 6, 10)]) +
             std::string(kEarthlyBranches[PositiveMod(nameYear + 8, 12)]);
    FAnimalYear = std::string(kAnimalNames[PositiveMod(nameYear + 8, 12)]);

    const int term = SolarTermIndex(static_cast<TDateTime>(dateValue));
    FSolarTerm = term >= 0 ? std::string(kSolarTermNames[term]) : std::string();
}

void TLunarDate::UpdateFeastOfLunar() {
    FFeastOfLunar.clear();
    const int key = FeastKey(FlMonth, FlDay);
    for (const TFeastRow& row : FeastOfLunarStr)
        if (row.Key == key) {
            FFeastOfLunar = row.Text;
            break;
        }
    if (FlMonth == 12 && FlDay == FMaxMonthDays) FFeastOfLunar = "除夕";
    if (FSolarTerm == kSolarTermNames[6]) FFeastOfLunar = "清明节";
}

} // namespace zorvy
