#pragma once
// Unicode case mapping and the user's locale collation (ICU), behind the Ansi* text helpers.
#include <string>
#include <string_view>

namespace zorvy {

std::string UnicodeUpper(std::string_view text);
std::string UnicodeLower(std::string_view text);
std::string UnicodeFold(std::string_view text);
// < 0, 0, > 0 in the order of the user's locale; 0 only for equal texts (ignoring case when asked).
int LocaleCompare(std::string_view a, std::string_view b, bool ignoreCase);

} // namespace zorvy
