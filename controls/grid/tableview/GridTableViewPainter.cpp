// The table view's painter: its parts, then the rows.
#include "controls/grid/tableview/GridTableViewPainter.h"

#include "controls/grid/table/TableController.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/FooterViewInfo.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/IndicatorViewInfo.h"
#include "controls/grid/tableview/TableViewOptions.h"
#include "controls/foundation/control/Control.h"

namespace zorvy {

void TcxGridTablePainter::PaintContent() {
    auto* viewInfo = static_cast<TcxGridTableViewInfo*>(GetViewInfo());
    TcxCanvas* canvas = GetCanvas();
    if (TcxGridGroupByBoxViewInfo* groupByBox = viewInfo->GetGroupByBoxViewInfo()) groupByBox->Paint(canvas);
    DrawFilterBox();
    if (TcxGridIndicatorViewInfo* indicator = viewInfo->GetIndicatorViewInfo()) indicator->Paint(canvas);
    if (TcxGridHeaderViewInfo* header = viewInfo->GetHeaderViewInfo()) header->Paint(canvas);
    if (TcxGridFooterViewInfo* footer = viewInfo->GetFooterViewInfo()) footer->Paint(canvas);
    TcxCustomGridTablePainter::PaintContent();
}

bool TcxGridTablePainter::CanOffset(int recordCount, int dx, int dy) {
    if (!TcxCustomGridTablePainter::CanOffset(recordCount, dx, dy)) return false;
    auto* view = static_cast<TcxGridTableView*>(GetGridView());
    TcxGridTableBackgroundBitmaps* bitmaps = view->GetBackgroundBitmaps();
    if (bitmaps->GetBitmap(TcxGridTableBackgroundBitmaps::bbGroup) || bitmaps->GetBitmap(TcxGridTableBackgroundBitmaps::bbFooter)) return false;
    const bool horizontal = recordCount == 0 && dx != 0;
    if (horizontal) {
        if (view->IsMaster() || bitmaps->GetBitmap(TcxGridTableBackgroundBitmaps::bbHeader)) return false;
        // A centred info text moves with the position.
        if (view->GetFilterRow()->GetVisible() && !view->GetFilterRow()->GetInfoText().empty()) return false;
        if (view->GetNewItemRow()->GetVisible() && !view->GetNewItemRow()->GetInfoText().empty()) return false;
    } else {
        for (int i = 0; i < view->GetVisibleColumnCount(); ++i)
            if (view->GetVisibleColumn(i)->AllowsCellMerging()) return false;
    }
    return true;
}

void TcxGridTablePainter::OffsetView(int dx, int dy) {
    auto* viewInfo = static_cast<TcxGridTableViewInfo*>(GetViewInfo());
    TcxControl* site = GetSite();
    TRect scrollRect, updateRect;
    if (dx != 0)
        viewInfo->GetHorzScrollRects(dx, scrollRect, updateRect);
    else
        viewInfo->GetVertScrollRects(dy, scrollRect, updateRect);
    site->ScrollWindowContent(dx, dy, scrollRect);
    site->InvalidateArea(updateRect, true);
    auto* controller = static_cast<TcxCustomGridTableController*>(GetController());
    controller->InvalidateFocusedRecord();
    site->Update();
}

} // namespace zorvy
