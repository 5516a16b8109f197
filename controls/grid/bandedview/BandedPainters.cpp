// Painting the banded layout with the fixed bands kept clear of the scrolling ones.
#include "controls/grid/bandedview/BandedPainters.h"

#include "controls/foundation/graphics/Region.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/bandedview/BandedViewInfo.h"

namespace zorvy {

namespace {

constexpr TcxGridBandFixedKind kBandPaintOrder[] = {fkLeft, fkRight, fkNone};

} // namespace

// ---- the view ----

bool TcxGridBandedTablePainter::CanOffset(int recordCount, int dx, int dy) {
    if (!TcxGridTablePainter::CanOffset(recordCount, dx, dy)) return false;
    // Sideways the banded layout moves bands, their headers and the cells they bring into view
    // together, which a copy of the old pixels does not show: the view repaints instead.
    return dx == 0;
}

// ---- the header ----

void TcxGridBandedHeaderPainter::DrawItems() { DrawBands(); }

void TcxGridBandedHeaderPainter::DrawBands() {
    auto* header = static_cast<TcxGridBandedHeaderViewInfo*>(GetViewInfo());
    TcxGridBandsViewInfo* bandsViewInfo = header->GetBandsViewInfo();
    TcxGridBands* bands = bandsViewInfo->GetBands();
    for (TcxGridBandFixedKind kind : kBandPaintOrder)
        for (int i = 0; i < bands->GetVisibleRootItemCount(); ++i)
            if (bands->GetVisibleRootItem(i)->GetFixedKind() == kind)
                if (TcxGridBandViewInfo* band = bandsViewInfo->GetRootBandViewInfo(i))
                    if (band->IsCalculated()) band->Paint(GetCanvas());
}

// ---- one band ----

TcxGridBandViewInfo* TcxGridBandPainter::GetBand() const { return static_cast<TcxGridBandViewInfo*>(GetViewInfo()); }

void TcxGridBandPainter::Paint() {
    TClipRegionKeeper keeper(GetCanvas());
    GetCanvas()->ClipIntersectRect(GetBand()->GetAreaClipBounds());
    DrawHeader();
    if (GetBand()->GetRowsViewInfo())
        DrawColumnHeaders();
    else
        DrawChildBands();
    // What the headers left uncovered, and the separators.
    TcxCustomGridCellPainter::Paint();
}

void TcxGridBandPainter::DrawHeader() {
    TcxGridBandHeaderViewInfo* header = GetBand()->GetHeaderViewInfo();
    if (header->IsCalculated() && header->GetHeight() > 0) header->Paint(GetCanvas());
}

void TcxGridBandPainter::DrawColumnHeaders() {
    TcxGridBandViewInfo* band = GetBand();
    if (!band->GetBandedView()->GetOptionsView()->GetHeader()) return;
    for (int i = 0; i < band->GetColumnHeaderCount(); ++i) {
        TcxGridColumnHeaderViewInfo* item = band->GetColumnHeader(i);
        if (item->IsCalculated() && !IsRectEmpty(item->Bounds)) item->Paint(GetCanvas());
    }
}

void TcxGridBandPainter::DrawChildBands() {
    TcxGridBandViewInfo* band = GetBand();
    TcxGridBand* model = band->GetBand();
    for (int i = 0; i < model->GetVisibleChildBandCount(); ++i)
        if (TcxGridBandViewInfo* child = band->GetBandsViewInfo()->FindBandViewInfo(model->GetVisibleChildBand(i)))
            if (child->IsCalculated()) child->Paint(GetCanvas());
}

// ---- band header ----

TcxGridBandHeaderViewInfo* TcxGridBandHeaderPainter::GetHeader() const {
    return static_cast<TcxGridBandHeaderViewInfo*>(GetViewInfo());
}

void TcxGridBandHeaderPainter::Paint() {
    TcxCustomGridCellPainter::Paint();
    if (GetHeader()->IsPressed() && IsMainCanvasInUse()) DrawPressed();
}

void TcxGridBandHeaderPainter::DrawContent() {
    TcxGridBandHeaderViewInfo* header = GetHeader();
    TcxButtonState state = cxbsNormal;
    if (IsMainCanvasInUse()) state = header->IsPressed() ? cxbsPressed : header->GetButtonState();
    TcxHeaderText text;
    text.TextBounds = header->GetTextBounds();
    text.HorzAlign = header->GetAlignmentHorz();
    text.VertAlign = header->GetAlignmentVert();
    text.MultiLine = header->IsMultiLinePainting();
    text.ShowEndEllipsis = header->ShowEndEllipsis();
    text.Text = header->GetText();
    text.Font = header->ViewParams.Font;
    text.TextColor = header->ViewParams.TextColor;
    text.BackgroundColor = header->ViewParams.Color;
    TBitmap* bitmap = header->GetBackgroundBitmap();
    TcxDrawBackgroundEvent onBackground;
    if (bitmap)
        onBackground = [bitmap](TcxCanvas* canvas, const TRect& r) {
            canvas->FillRectOrTile(r, bitmap, false);
            return true;
        };
    header->GetLookAndFeelPainter()->DrawHeader(GetCanvas(), header->Bounds, 0, cxBordersAll, state, text, onBackground,
                                                header->GetBand()->IsRightmostInHierarchy());
}

void TcxGridBandHeaderPainter::DrawPressed() {
    GetHeader()->GetLookAndFeelPainter()->DrawHeaderPressed(GetCanvas(), GetHeader()->Bounds);
}

// ---- data rows ----

void TcxGridBandedDataRowPainter::DrawCells() {
    TcxGridDataRowViewInfo* row = GetRowViewInfo();
    auto* viewInfo = dynamic_cast<TcxGridBandedTableViewInfo*>(row->GetGridViewInfo());
    TcxGridBandsViewInfo* bandsViewInfo = viewInfo ? viewInfo->GetBandsViewInfo() : nullptr;
    if (!bandsViewInfo) {
        TcxGridDataRowPainter::DrawCells();
        return;
    }
    TcxCanvas* canvas = GetCanvas();
    if (row->GetCellsAreaViewInfo()->GetVisible()) row->GetCellsAreaViewInfo()->Paint(canvas);
    TcxGridBands* bands = bandsViewInfo->GetBands();
    const TColor separatorColor = bandsViewInfo->GetSeparatorColor();
    for (TcxGridBandFixedKind kind : kBandPaintOrder)
        for (int i = 0; i < bands->GetVisibleBottomItemCount(); ++i) {
            TcxGridBand* band = bands->GetVisibleBottomItem(i);
            if (band->GetFixedKind() != kind) continue;
            TcxGridBandViewInfo* bandViewInfo = bandsViewInfo->FindBandViewInfo(band);
            if (!bandViewInfo || !bandViewInfo->IsCalculated()) continue;
            const TRect area = bandViewInfo->GetCellsAreaBounds(row);
            TRect shown;
            if (!IntersectRect(shown, area, bandViewInfo->GetAreaClipBounds())) continue;
            {
                TClipRegionKeeper keeper(canvas);
                canvas->ClipIntersectRect(shown);
                // Behind the cells: what lines no column of the band fills shows the band's content,
                // framed by the grid lines its cells would have drawn there.
                if (bandsViewInfo->GetLineCount() > 1 || bandViewInfo->GetColumnHeaderCount() == 0) {
                    TcxPartParams params;
                    band->GetStyles()->GetViewParams(bsContent, row->GetGridRecord(), nullptr, params);
                    canvas->FillRectSolid(shown, params.Color);
                    const TColor lineColor = viewInfo->GetGridLineColor();
                    for (const TRect& line : bandViewInfo->GetInnerGridLines(row)) canvas->FillRectSolid(line, lineColor);
                    for (const TRect& line : bandViewInfo->GetCellsAreaBorderLines(row))
                        canvas->FillRectSolid(line, lineColor);
                }
                for (int j = 0; j < bandViewInfo->GetColumnHeaderCount(); ++j) {
                    TcxGridColumn* column = bandViewInfo->GetColumnHeader(j)->GetColumn();
                    if (TcxGridDataCellViewInfo* cell = row->FindCellViewInfo(column->GetVisibleIndex()))
                        if (cell->IsCalculated()) cell->Paint(canvas);
                }
                if (const int left = bandViewInfo->GetSeparatorWidth(bLeft))
                    canvas->FillRectSolid(TRect{area.Left, area.Top, area.Left + left, area.Bottom}, separatorColor);
                if (const int right = bandViewInfo->GetSeparatorWidth(bRight))
                    canvas->FillRectSolid(TRect{area.Right - right, area.Top, area.Right, area.Bottom}, separatorColor);
            }
            if (kind != fkNone) canvas->ClipExcludeRect(shown);
        }
}

} // namespace zorvy
