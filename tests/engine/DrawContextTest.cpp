#include "engine/DrawContext.h"

#include "engine/SerialNumber.h"
#include "platform/rtl/Exceptions.h"
#include "tests/engine/RealDraws.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

// Draws oldest first, each given by its balls text; issues count up from 2020001.
std::vector<TDraw> History(std::initializer_list<const char*> results) {
    std::vector<TDraw> draws;
    int issue = 2020001;
    for (const char* result : results)
        draws.push_back({std::to_string(issue++), result});
    return draws;
}

TEST(DrawContext, LastThreeDraws) {
    const TDrawContext one = GetWzEnd6v(History({"01 02 03 04 05 07", "03 08 12 19 25 31"}));
    EXPECT_EQ(one.LastDrawDigits, (TPositionDigits{4, 5, 4, 2, 8, 4}));
    EXPECT_EQ(one.PrevDrawDigits, (TPositionDigits{0, 0, 0, 0, 0, 2}));
    EXPECT_EQ(one.PrevPrevDrawDigits, one.PrevDrawDigits); // stepping back stays on the oldest draw

    const TDrawContext three =
        GetWzEnd6v(History({"03 08 12 19 25 31", "01 02 03 04 05 07", "28 29 30 31 32 33"}));
    EXPECT_EQ(three.LastDrawDigits, (TPositionDigits{1, 0, 7, 5, 6, 8}));
    EXPECT_EQ(three.PrevDrawDigits, (TPositionDigits{0, 0, 0, 0, 0, 2}));
    EXPECT_EQ(three.PrevPrevDrawDigits, (TPositionDigits{4, 5, 4, 2, 8, 4}));
}

TEST(DrawContext, OmissionCounters) {
    // gw digits from the oldest: 4 (454284), 2 (2), 2 (2), 2 (2), 8 (1107568), then the second-last 1,
    // and the last draw 4. Walking back from the second-last: 1 at once, 8 after 1 draw, 2 after 2,
    // 4 after 5; the last draw's 4 plays no part.
    const TDrawContext context = GetWzEnd6v(
        History({"03 08 12 19 25 31", "01 02 03 04 05 07", "01 02 03 04 05 07", "01 02 03 04 05 07",
                 "28 29 30 31 32 33", "01 02 03 04 05 06", "03 08 12 19 25 31"}));
    const auto& gw = context.DigitOmission[5];
    EXPECT_EQ(gw[1], 0);
    EXPECT_EQ(gw[8], 1);
    EXPECT_EQ(gw[2], 2);
    EXPECT_EQ(gw[4], 5);
    // Digits never seen at gw count every draw walked (six of them).
    EXPECT_EQ(gw[3], 6);
    EXPECT_EQ(context.DigitOmission[0][0], 0); // sww of serial 1 is 0
}

TEST(DrawContext, EmptyHistoryAndBadRows) {
    const TDrawContext empty = GetWzEnd6v({});
    EXPECT_EQ(empty.LastDrawDigits, (TPositionDigits{}));
    EXPECT_EQ(empty.DigitOmission[3][7], 0);

    // A blank last row counts as serial 1.
    EXPECT_EQ(GetWzEnd6v(History({"01 02 03 04 05 07", "   "})).LastDrawDigits,
              (TPositionDigits{0, 0, 0, 0, 0, 1}));

    for (const char* bad : {"01 02 03 04 05", "01 02 03 04 05 34", "01 02 03 04 05 05", "0a 02 03 04 05 06",
                            "06 05 04 03 02 01", "01-02-03-04-05-06", "00 02 03 04 05 06"}) {
        try {
            GetWzEnd6v(History({"01 02 03 04 05 07", bad, "01 02 03 04 05 07"}));
            ADD_FAILURE() << bad;
        } catch (const EConvertError& e) {
            EXPECT_NE(std::string(e.what()).find("2020002"), std::string::npos) << e.what();
        }
    }
}

TEST(DrawContext, RealHistory) {
    const std::vector<TDraw> history = RealDrawHistory();
    const TDrawContext context = GetWzEnd6v(history);
    EXPECT_EQ(context.LastDrawDigits, SerialPositionDigits(SerialNumber(
                                          ReadDrawBalls(history.back().ResultA1, history.back().Issue))));
    for (const auto& row : context.DigitOmission)
        for (int32_t counter : row)
            EXPECT_TRUE(counter >= 0 && counter < 200);
}

} // namespace
} // namespace zorvy
