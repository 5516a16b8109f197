#include "platform/classlib/stdctrls/Shapes.h"
#include "platform/classlib/stdctrls/StdPaint.h"

#include <algorithm>

namespace zorvy {

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
    ControlStyle |= csReplicatable;
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape value) {
    shape_ = value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
    style_ = value;
    Invalidate();
}

void TBevel::Paint() {
    TCanvas* c = GetCanvas();
    const TColor first = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor second = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
    const int w = width_, h = height_;
    TBrush* brush = c->GetBrush();
    brush->SetStyle(bsSolid);
    auto line = [&](TRect r, TColor color) {
        brush->SetColor(color);
        c->FillRect(r);
    };
    switch (shape_) {
    case bsBox: {
        TRect r = GetClientRect();
        Frame3D(c, r, first, second, 1);
        break;
    }
    case bsFrame: {
        // Two offset rectangles make the etched frame.
        TRect outer = Rect(0, 0, w - 1, h - 1), inner = Rect(1, 1, w, h);
        Frame3D(c, inner, second, second, 1);
        Frame3D(c, outer, first, first, 1);
        break;
    }
    case bsTopLine:
        line(Rect(0, 0, w, 1), first);
        line(Rect(0, 1, w, 2), second);
        break;
    case bsBottomLine:
        line(Rect(0, h - 2, w, h - 1), first);
        line(Rect(0, h - 1, w, h), second);
        break;
    case bsLeftLine:
        line(Rect(0, 0, 1, h), first);
        line(Rect(1, 0, 2, h), second);
        break;
    case bsRightLine:
        line(Rect(w - 2, 0, w - 1, h), first);
        line(Rect(w - 1, 0, w, h), second);
        break;
    case bsSpacer:
        break;
    }
}

TShape::TShape(TComponent* owner)
    : TGraphicControl(owner), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()) {
    ControlStyle |= csReplicatable;
    pen_->OnChange = [this](TObject*) { Invalidate(); };
    brush_->OnChange = [this](TObject*) { Invalidate(); };
    SetBounds(0, 0, 65, 65);
}

TShape::~TShape() = default;

void TShape::SetShape(TShapeType value) {
    shape_ = value;
    Invalidate();
}

void TShape::Paint() {
    TCanvas* c = GetCanvas();
    c->SetPen(pen_.get());
    c->SetBrush(brush_.get());
    // The pen's width lies inside the bounds.
    const int inset = pen_->GetWidth() / 2;
    int x = inset, y = inset;
    int w = width_ - pen_->GetWidth() + 1, h = height_ - pen_->GetWidth() + 1;
    if (pen_->GetWidth() == 0) w -= 1, h -= 1;
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        const int s = std::min(w, h);
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    switch (shape_) {
    case stRectangle:
    case stSquare:
        c->Rectangle(x, y, x + w, y + h);
        break;
    case stRoundRect:
    case stRoundSquare:
        c->RoundRect(x, y, x + w, y + h, std::min(w, h) / 4, std::min(w, h) / 4);
        break;
    case stEllipse:
    case stCircle:
        c->Ellipse(x, y, x + w, y + h);
        break;
    }
}

} // namespace zorvy
