#pragma once
// The calculated columns of the rows of one opening of a trend view: the state the rows share, and the
// per-row computation that the views' calculated-column handlers run.
#include "data/AnalysisSettings.h"
#include "data/DigitGaps.h"
#include "data/DrawRow.h"
#include "data/RunningHistory.h"
#include "data/TrendTable.h"
#include "data/ViewKinds.h"

#include <array>
#include <cstdint>
#include <functional>

namespace zorvy {

// Everything calculated for one row.
struct TViewRowColumns {
    int32_t ViewValue = 0;
    TGapColumns Gaps;
    TCommonColumns Common;
    bool operator==(const TViewRowColumns&) const = default;
};

class TViewCalculator {
  public:
    // A view's rows are about to be calculated: they are compared only with one another. The trend
    // table's value counts are left alone; the refresh that starts a build clears them.
    void BeginView();
    // One row, in ascending issue order. While `Builder.TrendBuildOn` is set, the position and advanced
    // views hand their value to the trend-table builder; a row it yields goes to `appendTrendRow`.
    TViewRowColumns CalculateRow(TTrendView view, const TDrawRow& row, const TTrendWindowSettings& window,
                                 const TAnalysisSettings& analysis,
                                 const std::function<void(const TTrendRow&)>& appendTrendRow = {},
                                 const std::function<void()>& processMessages = {});
    // After the last row: the hot/warm/cold label of the view.
    std::string LabelText() const { return xhRwLdisp(DigitGapCounters); }

    TRunningHistory History;
    TDigitGapCounters DigitGapCounters{};
    TPrevPositionDigits PrevPositionDigits{};
    TTrendBuilderState Builder;
    // The view values of the last six rows of the opening, index 0 the last row's; 0 where there is none.
    std::array<int32_t, 6> Last6Values{};
};

} // namespace zorvy
