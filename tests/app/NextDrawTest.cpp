#include "app/NextDraw.h"

#include <gtest/gtest.h>

using namespace zorvy;

// Tekpa draws on Tuesdays, Thursdays and Sundays: the week of Monday 2008-12-01, day by day.
TEST(NextDraw, TekpaDateFollowsEveryWeekday) {
    const struct {
        int day;     // of December 2008
        int nextDay; // the next drawing day (9 is the Tuesday after)
    } cases[] = {{1, 2}, {2, 4}, {3, 4}, {4, 7}, {5, 7}, {6, 7}, {7, 9}};
    for (const auto& c : cases) {
        const TDateTime next = NextDrawDate(EncodeDate(2008, 12, c.day), TDrawSchedule::Tekpa);
        EXPECT_EQ(next, EncodeDate(2008, 12, c.nextDay)) << "from December " << c.day;
    }
    EXPECT_EQ(NextDrawDate(EncodeDate(2009, 12, 31), TDrawSchedule::Tekpa), EncodeDate(2010, 1, 3));
    EXPECT_EQ(NextDrawDate(EncodeDate(2008, 12, 31), TDrawSchedule::Daily), EncodeDate(2009, 1, 1));
}

TEST(NextDraw, IssueCountsOnAndStartsAgainInANewYear) {
    const TDateTime thursday = EncodeDate(2008, 12, 4);
    const TDateTime newYear = EncodeDate(2010, 1, 3);
    const struct {
        const char* issue;
        std::optional<TDateTime> next;
        std::optional<std::string> expected;
    } cases[] = {
        {"2008140", thursday, "2008141"},
        {"2008099", thursday, "2008100"},
        {"2008009", std::nullopt, "2008010"},
        {"2009153", newYear, "2010001"},
        {"2009153", std::nullopt, "2009154"}, // no date: nothing says the year ended
        {"2008999", thursday, std::nullopt},  // the year's numbers are used up
        {"200814", thursday, std::nullopt},
        {"2008l40", thursday, std::nullopt},
        {"", thursday, std::nullopt},
        {" 2008140", thursday, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NextIssue(c.issue, c.next), c.expected) << '"' << c.issue << '"';
}
