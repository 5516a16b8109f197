#include "controls/editors/lookup/LookupGrid.h"
#include "controls/editors/lookup/LookupGridViewInfo.h"
#include "controls/foundation/graphics/Canvas.h"

#include <algorithm>

namespace zorvy {

void TcxLookupGridPainter::DrawBorder(TcxCanvas* canvas) {
    if (grid_->GetViewInfo()->BorderSize == 0) return;
    LookAndFeelPainter->DrawControlBorder(canvas, grid_->GetControlBounds());
    canvas->ClipIntersectRect(grid_->GetContentBounds());
}

void TcxLookupGridPainter::DrawContent(TcxCanvas* canvas) {
    DrawHeaders(canvas);
    DrawEmptyAreas(canvas);
    DrawRows(canvas);
}

void TcxLookupGridPainter::DrawHeaders(TcxCanvas* canvas) {
    TcxLookupGridViewInfo* viewInfo = grid_->GetViewInfo();
    if (IsRectEmpty(viewInfo->HeaderRect)) return;
    for (auto& header : viewInfo->Columns) {
        TRect text = header->ContentBounds;
        InflateRect(text, -2, -2);
        TRect mark{};
        if (header->SortOrder != soNone) {
            mark = text;
            mark.Left = std::max(text.Right - LookAndFeelPainter->GetSortingMarkAreaSize().X, text.Left);
            text.Right = mark.Left;
        }
        TcxHeaderText caption;
        caption.TextBounds = text;
        caption.HorzAlign = header->HeaderAlignment;
        caption.VertAlign = vaCenter;
        caption.Text = header->Caption;
        caption.Font = viewInfo->GetHeaderFont();
        caption.TextColor = viewInfo->GetHeaderTextColor();
        caption.BackgroundColor = viewInfo->GetHeaderColor();
        LookAndFeelPainter->DrawHeader(canvas, header->Bounds, header->Neighbours, header->Borders, cxbsNormal,
                                       caption);
        if (header->SortOrder != soNone)
            LookAndFeelPainter->DrawSortingMark(canvas, mark, header->SortOrder == soAscending);
    }
}

void TcxLookupGridPainter::DrawEmptyAreas(TcxCanvas* canvas) {
    TcxLookupGridViewInfo* viewInfo = grid_->GetViewInfo();
    if (!IsRectEmpty(viewInfo->RightEmptyRect)) canvas->FillRectSolid(viewInfo->RightEmptyRect, grid_->GetColor());
    if (!IsRectEmpty(viewInfo->BottomEmptyRect)) canvas->FillRectSolid(viewInfo->BottomEmptyRect, grid_->GetColor());
}

void TcxLookupGridPainter::DrawLines(TcxCanvas* canvas, const TRect& r, TcxBorders borders) {
    if (borders == 0) return;
    TcxLookupGridViewInfo* viewInfo = grid_->GetViewInfo();
    canvas->FrameRectSides(r, viewInfo->GetGridLineColor(), viewInfo->GetGridLineWidth(), borders);
}

void TcxLookupGridPainter::DrawCell(TcxCanvas* canvas, const TcxLookupGridCellViewInfo& cell) {
    if (!cell.EditViewInfo) return;
    cell.EditViewInfo->PaintTo(canvas);
    // The ring between the cell and its editor takes the editor's background.
    canvas->FrameRectSides(cell.ContentBounds, cell.EditViewInfo->BackgroundColor, 1);
    DrawLines(canvas, cell.Bounds, cell.Borders);
}

void TcxLookupGridPainter::DrawRow(TcxCanvas* canvas, const TcxLookupGridRowViewInfo& row) {
    for (const TcxLookupGridCellViewInfo& cell : row.Cells) {
        DrawLines(canvas, cell.Bounds, cell.Borders);
        DrawCell(canvas, cell);
    }
    DrawLines(canvas, row.Bounds, row.Borders);
    if (row.Focused && (grid_->Focused() || grid_->IsPopupMode())) canvas->PaintFocusRect(row.ContentBounds);
}

void TcxLookupGridPainter::DrawRows(TcxCanvas* canvas) {
    for (auto& row : grid_->GetViewInfo()->Rows)
        DrawRow(canvas, *row);
}

} // namespace zorvy
