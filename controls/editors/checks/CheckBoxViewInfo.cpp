// The check box's layout (mark, caption, focus rectangle, natural size) and its painting.
#include "controls/editors/checks/CheckBoxViewInfo.h"

#include "controls/editors/checks/CheckBoxProperties.h"
#include "controls/editors/framework/Edit.h"
#include "controls/foundation/graphics/Geometry.h"
#include "controls/foundation/graphics/Region.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "platform/win/Painting.h"

#include <algorithm>

namespace zorvy {

TcxEditBorderStyle HotCheckFrameStyle(TcxEditBorderStyle style) {
    switch (style) {
    case TcxEditBorderStyle::ebsNone: return TcxEditBorderStyle::ebsFlat;
    case TcxEditBorderStyle::ebsSingle: return TcxEditBorderStyle::ebsThick;
    case TcxEditBorderStyle::ebsFlat: return TcxEditBorderStyle::ebs3D;
    default: return style;
    }
}

TcxContainerStyleClass TcxCheckBoxStyle::Class() {
    return [](TPersistent* owner, int state, TcxContainerStyle* parent, bool direct) {
        return new TcxCheckBoxStyle(owner, state, parent, direct);
    };
}

// ---- view info ----

void TcxCustomCheckBoxViewInfo::PaintFrameAndBackground(TcxCanvas* canvas) { PaintCheckBox(canvas); }

void TcxCustomCheckBoxViewInfo::AssignFrom(TcxContainerViewInfo* source) {
    TcxCustomTextEditViewInfo::AssignFrom(source);
    if (auto* other = dynamic_cast<TcxCustomCheckBoxViewInfo*>(source)) {
        CheckState = other->CheckState;
        CheckButtonState = other->CheckButtonState;
    }
}

TcxRegion* TcxCustomCheckBoxViewInfo::GetUpdateRegionAgainst(TcxContainerViewInfo* previous) {
    TcxRegion* region = TcxCustomTextEditViewInfo::GetUpdateRegionAgainst(previous);
    auto* other = dynamic_cast<TcxCustomCheckBoxViewInfo*>(previous);
    if (!other || other->CheckState != CheckState || other->CheckButtonState != CheckButtonState)
        region->CombineWith(TcxRegion::CreateFromRect(CheckRect), roAdd);
    return region;
}

void TcxCustomCheckBoxViewInfo::ShiftBy(int dx, int dy) {
    TcxCustomTextEditViewInfo::ShiftBy(dx, dy);
    OffsetRect(CheckRect, dx, dy);
    if (!IsRectEmpty(FocusRect)) OffsetRect(FocusRect, dx, dy);
}

bool TcxCustomCheckBoxViewInfo::RepaintDifferencesInRect(TWinControl* control, const TRect& keep,
                                                         TcxCustomEditViewInfo* previous) {
    if (!control->HandleAllocated()) return false;
    bool result = TcxCustomTextEditViewInfo::RepaintDifferencesInRect(control, keep, previous);
    auto* other = dynamic_cast<TcxCustomCheckBoxViewInfo*>(previous);
    if (other && (other->CheckState != CheckState || other->CheckButtonState != CheckButtonState)) {
        TRect r = CheckRect;
        OffsetRect(r, Left, Top);
        InvalidateRect(control->GetHandle(), &r, false);
        result = true;
    }
    return result;
}

bool TcxCustomCheckBoxViewInfo::IsCaptionEnabled() const {
    return HasInnerControl || Enabled || TextColorAssigned || NativeStyle;
}

void TcxCustomCheckBoxViewInfo::PaintText(TcxCanvas* canvas) {
    PaintCheckCaption(canvas, Text, Font, IsCaptionEnabled(), DrawTextFlags, TextRect, TextColor);
}

void TcxCustomCheckBoxViewInfo::PaintCheckBox(TcxCanvas* canvas) {
    const bool transparent = HasSeeThroughBackground();
    TRect inner = CheckRect;
    InflateRect(inner, -CheckFrameInsetWidth, -CheckFrameInsetWidth);
    // A see-through glyph or themed mark needs the background under it; anything else paints the
    // whole inner rectangle, so it is left untouched.
    const bool keepClip = transparent && (HasGlyph || NativeStyle);
    DrawEditBackground(canvas, Bounds, keepClip, inner);
    PaintEditCheck(canvas, CheckRect, CheckState, CheckButtonState, Glyph, GlyphCount, CheckFrameStyle, NativeStyle,
                   BorderColor, BackgroundColor, !transparent, Designing, Focused, true, SkinPainter, NullStyle);
    if (Alignment != taCenter) PaintText(canvas);
    if (!IsRectEmpty(FocusRect)) canvas->PaintFocusRect(FocusRect);
}

// ---- view data ----

bool TcxCustomCheckBoxViewData::IsCheckGroupButton() const {
    auto* p = dynamic_cast<TcxCustomCheckBoxProperties*>(GetProperties());
    return p && p->IsCheckGroupButton();
}

TAlignment TcxCustomCheckBoxViewData::EffectiveAlignment(const std::string& caption) const {
    auto* p = static_cast<TcxCustomCheckBoxProperties*>(GetProperties());
    if (IsInplace() && !p->IsCheckGroupButton() && !p->GetUseAlignmentWhenInplace() && caption.empty())
        return taCenter;
    return p->GetAlignmentHorz();
}

TRect TcxCustomCheckBoxViewData::GetBorderExtent() {
    if (!IsInplace() && !CurrentStyle()->HasBorderPart()) return TRect{};
    return TcxCustomTextEditViewData::GetBorderExtent();
}

int TcxCustomCheckBoxViewData::GetCaptionTextFlags() const {
    auto* p = static_cast<TcxCustomCheckBoxProperties*>(GetProperties());
    const TAlignment alignment = p->GetAlignmentHorz();
    int flags = alignment == taCenter ? ctfAlignHCenter : ctfAlignLeft;
    flags |= ctfShowPrefix | ctfSingleLine;
    if (p->GetMultiLine()) flags = (flags & ~ctfSingleLine) | ctfWordBreak | ctfDontClip;
    if (IsInplace() || !p->GetMultiLine())
        flags |= ctfAlignVCenter;
    else
        flags |= ctfAlignTop;
    return flags;
}

void TcxCustomCheckBoxViewData::FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton,
                                             TShiftState shift, TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) {
    auto* vi = static_cast<TcxCustomCheckBoxViewInfo*>(viewInfo);
    const bool wasPressed = vi->CheckButtonState == ecsPressed;
    TcxCustomEditViewData::FillViewInfo(canvas, bounds, p, mouseButton, shift, viewInfo, isMouseEvent);
    vi->SelectionBar = false;
    vi->InnerEditShown = true;
    vi->DrawTextFlags = GetCaptionTextFlags();

    FillCommonViewInfo(vi);
    vi->TextRect = vi->ClientRect;
    ShrinkRectByMargins(vi->TextRect, GetTextAreaRect());
    if (Edit) vi->Text = Edit->GetText();

    auto* props = static_cast<TcxCustomCheckBoxProperties*>(GetProperties());
    vi->Alignment = EffectiveAlignment(vi->Text);
    const TcxEditBorderStyle frameStyle = GetEditStyle()->GetEditBorderStyle();
    vi->CheckFrameStyle = (vi->ContainerState & cxcsHot) ? HotCheckFrameStyle(frameStyle) : frameStyle;
    vi->Glyph = props->HasGlyph() ? props->GetEffectiveGlyph() : nullptr;
    vi->GlyphCount = props->GetGlyphCount();
    vi->NullStyle = props->GetNullStyle();
    vi->HasGlyph = IsCheckGlyphUsable(vi->Glyph, vi->GlyphCount);
    vi->CheckFrameInsetWidth = CheckFrameInset(vi->CheckFrameStyle, vi->NativeStyle, vi->HasGlyph, vi->SkinPainter);

    const TSize checkSize = MeasureEditCheck(canvas, vi->NativeStyle, vi->Glyph, vi->SkinPainter, vi->GlyphCount);
    LayoutCheckAndCaption(vi, checkSize);

    if (!Enabled) {
        vi->CheckButtonState = ecsDisabled;
    } else if (SpaceHeld) {
        vi->CheckButtonState = ecsPressed;
    } else if (!Designing && PtInRect(vi->BorderRect, p)) {
        // The shift state tells which buttons are down; mouseButton only which one the event is about.
        const TShiftState held = shift & (ssLeft | ssRight | ssMiddle);
        if (held == 0)
            vi->CheckButtonState = ecsHot;
        else if (held == ssLeft && ((mouseButton == 1 && isMouseEvent) || wasPressed))
            vi->CheckButtonState = ecsPressed;
        else
            vi->CheckButtonState = ecsNormal;
    } else {
        vi->CheckButtonState = ecsNormal;
    }

    CalcFocusRect(canvas, vi);
    if (IsInplace() && vi->CheckFrameStyle == TcxEditBorderStyle::ebsSingle)
        vi->BorderColor = (vi->CheckButtonState == ecsHot || (Designing && vi->CheckButtonState != ecsDisabled))
                              ? clHighlight
                              : clBtnShadow;
    vi->TextColorAssigned = GetEditStyle()->IsValueAssigned(csvTextColor);
}

void TcxCustomCheckBoxViewData::LayoutCheckAndCaption(TcxCustomCheckBoxViewInfo* vi, TSize checkSize) {
    const bool groupButton = IsCheckGroupButton();
    TRect c = vi->ClientRect;
    TRect t = vi->ClientRect;
    if (IsInplace()) {
        if (vi->Alignment == taLeftJustify) {
            t.Right -= 2;
            if (groupButton) c.Left += 2;
        } else if (vi->Alignment == taRightJustify) {
            t.Left += 2;
            if (groupButton) c.Right -= 2;
        }
        t.Top += ContentParams.Offsets.Top;
        t.Bottom -= ContentParams.Offsets.Bottom;
    } else {
        InflateRect(t, -2, -2);
        if (groupButton) --t.Top;
        if (!vi->NativeStyle || groupButton) InflateRect(c, -2, -2);
    }
    if (c.Height() > checkSize.cy) {
        c.Top += (c.Height() - checkSize.cy) / 2;
        c.Bottom = c.Top + checkSize.cy;
    }
    if (checkSize.cx >= c.Width()) {
        t.Right = t.Left;
    } else if (vi->Alignment == taCenter) {
        c.Left += (c.Width() - checkSize.cx) / 2;
        c.Right = c.Left + checkSize.cx;
    } else if (vi->Alignment == taRightJustify) {
        c.Left = c.Right - checkSize.cx;
        t.Right = c.Left - 3 - (IsInplace() && groupButton ? 1 : 0);
    } else {
        c.Right = c.Left + checkSize.cx;
        t.Left = c.Right + 3;
    }
    if (!Enabled && !vi->NativeStyle && !vi->SkinPainter) {
        ++t.Right;
        ++t.Bottom;
    }
    vi->CheckRect = c;
    vi->TextRect = t;
}

void TcxCustomCheckBoxViewData::CalcFocusRect(TcxCanvas* canvas, TcxCustomCheckBoxViewInfo* vi) {
    vi->BackgroundColor = GetEditStyle()->GetColor();
    vi->FocusRect = TRect{};
    const bool standalone = !IsInplace() || IsCheckGroupButton();
    const bool wanted = Focused && ((standalone && vi->Alignment != taCenter) ||
                                    (IsInplace() && vi->Alignment == taCenter && (vi->PaintOptions & 4)));
    if (!wanted) return;
    TRect r{};
    if (vi->Alignment == taCenter) {
        r = vi->ClientRect;
        InflateRect(r, -1, -1);
    } else if (!vi->Text.empty()) {
        r = vi->TextRect;
        auto* props = static_cast<TcxCustomCheckBoxProperties*>(GetProperties());
        if (!props->GetFullFocusRect() && canvas) {
            canvas->AssignFont(vi->Font);
            TRect measured = r;
            canvas->MeasureTextRect(vi->Text, measured, vi->DrawTextFlags);
            r = measured;
        }
        InflateRect(r, 1, 1);
    }
    if (IsRectEmpty(r)) return;
    TRect limit = vi->ClientRect;
    if (vi->Alignment == taCenter) {
        r.Top = std::max(r.Top, limit.Top);
        r.Bottom = std::min(r.Bottom, limit.Bottom);
    } else {
        limit = vi->TextRect;
        if (IsInplace())
            InflateRect(limit, 1, -1);
        else
            InflateRect(limit, 1, 1);
        IntersectRect(r, r, limit);
        r.Right = std::min(r.Right, vi->BorderRect.Right - 1);
    }
    vi->FocusRect = r;
}

void TcxCustomCheckBoxViewData::FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) {
    auto* vi = static_cast<TcxCustomCheckBoxViewInfo*>(viewInfo);
    auto* props = static_cast<TcxCustomCheckBoxProperties*>(GetProperties());
    vi->CheckState = PreviewMode ? cbsChecked : props->GetValueState(value);
    if (IsInplace() && !props->IsCheckGroupButton()) vi->Text.clear();
    CalcFocusRect(nullptr, vi);
}

void TcxCustomCheckBoxViewData::MeasureOverflowSize(TcxCanvas* canvas, bool isInplace,
                                                    const TcxEditSizeProperties& limits, TSize& overflow,
                                                    TcxCustomEditViewInfo* viewInfo, TSize& frame) {
    TcxCustomTextEditViewData::MeasureOverflowSize(canvas, isInplace, limits, overflow, viewInfo, frame);
    auto* vi = static_cast<TcxCustomCheckBoxViewInfo*>(viewInfo);
    TSize size{vi->CheckRect.Width(), vi->CheckRect.Height()};
    const bool showsCaption = !vi->Text.empty() && vi->Alignment != taCenter;
    if (isInplace) {
        if (showsCaption)
            size.cx = vi->Bounds.Width() - vi->TextRect.Width();
        else
            size.cx += 4;
        size.cy += (1 - vi->CheckFrameInsetWidth) * 2;
    } else {
        size.cy += 4;
    }
    if (canvas) {
        canvas->AssignFont(vi->Font);
        const bool measuresCaption = showsCaption && !isInplace;
        const std::string text = measuresCaption ? RemoveAccelChars(vi->Text) : std::string("Gg");
        // Within the caller's width limit, one pixel less where the disabled caption is embossed.
        int width = limits.Width >= 0 ? limits.Width : 0x7FFFFFF;
        if (limits.Width >= 0 && !vi->Enabled && !vi->NativeStyle && !vi->SkinPainter) width = std::max(0, width - 1);
        TRect r = Rect(0, 0, width, 0);
        canvas->MeasureTextRect(text, r, (vi->DrawTextFlags | ctfCalcRect) & ~ctfShowPrefix);
        if (measuresCaption) size.cx += r.Width();
        size.cy = std::max(size.cy, r.Height());
    }
    overflow.cx += size.cx;
    overflow.cy += size.cy;
}

} // namespace zorvy
