// The check group drawn without controls (grid cells): metrics, check frames, marks and captions.
#include "controls/editors/groups/CheckGroup.h"

#include "controls/editors/checks/CheckPainting.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"

namespace zorvy {

namespace {

TcxEditBorderStyle CheckFrameStyleForKind(TcxLookAndFeelKind kind) {
    switch (kind) {
    case lfFlat: return TcxEditBorderStyle::ebsFlat;
    case lfUltraFlat: return TcxEditBorderStyle::ebsUltraFlat;
    case lfOffice11: return TcxEditBorderStyle::ebsOffice11;
    default: return TcxEditBorderStyle::ebs3D;
    }
}

} // namespace

// ---- view data ----

void TcxCheckGroupViewData::FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton,
                                         TShiftState shift, TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) {
    TcxButtonGroupViewData::FillViewInfo(canvas, bounds, p, mouseButton, shift, viewInfo, isMouseEvent);
    auto* vi = static_cast<TcxCheckGroupViewInfo*>(viewInfo);
    TcxCustomCheckGroupProperties* props = CheckProperties();
    TcxLookAndFeel* lookAndFeel = GetEditStyle()->GetLookAndFeel();
    TBitmap* glyph = props->HasGlyph() ? props->GetGlyph() : nullptr;
    vi->GlyphSize = MeasureEditCheck(canvas ? canvas : ScreenCanvasInstance(), IsButtonNativeStyle(lookAndFeel),
                                     glyph, vi->SkinPainter, props->GetGlyphCount());
    vi->Glyph = glyph;
    vi->GlyphCount = props->GetGlyphCount();
    vi->Alignment = props->GetItemAlignment();
    vi->CheckFrameStyle = CheckFrameStyleForKind(lookAndFeel->GetKind());
    vi->StoreBackgroundColor(GetEditStyle()->GetColor());
}

void TcxCheckGroupViewData::FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) {
    auto* vi = static_cast<TcxCheckGroupViewInfo*>(viewInfo);
    TcxCheckStates states(static_cast<size_t>(vi->ButtonCount()), cbsUnchecked);
    if (PreviewMode) {
        if (!states.empty()) states[0] = cbsChecked;
    } else {
        CheckProperties()->EditValueToCheckStates(IsInplace() ? nullptr : Edit, value);
        const TcxCheckStates& read = CheckStatesBuffer();
        for (size_t i = 0; i < states.size() && i < read.size(); ++i) states[i] = read[i];
    }
    for (int i = 0; i < vi->ButtonCount(); ++i)
        static_cast<TcxCheckGroupButtonViewInfo*>(vi->Button(i))->CheckState = states[static_cast<size_t>(i)];
    if (IsMeasuredAgainstLimit()) vi->PaintOptions |= 2;
}

TRect TcxCheckGroupViewData::GetCaptionMargins() const {
    return TRect{CheckProperties()->GetItemAlignment() == taRightJustify ? 2 : 3, 0, 2, 0};
}

void TcxCheckGroupViewData::GetButtonMetrics(TcxCanvas* canvas, TcxButtonMetrics& m) {
    m = TcxButtonMetrics{};
    const bool rightJustify = CheckProperties()->GetItemAlignment() == taRightJustify;
    m.ColumnsLeft = IsInplace() ? (rightJustify ? 0 : 1) : 6;
    m.PlacementWidthAdjustment = IsInplace() ? -1 : -6;
    m.ColumnSpacing = 6;
    if (!canvas) return;
    TcxCustomCheckGroupProperties* props = CheckProperties();
    TcxLookAndFeel* lookAndFeel = GetEditStyle()->GetLookAndFeel();
    const TSize glyph = MeasureEditCheck(canvas, IsButtonNativeStyle(lookAndFeel),
                                         props->HasGlyph() ? props->GetGlyph() : nullptr,
                                         lookAndFeel->GetSkinPainter(), props->GetGlyphCount());
    m.GlyphWidth = glyph.cx;
    m.GlyphHeight = glyph.cy;
    const TRect margins = GetCaptionMargins();
    m.TextGap = margins.Left + margins.Right;
    m.LimitedTextGap = m.TextGap;
    m.ExtraWidth = IsInplace() ? 1 : 6;
    m.LimitedWidthAdjustment = m.PlacementWidthAdjustment;
}

// ---- view info ----

TRect TcxCheckGroupButtonViewInfo::GetGlyphRect(TSize glyphSize, bool paintCopy, TAlignment alignment) const {
    const TAlignment mirrored = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
    TRect r = TcxGroupBoxButtonViewInfo::GetGlyphRect(glyphSize, paintCopy, mirrored);
    if (paintCopy) OffsetRect(r, alignment == taLeftJustify ? 2 : -2, 0);
    return r;
}

void TcxCheckGroupViewInfo::DrawButtonGlyph(TcxCanvas* canvas, TcxGroupBoxButtonViewInfo* button, const TRect& glyph) {
    TcxEditCheckState state = ecsNormal;
    switch (button->State) {
    case ebsDisabled: state = ecsDisabled; break;
    case ebsPressed: state = ecsPressed; break;
    case ebsHot: state = ecsHot; break;
    default: break;
    }
    TcxEditBorderStyle frame = CheckFrameStyle;
    if (frame == TcxEditBorderStyle::ebsFlat && button->State == ebsHot) frame = TcxEditBorderStyle::ebs3D;
    PaintEditCheck(canvas, glyph, static_cast<TcxCheckGroupButtonViewInfo*>(button)->CheckState, state, Glyph,
                   GlyphCount, frame, button->NativeStyle, clBtnText, BackgroundColor, !HasSeeThroughBackground(),
                   Designing, false, true, SkinPainter, nssGrayedChecked);
}

void TcxCheckGroupViewInfo::DrawButtonCaption(TcxCanvas* canvas, TcxGroupBoxButtonViewInfo* button,
                                              const TRect& glyph) {
    TRect r = button->Bounds;
    if (Alignment == taRightJustify) {
        r.Left = button->Bounds.Left + CaptionMargins.Left;
        r.Right = glyph.Left - CaptionMargins.Right;
    } else {
        r.Left = glyph.Right + CaptionMargins.Left;
        r.Right = button->Bounds.Right - CaptionMargins.Right;
    }
    PaintCheckCaption(canvas, button->Caption, Font, Enabled, ButtonTextFlags, r, TextColor);
}

} // namespace zorvy
