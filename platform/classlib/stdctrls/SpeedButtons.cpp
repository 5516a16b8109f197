#include "platform/classlib/stdctrls/SpeedButtons.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/classlib/stdctrls/StdPaint.h"

#include <algorithm>

namespace zorvy {

TSpeedButton::TSpeedButton(TComponent* owner)
    : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()) {
    ControlStyle = csCaptureMouse | csDoubleClicks | csOpaque | csSetCaption;
    parentColor_ = true;
    color_ = clBtnFace;
    SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGroupIndex(int value) {
    if (value == groupIndex_) return;
    groupIndex_ = value;
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool value) {
    if (groupIndex_ == 0) value = false;
    if (value == down_) return;
    if (down_ && !allowAllUp_) return;
    down_ = value;
    if (value) UpdateExclusive();
    Invalidate();
}

void TSpeedButton::SetAllowAllUp(bool value) {
    if (value == allowAllUp_) return;
    allowAllUp_ = value;
    if (!parent_) return;
    for (int i = 0; i < parent_->GetControlCount(); ++i)
        if (auto* b = dynamic_cast<TSpeedButton*>(parent_->GetControl(i));
            b && b != this && groupIndex_ && b->groupIndex_ == groupIndex_)
            b->allowAllUp_ = value;
}

void TSpeedButton::UpdateExclusive() {
    if (!parent_ || groupIndex_ == 0 || !down_) return;
    for (int i = 0; i < parent_->GetControlCount(); ++i) {
        auto* b = dynamic_cast<TSpeedButton*>(parent_->GetControl(i));
        if (!b || b == this || b->groupIndex_ != groupIndex_ || !b->down_) continue;
        b->down_ = false;
        b->Invalidate();
    }
}

void TSpeedButton::SetFlat(bool value) {
    if (value == flat_) return;
    flat_ = value;
    Invalidate();
}

void TSpeedButton::SetGlyph(TBitmap* glyph) {
    glyph_->Assign(glyph);
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int value) {
    numGlyphs_ = std::clamp(value, 1, 4);
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value) {
    layout_ = value;
    Invalidate();
}

void TSpeedButton::SetSpacing(int value) {
    spacing_ = value;
    Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TSpeedButton> self(this);
    TGraphicControl::MouseDown(button, shift, x, y);
    if (!self || button != mbLeft || !enabled_) return;
    press_.Begin();
    Invalidate();
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    TWeakLink<TSpeedButton> self(this);
    TGraphicControl::MouseMove(shift, x, y);
    if (self && press_.Track(PtInRect(GetClientRect(), {x, y}))) Invalidate();
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TSpeedButton> self(this);
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!self || button != mbLeft || !press_.End()) return;
    Invalidate();
    if (!PtInRect(GetClientRect(), {x, y})) return;
    if (groupIndex_ != 0) SetDown(!down_);
    Click();
}

void TSpeedButton::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        const bool inside = m.Msg == CM_MOUSEENTER;
        TGraphicControl::Dispatch(m);
        if (m.LParam == 0 && inside != mouseInControl_) {
            mouseInControl_ = inside;
            if (flat_) Invalidate();
        }
        return;
    }
    case CM_ENABLEDCHANGED:
        if (!enabled_) press_.Cancel();
        TGraphicControl::Dispatch(m);
        return;
    default:
        TGraphicControl::Dispatch(m);
    }
}

void TSpeedButton::Paint() {
    TCanvas* c = GetCanvas();
    TRect r = GetClientRect();
    const bool sunken = press_.Pressed || down_;
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(color_);
    c->FillRect(r);
    HDC dc = c->GetHandle();
    if (!flat_) {
        TRect edge = r;
        if (sunken) {
            Frame3D(c, edge, clWindowFrame, clBtnHighlight, 1);
            Frame3D(c, edge, clBtnShadow, cl3DLight, 1);
        } else {
            DrawEdge(dc, edge, EDGE_RAISED, BF_RECT);
        }
    } else if (sunken || (mouseInControl_ && enabled_)) {
        TRect edge = r;
        DrawEdge(dc, edge, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    // A down button shows a light checked face, as a pressed-in toggle does.
    if (down_ && !press_.Pressed) {
        TRect face = r;
        InflateRect(face, -2, -2);
        c->GetBrush()->SetColor(DownFaceColor(color_));
        c->FillRect(face);
    }
    TRect content = r;
    InflateRect(content, -2, -2);
    if (sunken) OffsetRect(content, 1, 1);
    // Glyph: one cell of the strip, chosen by state.
    TSize glyphSize{};
    if (!glyph_->Empty()) glyphSize = {glyph_->GetWidth() / numGlyphs_, glyph_->GetHeight()};
    c->SetFont(GetFont());
    const std::string caption = GetText();
    TRect textRect = Rect(0, 0, 0, 0);
    if (!caption.empty()) DrawText(dc, caption, textRect, DT_CALCRECT | DT_SINGLELINE);
    const bool vertical = layout_ == blGlyphTop || layout_ == blGlyphBottom;
    const int gap = glyphSize.cx && !caption.empty() ? spacing_ : 0;
    const int totalW = vertical ? std::max(glyphSize.cx, textRect.Width()) : glyphSize.cx + gap + textRect.Width();
    const int totalH = vertical ? glyphSize.cy + gap + textRect.Height() : std::max(glyphSize.cy, textRect.Height());
    int x = content.Left + (content.Width() - totalW) / 2;
    int y = content.Top + (content.Height() - totalH) / 2;
    TPoint glyphAt{}, textAt{};
    switch (layout_) {
    case blGlyphLeft:
        glyphAt = {x, content.Top + (content.Height() - glyphSize.cy) / 2};
        textAt = {x + glyphSize.cx + gap, content.Top + (content.Height() - textRect.Height()) / 2};
        break;
    case blGlyphRight:
        textAt = {x, content.Top + (content.Height() - textRect.Height()) / 2};
        glyphAt = {x + textRect.Width() + gap, content.Top + (content.Height() - glyphSize.cy) / 2};
        break;
    case blGlyphTop:
        glyphAt = {content.Left + (content.Width() - glyphSize.cx) / 2, y};
        textAt = {content.Left + (content.Width() - textRect.Width()) / 2, y + glyphSize.cy + gap};
        break;
    case blGlyphBottom:
        textAt = {content.Left + (content.Width() - textRect.Width()) / 2, y};
        glyphAt = {content.Left + (content.Width() - glyphSize.cx) / 2, y + textRect.Height() + gap};
        break;
    }
    if (glyphSize.cx) {
        int cell = 0;
        if (!enabled_ && numGlyphs_ > 1) cell = 1;
        else if (press_.Pressed && numGlyphs_ > 2) cell = 2;
        else if (down_ && numGlyphs_ > 3) cell = 3;
        TRect src = Bounds(cell * glyphSize.cx, 0, glyphSize.cx, glyphSize.cy);
        c->CopyRect(Bounds(glyphAt.X, glyphAt.Y, glyphSize.cx, glyphSize.cy), glyph_->GetCanvas(), src);
    }
    if (!caption.empty()) {
        c->GetBrush()->SetStyle(bsClear);
        DrawCaption(c, caption, Bounds(textAt.X, textAt.Y, textRect.Width() + 1, textRect.Height()),
                    DT_SINGLELINE | DT_LEFT | DT_TOP, enabled_);
    }
}

} // namespace zorvy
