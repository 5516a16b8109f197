#include "controls/foundation/dragdrop/DragImage.h"

#include "controls/foundation/dragdrop/DragAndDrop.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/gdi/Region.h"
#include "platform/win/Painting.h"
#include "platform/win/Windows.h"

namespace zorvy {

// ---- TcxDragImage ----

TcxDragImage::TcxDragImage()
    : image_(std::make_unique<TBitmap>()), imageCanvas_(std::make_unique<TcxCanvas>(image_->GetCanvas())) {
    SetBounds(0, 0, 0, 0);
    SetAlphaBlendValue(180);
    SetAlphaBlend(true);
}

TcxDragImage::~TcxDragImage() = default;

bool TcxDragImage::UsesAlphaBlending() const {
    // Layered windows exist on every display this program runs on.
    return GetAlphaBlend();
}

bool TcxDragImage::IsShowing() const {
    return HandleAllocated() && IsWindowVisible(handle_);
}

void TcxDragImage::SetShowing(bool value) {
    if (value == IsShowing()) return;
    if (value)
        ShowWithoutActivation();
    else
        HideWindow();
}

void TcxDragImage::InitializeFrom(const TRect& bounds, TPoint hotSpot) {
    SetBounds(GetLeft(), GetTop(), bounds.Width(), bounds.Height());
    hotSpot_ = {hotSpot.X - bounds.Left, hotSpot.Y - bounds.Top};
}

void TcxDragImage::MoveTo(TPoint p) {
    HandleNeeded();
    SetBounds(p.X - hotSpot_.X, p.Y - hotSpot_.Y, GetWidth(), GetHeight());
}

void TcxDragImage::SetBounds(int left, int top, int width, int height) {
    TcxPopupWindow::SetBounds(left, top, width, height);
    if (image_ && (image_->GetWidth() != GetWidth() || image_->GetHeight() != GetHeight()))
        image_->SetSize(GetWidth(), GetHeight());
}

void TcxDragImage::ShowWithoutActivation() {
    HandleNeeded();
    ShowWindow(handle_, SW_SHOWNA);
    Repaint();
}

void TcxDragImage::HideWindow() {
    if (HandleAllocated()) ShowWindow(handle_, SW_HIDE);
}

void TcxDragImage::CreateParams(TCreateParams& params) {
    TcxPopupWindow::CreateParams(params);
    params.classStyle |= CS_SAVEBITS;
}

void TcxDragImage::Paint() {
    TcxPopupWindow::Paint();
    GetCanvas()->Draw(0, 0, image_.get());
}

void TcxDragImage::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_ERASEBKGND:
        m.Result = 1;
        break;
    case WM_NCHITTEST:
        m.Result = HTTRANSPARENT; // the pointer falls through to the window below
        break;
    default:
        TcxPopupWindow::Dispatch(m);
        break;
    }
}

// ---- TcxDragAndDropArrow ----

TcxDragAndDropArrow::TcxDragAndDropArrow(bool transparent) : transparent_(transparent) {
    SetAlphaBlend(false);
    if (UsesColorKeyTransparency()) {
        SetTransparentColorValue(GetTransparentKeyColor());
        SetTransparentColor(true);
    }
}

bool TcxDragAndDropArrow::UsesColorKeyTransparency() const {
    return transparent_;
}

void TcxDragAndDropArrow::PlaceArrow(TControl* control, const TRect& targetRect, int place, const TRect& clipRect) {
    TRect r = CalcArrowRect(targetRect, clipRect, place);
    if (control) {
        const TPoint topLeft = control->ClientToScreen({r.Left, r.Top});
        const TPoint bottomRight = control->ClientToScreen({r.Right, r.Bottom});
        r = {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
    }
    place_ = place;
    HandleNeeded();
    SetBounds(r.Left, r.Top, r.Width(), r.Height());
    PaintArrowImage();
    if (!UsesColorKeyTransparency()) ApplyArrowRegion();
}

void TcxDragAndDropArrow::PaintArrowImage() {
    GetImageCanvas()->FillRectSolid(Rect(0, 0, GetWidth(), GetHeight()), GetTransparentKeyColor());
    PaintDragAndDropArrow(GetImageCanvas(), Rect(0, 0, GetWidth(), GetHeight()), place_);
    Invalidate();
}

void TcxDragAndDropArrow::ApplyArrowRegion() {
    const auto points = BuildArrowPolygon(Rect(0, 0, GetWidth(), GetHeight()), place_, 1);
    HRGN shape = CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING);
    SetWindowRgn(handle_, &shape->region, true);
    DeleteObject(shape);
}

void PaintDragAndDropArrow(TcxCanvas* canvas, const TRect& r, int place) {
    const auto points = BuildArrowPolygon(r, place, 0);
    TCanvas* c = canvas->GetCanvas();
    c->GetBrush()->SetColor(clLime);
    c->GetPen()->SetColor(clBlack);
    canvas->PaintPolygon(points);
}

} // namespace zorvy
