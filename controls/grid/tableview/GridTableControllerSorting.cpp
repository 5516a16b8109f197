// Sorting and grouping by a click on a column header: the release of a header press that stayed
// within the drag threshold sorts by the pressed column.
#include "controls/data/DataController.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/TableViewOptions.h"
#include "controls/grid/view/GridSite.h"

#include <memory>

namespace zorvy {

void TcxGridTableController::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    std::unique_ptr<TcxGridListenerLink> link(GetGridView()->CreateListenerLink());
    try {
        TcxCustomGridTableController::MouseUp(button, shift, x, y);
        TcxGridSite* site = GetSite();
        if (link->GetGridView() && pressedColumn_ && site && site->IsInDragDetectArea(x, y))
            DoHeaderClick(pressedColumn_, shift);
    } catch (...) {
        if (link->GetGridView()) SetPressedColumn(nullptr);
        throw;
    }
    if (link->GetGridView()) SetPressedColumn(nullptr);
}

void TcxGridTableController::ClearGrouping() { GetGridView()->ClearGrouping(); }

void TcxGridTableController::DoHeaderClick(TcxGridColumn* column, TShiftState shift) {
    if (!column || !column->CanSort()) return;
    TcxGridTableView* view = GetGridView();
    std::unique_ptr<TcxGridListenerLink> link(view->CreateListenerLink());
    PushHourglassCursor();
    try {
        view->BeginUpdate();
        try {
            if (shift & ssCtrl)
                RemoveColumnSorting(column);
            else
                ChangeColumnSorting(column, (shift & ssShift) != 0);
        } catch (...) {
            view->EndUpdate();
            throw;
        }
        view->EndUpdate();
    } catch (...) {
        PopHourglassCursor();
        if (link->GetGridView()) {
            CheckFocusedRecord();
            DesignerModified();
        }
        throw;
    }
    PopHourglassCursor();
    if (!link->GetGridView()) return;
    CheckFocusedRecord();
    DesignerModified();
}

void TcxGridTableController::RemoveColumnSorting(TcxGridColumn* column) {
    const bool groupBySorting = GetGridView()->GetOptionsCustomize()->GetGroupBySorting();
    if (groupBySorting && column->GetGroupIndex() == 0 && column->CanGroup()) {
        column->SetGroupIndex(-1);
        column->SetVisible(true);
    }
    column->SetSortOrder(soNone);
    if (groupBySorting) GroupByFirstSortedColumn();
}

void TcxGridTableController::ChangeColumnSorting(TcxGridColumn* column, bool keepOthers) {
    const bool groupBySorting = GetGridView()->GetOptionsCustomize()->GetGroupBySorting();
    const TcxDataSortOrder order = column->GetSortOrder() == soAscending ? soDescending : soAscending;
    if (!keepOthers && column->GetGroupIndex() == -1) {
        if (groupBySorting && column->CanGroup()) ClearGrouping();
        GetDataController()->ClearSorting(true);
    }
    column->SetSortOrder(order);
    if (groupBySorting && column->GetSortIndex() == 0 && GetDataController()->GetGroupingItemCount() == 0 &&
        column->CanGroup())
        column->SetGroupIndex(0);
}

void TcxGridTableController::GroupByFirstSortedColumn() {
    TcxGridTableView* view = GetGridView();
    const int count = view->GetItemCount();
    for (int sortIndex = 0;; ++sortIndex) {
        TcxCustomGridTableItem* sorted = nullptr;
        for (int i = 0; i < count && !sorted; ++i)
            if (view->GetItem(i)->GetSortIndex() == sortIndex) sorted = view->GetItem(i);
        if (!sorted) return;
        if (sorted->CanGroup()) {
            sorted->SetGroupIndex(0);
            return;
        }
    }
}

} // namespace zorvy
