#pragma once
// UTF-8 <-> UTF-16 for the wide ODBC calls: the drivers exchange text as UTF-16, the program keeps UTF-8.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zorvy::odbc {

// Malformed UTF-8 becomes U+FFFD rather than an error: text reaching the driver is never cut short.
std::vector<uint16_t> Utf8ToUtf16(const std::string& text);
std::string Utf16ToUtf8(const uint16_t* text, size_t length);

} // namespace zorvy::odbc
