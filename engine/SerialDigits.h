#pragma once
// A serial number split into its decimal digits, and the digit features of the serial conditions
// computed from the digits without building the serial text: the filter run's fast path. Each routine
// gives what its text-based counterpart gives for the serial's text.
#include <array>
#include <cstdint>

namespace zorvy {

struct TSerialDigits {
    int32_t N = 0;
    int Length = 0;                // digits of N without leading zeros (1 for 0)
    std::array<int8_t, 7> Right{}; // Right[0] units ("gw") ... Right[5] "sww"; 0 beyond Length
    uint16_t Present = 0;          // bit d set when the digit d occurs in the text
    std::array<int8_t, 10> Count{}; // occurrences of each digit

    int Left(int j) const { return Right[Length - 1 - j]; } // j-th digit from the left
};

// N from 0 to 9,999,999.
TSerialDigits SplitSerial(int32_t n);

int32_t DigitSum(const TSerialDigits& s);            // "hz"
int32_t RepeatedDigitValues(const TSerialDigits& s); // "tz"
int32_t EvenDigitCount(const TSerialDigits& s);      // "oz"
int32_t NeighbourStepCount(const TSerialDigits& s);  // "lh"
int32_t FirstEqualNeighbour(const TSerialDigits& s); // "lt"
int32_t SerialSegment(int32_t n);                    // "fd"
int32_t SerialSegment5(int32_t n);                   // "fd5"
int32_t OddEvenTypeOf(const TSerialDigits& s);
int32_t RemainderTypeOf(const TSerialDigits& s);
int32_t BigDigitCountOf(const TSerialDigits& s);
int32_t BigSmallTypeOf(const TSerialDigits& s);
int32_t GapTypeOf(const TSerialDigits& s);
int32_t AdjacentDigitGapOf(const TSerialDigits& s, int k); // k = 1 .. 5
int32_t BinaryOnesBelowLeading(int32_t n);
int32_t BinaryZerosBelowLeading(int32_t n);

} // namespace zorvy
