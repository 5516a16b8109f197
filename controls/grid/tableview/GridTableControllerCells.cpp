// Cell ranges: with OptionsSelection.CellMultiSelect the selection is a range of rows times a range
// of columns, both reaching from an anchor to the focused cell.
#include "controls/data/DataController.h"
#include "controls/grid/table/RecordHitTests.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/TableViewOptions.h"

#include <algorithm>
#include <memory>

namespace zorvy {

namespace {

// Ends a view update and tells of the changed selection, also when the step failed.
template <typename Step> void InSelectionUpdate(TcxGridTableView* view, Step step) {
    view->BeginUpdate();
    try {
        step();
    } catch (...) {
        view->EndUpdate();
        view->DoSelectionChanged();
        throw;
    }
    view->EndUpdate();
    view->DoSelectionChanged();
}

int VisibleIndexIn(TcxGridTableView* view, TcxGridColumn* column, int fallback) {
    for (int i = 0; column && i < view->GetVisibleColumnCount(); ++i)
        if (view->GetVisibleColumn(i) == column) return i;
    return fallback;
}

} // namespace

bool TcxGridTableController::CanCellMultiSelect() const {
    return GetGridView()->GetOptionsSelection()->GetCellMultiSelect();
}

void TcxGridTableController::AddSelectedColumn(TcxGridColumn* column) {
    if (column->selected_) return;
    column->selected_ = true;
    selectedColumns_.push_back(column);
    InvalidateSelection();
}

void TcxGridTableController::RemoveSelectedColumn(TcxGridColumn* column) {
    if (!column->selected_) return;
    column->selected_ = false;
    selectedColumns_.erase(std::remove(selectedColumns_.begin(), selectedColumns_.end(), column),
                           selectedColumns_.end());
    InvalidateSelection();
}

void TcxGridTableController::ClearSelectedColumns() {
    if (selectedColumns_.empty()) return;
    TcxGridTableView* view = GetGridView();
    view->BeginUpdate();
    try {
        while (!selectedColumns_.empty()) selectedColumns_.back()->SetSelected(false);
    } catch (...) {
        view->EndUpdate();
        throw;
    }
    view->EndUpdate();
}

void TcxGridTableController::SelectColumns(TcxGridColumn* from, TcxGridColumn* to) {
    TcxGridTableView* view = GetGridView();
    InSelectionUpdate(view, [&] {
        const int count = view->GetVisibleColumnCount();
        int first = VisibleIndexIn(view, from, 0);
        int last = VisibleIndexIn(view, to, count - 1);
        if (first > last) std::swap(first, last);
        ClearSelectedColumns();
        for (int i = first; i <= last; ++i) view->GetVisibleColumn(i)->SetSelected(true);
    });
}

void TcxGridTableController::SelectColumnsFromAnchor() {
    SelectColumns(cellSelectionAnchor_, static_cast<TcxGridColumn*>(GetFocusedItem()));
}

void TcxGridTableController::DoClearSelection() {
    TcxGridTableView* view = GetGridView();
    auto* focused = static_cast<TcxGridColumn*>(GetFocusedItem());
    bool unchanged = false;
    view->BeginUpdate();
    try {
        TcxCustomGridTableController::DoClearSelection();
        if (selectedColumns_.size() == 1 && selectedColumns_.front() == focused) {
            unchanged = true;
        } else {
            ClearSelectedColumns();
            if (focused) {
                focused->SetSelected(true);
                cellSelectionAnchor_ = focused;
            }
        }
    } catch (...) {
        view->EndUpdate();
        throw;
    }
    view->EndUpdate();
    if (!unchanged) view->DoSelectionChanged();
}

void TcxGridTableController::SelectFromAnchor(bool clearOthers, TcxCustomGridHitTest* hitTest) {
    TcxCustomGridTableController::SelectFromAnchor(clearOthers, hitTest);
    if (!CanCellMultiSelect()) return;
    if (dynamic_cast<TcxGridRowIndicatorHitTest*>(hitTest))
        SelectAllColumns();
    else
        SelectColumnsFromAnchor();
}

void TcxGridTableController::DoMouseSelection(TcxCustomGridHitTest* hitTest, TShiftState shift) {
    TcxCustomGridTableController::DoMouseSelection(hitTest, shift);
    // A press on a row's indicator takes whole rows.
    if (CanCellMultiSelect() && !(shift & ssShift) && dynamic_cast<TcxGridRowIndicatorHitTest*>(hitTest))
        SelectAllColumns();
}

void TcxGridTableController::ProcessSelectionKey(std::uint16_t& key, TShiftState shift) {
    if (!CanCellMultiSelect()) {
        TcxCustomGridTableController::ProcessSelectionKey(key, shift);
        return;
    }
    if (shift & ssShift)
        SelectToFocusedRow(true);
    else
        AnchorAndSelectFocused(true);
}

bool TcxGridTableController::CanPostponeSelectionChange() const {
    return TcxCustomGridTableController::CanPostponeSelectionChange() && !CanCellMultiSelect();
}

void TcxGridTableController::ClearRecordSelection() {
    ClearSelectedColumns();
    TcxCustomGridTableController::ClearRecordSelection();
}

void TcxGridTableController::SelectAll() {
    TcxGridTableView* view = GetGridView();
    view->BeginUpdate();
    try {
        TcxCustomGridTableController::SelectAll();
        if (CanCellMultiSelect()) SelectAllColumns();
    } catch (...) {
        view->EndUpdate();
        throw;
    }
    view->EndUpdate();
}

void TcxGridTableController::KeyDown(std::uint16_t& key, TShiftState shift) {
    TcxCustomGridTableItem* prevItem = GetFocusedItem();
    std::unique_ptr<TcxGridListenerLink> link(GetGridView()->CreateListenerLink());
    TcxCustomGridTableController::KeyDown(key, shift);
    if (!link->GetGridView() || !CanCellMultiSelect() || GetFocusedItem() == prevItem) return;
    if (!cellSelectionAnchor_) cellSelectionAnchor_ = static_cast<TcxGridColumn*>(prevItem);
    if (shift & ssShift) {
        SelectColumnsFromAnchor();
    } else {
        DoClearSelection();
        SetSelectionAnchor(GetFocusedRowIndex());
    }
}

void TcxGridTableController::ItemRemoved(TcxCustomGridTableItem* item) {
    TcxCustomGridTableController::ItemRemoved(item);
    // Compared as items: a column on its way out is no longer a column.
    auto same = [item](TcxGridColumn* column) { return column && static_cast<TcxCustomGridTableItem*>(column) == item; };
    selectedColumns_.erase(std::remove_if(selectedColumns_.begin(), selectedColumns_.end(), same),
                           selectedColumns_.end());
    if (same(cellSelectionAnchor_)) cellSelectionAnchor_ = nullptr;
    if (same(pressedColumn_)) pressedColumn_ = nullptr;
}

} // namespace zorvy
