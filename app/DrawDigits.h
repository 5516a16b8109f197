#pragma once
// Reading the two-digit balls of a draw code.

#include <cstddef>
#include <string>

namespace zorvy {

// The number written by the two digits at offset, -1 when they are not two digits.
inline int TwoDigits(const std::string& text, size_t offset) {
    if (offset + 2 > text.size()) return -1;
    const char a = text[offset], b = text[offset + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
    return (a - '0') * 10 + (b - '0');
}

} // namespace zorvy
