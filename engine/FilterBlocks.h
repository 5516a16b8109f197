#pragma once
// The enumeration in blocks: the combinations whose first two balls are (a, b), in lexicographic order.
// A block is evaluated into result lines together with what the run needs to replay it in order: where
// each third-ball pass ends, the check-mode messages by first occurrence, and the error that ended it.
#include "engine/CompiledScheme.h"
#include "engine/ResultLines.h"

#include <array>
#include <exception>
#include <string>
#include <vector>

namespace zorvy {

struct TBlock {
    int A, B;
};
inline constexpr int BlockCount = 406;
// The blocks in enumeration order, (1, 2) first and (28, 29) last.
const std::array<TBlock, BlockCount>& Blocks();

struct TBlockOutcome {
    struct TLogEntry {
        int Pass; // the third-ball pass of the candidate, counted from 0
        std::string Message;
    };
    int32_t FirstLine = 0;         // the block's first line in the buffer it was written to
    std::vector<int32_t> PassEnds; // the buffer's line count after each complete third-ball pass
    std::vector<TLogEntry> Log;    // the first rejection of each message, in order
    std::exception_ptr Error;      // raised by a candidate of the pass after the complete ones
    int32_t ErrorLines = 0;        // the buffer's line count when it was raised

    void Reset(int32_t firstLine);
};

// Combinations in the block, and in the blocks before it.
int32_t BlockSize(TBlock block);
int32_t CombinationsBefore(TBlock block);
// The most text a line takes: six balls, three blanks and a seven-digit serial.
inline constexpr uint32_t LongestLine = 28;

// Writes the block's surviving lines from line `first` of `lines` on (its start set, room for every
// combination of the block reserved), without committing them.
void EvaluateBlock(const TCompiledScheme& scheme, TBlock block, bool display6machk, bool checkMode,
                   TResultLines& lines, int32_t first, TBlockOutcome& outcome);
// The same through the eight evaluators, the serial numbered as the state says.
void EvaluateBlockLiteral(const TEvalState& state, TBlock block, bool display6machk, TResultLines& lines,
                          int32_t first, TBlockOutcome& outcome);

} // namespace zorvy
