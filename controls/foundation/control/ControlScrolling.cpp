// TcxControl as the host of its two floating scroll bars and size grip: creation and placement, the
// pending parameters a descendant reports, the recalculation that settles the bars' visibility,
// system size changes, and wheel scrolling.
#include "controls/foundation/control/Control.h"

#include "controls/foundation/scrollbars/ControlScrollBar.h"
#include "controls/foundation/services/SettingsController.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Painting.h"
#include "platform/win/Styles.h"
#include "platform/win/SystemInfo.h"

namespace zorvy {

// ---- The bars ----

void TcxControl::CreateScrollBars() {
    if (!UsesScrollBars() || hScrollBar_) return;
    auto onScroll = [this](TObject* sender, TScrollCode code, int& pos) { HandleScrollBarScroll(sender, code, pos); };
    hScrollBar_ = new TcxControlScrollBar(this);
    hScrollBar_->SetKind(sbHorizontal);
    hScrollBar_->OnScroll = onScroll;
    vScrollBar_ = new TcxControlScrollBar(this);
    vScrollBar_->SetKind(sbVertical);
    vScrollBar_->OnScroll = onScroll;
    sizeGrip_ = new TcxSizeGrip(this);
    sizeGrip_->SetVisible(false);
    GetSettingsController()->AddControl(this);
}

void TcxControl::DestroyScrollBars() {
    if (!hScrollBar_) return;
    if (TcxSettingsController* controller = FindSettingsController()) controller->RemoveControl(this);
    FreeAndNil(sizeGrip_);
    FreeAndNil(vScrollBar_);
    FreeAndNil(hScrollBar_);
}

void TcxControl::RebuildScrollBars() {
    if (UsesScrollBars()) {
        CreateScrollBars();
        if (HandleAllocated()) AttachScrollBars();
    } else {
        DestroyScrollBars();
    }
}

void TcxControl::AttachScrollBars() {
    if (!UsesScrollBars() || !hScrollBar_) return;
    hScrollBar_->SetParent(this);
    vScrollBar_->SetParent(this);
    sizeGrip_->SetParent(this);
}

void TcxControl::BringScrollBarsToFront() {
    if (!hScrollBar_) return;
    hScrollBar_->BringToFront();
    vScrollBar_->BringToFront();
    sizeGrip_->BringToFront();
}

bool TcxControl::HorzScrollBarShown() const {
    if (!UsesScrollBars() || !hScrollBar_) return false;
    return calculatingScrollParams_ ? hScrollBar_->Pending.Visible : hScrollBar_->IsShown();
}

bool TcxControl::VertScrollBarShown() const {
    if (!UsesScrollBars() || !vScrollBar_) return false;
    return calculatingScrollParams_ ? vScrollBar_->Pending.Visible : vScrollBar_->IsShown();
}

TRect TcxControl::CalcHorzScrollBarRect() const {
    TRect r = GetContentBounds();
    r.Top = r.Bottom;
    r.Bottom = r.Top + hScrollBar_->GetHeight();
    return r;
}

TRect TcxControl::CalcVertScrollBarRect() const {
    TRect r = GetContentBounds();
    r.Left = r.Right;
    r.Right = r.Left + vScrollBar_->GetWidth();
    return r;
}

TRect TcxControl::CalcSizeGripRect() const {
    const TRect v = CalcVertScrollBarRect(), h = CalcHorzScrollBarRect();
    return {v.Left, h.Top, v.Right, h.Bottom};
}

void TcxControl::PlaceScrollBars() {
    if (!hScrollBar_) return;
    if (hScrollBar_->IsShown()) hScrollBar_->SetBoundsRect(CalcHorzScrollBarRect());
    if (vScrollBar_->IsShown()) vScrollBar_->SetBoundsRect(CalcVertScrollBarRect());
    if (sizeGrip_->GetVisible()) sizeGrip_->SetBoundsRect(CalcSizeGripRect());
}

void TcxControl::UpdateScrollBarWindows() {
    if (!UsesScrollBars() || !hScrollBar_) return;
    if (hScrollBar_->IsShown()) hScrollBar_->UpdateControlState();
    if (vScrollBar_->IsShown()) vScrollBar_->UpdateControlState();
    if (sizeGrip_->GetVisible()) sizeGrip_->UpdateControlState();
}

void TcxControl::SetScrollBarsMode(TScrollStyle value) {
    if (value == scrollBarsMode_) return;
    scrollBarsMode_ = value;
    GeometryChanged();
}

// ---- Parameters and recalculation ----

void TcxControl::SetScrollBarInfo(TScrollBarKind kind, int min, int max, int step, int page, int pos,
                                  bool allowShow, bool allowHide) {
    TcxControlScrollBar* bar = kind == sbHorizontal ? hScrollBar_ : vScrollBar_;
    if (!bar) return;
    auto& p = bar->Pending;
    const bool modeIncludes = scrollBarsMode_ == ssBoth ||
                              scrollBarsMode_ == (kind == sbHorizontal ? ssHorizontal : ssVertical);
    p.MayShow = allowShow && modeIncludes;
    p.MayHide = allowHide;
    p.Visible = false;
    if (!p.MayShow) return;
    if (max < min || page >= max - min + 1 || pos < min) {
        // Nothing to scroll (or nonsense): hidden, or shown disabled when the bar may not hide.
        if (!allowHide) {
            p.Visible = true;
            p.Enabled = false;
        }
        return;
    }
    p.Min = min;
    p.Max = max;
    p.Position = pos;
    p.Page = page;
    p.SmallChange = static_cast<std::int16_t>(step);
    p.LargeChange = static_cast<std::int16_t>(page);
    p.Enabled = true;
    p.Visible = true;
}

void TcxControl::LockScrollBars() {
    if (scrollBarsLockCount_ == 0) scrollBarsUpdateNeeded_ = false;
    ++scrollBarsLockCount_;
}

void TcxControl::UnlockScrollBars() {
    if (scrollBarsLockCount_ <= 0) return;
    if (--scrollBarsLockCount_ == 0 && scrollBarsUpdateNeeded_) RecalculateScrollBars();
}

void TcxControl::RecalculateScrollBars() {
    if (!UsesScrollBars() || !hScrollBar_) return;
    if (scrollBarsLockCount_ >= 1) {
        scrollBarsUpdateNeeded_ = true;
        return;
    }
    const bool nested = updatingScrollBars_;
    if (!nested) {
        initialHScrollBarVisible_ = hScrollBar_->IsShown();
        initialVScrollBarVisible_ = vScrollBar_->IsShown();
    }
    TWeakLink<TcxControl> self(this);
    updatingScrollBars_ = true;
    auto restore = [&] {
        if (!self) return;
        updatingScrollBars_ = nested;
        if (!nested) scrollParamsSettled_ = false;
    };
    try {
        const bool hAtEntry = hScrollBar_->IsShown(), vAtEntry = vScrollBar_->IsShown();
        auto& h = hScrollBar_->Pending;
        auto& v = vScrollBar_->Pending;
        if (!scrollParamsSettled_) {
            if (!calculatingScrollParams_) {
                calculatingScrollParams_ = true;
                try {
                    h.Visible = v.Visible = false;
                    bool hBefore, vBefore;
                    do {
                        hBefore = h.Visible;
                        vBefore = v.Visible;
                        ComputeScrollBarParams();
                    } while (hBefore != h.Visible || vBefore != v.Visible);
                    // Each bar may be needed only because the other takes its space.
                    const int hGain = vScrollBar_->GetWidth(), vGain = hScrollBar_->GetHeight();
                    if (h.Visible && v.Visible && h.Enabled && v.Enabled && h.MayHide && v.MayHide &&
                        IsPixelScrolling(sbHorizontal) && IsPixelScrolling(sbVertical) &&
                        h.Page + hGain >= h.Max - h.Min + 1 && v.Page + vGain >= v.Max - v.Min + 1) {
                        const auto hp = h, vp = v;
                        SetScrollBarInfo(sbHorizontal, hp.Min, hp.Max, hp.SmallChange, hp.Page + hGain, hp.Position,
                                         hp.MayShow, hp.MayHide);
                        SetScrollBarInfo(sbVertical, vp.Min, vp.Max, vp.SmallChange, vp.Page + vGain, vp.Position,
                                         vp.MayShow, vp.MayHide);
                    }
                } catch (...) {
                    calculatingScrollParams_ = false;
                    throw;
                }
                calculatingScrollParams_ = false;
            }
            if (nested && h.Visible == initialHScrollBarVisible_ && v.Visible == initialVScrollBarVisible_) {
                // The visibility keeps flipping: keep the first state; a bar that would change is shown
                // disabled.
                scrollParamsSettled_ = true;
                for (auto [bar, initial] : {std::pair{hScrollBar_, initialHScrollBarVisible_},
                                            std::pair{vScrollBar_, initialVScrollBarVisible_}}) {
                    if (bar->IsShown() == initial) continue;
                    bar->SetEnabled(false);
                    bar->SetShown(true);
                }
            } else {
                hScrollBar_->ApplyPendingParams();
                vScrollBar_->ApplyPendingParams();
            }
        }
        if (hScrollBar_->IsShown() != hAtEntry || vScrollBar_->IsShown() != vAtEntry) {
            GeometryChanged();
        } else {
            sizeGrip_->SetVisible(hScrollBar_->IsShown() && vScrollBar_->IsShown());
            PlaceScrollBars();
            if (KeepsScrollBarsOnTop()) BringScrollBarsToFront();
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TcxControl::HandleScrollMetricsChanged(TMessage&) {
    if (!UsesScrollBars() || !hScrollBar_) return;
    const int height = GetSystemMetrics(SM_CYHSCROLL), width = GetSystemMetrics(SM_CXVSCROLL);
    if (hScrollBar_->GetHeight() == height && vScrollBar_->GetWidth() == width) return;
    hScrollBar_->SetHeight(height);
    vScrollBar_->SetWidth(width);
    GeometryChanged();
}

// ---- Scrolling ----

void TcxControl::HandleScrollBarScroll(TObject* sender, TScrollCode code, int& pos) {
    ScrollContent(static_cast<TcxScrollBar*>(sender)->GetKind(), code, pos);
}

void TcxControl::ScrollContentInDirection(int direction) {
    if (direction == 0 || !UsesScrollBars() || !hScrollBar_) return;
    const bool horizontal = direction == 1 || direction == 2;
    int pos = (horizontal ? hScrollBar_ : vScrollBar_)->GetPosition();
    TWeakLink<TcxControl> self(this);
    ScrollContent(horizontal ? sbHorizontal : sbVertical, direction == 1 || direction == 3 ? scLineUp : scLineDown,
                  pos);
    if (self) Update();
}

void TcxControl::ScrollWindowContent(int dx, int dy, const TRect& r) {
    HideDragImage();
    try {
        if (HandleAllocated()) ScrollWindowEx(handle_, dx, dy, &r, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
    } catch (...) {
        ShowDragImage();
        throw;
    }
    ShowDragImage();
}

int TcxControl::GetWheelScrollKind() const {
    return VertScrollBarShown() ? 2 : 0;
}

bool TcxControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    TWeakLink<TcxControl> self(this);
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
    if (!self) return true;
    const int kind = GetWheelScrollKind();
    if (kind == 0) return false;
    const int direction = kind == 2 ? (wheelDelta > 0 ? 3 : 4) : (wheelDelta > 0 ? 1 : 2);
    // One line per configured wheel line, whatever the size of the delta.
    const int lines = Mouse ? Mouse->GetWheelScrollLines() : 3;
    for (int i = 0; i < lines && self; ++i)
        ScrollContentInDirection(direction);
    return true;
}

} // namespace zorvy
