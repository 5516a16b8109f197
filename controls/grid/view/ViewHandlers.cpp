// The handler base: its access to the view and to the view's other handlers.
#include "controls/grid/view/ViewHandlers.h"

#include "controls/foundation/control/Control.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/ViewData.h"
#include "controls/grid/view/ViewInfo.h"

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

} // namespace zorvy
