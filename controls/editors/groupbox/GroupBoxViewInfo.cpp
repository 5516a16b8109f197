// The group box's caption rectangle, frame and child area, and its painting.
#include "controls/editors/groupbox/GroupBoxViewInfo.h"

#include "controls/editors/framework/EditPainting.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/groupbox/GroupBox.h"
#include "controls/foundation/graphics/CanvasRoutines.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "platform/gdi/Text.h"

namespace zorvy {

namespace {

constexpr int CaptionMargin = 8; // from the box's edge to a caption's start

unsigned CaptionDrawTextFlags(const TcxCustomGroupBox* box) {
    unsigned flags = DT_SINGLELINE;
    if (box && box->UseRightToLeftReading()) flags |= DT_RTLREADING;
    if (box && IsVerticalCaption(box->GetAlignment())) flags |= DT_NOPREFIX;
    return flags;
}

void PrepareCaptionCanvas(const TcxCustomGroupBox* box, TFont* fallback, TcxCanvas* canvas) {
    canvas->AssignFont(box ? box->GetCaptionFont() : fallback);
}

} // namespace

// ---- view data ----

TcxCustomGroupBox* TcxGroupBoxViewData::Box() const {
    return dynamic_cast<TcxCustomGroupBox*>(Edit);
}

TcxContainerStateFlags TcxGroupBoxViewData::ComputeContainerState(TcxCanvas*, TPoint, int, TShiftState, bool) {
    return Enabled ? cxcsNormal : cxcsDisabled; // never hot or focused
}

int TcxGroupBoxViewData::CaptionTextHeight() const {
    TcxScreenCanvas* screen = ScreenCanvasInstance();
    TcxCustomGroupBox* box = Box();
    PrepareCaptionCanvas(box, GetEditStyle()->EffectiveFont(), screen);
    return screen->MeasureTextHeight("Qq");
}

TRect TcxGroupBoxViewData::WithCaptionSide(TRect extent, int value) const {
    TcxCustomGroupBox* box = Box();
    const TcxCaptionAlignment alignment = box ? box->GetAlignment() : alTopLeft;
    switch (CaptionAlignmentToPosition(alignment)) {
    case 0: extent.Top = value; break;
    case 1: extent.Bottom = value; break;
    case 2: extent.Left = value; break;
    case 3: extent.Right = value; break;
    default: break;
    }
    return extent;
}

TRect TcxGroupBoxViewData::GetBorderExtent() {
    TRect extent = TcxCustomEditViewData::GetBorderExtent();
    if (IsInplace()) return extent;
    TcxCustomGroupBox* box = Box();
    const TcxCaptionAlignment alignment = box ? box->GetAlignment() : alTopLeft;
    if (alignment == alCenterCenter) return extent;
    const int h = CaptionTextHeight();
    return WithCaptionSide(extent, IsVerticalCaption(alignment) ? h / 2 : h / 2 + 1);
}

TRect TcxGroupBoxViewData::GetContentExtent(TcxCanvas*, TcxCustomEditViewInfo*) {
    TRect extent = TcxCustomEditViewData::GetBorderExtent();
    if (IsInplace()) return extent;
    return WithCaptionSide(extent, CaptionTextHeight() + 3);
}

TColor TcxGroupBoxViewData::GetBorderColor() {
    const TcxEditBorderStyle style = CurrentStyle()->GetEditBorderStyle();
    if (style == TcxEditBorderStyle::ebsUltraFlat || style == TcxEditBorderStyle::ebsOffice11)
        return Enabled ? ActiveBorderColor(style == TcxEditBorderStyle::ebsOffice11) : clBtnShadow;
    return CurrentStyle()->GetBorderColor();
}

bool TcxGroupBoxViewData::IsThemedLookAndFeel(TcxLookAndFeel* lookAndFeel) const {
    // Bottom and right captions are always painted classically.
    TcxCustomGroupBox* box = Box();
    const int position = CaptionAlignmentToPosition(box ? box->GetAlignment() : alTopLeft);
    if (position == 1 || position == 3) return false;
    return (lookAndFeel->GetNativeStyle() || lookAndFeel->GetKind() == lfOffice11) &&
           CanUseNativeTheme(true, tokEdit) && !lookAndFeel->GetSkinPainter();
}

TRect TcxGroupBoxViewData::CalcCaptionRect(TcxCanvas* canvas, const TRect& bounds) {
    TcxCustomGroupBox* box = Box();
    const std::string text = box ? box->GetCaptionText() : std::string();
    if (text.empty()) return TRect{};
    const TcxCaptionAlignment alignment = box->GetAlignment();
    // Measured with the font unturned: a vertical caption's rectangle is turned below.
    TFont unturned;
    unturned.Assign(GetEditStyle()->EffectiveFont());
    canvas->AssignFont(&unturned);
    const int h = canvas->MeasureTextHeight("Qq");
    TRect r = Rect(CaptionMargin, 0, CaptionMargin, h);
    DrawText(canvas->DeviceContext(), text, r, CaptionDrawTextFlags(box) | DT_CALCRECT);
    const int w = r.Width();
    const int s = CurrentStyle()->GetShadow() ? 3 : 0;
    const int W = bounds.Width(), H = bounds.Height();
    if (!IsVerticalCaption(alignment)) {
        r = Rect(CaptionMargin, 0, CaptionMargin + w, h);
        switch (alignment) {
        case alTopCenter:
        case alBottomCenter:
        case alCenterCenter: r.Left = (W - s - w) / 2; break;
        case alTopRight:
        case alBottomRight: r.Left = W - CaptionMargin - s - w; break;
        default: break;
        }
        r.Right = r.Left + w;
        if (alignment >= alBottomLeft && alignment <= alBottomRight) {
            r.Top = H - h - 2;
            r.Bottom = H - 2;
        } else if (alignment == alCenterCenter) {
            r.Top = (H - s - h) / 2;
            r.Bottom = r.Top + h;
        }
        return r;
    }
    if (alignment <= alLeftBottom) {
        r.Left = -1;
        r.Right = h - 1;
        if (alignment == alLeftTop) {
            r.Top = CaptionMargin;
        } else if (alignment == alLeftCenter) {
            r.Bottom = (H - s) - (H - s - w) / 2;
            r.Top = r.Bottom - w;
            return r;
        } else {
            r.Bottom = H - s - CaptionMargin;
            r.Top = r.Bottom - w;
            return r;
        }
    } else {
        r.Left = W - h + 1;
        r.Right = W + 1;
        if (alignment == alRightTop) {
            r.Top = CaptionMargin;
        } else if (alignment == alRightCenter) {
            r.Top = (H - w) / 2;
        } else {
            r.Bottom = H - CaptionMargin;
            r.Top = r.Bottom - w;
            return r;
        }
    }
    r.Bottom = r.Top + w;
    return r;
}

void TcxGroupBoxViewData::FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton,
                                       TShiftState shift, TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) {
    auto* vi = static_cast<TcxGroupBoxViewInfo*>(viewInfo);
    vi->Designing = Designing;
    TcxCustomEditViewData::FillViewInfo(canvas, bounds, p, mouseButton, shift, viewInfo, isMouseEvent);
    TcxCustomGroupBox* box = Box();
    vi->Box = box;
    vi->CaptionRect = TRect{};
    vi->TextRect = TRect{};
    vi->Text.clear();
    if (IsInplace() || !box) return;
    vi->CaptionPosition = CaptionAlignmentToPosition(box->GetAlignment());
    vi->CaptionHeight = CaptionTextHeight();
    vi->Text = box->GetCaptionText();
    vi->CaptionRect = CalcCaptionRect(canvas ? canvas : ScreenCanvasInstance(), bounds);
    vi->TextRect = vi->CaptionRect;
}

// ---- view info ----

void TcxGroupBoxViewInfo::ShiftBy(int dx, int dy) {
    TcxCustomTextEditViewInfo::ShiftBy(dx, dy);
    if (!IsRectEmpty(CaptionRect)) OffsetRect(CaptionRect, dx, dy);
}

void TcxGroupBoxViewInfo::PaintFrameAndBackground(TcxCanvas* canvas) {
    if (Inplace) {
        if (!Edit)
            TcxCustomTextEditViewInfo::PaintFrameAndBackground(canvas);
        else if (!DrawInplaceBackground(canvas))
            canvas->FillRectSolid(Bounds, BackgroundColor);
        return;
    }
    canvas->PushDC();
    if (!IsRectEmpty(CaptionRect)) canvas->ClipExcludeRect(CaptionRect);
    if (NativeStyle)
        PaintNativeFrame(canvas);
    else
        PaintClassicFrame(canvas);
    canvas->PopDC();
    PaintCaption(canvas);
}

void TcxGroupBoxViewInfo::PaintNativeFrame(TcxCanvas* canvas) {
    if (Transparent && Edit)
        PaintParentImage(Edit, canvas, Bounds, true);
    else
        canvas->FillRectSolid(Bounds, BackgroundColor);
    if (EditBorderStyle == TcxEditBorderStyle::ebsNone) return;
    TRect frame = Bounds;
    const int half = CaptionHeight / 2;
    switch (CaptionPosition) {
    case 0: frame.Top += half; break;
    case 2: frame.Left += half; break;
    default: break;
    }
    if (HTHEME theme = GetThemeHandle(tokButton))
        ThemeDrawBackground(theme, canvas->DeviceContext(), 4, Enabled ? 1 : 2, frame);
}

void TcxGroupBoxViewInfo::PaintClassicFrame(TcxCanvas* canvas) {
    TRect r = BorderRect;
    GrowRectOnEdges(r, BorderWidth, Edges);
    // Each strip is excluded from the clip once drawn, so the fill below leaves the frame alone.
    switch (EditBorderStyle) {
    case TcxEditBorderStyle::ebsSingle:
    case TcxEditBorderStyle::ebsUltraFlat:
    case TcxEditBorderStyle::ebsOffice11: canvas->FrameRectSides(r, BorderColor, 1, Edges, true); break;
    case TcxEditBorderStyle::ebsThick: canvas->FrameRectSides(r, BorderColor, 2, Edges, true); break;
    case TcxEditBorderStyle::ebsFlat: {
        canvas->FrameRectSides(r, clBtnShadow, 1, Edges, true);
        TRect inner = r;
        InflateRect(inner, -1, -1);
        canvas->FrameRectSides(inner, clBtnHighlight, 1, Edges, true);
        break;
    }
    case TcxEditBorderStyle::ebs3D:
        if (Ctl3D) {
            // Etched: a shadow line with a highlight line one pixel right and below.
            TRect shadow = r;
            --shadow.Right;
            --shadow.Bottom;
            TRect light = shadow;
            OffsetRect(light, 1, 1);
            canvas->FrameRectSides(shadow, clBtnShadow, 1, Edges, true);
            canvas->FrameRectSides(light, clBtnHighlight, 1, Edges, true);
        } else {
            canvas->FrameRectSides(r, clWindowFrame, 1, Edges, true);
            TRect inner = r;
            InflateRect(inner, -1, -1);
            canvas->FrameRectSides(inner, BackgroundColor, 1, Edges, true);
        }
        break;
    default: break;
    }
    if (Shadow) PaintDropShadow(canvas, BorderRect);
    if (Transparent && Edit)
        PaintParentImage(Edit, canvas, Bounds, true);
    else
        canvas->FillRectSolid(Bounds, BackgroundColor);
}

void TcxGroupBoxViewInfo::PaintCaption(TcxCanvas* canvas) {
    if (Text.empty() || IsRectEmpty(CaptionRect)) return;
    canvas->PushDC();
    canvas->ClipIntersectRect(CaptionRect);
    if (Transparent && Edit)
        PaintParentImage(Edit, canvas, CaptionRect, true);
    else
        canvas->FillRectSolid(CaptionRect, BackgroundColor);
    TcxCustomGroupBox* box = Box;
    PrepareCaptionCanvas(box, Font, canvas);
    TColor color = TextColor;
    if (NativeStyle) {
        COLORREF themed;
        if (HTHEME theme = GetThemeHandle(tokButton); theme && ThemeGetColor(theme, 4, Enabled ? 1 : 2, 3803, themed) == 0)
            color = static_cast<TColor>(themed);
    }
    canvas->CurrentFont()->SetColor(Enabled ? color : clGrayText);
    HDC dc = canvas->DeviceContext();
    SetBkMode(dc, TRANSPARENT);
    if (CaptionPosition == 2 || CaptionPosition == 3) {
        const TPoint start = CaptionPosition == 2 ? TPoint{TextRect.Left, TextRect.Bottom - 1}
                                                   : TPoint{TextRect.Right, TextRect.Top + 1};
        ExtTextOut(dc, start.X, start.Y, ETO_CLIPPED, &TextRect, Text);
    } else {
        TRect r = TextRect;
        DrawText(dc, Text, r, CaptionDrawTextFlags(box));
    }
    canvas->PopDC();
}

} // namespace zorvy
