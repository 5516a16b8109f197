#include "data/ViewCalculator.h"

#include "engine/SerialFeatures.h"
#include "engine/SerialNumber.h"
#include "platform/rtl/Numbers.h"

#include <algorithm>

namespace zorvy {

void TViewCalculator::BeginView() {
    History = {};
    DigitGapCounters = {};
    PrevPositionDigits = {};
    Builder.TrendValueHistory = {};
    Builder.PriorValueWindow = {};
    Last6Values = {};
}

TViewRowColumns TViewCalculator::CalculateRow(TTrendView view, const TDrawRow& row,
                                              const TTrendWindowSettings& window,
                                              const TAnalysisSettings& analysis,
                                              const std::function<void(const TTrendRow&)>& appendTrendRow,
                                              const std::function<void()>& processMessages) {
    const int32_t n = SerialNumber(row.Balls);
    const std::string t = std::to_string(n);
    const int32_t divisor = StrToInt(analysis.chusvcom);

    TViewRowColumns columns;
    int32_t& v = columns.ViewValue;
    auto feedTrendTable = [&] {
        if (!Builder.TrendBuildOn) return;
        if (auto trendRow = AddTrendRow(Builder, analysis, false, v, row.Issue, processMessages))
            if (appendTrendRow) appendTrendRow(*trendRow);
        std::shift_left(Builder.TrendValueHistory.begin(), Builder.TrendValueHistory.end(), 1);
        Builder.TrendValueHistory[4] = v;
    };

    if (view == TTrendView::xh) {
        v = SerialViewValue(window.ComboBox1, n, t, window.Edit2);
        columns.Gaps = xhRwLJsFn(DigitGapCounters, t);
    } else if (view == TTrendView::tb) {
        v = AdvancedViewValue(window.ComboBox1, n, row.Balls);
        columns.Gaps = xhRwLJsFn(DigitGapCounters, t);
        feedTrendTable();
    } else {
        const std::string key = PositionKey(view);
        v = PositionViewValue(window.ComboBox1, n, t, key, PrevPositionDigits, DigitGapCounters);
        feedTrendTable();
        PrevPositionDigits = {SerialFeature(n, key), PrevPositionDigits[0], PrevPositionDigits[1]};
        columns.Gaps = xh6wRwLJsFn(DigitGapCounters, t, key);
    }
    columns.Common = CommonRowStep(History, row, v, divisor, FwColumnCount(view));

    std::shift_right(Last6Values.begin(), Last6Values.end(), 1);
    Last6Values[0] = v;
    return columns;
}

} // namespace zorvy
