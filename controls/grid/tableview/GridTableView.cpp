// The table view: its factories, its special option objects, what it tells the layout, the
// events it raises, its stored-layout entries and the registration of the view kind.
#include "controls/grid/tableview/GridTableView.h"

#include "controls/data/DataController.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/table/EditingController.h"
#include "controls/grid/table/TablePainters.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/RowsViewInfo.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "controls/grid/tableview/Rows.h"
#include "controls/grid/view/RegisteredViews.h"
#include "controls/grid/view/ViewInfo.h"
#include "controls/grid/view/ViewPainter.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Variant.h"

#include <algorithm>

namespace zorvy {

namespace {

// The room text takes above and below itself in a cell.
constexpr int kRowTextMargins = 4;
constexpr int kGridLineWidth = 1;
constexpr int kOffice11GroupExtraHeight = 2;

bool HasHorizontalGridLines(const TcxGridTableOptionsView* options) {
    return options->GetGridLines() == glBoth || options->GetGridLines() == glHorizontal;
}

} // namespace

TcxGridTableView::~TcxGridTableView() {
    Destroying();
    if (!GetController()) return;
    GetController()->GetEditingController()->DropEditingItem();
    ClearItems();
}

// ---- typed access ----

TcxGridTableOptionsBehavior* TcxGridTableView::GetOptionsBehavior() const {
    return static_cast<TcxGridTableOptionsBehavior*>(TcxCustomGridTableView::GetOptionsBehavior());
}
TcxGridTableOptionsCustomize* TcxGridTableView::GetOptionsCustomize() const {
    return static_cast<TcxGridTableOptionsCustomize*>(TcxCustomGridTableView::GetOptionsCustomize());
}
TcxGridTableOptionsSelection* TcxGridTableView::GetOptionsSelection() const {
    return static_cast<TcxGridTableOptionsSelection*>(TcxCustomGridTableView::GetOptionsSelection());
}
TcxGridTableOptionsView* TcxGridTableView::GetOptionsView() const {
    return static_cast<TcxGridTableOptionsView*>(TcxCustomGridTableView::GetOptionsView());
}
TcxGridTableFiltering* TcxGridTableView::GetFiltering() const {
    return static_cast<TcxGridTableFiltering*>(TcxCustomGridTableView::GetFiltering());
}
TcxGridTableBackgroundBitmaps* TcxGridTableView::GetBackgroundBitmaps() const {
    return static_cast<TcxGridTableBackgroundBitmaps*>(TcxCustomGridTableView::GetBackgroundBitmaps());
}
TcxGridTableViewStyles* TcxGridTableView::GetStyles() const {
    return static_cast<TcxGridTableViewStyles*>(TcxCustomGridTableView::GetStyles());
}
TcxGridViewData* TcxGridTableView::GetViewData() const {
    return static_cast<TcxGridViewData*>(TcxCustomGridTableView::GetViewData());
}

// ---- factories ----

// The table controller, painter and view info come with the table's layout and interaction; until
// then the table view uses the table base's controller and the plain view info and painter.
const TMetaClass* TcxGridTableView::GetControllerClass() const { return TcxGridTableController::StaticClass(); }
const TMetaClass* TcxGridTableView::GetPainterClass() const { return TcxCustomGridTablePainter::StaticClass(); }
const TMetaClass* TcxGridTableView::GetViewInfoClass() const { return TcxGridTableViewInfo::StaticClass(); }
const TMetaClass* TcxGridTableView::GetViewInfoCacheClass() const { return TcxGridTableViewInfoCache::StaticClass(); }
const TMetaClass* TcxGridTableView::GetViewDataClass() const { return TcxGridViewData::StaticClass(); }
const TMetaClass* TcxGridTableView::GetBackgroundBitmapsClass() const {
    return TcxGridTableBackgroundBitmaps::StaticClass();
}
const TMetaClass* TcxGridTableView::GetOptionsBehaviorClass() const { return TcxGridTableOptionsBehavior::StaticClass(); }
const TMetaClass* TcxGridTableView::GetOptionsSelectionClass() const {
    return TcxGridTableOptionsSelection::StaticClass();
}
const TMetaClass* TcxGridTableView::GetOptionsViewClass() const { return TcxGridTableOptionsView::StaticClass(); }
const TMetaClass* TcxGridTableView::GetStylesClass() const { return TcxGridTableViewStyles::StaticClass(); }
const TMetaClass* TcxGridTableView::GetItemClass() const { return TcxGridColumn::StaticClass(); }
const TMetaClass* TcxGridTableView::GetFilteringClass() const { return TcxGridTableFiltering::StaticClass(); }
const TMetaClass* TcxGridTableView::GetOptionsCustomizeClass() const {
    return TcxGridTableOptionsCustomize::StaticClass();
}
const TMetaClass* TcxGridTableView::GetFilterRowOptionsClass() const { return TcxGridFilterRowOptions::StaticClass(); }
const TMetaClass* TcxGridTableView::GetNewItemRowOptionsClass() const {
    return TcxGridNewItemRowOptions::StaticClass();
}
const TMetaClass* TcxGridTableView::GetPreviewClass() const { return TcxGridPreview::StaticClass(); }

void TcxGridTableView::CreateOptions() {
    TcxCustomGridTableView::CreateOptions();
    filterRow_.reset(CreateInstance<TcxGridFilterRowOptions>(GetFilterRowOptionsClass(), this));
    newItemRow_.reset(CreateInstance<TcxGridNewItemRowOptions>(GetNewItemRowOptionsClass(), this));
    preview_.reset(CreateInstance<TcxGridPreview>(GetPreviewClass(), this));
}

void TcxGridTableView::DestroyOptions() {
    preview_.reset();
    newItemRow_.reset();
    filterRow_.reset();
    TcxCustomGridTableView::DestroyOptions();
}

void TcxGridTableView::DoAssign(TcxCustomGridView* source) {
    auto* other = dynamic_cast<TcxGridTableView*>(source);
    if (other) {
        SetOnColumnHeaderClick(other->onColumnHeaderClick_);
        SetOnColumnPosChanged(other->onColumnPosChanged_);
        SetOnColumnSizeChanged(other->onColumnSizeChanged_);
        SetOnCustomDrawColumnHeader(other->onCustomDrawColumnHeader_);
        SetOnCustomDrawFooterCell(other->onCustomDrawFooterCell_);
        SetOnCustomDrawGroupCell(other->onCustomDrawGroupCell_);
        SetOnCustomDrawGroupSummaryCell(other->onCustomDrawGroupSummaryCell_);
        SetOnCustomDrawIndicatorCell(other->onCustomDrawIndicatorCell_);
        SetOnLeftPosChanged(other->onLeftPosChanged_);
    }
    TcxCustomGridTableView::DoAssign(source);
    if (other) {
        SetFilterRow(other->filterRow_.get());
        SetNewItemRow(other->newItemRow_.get());
        SetPreview(other->preview_.get());
    }
}

std::string TcxGridTableView::GetLayoutCustomizationCaption() const { return "Columns customization"; }

void TcxGridTableView::AssignLayout(TcxCustomGridView* layoutView) {
    TcxCustomGridTableView::AssignLayout(layoutView);
    auto* source = dynamic_cast<TcxGridTableView*>(layoutView);
    if (!source) return;
    TcxGridTableOptionsView* from = source->GetOptionsView();
    TcxGridTableOptionsView* to = GetOptionsView();
    to->SetDataRowHeight(from->GetDataRowHeight());
    to->SetFooter(from->GetFooter());
    to->SetGroupByBox(from->GetGroupByBox());
    to->SetGroupFooters(from->GetGroupFooters());
    to->SetGroupRowHeight(from->GetGroupRowHeight());
}

// ---- columns ----

TcxGridColumn* TcxGridTableView::GetColumn(int index) const { return static_cast<TcxGridColumn*>(GetItem(index)); }

TcxGridColumn* TcxGridTableView::GetVisibleColumn(int index) const {
    return static_cast<TcxGridColumn*>(GetVisibleItem(index));
}

TcxGridColumn* TcxGridTableView::GetGroupedColumn(int level) const {
    return dynamic_cast<TcxGridColumn*>(GetGroupedItem(level));
}

TcxGridColumn* TcxGridTableView::CreateColumn() { return static_cast<TcxGridColumn*>(CreateItem()); }

void TcxGridTableView::ClearGrouping() {
    BeginUpdate();
    try {
        for (int level = GetGroupedColumnCount() - 1; level >= 0; --level)
            if (TcxGridColumn* column = GetGroupedColumn(level)) column->GroupBy(-1, true);
        GetDataController()->ClearGrouping();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

bool TcxGridTableView::HasCellMergingColumns() const {
    for (int i = 0; i < GetVisibleColumnCount(); ++i)
        if (GetVisibleColumn(i)->AllowsCellMerging()) return true;
    return false;
}

// ---- what the layout and the rows ask ----

bool TcxGridTableView::AllowsCellMerging() const {
    return !preview_->IsActive() && GetOptionsView()->GetRowSeparatorWidth() == 0;
}

bool TcxGridTableView::CanScrollHorizontally() const {
    TcxCustomGrid* grid = GetGrid();
    if (grid && grid->IsUpdateLocked()) return false;
    return !(IsMaster() && GetGroupedItemCount() > 0);
}

bool TcxGridTableView::HideExpandButtonsForEmptyDetails() const {
    return !GetOptionsView()->GetExpandButtonsForEmptyDetails();
}

int TcxGridTableView::CalculateDefaultDataRowHeight() {
    if (auto* tableViewInfo = dynamic_cast<TcxGridTableViewInfo*>(GetViewInfo()))
        if (TcxGridRowsViewInfo* rows = tableViewInfo->GetRowsViewInfo()) return rows->CalculateDefaultDataRowHeight();
    TcxPartParams params;
    GetStyles()->GetContentParams(nullptr, nullptr, params);
    TcxCustomGridViewInfo* viewInfo = GetViewInfo();
    int height = (viewInfo ? viewInfo->GetTextHeight(params.Font) : 0) + kRowTextMargins;
    if (HasHorizontalGridLines(GetOptionsView())) height += kGridLineWidth;
    return height;
}

int TcxGridTableView::CalculateGroupRowHeight(bool forCalculation) {
    TcxPartParams params;
    GetStyles()->GetGroupParams(nullptr, -1, params);
    TcxCustomGridViewInfo* viewInfo = GetViewInfo();
    const TcxCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    const int textHeight = viewInfo ? viewInfo->GetTextHeight(params.Font) : 0;
    const int expandButtonSize = painter ? painter->GetPlusMinusButtonSize() : 0;
    int height = std::max(textHeight, expandButtonSize) + kRowTextMargins;
    if (GetOptionsView()->GetGroupRowStyle() == grsOffice11) {
        if (!forCalculation) height *= 2;
        height += kOffice11GroupExtraHeight;
    } else if (HasHorizontalGridLines(GetOptionsView())) {
        height += kGridLineWidth;
    }
    return height;
}

bool TcxGridTableView::IsEqualHeightRecords() const {
    const TcxGridTableOptionsView* options = GetOptionsView();
    // Only vertical grid lines and no separators: the last row carries a bottom line.
    const bool lastRowHasBottomLine = options->GetGridLines() == glVertical && options->GetRowSeparatorWidth() == 0;
    return TcxCustomGridTableView::IsEqualHeightRecords() && !lastRowHasBottomLine && !preview_->IsActive() &&
           GetGroupedItemCount() == 0 && !IsMaster();
}

bool TcxGridTableView::IsRecordHeightDependentOnData() const {
    return TcxCustomGridTableView::IsRecordHeightDependentOnData() ||
           (preview_->IsActive() && preview_->GetAutoHeight());
}

bool TcxGridTableView::IsLayoutSizeDependent() const {
    return TcxCustomGridTableView::IsLayoutSizeDependent() || GetOptionsView()->GetColumnAutoWidth() ||
           preview_->IsActive() || IsMaster();
}

bool TcxGridTableView::DrawDataCellSelected(TcxCustomGridRecord* record, TcxCustomGridTableItem* item) const {
    auto* row = dynamic_cast<TcxCustomGridRow*>(record);
    if (!GetOptionsSelection()->GetCellMultiSelect() || !row || !row->IsPlainDataRow())
        return TcxCustomGridTableView::DrawDataCellSelected(record, item);
    auto* column = dynamic_cast<TcxGridColumn*>(item);
    if (!column || !column->GetSelected()) return false;
    TcxCustomGridTableController* controller = GetController();
    return !(record == controller->GetFocusedRecord() && item == controller->GetFocusedItem());
}

void TcxGridTableView::DetailDataChanged(TcxCustomGridView* detail) {
    TcxCustomGridTableView::DetailDataChanged(detail);
    // A master row may have gained or lost its expand button.
    if (HideExpandButtonsForEmptyDetails()) SizeChanged(false, false);
}

std::vector<TcxCustomGridTableItem*> TcxGridTableView::GetCopyToClipboardItems(bool copyAll) const {
    std::vector<TcxCustomGridTableItem*> items;
    if (copyAll || !GetOptionsSelection()->GetCellMultiSelect()) {
        for (int i = 0; i < GetVisibleItemCount(); ++i) items.push_back(GetVisibleItem(i));
    } else {
        items = TcxCustomGridTableView::GetCopyToClipboardItems(copyAll);
        for (size_t i = items.size(); i-- > 0;) {
            auto* column = dynamic_cast<TcxGridColumn*>(items[i]);
            if (!column || !column->GetSelected()) items.erase(items.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    if (GetOptionsBehavior()->GetCopyPreviewToClipboard() && preview_->IsActive())
        items.push_back(preview_->GetColumn());
    return items;
}

// ---- stored layout ----

bool TcxGridTableView::GetStoredProperties(TStrings* properties) {
    properties->Add("Footer");
    properties->Add("GroupByBox");
    properties->Add("GroupFooters");
    properties->Add("NewItemRow");
    return TcxCustomGridTableView::GetStoredProperties(properties);
}

void TcxGridTableView::GetStoredPropertyValue(const std::string& name, Variant& value) {
    if (name == "Footer")
        value = Variant(GetOptionsView()->GetFooter());
    else if (name == "GroupByBox")
        value = Variant(GetOptionsView()->GetGroupByBox());
    else if (name == "GroupFooters")
        value = Variant(static_cast<int32_t>(GetOptionsView()->GetGroupFooters()));
    else if (name == "NewItemRow")
        value = Variant(newItemRow_->GetVisible());
    else
        TcxCustomGridTableView::GetStoredPropertyValue(name, value);
}

namespace {

// A stored Boolean is a Boolean or its text.
bool StoredBoolean(const Variant& value) {
    if (value.IsString()) {
        const std::string text = value.AsString();
        return text == "True" || text == "true" || text == "1";
    }
    return value.AsBoolean();
}

} // namespace

void TcxGridTableView::SetStoredPropertyValue(const std::string& name, const Variant& value) {
    if (name == "Footer") {
        GetOptionsView()->SetFooter(StoredBoolean(value));
    } else if (name == "GroupByBox") {
        GetOptionsView()->SetGroupByBox(StoredBoolean(value));
    } else if (name == "GroupFooters") {
        if (value.IsString()) {
            GetOptionsView()->SetGroupFooters(StoredBoolean(value) ? gfVisibleWhenExpanded : gfInvisible);
            return;
        }
        // Only the modes there are: a stored number outside them keeps the current mode.
        const int ordinal = value.IsNumeric() ? value.AsInteger() : -1;
        if (ordinal >= gfInvisible && ordinal <= gfAlwaysVisible)
            GetOptionsView()->SetGroupFooters(static_cast<TcxGridGroupFootersMode>(ordinal));
    } else if (name == "NewItemRow") {
        newItemRow_->SetVisible(StoredBoolean(value));
    } else {
        TcxCustomGridTableView::SetStoredPropertyValue(name, value);
    }
}

// ---- events ----

void TcxGridTableView::DoColumnHeaderClick(TcxGridColumn* column) {
    if (onColumnHeaderClick_) onColumnHeaderClick_(this, column);
}

void TcxGridTableView::DoColumnPosChanged(TcxGridColumn* column) {
    if (onColumnPosChanged_) onColumnPosChanged_(this, column);
}

void TcxGridTableView::DoColumnSizeChanged(TcxGridColumn* column) {
    if (onColumnSizeChanged_) onColumnSizeChanged_(this, column);
}

void TcxGridTableView::DoCustomDrawColumnHeader(TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo, bool& done) {
    if (onCustomDrawColumnHeader_) onCustomDrawColumnHeader_(this, canvas, viewInfo, done);
}

void TcxGridTableView::DoCustomDrawFooterCell(TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo, bool& done) {
    if (onCustomDrawFooterCell_) onCustomDrawFooterCell_(this, canvas, viewInfo, done);
}

void TcxGridTableView::DoCustomDrawGroupCell(TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo, bool& done) {
    if (onCustomDrawGroupCell_) onCustomDrawGroupCell_(this, canvas, viewInfo, done);
}

void TcxGridTableView::DoCustomDrawGroupSummaryCell(TcxCanvas* canvas, TcxGridGroupRow* row, TcxGridColumn* column,
                                                    TcxDataSummaryItem* summaryItem, TcxCustomGridCellViewInfo* cell,
                                                    bool& done) {
    if (onCustomDrawGroupSummaryCell_) onCustomDrawGroupSummaryCell_(this, canvas, row, column, summaryItem, cell, done);
}

void TcxGridTableView::DoCustomDrawIndicatorCell(TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo, bool& done) {
    if (onCustomDrawIndicatorCell_) onCustomDrawIndicatorCell_(this, canvas, viewInfo, done);
}

void TcxGridTableView::DoLeftPosChanged() {
    if (onLeftPosChanged_) onLeftPosChanged_(this);
}

// ---- registration ----

void InitializeGridTableViewUnit() {
    GetGridRegisteredViews()->AddClass(TcxGridTableView::StaticClass(), "Table");
    RegisterClass(TcxGridColumn::StaticClass());
}

void FinalizeGridTableViewUnit() {
    if (TcxGridRegisteredViews* views = GetGridRegisteredViews()) views->RemoveClass(TcxGridTableView::StaticClass());
}

} // namespace zorvy
