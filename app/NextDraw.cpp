#include "app/NextDraw.h"

namespace zorvy {

TDateTime NextDrawDate(TDateTime last, TDrawSchedule schedule) {
    if (schedule == TDrawSchedule::Daily) return last + 1;
    // Days to the next Tuesday, Thursday or Sunday, by ISO weekday (Monday 1 .. Sunday 7).
    static constexpr int daysAhead[8] = {0, 1, 2, 1, 3, 2, 1, 2};
    return last + daysAhead[DayOfTheWeek(last)];
}

std::optional<std::string> NextIssue(const std::string& issue, std::optional<TDateTime> nextDate) {
    if (issue.size() != 7) return std::nullopt;
    for (char c : issue)
        if (c < '0' || c > '9') return std::nullopt;
    const int year = std::stoi(issue.substr(0, 4));
    const int number = std::stoi(issue.substr(4));
    if (nextDate && YearOf(*nextDate) > year) return std::to_string(YearOf(*nextDate)) + "001";
    if (number >= 999) return std::nullopt;
    const std::string next = std::to_string(number + 1);
    return issue.substr(0, 4) + std::string(3 - next.size(), '0') + next;
}

} // namespace zorvy
