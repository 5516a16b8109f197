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
    try {
        Assert(false, "Invalid operation in GDI+");
        FAIL();
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.Message().rfind("Invalid operation in GDI+ (", 0), 0u);
        EXPECT_NE(e.Message().find("ExceptionsTest.cpp, line "), std::string::npos) << e.Message();
    }
    EXPECT_THROW(Abort(), EAbort);
}
