// TcxRegion over the drawing layer's region handles.
#include "controls/foundation/graphics/Region.h"

namespace zorvy {

TcxRegion* TcxRegion::CreateFromRect(const TRect& r) {
    return new TcxRegion(CreateRectRgnIndirect(r));
}

TcxRegion* TcxRegion::CreateFromBounds(int left, int top, int right, int bottom) {
    return new TcxRegion(CreateRectRgn(left, top, right, bottom));
}

TcxRegion* TcxRegion::CreateEmpty() {
    return CreateFromBounds(0, 0, 0, 0);
}

void TcxRegion::ReleaseHandle() {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
}

bool TcxRegion::IsEmptyRegion() const {
    TRect box;
    return !handle_ || GetRgnBox(handle_, box) == NULLREGION;
}

void TcxRegion::CombineWith(TcxRegion* region, TcxRegionOperation operation, bool destroyRegion) {
    static constexpr int modes[] = {RGN_COPY, RGN_OR, RGN_DIFF, RGN_AND};
    if (region && handle_ && operation == roSet)
        CombineRgn(handle_, region->handle_, nullptr, RGN_COPY);
    else if (region && handle_ && operation > roSet && operation <= roIntersect)
        CombineRgn(handle_, handle_, region->handle_, modes[operation]);
    if (destroyRegion) delete region;
}

bool TcxRegion::SameAs(const TcxRegion* region) const {
    if (!region) return false;
    if (IsEmptyRegion() && region->IsEmptyRegion()) return true;
    return SameAsHandle(region->handle_);
}

bool TcxRegion::SameAsHandle(HRGN region) const {
    return handle_ && region && EqualRgn(handle_, region);
}

void TcxRegion::OffsetBy(int dx, int dy) {
    if (handle_) OffsetRgn(handle_, dx, dy);
}

bool TcxRegion::ContainsXY(int x, int y) const {
    return handle_ && PtInRegion(handle_, x, y);
}

TRect TcxRegion::GetBoundsRect() const {
    TRect box;
    if (handle_) GetRgnBox(handle_, box);
    return box;
}

} // namespace zorvy
