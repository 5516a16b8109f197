#include "app/AnalysisText.h"

#include "platform/rtl/Numbers.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace zorvy {

TDateTime NextDrawDate(TDateTime date) {
    // Days from each ISO weekday (Monday first) to the next of Tuesday, Thursday and Sunday.
    static constexpr int daysToNext[8] = {0, 1, 2, 1, 3, 2, 1, 2};
    const TDateTime day = DateOf(date);
    return day + daysToNext[DayOfTheWeek(day)];
}

std::string NextDrawCaptionText(int32_t lastIssue, TDateTime nextDate, int lunarDay) {
    return "数据分析    下期开奖信息:第" + std::to_string(static_cast<int64_t>(lastIssue) + 1) + "期 " +
           std::to_string(MonthOf(nextDate)) + "月 " + std::to_string(DayOf(nextDate)) + "日 周" +
           std::to_string(DayOfTheWeek(nextDate)) + "  农历日：" + std::to_string(lunarDay);
}

std::string AssistantTargetName(TTrendView view, int kind) {
    if (kind < 0 || kind >= KindCount(view)) return {};
    auto named = [](const std::string& prefix, int number) {
        return prefix + std::to_string(number) + "Edit";
    };
    switch (view) {
    case TTrendView::xh:
        if (kind < 22) return named("xhtz", kind + 1);
        if (kind < 32) return named("xhx", kind - 22);
        return named("xhbh", kind - 31);
    case TTrendView::tb:
        return named(kind >= 8 && kind < 14 ? "Tb" : "tb", kind + 1);
    default:
        return named(PositionKey(view), kind + 1);
    }
}

std::string LastValuesText(const std::array<int32_t, 6>& values) {
    std::string text;
    for (int32_t value : values)
        if (value >= 0) text += std::to_string(value) + " ";
    return text;
}

std::string SortedValueList(const std::string& text) {
    std::vector<int64_t> numbers;
    std::istringstream words(text);
    std::string word;
    while (numbers.size() < 6 && words >> word) {
        int64_t number = 0;
        if (TryStrToInt64(word, number)) numbers.push_back(number);
    }
    std::stable_sort(numbers.begin(), numbers.end());
    std::string sorted;
    for (int64_t number : numbers)
        sorted += std::to_string(number) + " ";
    return sorted;
}

std::array<bool, 7> IntervalMarks(const std::string& sorted) {
    std::array<int64_t, 6> values{};
    std::istringstream words(sorted);
    std::string word;
    size_t count = 0;
    while (count < values.size() && words >> word)
        if (TryStrToInt64(word, values[count])) ++count;
    std::array<bool, 7> marks{};
    marks[0] = marks[6] = true;
    for (size_t k = 1; k <= 5; ++k)
        marks[k] = values[k - 1] != values[k];
    return marks;
}

int TailSumRemainder(const TCombination& balls) {
    int sum = 0;
    for (int ball : balls)
        sum += ball % 10;
    return sum % 3;
}

int BallSumRemainder(const TCombination& balls) {
    int sum = 0;
    for (int ball : balls)
        sum += ball;
    return sum % 3;
}

} // namespace zorvy
