#include "engine/ValueKindFeatures.h"

#include "engine/Combination.h"
#include "engine/SerialFeatures.h"
#include "platform/rtl/Numbers.h"

#include <algorithm>
#include <string>

namespace zorvy {

namespace {

struct TGridValues {
    int8_t h, l, zx, yx;
};

// Static keypad 0 1 2 / 3 4 5 / 6 7 8 / 9; dynamic keypad the magic square 4 9 2 / 3 5 7 / 8 1 6.
constexpr std::array<TGridValues, 10> StaticGrid = {{{0, 0, 3, 4},
                                                     {0, 1, 4, 3},
                                                     {0, 2, 5, 2},
                                                     {1, 0, 2, 3},
                                                     {1, 1, 3, 2},
                                                     {1, 2, 4, 1},
                                                     {2, 0, 1, 2},
                                                     {2, 1, 2, 1},
                                                     {2, 2, 3, 0},
                                                     {3, 0, 0, 1}}};
constexpr std::array<TGridValues, 10> DynamicGrid = {{{0, 0, 0, 0},
                                                      {3, 2, 2, 2},
                                                      {1, 3, 5, 3},
                                                      {2, 1, 2, 4},
                                                      {1, 1, 3, 5},
                                                      {2, 2, 3, 3},
                                                      {3, 3, 3, 1},
                                                      {2, 3, 4, 2},
                                                      {3, 1, 1, 3},
                                                      {1, 2, 4, 4}}};

int32_t GridValue(const TGridValues& values, std::string_view mode, int32_t otherwise) {
    if (mode == "h") return values.h;
    if (mode == "l") return values.l;
    if (mode == "zx") return values.zx;
    if (mode == "yx") return values.yx;
    return otherwise;
}

int32_t PositionDigit(std::string_view serialText, std::string_view key) {
    return PositionDigitText(serialText, key)[0] - '0';
}

int32_t KaprekarStep(int32_t x) {
    std::array<int, 4> digits{};
    for (int& digit : digits) {
        digit = x % 10;
        x /= 10;
    }
    std::sort(digits.begin(), digits.end());
    const int32_t ascending = digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3];
    const int32_t descending = digits[3] * 1000 + digits[2] * 100 + digits[1] * 10 + digits[0];
    return descending - ascending;
}

char PatternDigit(int32_t value, std::string_view mode, int32_t small, int32_t big) {
    if (mode == "dx") return value < small ? '1' : (value < big ? '0' : '1');
    if (mode == "je") return value % 2 != 0 ? '1' : '0';
    return value % 3 == mode[0] - '0' ? '0' : '1';
}

} // namespace

int32_t UpDownValue(int32_t a, int32_t b, std::string_view) {
    return a >= b ? 1 : 0;
}

int32_t DigitInLastThree(int16_t a, int16_t b, int16_t c, int16_t d) {
    const std::string lastThree = IntToStr(a) + IntToStr(b) + IntToStr(c);
    return lastThree.find(IntToStr(d)) != std::string::npos ? 1 : 0;
}

int32_t HotWarmColdClass(const std::array<int32_t, 10>& counters, int32_t index) {
    if (index < 0 || index > 9) return 4;
    const int32_t counter = counters[index];
    if (counter == 1) return 1;
    if (counter == 2 || counter == 3) return 2;
    if (counter == 4 || counter == 5) return 3;
    return 4;
}

int32_t TrigramValue(int32_t a, int32_t b, int32_t c) {
    if (a % 2 < 0 || b % 2 < 0 || c % 2 < 0) return -1;
    static constexpr std::array<int32_t, 8> trigram = {0, 4, 6, 2, 7, 3, 5, 1};
    return trigram[(a % 2) * 4 + (b % 2) * 2 + c % 2];
}

int32_t FiveElementValue(int32_t digit) {
    static constexpr std::array<int32_t, 10> element = {1, 3, 5, 2, 2, 5, 4, 4, 5, 1};
    return digit >= 0 && digit <= 9 ? element[digit] : 0;
}

int32_t StaticGridValue(std::string_view serialText, std::string_view mode, std::string_view key) {
    const int32_t digit = PositionDigit(serialText, key);
    if (digit < 0 || digit > 9) return -1;
    return GridValue(StaticGrid[digit], mode, -1);
}

int32_t DynamicGridValue(std::string_view serialText, std::string_view mode, std::string_view key) {
    const int32_t digit = PositionDigit(serialText, key);
    if (digit < 1 || digit > 9) return 0;
    return GridValue(DynamicGrid[digit], mode, 0);
}

int32_t TripleMaskValue(std::string_view serialText, std::string_view key) {
    const char digit = PositionDigitText(serialText, key)[0];
    int32_t sum = 0;
    for (size_t i = 0; i < DigitTriples.size(); ++i)
        if (DigitTriples[i].find(digit) != std::string_view::npos) sum += 1 << (9 - i);
    return 1 + sum;
}

int32_t BisectionSteps(int32_t limit, int32_t target, std::string_view mode) {
    int64_t low = 0;
    int64_t high = int64_t{limit} + 1;
    int64_t middle = (low + high) / 2;
    int32_t steps = 0;
    int32_t upward = 0;
    while (middle != target && high - low > 1) {
        ++steps;
        if (middle > target) high = middle;
        if (middle < target) {
            low = middle;
            ++upward;
        }
        middle = (low + high) / 2;
    }
    if (mode == "bs") return steps;
    if (mode == "ds") return upward;
    return 0;
}

int32_t SisyphusSteps(int32_t n) {
    std::string text = IntToStr(n);
    int32_t passes = 0;
    while (n != 123) {
        int32_t even = 0;
        int32_t odd = 0;
        for (char c : text) {
            if ((c - '0') % 2 == 0)
                ++even;
            else
                ++odd;
        }
        text = IntToStr(even) + IntToStr(odd) + IntToStr(even + odd);
        n = StrToInt(text);
        ++passes;
    }
    return passes;
}

int32_t KaprekarDigits(int32_t n, std::string_view mode) {
    if (n > CombinationCount) return n;
    if (mode == "q4") return n < 10000 ? n : n < 100000 ? n / 10 : n < 1000000 ? n / 100 : n / 1000;
    if (mode == "z4") return n < 100000 ? 0 : n < 1000000 ? (n % 100000) / 10 : (n % 1000000) / 100;
    if (mode == "h4") return n < 10000 ? n : n % 10000;
    return n;
}

int32_t KaprekarRoutineSteps(int32_t x) {
    int32_t steps = 0;
    while (x != 6174) {
        x = KaprekarStep(x);
        if (x == 0) break;
        ++steps;
    }
    return steps;
}

int32_t KaprekarSteps(int32_t n, std::string_view mode) {
    if (n < 1002) return 0;
    return KaprekarRoutineSteps(KaprekarDigits(n, mode));
}

int32_t ThreeValuePattern(int32_t first, int32_t second, int32_t third, std::string_view mode,
                          const std::string& bxcom, const std::string& bdcom) {
    if (mode != "dx" && mode != "je" && mode != "0" && mode != "1" && mode != "2") return 0;
    int32_t small = 0;
    int32_t big = 0;
    if (mode == "dx") {
        small = StrToInt(bxcom);
        big = StrToInt(bdcom);
    }
    int32_t pattern = 0;
    for (int32_t value : {first, second, third})
        pattern = pattern * 10 + (PatternDigit(value, mode, small, big) - '0');
    return pattern;
}

int32_t sx3atbgv(int32_t a, int32_t b, int32_t c) {
    if (a == b && b == c) return 0;
    if (b > a && c == b) return 0;
    if (b > a && c > b) return 1;
    if (b < a && c < b) return 2;
    if (b < a && c > b) return c >= a ? 3 : 4;
    if (b > a && c < b) return c <= a ? 5 : 6;
    if (a == b && c < b) return 7;
    return 0;
}

} // namespace zorvy
