// Text rows: drawing placed rows (justification, clipping, ellipsis, selection) and the whole
// lay-out-and-draw pipeline.
#include "controls/foundation/graphics/CanvasRoutines.h"
#include "controls/foundation/text/TextRowsInternal.h"

#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/classlib/Canvas.h"

#include <algorithm>

namespace zorvy {

using namespace textrows;

namespace {

constexpr std::string_view Ellipsis = "...";

// The clip region as it was (or none), put back by Restore.
class TSavedClip {
  public:
    explicit TSavedClip(HDC dc) : dc_(dc), region_(CreateRectRgn(0, 0, 0, 0)) {
        hadClip_ = GetClipRgn(dc, region_) == 1;
    }
    ~TSavedClip() { DeleteObject(region_); }
    TSavedClip(const TSavedClip&) = delete;
    TSavedClip& operator=(const TSavedClip&) = delete;
    void Restore() { SelectClipRgn(dc_, hadClip_ ? region_ : nullptr); }

  private:
    HDC dc_;
    HRGN region_;
    bool hadClip_ = false;
};

// The extent of the first n bytes of the row.
int TextPrefixExtent(HDC dc, const TcxTextRow& row, int n, bool expandTabs) {
    if (n <= 0) return 0;
    return MeasureTextRun(dc, std::string_view(row.Text, size_t(n)), expandTabs).cx;
}

void DrawRowText(HDC dc, const TcxTextRow& row, const TcxTextRowParams& params) {
    const std::string_view text(row.Text, size_t(row.TextLength));
    if (params.ExpandTabs)
        TabbedTextOut(dc, row.Left, row.Top, text, nullptr, 0, row.Left);
    else
        TextOut(dc, row.Left, row.Top, text);
}

void TruncateRowForEllipsis(HDC dc, TcxTextRow& row, const TcxTextRowParams& params, int width) {
    const int available = std::max(width - params.EllipsisWidth, 0);
    int fit = 0;
    TSize size;
    if (!GetTextExtentExPoint(dc, std::string_view(row.Text, size_t(row.TextLength)), available, &fit,
                              nullptr, size))
        fit = 0;
    if (row.TextLength > 0)
        fit = std::max(fit, CharSize(std::string_view(row.Text, size_t(row.TextLength)), 0));
    row.TextLength = std::min(fit, row.TextLength);
    MeasureTextRow(dc, row, params.ExpandTabs);
}

void DrawRowEllipsis(HDC dc, const TRect& r, const TRect& band, const TcxTextRow& row,
                     const TcxTextRowParams& params) {
    const int x = r.Left + row.Width;
    if (x >= r.Right) return;
    if (!params.NoClip && x + params.EllipsisWidth > r.Right) {
        const TRect clip = {x, band.Top, r.Right, band.Bottom};
        ExtTextOut(dc, x, row.Top, ETO_CLIPPED, &clip, Ellipsis);
    } else {
        TextOut(dc, x, row.Top, Ellipsis);
    }
}

} // namespace

void DrawTextRows(HDC dc, const TRect& r, const TcxTextRowParams& params, TcxTextRows& rows, int rowCount,
                  int selStart, int selLength, TColor selBkColor, TColor selTextColor,
                  bool forceEndEllipsis) {
    rowCount = std::min(rowCount, int(rows.size()));
    const COLORREF selText = ColorToRGB(selTextColor);
    const int width = r.Width();
    const int oldBkMode = SetBkMode(dc, TRANSPARENT);
    HBRUSH selBrush =
        selLength > 0 && selBkColor != clNone ? CreateSolidBrush(ColorToRGB(selBkColor)) : nullptr;
    // The selection is cut out of the clip region row by row; the caller gets its clip back whole.
    TSavedClip callerClip(dc);
    for (int i = 0; i < rowCount; ++i) {
        TcxTextRow& row = rows[size_t(i)];
        const bool lastRow = i == rowCount - 1;
        TRect band = {r.Left, row.Top, r.Right, row.Top + params.LineHeight};
        bool ellipsisDue = params.EndEllipsis && lastRow && (forceEndEllipsis || row.Width > width);
        if (row.TextLength <= 0) {
            if (lastRow && forceEndEllipsis && params.EndEllipsis) {
                TruncateRowForEllipsis(dc, row, params, width);
                DrawRowEllipsis(dc, r, band, row, params);
            }
            continue;
        }
        bool justified = false;
        if ((params.HorzAlign == 3 || params.HorzAlign == 4) && !ellipsisDue) {
            const int extra = width - row.Width;
            if (row.BreakCount > 0 && extra > 0) {
                SetTextJustification(dc, extra, row.BreakCount);
                justified = true;
            }
        }
        const bool clip =
            !params.NoClip && !(width >= row.Width && band.Top >= r.Top && band.Bottom <= r.Bottom);
        std::optional<TSavedClip> rowClip;
        if (clip) {
            band.Top = std::max(band.Top, r.Top);
            band.Bottom = std::min(band.Bottom, r.Bottom);
            rowClip.emplace(dc);
            IntersectClipRect(dc, band.Left, band.Top, band.Right, band.Bottom);
        }
        if (ellipsisDue) TruncateRowForEllipsis(dc, row, params, width);

        if (selLength > 0) {
            const int s = row.TextOffset, e = s + row.TextLength, q = selStart + selLength;
            if (selStart < e && s < q) {
                const int a = std::max(s, selStart) - s, b = std::min(e, q) - s;
                if (a < b) {
                    const int xa = TextPrefixExtent(dc, row, a, params.ExpandTabs);
                    const int xb = TextPrefixExtent(dc, row, b, params.ExpandTabs);
                    // Only right-to-left text mirrors the selection; Chinese runs left to right.
                    const bool mirrored =
                        params.CharSet == ARABIC_CHARSET &&
                        IsFarEastOrArabicText(params.CharSet, std::string(row.Text, size_t(row.TextLength)));
                    TRect sel = mirrored ? TRect{row.Left + row.Width - xb, band.Top,
                                                 row.Left + row.Width - xa, band.Bottom}
                                         : TRect{row.Left + xa, band.Top, row.Left + xb, band.Bottom};
                    if (!IsRectEmpty(sel)) {
                        TSavedClip selectionClip(dc);
                        IntersectClipRect(dc, sel.Left, sel.Top, sel.Right, sel.Bottom);
                        if (selBrush) FillRect(dc, sel, selBrush);
                        const COLORREF oldText = SetTextColor(dc, selText);
                        DrawRowText(dc, row, params);
                        if (ellipsisDue && q >= e) {
                            DrawRowEllipsis(dc, r, band, row, params);
                            ellipsisDue = false;
                        }
                        SetTextColor(dc, oldText);
                        selectionClip.Restore();
                        ExcludeClipRect(dc, sel.Left, sel.Top, sel.Right, sel.Bottom);
                    }
                }
            }
        }
        DrawRowText(dc, row, params);
        if (ellipsisDue) DrawRowEllipsis(dc, r, band, row, params);
        if (rowClip) rowClip->Restore();
        if (justified) SetTextJustification(dc, 0, 0);
    }
    callerClip.Restore();
    if (selBrush) DeleteObject(selBrush);
    SetBkMode(dc, oldBkMode);
}

int DrawTextByRowsOnDC(HDC dc, const std::string& text, TRect& r, int flags, int selStart, int selLength,
                       TColor selBkColor, TColor selTextColor, int maxRowCount, int leftIndent,
                       int rightIndent) {
    const std::string_view whole = std::string_view(text).substr(0, text.find('\0'));
    if (whole.empty() || !dc) return 0;
    TcxTextRowParams params;
    InitTextRowParamsForDC(dc, flags, params);
    TRect inner = NarrowTextRect(r, params, leftIndent, rightIndent);
    TcxTextRows rows;
    int rowCount = 0, result = 0;
    bool allFit = true;
    const bool usable = params.CalcOnly ? inner.Width() > 0 : !IsRectEmpty(inner);
    if (usable) allFit = SplitTextIntoRowsOnDC(dc, text, inner, params, rows, rowCount, maxRowCount);
    if (rowCount > 0) {
        if (params.CalcOnly) {
            if (maxRowCount > 0 && maxRowCount < rowCount) rowCount = maxRowCount;
            inner.Right = inner.Left + WidestTextRow(rows, rowCount);
            if (!params.SingleLine)
                SplitTextIntoRowsOnDC(dc, text, inner, params, rows, rowCount, maxRowCount);
            PlaceTextRows(dc, inner, params, rows, rowCount);
            inner.Bottom = rows[size_t(rowCount - 1)].Top + params.FontHeight;
            r = WidenTextRect(inner, params, leftIndent, rightIndent);
        } else {
            bool forceEllipsis = false;
            if (maxRowCount > 0 && rowCount >= maxRowCount) {
                rowCount = maxRowCount;
                forceEllipsis = !allFit && params.EndEllipsis && params.WholeRowsOnly && !params.SingleLine;
            }
            PlaceTextRows(dc, inner, params, rows, rowCount);
            if (selStart < 0 || selStart >= int(whole.size()))
                selLength = 0;
            else
                selLength = std::min(selLength, int(whole.size()) - selStart);
            DrawTextRows(dc, inner, params, rows, rowCount, selStart, selLength, selBkColor, selTextColor,
                         forceEllipsis);
        }
        result = rows[size_t(rowCount - 1)].Top + params.FontHeight - inner.Top;
    }
    return params.ReturnRowCount || result == 0 ? rowCount : result;
}

int DrawTextByRowsOnCanvas(TCanvas* canvas, const std::string& text, TRect& r, int flags, int selStart,
                           int selLength, TColor selBkColor, TColor selTextColor, int maxRowCount,
                           int leftIndent, int rightIndent) {
    return DrawTextByRowsOnDC(canvas->GetHandle(), text, r, flags, selStart, selLength, selBkColor,
                              selTextColor, maxRowCount, leftIndent, rightIndent);
}

int DrawTextByRows(TCanvas* canvas, const std::string& text, TRect& r, int flags, int maxRowCount,
                   int leftIndent, int rightIndent) {
    return DrawTextByRowsOnCanvas(canvas, text, r, flags, 0, 0, clNone, clNone, maxRowCount, leftIndent,
                                  rightIndent);
}

} // namespace zorvy
