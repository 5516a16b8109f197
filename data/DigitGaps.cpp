#include "data/DigitGaps.h"

#include "engine/SerialFeatures.h"

namespace zorvy {

namespace {

TGapColumns GapStep(TDigitGapCounters& counters, const std::array<bool, 10>& present) {
    for (int32_t& counter : counters)
        ++counter;
    TGapColumns columns;
    for (int digit = 0; digit < 10; ++digit) {
        if (!present[digit]) continue;
        const int32_t c = counters[digit];
        std::string& list = c == 1   ? columns.chongv
                            : c <= 3 ? columns.Rev
                            : c <= 5 ? columns.wenv
                                     : columns.lengv;
        list += static_cast<char>('0' + digit);
        list += ' ';
        counters[digit] = 0;
    }
    return columns;
}

} // namespace

TGapColumns xhRwLJsFn(TDigitGapCounters& counters, const std::string& serialText) {
    std::array<bool, 10> present{};
    for (char c : serialText)
        if (c >= '0' && c <= '9') present[c - '0'] = true;
    return GapStep(counters, present);
}

TGapColumns xh6wRwLJsFn(TDigitGapCounters& counters, const std::string& serialText, const std::string& key) {
    std::array<bool, 10> present{};
    const int32_t digit = PositionDigitText(serialText, key)[0] - '0';
    if (digit >= 0 && digit <= 9) present[digit] = true;
    return GapStep(counters, present);
}

std::string xhRwLdisp(const TDigitGapCounters& counters) {
    std::string chong = "重:", re = "热:", wen = "温:", leng = "冷:";
    for (int digit = 0; digit < 10; ++digit) {
        const int32_t c = counters[digit];
        std::string& list = c == 0 ? chong : c <= 2 ? re : c <= 4 ? wen : leng;
        list += static_cast<char>('0' + digit);
        list += ' ';
    }
    return chong + re + wen + leng;
}

} // namespace zorvy
