#pragma once
// What the user's locale says, as the locale queries of the platform answer it: separators, the short
// date picture, the AM/PM designators and the first day and week, plus date and time texts in the
// locale's picture language (d, dd, ddd, dddd, M ... MMMM, y, yy, yyyy, quoted text). The answers
// come from the locale's defaults, not from the program's changeable FormatSettings.
#include "platform/rtl/DateTime.h"

#include <string>

namespace zorvy {

enum : int {
    LOCALE_SDATE = 0x1D,
    LOCALE_STIME = 0x1E,
    LOCALE_SSHORTDATE = 0x1F,
    LOCALE_S1159 = 0x28,
    LOCALE_S2359 = 0x29,
    LOCALE_IFIRSTDAYOFWEEK = 0x100C, // "0" Monday .. "6" Sunday
    LOCALE_IFIRSTWEEKOFYEAR = 0x100D // "0" the week with 1 January, "1" the first full week, "2" four days
};

// Empty for an item it does not know.
std::string GetLocaleInfo(int item);
// The date in the picture (the locale's short date picture when empty); empty for an invalid date.
std::string GetDateFormat(const TSystemTime& date, const std::string& picture = {});
// The time in the locale's long time format.
std::string GetTimeFormat(const TSystemTime& time);

} // namespace zorvy
