#include "tests/data/RealDraws.h"

#include "engine/DrawContext.h"
#include "platform/rtl/Numbers.h"
#include "tests/support/Draws.h"

#include <chrono>

namespace zorvy::test {

namespace {

TDrawRow Convert(const DrawRow& draw) {
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

} // namespace

const std::vector<TDrawRow>& RealDrawRows() {
    static const std::vector<TDrawRow> rows = [] {
        std::vector<TDrawRow> result;
        for (const DrawRow& draw : ReadDraws())
            result.push_back(Convert(draw));
        return result;
    }();
    return rows;
}

TDrawRow BallsRow(const TCombination& balls, int32_t issue) {
    return TDrawRow{issue, balls, 1, 1};
}

} // namespace zorvy::test
