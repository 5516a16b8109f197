#include "platform/db/Utf16.h"

#include <gtest/gtest.h>

namespace zorvy::odbc {
namespace {

TEST(Utf16, RoundTripsEveryPlaneAndReplacesMalformedInput) {
    struct Case {
        std::string utf8;
        std::vector<uint16_t> utf16;
        bool wellFormed;
    } cases[] = {
        {"", {}, true},
        {"Issue", {'I', 's', 's', 'u', 'e'}, true},
        {"\xE2\x97\x86", {0x25C6}, true},             // ◆
        {"\xE5\x8F\xB7", {0x53F7}, true},             // 号
        {"\xF0\x9F\x8E\xB1", {0xD83C, 0xDFB1}, true}, // a character beyond the basic plane
        {"a\xFFz", {'a', 0xFFFD, 'z'}, false},        // a byte that starts nothing
        {"\xE5\x8F", {0xFFFD, 0xFFFD}, false},        // cut short
        {"\xC0\xAF", {0xFFFD}, false},                // overlong
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
        if (c.wellFormed) {
            EXPECT_EQ(Utf16ToUtf8(c.utf16.data(), c.utf16.size()), c.utf8);
        }
    }
    const uint16_t lone[] = {'x', 0xD800, 'y'};
    EXPECT_EQ(Utf16ToUtf8(lone, 3), "x\xEF\xBF\xBDy");
}

} // namespace
} // namespace zorvy::odbc
