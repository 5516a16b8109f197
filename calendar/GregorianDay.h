#pragma once
// A Gregorian date taken apart, as the feast and name look-ups read it.

#include "platform/rtl/DateTime.h"

namespace zorvy {

struct GregorianDay {
    int year;
    int month;
    int day;
};

inline GregorianDay DecodeGregorianDay(TDateTime date) {
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    return {year, month, day};
}

} // namespace zorvy
