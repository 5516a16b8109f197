// The result-list memo on fuzzed text: its line buffer reads a text back as the same lines, and edits
// (typed or pasted text replacing a selection), with words wrapped or not, keep every line valid
// UTF-8, the caret on a character boundary and the buffer's character count equal to its lines'. The
// quick bound that lets a wrapped line skip measuring is never below the line's measured extent.
#include "fuzz/FuzzSupport.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/Encoding.h"
#include "platform/classlib/stdctrls/Memo.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    TMemoLines lines;
    lines.SetText(in.ConsumeRandomLengthString(4096));
    TMemoLines again;
    again.SetText(lines.GetText());
    fuzz::Require(again.GetCount() == lines.GetCount(), "a memo's text does not read back as its lines");

    HDC dc = CreateScreenDC();
    for (int i = 0; i < lines.GetCount(); ++i) {
        const int bound = GetTextExtentBound(dc, lines.Line(i));
        TSize extent;
        GetTextExtentPoint32(dc, lines.Line(i), extent);
        fuzz::Require(bound < 0 || bound >= extent.cx, "a quick bound fell below a line's extent");
    }
    DeleteDC(dc);

    TMemo memo(nullptr);
    memo.SetBounds(0, 0, 120, 80);
    memo.SetWordWrap(in.ConsumeBool());
    memo.GetLines()->SetText(SanitizeUtf8(lines.GetText()));
    for (int step = 0; step < 8 && in.remaining_bytes() > 0; ++step) {
        const int count = memo.GetLines()->GetCount();
        const TMemoPos a{in.ConsumeIntegralInRange(0, count), in.ConsumeIntegralInRange(0, 64)};
        const TMemoPos b{in.ConsumeIntegralInRange(0, count), in.ConsumeIntegralInRange(0, 64)};
        memo.SetCaretPos(a);
        memo.SetCaretPos(b, true);
        memo.SetSelText(in.ConsumeRandomLengthString(64));
        std::size_t chars = 0;
        for (int i = 0; i < memo.GetLines()->GetCount(); ++i) {
            const std::string_view line = memo.GetLines()->Line(i);
            fuzz::Require(IsValidUtf8(line), "an edit left a line that is not UTF-8");
            chars += line.size();
        }
        fuzz::Require(chars == memo.GetLines()->CharCount(), "the buffer lost count of its characters");
        const TMemoPos caret = memo.GetCaretPos();
        const std::string_view caretLine = memo.GetLines()->Line(caret.Line);
        fuzz::Require(memo.GetRowCount() >= memo.GetLines()->GetCount(), "fewer rows than lines");
        fuzz::Require(caret.Offset <= static_cast<int>(caretLine.size()) &&
                          (caret.Offset == static_cast<int>(caretLine.size()) ||
                           !IsTrailByte(static_cast<unsigned char>(caretLine[static_cast<std::size_t>(caret.Offset)]))),
                      "the caret splits a character");
    }
    return 0;
}
