// The painters of the parts every row shares (level indents, last grid line, separator) and of group
// rows with their cells.
#include "controls/grid/table/Records.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "controls/grid/tableview/GroupRowViewInfo.h"
#include "controls/grid/tableview/RowFooterViewInfo.h"
#include "controls/grid/tableview/Rows.h"

#include <algorithm>

namespace zorvy {

namespace {

bool RowsHaveHorzLines(TcxGridTableView* view) {
    const TcxGridLines lines = view->GetOptionsView()->GetGridLines();
    return lines == glBoth || lines == glHorizontal;
}

void FillWithGroupColor(TcxCanvas* canvas, TcxGridTableView* view, const TRect& r, int level) {
    if (IsRectEmpty(r)) return;
    if (TBitmap* bitmap = view->GetBackgroundBitmaps()->GetBitmap(TcxGridTableBackgroundBitmaps::bbGroup)) {
        canvas->FillRectOrTile(r, bitmap, false);
        return;
    }
    TcxPartParams params;
    view->GetStyles()->GetGroupParams(nullptr, level, params);
    canvas->FillRectSolid(r, params.Color);
}

} // namespace

// ---- every row ----

TcxCustomGridRowViewInfo* TcxCustomGridRowPainter::GetRowViewInfo() const {
    return static_cast<TcxCustomGridRowViewInfo*>(GetViewInfo());
}

void TcxCustomGridRowPainter::Paint() {
    TcxCustomGridRowViewInfo* row = GetRowViewInfo();
    if (row->GetFootersViewInfo()) DrawFooters();
    DrawIndent();
    if (row->HasBottomLine()) DrawLastHorzGridLine();
    if (row->GetSeparatorWidth() > 0) DrawSeparator();
}

void TcxCustomGridRowPainter::DrawIndent() {
    TcxCustomGridRowViewInfo* row = GetRowViewInfo();
    for (int level = 0; level < row->GetVisualLevel(); ++level) DrawIndentPart(level, row->GetLevelIndentBounds(level));
}

void TcxCustomGridRowPainter::DrawIndentPart(int level, const TRect& r) {
    // The indent column of an enclosing group shows that group's colour; its grid lines close the
    // group where this row is the last one inside it.
    TcxCustomGridRowViewInfo* row = GetRowViewInfo();
    TcxGridTableView* view = row->GetGridView();
    TcxGridTableViewInfo* viewInfo = row->GetGridViewInfo();
    TcxCustomGridRecord* record = row->GetGridRecord();
    const int lineWidth = viewInfo->GetGridLineWidth();
    const bool horzLines = RowsHaveHorzLines(view);
    const bool closesGroup = record->IsLastInLevel(record->GetLevel() - level - 1);
    TRect space = r;
    if (horzLines) space.Right -= lineWidth;
    if (closesGroup) {
        if (horzLines) space.Bottom -= lineWidth;
        // A group footer under the column closes the group itself; the separator runs below it.
        int footerTop = 0;
        TcxGridRowFootersViewInfo* footers = row->GetFootersViewInfo();
        if (!footers || !footers->GetFooterTop(record->GetLevel() - level, footerTop)) space.Bottom -= row->GetSeparatorWidth();
    }
    FillWithGroupColor(GetCanvas(), view, space, level);
    const TColor lineColor = viewInfo->GetGridLineColor();
    if (space.Right < r.Right) GetCanvas()->FillRectSolid(TRect{space.Right, r.Top, r.Right, space.Bottom}, lineColor);
    if (closesGroup && horzLines)
        GetCanvas()->FillRectSolid(TRect{r.Left, space.Bottom, r.Right, std::min(space.Bottom + lineWidth, r.Bottom)},
                                   lineColor);
}

void TcxCustomGridRowPainter::DrawFooters() { GetRowViewInfo()->GetFootersViewInfo()->Paint(GetCanvas()); }

void TcxCustomGridRowPainter::DrawLastHorzGridLine() {
    TcxCustomGridRowViewInfo* row = GetRowViewInfo();
    GetCanvas()->FillRectSolid(row->GetBottomLineBounds(), row->GetGridViewInfo()->GetGridLineColor());
}

void TcxCustomGridRowPainter::DrawSeparator() {
    TcxCustomGridRowViewInfo* row = GetRowViewInfo();
    GetCanvas()->FillRectSolid(row->GetSeparatorBounds(), row->GetSeparatorColor());
}

// ---- group rows ----

void TcxGridGroupCellPainter::DrawBorder(TcxBorder side) {
    auto* cell = static_cast<TcxGridGroupCellViewInfo*>(GetViewInfo());
    if (side != bBottom || !cell->PaintsBottomBorderAsGroup()) {
        TcxCustomGridCellPainter::DrawBorder(side);
        return;
    }
    TcxGridGroupRowViewInfo* row = cell->GetRowViewInfo();
    FillWithGroupColor(GetCanvas(), row->GetGridView(), cell->GetBorderBounds(bBottom), row->GetGridRecord()->GetLevel());
}

void TcxGridGroupSummaryCellPainter::Paint() {
    TcxCustomGridCellPainter::Paint();
    auto* cell = static_cast<TcxGridGroupSummaryCellViewInfo*>(GetViewInfo());
    if (cell->GetSpacer()->IsCalculated()) cell->GetSpacer()->Paint(GetCanvas());
}

void TcxGridGroupRowPainter::Paint() {
    auto* row = static_cast<TcxGridGroupRowViewInfo*>(GetRowViewInfo());
    row->GetGroupCellViewInfo()->Paint(GetCanvas());
    DrawSummaryCells();
    TcxCustomGridRowPainter::Paint();
}

void TcxGridGroupRowPainter::DrawSummaryCells() {
    auto* row = static_cast<TcxGridGroupRowViewInfo*>(GetRowViewInfo());
    TcxCanvas* canvas = GetCanvas();
    if (TcxGridGroupRowSpacerViewInfo* begin = row->GetSummaryBeginSpacer(); begin && begin->IsCalculated())
        begin->Paint(canvas);
    for (int i = 0; i < row->GetSummaryCellCount(); ++i)
        if (TcxGridGroupSummaryCellViewInfo* cell = row->GetSummaryCell(i); cell->IsCalculated()) cell->Paint(canvas);
    if (TcxGridGroupRowSpacerViewInfo* end = row->GetSummaryEndSpacer(); end && end->IsCalculated()) end->Paint(canvas);
}

void TcxGridGroupRowPainter::DrawSeparator() {
    auto* row = static_cast<TcxGridGroupRowViewInfo*>(GetRowViewInfo());
    FillWithGroupColor(GetCanvas(), row->GetGridView(), row->GetExpandButtonSeparatorBounds(),
                       row->GetGridRecord()->GetLevel());
    TcxCustomGridRowPainter::DrawSeparator();
}

} // namespace zorvy
