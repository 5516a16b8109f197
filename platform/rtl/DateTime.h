#pragma once
// TDateTime: days since 1899-12-30 as a double; the fraction is the time of day. Values before
// the epoch keep the date in the whole number and the time in the fraction's magnitude
// (-1.25 is 1899-12-29 06:00).
#include <cstdint>
#include <string>

namespace zorvy {

using TDateTime = double;

inline constexpr double MSecsPerDay = 86400000.0;
inline constexpr int DateDelta = 693594; // days from 0001-01-01 to 1899-12-31

struct TSystemTime {
    uint16_t wYear = 0;
    uint16_t wMonth = 0;
    uint16_t wDayOfWeek = 0; // 0 = Sunday
    uint16_t wDay = 0;
    uint16_t wHour = 0;
    uint16_t wMinute = 0;
    uint16_t wSecond = 0;
    uint16_t wMilliseconds = 0;
};

// Local wall-clock time.
TDateTime Now();
TDateTime Date();
TDateTime Time();

// EConvertError "Invalid argument to date encode" / "Invalid argument to time encode".
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& result);
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& min, int& sec, int& msec);
TDateTime DateOf(TDateTime value);
TDateTime TimeOf(TDateTime value);

int DayOfWeek(TDateTime value);    // 1 = Sunday .. 7 = Saturday
int DayOfTheWeek(TDateTime value); // 1 = Monday .. 7 = Sunday
int DayOf(TDateTime value);
int MonthOf(TDateTime value);
int YearOf(TDateTime value);
bool IsLeapYear(int year);
int DaysInAMonth(int year, int month);
int DaysInMonth(TDateTime value);
// Same day in the month `months` away, clamped to that month's length; the time is kept.
TDateTime IncMonth(TDateTime value, int months = 1);

void DateTimeToSystemTime(TDateTime value, TSystemTime& systemTime);
TDateTime SystemTimeToDateTime(const TSystemTime& systemTime);

// Format letters (any case): c, d, dd, ddd, dddd, ddddd, dddddd, m, mm, mmm, mmmm (minutes right
// after an hour), yy, yyyy, h, hh, n, nn, s, ss, z, zzz, t, tt, am/pm, a/p, ampm, "/", ":",
// and quoted literals. An empty format means "c".
std::string FormatDateTime(const std::string& format, TDateTime value);
std::string DateToStr(TDateTime value);
std::string TimeToStr(TDateTime value);
std::string DateTimeToStr(TDateTime value);

// Fields in the order of ShortDateFormat, separated by DateSeparator; a two-digit year uses the
// century window; a missing year is this year. EConvertError "'%s' is not a valid date".
TDateTime StrToDate(const std::string& text);
// "h:n[:s[.z]]" with an optional AM/PM marker. EConvertError "'%s' is not a valid time".
TDateTime StrToTime(const std::string& text);
// A date, then optionally a time. EConvertError "'%s' is not a valid date and time".
TDateTime StrToDateTime(const std::string& text);
bool TryStrToDate(const std::string& text, TDateTime& value);
bool TryStrToTime(const std::string& text, TDateTime& value);
bool TryStrToDateTime(const std::string& text, TDateTime& value);

} // namespace zorvy
