// The banded controller: moving between columns across bands and band rows, and the fixed bands'
// part in horizontal scrolling.
#include "controls/grid/bandedview/BandedController.h"

#include "controls/grid/bandedview/BandedColumn.h"
#include "controls/grid/bandedview/BandedTableView.h"
#include "controls/grid/bandedview/Bands.h"
#include "controls/grid/table/Records.h"
#include "controls/grid/tableview/TableViewOptions.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>
#include <memory>

namespace zorvy {

namespace {

// The visible bottom bands that show at least one column, in band order.
std::vector<TcxGridBand*> BandsWithColumns(TcxGridBands* bands) {
    std::vector<TcxGridBand*> result;
    for (int i = 0; i < bands->GetVisibleBottomItemCount(); ++i) {
        TcxGridBand* band = bands->GetVisibleBottomItem(i);
        TcxGridBandRows* rows = band->GetRows();
        for (int r = 0; r < rows->GetVisibleCount(); ++r)
            if (rows->GetVisibleItem(r)->GetVisibleCount() > 0) {
                result.push_back(band);
                break;
            }
    }
    return result;
}

// The visible row of the band whose lines hold `line`; the last one when the band is shallower.
int BandRowAtLine(TcxGridBand* band, int line) {
    TcxGridBandRows* rows = band->GetRows();
    for (int r = 0; r < rows->GetVisibleCount(); ++r) {
        TcxGridBandRow* row = rows->GetVisibleItem(r);
        if (line >= row->GetLineOffset() && line < row->GetLineOffset() + row->GetLineCount()) return r;
    }
    return rows->GetVisibleCount() - 1;
}

} // namespace

TcxGridBandedTableView* TcxGridBandedTableController::GetBandedView() const {
    return dynamic_cast<TcxGridBandedTableView*>(GetGridView());
}

// ---- keyboard navigation ----

std::vector<TcxGridBandedColumn*> TcxGridBandedTableController::GetNextItemsList(TcxGridBandedColumn* start,
                                                                               bool goForward) {
    std::vector<TcxGridBandedColumn*> list;
    if (!GetBandedView()) return list;
    const std::vector<TcxGridBand*> bands = BandsWithColumns(GetBandedView()->GetBands());
    if (bands.empty()) return list;
    const int step = goForward ? 1 : -1;
    int bandIndex, rowIndex, colIndex;
    bool fromRowEnd = !goForward; // the first row walked backward starts at its last column
    if (start) {
        TcxGridBand* band = start->GetPosition()->GetBand();
        const auto found = std::find(bands.begin(), bands.end(), band);
        if (!start->GetActuallyVisible() || found == bands.end() || start->GetPosition()->GetVisibleRowIndex() < 0)
            return list;
        bandIndex = static_cast<int>(found - bands.begin());
        rowIndex = start->GetPosition()->GetVisibleRowIndex();
        colIndex = start->GetPosition()->GetVisibleColIndex() + step;
        fromRowEnd = false;
    } else {
        bandIndex = goForward ? 0 : static_cast<int>(bands.size()) - 1;
        rowIndex = goForward ? 0 : bands[static_cast<size_t>(bandIndex)]->GetRows()->GetVisibleCount() - 1;
        colIndex = 0;
    }
    int line = bands[static_cast<size_t>(bandIndex)]->GetRows()->GetVisibleItem(rowIndex)->GetLineOffset();
    const int total = GetBandedView()->GetVisibleItemCount();
    // A shallower band is met again at its last row for each row of a deeper one; the bound only
    // guards against rows without columns.
    int rowsLeft = 0;
    for (TcxGridBand* band : bands) rowsLeft += band->GetRows()->GetVisibleCount();
    rowsLeft *= static_cast<int>(bands.size()) + 1;
    while (rowsLeft-- > 0 && static_cast<int>(list.size()) < total) {
        TcxGridBandRow* row = bands[static_cast<size_t>(bandIndex)]->GetRows()->GetVisibleItem(rowIndex);
        if (fromRowEnd) colIndex = row->GetVisibleCount() - 1;
        for (; colIndex >= 0 && colIndex < row->GetVisibleCount(); colIndex += step) {
            auto* column = row->GetVisibleItem(colIndex);
            if (column == start || std::find(list.begin(), list.end(), column) != list.end()) return list;
            list.push_back(column);
        }
        bandIndex += step;
        if (bandIndex < 0 || bandIndex >= static_cast<int>(bands.size())) {
            // Past the last band: the first band's next row (backward: the last band's previous one).
            bandIndex = goForward ? 0 : static_cast<int>(bands.size()) - 1;
            TcxGridBandRows* rows = bands[static_cast<size_t>(bandIndex)]->GetRows();
            rowIndex = BandRowAtLine(bands[static_cast<size_t>(bandIndex)], line) + step;
            if (rowIndex < 0 || rowIndex >= rows->GetVisibleCount()) break;
            line = rows->GetVisibleItem(rowIndex)->GetLineOffset();
        } else {
            rowIndex = BandRowAtLine(bands[static_cast<size_t>(bandIndex)], line);
        }
        colIndex = 0;
        fromRowEnd = !goForward;
    }
    return list;
}

int TcxGridBandedTableController::FindNextItem(int visibleIndex, bool goForward, TcxCustomGridRecord* record,
                                               bool& wrapped, bool cycle) {
    TcxGridBandedTableView* view = GetBandedView();
    if (!view) return TcxGridTableController::FindNextItem(visibleIndex, goForward, record, wrapped, cycle);
    wrapped = false;
    TcxGridBandedColumn* start = visibleIndex >= 0 && visibleIndex < view->GetVisibleItemCount()
                                     ? static_cast<TcxGridBandedColumn*>(view->GetVisibleItem(visibleIndex))
                                     : nullptr;
    const auto firstFocusable = [&](const std::vector<TcxGridBandedColumn*>& list) {
        for (TcxGridBandedColumn* column : list)
            if (column->CanFocus(record)) return column->GetVisibleIndex();
        return -1;
    };
    int index = firstFocusable(GetNextItemsList(start, goForward));
    if (index == -1 && cycle) {
        index = firstFocusable(GetNextItemsList(nullptr, goForward));
        wrapped = index != -1;
    }
    return index;
}

int TcxGridBandedTableController::FindNextColumnVertically(TcxGridBandedColumn* column, bool goForward,
                                                           bool fromEnd) {
    TcxGridBand* band = column ? column->GetPosition()->GetBand() : nullptr;
    if (!band || !column->GetActuallyVisible()) return -1;
    std::vector<TcxGridBandedColumn*> list;
    int position = -1;
    TcxGridBandRows* rows = band->GetRows();
    for (int r = 0; r < rows->GetVisibleCount(); ++r) {
        TcxGridBandRow* row = rows->GetVisibleItem(r);
        if (row->GetVisibleCount() == 0) continue;
        if (row == column->GetPosition()->GetRow()) position = static_cast<int>(list.size());
        list.push_back(row->GetVisibleItem(std::min(column->GetPosition()->GetVisibleColIndex(), row->GetVisibleCount() - 1)));
    }
    if (fromEnd) position = goForward ? -1 : static_cast<int>(list.size());
    else if (position == -1) return -1;
    TcxCustomGridRecord* record = GetFocusedRecord();
    for (int i = position + (goForward ? 1 : -1); i >= 0 && i < static_cast<int>(list.size()); i += goForward ? 1 : -1)
        if (list[static_cast<size_t>(i)]->CanFocus(record)) return list[static_cast<size_t>(i)]->GetVisibleIndex();
    return -1;
}

void TcxGridBandedTableController::DoKeyDown(std::uint16_t& key, TShiftState shift) {
    if (key != VK_UP && key != VK_DOWN) {
        TcxGridTableController::DoKeyDown(key, shift);
        return;
    }
    const bool down = key == VK_DOWN;
    TcxCustomGridRecord* record = GetFocusedRecord();
    const bool inDataRow = record && record->HasCells() && !IsSpecialRowFocused() &&
                           GetGridView()->GetOptionsSelection()->GetCellSelect();
    auto* column = dynamic_cast<TcxGridBandedColumn*>(GetFocusedItem());
    if (inDataRow && column) {
        const int index = FindNextColumnVertically(column, down, false);
        if (index != -1) {
            SetFocusedItem(GetGridView()->GetVisibleItem(index));
            key = 0;
            return;
        }
    }
    std::unique_ptr<TcxGridListenerLink> link(GetGridView()->CreateListenerLink());
    TcxGridTableController::DoKeyDown(key, shift);
    if (!link->GetGridView() || !inDataRow || !column || GetFocusedRecord() == record) return;
    // The new row is entered at the band's far row in the same column position.
    TcxCustomGridRecord* entered = GetFocusedRecord();
    if (!entered || !entered->HasCells() || IsSpecialRowFocused()) return;
    const int index = FindNextColumnVertically(column, down, true);
    if (index != -1) SetFocusedItem(GetGridView()->GetVisibleItem(index));
}

bool TcxGridBandedTableController::CanCellMultiSelect() const {
    if (!TcxGridTableController::CanCellMultiSelect() || !GetBandedView()) return false;
    TcxGridBands* bands = GetBandedView()->GetBands();
    int rowCount = 0;
    for (int i = 0; i < bands->GetVisibleBottomItemCount(); ++i)
        rowCount = std::max(rowCount, bands->GetVisibleBottomItem(i)->GetRows()->GetVisibleCount());
    return rowCount == 1;
}

// ---- scrolling ----

void TcxGridBandedTableController::LeftPosChanged() {
    TcxGridBandedTableView* view = GetBandedView();
    if (!view) {
        TcxGridTableController::LeftPosChanged();
        return;
    }
    TcxGridBands* bands = view->GetBands();
    // Previews of automatic height wrap to the scrolled width between the fixed bands.
    const bool fixedBandShown = bands->GetVisibleRootLeftFixedCount() > 0 || bands->GetVisibleRootRightFixedCount() > 0;
    if (view->GetPreview()->IsActive() && view->GetPreview()->GetAutoHeight() && fixedBandShown)
        view->SizeChanged();
    else
        TcxGridTableController::LeftPosChanged();
}

} // namespace zorvy
