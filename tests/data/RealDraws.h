#pragma once
// The real draw history as the trend columns read it, for tests and benchmarks that need no database.
#include "data/DrawRow.h"
#include "engine/DrawContext.h"
#include "platform/rtl/Numbers.h"
#include "tests/support/Draws.h"

#include <chrono>
#include <vector>

namespace zorvy::test {

// One line of the draw file as a row: its issue, balls, day of the month and ISO weekday.
inline TDrawRow RealDrawRow(const DrawRow& draw) {
    using namespace std::chrono;
    TDrawRow row;
    row.Issue = StrToInt(draw.issue);
    row.Balls = ReadDrawBalls(draw.resultA1, draw.issue);
    const year_month_day date{year{StrToInt(draw.endTime.substr(0, 4))},
                              month{static_cast<unsigned>(StrToInt(draw.endTime.substr(5, 2)))},
                              day{static_cast<unsigned>(StrToInt(draw.endTime.substr(8, 2)))}};
    row.DayOfMonth = static_cast<int32_t>(static_cast<unsigned>(date.day()));
    row.WeekDay = static_cast<int32_t>(weekday{sys_days{date}}.iso_encoding());
    return row;
}

inline const std::vector<TDrawRow>& RealDrawRows() {
    static const std::vector<TDrawRow> rows = [] {
        std::vector<TDrawRow> result;
        for (const DrawRow& draw : ReadDraws())
            result.push_back(RealDrawRow(draw));
        return result;
    }();
    return rows;
}

// A row of the given balls; the issue, day and weekday matter only to the parity columns.
inline TDrawRow BallsRow(const TCombination& balls, int32_t issue = 2024001) {
    return TDrawRow{issue, balls, 1, 1};
}

} // namespace zorvy::test
