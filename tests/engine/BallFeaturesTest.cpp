#include "engine/BallFeatures.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

TEST(BallFeatures, Table) {
    const struct {
        TCombination balls;
        int32_t sum, tail, band, zone, parity, remainder, groupParity, groupRemainder;
    } cases[] = {
        {{1, 2, 3, 4, 5, 6}, 21, 21, 1, 10, 43, 421, 57, 378},
        {{3, 8, 12, 19, 25, 31}, 98, 28, 5, 6, 40, 176, 56, 282},
        {{5, 9, 14, 21, 28, 33}, 110, 30, 7, 6, 54, 544, 30, 555},
        {{28, 29, 30, 31, 32, 33}, 183, 23, 10, 1, 22, 421, 8, 378},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BallSum(c.balls), c.sum);
        EXPECT_EQ(TailSum(c.balls), c.tail);
        EXPECT_EQ(SumBandClass(c.balls), c.band);
        EXPECT_EQ(ZoneRatioClass(c.balls), c.zone);
        EXPECT_EQ(BallParityCode(c.balls), c.parity);
        EXPECT_EQ(BallRemainderCode(c.balls), c.remainder);
        EXPECT_EQ(GroupParityCode(c.balls), c.groupParity);
        EXPECT_EQ(GroupRemainderCode(c.balls), c.groupRemainder);
    }
}

TEST(BallFeatures, BandAndZoneEdges) {
    const struct {
        TCombination balls;
        int32_t band, zone;
    } cases[] = {
        {{1, 2, 3, 4, 16, 33}, 1, 9},      // sum 59, zone counts (4, 1, 1)
        {{1, 2, 3, 4, 17, 33}, 2, 9},      // sum 60
        {{9, 20, 21, 22, 33, 34}, 9, 0},   // sum 139; a ball of 34 is in no zone
        {{10, 20, 21, 22, 33, 34}, 10, 0}, // sum 140
        {{1, 2, 12, 13, 23, 24}, 3, 6},    // two balls per zone
        {{23, 24, 25, 26, 27, 28}, 10, 1}, // all in the third zone
        {{1, 2, 3, 4, 5, 6}, 1, 10},       // all in the first zone
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SumBandClass(c.balls), c.band) << BallSum(c.balls);
        EXPECT_EQ(ZoneRatioClass(c.balls), c.zone) << BallSum(c.balls);
    }
    EXPECT_EQ(TailSum({1, 2, 3, 4, 5, 34}), 15);
}

} // namespace
} // namespace zorvy
