#include "data/RunningHistory.h"

#include "data/TrendMarker.h"
#include "engine/BallFeatures.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>

namespace zorvy {

namespace {

bool SameParity(int32_t a, int32_t b) {
    return a % 2 == b % 2;
}

} // namespace

int32_t S6hanliepaixuhouJJ(std::array<int32_t, 6>& history, int32_t v) {
    if (history[0] == -1) return -1;
    for (int32_t& value : history)
        if (value == -1) value = 0;
    return static_cast<int32_t>(
        std::count_if(history.begin(), history.end(), [v](int32_t x) { return x < v; }));
}

bool S6hanliebhhlv(const std::array<int32_t, 6>& history, int32_t v) {
    return std::find(history.begin(), history.end(), v) != history.end();
}

int32_t FnbagvJs(const int32_t& first, const int32_t& second, const int32_t& third) {
    if (first % 2 == -1 || second % 2 == -1 || third % 2 == -1) return -1;
    return second % 2;
}

TCommonColumns CommonRowStep(TRunningHistory& history, const TDrawRow& row, int32_t v, int32_t rangeDivisor,
                             int32_t fwColumns) {
    // Checked before anything moves, so that a failing row leaves the history as it was.
    if (rangeDivisor == 0) throw EDivByZero("Division by zero");
    const int32_t fw = v % rangeDivisor;
    if (fw < 0 || fw >= fwColumns) throw EDatabaseError("Field '" + ColumnName("fw", fw) + "' not found");

    TCommonColumns columns;
    columns.qihaoxt = SameParity(v, row.Issue);
    columns.datext = SameParity(v, row.DayOfMonth);
    columns.weekxt = SameParity(v, row.WeekDay);

    columns.Jsv = v;
    columns.Jsca = v - history.PrevViewValue;
    columns.JJ = S6hanliepaixuhouJJ(history.SixValueHistory, v);
    columns.bh = S6hanliebhhlv(history.SixValueHistory, v);
    columns.Direction = v > history.PrevViewValue   ? TDirection::da
                        : v < history.PrevViewValue ? TDirection::xiao
                                                    : TDirection::deng;
    history.PrevViewValue = v;

    columns.Js = v % 2 == 1;
    columns.y = v % 3;

    columns.f0 = history.PrevTailSum % 3 == v % 3;
    history.PrevTailSum = TailSum(row.Balls);
    columns.H0 = history.PrevBallSum % 3 == v % 3;
    history.PrevBallSum = BallSum(row.Balls);

    columns.fw = fw;

    const int32_t r = v % 3;
    const int32_t s = r + history.PrevRemainders[0] + history.PrevRemainders[1];
    columns.sx3hz = s;
    columns.sx3ca = s - history.PrevRemainderSum;
    history.PrevRemainderSum = s;

    std::shift_left(history.SixValueHistory.begin(), history.SixValueHistory.end(), 1);
    history.SixValueHistory[5] = v;
    history.PrevRemainders = {history.PrevRemainders[1], r};
    return columns;
}

void ForEachCommonColumn(const TCommonColumns& columns,
                         const std::function<void(const std::string& name)>& marked,
                         const std::function<void(const std::string& name, int32_t value)>& number) {
    number("Jsv", columns.Jsv);
    number("Jsca", columns.Jsca);
    number("sx3hz", columns.sx3hz);
    number("sx3ca", columns.sx3ca);
    marked(columns.qihaoxt ? "qihaoxt" : "qihaobt");
    marked(columns.datext ? "datext" : "datebt");
    marked(columns.weekxt ? "weekxt" : "weekbt");
    if (columns.JJ >= 0) marked(ColumnName("JJ", columns.JJ));
    marked(columns.bh ? "bh" : "fbh");
    marked(columns.Direction == TDirection::da     ? "da"
           : columns.Direction == TDirection::xiao ? "xiao"
                                                   : "deng");
    marked(columns.Js ? "Js" : "Ous");
    marked(ColumnName("y", columns.y));
    marked(columns.f0 ? "f0" : "f1");
    marked(columns.H0 ? "H0" : "H1");
    marked(ColumnName("fw", columns.fw));
    marked(ColumnName("Hz", columns.sx3hz));
}

} // namespace zorvy
