#include "engine/SerialDigits.h"

#include <bit>

namespace zorvy {

TSerialDigits SplitSerial(int32_t n) {
    TSerialDigits s;
    s.N = n;
    int32_t rest = n;
    do {
        const int8_t digit = static_cast<int8_t>(rest % 10);
        s.Right[s.Length++] = digit;
        s.Present |= static_cast<uint16_t>(1u << digit);
        ++s.Count[digit];
        rest /= 10;
    } while (rest > 0 && s.Length < 7);
    return s;
}

int32_t DigitSum(const TSerialDigits& s) {
    int32_t sum = 0;
    for (int i = 0; i < s.Length; ++i) sum += s.Right[i];
    return sum;
}

int32_t RepeatedDigitValues(const TSerialDigits& s) {
    int32_t repeated = 0;
    for (int8_t count : s.Count) repeated += count >= 2;
    return repeated;
}

int32_t EvenDigitCount(const TSerialDigits& s) {
    int32_t even = 0;
    for (int i = 0; i < s.Length; ++i) even += s.Right[i] % 2 == 0;
    return even;
}

int32_t NeighbourStepCount(const TSerialDigits& s) {
    int32_t pairs = 0;
    for (int i = 1; i < s.Length; ++i) {
        const int gap = s.Right[i] - s.Right[i - 1];
        pairs += gap == 1 || gap == -1;
    }
    return pairs;
}

int32_t FirstEqualNeighbour(const TSerialDigits& s) {
    for (int j = 1; j < s.Length; ++j)
        if (s.Left(j) == s.Left(j - 1)) return s.Left(j);
    return 10;
}

int32_t SerialSegment(int32_t n) {
    if (n < 0) return 0;
    if (n <= 150000) return 1;
    if (n <= 950000) return 2 + (n - 150001) / 100000;
    return n <= 1100000 ? 10 : 0;
}

int32_t SerialSegment5(int32_t n) {
    if (n < 1) return 0;
    if (n <= 150000) return 1;
    if (n <= 950000) return 2 + (n - 150001) / 50000;
    return n <= 1100000 ? 18 : 0;
}

int32_t OddEvenTypeOf(const TSerialDigits& s) {
    int32_t sum = 1;
    for (int i = 0; i < s.Length; ++i)
        if (s.Right[i] % 2 != 0) sum += 1 << i;
    return sum <= 64 ? (sum - 1) / 8 + 1 : 0;
}

int32_t RemainderTypeOf(const TSerialDigits& s) {
    int32_t sum = 1;
    int32_t weight = 1;
    for (int i = 0; i < s.Length; ++i) {
        sum += (s.Right[i] % 3) * weight;
        weight *= 3;
    }
    return sum <= 729 ? (sum - 1) / 81 + 1 : 0;
}

int32_t BigDigitCountOf(const TSerialDigits& s) {
    int32_t count = 0;
    for (int i = 0; i < s.Length; ++i) count += s.Right[i] > 4;
    return count;
}

int32_t BigSmallTypeOf(const TSerialDigits& s) {
    int32_t sum = 0;
    for (int i = 0; i < s.Length; ++i)
        if (s.Right[i] > 4) sum += 1 << i;
    return sum <= 63 ? sum / 8 + 1 : 0;
}

int32_t GapTypeOf(const TSerialDigits& s) {
    // Six places from the left: zero-padded below six digits, the millions digit dropped at seven.
    int32_t sum = 0;
    for (int i = 1; i <= 5; ++i)
        if ((s.Right[6 - i] - s.Right[5 - i]) % 2 != 0) sum += 1 << (6 - i);
    return sum / 8 + 1;
}

int32_t AdjacentDigitGapOf(const TSerialDigits& s, int k) {
    if (k >= s.Length) return 0;
    const int gap = s.Left(k - 1) - s.Left(k);
    return gap < 0 ? -gap : gap;
}

int32_t BinaryOnesBelowLeading(int32_t n) {
    return n < 2 ? 0 : std::popcount(static_cast<uint32_t>(n)) - 1;
}

int32_t BinaryZerosBelowLeading(int32_t n) {
    return n < 2 ? 0 : std::bit_width(static_cast<uint32_t>(n)) - std::popcount(static_cast<uint32_t>(n));
}

} // namespace zorvy
