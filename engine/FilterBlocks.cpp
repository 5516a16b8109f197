#include "engine/FilterBlocks.h"

#include "engine/SerialNumber.h"

#include <bit>
#include <bitset>

namespace zorvy {

namespace {

void PutBall(char* line, int place, int ball) {
    line[3 * place] = static_cast<char>('0' + ball / 10);
    line[3 * place + 1] = static_cast<char>('0' + ball % 10);
    line[3 * place + 2] = ' ';
}

// Writes the digits of the tens of a serial; returns their number (0 for the tens 0).
int PutTens(const TSerialDigits& tens, char* out) {
    for (int i = 0; i < tens.Length; ++i)
        out[i] = static_cast<char>('0' + tens.Right[tens.Length - 1 - i]);
    return tens.Length;
}

// Appends the line of a survivor: its six balls, with the serial (tens already in place, then units u)
// when the list shows it.
template <bool Display>
void AppendSurvivor(TResultLines::TAppender& out, char* line, int f, int tensLength, int u) {
    PutBall(line, 5, f);
    if (Display) {
        line[21 + tensLength] = static_cast<char>('0' + u);
        out.AppendPadded(line, 22 + tensLength);
    } else {
        out.AppendPadded(line, 18);
    }
}

template <bool Display, bool BallTests>
void FastBlock(const TCompiledScheme& scheme, TBlock block, bool checkMode, TResultLines& lines,
               int32_t first, TBlockOutcome& outcome) {
    outcome.Reset(first);
    TResultLines::TAppender out = lines.AppenderAt(first);
    const int32_t base = first;
    const uint32_t* const start = out.End;

    // The serial before the block's first combination, as its tens and units.
    const int32_t before = BlockStart(block.A, block.B) - 1;
    int u = before % 10;
    TSerialDigits tens = TensDigits(before / 10);
    TDecadeVerdicts verdicts;
    scheme.DecadeVerdicts(tens, verdicts);

    char line[64];
    PutBall(line, 0, block.A);
    PutBall(line, 1, block.B);
    line[18] = line[19] = line[20] = ' ';
    int tensLength = Display ? PutTens(tens, line + 21) : 0;
    const TBallCodes codesB = AddBall(AddBall(NoBalls, 0, block.A), 1, block.B);
    std::bitset<ConditionCount + 1> logged;

    int pass = 0;
    for (int c = block.B + 1; c <= 30; ++c, ++pass) {
        PutBall(line, 2, c);
        const TBallCodes codesC = BallTests ? AddBall(codesB, 2, c) : codesB;
        for (int d = c + 1; d <= 31; ++d) {
            PutBall(line, 3, d);
            const TBallCodes codesD = BallTests ? AddBall(codesC, 3, d) : codesC;
            for (int e = d + 1; e <= 32; ++e) {
                PutBall(line, 4, e);
                const TBallCodes codesE = BallTests ? AddBall(codesD, 4, e) : codesD;
                for (int f = e + 1; f <= 33; ++f) {
                    if (++u == 10) {
                        u = 0;
                        AdvanceTens(tens);
                        scheme.DecadeVerdicts(tens, verdicts);
                        if (Display) tensLength = PutTens(tens, line + 21);
                    }
                    int16_t verdict = verdicts[u];
                    if (BallTests && verdict == TCompiledScheme::Passed)
                        verdict = scheme.BallVerdict(AddBall(codesE, 5, f));
                    if (verdict == TCompiledScheme::Passed) {
                        AppendSurvivor<Display>(out, line, f, tensLength, u);
                    } else if (verdict == TCompiledScheme::RaisesError) {
                        outcome.ErrorLines = base + static_cast<int32_t>(out.End - start);
                        try {
                            scheme.RaiseFor(WithUnits(tens, u), AddBall(codesE, 5, f));
                        } catch (...) {
                            outcome.Error = std::current_exception();
                        }
                        return;
                    } else if (checkMode && verdict != TCompiledScheme::RejectedSilently &&
                               !logged[verdict]) {
                        logged.set(verdict);
                        outcome.Log.push_back({pass, TCompiledScheme::Message(verdict)});
                    }
                }
            }
        }
        outcome.PassEnds.push_back(base + static_cast<int32_t>(out.End - start));
    }
}

// Out of order nothing is logged and nothing raises: the enumeration jumps from one candidate that
// passes the serial's tests to the next, a decade at a time.
template <bool Display, bool BallTests>
void SkippingBlock(const TCompiledScheme& scheme, TBlock block, TResultLines& lines, int32_t first,
                   TBlockOutcome& outcome) {
    outcome.Reset(first);
    TResultLines::TAppender out = lines.AppenderAt(first);
    const uint32_t* const start = out.End;

    // The serial of the next candidate, as its tens and units.
    const int32_t next = BlockStart(block.A, block.B);
    int u = next % 10;
    TSerialDigits tens = TensDigits(next / 10);
    uint16_t passing = scheme.DecadePassMask(tens);

    char line[64];
    PutBall(line, 0, block.A);
    PutBall(line, 1, block.B);
    line[18] = line[19] = line[20] = ' ';
    int tensLength = Display ? PutTens(tens, line + 21) : 0;
    const auto nextDecade = [&] {
        u = 0;
        AdvanceTens(tens);
        passing = scheme.DecadePassMask(tens);
        if (Display) tensLength = PutTens(tens, line + 21);
    };
    const TBallCodes codesB = AddBall(AddBall(NoBalls, 0, block.A), 1, block.B);

    for (int c = block.B + 1; c <= 30; ++c) {
        PutBall(line, 2, c);
        const TBallCodes codesC = BallTests ? AddBall(codesB, 2, c) : codesB;
        for (int d = c + 1; d <= 31; ++d) {
            PutBall(line, 3, d);
            const TBallCodes codesD = BallTests ? AddBall(codesC, 3, d) : codesC;
            for (int e = d + 1; e <= 32; ++e) {
                PutBall(line, 4, e);
                const TBallCodes codesE = BallTests ? AddBall(codesD, 4, e) : codesD;
                int f = e + 1;
                for (;;) {
                    const uint16_t ahead = static_cast<uint16_t>(passing >> u);
                    const int skip = ahead != 0 ? std::countr_zero(ahead) : 10 - u;
                    const int left = 34 - f; // candidates left for this e
                    if (skip >= left) {      // none of them passes: on to the next e
                        u += left;
                        if (u == 10) nextDecade();
                        break;
                    }
                    f += skip;
                    u += skip;
                    if (u == 10) {
                        nextDecade();
                        continue;
                    }
                    if (!BallTests || scheme.BallVerdict(AddBall(codesE, 5, f)) == TCompiledScheme::Passed)
                        AppendSurvivor<Display>(out, line, f, tensLength, u);
                    ++u;
                    if (u == 10) nextDecade();
                    if (++f > 33) break;
                }
            }
        }
        outcome.PassEnds.push_back(first + static_cast<int32_t>(out.End - start));
    }
}

} // namespace

int32_t BlockSize(TBlock block) {
    const int32_t m = RedBallMax - block.B; // the tails of four balls above b
    return m * (m - 1) * (m - 2) * (m - 3) / 24;
}

int32_t CombinationsBefore(TBlock block) {
    return BlockStart(block.A, block.B) - 1;
}

const std::array<TBlock, BlockCount>& Blocks() {
    static const std::array<TBlock, BlockCount> blocks = [] {
        std::array<TBlock, BlockCount> all{};
        int i = 0;
        for (int a = 1; a <= 28; ++a)
            for (int b = a + 1; b <= 29; ++b)
                all[i++] = {a, b};
        return all;
    }();
    return blocks;
}

void TBlockOutcome::Reset(int32_t firstLine) {
    FirstLine = firstLine;
    PassEnds.clear();
    Log.clear();
    Error = nullptr;
    ErrorLines = firstLine;
}

void EvaluateBlock(const TCompiledScheme& scheme, TBlock block, bool display6machk, bool checkMode,
                   TResultLines& lines, int32_t first, TBlockOutcome& outcome) {
    const bool balls = scheme.HasBallTests();
    if (!scheme.InOrder()) {
        if (display6machk)
            balls ? SkippingBlock<true, true>(scheme, block, lines, first, outcome)
                  : SkippingBlock<true, false>(scheme, block, lines, first, outcome);
        else
            balls ? SkippingBlock<false, true>(scheme, block, lines, first, outcome)
                  : SkippingBlock<false, false>(scheme, block, lines, first, outcome);
        return;
    }
    if (display6machk)
        balls ? FastBlock<true, true>(scheme, block, checkMode, lines, first, outcome)
              : FastBlock<true, false>(scheme, block, checkMode, lines, first, outcome);
    else
        balls ? FastBlock<false, true>(scheme, block, checkMode, lines, first, outcome)
              : FastBlock<false, false>(scheme, block, checkMode, lines, first, outcome);
}

void EvaluateBlockLiteral(const TEvalState& original, TBlock block, bool display6machk, TResultLines& lines,
                          int32_t first, TBlockOutcome& outcome) {
    outcome.Reset(first);
    TResultLines::TAppender out = lines.AppenderAt(first);
    const uint32_t* const start = out.End;
    int pass = 0;
    TEvalState state = original;
    state.JcTjErro = [&](bool flag, const std::string& message) {
        if (!flag) return;
        for (const TBlockOutcome::TLogEntry& entry : outcome.Log)
            if (entry.Message == message) return;
        outcome.Log.push_back({pass, message});
    };
    TCombination balls{};
    balls[0] = static_cast<int16_t>(block.A);
    balls[1] = static_cast<int16_t>(block.B);
    for (balls[2] = static_cast<int16_t>(block.B + 1); balls[2] <= 30; ++balls[2], ++pass) {
        for (balls[3] = static_cast<int16_t>(balls[2] + 1); balls[3] <= 31; ++balls[3])
            for (balls[4] = static_cast<int16_t>(balls[3] + 1); balls[4] <= 32; ++balls[4])
                for (balls[5] = static_cast<int16_t>(balls[4] + 1); balls[5] <= 33; ++balls[5]) {
                    try {
                        if (EvalAllConditions(balls, state)) {
                            const std::string line = CombinationText(balls, display6machk);
                            out.Append(line.data(), static_cast<uint32_t>(line.size()));
                        }
                    } catch (...) {
                        outcome.Error = std::current_exception();
                        outcome.ErrorLines = outcome.FirstLine + static_cast<int32_t>(out.End - start);
                        return;
                    }
                }
        outcome.PassEnds.push_back(outcome.FirstLine + static_cast<int32_t>(out.End - start));
    }
}

} // namespace zorvy
