// TcxContainer: evaluating the state at the mouse, filling the view info, the border extent, the
// hot-track area and the window shape, placing and clipping the inner control, and laying its own
// scroll bars over those of the inner control.
#include "controls/foundation/containers/Container.h"

#include "controls/foundation/graphics/Region.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "controls/foundation/scrollbars/ControlScrollBar.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "platform/gdi/Region.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/Windows.h"

namespace zorvy {

// ---- The state at the mouse ----

bool TcxContainer::RefreshMouseState(bool isMouseEvent) {
    if (!HandleAllocated() || IsDestroying() || refreshingMouseState_) return false;
    refreshingMouseState_ = true;
    TWeakLink<TcxContainer> self(this);
    TPoint p;
    GetCursorPos(p);
    p = IsSameOrChildWindow(handle_, WindowFromPoint(p)) ? ScreenToClient(p) : TPoint{-1, -1};
    const bool result = UpdateStateFromMouse(p, 0, CurrentShiftState(), isMouseEvent);
    if (self) refreshingMouseState_ = false;
    return result;
}

void TcxContainer::EnsureMouseStateComputed() {
    if (!mouseStateComputed_) RefreshMouseState(false);
}

bool TcxContainer::UpdateStateFromMouse(TPoint p, int, TShiftState shift, bool) {
    if (placingInnerControl_ || IsDestroying()) return true;
    mouseStateComputed_ = true;
    // Hot tracking waits while a key or mouse button is held.
    const bool allowHot = shift == 0 && CurrentStateStyle()->GetHotTrack();
    ComputeViewInfo(p, allowHot);
    TWeakLink<TcxContainer> self(this);
    PlaceInnerControl();
    if (!self) return true;
    SyncInnerControlLook();
    ApplyWindowShape();
    if (HandleAllocated()) {
        const TRect local = Rect(0, 0, GetWidth(), GetHeight());
        if (innerControl_)
            InvalidateFrameArea(handle_, local, viewInfo_->BorderRect, false);
        else
            InvalidateArea(local, false);
    }
    if (viewInfo_->ContainerState & cxcsHot) StartMouseTracking(this, GetHotTrackBounds(), this);
    return true;
}

void TcxContainer::MouseTrackingLeft() {
    MouseExited(nullptr);
    StopMouseTracking(this);
}

void TcxContainer::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxContainer> self(this);
    TcxControl::MouseDown(button, shift, x, y);
    if (self) UpdateStateFromMouse({x, y}, ContainerMouseButtonCode(button), shift, true);
}

void TcxContainer::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxContainer> self(this);
    TcxControl::MouseUp(button, shift, x, y);
    if (self) UpdateStateFromMouse({x, y}, ContainerMouseButtonCode(button), shift, true);
}

void TcxContainer::MouseMove(TShiftState shift, int x, int y) {
    TWeakLink<TcxContainer> self(this);
    TcxControl::MouseMove(shift, x, y);
    if (!self) return;
    UpdateStateFromMouse({x, y}, 0, shift, true);
    if (self) StartMouseTracking(this, GetHotTrackBounds(), this);
}

void TcxContainer::MouseEntered(TControl* control) {
    TWeakLink<TcxContainer> self(this);
    TcxControl::MouseEntered(control);
    if (!self) return;
    RefreshMouseState(true);
    if (self) StartMouseTracking(this, GetHotTrackBounds(), this);
}

void TcxContainer::MouseExited(TControl* control) {
    TWeakLink<TcxContainer> self(this);
    TcxControl::MouseExited(control);
    if (!self) return;
    RefreshMouseState(true);
    StopMouseTracking(this);
}

// ---- The view info ----

void TcxContainer::ComputeViewInfo(TPoint p, bool allowHot) {
    TcxContainerViewInfo& vi = *viewInfo_;
    vi.NativeStyle = UsesNativeLook();
    const int previousWidth = ContainerBorderWidth(vi.BorderStyle);
    auto evaluate = [&] {
        TcxContainerStateFlags state;
        if (!GetEnabled())
            state = cxcsDisabled;
        else if (InDesignMode())
            state = cxcsNormal;
        else {
            state = IsFocused() ? cxcsFocused : cxcsNormal;
            if (allowHot && PtInRect(GetHotTrackBounds(), p)) state |= cxcsHot;
        }
        vi.ContainerState = state;
        TcxContainerBorderStyle border = vi.NativeStyle ? GetStyle()->GetBorderStyle() : CurrentStateStyle()->GetBorderStyle();
        // Without the native look the flat modern styles are single frames in a state colour.
        if (!vi.NativeStyle && (border == cbsUltraFlat || border == cbsOffice11)) border = cbsSingle;
        vi.BorderStyle = border;
    };
    evaluate();
    // A thinner border changes the hot-track area, and so perhaps whether p lies in it.
    if (!vi.NativeStyle && ContainerBorderWidth(vi.BorderStyle) < previousWidth) evaluate();

    if (vi.NativeStyle) {
        vi.ThemedObjectKind = static_cast<std::uint8_t>(GetThemedObjectKind());
        vi.ThemePart = GetThemePartId();
        vi.ThemeState = GetThemeStateId();
    }
    TcxContainerStyle* style = CurrentStateStyle();
    vi.Bounds = Rect(0, 0, GetWidth(), GetHeight());
    const TRect extent = GetBorderExtent();
    vi.BorderRect = {vi.Bounds.Left + extent.Left, vi.Bounds.Top + extent.Top, vi.Bounds.Right - extent.Right,
                     vi.Bounds.Bottom - extent.Bottom};
    vi.ClientRect = vi.BorderRect;
    vi.BorderWidth = ContainerBorderWidth(vi.BorderStyle);
    vi.Edges = style->GetEdges();
    vi.Shadow = HasShadow();

    const bool highlighted = (vi.ContainerState & cxcsFocused) ||
                             ((vi.ContainerState & cxcsHot) && style->GetHotTrack()) ||
                             (InDesignMode() && GetEnabled());
    const TcxContainerBorderStyle styleBorder = style->GetBorderStyle();
    if (styleBorder != cbsUltraFlat && styleBorder != cbsOffice11)
        vi.BorderColor = style->GetBorderColor();
    else if (!highlighted)
        vi.BorderColor = clBtnShadow;
    else
        vi.BorderColor = styleBorder == cbsOffice11 ? Office11HighlightBorderColor() : clHighlight;
    TColor background = style->GetColor();
    if (vi.NativeStyle && !GetEnabled()) {
        // The theme's fill colour of the part (asked with the part number as the state).
        COLORREF fill;
        if (HTHEME theme = GetThemeHandle(GetThemedObjectKind());
            theme && ThemeGetColor(theme, vi.ThemePart, vi.ThemePart, 3802, fill) == S_OK)
            background = static_cast<TColor>(fill);
    }
    vi.StoreBackgroundColor(background);
}

TRect TcxContainer::GetBorderExtent() const {
    auto* self = const_cast<TcxContainer*>(this);
    TcxContainerStyle* style = self->CurrentStateStyle();
    TRect r{};
    if (style->GetTransparentBorder()) {
        r = {TransparentBorderExtent, TransparentBorderExtent, TransparentBorderExtent, TransparentBorderExtent};
    } else if (!style->HasBorderPart() || (viewInfo_->NativeStyle && GetStyle()->GetBorderStyle() == cbsNone)) {
        r = {};
    } else if (viewInfo_->NativeStyle) {
        r = {2, 2, 2, 2};
    } else {
        const int b = ContainerBorderWidth(viewInfo_->BorderStyle);
        const TcxBorders edges = style->GetEdges();
        r = {(edges & cxBorder(bLeft)) ? b : 0, (edges & cxBorder(bTop)) ? b : 0, (edges & cxBorder(bRight)) ? b : 0,
             (edges & cxBorder(bBottom)) ? b : 0};
    }
    if (self->HasShadow()) {
        r.Right += ContainerShadowSize;
        r.Bottom += ContainerShadowSize;
    }
    return r;
}

TRect TcxContainer::GetHotTrackBounds() const {
    TRect r = Rect(0, 0, GetWidth(), GetHeight());
    if (IsInplaceEditor()) return r;
    if (viewInfo_->Shadow) {
        r.Right -= ContainerShadowSize;
        r.Bottom -= ContainerShadowSize;
    }
    TcxContainerStyle* normal = GetStyle();
    if (normal->HasBorderPart()) {
        if (viewInfo_->NativeStyle) {
            if (normal->GetTransparentBorder() && normal->GetBorderStyle() == cbsNone) InflateRect(r, -2, -2);
        } else if (normal->GetTransparentBorder()) {
            // The area begins at the outer edge of the painted border.
            const int w = ContainerBorderWidth(viewInfo_->BorderStyle);
            InflateRect(r, -(2 - w), -(2 - w));
            ShrinkRectOnMissingEdges(r, w, viewInfo_->Edges);
        }
    } else if (normal->GetTransparentBorder()) {
        InflateRect(r, -2, -2);
    }
    if (r.Top > r.Bottom) r = {r.Left, 0, r.Right, 0};
    return r;
}

TRect TcxContainer::GetShapeBounds() const {
    const TRect extent = GetBorderExtent();
    TRect r{extent.Left, extent.Top, GetWidth() - extent.Right, GetHeight() - extent.Bottom};
    const int w = ContainerBorderWidth(viewInfo_->GetBorderStyleToPaint());
    InflateRect(r, w, w);
    ShrinkRectOnMissingEdges(r, w, const_cast<TcxContainer*>(this)->CurrentStateStyle()->GetEdges());
    return r;
}

bool TcxContainer::UsesNativeLook() const {
    return CanUseNativeTheme(GetStyle()->GetLookAndFeel()->GetNativeStyle(), GetThemedObjectKind());
}

int TcxContainer::GetThemeStateId() const {
    if (!GetEnabled()) return 4;
    if (IsFocused()) return 5;
    return (viewInfo_->ContainerState & cxcsHot) ? 2 : 1;
}

bool TcxContainer::NeedsWindowShape() const {
    return !(viewInfo_->NativeStyle && viewInfo_->BorderStyle != cbsNone);
}

bool TcxContainer::HasShadow() const {
    return const_cast<TcxContainer*>(this)->CurrentStateStyle()->GetShadow() && !UsesNativeLook();
}

void TcxContainer::ApplyWindowShape() {
    if (HandleAllocated())
        ApplyWindowShapeRegion(handle_, GetShapeBounds(), !NeedsWindowShape(), TRect{}, viewInfo_->Shadow);
}

void TcxContainer::ClipCanvasToShape() {
    if (TcxRegion* region = BuildWindowShapeRegion(GetShapeBounds(), !NeedsWindowShape(), TRect{}, viewInfo_->Shadow))
        GetCanvasWrapper()->ApplyClipRegion(region, roIntersect);
}

TRect TcxContainer::GetContentBounds() const {
    return viewInfo_->ClientRect;
}

void TcxContainer::AdjustClientRect(TRect& rect) {
    if (!IsDestroying()) rect = viewInfo_->ClientRect;
}

// ---- The inner control and child windows ----

void TcxContainer::PlaceInnerControl() {
    if (!innerControl_ || placingInnerControl_) return;
    const TRect& r = viewInfo_->ClientRect;
    if (innerControl_->GetBoundsRect() != r) {
        placingInnerControl_ = true;
        TWeakLink<TcxContainer> self(this);
        innerControl_->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        if (!self) return;
        placingInnerControl_ = false;
    }
    TRect client = viewInfo_->ClientRect;
    AlignControls(innerControl_, client);
}

void TcxContainer::SyncInnerControlLook() {
    if (!innerControl_) return;
    innerControl_->SetColor(viewInfo_->BackgroundColor);
    innerControl_->SetFont(CurrentStateStyle()->EffectiveFont());
}

TcxContainer::TInnerRegion TcxContainer::CalcInnerControlRegion(const TRect& bounds, TWinControl* control) const {
    TInnerRegion info;
    info.NoRegion = false;
    info.Rect = Rect(0, 0, control->GetWidth(), control->GetHeight());
    const TRect b = control->GetBoundsRect();
    if (b.Left < bounds.Left) info.Rect.Left = bounds.Left - b.Left;
    if (b.Top < bounds.Top) info.Rect.Top = bounds.Top - b.Top;
    if (bounds.Right < b.Right) info.Rect.Right -= b.Right - bounds.Right;
    if (bounds.Bottom < b.Bottom) info.Rect.Bottom -= b.Bottom - bounds.Bottom;
    if (info.Rect == Rect(0, 0, control->GetWidth(), control->GetHeight())) info.NoRegion = true;
    return info;
}

bool TcxContainer::InnerRegionChanged(TWinControl* control, const TInnerRegion& info) const {
    if (control != innerControl_) return true;
    if (appliedInnerRegion_.NoRegion && info.NoRegion) return false;
    if (appliedInnerRegion_.NoRegion != info.NoRegion) return true;
    return appliedInnerRegion_.Rect != info.Rect;
}

void TcxContainer::AlignControls(TControl* control, TRect& rect) {
    if (UsesStandardChildLayout()) {
        TcxControl::AlignControls(control, rect);
        return;
    }
    if (IsInnerAlignmentLocked() || (control && IsInternalChildControl(control))) return;
    if (!control) TcxControl::AlignControls(nullptr, rect);
    if (beingCreated_) return;
    // The class library aligns all children at once: every child window is clipped to the client area.
    std::vector<TWinControl*> children;
    if (auto* one = dynamic_cast<TWinControl*>(control))
        children.push_back(one);
    else if (!control)
        for (int i = 0; i < GetControlCount(); ++i)
            if (auto* wc = dynamic_cast<TWinControl*>(GetControl(i)); wc && !IsInternalChildControl(wc))
                children.push_back(wc);
    for (TWinControl* child : children) {
        if (!child->HandleAllocated()) continue;
        const TInnerRegion info = CalcInnerControlRegion(rect, child);
        if (!InnerRegionChanged(child, info)) continue;
        if (info.NoRegion) {
            SetWindowRgn(child->GetHandle(), nullptr, true);
        } else {
            const TRegion clip(info.Rect);
            SetWindowRgn(child->GetHandle(), &clip, true);
        }
        if (child == innerControl_) appliedInnerRegion_ = info;
    }
}

// ---- Scroll bars over the inner control's ----

void TcxContainer::RequestScrollBarSync() {
    if (!IsDestroying() && HandleAllocated() && innerControl_) PostMessage(handle_, CM_CONTAINERSYNCSCROLLBARS);
}

TRect TcxContainer::ScreenRectToClient(const TRect& screenRect) const {
    const TPoint p = ScreenToClient({screenRect.Left, screenRect.Top});
    if (p.X < 0 || p.Y < 0 || screenRect.Width() > GetWidth() || screenRect.Height() > GetHeight()) return {};
    return Bounds(p.X, p.Y, screenRect.Width(), screenRect.Height());
}

bool TcxContainer::IsScrollBarEnabled(TcxScrollBar* bar, const SCROLLBARINFO& info) const {
    TWinControl* parent = bar->GetParent();
    return parent && parent->GetEnabled() && !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
}

bool TcxContainer::GetInnerScrollBarInfo(SCROLLBARINFO& info, TScrollBarKind kind) const {
    if (IsDestroying() || !GetParent() || !HandleAllocated() || !innerControl_ || !innerControl_->HandleAllocated())
        return false;
    return QueryScrollBarInfo(innerControl_->GetHandle(), kind == sbHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL, info);
}

void TcxContainer::ShowScrollBarControl(TControl* control, bool visible) {
    control->SetVisible(visible);
    if (!visible) return;
    if (auto* wc = dynamic_cast<TWinControl*>(control)) wc->Ctl3D = false;
    control->BringToFront();
}

void TcxContainer::ArrangeScrollBar(TcxScrollBar* bar) {
    SCROLLBARINFO info;
    bool shown = false;
    if (GetInnerScrollBarInfo(info, bar->GetKind()) &&
        !(info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN))) {
        bar->SetEnabled(IsScrollBarEnabled(bar, info));
        const TRect r = ScreenRectToClient(info.rcScrollBar);
        bar->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        shown = r.Width() > 0 && r.Height() > 0;
    }
    ShowScrollBarControl(bar, shown);
}

void TcxContainer::SyncScrollBarsFromInner(bool keepPlacement) {
    if (!innerControl_ || !UsesScrollBars() || IsDestroying() || !SystemScrollBarInfoAvailable()) return;
    for (TcxScrollBar* bar : {static_cast<TcxScrollBar*>(GetHScrollBar()), static_cast<TcxScrollBar*>(GetVScrollBar())}) {
        if (!bar) continue;
        if (!keepPlacement) ArrangeScrollBar(bar);
        if (!bar->GetVisible()) continue;
        SCROLLINFO si;
        si.fMask = SIF_ALL;
        GetScrollInfo(innerControl_->GetHandle(), bar->GetKind() == sbHorizontal ? SB_HORZ : SB_VERT, si);
        const int max = std::max(si.nMax, si.nMin);
        bar->SetScrollParams(si.nMin, max, si.nPos, std::min(static_cast<int>(si.nPage), max), true);
    }
}

} // namespace zorvy
