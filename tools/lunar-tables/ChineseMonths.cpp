#include "ChineseMonths.h"

#include "CivilDays.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <unicode/ucal.h>

namespace zorvy::lunartables {

namespace {

// ICU counts Chinese years continuously from 2637 BCE.
constexpr int kExtendedYearOffset = 2637;

struct LunarDay {
    int year;
    int month; // 1 .. 12
    bool leap;
    int day;
};

class ChineseCalendar {
  public:
    ChineseCalendar() {
        UErrorCode status = U_ZERO_ERROR;
        calendar_.reset(ucal_open(u"UTC", -1, "zh@calendar=chinese", UCAL_DEFAULT, &status));
        Check(status, "ucal_open");
    }

    LunarDay At(long days) {
        UErrorCode status = U_ZERO_ERROR;
        ucal_setMillis(calendar_.get(), static_cast<double>(days) * 86400000.0 + 43200000.0, &status);
        LunarDay result{};
        result.year = ucal_get(calendar_.get(), UCAL_EXTENDED_YEAR, &status) - kExtendedYearOffset;
        result.month = ucal_get(calendar_.get(), UCAL_MONTH, &status) + 1;
        result.leap = ucal_get(calendar_.get(), UCAL_IS_LEAP_MONTH, &status) != 0;
        result.day = ucal_get(calendar_.get(), UCAL_DATE, &status);
        Check(status, "ucal_get");
        return result;
    }

  private:
    static void Check(UErrorCode status, const char* what) {
        if (U_FAILURE(status)) throw std::runtime_error(std::string(what) + ": " + u_errorName(status));
    }

    struct Closer {
        void operator()(UCalendar* calendar) const { ucal_close(calendar); }
    };
    std::unique_ptr<UCalendar, Closer> calendar_;
};

void CheckYear(const LunarYear& year, int monthCount) {
    const int expected = year.leapMonth ? 13 : 12;
    if (monthCount != expected)
        throw std::runtime_error("lunar year " + std::to_string(year.year) + " has " +
                                 std::to_string(monthCount) + " months");
    for (int i = 0; i < monthCount; ++i)
        if (year.lengths[i] != 29 && year.lengths[i] != 30)
            throw std::runtime_error("lunar year " + std::to_string(year.year) + " has a month of " +
                                     std::to_string(year.lengths[i]) + " days");
}

} // namespace

std::vector<LunarYear> ReadChineseYears(int firstYear, int lastYear) {
    ChineseCalendar calendar;
    // Start a little before the first new year and step to it.
    long days = DaysFromCivil(firstYear, 1, 1);
    while (calendar.At(days).year != firstYear || calendar.At(days).day != 1)
        ++days;

    std::vector<LunarYear> years;
    LunarYear current{firstYear, 0, {}};
    int monthIndex = -1;
    for (;; ++days) {
        const LunarDay day = calendar.At(days);
        if (day.year != current.year) {
            CheckYear(current, monthIndex + 1);
            years.push_back(current);
            if (day.year > lastYear) break;
            current = LunarYear{day.year, 0, {}};
            monthIndex = -1;
        }
        if (day.day == 1) {
            ++monthIndex;
            if (monthIndex >= 13)
                throw std::runtime_error("lunar year " + std::to_string(current.year) +
                                         " has too many months");
            if (day.leap) current.leapMonth = day.month;
        }
        if (monthIndex < 0) throw std::runtime_error("lunar year does not start on day 1");
        ++current.lengths[monthIndex];
    }
    return years;
}

} // namespace zorvy::lunartables
