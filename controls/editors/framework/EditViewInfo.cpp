#include "controls/editors/framework/EditViewInfo.h"

#include "controls/editors/framework/EditPainting.h"
#include "controls/foundation/containers/Container.h"
#include "controls/foundation/graphics/CanvasRoutines.h"
#include "controls/foundation/graphics/Region.h"
#include "controls/foundation/lookandfeel/Office11Colors.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "controls/foundation/painters/Office11Painter.h"
#include "controls/foundation/painters/StandardPainters.h"

namespace zorvy {

// ---- buttons ----

void TcxCustomEditViewInfo::SetButtonCount(int count) {
    while (ButtonCount() > count) Buttons.pop_back();
    while (ButtonCount() < count)
        Buttons.emplace_back(CreateInstance<TcxEditButtonViewInfo>(GetButtonViewInfoClass()));
}

bool TcxCustomEditViewInfo::HasHotButton() const {
    for (const auto& button : Buttons)
        if (button->State == ebsHot) return true;
    return false;
}

bool TcxCustomEditViewInfo::IsPointOnButton(TPoint p) const {
    const TPoint local = Point(p.X - Left, p.Y - Top);
    for (const auto& button : Buttons)
        if (PtInRect(button->Bounds, local)) return true;
    return false;
}

bool TcxCustomEditViewInfo::NeedsHint(TcxCanvas* canvas, TPoint p, std::string& hintText) {
    hintText.clear();
    return NeedsHintInRect(canvas, p, TRect{}, hintText);
}

bool TcxCustomEditViewInfo::HasCustomBackgroundHandler() {
    return DrawBackgroundHandler && DrawBackgroundHandler(this, nullptr);
}

bool TcxCustomEditViewInfo::HasCustomButtonDrawing(int index) {
    TRect background{}, content{};
    return (DrawButtonBorderHandler && DrawButtonBorderHandler(this, nullptr, index, background, content)) ||
           (DrawButtonBackgroundHandler && DrawButtonBackgroundHandler(this, nullptr, TRect{}, index)) ||
           (DrawButtonHandler && DrawButtonHandler(this, nullptr, index));
}

// ---- background ----

TcxEditBackgroundKind TcxCustomEditViewInfo::GetBackgroundKind() const {
    if (Inplace) {
        if (DrawBackgroundHandler && DrawBackgroundHandler(const_cast<TcxCustomEditViewInfo*>(this), nullptr))
            return TcxEditBackgroundKind::bkCustom;
        return Transparent ? TcxEditBackgroundKind::bkNone : TcxEditBackgroundKind::bkSolid;
    }
    if (Transparent) return TcxEditBackgroundKind::bkParentImage;
    return NativeStyle ? TcxEditBackgroundKind::bkSolid : TcxEditBackgroundKind::bkContainer;
}

bool TcxCustomEditViewInfo::HasSeeThroughBackground() const {
    const TcxEditBackgroundKind kind = GetBackgroundKind();
    return kind != TcxEditBackgroundKind::bkContainer && kind != TcxEditBackgroundKind::bkSolid;
}

void TcxCustomEditViewInfo::DrawEditBackground(TcxCanvas* canvas, const TRect& r, bool keepInner, const TRect& inner) {
    canvas->PushDC();
    if (!keepInner) canvas->ClipExcludeRect(inner);
    switch (GetBackgroundKind()) {
    case TcxEditBackgroundKind::bkCustom:
        canvas->ClipIntersectRect(r);
        DrawBackgroundHandler(this, canvas);
        break;
    case TcxEditBackgroundKind::bkContainer:
        PaintEditBackgroundAndButtons(canvas, this, true, 0);
        break;
    case TcxEditBackgroundKind::bkNone:
        break;
    case TcxEditBackgroundKind::bkSolid:
        FillRectWithCachedBrush(canvas, r, BackgroundColor);
        break;
    case TcxEditBackgroundKind::bkParentImage:
        if (Edit) PaintParentImage(Edit, canvas, r, true);
        break;
    case TcxEditBackgroundKind::bkParentBackground:
        if (Edit) PaintParentBackground(Edit, canvas, r);
        break;
    }
    canvas->PopDC();
}

bool TcxCustomEditViewInfo::DrawInplaceBackground(TcxCanvas* canvas) {
    return Inplace && DrawBackgroundHandler && DrawBackgroundHandler(this, canvas);
}

bool TcxCustomEditViewInfo::DrawInplaceBackgroundAt(TcxCanvas* canvas, TPoint p) {
    TPoint origin;
    canvas->ReadWindowOrigin(origin);
    canvas->WriteWindowOrigin(Point(origin.X - p.X, origin.Y - p.Y));
    struct Restore {
        TcxCanvas* canvas;
        TPoint origin;
        ~Restore() { canvas->WriteWindowOrigin(origin); }
    } restore{canvas, origin};
    return DrawInplaceBackground(canvas);
}

// ---- painting ----

void TcxCustomEditViewInfo::PaintTo(TcxCanvas* canvas) {
    if (PaintHandler) PaintHandler(this, canvas);
    TcxContainerViewInfo::PaintTo(canvas);
}

void TcxCustomEditViewInfo::PaintFrameAndBackground(TcxCanvas* canvas) {
    PaintEditBackgroundAndButtons(canvas, this, true, 0);
}

void TcxCustomEditViewInfo::PaintAllButtons(TcxCanvas* canvas) {
    if (paintingButtons_) return;
    paintingButtons_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{paintingButtons_};
    for (int i = 0; i < ButtonCount(); ++i) PaintButtonClipped(canvas, i);
}

void TcxCustomEditViewInfo::PaintButtonClipped(TcxCanvas* canvas, int index) {
    TcxEditButtonViewInfo* button = Button(index);
    button->BackgroundColor = BackgroundColor;
    if (IsRectEmpty(button->VisibleBounds)) return;
    const TRect& b = button->Bounds;
    const bool clip = b.Left < BorderRect.Left || b.Top < BorderRect.Top || b.Right > BorderRect.Right ||
                      b.Bottom > BorderRect.Bottom;
    if (clip) {
        canvas->PushDC();
        canvas->ClipIntersectRect(button->VisibleBounds);
    }
    struct Restore {
        TcxCanvas* canvas;
        bool active;
        ~Restore() {
            if (active) canvas->PopDC();
        }
    } restore{canvas, clip};
    if (DrawButtonHandler && DrawButtonHandler(this, canvas, index)) return;
    PaintButton(canvas, index);
}

void TcxCustomEditViewInfo::PaintButton(TcxCanvas* canvas, int index) {
    TcxEditButtonViewInfo* button = Button(index);
    TColor penColor = clBtnText, fillColor = clBtnFace;
    TRect background = button->Bounds, content{};
    DrawButtonBorder(canvas, index, background, content, penColor, fillColor);
    if (!IsRectEmpty(background)) {
        if (!(DrawButtonBackgroundHandler && DrawButtonBackgroundHandler(this, canvas, background, index))) {
            if (button->NativeState != 0)
                DrawThemedButtonBackground(canvas, button, background);
            else
                DrawButtonBackground(canvas, button, background, fillColor);
        }
    }
    if (!IsRectEmpty(content)) DrawButtonContent(canvas, index, content, penColor, fillColor, false);
}

namespace {

// Whether the down arrow drawn in r (and, embossed, one pixel right and down) stays inside content.
bool ArrowFits(const TRect& r, const TRect& content, bool embossed) {
    TPoint p[3];
    TcxCustomLookAndFeelPainter::ComputeArrowTriangle(r, p, arDown, true);
    const int d = embossed ? 1 : 0;
    for (const TPoint& q : p)
        if (q.X < content.Left || q.Y < content.Top || q.X + d >= content.Right || q.Y + d >= content.Bottom)
            return false;
    return true;
}

TColor ButtonFill(const TcxEditButtonViewInfo* button) {
    return button->Transparent ? button->BackgroundColor : clBtnFace;
}

void VerticalLine(TcxCanvas* canvas, int x, const TRect& r, TColor color) {
    FillRectWithCachedBrush(canvas, Rect(x, r.Top, x + 1, r.Bottom), color);
}

} // namespace

void TcxCustomEditViewInfo::DrawButtonBorder(TcxCanvas* canvas, int index, TRect& backgroundRect, TRect& contentRect,
                                             TColor& penColor, TColor& fillColor) {
    TcxEditButtonViewInfo* button = Button(index);
    contentRect = backgroundRect;
    if (DrawButtonBorderHandler && DrawButtonBorderHandler(this, canvas, index, backgroundRect, contentRect)) return;
    if (button->NativeState != 0) {
        DrawThemedButtonBorder(canvas, button, backgroundRect, contentRect, penColor, fillColor);
        return;
    }
    if (SkinPainter) {
        contentRect = backgroundRect;
        penColor = clBtnText;
        fillColor = button->State == ebsDisabled ? clBtnFace : Edit ? Edit->GetStyle()->GetColor() : clWindow;
        return;
    }
    TcxEditButtonStyle style = button->ButtonStyle;
    if (style == btsSimple && (button->State == ebsPressed || button->State == ebsHot)) style = btsFlat;
    switch (style) {
    case btsFlat:
        DrawFlatButtonBorder(canvas, button, backgroundRect, contentRect, penColor, fillColor);
        break;
    case btsSimple:
        DrawSimpleButtonBorder(canvas, button, backgroundRect, contentRect, penColor, fillColor);
        break;
    case btsHotFlat:
        DrawHotFlatButtonBorder(canvas, button, backgroundRect, contentRect, penColor, fillColor);
        break;
    case btsUltraFlat:
    case btsOffice11:
        DrawUltraFlatButtonBorder(canvas, button, backgroundRect, contentRect, penColor, fillColor,
                                  style == btsOffice11);
        break;
    default:
        Draw3DButtonBorder(canvas, button, backgroundRect, contentRect, penColor, fillColor);
        break;
    }
}

void TcxCustomEditViewInfo::Draw3DButtonBorder(TcxCanvas* canvas, TcxEditButtonViewInfo* button, TRect& r,
                                               TRect& contentRect, TColor& penColor, TColor& fillColor) {
    fillColor = ButtonFill(button);
    penColor = clBtnText;
    if (button->State == ebsPressed) {
        DrawFrameAndShrink(canvas, r, clBtnShadow);
        DrawFrameAndShrink(canvas, r, fillColor);
    } else {
        DrawFrame3DAndShrink(canvas, r, cl3DLight, cl3DDkShadow);
        DrawFrame3DAndShrink(canvas, r, clBtnHighlight, clBtnShadow);
    }
    contentRect = r;
}

void TcxCustomEditViewInfo::DrawFlatButtonBorder(TcxCanvas* canvas, TcxEditButtonViewInfo* button, TRect& r,
                                                 TRect& contentRect, TColor&, TColor& fillColor) {
    fillColor = ButtonFill(button);
    VerticalLine(canvas, r.Left, r, fillColor);
    ++r.Left;
    if (button->State == ebsPressed)
        DrawFrame3DAndShrink(canvas, r, clBtnShadow, clBtnHighlight);
    else
        DrawFrame3DAndShrink(canvas, r, clBtnHighlight, clBtnShadow);
    VerticalLine(canvas, r.Right - 1, r, fillColor);
    --r.Right;
    contentRect = r;
}

void TcxCustomEditViewInfo::DrawSimpleButtonBorder(TcxCanvas* canvas, TcxEditButtonViewInfo* button, TRect& r,
                                                   TRect& contentRect, TColor&, TColor& fillColor) {
    fillColor = ButtonFill(button);
    if (!Transparent) canvas->FrameRectSides(r, button->BackgroundColor);
    InflateRect(r, -1, -1);
    VerticalLine(canvas, r.Left, r, fillColor);
    ++r.Left;
    VerticalLine(canvas, r.Right - 1, r, fillColor);
    --r.Right;
    contentRect = r;
}

void TcxCustomEditViewInfo::DrawHotFlatButtonBorder(TcxCanvas* canvas, TcxEditButtonViewInfo* button, TRect& r,
                                                    TRect& contentRect, TColor& penColor, TColor& fillColor) {
    static constexpr TColor Fills[] = {clBtnFace, clBtnFace, clBtnText, clBtnShadow};
    fillColor = button->Transparent ? button->BackgroundColor : Fills[button->State];
    switch (button->State) {
    case ebsPressed:
        penColor = clWindow;
        break;
    case ebsHot:
        penColor = button->Transparent ? clBtnShadow : clWindow;
        break;
    default:
        penColor = clBtnText;
        break;
    }
    const bool innermost = button->LeftAlignment ? button->Rightmost : button->Leftmost;
    if (innermost) {
        DrawFrameAndShrink(canvas, r, clBtnShadow);
    } else {
        // The side towards the text takes the fill colour.
        const TcxBorders outer = button->LeftAlignment ? TcxBorders(cxBordersAll & ~cxBorder(bRight))
                                                       : TcxBorders(cxBordersAll & ~cxBorder(bLeft));
        canvas->FrameRectSides(r, clBtnShadow, 1, outer);
        canvas->FrameRectSides(r, fillColor, 1, button->LeftAlignment ? cxBorder(bRight) : cxBorder(bLeft));
        InflateRect(r, -1, -1);
    }
    VerticalLine(canvas, r.Left, r, fillColor);
    ++r.Left;
    VerticalLine(canvas, r.Right - 1, r, fillColor);
    --r.Right;
    contentRect = r;
}

void TcxCustomEditViewInfo::DrawUltraFlatButtonBorder(TcxCanvas* canvas, TcxEditButtonViewInfo* button, TRect& r,
                                                      TRect& contentRect, TColor&, TColor& fillColor, bool office11) {
    const TColor active = ActiveBorderColor(office11);
    const bool hotOrPressed = button->State == ebsPressed || button->State == ebsHot;
    if (button->Transparent)
        fillColor = button->BackgroundColor;
    else if (button->State == ebsDisabled)
        fillColor = clBtnFace;
    else if (button->State == ebsNormal)
        fillColor = office11 ? TcxOffice11LookAndFeelPainter::Instance()->GetButtonFaceColor(cxbsNormal) : clBtnFace;
    else
        fillColor = HotButtonColor(button->State == ebsPressed, office11);
    const bool framed = !hotOrPressed || (!Inplace && EditBorderStyle == TcxEditBorderStyle::ebsNone) || (Inplace && !(PaintOptions & 4));
    if (framed) {
        if (hotOrPressed)
            canvas->FrameRectSides(r, active);
        else if (!Transparent)
            canvas->FrameRectSides(r, fillColor);
        InflateRect(r, -1, -1);
        contentRect = Rect(r.Left + 1, r.Top, r.Right - 1, r.Bottom);
        return;
    }
    TRect background = r;
    const bool leftLine = button->LeftAlignment ? !button->Leftmost : r.Left != BorderRect.Left;
    const bool rightLine = button->LeftAlignment ? r.Right != BorderRect.Right : !button->Rightmost;
    if (leftLine) {
        VerticalLine(canvas, r.Left, r, active);
        ++background.Left;
    }
    ++r.Left;
    if (rightLine) {
        VerticalLine(canvas, r.Right - 1, r, active);
        --background.Right;
    }
    --r.Right;
    contentRect = r;
    InflateRect(contentRect, -1, -1);
    r = background;
}

void TcxCustomEditViewInfo::DrawThemedButtonBorder(TcxCanvas* canvas, TcxEditButtonViewInfo* button, TRect& r,
                                                   TRect& contentRect, TColor&, TColor&) {
    if (HasCustomButtonDrawing(0)) {
        contentRect = r;
    } else if (button->ComboButton) {
        contentRect = {};
    } else {
        contentRect = r;
        if (HTHEME theme = GetThemeHandle(tokButton))
            ThemeGetBackgroundContentRect(theme, canvas->DeviceContext(), 1, button->NativeState, button->Bounds,
                                          contentRect);
    }
}

void TcxCustomEditViewInfo::DrawThemedButtonBackground(TcxCanvas* canvas, TcxEditButtonViewInfo* button,
                                                       const TRect& r) {
    if (HTHEME theme = GetThemeHandle(button->ComboButton ? tokComboBox : tokButton))
        ThemeDrawBackground(theme, canvas->DeviceContext(), 1, button->NativeState, r);
}

void TcxCustomEditViewInfo::DrawButtonBackground(TcxCanvas* canvas, TcxEditButtonViewInfo* button, const TRect& r,
                                                 TColor fillColor) {
    if (button->ButtonStyle == btsOffice11 && button->GradientButtons && !button->Transparent &&
        button->State != ebsDisabled) {
        const TOffice11Colors& colors = Office11Colors();
        COLORREF from = colors.Light, to = colors.Dark;
        if (button->State == ebsPressed) {
            from = colors.PressedLight;
            to = colors.PressedDark;
        } else if (button->State == ebsHot) {
            from = colors.HotLight;
            to = colors.HotDark;
        }
        TRect span = Rect(r.Left, BorderRect.Top, r.Right, BorderRect.Bottom);
        if (button->State == ebsNormal) InflateRect(span, 0, -1);
        canvas->PushDC();
        canvas->ClipIntersectRect(r);
        FillGradientRect(canvas->DeviceContext(), span, static_cast<TColor>(from), static_cast<TColor>(to), false);
        canvas->PopDC();
        return;
    }
    FillRectWithCachedBrush(canvas, r, fillColor);
}

void TcxCustomEditViewInfo::DrawButtonContent(TcxCanvas* canvas, int index, const TRect& contentRect, TColor penColor,
                                              TColor, bool) {
    TcxEditButtonViewInfo* button = Button(index);
    const bool disabled = button->State == ebsDisabled;
    // Dots and arrows that fit their content need no clip region (region arithmetic allocates, per grid
    // cell).
    const int dot = contentRect.Width() > 11 ? 2 : 1;
    TRect arrow = contentRect;
    if (button->Kind == bkDown) {
        const int dw = button->Bounds.Width() - arrow.Width();
        arrow.Left -= dw / 2;
        arrow.Right += dw - dw / 2;
        if (button->Inplace) {
            const int dh = button->Bounds.Height() - arrow.Height();
            arrow.Top -= dh - dh / 2;
            arrow.Bottom += dh / 2;
        }
    }
    bool clip = true;
    if (button->Kind == bkEllipsis)
        clip = 3 * dot + 4 > contentRect.Width() || dot > contentRect.Height();
    else if (button->Kind == bkDown)
        clip = !ArrowFits(arrow, contentRect, disabled);
    if (clip) {
        canvas->PushDC();
        canvas->ClipIntersectRect(contentRect);
    }
    struct Restore {
        TcxCanvas* canvas;
        bool active;
        ~Restore() {
            if (active) canvas->PopDC();
        }
    } restore{canvas, clip};
    // Draws once in place, or embossed (highlight one pixel right and down, shadow in place).
    auto embossed = [&](auto draw) {
        if (disabled) {
            draw(1, clBtnHighlight);
            draw(0, clBtnShadow);
        } else {
            draw(0, penColor);
        }
    };
    switch (button->Kind) {
    case bkEllipsis: {
        const int s = dot;
        const int x = contentRect.Left + (contentRect.Width() - (3 * s + 4)) / 2;
        const int y = contentRect.Top + (contentRect.Height() - s) / 2;
        embossed([&](int d, TColor color) {
            for (int dot = 0; dot < 3; ++dot) {
                const int left = x + dot * (s + 2) + d;
                FillRectWithCachedBrush(canvas, Rect(left, y + d, left + s, y + d + s), color);
            }
        });
        break;
    }
    case bkDown: {
        embossed([&](int d, TColor color) {
            TRect a = arrow;
            OffsetRect(a, d, d);
            TcxStandardLookAndFeelPainter::Instance()->DrawTriangleArrow(canvas, a, arDown, color);
        });
        break;
    }
    case bkGlyph:
        if (IsBitmapUsable(button->Glyph)) {
            const int x = contentRect.Left + std::max(0, (contentRect.Width() - button->Glyph->GetWidth()) / 2);
            const int y = contentRect.Top + std::max(0, (contentRect.Height() - button->Glyph->GetHeight()) / 2);
            PaintGlyphAt(canvas, x, y, nullptr, clNone, !disabled, button->Glyph);
        }
        break;
    case bkText: {
        if (Font) canvas->AssignFont(Font);
        PrepareTextFont(canvas->CurrentFont());
        canvas->CurrentBrush()->SetStyle(bsClear);
        TRect r = contentRect;
        InflateRect(r, -1, Inplace ? 0 : -1);
        --r.Right;
        static constexpr int Align[] = {ctfAlignLeft, ctfAlignRight, ctfAlignHCenter};
        const int flags = 0xA60 | Align[button->ContentAlignment];
        const bool hotFlatActive =
            button->ButtonStyle == btsHotFlat && (button->State == ebsPressed || button->State == ebsHot);
        const TColor textColor =
            hotFlatActive ? penColor : button->TextColor == clDefault ? TextColor : button->TextColor;
        embossed([&](int d, TColor color) {
            TRect t = r;
            OffsetRect(t, d, d);
            canvas->CurrentFont()->SetColor(disabled ? color : textColor);
            canvas->PaintText(button->Caption, t, flags);
        });
        canvas->CurrentBrush()->SetStyle(bsSolid);
        break;
    }
    }
}

// ---- comparing ----

void TcxCustomEditViewInfo::AssignFrom(TcxContainerViewInfo* source) {
    if (auto* other = dynamic_cast<TcxCustomEditViewInfo*>(source)) {
        StoreBackgroundColor(other->BackgroundColor);
        BorderColor = other->BorderColor;
        EditBorderStyle = other->EditBorderStyle;
        ContainerState = other->ContainerState;
        ThemeState = other->ThemeState;
        SetButtonCount(other->ButtonCount());
        for (int i = 0; i < ButtonCount(); ++i) Button(i)->Assign(other->Button(i));
        PressedButton = other->PressedButton;
        HotButton = other->HotButton;
    }
    TcxContainerViewInfo::AssignFrom(source);
}

TcxRegion* TcxCustomEditViewInfo::GetUpdateRegionAgainst(TcxContainerViewInfo* previous) {
    TcxRegion* region = TcxContainerViewInfo::GetUpdateRegionAgainst(previous);
    auto* other = dynamic_cast<TcxCustomEditViewInfo*>(previous);
    if (other && other->EditBorderStyle == EditBorderStyle &&
        (other->BorderColor == BorderColor || EditBorderStyle == TcxEditBorderStyle::ebsNone) && other->ButtonCount() == ButtonCount() &&
        other->ThemeState == ThemeState) {
        for (int i = 0; i < ButtonCount(); ++i) region->CombineWith(Button(i)->GetUpdateRegion(other->Button(i)), roAdd);
    } else if (!IsRectEmpty(Bounds)) {
        region->CombineWith(TcxRegion::CreateFromRect(Bounds), roAdd);
    }
    return region;
}

void TcxCustomEditViewInfo::ShiftBy(int dx, int dy) {
    TcxContainerViewInfo::ShiftBy(dx, dy);
    OffsetRect(InnerEditRect, dx, dy);
    OffsetRect(ShadowRect, dx, dy);
    for (const auto& button : Buttons) {
        OffsetRect(button->Bounds, dx, dy);
        OffsetRect(button->VisibleBounds, dx, dy);
    }
}

bool TcxCustomEditViewInfo::RepaintDifferences(TWinControl* control, TcxCustomEditViewInfo* previous) {
    return RepaintDifferencesInRect(control, TRect{}, previous);
}

bool TcxCustomEditViewInfo::RepaintDifferencesInRect(TWinControl* control, const TRect& keep,
                                                     TcxCustomEditViewInfo* previous) {
    if (!control->HandleAllocated()) return false;
    const HWND handle = control->GetHandle();
    TRect outer = Bounds;
    OffsetRect(outer, Left, Top);
    TRect client = ClientRect;
    OffsetRect(client, Left, Top);
    TRect keepClipped{};
    IntersectRect(keepClipped, keep, client);
    if (!previous) {
        InvalidateFrameArea(handle, outer, keepClipped, EraseBackground);
        return false;
    }
    const bool changed = ThemeState != previous->ThemeState || BackgroundColor != previous->BackgroundColor ||
                         ButtonCount() != previous->ButtonCount() ||
                         (ContainerState != previous->ContainerState && RedrawsOnContainerStateChange());
    bool result = false;
    bool repaintFrame = true;
    TRect inner{};
    if (changed) {
        inner = keepClipped;
    } else if ((BorderColor != previous->BorderColor && EditBorderStyle != TcxEditBorderStyle::ebsNone) ||
               EditBorderStyle != previous->EditBorderStyle) {
        inner = BorderRect;
        OffsetRect(inner, Left, Top);
    } else {
        repaintFrame = false;
    }
    if (repaintFrame && !IsRectEmpty(Bounds) && outer != inner) {
        InvalidateFrameArea(handle, outer, inner, previous->EraseBackground);
        result = true;
    }
    if (ButtonCount() == previous->ButtonCount())
        for (int i = 0; i < ButtonCount(); ++i)
            if (Button(i)->RepaintIfChanged(handle, previous->Button(i), Point(Left, Top))) result = true;
    return result;
}

} // namespace zorvy
