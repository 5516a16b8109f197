#include "platform/classlib/stdctrls/Splitters.h"
#include "platform/classlib/stdctrls/StdPaint.h"

#include <algorithm>

namespace zorvy {
namespace {

bool Horizontal(TAlign align) {
    return align == alTop || align == alBottom;
}

} // namespace

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
    ControlStyle = csCaptureMouse;
    SetBounds(0, 0, 3, 100);
    SetAlign(alLeft);
    cursor_ = crHSplit;
}

void TSplitter::SetBeveled(bool value) {
    beveled_ = value;
    Invalidate();
}

TControl* TSplitter::FindControl() const {
    if (!parent_) return nullptr;
    // The control aligned to the same side whose edge touches the splitter's near edge.
    TPoint edge{};
    switch (align_) {
    case alLeft: edge = {left_ - 1, top_}; break;
    case alRight: edge = {left_ + width_, top_}; break;
    case alTop: edge = {left_, top_ - 1}; break;
    case alBottom: edge = {left_, top_ + height_}; break;
    default: return nullptr;
    }
    for (int i = 0; i < parent_->GetControlCount(); ++i) {
        TControl* c = parent_->GetControl(i);
        if (c == this || !c->GetVisible() || c->GetAlign() != align_) continue;
        const TRect r = c->GetBoundsRect();
        const bool hit = Horizontal(align_) ? (edge.Y >= r.Top && edge.Y < r.Bottom)
                                            : (edge.X >= r.Left && edge.X < r.Right);
        if (hit) return c;
    }
    return nullptr;
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TSplitter> self(this);
    TGraphicControl::MouseDown(button, shift, x, y);
    if (!self || button != mbLeft) return;
    TControl* c = FindControl();
    control_ = TWeakLink<TControl>(c);
    if (!c) return;
    downPos_ = ClientToScreen({x, y});
    const bool horizontal = Horizontal(align_);
    startSize_ = horizontal ? c->GetHeight() : c->GetWidth();
    // The most the control may grow: all the room of the client-aligned and unaligned rest, less
    // MinSize for it.
    int room = horizontal ? parent_->GetClientHeight() : parent_->GetClientWidth();
    for (int i = 0; i < parent_->GetControlCount(); ++i) {
        TControl* other = parent_->GetControl(i);
        if (other == c || !other->GetVisible()) continue;
        const TAlign a = other->GetAlign();
        if (horizontal && (a == alTop || a == alBottom)) room -= other->GetHeight();
        if (!horizontal && (a == alLeft || a == alRight)) room -= other->GetWidth();
    }
    maxSize_ = std::max(startSize_, room - minSize_);
}

void TSplitter::MouseMove(TShiftState shift, int x, int y) {
    TWeakLink<TSplitter> self(this);
    TGraphicControl::MouseMove(shift, x, y);
    if (!self || !(shift & ssLeft)) return;
    TControl* c = control_.Get();
    if (!c) return;
    const TPoint p = ClientToScreen({x, y});
    int delta = Horizontal(align_) ? p.Y - downPos_.Y : p.X - downPos_.X;
    if (align_ == alRight || align_ == alBottom) delta = -delta;
    const int size = std::clamp(startSize_ + delta, std::min(minSize_, startSize_), maxSize_);
    if (size == (Horizontal(align_) ? c->GetHeight() : c->GetWidth())) return;
    if (Horizontal(align_))
        c->SetHeight(size);
    else
        c->SetWidth(size);
    if (OnMoved) OnMoved(this);
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    control_ = TWeakLink<TControl>();
}

void TSplitter::Paint() {
    TCanvas* c = GetCanvas();
    TRect r = GetClientRect();
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(parent_ ? parent_->GetColor() : clBtnFace);
    c->FillRect(r);
    if (beveled_) Frame3D(c, r, clBtnHighlight, clBtnShadow, 1);
}

void TSplitter::Dispatch(TMessage& m) {
    // The cursor follows the alignment, which may have changed since the last visit.
    if (m.Msg == CM_MOUSEENTER && m.LParam == 0) cursor_ = Horizontal(align_) ? crVSplit : crHSplit;
    TGraphicControl::Dispatch(m);
}

} // namespace zorvy
