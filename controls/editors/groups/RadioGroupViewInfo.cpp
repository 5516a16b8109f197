// The radio group drawn without controls (grid cells, printing, measuring): layout metrics, themed
// states, marks and captions.
#include "controls/editors/groups/RadioGroup.h"

#include "controls/editors/framework/EditStyle.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/graphics/CanvasRoutines.h"
#include "controls/foundation/graphics/Geometry.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"

namespace zorvy {

// ---- view data ----

TSize TcxCustomRadioGroupViewData::RadioExtent() const {
    return GetEditStyle()->GetLookAndFeel()->GetPainterForThemeType(tokButton)->GetRadioButtonExtent();
}

void TcxCustomRadioGroupViewData::FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton,
                                               TShiftState shift, TcxCustomEditViewInfo* viewInfo,
                                               bool isMouseEvent) {
    auto* vi = static_cast<TcxCustomRadioGroupViewInfo*>(viewInfo);
    vi->Alignment = taRightJustify;
    TcxButtonGroupViewData::FillViewInfo(canvas, bounds, p, mouseButton, shift, viewInfo, isMouseEvent);
    vi->GlyphSize = RadioExtent();
    vi->StoreBackgroundColor(GetEditStyle()->GetColor());
}

void TcxCustomRadioGroupViewData::FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) {
    auto* vi = static_cast<TcxCustomRadioGroupViewInfo*>(viewInfo);
    vi->CheckedIndex = PreviewMode ? 0 : static_cast<TcxCustomRadioGroupProperties*>(GetProperties())->GetItemIndexOfValue(value);
    if (IsMeasuredAgainstLimit()) vi->PaintOptions |= 2;
}

void TcxCustomRadioGroupViewData::GetButtonMetrics(TcxCanvas* canvas, TcxButtonMetrics& m) {
    m = TcxButtonMetrics{};
    m.ColumnsLeft = IsInplace() ? 1 : 6;
    m.PlacementWidthAdjustment = IsInplace() ? -2 : -6;
    m.ColumnSpacing = 0;
    if (!canvas) return;
    const bool native = IsButtonNativeStyle(GetEditStyle()->GetLookAndFeel());
    const TSize extent = RadioExtent();
    m.GlyphWidth = extent.cx;
    m.GlyphHeight = extent.cy;
    m.TextGap = native ? 5 : 7;
    m.LimitedTextGap = native ? 1 : 3;
    m.ExtraWidth = IsInplace() ? 1 : 6;
    m.LimitedWidthAdjustment = IsInplace() ? -5 : -6;
}

void TcxCustomRadioGroupViewData::UpdateButtonState(TcxButtonGroupViewInfo* viewInfo,
                                                    TcxGroupBoxButtonViewInfo* button) {
    if (!button->NativeStyle) return;
    auto* vi = static_cast<TcxCustomRadioGroupViewInfo*>(viewInfo);
    const bool checked = vi->CheckedIndex == button->Index;
    int state = 1;
    switch (button->State) {
    case ebsHot: state = 2; break;
    case ebsPressed: state = 3; break;
    case ebsDisabled: state = 4; break;
    default: break;
    }
    button->NativePart = 2;
    button->NativeState = state + (checked ? 4 : 0);
    HTHEME theme = GetThemeHandle(tokButton);
    button->NativePartiallyTransparent = theme && ThemeIsBackgroundPartiallyTransparent(theme, 2, button->NativeState);
}

// ---- view info ----

TRect TcxRadioGroupButtonViewInfo::GetGlyphRect(TSize glyphSize, bool paintCopy, TAlignment alignment) const {
    TRect r = TcxGroupBoxButtonViewInfo::GetGlyphRect(glyphSize, paintCopy, alignment);
    if (paintCopy && !NativeStyle) OffsetRect(r, 1, 0);
    return r;
}

void TcxCustomRadioGroupViewInfo::DrawButtonGlyph(TcxCanvas* canvas, TcxGroupBoxButtonViewInfo* button,
                                                  const TRect& glyph) {
    canvas->PushDC();
    canvas->ClipIntersectRect(button->Bounds);
    if (button->NativeStyle) {
        if (HTHEME theme = GetThemeHandle(tokButton))
            ThemeDrawBackground(theme, canvas->DeviceContext(), 2, button->NativeState, glyph);
    } else {
        TcxLookAndFeelPainterClass painter =
            SkinPainter ? SkinPainter : PainterForKind(ButtonLookToLookAndFeelKind(button->ButtonStyle));
        TcxButtonState state = cxbsNormal;
        switch (button->State) {
        case ebsDisabled: state = cxbsDisabled; break;
        case ebsPressed: state = cxbsPressed; break;
        case ebsHot: state = cxbsHot; break;
        default: break;
        }
        painter->DrawRadioButton(canvas, glyph.Left, glyph.Top, state, CheckedIndex == button->Index, false,
                                 HasSeeThroughBackground() ? clDefault : BackgroundColor, Designing);
    }
    canvas->PopDC();
}

void TcxCustomRadioGroupViewInfo::DrawButtonCaption(TcxCanvas* canvas, TcxGroupBoxButtonViewInfo* button,
                                                    const TRect& glyph) {
    canvas->AssignFont(Font);
    canvas->CurrentFont()->SetColor(TextColor);
    PrepareTextFont(canvas->CurrentFont());
    TRect r = button->Bounds;
    if (Alignment == taRightJustify)
        r.Left = glyph.Right;
    else
        r.Right = glyph.Left;
    ShrinkRectByMargins(r, button->NativeStyle ? TRect{3, -1, 0, -1} : TRect{5, 0, 1, 0});
    if (PaintsThroughProvider) OffsetRect(r, 0, -1);
    canvas->CurrentBrush()->SetStyle(bsClear);
    canvas->PaintText(button->Caption, r, ButtonTextFlags, true);
    canvas->CurrentBrush()->SetStyle(bsSolid);
    if (!Focused || Inplace) return;
    TRect focus = r;
    canvas->MeasureTextRect(button->Caption, focus, ButtonTextFlags);
    InflateRect(focus, 1, 1);
    ++focus.Bottom;
    canvas->CurrentBrush()->SetColor(BackgroundColor);
    canvas->PaintFocusRect(focus);
}

bool TcxCustomRadioGroupViewInfo::IsButtonBackgroundSeeThrough(TcxGroupBoxButtonViewInfo* button) const {
    return HasSeeThroughBackground() || (button->NativeStyle && button->NativePartiallyTransparent);
}

} // namespace zorvy
