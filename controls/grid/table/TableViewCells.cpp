// What the table view decides for the cells of its records: whether a cell is drawn selected, its
// custom drawing, its height and its clicks, and the navigator buttons its view info shows.
#include "controls/grid/navigator/Navigator.h"
#include "controls/grid/table/RecordCells.h"
#include "controls/grid/table/TableView.h"
#include "controls/grid/table/TableViewInfo.h"

namespace zorvy {

void TcxCustomGridTableView::CreateNavigatorButtons() {
    auto* owner = dynamic_cast<TcxCustomGridTableViewInfo*>(GetViewInfo());
    if (!owner) return;
    navigatorButtons_ = std::make_unique<TcxNavigatorControlButtons>(owner);
    navigatorButtons_->OnGetNavigator = [this]() -> IcxNavigator* { return dynamic_cast<IcxNavigator*>(this); };
    navigatorButtons_->SetConfirmDelete(false);
}

void TcxCustomGridTableView::SetNavigatorButtons(TcxNavigatorControlButtons* value) {
    if (navigatorButtons_ && value) navigatorButtons_->Assign(value);
}

bool TcxCustomGridTableView::DrawCellSelected(TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                                              TcxGridTableCellViewInfo* cell, bool useViewInfoState) const {
    if (cell && !cell->CanShowSelection()) return false;
    if (!record) return false;
    const bool recordSelected = useViewInfoState && record->GetViewInfo() ? record->GetViewInfo()->GetSelected()
                                                                          : DrawRecordSelected(record);
    if (!recordSelected) return false;
    if (!((cell && cell->AlwaysSelected()) || DrawDataCellSelected(record, item))) return false;
    return DrawSelection();
}

bool TcxCustomGridTableView::DoCustomDrawCell(TcxCanvas* canvas, TcxGridTableDataCellViewInfo* viewInfo) {
    bool done = false;
    if (OnCustomDrawCell) OnCustomDrawCell(this, canvas, viewInfo, done);
    return done;
}

bool TcxCustomGridTableView::DoCustomDrawPartBackground(TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo) {
    bool done = false;
    if (OnCustomDrawPartBackground) OnCustomDrawPartBackground(this, canvas, viewInfo, done);
    return done;
}

void TcxCustomGridTableView::DoGetCellHeight(TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                                             TcxGridTableDataCellViewInfo* cell, int& height) {
    if (OnGetCellHeight) OnGetCellHeight(this, record, item, cell, height);
}

bool TcxCustomGridTableView::DoCellClick(TcxGridTableDataCellViewInfo* cell, TMouseButton button, TShiftState shift) {
    bool handled = false;
    if (OnCellClick) OnCellClick(this, cell, button, shift, handled);
    return handled;
}

bool TcxCustomGridTableView::DoCellDblClick(TcxGridTableDataCellViewInfo* cell, TMouseButton button,
                                            TShiftState shift) {
    bool handled = false;
    if (OnCellDblClick) OnCellDblClick(this, cell, button, shift, handled);
    return handled;
}

} // namespace zorvy
