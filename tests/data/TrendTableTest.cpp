#include "data/TrendTable.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace zorvy;

namespace {

// Feeds values the way a view does: one builder call per row, then the history advances.
struct Build {
    TTrendBuilderState state;
    TAnalysisSettings settings;
    int32_t issue = 2024001;

    Build(TTrendRule rule) {
        settings.Panel4 = true;
        settings.Rule = rule;
        state.TrendBuildOn = true;
    }

    std::vector<std::string> Feed(std::initializer_list<int32_t> values) {
        std::vector<std::string> columns;
        for (int32_t v : values) {
            auto row = AddTrendRow(state, settings, false, v, issue++, {});
            columns.push_back(row ? row->Column : "-");
            std::shift_left(state.TrendValueHistory.begin(), state.TrendValueHistory.end(), 1);
            state.TrendValueHistory[4] = v;
        }
        return columns;
    }
};

using Columns = std::vector<std::string>;

} // namespace

TEST(TrendTable, HotWarmColdCountsFromTheClearing) {
    Build build(TTrendRule::RwLchk);
    EXPECT_EQ(build.Feed({3, 5, 3, 3}), (Columns{"Q0", "Q1", "Q1", "Q0"}));
    // Values above the table's range add no row and leave the counts alone.
    const auto counts = build.state.ValueGapCounts;
    EXPECT_EQ(build.Feed({51, 1000}), (Columns{"-", "-"}));
    EXPECT_EQ(build.state.ValueGapCounts, counts);
}

TEST(TrendTable, LeftRightAgainstThePreviousValueOrTheThreshold) {
    Build build(TTrendRule::zuoyouchk1);
    EXPECT_EQ(build.Feed({4, 4, 2, 9}), (Columns{"Q2", "Q1", "Q0", "Q2"}));
    build.settings.zychk = true;
    build.settings.zycom = std::string("5");
    EXPECT_EQ(build.Feed({7, 5, 1}), (Columns{"Q2", "Q1", "Q0"}));
    build.settings.zycom = "five";
    EXPECT_THROW(build.Feed({7}), EConvertError);
}

TEST(TrendTable, SpanReachesTheLastColumnsOfTheTable) {
    Build build(TTrendRule::kuaduchk);
    EXPECT_EQ(build.Feed({0, 42, 1, 45, 2}), (Columns{"Q0", "Q42", "Q41", "Q1", "Q0"}));
}

TEST(TrendTable, SixDrawPatterns) {
    EXPECT_EQ(SixDrawPattern({1, 2, 3, 3, 5}, "je", 6, false), 101);
    EXPECT_EQ(SixDrawPattern({3, 6, 1, 9, 12}, "0", 15, false), 10);
    // The second formula compares the older value of each pair with the newest of the five.
    EXPECT_EQ(SixDrawPattern({3, 6, 1, 9, 13}, "0", 15, false), 11);
    EXPECT_EQ(SixDrawPattern({3, 6, 1, 9, 13}, "0", 15, true), 100);
    EXPECT_EQ(SixDrawPattern({1, 2, 3, 4, 5}, "x", 6, false), 0);
    EXPECT_EQ(PatternColumn(101), "bg3");
    EXPECT_EQ(PatternColumn(10), "bg6");
    EXPECT_EQ(PatternColumn(2), "");

    Build build(TTrendRule::sx6qijechk);
    build.Feed({1, 2, 3, 3, 5});
    EXPECT_EQ(build.Feed({6}), (Columns{"bg3"}));
}

TEST(TrendTable, FilteredRulesListTheRowsAfterTheSameRun) {
    Build build(TTrendRule::shuzhichk);
    build.settings.Qian = {true, true, false, false, false};
    build.settings.sh = {"4", "7", "0", "0", "0"};
    // Only the rows whose two previous values were 7 then 4 qualify.
    EXPECT_EQ(build.Feed({7, 4, 30, 7, 4, 9, 4}), (Columns{"-", "-", "Q8", "-", "-", "Q9", "-"}));

    build.settings.Rule = TTrendRule::JIouchk;
    build.settings.Qian = {};
    EXPECT_EQ(build.Feed({7, 4, 3}), (Columns{"-", "-", "-"}));
}

TEST(TrendTable, DivisorRuleFailsClearlyBeforeAddingARow) {
    Build build(TTrendRule::yushuchk);
    build.settings.Qian = {true, false, false, false, false};
    build.settings.sh = {"0", "0", "0", "0", "0"};
    build.settings.ysvcom = std::string("4");
    EXPECT_EQ(build.Feed({6}), (Columns{"Q2"}));
    build.settings.ysvcom = std::string("0");
    build.state.PriorValueWindow = {};
    EXPECT_THROW(build.Feed({0}), EDivByZero);
    build.settings.ysvcom = "48";
    build.state.PriorValueWindow = {};
    EXPECT_THROW(build.Feed({45}), EDatabaseError);
}

TEST(TrendTable, CancelAndHiddenPanelStopFurtherRows) {
    Build build(TTrendRule::sx3qijechk);
    int processed = 0;
    auto row = AddTrendRow(build.state, build.settings, false, 3, 2024001, [&] {
        ++processed;
        build.state.TrendBuildCancel = true; // a 取消 click seen while messages are processed
    });
    EXPECT_FALSE(row.has_value());
    EXPECT_EQ(processed, 1);
    EXPECT_EQ(build.Feed({1, 2, 3}), (Columns{"-", "-", "-"}));

    Build hidden(TTrendRule::sx3qijechk);
    hidden.settings.Panel4 = false;
    EXPECT_EQ(hidden.Feed({1}), (Columns{"-"}));
    EXPECT_FALSE(AddTrendRow(build.state, build.settings, true, 3, 1, {}).has_value());
}
