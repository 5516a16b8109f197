#include "platform/classlib/stdctrls/StatusBar.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/FrameControls.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/Exceptions.h"

namespace zorvy {

void TStatusPanel::Changed() {
    if (bar_) bar_->Invalidate();
}

void TStatusPanel::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    Changed();
}

void TStatusPanel::SetWidth(int width) {
    width_ = std::max(width, 0);
    Changed();
}

void TStatusPanel::SetAlignment(TAlignment value) {
    alignment_ = value;
    Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel value) {
    bevel_ = value;
    Changed();
}

int TStatusPanel::GetIndex() const {
    const auto& items = bar_->panels_.items_;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].get() == this) return static_cast<int>(i);
    return -1;
}

TStatusPanel* TStatusPanels::GetItem(int index) const {
    CheckListIndex(index, GetCount());
    return items_[static_cast<std::size_t>(index)].get();
}

TStatusPanel* TStatusPanels::Add() {
    items_.push_back(std::make_unique<TStatusPanel>(bar_));
    bar_->Invalidate();
    return items_.back().get();
}

void TStatusPanels::Delete(int index) {
    CheckListIndex(index, GetCount());
    items_.erase(items_.begin() + index);
    bar_->Invalidate();
}

void TStatusPanels::Clear() {
    items_.clear();
    bar_->Invalidate();
}

TStatusBar::TStatusBar(TComponent* owner) : TCustomControl(owner), panels_(this) {
    ControlStyle = csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
    color_ = clBtnFace;
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

TStatusBar::~TStatusBar() {
    Destroying();
}

void TStatusBar::SetSimplePanel(bool value) {
    simplePanel_ = value;
    Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& text) {
    simpleText_ = text;
    Invalidate();
}

void TStatusBar::SetSizeGrip(bool value) {
    sizeGrip_ = value;
    Invalidate();
}

TRect TStatusBar::PanelRect(int index) const {
    CheckListIndex(index, panels_.GetCount());
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += panels_.GetItem(i)->GetWidth();
    const int right = index == panels_.GetCount() - 1 ? std::max(left, width_) : left + panels_.GetItem(index)->GetWidth();
    // Panels sit 2 pixels below the bar's top edge, as separate sunken fields.
    return Rect(left, 2, right - 2, height_);
}

void TStatusBar::Paint() {
    TCanvas* c = GetCanvas();
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(color_);
    c->FillRect(GetClientRect());
    c->SetFont(GetFont());
    HDC dc = c->GetHandle();
    SetBkMode(dc, TRANSPARENT);
    auto field = [&](TRect r, const std::string& text, TAlignment alignment, TStatusPanelBevel bevel) {
        if (bevel != pbNone) DrawEdge(dc, r, bevel == pbLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        InflateRect(r, -2, -1);
        r.Left += 1;
        const unsigned align = alignment == taCenter ? DT_CENTER : alignment == taRightJustify ? DT_RIGHT : DT_LEFT;
        DrawText(dc, text, r, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    };
    if (simplePanel_ || panels_.GetCount() == 0) {
        field(Rect(0, 2, width_, height_), simplePanel_ ? simpleText_ : GetText(), taLeftJustify,
              simplePanel_ ? pbLowered : pbNone);
    } else {
        for (int i = 0; i < panels_.GetCount(); ++i) {
            const TStatusPanel* p = panels_.GetItem(i);
            TRect r = PanelRect(i);
            if (r.Left >= width_) break;
            field(r, p->GetText(), p->GetAlignment(), p->GetBevel());
        }
    }
    if (sizeGrip_) {
        const int size = std::min(height_ - 2, 14);
        DrawFrameControl(dc, Rect(width_ - size, height_ - size, width_, height_), DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
}

} // namespace zorvy
