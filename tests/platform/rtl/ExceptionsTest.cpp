#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

using namespace zorvy;

TEST(Exceptions, CarryTheirMessageThroughTheHierarchy) {
    try {
        throw EReadError("Stream read error");
    } catch (const EStreamError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
        EXPECT_EQ(e.Message(), "Stream read error");
    }
    EXPECT_THROW(throw EAbort(), Exception);
}
