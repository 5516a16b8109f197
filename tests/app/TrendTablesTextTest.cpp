// What the trend-table page computes apart from its controls: the hot/warm/cold summary, the equal
// stretches of pattern codes, the codes a user may type, the prior-value boxes and the interval colours.
#include "app/AnalysisText.h"
#include "app/TrendTables.h"

#include <gtest/gtest.h>

#include <ostream>

namespace zorvy {
// Found rows as a failure shows them: "12:bg3◆".
inline void PrintTo(const TStretchRow& row, std::ostream* out) {
    *out << row.qh << ":bg" << row.Code << (row.Follows ? "◇" : "◆");
}
} // namespace zorvy

namespace zorvy::test {
namespace {

TEST(HotColdSummary, ClassesTheValuesBelowTheCounterOfThirty) {
    std::array<int32_t, TrendMaxValue + 1> counts;
    counts.fill(100);
    counts[30] = 20;
    counts[0] = 0;
    counts[1] = 3;
    counts[2] = 4;
    counts[3] = 8;
    counts[4] = 9;
    counts[5] = 19;
    counts[6] = 20; // as old as 30 itself: not listed
    counts[50] = 1;
    EXPECT_EQ(HotColdSummaryText(counts, true), "重:0 \r\n热:1 50 \r\n温:2 3 \r\n冷:4 5 \r\n");
    // With nothing to list the four headings stand alone.
    EXPECT_EQ(HotColdSummaryText(counts, false), "重:\r\n热:\r\n温:\r\n冷:\r\n");
}

TEST(PatternCodes, OnlyOneDigitFromZeroToSeven) {
    const std::pair<std::string, std::optional<int>> cases[] = {
        {"0", 0}, {"7", 7}, {"3", 3}, {"8", std::nullopt}, {"", std::nullopt}, {"12", std::nullopt},
        {"a", std::nullopt}, {" 1", std::nullopt}, {"-1", std::nullopt}, {"七", std::nullopt}};
    for (const auto& [text, code] : cases)
        EXPECT_EQ(PatternCode(text), code) << text;

    for (char32_t key : {U'0', U'5', U'7', char32_t(8)})
        EXPECT_TRUE(AcceptsCodeKey(key)) << static_cast<int>(key);
    for (char32_t key : {U'8', U'9', U'a', U' ', U'七'})
        EXPECT_FALSE(AcceptsCodeKey(key)) << static_cast<int>(key);
}

TEST(PriorValueBoxes, TheHighestTickedBoxCounts) {
    EXPECT_EQ(HighestTicked({false, false, true, false}), 3);
    EXPECT_EQ(HighestTicked({true, false, false, false, true}), 5);
    EXPECT_EQ(HighestTicked({false, false, false}), 0);
}

TEST(PatternRules, TheSixPatternModes) {
    for (TTrendRule rule : {TTrendRule::sx3qidxchk, TTrendRule::sx3qijechk, TTrendRule::sx3qiatchk,
                            TTrendRule::sx3qyschk, TTrendRule::sx6qijechk, TTrendRule::sx6qiyschk})
        EXPECT_TRUE(IsPatternRule(rule));
    for (TTrendRule rule : {TTrendRule::RwLchk, TTrendRule::kuaduchk, TTrendRule::zuoyouchk1, TTrendRule::shuzhichk,
                            TTrendRule::yushuchk, TTrendRule::JIouchk, TTrendRule::NewRwLchk})
        EXPECT_FALSE(IsPatternRule(rule));
}

// Rows with one code each (-1: a row without a mark), issues "1", "2", ...
std::vector<TPatternRow> Rows(std::initializer_list<int> codes) {
    std::vector<TPatternRow> rows;
    for (int code : codes)
        rows.push_back({std::to_string(rows.size() + 1), code < 0 ? 0u : 1u << code});
    return rows;
}

TEST(EqualStretches, MatchesAreFollowedByTheNextCode) {
    struct Case {
        const char* what;
        std::vector<TPatternRow> rows;
        std::vector<int> sequence;
        std::vector<TStretchRow> found;
    };
    const Case cases[] = {
        {"two stretches, each with the code after it",
         Rows({3, 1, 2, 6, 1, 2, 4}),
         {1, 2},
         {{"2", 1}, {"3", 2}, {"4", 6, true}, {"5", 1}, {"6", 2}, {"7", 4, true}}},
        {"overlapping stretches are found once: the next attempt starts after the match",
         Rows({1, 1, 1, 5}),
         {1, 1},
         {{"1", 1}, {"2", 1}, {"3", 1, true}}},
        {"a stretch that ends at the last row has no code after it",
         Rows({4, 0, 4}),
         {0, 4},
         {{"2", 0}, {"3", 4}}},
        {"the row after a stretch without a mark follows it with no code",
         Rows({2, -1}),
         {2},
         {{"1", 2}, {"2", -1, true}}},
        {"a stretch longer than the table", Rows({1, 2}), {1, 2, 3}, {}},
        {"no codes asked", Rows({1, 2}), {}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindEqualStretches(c.rows, c.sequence), c.found) << c.what;

    // Several marks in a row: a row matches any of them, and the first one follows.
    const std::vector<TPatternRow> both{{"1", 1u << 2 | 1u << 6}, {"2", 1u << 6 | 1u << 3}};
    EXPECT_EQ(FindEqualStretches(both, {6}), (std::vector<TStretchRow>{{"1", 6}, {"2", 3, true}, {"2", 6}}));
}

TEST(EqualStretches, AStopEndsTheSearchWithWhatItFound) {
    int attempts = 0;
    const auto found = FindEqualStretches(Rows({1, 1, 1, 1, 1, 1}), {1}, [&] { return ++attempts <= 2; });
    EXPECT_EQ(found, (std::vector<TStretchRow>{{"1", 1}, {"2", 1, true}, {"2", 1}, {"3", 1, true}}));
}

TEST(IntervalColumns, EqualNeighboursLeaveTheirIntervalPlain) {
    const std::pair<std::string, std::array<bool, 7>> cases[] = {
        {"3 3 5 7 7 9 ", {true, false, true, true, false, true, true}},
        {"1 2 3 4 5 6 ", {true, true, true, true, true, true, true}},
        {"", {true, false, false, false, false, false, true}},
        // Words that are no number are skipped; missing values count as 0.
        {"1 2 x 4", {true, true, true, true, false, false, true}},
        {"12 12 ", {true, false, true, false, false, false, true}},
    };
    for (const auto& [text, marks] : cases)
        EXPECT_EQ(IntervalMarks(text), marks) << text;
}

} // namespace
} // namespace zorvy::test
