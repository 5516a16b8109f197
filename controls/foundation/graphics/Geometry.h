#pragma once
// Rectangle routines every painter uses, and TcxRect, a persistent rectangle that reports changes.
#include "platform/gdi/Geometry.h"
#include "platform/classlib/GraphicsObjects.h"

namespace zorvy {

inline int RectWidth(const TRect& r) {
    return r.Right - r.Left;
}
inline int RectHeight(const TRect& r) {
    return r.Bottom - r.Top;
}
inline bool RectsEqual(const TRect& a, const TRect& b) {
    return a == b;
}
inline bool RectSizesEqual(const TRect& a, const TRect& b) {
    return RectWidth(a) == RectWidth(b) && RectHeight(a) == RectHeight(b);
}
TRect ShiftRect(const TRect& r, int dx, int dy);
TRect MakeRect(int left, int top, int right, int bottom);
TRect MakeBounds(int left, int top, int width, int height);
// A rectangle of the size centred in r (truncating division, so halves go left and up).
TRect CenterRectOfSize(const TRect& r, int width, int height);
TRect CenterSizeInRect(const TRect& r, TSize size);
TRect DeflateRectByMargins(const TRect& r, const TRect& margins);
void ShrinkRectByMargins(TRect& r, const TRect& margins);

class TcxRect : public TPersistent {
    ZORVY_CLASS(TcxRect, TPersistent)
  public:
    explicit TcxRect(TPersistent* owner) : owner_(owner) {}
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override { return owner_; }

    const TRect& GetRect() const { return rect_; }
    // Fires OnChange when the rectangle differs.
    void SetRect(const TRect& r);
    // 0 Left, 1 Top, 2 Right, any higher index Bottom.
    int GetValue(int index) const;
    void SetValue(int index, int value);
    int GetLeft() const { return rect_.Left; }
    int GetTop() const { return rect_.Top; }
    int GetRight() const { return rect_.Right; }
    int GetBottom() const { return rect_.Bottom; }
    void SetLeft(int v) { SetValue(0, v); }
    void SetTop(int v) { SetValue(1, v); }
    void SetRight(int v) { SetValue(2, v); }
    void SetBottom(int v) { SetValue(3, v); }
    bool IsEqual(const TRect& r) const { return RectsEqual(rect_, r); }

    TNotifyEvent OnChange;

  private:
    TPersistent* owner_;
    TRect rect_;
};

} // namespace zorvy
