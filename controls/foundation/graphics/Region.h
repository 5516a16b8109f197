#pragma once
// TcxRegion: an owned region handle for the clipping arithmetic of painters and controls.
#include "platform/gdi/Region.h"

namespace zorvy {

// Combine operations of TcxRegion::CombineWith and TcxCanvas::ApplyClipRegion.
enum TcxRegionOperation : int { roSet = 0, roAdd = 1, roSubtract = 2, roIntersect = 3 };

class TcxRegion {
  public:
    // Takes ownership of the handle.
    explicit TcxRegion(HRGN region) : handle_(region) {}
    static TcxRegion* CreateFromHandle(HRGN region) { return new TcxRegion(region); }
    static TcxRegion* CreateFromRect(const TRect& r);
    static TcxRegion* CreateFromBounds(int left, int top, int right, int bottom);
    // The rectangle (0, 0, 0, 0).
    static TcxRegion* CreateEmpty();
    TcxRegion(const TcxRegion&) = delete;
    TcxRegion& operator=(const TcxRegion&) = delete;
    ~TcxRegion() { ReleaseHandle(); }

    HRGN GetHandle() const { return handle_; }
    void ReleaseHandle();
    bool IsEmptyRegion() const;
    // Copy, union, difference (this minus region) or intersection; frees region when asked.
    void CombineWith(TcxRegion* region, TcxRegionOperation operation, bool destroyRegion = true);
    bool SameAs(const TcxRegion* region) const;
    bool SameAsHandle(HRGN region) const;
    void OffsetBy(int dx, int dy);
    bool ContainsPoint(TPoint p) const { return ContainsXY(p.X, p.Y); }
    bool ContainsXY(int x, int y) const;
    TRect GetBoundsRect() const;

  private:
    HRGN handle_;
};

} // namespace zorvy
