#include "engine/SerialNumber.h"

#include "platform/rtl/Numbers.h"

namespace zorvy {

namespace {

constexpr int64_t Binomial(int64_t n, int k) {
    if (k < 0 || n < k) return 0;
    int64_t result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return result;
}

// Sum of C(33 - v, k) for v = lo .. hi (empty when hi < lo), by the hockey-stick identity.
constexpr int64_t RankSpan(int64_t lo, int64_t hi, int k) {
    if (hi < lo) return 0;
    return Binomial(RedBallMax + 1 - lo, k + 1) - Binomial(RedBallMax - hi, k + 1);
}

struct TBlockStartTable {
    // [a][b] for a = 1..28, b = a+1..29; other cells unused.
    std::array<std::array<int32_t, 30>, 29> Start{};
};

constexpr TBlockStartTable MakeBlockStartTable() {
    TBlockStartTable table;
    for (int a = 1; a <= 28; ++a)
        for (int b = a + 1; b <= 29; ++b)
            table.Start[a][b] = static_cast<int32_t>(1 + RankSpan(1, a - 1, 5) + RankSpan(a + 1, b - 1, 4));
    return table;
}

constexpr TBlockStartTable BlockStarts = MakeBlockStartTable();

static_assert(BlockStarts.Start[1][3] == 31466 && BlockStarts.Start[10][11] == 972973 &&
              BlockStarts.Start[28][29] == CombinationCount);

// Prefix[k][x] = sum of C(33 - v, k) for v = 1..x: the rank rule as table look-ups.
constexpr std::array<std::array<int32_t, 34>, 6> MakePrefix() {
    std::array<std::array<int32_t, 34>, 6> prefix{};
    for (int k = 0; k < 6; ++k)
        for (int x = 1; x <= RedBallMax; ++x)
            prefix[k][x] = prefix[k][x - 1] + static_cast<int32_t>(Binomial(RedBallMax - x, k));
    return prefix;
}

constexpr auto Prefix = MakePrefix();

bool IsValid(const TCombination& balls) {
    if (balls[0] < 1 || balls[5] > RedBallMax) return false;
    for (int i = 1; i < 6; ++i)
        if (balls[i] <= balls[i - 1]) return false;
    return true;
}

// What the tail walk counts: the rank of (c, d, e, f) among the ascending 4-tails above b when it is
// one of them, else the number of those tails (the walk runs through the whole block).
int64_t TailWalkCount(const TCombination& balls) {
    const int64_t b = balls[1];
    const bool tailValid = b < balls[2] && balls[2] < balls[3] && balls[3] < balls[4] &&
                           balls[4] < balls[5] && balls[5] <= RedBallMax;
    if (!tailValid) return Binomial(RedBallMax - b, 4);
    int64_t count = 0;
    int64_t previous = b;
    for (int i = 2; i < 6; ++i) {
        count += RankSpan(previous + 1, balls[i] - 1, 5 - i);
        previous = balls[i];
    }
    return count;
}

} // namespace

int32_t BlockStart(int a, int b) {
    if (a < 1 || a > 28 || b < a + 1 || b > 29) return 0;
    return BlockStarts.Start[a][b];
}

int32_t SerialNumber(const TCombination& b) {
    if (IsValid(b)) {
        return 1 + Prefix[5][b[0] - 1] + (Prefix[4][b[1] - 1] - Prefix[4][b[0]]) +
               (Prefix[3][b[2] - 1] - Prefix[3][b[1]]) + (Prefix[2][b[3] - 1] - Prefix[2][b[2]]) +
               (Prefix[1][b[4] - 1] - Prefix[1][b[3]]) + (Prefix[0][b[5] - 1] - Prefix[0][b[4]]);
    }
    // The walk counts in 32 bits; keep its wrap-around for absurd input.
    const int64_t total = BlockStart(b[0], b[1]) + TailWalkCount(b);
    return static_cast<int32_t>(static_cast<uint32_t>(total));
}

int32_t SerialNumberByTailWalk(const TCombination& balls) {
    const int b = balls[1];
    int32_t count = 0;
    for (int c = b + 1; c <= 30; ++c)
        for (int d = c + 1; d <= 31; ++d)
            for (int e = d + 1; e <= 32; ++e)
                for (int f = e + 1; f <= 33; ++f) {
                    if (c == balls[2] && d == balls[3] && e == balls[4] && f == balls[5])
                        return BlockStart(balls[0], b) + count;
                    ++count;
                }
    return BlockStart(balls[0], b) + count;
}

std::string CombinationText(const TCombination& balls, bool display6machk) {
    std::string line;
    line.reserve(32);
    for (int16_t ball : balls) {
        if (ball <= 9) line += '0';
        line += IntToStr(ball);
        line += ' ';
    }
    if (display6machk) {
        line += "   ";
        line += IntToStr(SerialNumber(balls));
    }
    return line;
}

} // namespace zorvy
