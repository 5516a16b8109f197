// The table view's painters: data cells, records, the records area, the navigator site and the view.
#include "controls/grid/table/TablePainters.h"

#include "controls/editors/framework/EditViewInfo.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/navigator/NavigatorViewInfo.h"
#include "controls/grid/table/FilterBox.h"
#include "controls/grid/table/NavigatorSite.h"
#include "controls/grid/table/RecordCells.h"
#include "controls/grid/table/RecordsViewInfo.h"
#include "controls/grid/table/TableView.h"
#include "controls/grid/view/GridSite.h"
#include "controls/grid/view/ViewController.h"

#include <memory>

namespace zorvy {

namespace {

TcxCustomGridPainter* ViewPainterOf(TcxCustomGridCellViewInfo* cell) {
    auto* viewCell = static_cast<TcxCustomGridViewCellViewInfo*>(cell);
    return viewCell->GetGridView()->GetPainter();
}

} // namespace

// ---- data cells ----

TcxGridTableDataCellViewInfo* TcxGridTableDataCellPainter::GetDataCell() const {
    return static_cast<TcxGridTableDataCellViewInfo*>(GetViewInfo());
}

void TcxGridTableDataCellPainter::DrawContent() {
    TcxGridTableDataCellViewInfo* cell = GetDataCell();
    if (cell->HasBackgroundBitmap()) DrawBackground();
    if (TcxCustomEditViewInfo* editViewInfo = cell->GetEditViewInfo()) editViewInfo->PaintTo(GetCanvas());
}

void TcxGridTableDataCellPainter::Paint() {
    TcxCustomGridCellPainter::Paint();
    DrawFocusRect();
}

void TcxGridTableDataCellPainter::DrawFocusRect() {
    TcxGridTableDataCellViewInfo* cell = GetDataCell();
    if (!cell->IsFocusedCell() || !cell->ShowsFocusRect()) return;
    ViewPainterOf(cell)->DrawFocusRect(cell->Bounds,
                                       cell->GetTableView()->GetOptionsSelection()->GetHideFocusRectOnExit());
}

// ---- records ----

TcxCustomGridRecordViewInfo* TcxCustomGridRecordPainter::GetRecordViewInfo() const {
    return static_cast<TcxCustomGridRecordViewInfo*>(GetViewInfo());
}

namespace {

bool ShowsExpandButton(TcxCustomGridRecordViewInfo* record) {
    return record->GetGridRecord() && record->GetGridRecord()->CanExpand() && !IsRectEmpty(record->ExpandButtonBounds);
}

} // namespace

void TcxCustomGridRecordPainter::BeforePaint() {
    TcxCustomGridCellPainter::BeforePaint();
    if (ShowsExpandButton(GetRecordViewInfo()) && DrawExpandButtonBeforePaint()) DrawExpandButton();
    DrawBackground();
}

void TcxCustomGridRecordPainter::DrawBackground() {
    TcxCustomGridRecordViewInfo* record = GetRecordViewInfo();
    if (record->HasBackgroundBitmap()) DrawBitmapBackground(GetCanvas(), record->GetBackgroundBitmapBounds());
}

void TcxCustomGridRecordPainter::AfterPaint() {
    TcxCustomGridRecordViewInfo* record = GetRecordViewInfo();
    DrawFocusRect();
    if (ShowsExpandButton(record) && !DrawExpandButtonBeforePaint()) DrawExpandButton();
    ViewPainterOf(record)->ExcludeFromBackground(record->Bounds);
    TcxCustomGridCellPainter::AfterPaint();
}

void TcxCustomGridRecordPainter::DrawExpandButton() {
    TcxCustomGridRecordViewInfo* record = GetRecordViewInfo();
    TcxCanvas* canvas = GetCanvas();
    TcxRegion* clip = canvas->CopyClipRegion();
    record->GetLookAndFeelPainter()->DrawPlusMinusButton(canvas, record->ExpandButtonBounds, record->GetExpanded(),
                                                         clDefault);
    canvas->ApplyClipRegion(clip);
}

void TcxCustomGridRecordPainter::DrawFocusRect() {
    TcxCustomGridRecordViewInfo* record = GetRecordViewInfo();
    if (!record->GetFocused() || !record->IsRecordFocusRect()) return;
    ViewPainterOf(record)->DrawFocusRect(record->GetFocusRectBounds(), record->GetHideFocusRect());
}

void TcxCustomGridRecordsPainter::PaintAll() {
    for (int i = 0; i < viewInfo_->GetCount(); ++i) {
        TcxCustomGridRecordViewInfo* record = viewInfo_->GetItem(i);
        if (record && record->IsCalculated()) record->Paint(canvas_);
    }
}

// ---- the navigator's site ----

void TcxNavigatorSitePainter::DrawContent() {
    TcxCustomGridCellPainter::DrawContent();
    auto* site = static_cast<TcxNavigatorSiteViewInfo*>(GetViewInfo());
    if (TcxNavigatorViewInfo* navigator = site->GetNavigatorViewInfo()) navigator->Paint();
}

// ---- the view ----

TcxCustomGridTableViewInfo* TcxCustomGridTablePainter::GetTableViewInfo() const {
    return static_cast<TcxCustomGridTableViewInfo*>(GetViewInfo());
}

void TcxCustomGridTablePainter::BeforePaint() {
    TcxCustomGridPainter::BeforePaint();
    DrawNavigator();
}

void TcxCustomGridTablePainter::PaintContent() {
    TcxCustomGridPainter::PaintContent();
    DrawRecords();
}

void TcxCustomGridTablePainter::DrawBackground() {
    TcxCustomGridPainter::DrawBackground();
    if (GetTableViewInfo()->ShowsNoDataText()) DrawNoDataInfoText();
}

void TcxCustomGridTablePainter::DrawNoDataInfoText() {
    TcxCustomGridTableViewInfo* viewInfo = GetTableViewInfo();
    TcxCanvas* canvas = GetCanvas();
    TcxPartParams params;
    viewInfo->GetBackgroundParams(params);
    if (params.Font) canvas->AssignFont(params.Font);
    canvas->CurrentFont()->SetColor(params.TextColor);
    canvas->CurrentBrush()->SetStyle(bsClear);
    canvas->PaintText(viewInfo->GetNoDataToDisplayText(), viewInfo->GetRecordsAreaBounds(),
                      ctfWordBreak | ctfAlignVCenter | ctfAlignHCenter);
    canvas->CurrentBrush()->SetStyle(bsSolid);
}

void TcxCustomGridTablePainter::DrawFilterBox() {
    if (TcxGridFilterViewInfo* filter = GetTableViewInfo()->GetFilterViewInfo()) filter->Paint(GetCanvas());
}

void TcxCustomGridTablePainter::DrawNavigator() {
    TcxNavigatorSiteViewInfo* site = GetTableViewInfo()->GetNavigatorSiteViewInfo();
    if (!site || !site->GetVisible()) return;
    if (TcxNavigatorViewInfo* navigator = site->GetNavigatorViewInfo())
        if (navigator->IsDirty()) navigator->Update();
    site->Paint(GetCanvas());
}

void TcxCustomGridTablePainter::DrawRecords() {
    TcxCustomGridRecordsViewInfo* records = GetTableViewInfo()->GetRecordsViewInfo();
    if (!records) return;
    // On the pass's canvas, which is the site's unless the view is painted into a bitmap.
    std::unique_ptr<TcxCustomGridRecordsPainter> painter(records->GetPainterClass()(GetCanvas(), records));
    painter->PaintAll();
}

void TcxCustomGridTablePainter::DrawFocusRect(const TRect& r, bool hideFocusRect) {
    if (static_cast<TcxCustomGridTableView*>(GetGridView())->GetOptionsView()->GetFocusRect())
        TcxCustomGridPainter::DrawFocusRect(r, hideFocusRect);
}

bool TcxCustomGridTablePainter::CanOffset(int, int, int) {
    TcxCustomGridTableViewInfo* viewInfo = GetTableViewInfo();
    if (GetGridView()->HasState(csDesigning)) return false;
    if (viewInfo->GetBackgroundBitmap()) return false;
    if (viewInfo->GetRecordsViewInfo() && viewInfo->GetRecordsViewInfo()->GetBackgroundBitmapValue()) return false;
    return !viewInfo->ShowsNoDataText();
}

void TcxCustomGridTablePainter::Offset(int recordCount, int dx, int dy) {
    TcxControl* site = GetSite();
    if (!site || !site->HandleAllocated()) return;
    if (!CanOffset(recordCount, dx, dy)) {
        GetGridView()->Invalidate();
        return;
    }
    TcxCustomGridController* controller = GetController();
    controller->BeforePaint();
    try {
        if (recordCount != 0)
            OffsetRecords(recordCount);
        else
            OffsetView(dx, dy);
    } catch (...) {
        controller->AfterPaint();
        throw;
    }
    controller->AfterPaint();
}

void TcxCustomGridTablePainter::OffsetRecords(int) { GetGridView()->Invalidate(); }

void TcxCustomGridTablePainter::OffsetView(int, int) { GetGridView()->Invalidate(); }

} // namespace zorvy
