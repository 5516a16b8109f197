#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

using namespace zorvy;

TEST(RtlExceptions, CarryTheirMessageThroughTheHierarchy) {
    try {
        throw EReadError("Stream read error");
    } catch (const EStreamError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
        EXPECT_EQ(e.Message(), "Stream read error");
    }
    EXPECT_THROW(throw EAbort(), Exception);
}

TEST(RtlExceptions, AssertAppendsTheSourcePositionAndAbortIsSilent) {
    Assert(true, "never");
    int line = 0;
    try {
        line = __LINE__ + 1;
        Assert(false, "Invalid operation in GDI+");
        FAIL();
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.Message().rfind("Invalid operation in GDI+ (", 0), 0u);
        std::string position = "ExceptionsTest.cpp, line " + std::to_string(line) + ")";
        EXPECT_NE(e.Message().find(position), std::string::npos) << e.Message();
    }
    EXPECT_THROW(Abort(), EAbort);
}
