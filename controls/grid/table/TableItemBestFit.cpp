// A table item's best fit: the width that shows the widest value of its records.
#include "controls/editors/framework/EditProperties.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "controls/grid/table/Records.h"
#include "controls/grid/table/TableController.h"
#include "controls/grid/table/TableItem.h"
#include "controls/grid/table/TableOptions.h"
#include "controls/grid/table/TableView.h"
#include "controls/grid/table/TableViewStyles.h"
#include "controls/grid/view/ViewInfo.h"

#include <algorithm>
#include <string>
#include <unordered_set>

namespace zorvy {

void TcxCustomGridTableItem::ApplyBestFit(bool checkSizingAbility, bool fireEvents) {
    TcxCustomGridTableView* view = GetGridView();
    if (!view || view->IsPattern() || (checkSizingAbility && !CanApplyBestFit())) return;
    PushHourglassCursor();
    try {
        SetBestFitWidth(GetBestFitWidth());
    } catch (...) {
        PopHourglassCursor();
        DoSizeChanged(fireEvents);
        throw;
    }
    PopHourglassCursor();
    DoSizeChanged(fireEvents);
}

int TcxCustomGridTableItem::GetBestFitWidth() {
    const int width = CalculateBestFitWidth();
    return bestFitMaxWidth_ != 0 ? std::min(width, bestFitMaxWidth_) : width;
}

int TcxCustomGridTableItem::CalculateBestFitWidth() {
    TcxCustomGridTableView* view = GetGridView();
    TcxCustomEditProperties* properties = GetPropertiesValue();
    TcxCanvas* canvas = view->GetViewInfo() ? view->GetViewInfo()->GetCanvas() : nullptr;
    if (!properties || !canvas) return 0;
    TcxCustomGridTableViewData* viewData = view->GetViewData();
    const int recordCount = viewData->GetRecordCount();
    const int maxRecords = view->GetOptionsBehavior()->GetBestFitMaxRecordCount();
    const int first = maxRecords != 0 ? std::max(view->GetController()->GetTopRecordIndex(), 0) : 0;
    const int last = maxRecords != 0 ? std::min(recordCount, first + maxRecords) - 1 : recordCount - 1;

    TcxPartParams params;
    view->GetTableStyles()->GetContentParams(nullptr, this, params);
    TcxCustomEditStyle* style = AcquireCellStyle();
    int width = 0;
    try {
        style->BeginChanges();
        if (params.Font) style->SetFont(params.Font);
        style->EndChanges();
        TcxEditSizeProperties limits;
        limits.MaxLineCount = 1;
        // Columns of draws repeat few texts: each is measured once.
        std::unordered_set<std::string> measured;
        for (int i = first; i <= last; ++i) {
            TcxCustomGridRecord* record = viewData->GetRecord(i);
            if (!record->HasCells()) continue;
            std::string text = record->GetDisplayText(GetIndex());
            if (!measured.insert(text).second) continue;
            TSize size{0, 0};
            properties->MeasureEditorSize(canvas, style, true, Variant(std::move(text)), size, limits);
            width = std::max(width, static_cast<int>(size.cx));
        }
    } catch (...) {
        ReleaseCellStyle();
        throw;
    }
    ReleaseCellStyle();
    return width != 0 ? width + 2 : 0;
}

} // namespace zorvy
