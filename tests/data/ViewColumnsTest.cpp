#include "data/ViewCalculator.h"

#include "tests/data/RealDraws.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zorvy;
using zorvy::test::BallsRow;
using zorvy::test::RealDrawRows;

namespace {

const TCombination Serial1{1, 2, 3, 4, 5, 6};
const TCombination Serial2{1, 2, 3, 4, 5, 7};
const TCombination Serial3{1, 2, 3, 4, 5, 8};
const TCombination Serial5{1, 2, 3, 4, 5, 10};

std::vector<TViewRowColumns> OpenView(TViewCalculator& calculator, TTrendView view, int kind,
                                      const std::vector<TDrawRow>& rows,
                                      const TAnalysisSettings& analysis = {},
                                      const std::string& edit2 = "0 1 2 3 4 5") {
    TTrendWindowSettings window;
    window.ComboBox1 = kind;
    window.Edit2 = edit2;
    calculator.BeginView();
    std::vector<TViewRowColumns> columns;
    for (const TDrawRow& row : rows)
        columns.push_back(calculator.CalculateRow(view, row, window, analysis));
    return columns;
}

std::vector<int32_t> Values(const std::vector<TViewRowColumns>& columns) {
    std::vector<int32_t> values;
    for (const auto& c : columns)
        values.push_back(c.ViewValue);
    return values;
}

} // namespace

TEST(SerialView, SmallestSerialHasOneDigit) {
    TViewCalculator calculator;
    const std::vector<TDrawRow> rows{BallsRow(Serial1)};
    EXPECT_EQ(OpenView(calculator, TTrendView::xh, 0, rows)[0].ViewValue, 1);
    EXPECT_EQ(OpenView(calculator, TTrendView::xh, 2, rows)[0].ViewValue, 1);  // 长度
    EXPECT_EQ(OpenView(calculator, TTrendView::xh, 22, rows)[0].ViewValue, 0); // 包含0数
    const TGapColumns gaps = OpenView(calculator, TTrendView::xh, 22, rows)[0].Gaps;
    EXPECT_EQ(gaps.chongv + gaps.Rev + gaps.wenv + gaps.lengv, "1 ");
}

TEST(SerialView, DigitSetKindsAgreeAndCountRepeats) {
    TViewCalculator calculator;
    const std::vector<TDrawRow>& rows = RealDrawRows();
    const std::vector<TDrawRow> some(rows.end() - 200, rows.end());
    const auto reference = OpenView(calculator, TTrendView::xh, 32, some, {}, "4 8");
    for (int kind : {33, 34, 35})
        EXPECT_EQ(OpenView(calculator, TTrendView::xh, kind, some, {}, "4 8"), reference) << kind;
    // 03 08 12 19 25 31 is serial 454284: three 4s and one 8.
    EXPECT_EQ(
        OpenView(calculator, TTrendView::xh, 32, {BallsRow({3, 8, 12, 19, 25, 31})}, {}, "4 8")[0].ViewValue,
        4);
    for (const auto& row : OpenView(calculator, TTrendView::xh, 35, some, {}, ""))
        EXPECT_EQ(row.ViewValue, 0);
}

TEST(PositionView, ShapeAndHotWarmColdUseTheRowsBefore) {
    TViewCalculator calculator;
    // Units digits 3, 5, 5, 2.
    const std::vector<TDrawRow> rows{BallsRow(Serial3), BallsRow(Serial5), BallsRow(Serial5),
                                     BallsRow(Serial2)};
    EXPECT_EQ(Values(OpenView(calculator, TTrendView::gw, 4, rows)), (std::vector<int32_t>{0, 1, 0, 7}));
    // 热温冷值: the 5 of the third row was present in the row just before, so its counter is 0.
    const auto hot = OpenView(calculator, TTrendView::gw, 6, rows);
    EXPECT_EQ(hot[2].ViewValue, 4);
    EXPECT_EQ(hot[2].Gaps.chongv, "5 ");
    // A serial below 100,000 has 0 at the hundred-thousands position.
    EXPECT_EQ(Values(OpenView(calculator, TTrendView::sww, 0, rows)), (std::vector<int32_t>{0, 0, 0, 0}));
}

TEST(AdvancedView, GapColumnsClassEveryDigitOfTheSerial) {
    TViewCalculator calculator;
    const auto columns = OpenView(calculator, TTrendView::tb, 0, {BallsRow({3, 8, 12, 19, 25, 31})});
    EXPECT_EQ(columns[0].ViewValue, 6); // 卡普雷卡尔1 of 454284
    EXPECT_EQ(columns[0].Gaps.chongv, "2 4 5 8 ");
}

TEST(ViewColumns, EachOpeningStartsAfresh) {
    TViewCalculator calculator;
    const std::vector<TDrawRow>& rows = RealDrawRows();
    const std::vector<TDrawRow> some(rows.end() - 50, rows.end());
    const auto first = OpenView(calculator, TTrendView::sw, 3, some);
    OpenView(calculator, TTrendView::gw, 3, rows);
    OpenView(calculator, TTrendView::xh, 0, rows);
    EXPECT_EQ(OpenView(calculator, TTrendView::sw, 3, some), first);
    EXPECT_EQ(calculator.Last6Values[0], first.back().ViewValue);
    EXPECT_EQ(calculator.Last6Values[5], first[first.size() - 6].ViewValue);
}

TEST(ViewColumns, LastValuesHoldSerialsAndShortRangesLeaveZeros) {
    TViewCalculator calculator;
    OpenView(calculator, TTrendView::xh, 0, {BallsRow(Serial2), BallsRow({28, 29, 30, 31, 32, 33})});
    EXPECT_EQ(calculator.Last6Values, (std::array<int32_t, 6>{1107568, 2, 0, 0, 0, 0}));
    EXPECT_EQ(calculator.LabelText(), "重:0 1 5 6 7 8 热:2 3 4 9 温:冷:");
}

// Over the whole real history, every kind of every view computes its columns, and building the trend
// table alongside changes none of them.
TEST(ViewColumns, EveryKindOfEveryViewOverTheRealHistory) {
    const std::vector<TDrawRow>& rows = RealDrawRows();
    ASSERT_EQ(rows.size(), 3493u);
    TViewCalculator plain;
    TViewCalculator building;
    TAnalysisSettings analysis;
    analysis.Panel4 = true;
    int rule = 0;
    int totalAdded = 0;
    for (TTrendView view : {TTrendView::xh, TTrendView::gw, TTrendView::sw, TTrendView::bw, TTrendView::qw,
                            TTrendView::ww, TTrendView::sww, TTrendView::tb}) {
        for (int kind = -1; kind < KindCount(view); ++kind) {
            TTrendWindowSettings window;
            window.ComboBox1 = kind;
            analysis.Rule = static_cast<TTrendRule>(rule++ % 13);
            plain.BeginView();
            building.BeginView();
            building.Builder.TrendBuildOn = true;
            int added = 0;
            for (const TDrawRow& row : rows) {
                const TViewRowColumns expected = plain.CalculateRow(view, row, window, analysis);
                const TViewRowColumns actual =
                    building.CalculateRow(view, row, window, analysis, [&](const TTrendRow&) { ++added; });
                ASSERT_EQ(actual, expected)
                    << static_cast<int>(view) << " kind " << kind << " issue " << row.Issue;
            }
            if (view == TTrendView::xh) {
                EXPECT_EQ(added, 0);
            } else {
                totalAdded += added;
            }
            EXPECT_EQ(plain.LabelText(), building.LabelText());
        }
    }
    EXPECT_GT(totalAdded, 100000);
}
