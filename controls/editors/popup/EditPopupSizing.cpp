// Resizing an edit popup with the mouse, by its size grip or its frame, and its close button. The
// sizing state is held once for the module: only one popup is sized at a time.
#include "controls/editors/popup/EditPopupWindow.h"

#include "controls/foundation/services/ControlRoutines.h"
#include "platform/gdi/Drawing.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/Windows.h"

#include <algorithm>

namespace zorvy {
namespace {

struct TSizingState {
    bool Active = false;
    bool CursorShown = false;
    bool FromGrip = false;
    int Horz = 0;
    int Vert = 0;
    TPoint Grab{};
    TRect Drawn{};
    TRect Tracked{};
};

TSizingState& Sizing() {
    static TSizingState state;
    return state;
}

} // namespace

bool TcxCustomEditPopupWindow::IsSizing() {
    return Sizing().Active;
}

void TcxCustomEditPopupWindow::DrawTrackingFrame(const TRect& r) {
    TSizingState& s = Sizing();
    const int rings = std::max(2, GetPopupViewInfo()->GetPopupBorderWidth(false));
    auto draw = [rings](TRect frame) {
        frame.Right -= ContainerShadowSize;
        frame.Bottom -= ContainerShadowSize;
        HDC dc = GetDC(0);
        for (int i = 0; i < rings && !IsRectEmpty(frame); ++i) {
            DrawFocusRect(dc, frame);
            InflateRect(frame, -1, -1);
        }
        ReleaseDC(0, dc);
    };
    if (!IsRectEmpty(s.Drawn)) draw(s.Drawn);
    const bool drawNew = s.Active && !IsRectEmpty(r);
    if (drawNew) draw(r);
    s.Drawn = drawNew ? r : TRect{};
    if (!IsRectEmpty(r)) s.Tracked = r;
}

void TcxCustomEditPopupWindow::NotifyClosed() {
    Sizing().Active = false;
    Sizing().CursorShown = false;
    TcxCustomPopupWindow::NotifyClosed();
}

void TcxCustomEditPopupWindow::NotifyClosing() {
    TWeakLink<TcxCustomEditPopupWindow> self(this);
    TcxCustomPopupWindow::NotifyClosing();
    if (self) DrawTrackingFrame(TRect{});
}

void TcxCustomEditPopupWindow::SetCloseButtonState(TcxButtonState state) {
    TcxCustomEditPopupWindowViewInfo* vi = GetPopupViewInfo();
    if (vi->CloseButtonState == state) return;
    vi->CloseButtonState = state;
    InvalidateArea(vi->CloseButtonRect);
}

void TcxCustomEditPopupWindow::SetSizingCursor(int x, int y) {
    int horz = 0, vert = 0;
    if (GetPopupViewInfo()->HitTestSizing(x, y, horz, vert)) {
        Screen->SetCursor(SizingCursor(horz, vert));
        Sizing().CursorShown = true;
    } else if (Sizing().CursorShown) {
        Screen->SetCursor(crDefault);
        Sizing().CursorShown = false;
    }
}

void TcxCustomEditPopupWindow::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomEditPopupWindow> self(this);
    TcxCustomPopupWindow::MouseDown(button, shift, x, y);
    if (!self || button != mbLeft) return;
    TcxCustomEditPopupWindowViewInfo* vi = GetPopupViewInfo();
    if (PtInRect(vi->CloseButtonRect, {x, y}) && vi->CloseButtonState != cxbsPressed) {
        SetCloseButtonState(cxbsPressed);
        return;
    }
    TSizingState& s = Sizing();
    if (!HoldsMouseCapture() || !vi->HitTestSizing(x, y, s.Horz, s.Vert)) return;
    s.Grab = {s.Horz == -1 ? x : GetWidth() - x, s.Vert == -1 ? y : GetHeight() - y};
    s.FromGrip = PtInRect(vi->SizeGripSizingRect, {x, y});
    s.Active = true;
    Screen->SetCursor(SizingCursor(s.Horz, s.Vert));
    DrawTrackingFrame(GetBoundsRect());
}

void TcxCustomEditPopupWindow::MouseMove(TShiftState shift, int x, int y) {
    TcxCustomPopupWindow::MouseMove(shift, x, y);
    if (Sizing().Active) {
        TrackSizing(x, y);
        return;
    }
    TcxCustomEditPopupWindowViewInfo* vi = GetPopupViewInfo();
    const bool over = PtInRect(vi->CloseButtonRect, {x, y});
    if (vi->CloseButtonState != cxbsNormal && !over)
        SetCloseButtonState(cxbsNormal);
    else if (vi->CloseButtonState == cxbsNormal && over &&
             !(shift & (ssLeft | ssRight | ssMiddle | ssShift | ssCtrl | ssAlt)))
        SetCloseButtonState(cxbsHot);
    SetSizingCursor(x, y);
}

void TcxCustomEditPopupWindow::TrackSizing(int x, int y) {
    TSizingState& s = Sizing();
    TcxCustomEditPopupWindowViewInfo* vi = GetPopupViewInfo();
    const TRect current = GetBoundsRect();
    const int width = GetWidth(), height = GetHeight();
    const TPoint g{s.Horz == -1 ? s.Grab.X : width - s.Grab.X, s.Vert == -1 ? s.Grab.Y : height - s.Grab.Y};
    int dx = x - g.X, dy = y - g.Y;
    const TRect& grip = vi->SizeGripSizingRect;
    if (!IsRectEmpty(grip)) {
        // Inside the window, growing follows the pointer only over the grip it was grabbed by.
        if (s.Horz == 1 && dx > 0 && x <= width && !(s.FromGrip && x >= grip.Left && x < grip.Right)) dx = 0;
        if (s.Vert == 1 && dy > 0 && y <= height && !(s.FromGrip && y >= grip.Top && y < grip.Bottom)) dy = 0;
    }
    const std::uint8_t corner = vi->SizeGripCorner;
    if (s.Horz == 0 || s.Horz != GripHorzDirection(corner)) dx = 0;
    if (s.Vert == 0 || s.Vert != GripVertDirection(corner)) dy = 0;
    TRect b = current;
    (s.Horz == -1 ? b.Left : b.Right) += s.Horz == 0 ? 0 : dx;
    (s.Vert == -1 ? b.Top : b.Bottom) += s.Vert == 0 ? 0 : dy;
    int w = b.Width(), h = b.Height();
    CanResize(w, h);
    if (w == width && h == height) return;
    // The edge opposite the grip stays where it is.
    if (GripIsOnLeft(corner))
        b.Left = current.Right - w;
    else
        b.Right = current.Left + w;
    if (GripIsOnTop(corner))
        b.Top = current.Bottom - h;
    else
        b.Bottom = current.Top + h;
    const TRect o = GetOwnerScreenBounds();
    b.Left = std::min(b.Left, o.Right - 1);
    b.Right = std::max(b.Right, o.Left + 1);
    TRect work;
    GetMonitorWorkArea(ClientToScreen({x, y}), work);
    IntersectRect(b, b, work);
    if (b == current) return;
    if (IcxEditPopupWindowOwner* owner = GetOwnerEdit()) owner->PopupSizedByUser();
    DrawTrackingFrame(b);
}

void TcxCustomEditPopupWindow::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomEditPopupWindow> self(this);
    TcxCustomPopupWindow::MouseUp(button, shift, x, y);
    if (!self || button != mbLeft) return;
    TSizingState& s = Sizing();
    if (s.Active) {
        SetMouseCapture(false);
        s.Active = false;
        DrawTrackingFrame(TRect{});
        if (!IsRectEmpty(s.Tracked)) SetBoundsRect(s.Tracked);
        s.Tracked = TRect{};
        UpdateLayout();
        int horz = 0, vert = 0;
        Screen->SetCursor(GetPopupViewInfo()->HitTestSizing(x, y, horz, vert) ? SizingCursor(horz, vert) : crDefault);
        return;
    }
    if (GetPopupViewInfo()->CloseButtonState != cxbsPressed) return;
    if (CloseQuery()) {
        if (IcxEditPopupWindowOwner* owner = GetOwnerEdit()) owner->ClosePopup(crUnknown);
        if (!self || !GetVisible()) return;
    }
    SetCloseButtonState(cxbsHot);
}

void TcxCustomEditPopupWindow::MouseExited(TControl* control) {
    TcxCustomPopupWindow::MouseExited(control);
    SetCloseButtonState(cxbsNormal);
    Screen->SetCursor(crDefault);
}

} // namespace zorvy
