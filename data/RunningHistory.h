#pragma once
// The running history of a trend view and the columns that every view computes from a row's view value.
#include "data/DrawRow.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace zorvy {

// What the rows calculated so far leave for the next row; starts at zero for every opening of a view.
struct TRunningHistory {
    int32_t PrevViewValue = 0;
    std::array<int32_t, 6> SixValueHistory{}; // oldest first
    int32_t PrevTailSum = 0;
    int32_t PrevBallSum = 0;
    std::array<int32_t, 2> PrevRemainders{}; // older, newer
    int32_t PrevRemainderSum = 0;
};

// Direction of a row's view value against the previous row's.
enum class TDirection { da, xiao, deng };

// The common calculated columns of one row. A marker pair or group is held as the index or flag of the
// column that gets the marker; `JJ` is -1 when no `JJ` column is marked.
struct TCommonColumns {
    int32_t Jsv = 0;
    int32_t Jsca = 0;
    bool Js = false; // marker in `Js` (odd), else in `Ous`
    int32_t y = 0;
    int32_t fw = 0;
    int32_t sx3hz = 0;
    int32_t sx3ca = 0;
    int32_t JJ = -1;
    bool bh = false; // else `fbh`
    TDirection Direction = TDirection::deng;
    bool datext = false;  // else `datebt`
    bool weekxt = false;  // else `weekbt`
    bool qihaoxt = false; // else `qihaobt`
    bool f0 = false;      // else `f1`
    bool H0 = false;      // else `H1`
    bool operator==(const TCommonColumns&) const = default;
};

// Calls the visitors once per column of the row: the marker columns that get the marker and the
// integer columns with their values.
void ForEachCommonColumn(const TCommonColumns& columns,
                         const std::function<void(const std::string& name)>& marked,
                         const std::function<void(const std::string& name, int32_t value)>& number);

// The common row step: computes the columns of a row with view value `v` and advances the history.
// `rangeDivisor` is the analysis window's range divisor and `fwColumns` the number of `fw` columns of the
// view; a divisor of 0 raises EDivByZero and a remainder without a column raises EDatabaseError.
TCommonColumns CommonRowStep(TRunningHistory& history, const TDrawRow& row, int32_t v, int32_t rangeDivisor,
                             int32_t fwColumns);

// Number of the six values below v, or -1 when the oldest slot holds -1; other -1 slots become 0.
int32_t S6hanliepaixuhouJJ(std::array<int32_t, 6>& history, int32_t v);
// Whether v equals one of the six values.
bool S6hanliebhhlv(const std::array<int32_t, 6>& history, int32_t v);
// 1 when the second value is odd, 0 when even; -1 when any of the three is negative and odd.
int32_t FnbagvJs(const int32_t& first, const int32_t& second, const int32_t& third);

} // namespace zorvy
