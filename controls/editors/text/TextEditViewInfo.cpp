#include "controls/editors/text/TextEditViewInfo.h"

#include "controls/editors/framework/EditPainting.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/foundation/text/TextRows.h"

namespace zorvy {

// ---- view data ----

bool TcxCustomTextEditViewData::HasInnerEditControl() const {
    auto* edit = dynamic_cast<TcxCustomEdit*>(Edit);
    return edit && edit->ShowsInnerEdit();
}

int TcxCustomTextEditViewData::GetDrawTextFlags() const {
    TcxCustomEditProperties* p = GetProperties();
    const TcxEditAlignment* alignment = p->GetAlignment();
    static constexpr int Horz[] = {0, trfRight, trfCenterHorz}; // left, right, centre
    static constexpr int Vert[] = {0, trfBottom, trfCenterVert}; // top, bottom, centre
    return Horz[alignment->GetHorz()] | Vert[alignment->GetVert()] | 0x2c0;
}

TRect TcxCustomTextEditViewData::GetTextAreaRect() const {
    TRect margins = GetContentMargins();
    const auto* p = dynamic_cast<const TcxCustomTextEditProperties*>(GetProperties());
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

void TcxCustomTextEditViewData::FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton,
                                             TShiftState shift, TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) {
    TcxCustomEditViewData::FillViewInfo(canvas, bounds, p, mouseButton, shift, viewInfo, isMouseEvent);
    auto* vi = static_cast<TcxCustomTextEditViewInfo*>(viewInfo);
    vi->SelectionBar = false;
    const auto* props = dynamic_cast<const TcxCustomTextEditProperties*>(GetProperties());
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
    vi->DrawTextFlags = GetDrawTextFlags();
    if (vi->PaintOptions & 8) vi->DrawTextFlags |= trfEndEllipsis;
}

void TcxCustomTextEditViewData::EditValueToText(const Variant& value, std::string& text) {
    auto* p = dynamic_cast<TcxCustomTextEditProperties*>(GetProperties());
    auto* edit = dynamic_cast<TcxCustomEdit*>(Edit);
    const bool editing = edit && edit->IsFocused();
    text = p ? p->FormatValueText(value, editing) : VarToStr(value);
}

void TcxCustomTextEditViewData::FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) {
    auto* vi = static_cast<TcxCustomTextEditViewInfo*>(viewInfo);
    vi->Text.clear();
    if (!NoText) ValueToDisplayText(value, vi->Text);
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
    const int lineHeight = canvas->MeasureTextHeight("Zg");
    const TSize padding = GetContentPadding();
    if (limits.Width < 0) {
        size.cx = (text.empty() ? 0 : canvas->MeasureTextWidth(text)) + padding.cx;
        size.cy = lineHeight + padding.cy;
    } else {
        size.cx = limits.Width;
        size.cy = lineHeight + padding.cy;
    }
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
    DrawTextByRowsOnDC(canvas->DeviceContext(), Text, r, DrawTextFlags, selStart, selLength, SelBackgroundColor,
                       SelTextColor, MaxLineCount);
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

void TcxCustomTextEditViewInfo::ShiftBy(int dx, int dy) {
    TcxCustomEditViewInfo::ShiftBy(dx, dy);
    OffsetRect(TextRect, dx, dy);
}

} // namespace zorvy
