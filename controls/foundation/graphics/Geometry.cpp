// Rectangle routines and TcxRect.
#include "controls/foundation/graphics/Geometry.h"

namespace zorvy {

TRect ShiftRect(const TRect& r, int dx, int dy) {
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

TRect MakeRect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}

TRect MakeBounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

TRect CenterRectOfSize(const TRect& r, int width, int height) {
    TRect result;
    result.Left = (r.Left + r.Right - width) / 2;
    result.Top = (r.Top + r.Bottom - height) / 2;
    result.Right = result.Left + width;
    result.Bottom = result.Top + height;
    return result;
}

TRect CenterSizeInRect(const TRect& r, TSize size) {
    return CenterRectOfSize(r, size.cx, size.cy);
}

TRect DeflateRectByMargins(const TRect& r, const TRect& margins) {
    return {r.Left + margins.Left, r.Top + margins.Top, r.Right - margins.Right, r.Bottom - margins.Bottom};
}

void ShrinkRectByMargins(TRect& r, const TRect& margins) {
    r = DeflateRectByMargins(r, margins);
}

void TcxRect::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxRect*>(source)) SetRect(other->rect_);
}

void TcxRect::SetRect(const TRect& r) {
    if (r == rect_) return;
    rect_ = r;
    if (OnChange) OnChange(this);
}

int TcxRect::GetValue(int index) const {
    switch (index) {
    case 0:
        return rect_.Left;
    case 1:
        return rect_.Top;
    case 2:
        return rect_.Right;
    default:
        return rect_.Bottom;
    }
}

void TcxRect::SetValue(int index, int value) {
    TRect r = rect_;
    switch (index) {
    case 0:
        r.Left = value;
        break;
    case 1:
        r.Top = value;
        break;
    case 2:
        r.Right = value;
        break;
    default:
        r.Bottom = value;
        break;
    }
    SetRect(r);
}

} // namespace zorvy
