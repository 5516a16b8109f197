// The table view's painter: its parts, then the rows.
#include "controls/grid/tableview/GridTableViewPainter.h"

#include "controls/grid/tableview/FooterViewInfo.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/IndicatorViewInfo.h"

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

} // namespace zorvy
