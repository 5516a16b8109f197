#include "controls/editors/text/TextEditViewInfo.h"

#include "controls/editors/framework/EditPainting.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditTypes.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/foundation/text/TextRows.h"
#include "platform/gdi/Text.h"

namespace zorvy {

namespace {

// A text without line breaks, tabs or NULs that is no wider than the width takes one row: the
// common cell needs one measuring (answered from the shaped-text cache), not a row split.
bool FitsOneRow(HDC dc, const std::string& text, int width) {
    if (text.find_first_of(std::string_view("\0\t\r\n", 4)) != std::string::npos) return false;
    TSize size{};
    return GetTextExtentPoint32(dc, text, size) && size.cx <= width;
}

} // namespace

// ---- view data ----

TcxCustomTextEditProperties* TcxCustomTextEditViewData::TextProperties() const {
    // The properties are given at construction and never replaced.
    if (!textPropertiesKnown_) {
        textProperties_ = dynamic_cast<TcxCustomTextEditProperties*>(GetProperties());
        textPropertiesKnown_ = true;
    }
    return textProperties_;
}

bool TcxCustomTextEditViewData::HasInnerEditControl() const {
    auto* edit = dynamic_cast<TcxCustomEdit*>(Edit);
    return edit && edit->ShowsInnerEdit();
}

int TcxCustomTextEditViewData::GetDrawTextFlags() const {
    TcxCustomEditProperties* p = GetProperties();
    const TcxEditAlignment* alignment = p->GetAlignment();
    static constexpr int Horz[] = {0, trfRight, trfCenterHorz};  // left, right, centre
    static constexpr int Vert[] = {0, trfBottom, trfCenterVert}; // top, bottom, centre
    return Horz[alignment->GetHorz()] | Vert[alignment->GetVert()] | 0x2c0;
}

TRect TcxCustomTextEditViewData::GetTextAreaRect() const {
    TRect margins = GetContentMargins();
    const auto* p = TextProperties();
    const int style = p ? p->GetInputStyle() : istFreeText;
    if (!IsInplace() && (style == istListOnly || style == istNoTyping)) {
        const TcxEditAlignment* alignment = GetProperties()->GetAlignment();
        if (alignment->GetVert() == taTopJustify) {
            ++margins.Top;
            --margins.Bottom;
        }
        if (alignment->GetHorz() == taRightJustify)
            ++margins.Right;
        else
            ++margins.Left;
    }
    return margins;
}

void TcxCustomTextEditViewData::FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p,
                                             int mouseButton, TShiftState shift,
                                             TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) {
    TcxCustomEditViewData::FillViewInfo(canvas, bounds, p, mouseButton, shift, viewInfo, isMouseEvent);
    auto* vi = static_cast<TcxCustomTextEditViewInfo*>(viewInfo);
    vi->SelectionBar = false;
    const auto* props = TextProperties();
    vi->InputStyle = props ? props->GetInputStyle() : istFreeText;
    vi->InnerEditShown = HasInnerEditControl();
    const TRect margins = GetTextAreaRect();
    const TRect& client = vi->ClientRect;
    vi->TextRect = Rect(client.Left + margins.Left, client.Top + margins.Top, client.Right - margins.Right,
                        client.Bottom - margins.Bottom);
    if (!IsInplace() && canvas) {
        // A stand-alone editor shows at least one whole line, within its client rectangle.
        canvas->AssignFont(vi->Font);
        const int lineHeight = canvas->MeasureTextHeight("Zg");
        if (vi->TextRect.Height() < lineHeight)
            vi->TextRect.Bottom = std::min(vi->TextRect.Top + lineHeight, client.Bottom);
    }
    vi->MaxLineCount = 0;
    PrepareTextDrawing(canvas, vi);
}

bool TcxCustomTextEditViewData::WrapsText() const {
    const auto* p = TextProperties();
    return p && !p->IsMultiLineText() && (p->GetCapabilities() & 2) && (ContentParams.Options & 2);
}

void TcxCustomTextEditViewData::PrepareTextDrawing(TcxCanvas* canvas, TcxCustomTextEditViewInfo* vi) {
    vi->DrawTextFlags = GetDrawTextFlags();
    if (WrapsText() && canvas && !vi->Text.empty()) {
        if (vi->Font) canvas->AssignFont(vi->Font);
        const TRect margins = GetTextAreaRect();
        const TRect& offsets = ContentParams.Offsets;
        int width = vi->TextRect.Width() + margins.Left + margins.Right - offsets.Left - offsets.Right;
        if ((vi->DrawTextFlags & 3) == trfRight) ++width;
        if (FitsOneRow(canvas->DeviceContext(), vi->Text, std::max(width, 1))) {
            if (vi->PaintOptions & 8) vi->DrawTextFlags |= trfEndEllipsis;
            return;
        }
        TcxTextRowParams params;
        InitTextRowParamsForDC(canvas->DeviceContext(),
                               (vi->DrawTextFlags & ~trfSingleLine) | trfWordBreak | trfWholeRowsOnly |
                                   trfReturnRowCount,
                               params);
        TcxTextRows rows;
        int rowCount = 0;
        SplitTextIntoRowsOnDC(canvas->DeviceContext(), vi->Text,
                              Rect(0, 0, std::max(width, 1), cxMaxRectSize), params, rows, rowCount);
        if (rowCount > 1) {
            vi->DrawTextFlags = (vi->DrawTextFlags & ~trfSingleLine) | trfWordBreak | trfWholeRowsOnly;
            // Rows taller than the text rectangle start at its top.
            if (rowCount * params.LineHeight > vi->TextRect.Height())
                vi->DrawTextFlags &= ~(trfCenterVert | trfBottom | trfSingleLine);
        }
    }
    if (vi->PaintOptions & 8) vi->DrawTextFlags |= trfEndEllipsis;
}

void TcxCustomTextEditViewData::EditValueToText(const Variant& value, std::string& text) {
    auto* p = TextProperties();
    auto* edit = dynamic_cast<TcxCustomEdit*>(Edit);
    const bool editing = edit && edit->IsFocused();
    if (!p) {
        text = VarToStr(value);
        return;
    }
    // Formatted whole, then hidden or cased as the settings ask (a password cell shows glyphs).
    std::string shown =
        p->UsesSourceDisplayFormat(editing) ? VarToStr(value) : p->FormatValueText(value, editing);
    p->ApplyDisplayTransform(shown);
    text = std::move(shown);
}

void TcxCustomTextEditViewData::FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) {
    auto* vi = static_cast<TcxCustomTextEditViewInfo*>(viewInfo);
    vi->Text.clear();
    if (!NoText) ValueToDisplayText(value, vi->Text);
    // The rows depend on the text, which is only known now.
    PrepareTextDrawing(ScreenCanvasInstance(), vi);
    vi->SelStart = SelStart;
    vi->SelLength = SelLength;
    if (SelLength == 0) return;
    if (GetEditStyle()->GetColor() == clHighlight) {
        vi->SelTextColor = clWhite;
        vi->SelBackgroundColor = clBlack;
    } else {
        vi->SelTextColor = clHighlightText;
        vi->SelBackgroundColor = clHighlight;
    }
}

void TcxCustomTextEditViewData::GetExtraContentSize(TcxCanvas* canvas, const Variant& value,
                                                    const TcxEditSizeProperties& limits, TSize& size) {
    TcxCustomEditViewData::GetExtraContentSize(canvas, value, limits, size);
    std::string text;
    ValueToDisplayText(value, text);
    canvas->AssignFont(GetEditStyle()->EffectiveFont());
    HDC dc = canvas->DeviceContext();
    const int lineHeight = canvas->MeasureTextHeight("Zg");
    const TSize padding = GetContentPadding();
    const int flags = GetDrawTextFlags();
    const auto* p = TextProperties();
    const int style = p ? p->GetInputStyle() : istFreeText;
    // A list-bound stand-alone editor keeps one more pixel beside its text.
    const bool alignmentAdjust = !IsInplace() && (style == istListCompleted || style == istListOnly);
    // The rows text breaks into at width (or at its line breaks only, for an unbounded width).
    auto countRows = [&](int width, int rowFlags, int maxRows, int* widest) {
        TcxTextRowParams params;
        InitTextRowParamsForDC(dc, rowFlags, params);
        TcxTextRows rows;
        int rowCount = 0;
        SplitTextIntoRowsOnDC(dc, text, Rect(0, 0, width, cxMaxRectSize), params, rows, rowCount, maxRows);
        if (widest) *widest = rowCount > 0 ? WidestTextRow(rows, rowCount) : 0;
        return rowCount;
    };
    if (limits.Width < 0) {
        if (!(flags & trfSingleLine) || WrapsText()) {
            int widest = 0;
            if (!text.empty())
                countRows(cxMaxRectSize / 2,
                          (flags & ~trfSingleLine) | trfWordBreak | trfWholeRowsOnly | trfCalcRect,
                          limits.MaxLineCount > 0 ? limits.MaxLineCount : 0, &widest);
            size.cx = widest;
            size.cy = limits.MaxLineCount > 0 ? limits.MaxLineCount * lineHeight : lineHeight;
        } else {
            size.cx = text.empty() ? 0 : canvas->MeasureTextWidth(text);
            size.cy = lineHeight;
        }
        if (alignmentAdjust) ++size.cx;
        size.cx += padding.cx;
    } else if (limits.MaxLineCount > 0) {
        size.cx = limits.Width;
        size.cy = limits.MaxLineCount * lineHeight;
    } else {
        int usable = limits.Width - 3 + (IsInplace() ? 0 : 2) + (alignmentAdjust ? 0 : 1);
        size.cx = usable > 0 ? limits.Width : 0;
        if (usable > 0 && !text.empty()) {
            const int rows = countRows(usable,
                                       (flags & ~(trfSingleLine | trfCenterVert | trfBottom)) | trfWordBreak |
                                           trfWholeRowsOnly | trfReturnRowCount,
                                       0, nullptr);
            size.cy = std::max(rows, 1) * lineHeight;
        } else {
            // An empty text is one line high, unless the view asks for no height then.
            size.cy = (ContentParams.Options & 1) ? 0 : lineHeight;
        }
    }
    if (size.cy > 0) size.cy += padding.cy;
}

// ---- view info ----

void TcxCustomTextEditViewInfo::PaintFrameAndBackground(TcxCanvas* canvas) {
    PaintEditBackgroundAndButtons(canvas, this, !Transparent && !SelectionBar, 0);
    TRect content = ClientRect;
    if (!Inplace && (!NativeStyle || SelectionBar) && !Transparent && InputStyle != istNoTyping) {
        canvas->FrameRectSides(ClientRect, BackgroundColor);
        InflateRect(content, -1, -1);
    }
    if (SelectionBar) FillRectWithCachedBrush(canvas, content, clHighlight);
    if (!InnerEditShown) PaintText(canvas);
    if (!InnerEditShown && Focused && !Inplace) {
        canvas->CurrentFont()->SetColor(SelectionBar ? clHighlightText : clBtnText);
        canvas->CurrentBrush()->SetColor(SelectionBar ? clHighlight : BackgroundColor);
        canvas->PaintFocusRect(content);
    }
}

void TcxCustomTextEditViewInfo::PaintText(TcxCanvas* canvas) {
    if (Text.empty() || IsRectEmpty(TextRect)) return;
    if (Font) canvas->AssignFont(Font);
    canvas->CurrentFont()->SetColor(SelectionBar ? clHighlightText : TextColor);
    PrepareTextFont(canvas->CurrentFont());
    int selStart = SelStart, selLength = SelLength;
    if (selStart < 0 || selStart >= static_cast<int>(Text.size())) selLength = 0;
    if (selLength > 0) selLength = std::min(selLength, static_cast<int>(Text.size()) - selStart);
    TRect r = TextRect;
    canvas->CurrentBrush()->SetStyle(bsClear);
    DrawTextByRowsOnDC(canvas->DeviceContext(), Text, r, DrawTextFlags, selStart, selLength,
                       SelBackgroundColor, SelTextColor, MaxLineCount);
    canvas->CurrentBrush()->SetStyle(bsSolid);
}

int TcxCustomTextEditViewInfo::GetTextBottom() const {
    TcxScreenCanvas* canvas = ScreenCanvasInstance();
    if (Font) canvas->AssignFont(Font);
    const int h = canvas->MeasureTextHeight("Zg");
    if (DrawTextFlags & trfBottom) return TextRect.Bottom - 1;
    if (DrawTextFlags & trfCenterVert) return TextRect.Top + (TextRect.Height() - h) / 2 + h - 1;
    return TextRect.Top + h - 1;
}

bool TcxCustomTextEditViewInfo::NeedsHintInRect(TcxCanvas* canvas, TPoint p, const TRect& area,
                                                std::string& hintText) {
    hintText.clear();
    HintRect = TRect{};
    HintMultiLine = false;
    TRect within = TextRect;
    if (!IsRectEmpty(area)) {
        within = area;
        OffsetRect(within, -Left, -Top);
        IntersectRect(within, within, TextRect);
    }
    if (!PtInRect(within, p) || Text.empty() || !canvas) return false;
    if (Font) canvas->AssignFont(Font);
    PrepareTextFont(canvas->CurrentFont());
    const bool wraps = (DrawTextFlags & trfWordBreak) && !(DrawTextFlags & trfSingleLine);
    const int flags = (DrawTextFlags & ~(trfCenterVert | trfBottom)) | trfReturnRowCount;
    HDC dc = canvas->DeviceContext();
    TcxTextRowParams params;
    InitTextRowParamsForDC(dc, flags, params);
    // Unbounded downwards, and to the right unless the text wraps.
    TRect room = TextRect;
    room.Bottom = cxMaxRectSize / 2;
    if (!wraps) room.Right = cxMaxRectSize / 2;
    TcxTextRows rows;
    int rowCount = 0;
    bool fits = SplitTextIntoRowsOnDC(dc, Text, room, params, rows, rowCount, MaxLineCount);
    PlaceTextRows(dc, room, params, rows, rowCount);
    for (int i = 0; fits && i < rowCount; ++i) {
        std::string row(rows[i].Text, static_cast<std::size_t>(rows[i].TextLength));
        while (!row.empty() && row.back() == ' ')
            row.pop_back();
        const int width = canvas->MeasureTextWidth(row);
        if (width > TextRect.Width() || rows[i].Left + width > within.Right ||
            rows[i].Top + rows[i].Height > within.Bottom)
            fits = false;
    }
    if (fits) return false;
    HintMultiLine = wraps;
    hintText = Text;
    HintRect = TextRect;
    OffsetRect(HintRect, Left, Top);
    return true;
}

bool TcxCustomTextEditViewInfo::NeedsHintInRect(TcxCanvas* canvas, TPoint p, const TRect& area,
                                                TRect& hintRect, bool& multiLine, std::string& hintText) {
    const bool needed = NeedsHintInRect(canvas, p, area, hintText);
    hintRect = HintRect;
    multiLine = HintMultiLine;
    return needed;
}

void TcxCustomTextEditViewInfo::ShiftBy(int dx, int dy) {
    TcxCustomEditViewInfo::ShiftBy(dx, dy);
    OffsetRect(TextRect, dx, dy);
}

} // namespace zorvy
