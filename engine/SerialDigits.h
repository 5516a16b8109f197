#pragma once
// A serial number split into its decimal digits, with running sums that make the digit features of the
// serial conditions cheap: the filter run's fast path. Each feature gives what its text-based
// counterpart gives for the serial's text. Stepping from N to N + 1 updates the sums in place.
#include <array>
#include <bit>
#include <cstdint>

namespace zorvy {

struct TSerialDigits {
    int32_t N = 0;
    int Length = 0;                 // digits of N without leading zeros (1 for 0)
    std::array<int8_t, 7> Right{};  // Right[0] units ("gw") ... Right[5] "sww"; 0 beyond Length
    uint16_t Present = 0;           // bit d set when the digit d occurs in the text
    std::array<int8_t, 10> Count{}; // occurrences of each digit in the text
    int32_t Sum = 0;                // of the digits
    int32_t EvenCount = 0;          // digits of the text that are even
    int32_t Repeated = 0;           // digit values occurring at least twice
    uint8_t OddMask = 0;            // bit i set when Right[i] is odd
    uint8_t BigMask = 0;            // bit i set when Right[i] is above 4
    int32_t RemainderSum = 0;       // sum of (Right[i] mod 3) * 3^i

    int Left(int j) const { return Right[Length - 1 - j]; } // j-th digit from the left
};

// N from 0 to 9,999,999.
TSerialDigits SplitSerial(int32_t n);
// The digits of N + 1 when the units digit of N is 9.
void AdvanceSerialWithCarry(TSerialDigits& s);
// The digits of N + 1, updated in place (N below 9,999,999).
inline void AdvanceSerial(TSerialDigits& s) {
    const int8_t units = s.Right[0];
    if (units == 9) return AdvanceSerialWithCarry(s);
    // Nine steps in ten change only the units digit.
    ++s.N;
    if (s.Count[units]-- == 2) --s.Repeated;
    if (s.Count[units] == 0) s.Present &= static_cast<uint16_t>(~(1u << units));
    if (++s.Count[units + 1] == 2) ++s.Repeated;
    s.Present |= static_cast<uint16_t>(1u << (units + 1));
    s.Right[0] = static_cast<int8_t>(units + 1);
    ++s.Sum;
    s.EvenCount += units % 2 == 0 ? -1 : 1;
    s.OddMask ^= 1;
    s.BigMask = static_cast<uint8_t>((s.BigMask & ~1u) | (units + 1 > 4));
    s.RemainderSum += units % 3 == 2 ? -2 : 1;
}

// The digits of the tens h = N div 10 of a serial: those of h, and none at all for h = 0.
inline TSerialDigits TensDigits(int32_t h) {
    return h == 0 ? TSerialDigits{} : SplitSerial(h);
}
// From the tens h to h + 1.
inline void AdvanceTens(TSerialDigits& tens) {
    if (tens.Length == 0)
        tens = SplitSerial(1);
    else
        AdvanceSerial(tens);
}
// The digits of 10h + u from the tens digits of h.
inline TSerialDigits WithUnits(const TSerialDigits& tens, int u) {
    TSerialDigits s = tens;
    s.N = tens.N * 10 + u;
    for (int place = 6; place > 0; --place)
        s.Right[place] = tens.Right[place - 1];
    s.Right[0] = static_cast<int8_t>(u);
    ++s.Length;
    if (++s.Count[u] == 2) ++s.Repeated;
    s.Present |= static_cast<uint16_t>(1u << u);
    s.Sum += u;
    s.EvenCount += u % 2 == 0;
    s.OddMask = static_cast<uint8_t>(tens.OddMask << 1 | (u & 1));
    s.BigMask = static_cast<uint8_t>(tens.BigMask << 1 | (u > 4));
    s.RemainderSum = tens.RemainderSum * 3 + u % 3;
    return s;
}

inline int32_t DigitSum(const TSerialDigits& s) {
    return s.Sum;
} // "hz"
inline int32_t RepeatedDigitValues(const TSerialDigits& s) {
    return s.Repeated;
} // "tz"
inline int32_t EvenDigitCount(const TSerialDigits& s) {
    return s.EvenCount;
} // "oz"
inline int32_t OddEvenTypeOf(const TSerialDigits& s) {
    return s.OddMask <= 63 ? s.OddMask / 8 + 1 : 0;
}
inline int32_t RemainderTypeOf(const TSerialDigits& s) {
    return s.RemainderSum <= 728 ? s.RemainderSum / 81 + 1 : 0;
}
inline int32_t BigDigitCountOf(const TSerialDigits& s) {
    return std::popcount(s.BigMask);
}
inline int32_t BigSmallTypeOf(const TSerialDigits& s) {
    return s.BigMask <= 63 ? s.BigMask / 8 + 1 : 0;
}
// Neighbouring places (of the six from the right) whose digits differ by an odd amount.
inline int32_t GapTypeOf(const TSerialDigits& s) {
    return ((s.OddMask ^ (s.OddMask >> 1)) & 0x1F) * 2 / 8 + 1;
}

int32_t NeighbourStepCount(const TSerialDigits& s);        // "lh"
int32_t FirstEqualNeighbour(const TSerialDigits& s);       // "lt"
int32_t SerialSegment(int32_t n);                          // "fd"
int32_t SerialSegment5(int32_t n);                         // "fd5"
int32_t AdjacentDigitGapOf(const TSerialDigits& s, int k); // k = 1 .. 5
int32_t BinaryOnesBelowLeading(int32_t n);
int32_t BinaryZerosBelowLeading(int32_t n);

} // namespace zorvy
