#include "controls/foundation/popup/PopupWindow.h"

#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/Windows.h"

#include <algorithm>

namespace zorvy {
namespace {

struct TPlacement {
    TPoint p;
    TPoint anchor;
};

// Steps 1 to 3: the position on the chosen sides, and the anchor point that picks the monitor.
TPlacement Place(const TRect& o, int w, int h, TcxPopupHorzAlign horz, TcxPopupVertAlign vert,
                 TcxPopupOpenDirection direction) {
    TPlacement r{};
    if (horz == phaCenter) r.p.X = r.anchor.X = (o.Left + o.Right - w) / 2;
    if (vert == pvaCenter) r.p.Y = r.anchor.Y = (o.Top + o.Bottom - h) / 2;
    const bool vertical = direction == pdirVertical;
    if (horz == phaLeft) {
        r.p.X = vertical ? o.Left : o.Left - w;
        r.anchor.X = o.Left;
    } else if (horz == phaRight) {
        r.p.X = vertical ? o.Right - w : o.Right;
        r.anchor.X = o.Right;
    }
    if (vert == pvaTop) {
        r.p.Y = vertical ? o.Top - h : o.Top;
        r.anchor.Y = o.Top;
    } else if (vert == pvaBottom) {
        r.p.Y = vertical ? o.Bottom : o.Bottom - h;
        r.anchor.Y = o.Bottom;
    }
    return r;
}

// Ends at the far edge when it passes it, then starts at the near edge when before it: the near edge
// wins for a popup larger than the work area.
int Clamp(int pos, int size, int nearEdge, int farEdge) {
    if (pos + size > farEdge) pos = farEdge - size;
    if (pos < nearEdge) pos = nearEdge;
    return pos;
}

} // namespace

TPoint ComputePopupPosition(const TRect& o, int w, int h, TcxPopupHorzAlign horz, TcxPopupVertAlign vert,
                            TcxPopupOpenDirection direction) {
    TPlacement pl = Place(o, w, h, horz, vert, direction);
    TRect work;
    GetMonitorWorkArea(pl.anchor, work);
    if (direction == pdirVertical) {
        const bool moreRoomAbove = o.Top - work.Top > work.Bottom - o.Bottom;
        if (vert == pvaBottom && pl.p.Y + h > work.Bottom && moreRoomAbove)
            vert = pvaTop;
        else if (vert == pvaTop && pl.p.Y < work.Top && !moreRoomAbove)
            vert = pvaBottom;
    } else {
        const bool moreRoomLeft = o.Left - work.Left > work.Right - o.Right;
        if (horz == phaRight && pl.p.X + w > work.Right && moreRoomLeft)
            horz = phaLeft;
        else if (horz == phaLeft && pl.p.X < work.Left && !moreRoomLeft)
            horz = phaRight;
    }
    pl = Place(o, w, h, horz, vert, direction);
    // Across the opening side and in a centred direction the popup is kept inside; in the opening
    // direction it is only flipped.
    if (direction == pdirVertical || horz == phaCenter) pl.p.X = Clamp(pl.p.X, w, work.Left, work.Right);
    if (direction == pdirHorizontal || vert == pvaCenter) pl.p.Y = Clamp(pl.p.Y, h, work.Top, work.Bottom);
    return pl.p;
}

TcxPopupWindow::TcxPopupWindow() : TForm(nullptr), canvasWrapper_(std::make_unique<TcxCanvas>(GetCanvas())) {
    SetBorderStyle(bsNone);
    SetFormStyle(fsStayOnTop);
    SetVisible(false);
}

TcxPopupWindow::~TcxPopupWindow() = default;

void TcxPopupWindow::SetFrameStyle(TcxPopupFrameStyle value) {
    RestoreChildPositions();
    frameStyle_ = value;
}

int TcxPopupWindow::GetFrameWidth(int) const {
    switch (frameStyle_) {
    case pfsSingle:
    case pfs3D:
        return 1;
    case pfsDouble3D:
        return 2;
    default:
        return 0;
    }
}

int TcxPopupWindow::GetSideBorderWidth(int side) const {
    return GetFrameWidth(side) + ExtraBorderSpace;
}

TRect TcxPopupWindow::GetContentRect() const {
    TRect r = GetClientRect();
    r.Left += GetSideBorderWidth(0);
    r.Top += GetSideBorderWidth(1);
    r.Right -= GetSideBorderWidth(2);
    r.Bottom -= GetSideBorderWidth(3);
    return r;
}

TRect TcxPopupWindow::GetOwnerScreenBounds() const {
    TControl* parent = GetAnchorParent();
    const TPoint topLeft = parent->ClientToScreen({AnchorBounds.Left, AnchorBounds.Top});
    const TPoint bottomRight = parent->ClientToScreen({AnchorBounds.Right, AnchorBounds.Bottom});
    return {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

TPoint TcxPopupWindow::ComputePosition() const {
    return ComputePopupPosition(GetOwnerScreenBounds(), GetWidth(), GetHeight(), HorzAlignment, VertAlignment,
                                OpenDirection);
}

void TcxPopupWindow::InitializePopup() {
    if (TControl* parent = GetAnchorParent()) SetFont(parent->GetFont());
}

void TcxPopupWindow::FitSizeToContent() {
    if (!FitsContent) return;
    const int left = GetSideBorderWidth(0), top = GetSideBorderWidth(1);
    int right = 0, bottom = 0;
    const int count = GetControlCount();
    for (int i = 0; i < count; ++i) {
        TControl* c = GetControl(i);
        right = std::max(right, c->GetLeft() + c->GetWidth());
        bottom = std::max(bottom, c->GetTop() + c->GetHeight());
        c->SetBounds(c->GetLeft() + left, c->GetTop() + top, c->GetWidth(), c->GetHeight());
    }
    if (count == 0) return;
    SetBounds(GetLeft(), GetTop(), left + right + GetSideBorderWidth(2), top + bottom + GetSideBorderWidth(3));
}

void TcxPopupWindow::RestoreChildPositions() {
    const int left = GetSideBorderWidth(0), top = GetSideBorderWidth(1);
    for (int i = 0; i < GetControlCount(); ++i) {
        TControl* c = GetControl(i);
        c->SetBounds(c->GetLeft() - left, c->GetTop() - top, c->GetWidth(), c->GetHeight());
    }
}

void TcxPopupWindow::ShowPopup() {
    InitializePopup();
    FitSizeToContent();
    const TPoint p = ComputePosition();
    SetBounds(p.X, p.Y, GetWidth(), GetHeight());
    Show();
}

void TcxPopupWindow::ClosePopup() {
    Hide();
}

void TcxPopupWindow::DrawFrame() {
    TRect r = Rect(0, 0, GetWidth(), GetHeight());
    switch (frameStyle_) {
    case pfsSingle:
        canvasWrapper_->FrameRectSides(r, FrameLineColor);
        break;
    case pfs3D:
        canvasWrapper_->PaintEdge3D(r, false, false);
        break;
    case pfsDouble3D:
        canvasWrapper_->PaintEdge3D(r, false, true);
        InflateRect(r, -1, -1);
        canvasWrapper_->PaintEdge3D(r, false, false);
        break;
    default:
        break;
    }
}

void TcxPopupWindow::Paint() {
    TForm::Paint();
    DrawFrame();
}

void TcxPopupWindow::Deactivate() {
    TWeakLink<TcxPopupWindow> self(this);
    TForm::Deactivate();
    // Hiding an active popup deactivates it once more; that second notice finds it closed.
    if (self && GetVisible()) ClosePopup();
}

void TcxPopupWindow::WMActivate(TMessage& m) {
    TWeakLink<TcxPopupWindow> self(this);
    TForm::WMActivate(m);
    if (!self || LoWord(m.WParam) == WA_INACTIVE) return;
    previousActive_ = static_cast<HWND>(m.LParam);
    if (previousActive_ && IsWindow(previousActive_)) SendMessage(previousActive_, WM_NCACTIVATE, 1);
}

void TcxPopupWindow::HandleWmActivateApp(TMessage& m) {
    TWeakLink<TcxPopupWindow> self(this);
    DefaultHandler(m);
    if (!self || m.WParam != 0) return;
    if (previousActive_ && IsWindow(previousActive_)) SendMessage(previousActive_, WM_NCACTIVATE, 0);
    if (self) ClosePopup();
}

void TcxPopupWindow::CMVisibleChanged(TMessage& m) {
    TWeakLink<TcxPopupWindow> self(this);
    TForm::CMVisibleChanged(m);
    if (self) VisibleStateChanged();
}

void TcxPopupWindow::Dispatch(TMessage& m) {
    if (m.Msg == WM_ACTIVATEAPP)
        HandleWmActivateApp(m);
    else
        TForm::Dispatch(m);
}

} // namespace zorvy
