#pragma once
// The form the values of a field type take: which data types keep integers, floating values, dates,
// text or bytes. Fields, datasets and the driver boundary all read a type through this one table.
#include "platform/db/DataSetTypes.h"

namespace zorvy {

enum class TFieldFamily { Integer, Float, Boolean, Date, Time, DateTime, Text, Binary, Other };

TFieldFamily FieldFamilyOf(TFieldType type);

// Date, time and date-time types all keep a TDateTime.
inline bool IsDateTimeFamily(TFieldFamily family) {
    return family == TFieldFamily::Date || family == TFieldFamily::Time || family == TFieldFamily::DateTime;
}

inline bool IsDateTimeType(TFieldType type) {
    return IsDateTimeFamily(FieldFamilyOf(type));
}

} // namespace zorvy
