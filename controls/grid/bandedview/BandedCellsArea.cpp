// The lines a band draws behind a data row's cells: where cells of unequal line counts or a short
// row leave gaps, these keep the grid whole.
#include "controls/grid/bandedview/BandedViewInfo.h"

namespace zorvy {

TRect TcxGridBandViewInfo::GetCellsAreaBounds(TcxGridDataRowViewInfo* row) {
    return TRect{Bounds.Left, row->Bounds.Top, Bounds.Right, row->Bounds.Top + row->GetDataHeight()};
}

std::vector<TRect> TcxGridBandViewInfo::GetInnerGridLines(TcxGridDataRowViewInfo* row) {
    std::vector<TRect> lines;
    auto* viewInfo = static_cast<TcxGridTableViewInfo*>(row->GetGridViewInfo());
    const TcxGridLines kind = GetBandedView()->GetOptionsView()->GetGridLines();
    const int width = viewInfo->GetGridLineWidth();
    const bool vertical = bandsViewInfo_->GetLineCount() > 1 && (kind == glBoth || kind == glVertical);
    const bool horizontal = bandsViewInfo_->GetRowCount() >= 2 && kind == glBoth;
    if (!vertical && !horizontal) return lines;
    for (TcxGridColumnHeaderViewInfo* header : columnHeaders_) {
        auto* column = static_cast<TcxGridBandedColumn*>(header->GetColumn());
        TcxGridDataCellViewInfo* cell = row->FindCellViewInfo(column->GetVisibleIndex());
        if (!cell || !cell->IsCalculated()) continue;
        const TRect r = cell->Bounds;
        // Each line takes the pixels just outside the cell, where its neighbour's border would be.
        if (vertical && column->GetPosition()->GetVisibleColIndex() > 0)
            lines.push_back(TRect{r.Left - width, r.Top, r.Left, r.Bottom});
        if (horizontal && column->GetPosition()->GetVisibleRowIndex() > 0)
            lines.push_back(TRect{r.Left, r.Top - width, r.Right, r.Top});
    }
    return lines;
}

std::vector<TRect> TcxGridBandViewInfo::GetCellsAreaBorderLines(TcxGridDataRowViewInfo* row) {
    std::vector<TRect> lines;
    auto* viewInfo = static_cast<TcxGridTableViewInfo*>(row->GetGridViewInfo());
    const int width = viewInfo->GetGridLineWidth();
    const TcxBorders borders = viewInfo->GetCellBorders(GetBand()->IsRightmostInHierarchy());
    const TRect area = GetCellsAreaBounds(row);
    if ((borders & kBorderRight) && GetSeparatorWidth(bRight) == 0)
        lines.push_back(TRect{area.Right - width, area.Top, area.Right, area.Bottom});
    if (borders & kBorderBottom) lines.push_back(TRect{area.Left, area.Bottom - width, area.Right, area.Bottom});
    return lines;
}

} // namespace zorvy
