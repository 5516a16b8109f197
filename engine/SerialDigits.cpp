#include "engine/SerialDigits.h"

#include <bit>

namespace zorvy {

namespace {

constexpr std::array<int32_t, 7> PowersOf3 = {1, 3, 9, 27, 81, 243, 729};

void AddDigit(TSerialDigits& s, int place, int8_t digit) {
    if (++s.Count[digit] == 2) ++s.Repeated;
    s.Present |= static_cast<uint16_t>(1u << digit);
    s.Sum += digit;
    s.EvenCount += digit % 2 == 0;
    s.OddMask |= static_cast<uint8_t>((digit & 1) << place);
    s.BigMask |= static_cast<uint8_t>((digit > 4) << place);
    s.RemainderSum += (digit % 3) * PowersOf3[place];
}

void RemoveDigit(TSerialDigits& s, int place, int8_t digit) {
    if (s.Count[digit]-- == 2) --s.Repeated;
    if (s.Count[digit] == 0) s.Present &= static_cast<uint16_t>(~(1u << digit));
    s.Sum -= digit;
    s.EvenCount -= digit % 2 == 0;
    s.OddMask &= static_cast<uint8_t>(~(1u << place));
    s.BigMask &= static_cast<uint8_t>(~(1u << place));
    s.RemainderSum -= (digit % 3) * PowersOf3[place];
}

} // namespace

TSerialDigits SplitSerial(int32_t n) {
    TSerialDigits s;
    s.N = n;
    int32_t rest = n;
    do {
        const int8_t digit = static_cast<int8_t>(rest % 10);
        s.Right[s.Length] = digit;
        AddDigit(s, s.Length++, digit);
        rest /= 10;
    } while (rest > 0 && s.Length < 7);
    return s;
}

void AdvanceSerialWithCarry(TSerialDigits& s) {
    ++s.N;
    for (int place = 0;; ++place) {
        const int8_t old = s.Right[place];
        if (place < s.Length) RemoveDigit(s, place, old);
        const int8_t digit = old == 9 ? 0 : static_cast<int8_t>(old + 1);
        s.Right[place] = digit;
        AddDigit(s, place, digit);
        if (place >= s.Length) s.Length = place + 1;
        if (old != 9) return;
    }
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
