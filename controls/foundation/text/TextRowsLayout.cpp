// Text rows: parameters, measuring, breaking into rows and placing them.
#include "controls/foundation/text/TextRowsInternal.h"

#include "platform/gdi/Text.h"
#include "platform/rtl/Encoding.h"
#include "platform/classlib/Canvas.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace zorvy {

namespace {

std::optional<bool> farEastOverride;

bool LocaleFromEnvironment() {
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) {
            const std::string_view v(value);
            return v.starts_with("zh") || v.starts_with("ja") || v.starts_with("ko");
        }
    }
    return false;
}

} // namespace

bool IsFarEastSystemLocale() {
    if (!farEastOverride) farEastOverride = LocaleFromEnvironment();
    return *farEastOverride;
}

void SetFarEastSystemLocale(bool value) {
    farEastOverride = value;
}

namespace textrows {

int CharSize(std::string_view text, int index) {
    return std::max<int>(static_cast<int>(CharLengthAt(text, size_t(index))), 1);
}

TSize MeasureTextRun(HDC dc, std::string_view text, bool expandTabs) {
    TSize size;
    if (expandTabs)
        size = GetTabbedTextExtent(dc, text, nullptr, 0);
    else
        GetTextExtentPoint32(dc, text, size);
    return size;
}

void MeasureTextRow(HDC dc, TcxTextRow& row, bool expandTabs) {
    const TSize size = MeasureTextRun(dc, std::string_view(row.Text, size_t(row.TextLength)), expandTabs);
    row.Width = size.cx;
    row.Height = size.cy;
}

} // namespace textrows

using namespace textrows;

void InitTextRowParamsForDC(HDC dc, int flags, TcxTextRowParams& params) {
    params = {};
    TEXTMETRIC tm;
    GetTextMetrics(dc, tm);
    params.FontHeight = tm.tmHeight;
    params.ExternalLeadingFlag = flags & trfExternalLeading;
    params.ExternalLeading = params.ExternalLeadingFlag ? tm.tmExternalLeading : 0;
    params.LineHeight = params.FontHeight + params.ExternalLeading;
    params.EndEllipsis = flags & trfEndEllipsis;
    params.EllipsisWidth = params.EndEllipsis ? MeasureTextRun(dc, "...", false).cx : 0;
    params.BreakChar = tm.tmBreakChar;
    params.HorzAlign = uint8_t(flags & 7);
    params.VertAlign = uint8_t((flags >> 4) & 3);
    params.WordBreak = flags & trfWordBreak;
    params.SingleLine = flags & trfSingleLine;
    params.ExpandTabs = flags & trfExpandTabs;
    params.WholeRowsOnly = flags & trfWholeRowsOnly;
    params.NoClip = flags & trfNoClip;
    params.Bit16 = flags & trfBit16;
    params.NoLeftOverflow = flags & trfNoLeftOverflow;
    params.NoTopOverflow = flags & trfNoTopOverflow;
    params.CharBreak = (flags & trfCharBreak) || IsFarEastSystemLocale();
    params.ReturnRowCount = flags & trfReturnRowCount;
    params.CalcOnly = flags & trfCalcRect;
    params.MaxCharWidth = tm.tmMaxCharWidth;
    params.CharSet = tm.tmCharSet;
}

void InitTextRowParams(TCanvas* canvas, int flags, TcxTextRowParams& params) {
    InitTextRowParamsForDC(canvas->GetHandle(), flags, params);
}

namespace {

bool Justified(const TcxTextRowParams& params) {
    return params.HorzAlign == 3 || params.HorzAlign == 4;
}

// The largest character boundary at or below count.
int FloorToChar(std::string_view text, int count) {
    while (count > 0 && count < int(text.size()) &&
           IsTrailByte(static_cast<unsigned char>(text[size_t(count)])))
        --count;
    return count;
}

// A first guess of how many bytes fit in maxWidth (at least 1): halving, then bisection.
int CountFittingChars(HDC dc, const TcxTextRowParams& params, std::string_view text, int& width, int maxWidth,
                      int length) {
    auto measure = [&](int count) {
        return MeasureTextRun(dc, text.substr(0, size_t(FloorToChar(text, count))), params.ExpandTabs).cx;
    };
    if (MeasureTextRun(dc, text.substr(0, size_t(length)), false).cx / maxWidth > 8) {
        width = 0;
        return 1; // far too long: measured character by character
    }
    int c = length;
    int w = measure(c);
    while (c > 1 && w > maxWidth) {
        c /= 2;
        w = measure(c);
    }
    int hi = length, mid = c;
    while (hi >= c) {
        mid = (c + hi) / 2;
        w = measure(mid);
        const int d = c == hi ? 0 : w - maxWidth;
        if (d < 0) {
            c = mid + 1;
        } else {
            hi = mid - 1;
            if (d == 0) break;
        }
    }
    int result = std::max(FloorToChar(text, mid), 1);
    if (w > maxWidth && result > 1) result = std::max(FloorToChar(text, result - 1), 1);
    width = measure(result);
    return result;
}

void TakeTextRow(HDC dc, std::string_view text, int& cursor, int& remaining, TcxTextRow& row,
                 const TcxTextRowParams& params, bool isLastRow, int maxWidth) {
    row = {};
    if (remaining <= 0) return;
    const std::string_view rest = text.substr(size_t(cursor), size_t(remaining));
    const bool breaking = !params.SingleLine && (params.WordBreak || Justified(params));
    const bool charBreaking = breaking && params.CharBreak;
    const bool ellipsisRow =
        isLastRow && params.EndEllipsis && !Justified(params) && !params.WholeRowsOnly && !params.NoClip;
    int width = 0;
    const int fitting = CountFittingChars(dc, params, rest, width, std::max(maxWidth, 1), remaining);
    int lastBreak = -1;
    const int firstCharSize = CharSize(rest, 0);
    for (int i = 0; i < remaining;) {
        const int s = CharSize(rest, i);
        row.TextLength = i + s;
        const char c = rest[size_t(i)];
        if (char32_t(static_cast<unsigned char>(c)) == params.BreakChar || c == '\t') {
            ++row.BreakCount;
            lastBreak = i;
        } else if ((c == '\r' || c == '\n') && !ellipsisRow && !params.SingleLine) {
            --row.TextLength; // the line break is not part of the row
            if (params.HorzAlign == 3) row.BreakCount = 0;
            break;
        }
        if (!breaking && !ellipsisRow && !params.SingleLine) {
            i += s;
            continue; // rows end only at line breaks
        }
        if (i >= fitting) {
            if (params.ExpandTabs)
                width = MeasureTextRun(dc, rest.substr(0, size_t(row.TextLength)), true).cx;
            else
                width += MeasureTextRun(dc, rest.substr(size_t(i), size_t(s)), false).cx;
            if (width > maxWidth) {
                if (ellipsisRow || params.SingleLine) break; // the overflowing character stays
                if (lastBreak >= 0) {
                    row.TextLength = lastBreak + 1;
                    break;
                }
                if (!charBreaking) {
                    i += s;
                    continue; // a long word overflows until a break character follows it
                }
                if (firstCharSize < row.TextLength) row.TextLength -= s;
                break;
            }
        }
        i += s;
    }
    row.Text = rest.data();
    if (Justified(params))
        while (row.TextLength > 0 &&
               (char32_t(static_cast<unsigned char>(rest[size_t(row.TextLength - 1)])) == params.BreakChar ||
                rest[size_t(row.TextLength - 1)] == '\t')) {
            --row.TextLength;
            if (row.BreakCount > 0) --row.BreakCount;
        }
    MeasureTextRow(dc, row, params.ExpandTabs);

    int consumed = row.TextLength;
    // Trailing blanks removed by justification are skipped with the following break characters.
    while (consumed < remaining &&
           char32_t(static_cast<unsigned char>(rest[size_t(consumed)])) == params.BreakChar)
        ++consumed;
    bool skippedCR = false;
    if (consumed < remaining && rest[size_t(consumed)] == '\t') ++consumed;
    if (consumed < remaining && rest[size_t(consumed)] == '\r') ++consumed, skippedCR = true;
    if (consumed < remaining && rest[size_t(consumed)] == '\n') ++consumed;
    cursor += consumed;
    remaining -= consumed;
    if ((skippedCR || remaining == 0) && params.HorzAlign == 3) row.BreakCount = 0;
}

bool IsLastTextRow(const TcxTextRowParams& params, int sum, int height, int count, int maxRowCount) {
    if (params.SingleLine) return true;
    if (params.VertAlign != 0 || params.CalcOnly) return maxRowCount > 0 && count == maxRowCount;
    if (params.WholeRowsOnly && !params.NoClip) return height < sum + params.LineHeight;
    return height < sum;
}

} // namespace

bool SplitTextIntoRowsOnDC(HDC dc, const std::string& text, const TRect& r, TcxTextRowParams& params,
                           TcxTextRows& rows, int& rowCount, int maxRowCount) {
    rows.clear();
    rowCount = 0;
    // The text ends at its first NUL, as a zero-terminated text would.
    const std::string_view whole = std::string_view(text).substr(0, text.find('\0'));
    if (whole.empty()) return true;
    if (params.CalcOnly && params.SingleLine) {
        TcxTextRow row;
        row.Text = whole.data();
        row.TextLength = int(whole.size());
        MeasureTextRow(dc, row, params.ExpandTabs);
        rows.push_back(row);
        rowCount = 1;
        return true;
    }
    const int width = r.Width(), height = r.Height();
    int cursor = 0, remaining = int(whole.size()), sum = 0;
    bool last = false;
    while (remaining > 0 && !last) {
        ++rowCount;
        sum += params.LineHeight;
        last = IsLastTextRow(params, sum, height, rowCount, maxRowCount);
        const int offset = cursor;
        TcxTextRow row;
        TakeTextRow(dc, whole, cursor, remaining, row, params, last, width);
        row.TextOffset = offset;
        rows.push_back(row);
        if (!last) last = remaining == 0;
        if (maxRowCount > 0 && rowCount == maxRowCount) break;
    }
    return !(!params.SingleLine && !params.CalcOnly && maxRowCount > 0 && rowCount == maxRowCount &&
             remaining > 0);
}

bool SplitTextIntoRows(TCanvas* canvas, const std::string& text, const TRect& r, TcxTextRowParams& params,
                       TcxTextRows& rows, int& rowCount, int maxRowCount) {
    rows.clear();
    return SplitTextIntoRowsOnDC(canvas->GetHandle(), text, r, params, rows, rowCount, maxRowCount);
}

int PlaceTextRows(HDC, const TRect& r, TcxTextRowParams& params, TcxTextRows& rows, int rowCount) {
    rowCount = std::min(rowCount, int(rows.size()));
    int extra = 0;
    if (params.VertAlign == 3 && rowCount > 1) {
        const int free = r.Height() - params.FontHeight;
        if (double(params.FontHeight) < double(free) / double(rowCount - 1)) {
            params.LineHeight = free / (rowCount - 1);
            extra = free % (rowCount - 1);
        }
    }
    int top;
    switch (params.VertAlign) {
    case 1:
        top = r.Top + (r.Height() - rowCount * params.LineHeight) / 2;
        break;
    case 2:
        top = r.Bottom - rowCount * params.LineHeight + params.ExternalLeading;
        break;
    default:
        top = r.Top;
        break;
    }
    if (params.NoTopOverflow) top = std::max(top, r.Top);
    for (int i = 0; i < rowCount; ++i) {
        TcxTextRow& row = rows[size_t(i)];
        switch (params.HorzAlign) {
        case 1:
            row.Left = r.Left + (r.Width() - row.Width) / 2;
            break;
        case 2:
            row.Left = r.Right - row.Width;
            break;
        default:
            row.Left = r.Left;
            break;
        }
        if (params.NoLeftOverflow) row.Left = std::max(row.Left, r.Left);
        row.Top = top;
        top += params.LineHeight;
        if (extra > 0) {
            ++top;
            --extra;
        }
    }
    return rowCount;
}

int WidestTextRow(const TcxTextRows& rows, int count) {
    int widest = 0;
    for (int i = 0; i < std::min(count, int(rows.size())); ++i)
        widest = std::max(widest, rows[size_t(i)].Width);
    return widest;
}

TRect NarrowTextRect(const TRect& r, const TcxTextRowParams&, int leftIndent, int rightIndent) {
    return {r.Left + leftIndent, r.Top, r.Right - rightIndent, r.Bottom};
}

TRect WidenTextRect(const TRect& r, const TcxTextRowParams&, int leftIndent, int rightIndent) {
    return {r.Left - leftIndent, r.Top, r.Right + rightIndent, r.Bottom};
}

} // namespace zorvy
