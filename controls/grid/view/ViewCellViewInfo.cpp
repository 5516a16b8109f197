// The view cell (its canvas and control are the view's site; hot tracking under a resting mouse;
// hints over truncated text) and the design-time selector.
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "controls/foundation/painters/StandardPainters.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/view/CellPainter.h"
#include "controls/grid/view/CellViewInfo.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/GridSite.h"
#include "controls/grid/view/ViewController.h"
#include "controls/grid/view/ViewInfo.h"
#include "platform/gdi/Region.h"

namespace zorvy {

// ---- view cell ----

TcxCustomGridViewCellViewInfo::~TcxCustomGridViewCellViewInfo() {
    BeginDestruction();
    gridViewInfo_->RemoveLiveCell(this, true);
    if (TcxCustomGridController* controller = GetController())
        if (controller->GetHintCell() == this) controller->HideHint();
}

TcxCustomGridView* TcxCustomGridViewCellViewInfo::GetGridView() const {
    return gridViewInfo_->GetGridView();
}

TcxCustomGridController* TcxCustomGridViewCellViewInfo::GetController() const {
    return GetGridView()->GetController();
}

const TcxCustomLookAndFeelPainter* TcxCustomGridViewCellViewInfo::GetLookAndFeelPainter() const {
    return GetGridView()->GetLookAndFeelPainter();
}

TcxCanvas* TcxCustomGridViewCellViewInfo::GetCanvas() {
    return gridViewInfo_->GetCanvas();
}

TcxControl* TcxCustomGridViewCellViewInfo::GetControl() {
    return gridViewInfo_->GetSite();
}

void TcxCustomGridViewCellViewInfo::DoInvalidate() {
    GetGridView()->InvalidateRect(Bounds);
}

void TcxCustomGridViewCellViewInfo::Invalidate() {
    if (IsDestroying()) return;
    EnsureCalculated();
    TcxCustomGridCellViewInfo::Invalidate();
}

void TcxCustomGridViewCellViewInfo::BeforeRecalculation() {
    gridViewInfo_->UpdateMousePos();
    TcxCustomGridCellViewInfo::BeforeRecalculation();
}

void TcxCustomGridViewCellViewInfo::ResetCachedBounds(const TRect& bounds) {
    TcxCustomGridCellViewInfo::ResetCachedBounds(bounds);
    if (!HasHotTrack() || !CanPress()) return;
    TcxGridSite* site = gridViewInfo_->GetSite();
    const TPoint mouse = gridViewInfo_->GetMousePos();
    if (!site || !site->HandleAllocated() || !gridViewInfo_->CanUpdateSiteVisibility() || !PtInRect(Bounds, mouse))
        return;
    // A cell laid out under a resting mouse is hot at once.
    TcxCustomGridHitTest* hitTest = TcxCustomGridHitTest::GetInstance(GetHitTestClass(), mouse);
    InitHitTest(hitTest);
    MouseMove(hitTest, 0);
}

bool TcxCustomGridViewCellViewInfo::IsHitTestOwn(TcxCustomGridHitTest* hitTest) {
    if (!TcxCustomGridCellViewInfo::IsHitTestOwn(hitTest)) return false;
    auto* viewHitTest = dynamic_cast<TcxCustomGridViewHitTest*>(hitTest);
    return !viewHitTest || viewHitTest->GetGridView() == GetGridView();
}

void TcxCustomGridViewCellViewInfo::InitHitTest(TcxCustomGridHitTest* hitTest) {
    TcxCustomGridCellViewInfo::InitHitTest(hitTest);
    gridViewInfo_->InitHitTest(hitTest);
}

bool TcxCustomGridViewCellViewInfo::MouseMove(TcxCustomGridHitTest* hitTest, TShiftState shift) {
    const bool handled = TcxCustomGridCellViewInfo::MouseMove(hitTest, shift);
    if (GetVisible() && ShowsHint()) ShowCellHint(hitTest);
    return handled;
}

// ---- hints ----

bool TcxCustomGridViewCellViewInfo::IsPointInHintArea(TPoint p) {
    TRect area = GetTextBounds();
    const TRect clip = GetClipBounds();
    if (!IsRectEmpty(clip) && !IntersectRect(area, area, clip)) return false;
    return PtInRect(area, p);
}

void TcxCustomGridViewCellViewInfo::GetHintInfo(TPoint p, std::string& text, TRect& textBounds, bool& isMultiLine) {
    text = GetHintText();
    textBounds = GetHintTextBounds(p);
    isMultiLine = IsHintMultiLine();
}

bool TcxCustomGridViewCellViewInfo::NeedsHintAt(TPoint p, std::string& text, TRect& textBounds, bool& isMultiLine) {
    if (GetHintText().empty() || !IsPointInHintArea(p)) return false;
    if (HintsOnlyForTruncatedText()) {
        const TRect bounds = GetTextBounds();
        bool truncated;
        if (IsMultiLinePainting()) {
            truncated = GetTextHeight() > bounds.Bottom - bounds.Top;
        } else {
            truncated = GetTextWidth() > bounds.Right - bounds.Left;
        }
        if (!truncated) {
            const TRect clip = GetClipBounds();
            TRect aligned;
            GetAlignedTextBounds(true, true, aligned);
            TRect visible;
            truncated = !IsRectEmpty(clip) && (!IntersectRect(visible, aligned, clip) || !EqualRect(visible, aligned));
        }
        if (!truncated) return false;
    }
    GetHintInfo(p, text, textBounds, isMultiLine);
    return true;
}

void TcxCustomGridViewCellViewInfo::ShowCellHint(TcxCustomGridHitTest* hitTest) {
    std::string text;
    TRect textBounds{};
    bool isMultiLine = false;
    TcxCustomGridController* controller = GetController();
    if (!NeedsHintAt(hitTest->Pos, text, textBounds, isMultiLine)) {
        controller->HideHint();
        return;
    }
    TRect clip = GetHintAreaClip();
    TRect clipped;
    if (!IsRectEmpty(clip) && IntersectRect(clipped, textBounds, clip)) textBounds = clipped;
    TRect area = GetHintAreaBounds();
    if (!IsRectEmpty(clip)) IntersectRect(area, area, clip);
    controller->ShowHint(area, textBounds, this, ViewParams.Font, isMultiLine, text);
}

// ---- design selector ----

TcxGridDesignSelectorViewInfo::TcxGridDesignSelectorViewInfo(TcxCustomGridViewInfo* gridViewInfo)
    : TcxCustomGridViewCellViewInfo(gridViewInfo) {}

TcxGridDesignSelectorViewInfo::~TcxGridDesignSelectorViewInfo() {
    BeginDestruction();
}

TcxCustomGridCellPainterClass TcxGridDesignSelectorViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridDesignSelectorPainter>();
}

void TcxGridDesignSelectorViewInfo::GetViewParams(TcxPartParams& params) {
    TcxCustomGridController* controller = GetController();
    TcxCustomGridDesignController* designer = controller ? controller->GetDesignController() : nullptr;
    const bool selected = designer && designer->IsObjectSelected(GetGridView());
    const bool hot = GetState() == gcsHot;
    if (selected) {
        params.Color = hot ? 0xD69E67 : 0xE4C19D;
        params.TextColor = hot ? 0x808080 : 0xAF8C68;
    } else {
        params.Color = hot ? 0x68B7F9 : 0x8DD5FF;
        params.TextColor = 0x3695F2;
    }
}

void TcxGridDesignSelectorViewInfo::Calculate(int left, int top, int width, int height) {
    TcxCustomGridViewCellViewInfo::Calculate(left, top, width, height);
    const TPoint triangle[] = {{0, 0}, {GetWidth(), 0}, {0, GetHeight()}};
    region_.reset(TcxRegion::CreateFromHandle(CreatePolygonRgn(triangle, 3, WINDING)));
    region_->OffsetBy(Bounds.Left, Bounds.Top);
}

bool TcxGridDesignSelectorViewInfo::PtInCellBounds(TPoint p) {
    return region_ && region_->ContainsPoint(p);
}

bool TcxGridDesignSelectorViewInfo::MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) {
    if (button != mbLeft || (shift & ssDouble)) return TcxCustomGridViewCellViewInfo::MouseDown(hitTest, button, shift);
    if (TcxCustomGridDesignController* designer = GetController()->GetDesignController())
        designer->SelectObject(GetGridView(), !(shift & ssShift));
    return true;
}

} // namespace zorvy
