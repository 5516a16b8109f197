#include "data/ViewKinds.h"

#include "engine/BallFeatures.h"
#include "engine/SerialFeatures.h"
#include "engine/ValueKindFeatures.h"
#include "platform/rtl/Numbers.h"

namespace zorvy {

std::string PositionKey(TTrendView view) {
    switch (view) {
    case TTrendView::gw:
        return "gw";
    case TTrendView::sw:
        return "sw";
    case TTrendView::bw:
        return "bw";
    case TTrendView::qw:
        return "qw";
    case TTrendView::ww:
        return "ww";
    case TTrendView::sww:
        return "sww";
    default:
        return {};
    }
}

bool IsPositionView(TTrendView view) {
    return view != TTrendView::xh && view != TTrendView::tb;
}

int32_t FwColumnCount(TTrendView view) {
    return view == TTrendView::tb ? 21 : 16;
}

int KindCount(TTrendView view) {
    return view == TTrendView::xh   ? SerialKindCount
           : view == TTrendView::tb ? AdvancedKindCount
                                    : PositionKindCount;
}

int32_t SerialViewValue(int kind, int32_t n, const std::string& t, const std::string& edit2) {
    static const char* const featureKeys[] = {"hz", "cd", "tz", "nt", "fd", "oz", "lh", "lt", "fd5"};
    static const char* const gapKeys[] = {"12", "23", "34", "45", "56"};
    if (kind == 0) return n;
    if (kind >= 1 && kind <= 9) return SerialFeature(n, featureKeys[kind - 1]);
    switch (kind) {
    case 10:
        return OddEvenType(t);
    case 11:
        return RemainderType(t);
    case 12:
        return CountBigDigits(t);
    case 13:
        return BigSmallType(t);
    case 14:
        return GapType(t);
    case 20:
        return StrToInt(BaseDigitStats(n, 2, 25, "1"));
    case 21:
        return StrToInt(BaseDigitStats(n, 2, 25, "0"));
    default:
        break;
    }
    if (kind >= 15 && kind <= 19) return AdjacentDigitGap(t, gapKeys[kind - 15]);
    if (kind >= 22 && kind <= 31)
        return CountDigitOccurrences(t, std::string(1, static_cast<char>('0' + kind - 22)));
    if (kind >= 32 && kind <= 35) return CountDigitsInSet(t, edit2);
    return 0;
}

int32_t PositionViewValue(int kind, int32_t n, const std::string& t, const std::string& key,
                          const TPrevPositionDigits& prev, const TDigitGapCounters& counters) {
    static const char* const gridModes[] = {"h", "l", "zx", "yx"};
    const int32_t d = SerialFeature(n, key);
    const int32_t p1 = prev[0], p2 = prev[1], p3 = prev[2];
    switch (kind) {
    case 0:
        return d;
    case 1:
        return DigitSegment(d);
    case 2:
        return PositionBigSmall(t, key);
    case 3:
        return UpDownValue(p1, d, key);
    case 4:
        return sx3atbgv(p2, p1, d);
    case 5:
        return DigitInLastThree(static_cast<int16_t>(p3), static_cast<int16_t>(p2), static_cast<int16_t>(p1),
                                static_cast<int16_t>(d));
    case 6:
        return HotWarmColdClass(counters, d);
    case 7:
        return TrigramValue(p2, p1, d);
    case 8:
        return FiveElementValue(d);
    case 13:
        return BisectionSteps(1024, TripleMaskValue(t, key), "ds");
    case 14:
        return BisectionSteps(1024, TripleMaskValue(t, key), "bs");
    default:
        break;
    }
    if (kind >= 9 && kind <= 12) return StaticGridValue(t, gridModes[kind - 9], key);
    if (kind >= 15 && kind <= 18) return DynamicGridValue(t, gridModes[kind - 15], key);
    return 0;
}

int32_t AdvancedViewValue(int kind, int32_t n, const TCombination& balls) {
    const TCombination& b = balls;
    switch (kind) {
    case 0:
        return KaprekarSteps(n, "q4");
    case 1:
        return KaprekarSteps(n, "z4");
    case 2:
        return KaprekarSteps(n, "h4");
    case 3:
        return SisyphusSteps(n);
    case 4:
        return BisectionSteps(1107568, n, "ds");
    case 5:
        return BisectionSteps(1107568, n, "bs");
    case 6:
        return BisectionSteps(64, BallParityCode(b), "ds");
    case 7:
        return BisectionSteps(64, BallParityCode(b), "bs");
    case 8:
        return BisectionSteps(729, BallRemainderCode(b), "ds");
    case 9:
        return BisectionSteps(729, BallRemainderCode(b), "bs");
    case 10:
        return SumBandClass(b);
    case 11:
        return ZoneRatioClass(b);
    case 12:
        return BisectionSteps(64, GroupParityCode(b), "ds");
    case 13:
        return BisectionSteps(64, GroupParityCode(b), "bs");
    case 14:
        return BisectionSteps(729, GroupRemainderCode(b), "ds");
    case 15:
        return BisectionSteps(729, GroupRemainderCode(b), "bs");
    default:
        return 0;
    }
}

} // namespace zorvy
