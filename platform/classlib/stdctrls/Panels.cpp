#include "platform/classlib/stdctrls/Panels.h"
#include "platform/gdi/Text.h"
#include "platform/classlib/stdctrls/StdPaint.h"

namespace zorvy {

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    ControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque |
                   csDoubleClicks | csReplicatable | csParentBackground;
    color_ = clBtnFace;
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::FrameChanged() {
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
    if (value == bevelInner_) return;
    bevelInner_ = value;
    FrameChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
    if (value == bevelOuter_) return;
    bevelOuter_ = value;
    FrameChanged();
}

void TCustomPanel::SetBevelWidth(int value) {
    if (value < 1 || value == bevelWidth_) return;
    bevelWidth_ = value;
    FrameChanged();
}

void TCustomPanel::SetBorderStyle(TPanelBorderStyle value) {
    if (value == borderStyle_) return;
    borderStyle_ = value;
    FrameChanged();
}

void TCustomPanel::SetAlignment(TAlignment value) {
    alignment_ = value;
    Invalidate();
}

void TCustomPanel::SetVerticalAlignment(TTextLayout value) {
    verticalAlignment_ = value;
    Invalidate();
}

int TCustomPanel::FrameWidth() const {
    int w = borderStyle_ == pbsSingle ? 1 : 0;
    if (bevelOuter_ != bvNone) w += bevelWidth_;
    if (bevelInner_ != bvNone) w += bevelWidth_;
    return w;
}

void TCustomPanel::AdjustClientRect(TRect& rect) {
    TCustomControl::AdjustClientRect(rect); // the border width
    const int w = FrameWidth();
    InflateRect(rect, -w, -w);
}

void TCustomPanel::CMTextChanged(TMessage& m) {
    TCustomControl::CMTextChanged(m);
    Invalidate();
}

void TCustomPanel::Paint() {
    TCanvas* c = GetCanvas();
    TRect r = GetClientRect();
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(color_);
    c->FillRect(r);
    if (borderStyle_ == pbsSingle) Frame3D(c, r, clWindowFrame, clWindowFrame, 1);
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone) return;
        if (cut == bvSpace) {
            InflateRect(r, -bevelWidth_, -bevelWidth_);
            return;
        }
        const bool raised = cut == bvRaised;
        Frame3D(c, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight,
                bevelWidth_);
    };
    bevel(bevelOuter_);
    InflateRect(r, -GetBorderWidth(), -GetBorderWidth());
    bevel(bevelInner_);
    const std::string caption = GetText();
    if (caption.empty()) return;
    c->SetFont(GetFont());
    c->GetBrush()->SetStyle(bsClear);
    unsigned format = DT_SINGLELINE | DT_EXPANDTABS;
    format |= alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
    format |= verticalAlignment_ == tlCenter ? DT_VCENTER : verticalAlignment_ == tlBottom ? DT_BOTTOM : DT_TOP;
    DrawCaption(c, caption, r, format, enabled_);
}

} // namespace zorvy
