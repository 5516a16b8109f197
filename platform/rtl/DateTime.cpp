#include "platform/rtl/DateTime.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace zorvy {

namespace {

constexpr int64_t kUnixEpoch = 25569; // 1970-01-01 as a TDateTime

int64_t DaysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

// The calendar day and the milliseconds into it; a time that rounds to midnight moves to the next day.
void Split(TDateTime value, int64_t& days, int64_t& msecs) {
    if (!std::isfinite(value) || std::fabs(value) > 3e6) throw EConvertError("Invalid date and time value");
    days = static_cast<int64_t>(std::trunc(value));
    msecs = std::llround(std::fabs(value - static_cast<double>(days)) * MSecsPerDay);
    if (msecs >= static_cast<int64_t>(MSecsPerDay)) {
        msecs = 0;
        ++days;
    }
}

TDateTime FromTm(const std::tm& tm, int msec) {
    return EncodeDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday) +
           EncodeTime(tm.tm_hour, tm.tm_min, tm.tm_sec, msec);
}

} // namespace

TDateTime Now() {
    timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    std::tm tm;
    localtime_r(&ts.tv_sec, &tm);
    return FromTm(tm, static_cast<int>(ts.tv_nsec / 1000000));
}

TDateTime Date() {
    return std::trunc(Now());
}
TDateTime Time() {
    return TimeOf(Now());
}

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInAMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInAMonth(year, month))
        return false;
    result = static_cast<double>(DaysFromCivil(year, month, day) + kUnixEpoch);
    return true;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& result) {
    bool midnightAtEnd = hour == 24 && min == 0 && sec == 0 && msec == 0;
    if (!midnightAtEnd &&
        (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999))
        return false;
    result = (((hour * 60.0 + min) * 60.0 + sec) * 1000.0 + msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime result;
    if (!TryEncodeDate(year, month, day, result)) throw EConvertError("Invalid argument to date encode");
    return result;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
    TDateTime result;
    if (!TryEncodeTime(hour, min, sec, msec, result)) throw EConvertError("Invalid argument to time encode");
    return result;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
    int64_t days, msecs;
    Split(value, days, msecs);
    CivilFromDays(days - kUnixEpoch, year, month, day);
}

void DecodeTime(TDateTime value, int& hour, int& min, int& sec, int& msec) {
    int64_t days, msecs;
    Split(value, days, msecs);
    msec = static_cast<int>(msecs % 1000);
    sec = static_cast<int>(msecs / 1000 % 60);
    min = static_cast<int>(msecs / 60000 % 60);
    hour = static_cast<int>(msecs / 3600000);
}

TDateTime DateOf(TDateTime value) {
    int64_t days, msecs;
    Split(value, days, msecs);
    return static_cast<double>(days);
}

TDateTime TimeOf(TDateTime value) {
    int64_t days, msecs;
    Split(value, days, msecs);
    return static_cast<double>(msecs) / MSecsPerDay;
}

int DayOfWeek(TDateTime value) {
    int64_t days, msecs;
    Split(value, days, msecs);
    // Day 0, 1899-12-30, was a Saturday.
    return static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
}

int DayOfTheWeek(TDateTime value) {
    return (DayOfWeek(value) + 5) % 7 + 1;
}

int DayOf(TDateTime value) {
    int y, m, d;
    DecodeDate(value, y, m, d);
    return d;
}

int MonthOf(TDateTime value) {
    int y, m, d;
    DecodeDate(value, y, m, d);
    return m;
}

int YearOf(TDateTime value) {
    int y, m, d;
    DecodeDate(value, y, m, d);
    return y;
}

int DaysInMonth(TDateTime value) {
    int y, m, d;
    DecodeDate(value, y, m, d);
    return DaysInAMonth(y, m);
}

TDateTime IncMonth(TDateTime value, int months) {
    int y, m, d;
    DecodeDate(value, y, m, d);
    int64_t index = static_cast<int64_t>(y) * 12 + (m - 1) + months;
    int64_t year = index / 12;
    int month = static_cast<int>(index % 12) + 1;
    if (year < 1 || year > 9999) throw EConvertError("Invalid argument to date encode");
    d = std::min(d, DaysInAMonth(static_cast<int>(year), month));
    TDateTime date = EncodeDate(static_cast<int>(year), month, d);
    TDateTime time = TimeOf(value);
    return date >= 0 ? date + time : date - time;
}

void DateTimeToSystemTime(TDateTime value, TSystemTime& st) {
    int y, mo, d, h, mi, s, ms;
    DecodeDate(value, y, mo, d);
    DecodeTime(value, h, mi, s, ms);
    st.wYear = static_cast<uint16_t>(y);
    st.wMonth = static_cast<uint16_t>(mo);
    st.wDay = static_cast<uint16_t>(d);
    st.wDayOfWeek = static_cast<uint16_t>(DayOfWeek(value) - 1);
    st.wHour = static_cast<uint16_t>(h);
    st.wMinute = static_cast<uint16_t>(mi);
    st.wSecond = static_cast<uint16_t>(s);
    st.wMilliseconds = static_cast<uint16_t>(ms);
}

TDateTime SystemTimeToDateTime(const TSystemTime& st) {
    TDateTime date = EncodeDate(st.wYear, st.wMonth, st.wDay);
    TDateTime time = EncodeTime(st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
    return date >= 0 ? date + time : date - time;
}

} // namespace zorvy
