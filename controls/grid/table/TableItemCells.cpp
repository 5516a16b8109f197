// An item's side of its data cells: the list of cells, the style and the editor view data they share,
// the default cell height and the item's cell events.
#include "controls/editors/framework/EditProperties.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditViewData.h"
#include "controls/editors/framework/EditViewInfo.h"
#include "controls/grid/styles/Styles.h"
#include "controls/grid/table/RecordCells.h"
#include "controls/grid/table/TableItem.h"
#include "controls/grid/table/TableView.h"

#include <algorithm>

namespace zorvy {

void TcxCustomGridTableItem::RemoveCell(TcxGridTableDataCellViewInfo* cell) {
    auto it = std::find(cells_.begin(), cells_.end(), cell);
    if (it != cells_.end()) cells_.erase(it);
}

TcxGridTableDataCellViewInfo* TcxCustomGridTableItem::GetFocusedCellViewInfo() const {
    if (!gridView_) return nullptr;
    TcxCustomGridRecord* record = gridView_->GetController()->GetFocusedRecord();
    if (!record || !record->GetViewInfo()) return nullptr;
    return record->GetViewInfo()->GetCellViewInfoByItem(const_cast<TcxCustomGridTableItem*>(this));
}

TcxCustomEditStyle* TcxCustomGridTableItem::AcquireCellStyle() {
    if (!cellStyle_) {
        cellStyle_ = std::make_unique<TcxCustomEditStyle>(nullptr);
        if (gridView_) cellStyle_->SetLookAndFeel(gridView_->GetLookAndFeel());
    }
    ++cellStyleUseCount_;
    return cellStyle_.get();
}

void TcxCustomGridTableItem::ReleaseCellStyle() {
    if (cellStyleUseCount_ > 0 && --cellStyleUseCount_ == 0) cellStyle_.reset();
}

TcxCustomEditViewData* TcxCustomGridTableItem::CreateEditViewData(TcxCustomEditProperties* properties) {
    TcxCustomEditViewData* viewData = properties->MakeViewData(AcquireCellStyle(), true);
    return viewData;
}

TcxCustomEditViewData* TcxCustomGridTableItem::GetEditViewData(TcxCustomEditProperties* properties, bool& isNew) {
    isNew = OnGetProperties || !sharedEditViewData_ || sharedEditViewData_->GetProperties() != properties;
    if (!isNew) return sharedEditViewData_.get();
    return properties ? CreateEditViewData(properties) : nullptr;
}

void TcxCustomGridTableItem::ReleaseEditViewData(TcxCustomEditViewData* viewData, bool isNew) {
    if (!isNew || !viewData) return;
    delete viewData;
    ReleaseCellStyle();
}

void TcxCustomGridTableItem::CreateSharedEditViewData() {
    if (sharedEditViewData_ || !GetPropertiesValue()) return;
    sharedEditViewData_.reset(CreateEditViewData(GetPropertiesValue()));
}

void TcxCustomGridTableItem::DestroySharedEditViewData() {
    if (!sharedEditViewData_) return;
    sharedEditViewData_.reset();
    ReleaseCellStyle();
}

void TcxCustomGridTableItem::InitEditStyle(TcxCustomEditStyle* style, const TcxPartParams& params,
                                           bool isFocusedRecord) {
    // The cells' style takes the cell's colours on every cell: its changes must not report.
    style->BeginChanges();
    style->SetColor(params.Color);
    if (params.Font) style->SetFont(params.Font);
    style->SetTextColor(params.TextColor);
    style->SetButtonTransparency(GetShowEditButtons(isFocusedRecord) ? ebtNone : ebtHideInactive);
    style->SetHotTrack(true);
    style->EndChanges();
}

int TcxCustomGridTableItem::CalculateDefaultCellHeight(TcxCanvas* canvas, TFont* font) {
    TcxCustomEditProperties* properties = GetPropertiesValue();
    if (!properties) return 0;
    TcxCustomEditStyle* style = AcquireCellStyle();
    style->BeginChanges();
    if (font) style->SetFont(font);
    style->EndChanges();
    TSize size{0, 0};
    TcxEditSizeProperties limits;
    limits.MaxLineCount = 1;
    properties->MeasureEditorSize(canvas, style, true, Variant(std::string("Qq")), size, limits);
    ReleaseCellStyle();
    return size.cy != 0 ? size.cy + 2 : 0;
}

bool TcxCustomGridTableItem::DoCustomDrawCell(TcxCanvas* canvas, TcxGridTableDataCellViewInfo* viewInfo) {
    bool done = false;
    if (OnCustomDrawCell) OnCustomDrawCell(this, canvas, viewInfo, done);
    return done;
}

void TcxCustomGridTableItem::DoGetCellHint(TcxCustomGridRecord* record, TcxGridTableDataCellViewInfo* cell,
                                           TRect& bounds, bool& isMultiLine, std::string& text, TPoint mousePos) {
    if (OnGetCellHint) OnGetCellHint(this, record, cell, mousePos, text, isMultiLine, bounds);
}

} // namespace zorvy
