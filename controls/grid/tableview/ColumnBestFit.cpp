// A column's best-fit width: its widest data cell, grid line included, and no narrower than its
// header and footer cells.
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/FooterViewInfo.h"
#include "controls/grid/tableview/RowFooterViewInfo.h"
#include "controls/grid/tableview/RowsViewInfo.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/TableViewOptions.h"

#include <algorithm>

namespace zorvy {

int TcxGridColumn::CalculateBestFitWidth() {
    int width = TcxCustomGridTableItem::CalculateBestFitWidth();
    TcxGridTableView* view = GetGridView();
    TcxGridTableOptionsView* options = view->GetOptionsView();
    auto* viewInfo = dynamic_cast<TcxGridTableViewInfo*>(view->GetViewInfo());
    const TcxGridLines lines = options->GetGridLines();
    // Data cells have a right grid line, with horizontal lines only the rightmost one.
    if (lines == glBoth || lines == glVertical || (lines == glHorizontal && IsRightmostInView()))
        width += viewInfo ? viewInfo->GetGridLineWidth() : 1;
    if (!viewInfo || !GetVisible() || !view->GetVisible()) return width;
    if (options->GetHeader())
        if (TcxGridHeaderViewInfo* header = viewInfo->GetHeaderViewInfo())
            if (TcxGridColumnHeaderViewInfo* cell = header->GetItem(GetVisibleIndex()))
                width = std::max(width, cell->GetWidthWithBorders());
    if (options->GetFooter())
        if (TcxGridFooterViewInfo* footer = viewInfo->GetFooterViewInfo())
            width = std::max(width, footer->GetColumnBestFitWidth(this));
    if (TcxCustomGridRecordsViewInfo* rows = viewInfo->GetRecordsViewInfo())
        for (int i = 0; i < rows->GetCount(); ++i)
            if (auto* row = dynamic_cast<TcxCustomGridRowViewInfo*>(rows->GetItem(i)))
                if (TcxGridRowFootersViewInfo* footers = row->GetFootersViewInfo())
                    width = std::max(width, footers->GetColumnBestFitWidth(this));
    return width;
}

void TcxGridColumn::DoSizeChanged(bool fireEvents) {
    if (fireEvents) GetGridView()->DoColumnSizeChanged(this);
}

} // namespace zorvy
