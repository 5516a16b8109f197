// The handler bases: their access to the view, the painter's invalidation of the site, and the view
// info's layout pass.
#include "controls/grid/view/ViewHandlers.h"

#include "controls/foundation/control/Control.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/ViewData.h"

namespace zorvy {

TcxGridViewHandler::TcxGridViewHandler(TcxCustomGridView* gridView)
    : TcxInterfacedPersistent(gridView), gridView_(gridView) {}

const TcxCustomLookAndFeelPainter* TcxGridViewHandler::GetLookAndFeelPainter() const {
    return gridView_->GetLookAndFeelPainter();
}
TcxCustomGrid* TcxGridViewHandler::GetControl() const {
    return gridView_->GetGrid();
}
TcxCustomGridController* TcxGridViewHandler::GetController() const {
    return gridView_->GetController();
}
TcxCustomDataController* TcxGridViewHandler::GetDataController() const {
    return gridView_->GetDataController();
}
TcxCustomGridPainter* TcxGridViewHandler::GetPainter() const {
    return gridView_->GetPainter();
}
TcxControl* TcxGridViewHandler::GetSite() const {
    return gridView_->GetSite();
}
TcxCustomGridViewData* TcxGridViewHandler::GetViewData() const {
    return gridView_->GetViewData();
}
TcxCustomGridViewInfo* TcxGridViewHandler::GetViewInfo() const {
    return gridView_->GetViewInfo();
}
void TcxGridViewHandler::BeginUpdate() {
    gridView_->BeginUpdate();
}
void TcxGridViewHandler::EndUpdate() {
    gridView_->EndUpdate();
}

void TcxCustomGridPainter::Invalidate() {
    if (TcxControl* site = GetSite()) site->Invalidate();
}

void TcxCustomGridPainter::InvalidateRect(const TRect& r) {
    if (TcxControl* site = GetSite()) site->InvalidateArea(r, false);
}

void TcxCustomGridPainter::InvalidateRegion(const TcxRegion* region) {
    if (TcxControl* site = GetSite()) site->InvalidateArea(region->GetBoundsRect(), false);
}

TcxCustomGridViewInfo::~TcxCustomGridViewInfo() {
    delete site_.Get();
}

void TcxCustomGridViewInfo::Calculate(const TRect& bounds) {
    bounds_ = bounds;
    calculating_ = true;
    try {
        DoCalculate();
    } catch (...) {
        calculating_ = false;
        throw;
    }
    calculating_ = false;
    GetGridView()->LayoutPassEnded();
}

} // namespace zorvy
