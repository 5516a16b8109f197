#include "platform/classlib/stdctrls/ToolBar.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/Exceptions.h"
#include "platform/classlib/stdctrls/StdPaint.h"

#include <algorithm>

namespace zorvy {

// ---- TToolButton ----

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) {
    ControlStyle = csCaptureMouse | csSetCaption | csDoubleClicks;
    SetBounds(0, 0, 23, 22);
}

TToolBar* TToolButton::GetToolBar() const {
    return dynamic_cast<TToolBar*>(parent_);
}

void TToolButton::SetStyle(TToolButtonStyle value) {
    if (value == style_) return;
    style_ = value;
    if ((value == tbsSeparator || value == tbsDivider) && width_ == 23) width_ = 8;
    RequestAlign();
    Invalidate();
}

void TToolButton::SetImageIndex(int value) {
    imageIndex_ = value;
    Invalidate();
}

void TToolButton::SetWrap(bool value) {
    wrap_ = value;
    RequestAlign();
}

void TToolButton::SetDown(bool value) {
    if (value == down_) return;
    down_ = value;
    if (value && Grouped && style_ == tbsCheck && parent_) {
        // The run of grouped check buttons around this one, in the bar's order.
        std::vector<TToolButton*> buttons;
        for (int i = 0; i < parent_->GetControlCount(); ++i)
            if (auto* b = dynamic_cast<TToolButton*>(parent_->GetControl(i))) buttons.push_back(b);
        auto self = std::find(buttons.begin(), buttons.end(), this);
        auto inRun = [](TToolButton* b) { return b->Grouped && b->style_ == tbsCheck; };
        for (auto it = self; it != buttons.begin() && inRun(*(it - 1)); --it)
            if ((*(it - 1))->down_) (*(it - 1))->down_ = false, (*(it - 1))->Invalidate();
        for (auto it = self + 1; it != buttons.end() && inRun(*it); ++it)
            if ((*it)->down_) (*it)->down_ = false, (*it)->Invalidate();
    }
    Invalidate();
}

void TToolButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TToolButton> self(this);
    TGraphicControl::MouseDown(button, shift, x, y);
    if (!self || button != mbLeft || !enabled_ || style_ == tbsSeparator || style_ == tbsDivider) return;
    press_.Begin();
    Invalidate();
}

void TToolButton::MouseMove(TShiftState shift, int x, int y) {
    TWeakLink<TToolButton> self(this);
    TGraphicControl::MouseMove(shift, x, y);
    if (self && press_.Track(PtInRect(GetClientRect(), {x, y}))) Invalidate();
}

void TToolButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TToolButton> self(this);
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!self || button != mbLeft || !press_.End()) return;
    Invalidate();
    if (!PtInRect(GetClientRect(), {x, y})) return;
    if (style_ == tbsCheck) {
        // A grouped check button that is down stays down.
        if (!(Grouped && down_)) SetDown(!down_);
    }
    Click();
}

void TToolButton::Dispatch(TMessage& m) {
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
        TGraphicControl::Dispatch(m);
        if (m.LParam == 0) {
            mouseInControl_ = m.Msg == CM_MOUSEENTER;
            Invalidate();
        }
        return;
    }
    if (m.Msg == CM_TEXTCHANGED) {
        TGraphicControl::Dispatch(m);
        RequestAlign();
        return;
    }
    TGraphicControl::Dispatch(m);
}

void TToolButton::Paint() {
    TToolBar* bar = GetToolBar();
    TCanvas* c = GetCanvas();
    TRect r = GetClientRect();
    HDC dc = c->GetHandle();
    if (style_ == tbsSeparator || style_ == tbsDivider) {
        if (style_ == tbsDivider || (bar && bar->GetFlat())) {
            TRect line = Rect(r.Width() / 2 - 1, r.Top + 2, r.Width() / 2 + 1, r.Bottom - 2);
            DrawEdge(dc, line, EDGE_ETCHED, BF_LEFT);
        }
        return;
    }
    const bool flat = !bar || bar->GetFlat();
    const bool sunken = press_.Pressed || down_;
    if (sunken && down_ && !press_.Pressed) {
        TRect face = r;
        InflateRect(face, -1, -1);
        c->GetBrush()->SetColor(DownFaceColor(clBtnFace));
        c->FillRect(face);
    }
    if (!flat) {
        TRect edge = r;
        DrawEdge(dc, edge, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    } else if (sunken || (mouseInControl_ && enabled_)) {
        TRect edge = r;
        DrawEdge(dc, edge, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    const int shift = sunken ? 1 : 0;
    TCustomImageList* images = bar ? bar->GetImages() : nullptr;
    const bool showImage = images && imageIndex_ >= 0 && imageIndex_ < images->GetCount();
    const bool showCaption = bar && bar->GetShowCaptions() && !GetText().empty();
    c->SetFont(bar ? bar->GetFont() : GetFont());
    TRect textSize = Rect(0, 0, 0, 0);
    if (showCaption) DrawText(c->GetHandle(), GetText(), textSize, DT_CALCRECT | DT_SINGLELINE);
    const int imageH = showImage ? images->GetHeight() : 0;
    const int gap = showImage && showCaption ? 2 : 0;
    int top = (r.Height() - imageH - gap - textSize.Height()) / 2 + shift;
    if (showImage) {
        images->Draw(c, (r.Width() - images->GetWidth()) / 2 + shift, top, imageIndex_, enabled_);
        top += imageH + gap;
    }
    if (showCaption) {
        c->GetBrush()->SetStyle(bsClear);
        DrawCaption(c, GetText(), Rect(shift, top, r.Width() + shift, top + textSize.Height()),
                    DT_CENTER | DT_SINGLELINE | DT_END_ELLIPSIS, enabled_);
    }
}

// ---- TToolBar ----

TToolBar::TToolBar(TComponent* owner) : TCustomControl(owner) {
    ControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
    color_ = clBtnFace;
    SetBounds(0, 0, 150, 29);
    SetAlign(alTop);
}

TToolBar::~TToolBar() {
    Destroying();
}

void TToolBar::SetButtonWidth(int value) {
    buttonWidth_ = std::max(value, 1);
    Realign();
}

void TToolBar::SetButtonHeight(int value) {
    buttonHeight_ = std::max(value, 1);
    Realign();
}

void TToolBar::SetImages(TCustomImageList* images) {
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    Invalidate();
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == images_) images_ = nullptr;
}

void TToolBar::SetShowCaptions(bool value) {
    showCaptions_ = value;
    Invalidate();
}

void TToolBar::SetFlat(bool value) {
    flat_ = value;
    Invalidate();
}

void TToolBar::SetWrapable(bool value) {
    wrapable_ = value;
    Realign();
}

void TToolBar::SetDrawingStyle(TTBDrawingStyle value) {
    drawingStyle_ = value;
    Invalidate();
}

int TToolBar::GetButtonCount() const {
    int n = 0;
    for (int i = 0; i < GetControlCount(); ++i)
        if (dynamic_cast<TToolButton*>(GetControl(i))) ++n;
    return n;
}

TToolButton* TToolBar::GetButton(int index) const {
    CheckListIndex(index, GetButtonCount());
    for (int i = 0, n = 0; i < GetControlCount(); ++i)
        if (auto* b = dynamic_cast<TToolButton*>(GetControl(i)); b && n++ == index) return b;
    return nullptr;
}

void TToolBar::AlignControls(TControl* control, TRect& rect) {
    TCustomControl::AlignControls(control, rect);
    // Buttons flow left to right in the order they were put on the bar; separators keep their own
    // width (8 pixels unless set).
    const int left = 0, top = 2;
    int x = left, y = top;
    for (int i = 0; i < GetButtonCount(); ++i) {
        TToolButton* b = GetButton(i);
        if (!b->GetVisible()) continue;
        const bool separator = b->GetStyle() == tbsSeparator || b->GetStyle() == tbsDivider;
        const int w = separator ? b->GetWidth() : buttonWidth_;
        if (wrapable_ && x > left && x + w > GetClientWidth()) {
            x = left;
            y += buttonHeight_;
        }
        b->SetBounds(x, y, w, buttonHeight_);
        x += w;
        if (b->GetWrap() && wrapable_) {
            x = left;
            y += buttonHeight_;
        }
    }
}

void TToolBar::Paint() {
    TCanvas* c = GetCanvas();
    const TRect r = GetClientRect();
    c->GetBrush()->SetStyle(bsSolid);
    if (drawingStyle_ == TTBDrawingStyle::dsGradient && r.Height() > 0) {
        const COLORREF from = ColorToRGB(clBtnHighlight), to = ColorToRGB(color_);
        for (int y = r.Top; y < r.Bottom; ++y) {
            auto mix = [&](int shift) {
                const int a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
                return static_cast<std::uint8_t>(a + (b - a) * (y - r.Top) / std::max(1, r.Height() - 1));
            };
            c->GetBrush()->SetColor(static_cast<TColor>(RGB(mix(0), mix(8), mix(16))));
            c->FillRect(Rect(r.Left, y, r.Right, y + 1));
        }
    } else {
        c->GetBrush()->SetColor(color_);
        c->FillRect(r);
    }
}

} // namespace zorvy
