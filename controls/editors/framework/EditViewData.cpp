#include "controls/editors/framework/EditViewData.h"

#include "controls/editors/framework/EditPainting.h"
#include "controls/editors/framework/EditProperties.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditViewInfo.h"
#include "controls/foundation/containers/Container.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"

#include <algorithm>
#include <memory>

namespace zorvy {

namespace {

constexpr TcxEditButtonStyle ButtonStyleByLookAndFeel[] = {btsFlat, bts3D, btsUltraFlat, btsOffice11};
constexpr TcxEditButtonStyle ButtonStyleByBorderStyle[] = {btsSimple, btsHotFlat, bts3D,      btsFlat,
                                                           bts3D,     btsUltraFlat, btsOffice11};
constexpr TcxEditPopupBorderStyle PopupBorderByLookAndFeel[] = {epbsFlat, epbsFrame3D, epbsSingle, epbsSingle};
constexpr TcxEditPopupBorderStyle PopupBorderByBorderStyle[] = {epbsFlat,   epbsSingle, epbsSingle, epbsFlat,
                                                                epbsSingle, epbsSingle, epbsSingle};

TRect ShrinkBy(const TRect& r, const TRect& extent) {
    return Rect(r.Left + extent.Left, r.Top + extent.Top, r.Right - extent.Right, r.Bottom - extent.Bottom);
}

TRect UniformExtent(int w) {
    return Rect(w, w, w, w);
}

bool IsEmptyExtent(const TRect& r) {
    return r.Left == 0 && r.Top == 0 && r.Right == 0 && r.Bottom == 0;
}

bool IsLeftOnly(TShiftState shift) {
    return shift == ssLeft || shift == (ssLeft | ssDouble);
}

} // namespace

TcxCustomEditViewData::TcxCustomEditViewData(TcxCustomEditProperties* properties, TcxCustomEditStyle* style,
                                             bool isInplace)
    : properties_(properties), style_(style), isInplace_(isInplace) {
    InitDefaults();
    ContentColorOverride = clDefault;
    TextColorOverride = clDefault;
    TakeOverProperties();
}

void TcxCustomEditViewData::InitDefaults() {
    InplaceBorderExtent = {};
    Enabled = true;
}

void TcxCustomEditViewData::TakeOverProperties() {
    visibleButtonCount_ = properties_->GetButtons()->VisibleCount();
    displayFormattingOff_ = !properties_->UsesDefaultFormatting(false);
    TcxEditAlignment* alignment = properties_->GetAlignment();
    horzAlignment_ = alignment->GetHorz();
    vertAlignment_ = alignment->GetVert();
    themed_ = IsThemedLookAndFeel(style_->GetLookAndFeel());
    ApplyContentMargins(ContentParams);
}

TRect TcxCustomEditViewData::GetContentMargins() const {
    return isInplace_ ? Rect(1, 1, 1, 1) : Rect(1, 1, 1, 3);
}

void TcxCustomEditViewData::ApplyContentMargins(TcxEditContentParams& params) {
    params.Offsets = GetContentMargins();
    params.ExtraHorzSpace = 3 - params.Offsets.Left - params.Offsets.Right;
    params.HeightCorrection = themed_ ? InnerEditHeightCorrection(properties_, isInplace_) : 0;
    params.ExternalBorderBounds = {};
    params.Options = 2;
}

TSize TcxCustomEditViewData::GetContentPadding() const {
    const TcxEditContentParams& p = ContentParams;
    return Size(p.Offsets.Left + p.Offsets.Right + p.ExtraHorzSpace,
                p.Offsets.Top + p.Offsets.Bottom + p.HeightCorrection);
}

bool TcxCustomEditViewData::IsThemedLookAndFeel(TcxLookAndFeel* lookAndFeel) const {
    return CanUseNativeTheme(lookAndFeel->GetNativeStyle(), tokEdit);
}

bool TcxCustomEditViewData::HasShadow() {
    return CurrentStyle()->GetShadow() && !IsThemedLookAndFeel(style_->GetLookAndFeel());
}

TcxCustomEditStyle* TcxCustomEditViewData::CurrentStyle() const {
    return currentStyle_ ? currentStyle_ : style_;
}

// ---- border and extents ----

TcxEditBorderStyle TcxCustomEditViewData::GetEffectiveBorderStyle() {
    if (isInplace_) return TcxEditBorderStyle::ebsNone;
    const TcxEditBorderStyle s = CurrentStyle()->GetEditBorderStyle();
    return s == TcxEditBorderStyle::ebsUltraFlat || s == TcxEditBorderStyle::ebsOffice11 ? TcxEditBorderStyle::ebsSingle : s;
}

TRect TcxCustomEditViewData::GetBorderExtent() {
    if (isInplace_) return InplaceBorderExtent;
    TcxCustomEditStyle* style = CurrentStyle();
    const bool skin = style->GetLookAndFeel()->GetSkinPainter() != nullptr;
    if (style->GetTransparentBorder() && !skin) return UniformExtent(TransparentBorderExtent);
    if (!style->HasBorderPart() || (themed_ && style_->GetEditBorderStyle() == TcxEditBorderStyle::ebsNone)) return {};
    if (themed_) return UniformExtent(2);
    const int w = skin ? 1 : ContainerBorderWidth(TcxContainerBorderStyle(GetEffectiveBorderStyle()));
    const TcxBorders edges = style->GetEdges();
    TRect r = Rect(edges & cxBorder(bLeft) ? w : 0, edges & cxBorder(bTop) ? w : 0, edges & cxBorder(bRight) ? w : 0,
                   edges & cxBorder(bBottom) ? w : 0);
    if (HasShadow()) {
        r.Right += ContainerShadowSize;
        r.Bottom += ContainerShadowSize;
    }
    return r;
}

TRect TcxCustomEditViewData::GetClientExtent(TcxCanvas*) {
    if (isInplace_) return InplaceBorderExtent;
    if (!themed_) return GetBorderExtent();
    if (style_->GetEditBorderStyle() == TcxEditBorderStyle::ebsNone) return CurrentStyle()->GetTransparentBorder() ? UniformExtent(2) : TRect{};
    const HTHEME theme = GetThemeHandle(tokEdit);
    if (!theme) return UniformExtent(2);
    const TRect box = Rect(0, 0, 100, 100);
    TRect content = box;
    ThemeGetBackgroundContentRect(theme, nullptr, 1, 1, box, content);
    return Rect(content.Left, content.Top, 100 - content.Right, 100 - content.Bottom);
}

TRect TcxCustomEditViewData::GetContentExtent(TcxCanvas* canvas, TcxCustomEditViewInfo* viewInfo) {
    TRect r = GetBorderExtent();
    if (properties_->GetButtonsViewStyle() != bvsNormal && viewInfo->ButtonCount() > 0) {
        const TRect client = GetClientExtent(canvas);
        r.Left = client.Left;
        r.Right = client.Right;
    }
    if (HScrollBar && HScrollBar->GetVisible()) r.Bottom += HScrollBar->GetHeight();
    if (VScrollBar && VScrollBar->GetVisible()) r.Right += VScrollBar->GetWidth();
    for (const auto& button : viewInfo->Buttons) {
        if (button->LeftAlignment)
            r.Left = std::max(r.Left, button->Bounds.Right - viewInfo->Bounds.Left);
        else
            r.Right = std::max(r.Right, viewInfo->Bounds.Right - button->Bounds.Left);
    }
    return r;
}

TColor TcxCustomEditViewData::GetBorderColor() {
    TcxCustomEditStyle* style = CurrentStyle();
    const bool active = Focused || ((containerState_ & cxcsHot) && style->GetHotTrack());
    const TcxEditBorderStyle border = style->GetEditBorderStyle();
    if (border != TcxEditBorderStyle::ebsUltraFlat && border != TcxEditBorderStyle::ebsOffice11) return style->GetBorderColor();
    if (active || (Designing && Enabled)) return ActiveBorderColor(border == TcxEditBorderStyle::ebsOffice11);
    return clBtnShadow;
}

TcxEditButtonStyle TcxCustomEditViewData::EffectiveButtonStyle() {
    const TcxEditButtonStyle s = CurrentStyle()->GetButtonStyle();
    return s != btsDefault ? s : FallbackButtonStyle();
}

TcxEditButtonStyle TcxCustomEditViewData::FallbackButtonStyle() {
    TcxCustomEditStyle* style = CurrentStyle();
    if (isInplace_ || (style->GetEditBorderStyle() == TcxEditBorderStyle::ebsNone && !style->GetHotTrack()))
        return ButtonStyleByLookAndFeel[style->GetLookAndFeel()->GetKind()];
    return ButtonStyleByBorderStyle[static_cast<int>(GetEffectiveBorderStyle())];
}

int TcxCustomEditViewData::ComputePaintOptions() const {
    int options = PaintOptions;
    if (!IsRectEmpty(ContentParams.ExternalBorderBounds)) options |= 4;
    if (ContentParams.Options & 1) options |= 0x10;
    return options;
}

TcxContainerStateFlags TcxCustomEditViewData::ComputeContainerState(TcxCanvas*, TPoint p, int, TShiftState shift,
                                                                    bool) {
    if (!Enabled) return cxcsDisabled;
    if (Designing) return cxcsNormal;
    TcxContainerStateFlags s = Focused ? cxcsFocused : cxcsNormal;
    const TRect hotRect = Edit ? Edit->GetHotTrackBounds() : ShrinkBy(bounds_, InplaceBorderExtent);
    if (PtInRect(hotRect, p)) {
        if (shift == 0 || (Edit && Edit->GetMouseCapture())) s |= cxcsHot;
    }
    return s;
}

void TcxCustomEditViewData::UpdateButtonNativeState(TcxEditButtonViewInfo* button) {
    ResolveButtonThemePart(button);
}

// ---- filling ----

void TcxCustomEditViewData::CommonStateStep(TcxCanvas* canvas, TPoint p, int mouseButton, TShiftState shift,
                                            TcxCustomEditViewInfo* vi, bool isMouseEvent) {
    vi->ContainerState = ComputeContainerState(canvas, p, mouseButton, shift, isMouseEvent);
    active_ = (containerState_ & (cxcsFocused | cxcsHot)) != 0;
    const bool hotTrack = style_->GetHotTrack();
    vi->BorderHotTrack = Designing || !hotTrack || isInplace_ ? 0 : active_ ? 2 : 1;
    currentStyle_ = nullptr;
    if (Edit) currentStyle_ = dynamic_cast<TcxCustomEditStyle*>(Edit->CurrentStateStyle());
    vi->EditBorderStyle = !isInplace_ && themed_ ? style_->GetEditBorderStyle() : GetEffectiveBorderStyle();
}

void TcxCustomEditViewData::FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton,
                                         TShiftState shift, TcxCustomEditViewInfo* vi, bool isMouseEvent) {
    shift &= ~(ssShift | ssAlt | ssCtrl);
    // The hot-track test of a cell uses the bounds being filled.
    bounds_ = bounds;
    const int w0 = ContainerBorderWidth(TcxContainerBorderStyle(vi->EditBorderStyle));
    CommonStateStep(canvas, p, mouseButton, shift, vi, isMouseEvent);
    if (!isInplace_ && !themed_ && ContainerBorderWidth(TcxContainerBorderStyle(vi->EditBorderStyle)) < w0)
        CommonStateStep(canvas, p, mouseButton, shift, vi, isMouseEvent);
    vi->BorderStyle = TcxContainerBorderStyle(vi->EditBorderStyle);
    containerState_ = vi->ContainerState;
    vi->Properties = properties_;
    fillWidth_ = isInplace_ ? bounds.Right != cxMaxRectSize && properties_->GetButtonsViewStyle() != bvsNormal
                            : properties_->GetButtonsViewStyle() == bvsButtonsOnly;
    TcxCustomEditStyle* style = CurrentStyle();
    vi->Edit = Edit;
    vi->SkinPainter = style->GetLookAndFeel()->GetSkinPainter();
    vi->Bounds = bounds;
    vi->Enabled = Enabled;
    vi->Focused = Focused;
    vi->EraseBackground = EraseBackground;
    vi->HasInnerEdit = InnerEditControl && InnerEditControl->GetVisible();
    vi->HasInnerControl = Edit && dynamic_cast<IcxContainerInnerControl*>(static_cast<TObject*>(Edit));
    vi->Designing = Designing;
    vi->Inplace = isInplace_;
    vi->Selected = Selected;
    vi->PaintOptions = ComputePaintOptions();
    vi->Edges = style->GetEdges();
    vi->Font = style->IsDirectAccessMode() ? style->GetFont() : style->EffectiveFont();
    vi->Shadow = !isInplace_ && HasShadow();
    vi->Transparent = properties_->GetTransparent();
    vi->WindowHandle = WindowHandle;
    FillCommonViewInfo(vi);
    LayoutButtons(canvas, bounds, p, mouseButton, shift, vi, isMouseEvent);
    vi->ClientRect = ShrinkBy(bounds, GetContentExtent(canvas, vi));
    vi->InnerEditRect = InnerEditControl ? InnerEditControl->GetBoundsRect() : vi->ClientRect;
    vi->PopupBorderStyle = style->GetPopupBorderStyle();
    if (vi->PopupBorderStyle == epbsDefault && Edit) {
        if (isInplace_)
            vi->PopupBorderStyle = PopupBorderByLookAndFeel[style->GetLookAndFeel()->GetKind()];
        else if (vi->EditBorderStyle == TcxEditBorderStyle::ebsNone && vi->ButtonCount() > 0)
            vi->PopupBorderStyle = PopupBorderByLookAndFeel[ButtonStyleLookAndFeelKind(vi->Button(0)->ButtonStyle)];
        else
            vi->PopupBorderStyle = PopupBorderByBorderStyle[static_cast<int>(vi->EditBorderStyle)];
    }
}

void TcxCustomEditViewData::FillCommonViewInfo(TcxCustomEditViewInfo* vi) {
    vi->NativeStyle = themed_;
    if (!themed_)
        vi->ThemeState = 0;
    else if (!Enabled)
        vi->ThemeState = 4;
    else if (properties_->GetReadOnly())
        vi->ThemeState = 6;
    else if (Focused)
        vi->ThemeState = 5;
    else if (containerState_ & cxcsHot)
        vi->ThemeState = 2;
    else
        vi->ThemeState = 1;
    const TRect extent = GetBorderExtent();
    vi->BorderExtent = extent;
    vi->BorderRect = ShrinkBy(vi->Bounds, extent);
    vi->ShadowRect = vi->BorderRect;
    vi->BorderWidth = ContainerBorderWidth(TcxContainerBorderStyle(vi->EditBorderStyle));
    vi->HasContentOffsets = !IsEmptyExtent(extent);
    vi->HasInplaceExtent = !IsEmptyExtent(InplaceBorderExtent);
    if (!isInplace_) vi->BorderColor = GetBorderColor();
    ResolveColors(vi);
}

void TcxCustomEditViewData::ResolveColors(TcxCustomEditViewInfo* vi) {
    TcxCustomEditStyle* style = CurrentStyle();
    vi->TextColor = style->GetTextColor();
    TColor color = style->GetColor();
    if (Edit && !Edit->DefaultsToParentColor() && themed_ && !Enabled && !style->IsValueAssigned(csvColor)) {
        COLORREF fill;
        if (HTHEME theme = GetThemeHandle(tokEdit); theme && ThemeGetColor(theme, 1, vi->ThemeState, 3802, fill) == 0)
            color = static_cast<TColor>(fill);
    }
    vi->StoreBackgroundColor(color);
}

// ---- buttons ----

void TcxCustomEditViewData::LayoutButtons(TcxCanvas* canvas, const TRect&, TPoint p, int mouseButton,
                                          TShiftState shift, TcxCustomEditViewInfo* vi, bool isMouseEvent) {
    const TcxEditButtonTransparency transparency = CurrentStyle()->GetButtonTransparency();
    const bool focused = vi->ContainerState & cxcsFocused;
    const bool hot = vi->ContainerState & cxcsHot;
    if (visibleButtonCount_ == 0 || (!focused && transparency == ebtHideInactive) ||
        (!focused && !hot && transparency == ebtHideUnselected)) {
        vi->SetButtonCount(0);
        return;
    }
    vi->SetButtonCount(visibleButtonCount_);
    vi->IsButtonReallyPressed = false;
    const int previousPressed = isMouseEvent ? vi->PressedButton : -1;
    vi->PressedButton = -1;
    vi->HotButton = -1;
    leftLeftmost_ = leftRightmost_ = rightLeftmost_ = rightRightmost_ = -1;
    PlaceButtons(canvas, vi);
    ComputeButtonStates(vi, p, mouseButton, shift, isMouseEvent, previousPressed);
    if (leftLeftmost_ >= 0) vi->Button(leftLeftmost_)->Leftmost = true;
    if (leftRightmost_ >= 0 && !(fillWidth_ && rightRightmost_ >= 0)) vi->Button(leftRightmost_)->Rightmost = true;
    if (rightLeftmost_ >= 0 && !(fillWidth_ && leftLeftmost_ >= 0)) vi->Button(rightLeftmost_)->Leftmost = true;
    if (rightRightmost_ >= 0) vi->Button(rightRightmost_)->Rightmost = true;
    if (fillWidth_)
        for (const auto& button : vi->Buttons) button->LeftAlignment = false;
}

void TcxCustomEditViewData::PlaceButtons(TcxCanvas* canvas, TcxCustomEditViewInfo* vi) {
    const TRect working = ShrinkBy(vi->Bounds, GetClientExtent(canvas));
    TRect r = working;
    TcxEditButtons* buttons = properties_->GetButtons();
    const TcxEditButtonStyle buttonStyle = EffectiveButtonStyle();
    int index = vi->ButtonCount();
    vi->CaptionFontPrepared = false;
    for (int i = buttons->GetCount() - 1; i >= 0 && index > 0; --i) {
        TcxEditButton* button = buttons->ButtonAt(i);
        if (!button->GetVisible()) continue;
        --index;
        if (button->GetKind() == bkText && !vi->CaptionFontPrepared) {
            canvas->AssignFont(CurrentStyle()->EffectiveFont());
            vi->PrepareTextFont(canvas->CurrentFont());
            vi->CaptionFontPrepared = true;
        }
        TcxEditButtonViewInfo* info = vi->Button(index);
        info->ButtonIndex = i;
        info->ButtonStyle = buttonStyle;
        FillButtonInfo(canvas, vi, r, index);
        LayoutButton(canvas, vi, r, index);
    }
    const int extra = r.Width();
    if (fillWidth_ && extra > 0) StretchButtons(vi, working, extra);
}

void TcxCustomEditViewData::FillButtonInfo(TcxCanvas*, TcxCustomEditViewInfo* vi, TRect&, int index) {
    TcxEditButtonViewInfo* info = vi->Button(index);
    TcxEditButton* button = properties_->GetButtons()->ButtonAt(info->ButtonIndex);
    info->ComboButton = visibleButtonCount_ == 1 && button->GetKind() == bkDown;
    info->Kind = button->GetKind();
    if (info->Kind == bkText) {
        info->Caption = button->GetCaption();
        info->TextColor = button->GetTextColor();
        info->VisibleCaption = button->GetVisibleCaption();
    }
    info->ContentAlignment = button->GetContentAlignment();
    info->Default = button->GetDefault();
    info->Glyph = button->PeekGlyph();
    info->HasBackground = vi->EraseBackground;
    info->GradientButtons = CurrentStyle()->GetGradientButtons();
    info->Inplace = isInplace_;
    info->LeftAlignment = button->GetLeftAlignment();
    info->Leftmost = false;
    info->Rightmost = false;
    info->NativeStyle = themed_;
    info->Stretchable = button->GetStretchable();
    int width = button->GetWidth();
    if (width == 0) {
        if (DefaultButtonWidthHandler) DefaultButtonWidthHandler(this, info->ButtonIndex, width);
    }
    info->Width = width;
    const TcxEditButtonTransparency transparency = CurrentStyle()->GetButtonTransparency();
    info->Transparent = transparency == ebtAlways || (transparency == ebtInactive && !active_);
    info->BackgroundColor = vi->BackgroundColor;
}

void TcxCustomEditViewData::LayoutButton(TcxCanvas* canvas, TcxCustomEditViewInfo* vi, TRect& r, int index) {
    TcxEditButtonViewInfo* info = vi->Button(index);
    if (IsRectEmpty(r)) {
        info->Bounds = {};
        info->VisibleBounds = {};
        return;
    }
    const int a = EditButtonWidth(canvas, info);
    const int b = std::min(a, r.Width());
    if (info->LeftAlignment) {
        info->Bounds = Rect(r.Left, r.Top, r.Left + a, r.Bottom);
        info->VisibleBounds = Rect(r.Left, r.Top, r.Left + b, r.Bottom);
        r.Left += b;
        if (leftLeftmost_ < 0) leftLeftmost_ = index;
        leftRightmost_ = index;
    } else {
        info->Bounds = Rect(r.Right - a, r.Top, r.Right, r.Bottom);
        info->VisibleBounds = Rect(r.Right - b, r.Top, r.Right, r.Bottom);
        r.Right -= b;
        if (rightRightmost_ < 0) rightRightmost_ = index;
        rightLeftmost_ = index;
    }
}

void TcxCustomEditViewData::StretchButtons(TcxCustomEditViewInfo* vi, const TRect& working, int extra) {
    const int count = vi->ButtonCount();
    bool anyStretchable = false;
    long long total = 0;
    for (const auto& button : vi->Buttons)
        if (button->Stretchable) {
            anyStretchable = true;
            total += button->Bounds.Width();
        }
    if (!anyStretchable) total = working.Width() - extra;
    if (total <= 0) return;
    auto takesPart = [&](int i) { return !anyStretchable || vi->Button(i)->Stretchable; };
    int first = -1; // the last one visited gets the rest
    for (int i = 0; i < count && first < 0; ++i)
        if (takesPart(i)) first = i;
    int left = extra;
    for (int i = count - 1; i >= 0; --i) {
        if (!takesPart(i)) continue;
        TcxEditButtonViewInfo* button = vi->Button(i);
        const int d = i == first ? left : static_cast<int>(button->Bounds.Width() * static_cast<long long>(extra) / total);
        left -= d;
        if (button->LeftAlignment) {
            button->Bounds.Right += d;
            for (int j = 0; j < i; ++j)
                if (vi->Button(j)->LeftAlignment) OffsetRect(vi->Button(j)->Bounds, d, 0);
        } else {
            button->Bounds.Left -= d;
            for (int j = 0; j < i; ++j)
                if (!vi->Button(j)->LeftAlignment) OffsetRect(vi->Button(j)->Bounds, -d, 0);
        }
    }
    for (const auto& button : vi->Buttons) button->VisibleBounds = button->Bounds;
}

void TcxCustomEditViewData::ComputeButtonStates(TcxCustomEditViewInfo* vi, TPoint p, int mouseButton,
                                                TShiftState shift, bool, int previousPressed) {
    TcxEditButtons* buttons = properties_->GetButtons();
    const bool leftHeld = shift & ssLeft;
    for (int i = 0; i < vi->ButtonCount(); ++i) {
        TcxEditButtonViewInfo* info = vi->Button(i);
        const TcxEditButtonState s0 = info->State;
        const bool h = IsButtonHeldDown(vi, i);
        TcxEditButtonState state;
        if (!Enabled || !buttons->ButtonAt(info->ButtonIndex)->GetEnabled()) {
            state = ebsDisabled;
        } else if (!h && (Designing || !PtInRect(info->VisibleBounds, p))) {
            state = ebsNormal;
        } else {
            const bool k = mouseButton == 0 && leftHeld && s0 == ebsNormal && i == GetCaptureButtonIndex();
            const bool c = mouseButton == 1 && IsLeftOnly(shift);
            const bool w = s0 == ebsPressed && leftHeld;
            if (h || c || w || k) vi->IsButtonReallyPressed = true;
            if (!h && shift == 0 && !k) {
                state = ebsHot;
                vi->HotButton = i;
            } else if (h || (k && ButtonCanTrackMouse(vi, i)) ||
                       (IsLeftOnly(shift) && ((mouseButton == 1 && ButtonCanTrackMouse(vi, i)) || i == previousPressed)) ||
                       w) {
                state = ebsPressed;
                vi->PressedButton = i;
            } else {
                state = ebsNormal;
            }
        }
        if (vi->ButtonStateHandler) vi->ButtonStateHandler(vi, i, state);
        info->State = state;
        UpdateButtonNativeState(info);
    }
}

// ---- measuring ----

void TcxCustomEditViewData::ValueToDisplayText(const Variant& value, std::string& text) {
    EditValueToText(value, text);
    if (DisplayTextHandler) DisplayTextHandler(this, text);
}

void TcxCustomEditViewData::MeasureEditorSize(TcxCanvas* canvas, const Variant& value,
                                              const TcxEditSizeProperties& limits, TcxCustomEditViewInfo* viewInfo,
                                              TSize& size) {
    TSize overflow, frame;
    MeasureFrameSize(canvas, limits, overflow, viewInfo, frame);
    TcxEditSizeProperties contentLimits = limits;
    bool tooNarrow = false;
    if (limits.Width >= 0) {
        contentLimits.Width = limits.Width - frame.cx;
        if (contentLimits.Width < 0) {
            contentLimits.Width = 0;
            tooNarrow = true;
        }
    }
    TSize content;
    MeasureContentSize(canvas, value, contentLimits, content);
    content.cx = std::max(content.cx, overflow.cx);
    content.cy = std::max(content.cy, overflow.cy);
    size.cx = tooNarrow ? limits.Width : frame.cx + content.cx;
    size.cy = frame.cy + content.cy;
    if (!isInplace_ && Edit) Edit->GetConstraints()->Apply(size.cx, size.cy);
}

void TcxCustomEditViewData::MeasureFrameSize(TcxCanvas* canvas, const TcxEditSizeProperties& limits, TSize& overflow,
                                             TcxCustomEditViewInfo* viewInfo, TSize& frame) {
    std::unique_ptr<TcxCustomEditViewInfo> temporary;
    if (!viewInfo) {
        temporary.reset(properties_->CreateViewInfo());
        viewInfo = temporary.get();
        FillViewInfo(canvas, Rect(0, 0, cxMaxRectSize, cxMaxRectSize), Point(-1, -1), 0, 0, viewInfo, false);
    }
    MeasureOverflowSize(canvas, isInplace_, limits, overflow, viewInfo, frame);
}

void TcxCustomEditViewData::MeasureOverflowSize(TcxCanvas* canvas, bool isInplace, const TcxEditSizeProperties&,
                                                TSize& overflow, TcxCustomEditViewInfo* vi, TSize& frame) {
    frame = Size(vi->Bounds.Width() - vi->ClientRect.Width(), vi->Bounds.Height() - vi->ClientRect.Height());
    overflow = Size(0, 0);
    int m = 0;
    bool fontPrepared = false;
    TcxEditButtons* buttons = properties_->GetButtons();
    for (int i = 0; i < buttons->GetCount(); ++i) {
        TcxEditButton* button = buttons->ButtonAt(i);
        if (!button->GetVisible()) continue;
        if (button->GetKind() == bkGlyph && IsBitmapUsable(button->PeekGlyph()))
            m = std::max(m, button->PeekGlyph()->GetHeight());
        if (isInplace && button->GetKind() == bkText && !button->GetCaption().empty()) {
            if (!fontPrepared) {
                canvas->AssignFont(CurrentStyle()->EffectiveFont());
                vi->PrepareTextFont(canvas->CurrentFont());
                fontPrepared = true;
            }
            m = std::max(m, canvas->MeasureTextHeight(button->GetVisibleCaption()));
        }
    }
    if (m > 0) {
        const TRect client = GetClientExtent(canvas);
        overflow.cy = std::max(0, m + client.Top + client.Bottom +
                                      EditButtonContentTopOffset(canvas, EffectiveButtonStyle(), themed_) - frame.cy);
    }
}

void TcxCustomEditViewData::MeasureContentSize(TcxCanvas* canvas, const Variant& value,
                                               const TcxEditSizeProperties& limits, TSize& size) {
    if (properties_->GetButtonsViewStyle() != bvsNormal) {
        canvas->AssignFont(CurrentStyle()->EffectiveFont());
        size = Size(0, GetContentPadding().cy + canvas->MeasureTextHeight("Zg"));
        return;
    }
    GetExtraContentSize(canvas, value, limits, size);
}

} // namespace zorvy
