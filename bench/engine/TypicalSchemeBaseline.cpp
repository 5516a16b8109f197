#include "bench/engine/TypicalSchemeBaseline.h"

#include "engine/ValueKindFeatures.h"

#include <cstring>

namespace zorvy {

namespace {

constexpr size_t LongestLine = 28; // six balls, three blanks and a seven-digit serial

int HotWarmColdClass(int32_t counter) {
    return counter == 1 ? 1 : counter == 2 || counter == 3 ? 2 : counter == 4 || counter == 5 ? 3 : 4;
}

int FiveElement(int d) {
    static constexpr int values[] = {1, 3, 5, 2, 2, 5, 4, 4, 5, 1};
    return values[d];
}

} // namespace

TTypicalSchemeBaseline::TTypicalSchemeBaseline(const TDrawContext& context) {
    for (int d = 0; d <= 9; ++d) {
        const auto allow = [&](int position, bool pass) {
            if (pass) allowedDigits_[position] |= static_cast<uint16_t>(1u << d);
        };
        // Positions in the context: index 5 is gw ... index 0 is sww.
        allow(0, d <= 7 && HotWarmColdClass(context.DigitOmission[5][d]) >= 2); // gw1, gw7
        allow(1, d <= 7 && FiveElement(d) != 4);                                // sw2, sw9
        allow(2, true);                                                         // bw3: 0 or 1 always
        allow(3, d != context.LastDrawDigits[2] && d != context.PrevDrawDigits[2] &&
                     d != context.PrevPrevDrawDigits[2]); // qw6
        allow(4, d != 9);                                 // ww10: static row 0..2
        const int shape = sx3atbgv(context.PrevDrawDigits[0], context.LastDrawDigits[0], d);
        allow(5, shape != 4 && shape != 7); // sww5
    }
    for (int32_t x = 0; x < 10000; ++x)
        kaprekar_[x] = static_cast<int8_t>(KaprekarRoutineSteps(x));
    for (int even = 0; even <= 7; ++even)
        for (int odd = 0; even + odd <= 7; ++odd)
            if (even + odd > 0) {
                int32_t n = 0;
                for (int i = 0; i < odd; ++i)
                    n = n * 10 + 1;
                for (int i = 0; i < even; ++i)
                    n = n * 10 + 2;
                sisyphus_[even][odd] = static_cast<int8_t>(SisyphusSteps(n));
            }
}

int32_t TTypicalSchemeBaseline::Run(TBaselineLines& lines) const {
    if (lines.Text.size() < 1107568 * LongestLine) {
        lines.Text.resize(1107568 * LongestLine);
        lines.Ends.resize(1107568 + 1);
    }
    char* out = lines.Text.data();
    uint32_t* ends = lines.Ends.data();
    *ends = 0;
    int32_t survivors = 0;
    int32_t n = 0;
    int digit[7] = {}; // of n, units first
    char line[32];
    std::memcpy(line + 18, "   ", 3);
    for (int a = 1; a <= 28; ++a)
        for (int b = a + 1; b <= 29; ++b)
            for (int c = b + 1; c <= 30; ++c)
                for (int d = c + 1; d <= 31; ++d)
                    for (int e = d + 1; e <= 32; ++e)
                        for (int f = e + 1; f <= 33; ++f) {
                            ++n;
                            for (int place = 0; ++digit[place] == 10; ++place)
                                digit[place] = 0;
                            if (n < 100000 || n > 999999) continue; // xhtz3: six digits
                            if (!(allowedDigits_[0] >> digit[0] & allowedDigits_[1] >> digit[1] &
                                  allowedDigits_[2] >> digit[2] & allowedDigits_[3] >> digit[3] &
                                  allowedDigits_[4] >> digit[4] & allowedDigits_[5] >> digit[5] & 1))
                                continue;
                            int count[10] = {};
                            int sum = 0, even = 0, odd = 0;
                            for (int place = 0; place < 6; ++place) {
                                ++count[digit[place]];
                                sum += digit[place];
                                even += digit[place] % 2 == 0;
                                odd |= (digit[place] & 1) << place;
                            }
                            if (sum < 15 || sum > 35) continue;                       // xhtz2
                            if (even < 1 || even > 5) continue;                       // xhtz7
                            if (odd >= 56) continue;                                  // xhtz11: type 1..7
                            if (((odd ^ odd >> 1) & 0x1F) * 2 / 8 % 3 == 1) continue; // xhtz15
                            const int gap45 = digit[2] > digit[1] ? digit[2] - digit[1] : digit[1] - digit[2];
                            if (gap45 % 3 == 2) continue;                                     // xhtz19
                            if (count[0] > 2) continue;                                       // xhx0
                            if (count[1] + count[3] < 1 || count[1] + count[3] > 3) continue; // xhbh1
                            int repeated = 0;
                            for (int v = 0; v <= 9; ++v)
                                repeated += count[v] >= 2;
                            if (repeated > 2) continue; // xhtz4
                            const int kaprekar = kaprekar_[n / 100];
                            if (kaprekar < 1 || kaprekar > 6) continue; // tb1
                            const int sisyphus = sisyphus_[even][6 - even];
                            if (sisyphus != 2 && sisyphus != 3) continue; // tb4
                            const int ballSum = a + b + c + d + e + f;
                            if (ballSum < 70 || ballSum > 129) continue; // Tb11: bands 3..8
                            int zones[3] = {};
                            for (int ball : {a, b, c, d, e, f})
                                ++zones[ball <= 11 ? 0 : ball <= 22 ? 1 : 2];
                            // Tb12: the triple's number among (x, y, 6-x-y) in order, class 3..9.
                            const int triple = zones[0] * (15 - zones[0]) / 2 + zones[1] + 1;
                            const int zoneClass = triple / 3 + 1;
                            if (zoneClass < 3 || zoneClass > 9) continue;
                            int k = 0;
                            for (int ball : {a, b, c, d, e, f}) {
                                line[k++] = static_cast<char>('0' + ball / 10);
                                line[k++] = static_cast<char>('0' + ball % 10);
                                line[k++] = ' ';
                            }
                            for (int place = 5; place >= 0; --place)
                                line[21 + 5 - place] = static_cast<char>('0' + digit[place]);
                            std::memcpy(out + *ends, line, 27);
                            ends[1] = ends[0] + 27;
                            ++ends;
                            ++survivors;
                        }
    lines.Count = static_cast<size_t>(survivors);
    return survivors;
}

} // namespace zorvy
