// The abstract cell: parameters, placement, cached rectangles, borders, text metrics, state with
// mouse tracking and capture, drop-down ownership, hit tests and the painting entry.
#include "controls/grid/view/CellViewInfo.h"

#include "controls/foundation/control/Control.h"
#include "controls/grid/view/CellPainter.h"

#include <algorithm>

namespace zorvy {

TcxCustomGridCellViewInfo::~TcxCustomGridCellViewInfo() {
    destroying_ = true;
    if (hitTest_) hitTest_->SetViewInfo(nullptr);
    if (TcxCustomGridPopup* popup = GetDropDownWindow())
        if (popup->IsOpen() && popup->GetGridOwner() == this) popup->SetGridOwner(nullptr);
    SetMouseCapture(false);
    state_ = gcsNone;
    StopMouseTracking(this);
}

void TcxCustomGridCellViewInfo::AfterConstruction() {
    if (!CanAdoptDropDownWindow() || ClosePopupOnOwnerRemoval()) return;
    TcxCustomGridPopup* popup = GetDropDownWindow();
    if (popup && popup->IsOpen() && IsDropDownWindowFree()) {
        popup->SetGridOwner(this);
        state_ = gcsPressed;
    }
}

// ---- state ----

void TcxCustomGridCellViewInfo::SetState(TcxCustomGridCellState value) {
    if (state_ == value) return;
    const TcxCustomGridCellState prev = state_;
    BeforeStateChange();
    state_ = value;
    StateChanged(prev);
}

TcxButtonState TcxCustomGridCellViewInfo::GetButtonState() const {
    switch (GetState()) {
    case gcsHot:
        return cxbsHot;
    case gcsPressed:
        return cxbsPressed;
    default:
        return cxbsNormal;
    }
}

void TcxCustomGridCellViewInfo::StateChanged(TcxCustomGridCellState) {
    if (InvalidateOnStateChange()) Invalidate();
    if (state_ == gcsNone) {
        StopMouseTracking(this);
    } else if (state_ == gcsHot) {
        if (TcxControl* control = GetControl()) StartMouseTracking(control, Bounds, this);
    }
    if (CaptureMouseOnPress() && state_ == gcsPressed) SetMouseCapture(true);
    if (state_ == gcsPressed && HasDropDownWindow()) ShowDropDownWindow();
}

void TcxCustomGridCellViewInfo::CaptureLost() {
    SetState(gcsNone);
}

void TcxCustomGridCellViewInfo::MouseLeave() {
    if (GetMouseCapture()) return;
    if (state_ == gcsHot || (state_ == gcsPressed && !HasDropDownWindow())) SetState(gcsNone);
}

bool TcxCustomGridCellViewInfo::PtInCaller(TPoint p) {
    return PtInCellBounds(p);
}

bool TcxCustomGridCellViewInfo::GetMouseCapture() {
    TcxControl* control = GetControl();
    return control && control->GetMouseCaptureObject() == this;
}

void TcxCustomGridCellViewInfo::SetMouseCapture(bool value) {
    TcxControl* control = GetControl();
    if (!control || value == GetMouseCapture()) return;
    control->SetMouseCaptureObject(value ? this : nullptr);
}

// ---- drop-down window ----

void TcxCustomGridCellViewInfo::ShowDropDownWindow() {
    TcxCustomGridPopup* popup = GetDropDownWindow();
    if (!popup || (popup->IsOpen() && popup->GetGridOwner() == this)) return;
    popup->SetGridOwner(this);
    popup->Popup();
}

bool TcxCustomGridCellViewInfo::IsDropDownWindowFree() {
    TcxCustomGridPopup* popup = GetDropDownWindow();
    return popup && !popup->GetGridOwner();
}

// ---- parameters and placement ----

void TcxCustomGridCellViewInfo::EnsureCalculated() {
    if (parametersCalculated_ || calculatingParams_) return;
    calculatingParams_ = true;
    try {
        CalculateParams();
    } catch (...) {
        calculatingParams_ = false;
        parametersCalculated_ = true;
        throw;
    }
    calculatingParams_ = false;
    parametersCalculated_ = true;
}

void TcxCustomGridCellViewInfo::CalculateParams() {
    alignmentHorz_ = CalculateAlignmentHorz();
    alignmentVert_ = CalculateAlignmentVert();
    GetViewParams(ViewParams);
    Borders = CalculateBorders();
    Text = CalculateText();
    multiLine_ = CalculateMultiLine();
    multiLinePainting_ = CalculateMultiLinePainting();
    SetWidth(CalculateWidth());
}

void TcxCustomGridCellViewInfo::Calculate(int left, int top, int width, int height) {
    EnsureCalculated();
    if (width == -1) width = CalculateWidth();
    if (height == -1) height = CalculateHeight();
    Bounds = TRect{left, top, left + width, top + height};
    ResetCachedBounds(Bounds);
    calculated_ = true;
}

void TcxCustomGridCellViewInfo::CalculateFromBounds(const TRect& r) {
    Calculate(r.Left, r.Top, std::max(0, r.Right - r.Left), std::max(0, r.Bottom - r.Top));
}

void TcxCustomGridCellViewInfo::Recalculate() {
    BeforeRecalculation();
    CalculateFromBounds(Bounds);
}

void TcxCustomGridCellViewInfo::RecalculateAndInvalidate() {
    Recalculate();
    Invalidate();
}

void TcxCustomGridCellViewInfo::Offset(int dx, int dy) {
    DoOffset(dx, dy);
    state_ = gcsNone;
    MouseLeave();
}

void TcxCustomGridCellViewInfo::DoOffset(int dx, int dy) {
    OffsetRect(Bounds, dx, dy);
    if (!IsRectEmpty(contentBounds_)) OffsetRect(contentBounds_, dx, dy);
    if (!IsRectEmpty(textAreaBounds_)) OffsetRect(textAreaBounds_, dx, dy);
}

void TcxCustomGridCellViewInfo::ResetCachedBounds(const TRect&) {
    contentBounds_ = TRect{};
    textAreaBounds_ = TRect{};
}

// ---- rectangles ----

TRect TcxCustomGridCellViewInfo::GetContentBounds() {
    if (IsRectEmpty(contentBounds_)) contentBounds_ = CalculateContentBounds();
    return contentBounds_;
}

TRect TcxCustomGridCellViewInfo::GetTextAreaBounds() {
    if (IsRectEmpty(textAreaBounds_)) textAreaBounds_ = CalculateTextAreaBounds();
    return textAreaBounds_;
}

TRect TcxCustomGridCellViewInfo::CalculateContentBounds() {
    TRect r = Bounds;
    r.Left += GetBorderWidth(bLeft);
    r.Top += GetBorderWidth(bTop);
    r.Right -= GetBorderWidth(bRight);
    r.Bottom -= GetBorderWidth(bBottom);
    return r;
}

int TcxCustomGridCellViewInfo::GetBorderWidth(TcxBorder side) {
    return (Borders & cxBorder(side)) ? GetSideBorderWidth(side) : 0;
}

TRect TcxCustomGridCellViewInfo::GetBorderBounds(TcxBorder side) {
    TRect r = GetContentBounds();
    const int width = GetBorderWidth(side);
    switch (side) {
    case bLeft:
        r.Right = r.Left;
        r.Left -= width;
        break;
    case bTop:
        r.Bottom = r.Top;
        r.Top -= width;
        break;
    case bRight:
        r.Left = r.Right;
        r.Right += width;
        break;
    case bBottom:
        r.Top = r.Bottom;
        r.Bottom += width;
        break;
    }
    // Vertical borders cover the corners.
    if (side == bLeft || side == bRight) {
        if (Borders & cxBorder(bTop)) r.Top -= GetBorderWidth(bTop);
        if (Borders & cxBorder(bBottom)) r.Bottom += GetBorderWidth(bBottom);
    }
    return r;
}

TRect TcxCustomGridCellViewInfo::GetDesignSelectionBounds() {
    TRect r = Bounds;
    InflateRect(r, -1, -1);
    return r;
}

int TcxCustomGridCellViewInfo::GetTextAreaHeight() {
    const TRect r = GetTextAreaBounds();
    return r.Bottom - r.Top;
}

int TcxCustomGridCellViewInfo::GetTextAreaWidth() {
    const TRect r = GetTextAreaBounds();
    return r.Right - r.Left;
}

int TcxCustomGridCellViewInfo::GetWidthWithBorders() {
    return GetBorderWidth(bLeft) + GetTextWidth() + 4 + GetBorderWidth(bRight);
}

bool TcxCustomGridCellViewInfo::PtInCellBounds(TPoint p) {
    const TRect clip = GetClipBounds();
    if (IsRectEmpty(clip)) return PtInRect(Bounds, p);
    TRect r;
    return IntersectRect(r, Bounds, clip) && PtInRect(r, p);
}

// ---- text ----

TRect TcxCustomGridCellViewInfo::GetTextBounds() {
    TRect r = GetTextAreaBounds();
    InflateRect(r, -2, -2);
    return r;
}

int TcxCustomGridCellViewInfo::GetTextAttributes(bool forPainting) {
    static constexpr int horz[] = {ctfAlignLeft, ctfAlignRight, ctfAlignHCenter};
    static constexpr int vert[] = {ctfAlignTop, ctfAlignBottom, ctfAlignVCenter};
    int flags = horz[alignmentHorz_] + vert[alignmentVert_];
    const bool wordBreak = forPainting ? multiLinePainting_ : multiLine_;
    flags += wordBreak ? ctfWordBreak : ctfSingleLine;
    if (ShowEndEllipsis()) flags += ctfShowEndEllipsis;
    return flags;
}

void TcxCustomGridCellViewInfo::MeasureText(TRect& r, int flags, int fontAngle) {
    TcxCanvas* canvas = GetCanvas();
    if (!canvas) {
        r = TRect{};
        return;
    }
    canvas->AssignFont(ViewParams.Font ? ViewParams.Font : canvas->CurrentFont());
    if (fontAngle) canvas->SetFontAngle(fontAngle);
    canvas->MeasureTextRect(GetText(), r, flags);
    if (fontAngle) canvas->SetFontAngle(0);
}

int TcxCustomGridCellViewInfo::GetTextWidth(int fontAngle) {
    EnsureCalculated();
    TRect r{0, 0, 0x3FFFFFFF, 0x3FFFFFFF};
    const int flags = (GetTextAttributes(false) & ~(ctfAlignRight | ctfAlignHCenter | ctfAlignVCenter)) | ctfAlignLeft;
    MeasureText(r, flags, fontAngle);
    return r.Right - r.Left;
}

int TcxCustomGridCellViewInfo::GetTextHeight(int fontAngle) {
    EnsureCalculated();
    TRect r = GetTextBounds();
    const int flags = (GetTextAttributes(false) & ~(ctfAlignBottom | ctfAlignVCenter)) | ctfAlignTop;
    MeasureText(r, flags, fontAngle);
    return r.Bottom - r.Top;
}

void TcxCustomGridCellViewInfo::GetAlignedTextBounds(bool horz, bool vert, TRect& r) {
    r = GetTextBounds();
    if (horz) {
        const int width = GetTextWidth();
        if (!(multiLinePainting_ && width > r.Right - r.Left)) {
            switch (alignmentHorz_) {
            case taLeftJustify:
                r.Right = r.Left + width;
                break;
            case taRightJustify:
                r.Left = r.Right - width;
                break;
            case taCenter:
                r.Left = (r.Left + r.Right - width) / 2;
                r.Right = r.Left + width;
                break;
            }
        }
    }
    if (vert) {
        const int height = GetTextHeight();
        switch (alignmentVert_) {
        case vaTop:
            r.Bottom = r.Top + height;
            break;
        case vaBottom:
            r.Top = r.Bottom - height;
            break;
        case vaCenter:
            r.Top = (r.Top + r.Bottom - height) / 2;
            r.Bottom = r.Top + height;
            break;
        }
    }
}

int TcxCustomGridCellViewInfo::GetHeightForText(TcxCustomGridViewInfo* viewInfo, int extra) {
    EnsureCalculated();
    // One line of text is as high as the font makes it, whatever the text.
    const int textHeight = multiLine_ || !viewInfo ? GetTextHeight() : viewInfo->GetTextHeight(ViewParams.Font);
    return CalculateHeightForTextHeight(textHeight) + extra;
}

// ---- custom draw ----

void TcxCustomGridCellViewInfo::BeforeCustomDraw(TcxCanvas* canvas) {
    canvas->ApplyViewParams(ViewParams);
}

void TcxCustomGridCellViewInfo::AfterCustomDraw(TcxCanvas* canvas) {
    ViewParams.Color = canvas->CurrentBrush()->GetColor();
    ViewParams.Font = canvas->CurrentFont();
    ViewParams.TextColor = canvas->CurrentFont()->GetColor();
}

bool TcxCustomGridCellViewInfo::CustomDraw(TcxCanvas* canvas) {
    if (!HasCustomDraw()) return false;
    BeforeCustomDraw(canvas);
    const bool drawn = DoCustomDraw(canvas);
    if (!drawn) AfterCustomDraw(canvas);
    return drawn;
}

bool TcxCustomGridCellViewInfo::CustomDrawBackground(TcxCanvas* canvas) {
    if (!HasCustomDrawBackground()) return false;
    BeforeCustomDraw(canvas);
    const bool drawn = DoCustomDrawBackground(canvas);
    if (!drawn) AfterCustomDraw(canvas);
    return drawn;
}

// ---- hit tests and mouse ----

TcxCustomGridHitTest* TcxCustomGridCellViewInfo::GetHitTest(TPoint p) {
    if (!GetVisibleForHitTest() || !HasPoint(p)) return nullptr;
    const TMetaClass* cls = GetHitTestClass();
    if (!cls) return nullptr;
    TcxCustomGridHitTest* hitTest = TcxCustomGridHitTest::GetInstance(cls, p);
    InitHitTest(hitTest);
    return hitTest;
}

bool TcxCustomGridCellViewInfo::IsHitTestOwn(TcxCustomGridHitTest* hitTest) {
    const TMetaClass* cls = GetHitTestClass();
    return hitTest && cls && hitTest->InheritsFrom(cls);
}

void TcxCustomGridCellViewInfo::InitHitTest(TcxCustomGridHitTest* hitTest) {
    hitTest->SetViewInfo(this);
}

void TcxCustomGridCellViewInfo::DoInvalidate() {
    if (TcxControl* control = GetControl()) control->InvalidateArea(Bounds, false);
}

bool TcxCustomGridCellViewInfo::MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState) {
    if (button != mbLeft || !CanPress() || !IsHitTestOwn(hitTest)) return false;
    if (HasDropDownWindow()) {
        if (state_ == gcsHot)
            SetState(gcsPressed);
        else if (state_ == gcsPressed)
            SetState(gcsHot);
    } else {
        SetState(gcsPressed);
    }
    return true;
}

bool TcxCustomGridCellViewInfo::MouseMove(TcxCustomGridHitTest* hitTest, TShiftState) {
    if (!CanPress()) return false;
    const bool own = IsHitTestOwn(hitTest);
    if (HasDropDownWindow()) {
        if (state_ != gcsPressed) SetState(own ? gcsHot : gcsNone);
    } else if (own) {
        SetState(GetMouseCapture() ? gcsPressed : gcsHot);
    } else {
        SetState(GetMouseCapture() ? gcsHot : gcsNone);
    }
    return true;
}

bool TcxCustomGridCellViewInfo::MouseUp(TcxCustomGridHitTest*, TMouseButton button, TShiftState) {
    if (button != mbLeft || HasDropDownWindow()) return false;
    const bool wasPressed = state_ == gcsPressed;
    SetState(gcsNone);
    if (wasPressed) Click();
    return wasPressed;
}

// ---- painting ----

TcxCustomGridCellPainterClass TcxCustomGridCellViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxCustomGridCellPainter>();
}

void TcxCustomGridCellViewInfo::Paint(TcxCanvas* canvas) {
    if (!GetVisibleForPainting()) return;
    TcxCustomGridCellPainterClass painterClass = GetPainterClass();
    if (!painterClass) return;
    std::unique_ptr<TcxCustomGridCellPainter> painter(painterClass(canvas ? canvas : GetCanvas(), this));
    painter->PaintAll();
}

} // namespace zorvy
