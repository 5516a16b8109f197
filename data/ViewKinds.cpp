#include "data/ViewKinds.h"

#include "engine/Evaluators.h"
#include "engine/SerialFeatures.h"

namespace zorvy {

std::string PositionKey(TTrendView view) {
    const int position = static_cast<int>(view) - static_cast<int>(TTrendView::gw);
    return position >= 0 && position < static_cast<int>(PositionKeys.size())
               ? std::string(PositionKeys[position])
               : std::string();
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
    if (kind >= 22 && kind <= 31)
        return CountDigitOccurrences(t, std::string(1, static_cast<char>('0' + kind - 22)));
    if (kind >= 32 && kind <= 35) return CountDigitsInSet(t, edit2);
    return SerialTraitValue(kind, n, t);
}

int32_t PositionViewValue(int kind, int32_t n, const std::string& t, const std::string& key,
                          const TPrevPositionDigits& prev, const TDigitGapCounters& counters) {
    return PositionKindValue(kind, t, key, SerialFeature(n, key), prev[0], prev[1], prev[2], counters);
}

int32_t AdvancedViewValue(int kind, int32_t n, const TCombination& balls) {
    return TbConditionValue(kind, n, balls);
}

} // namespace zorvy
