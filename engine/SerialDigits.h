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
// The digits of N + 1, updated in place (N below 9,999,999).
void AdvanceSerial(TSerialDigits& s);

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
