#pragma once
// The value of one field in one record as the dataset keeps it. Its meaning comes from the field's
// data type: integer kinds hold int64_t, floating and currency kinds double, date and time kinds a
// TDateTime as double, text kinds UTF-8 text, Boolean bool, binary kinds bytes; monostate is null.
#include "platform/db/Odbc.h"

#include <cstdint>
#include <string>
#include <variant>

namespace zorvy {

using CellValue = std::variant<std::monostate, bool, int64_t, double, std::string, odbc::Bytes>;

inline bool IsNullCell(const CellValue& value) {
    return std::holds_alternative<std::monostate>(value);
}

} // namespace zorvy
