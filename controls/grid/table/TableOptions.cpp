// The behaviour, customization, data, selection and view options of a table view and its
// background bitmaps.
#include "controls/grid/table/TableOptions.h"

#include "controls/grid/table/EditingController.h"
#include "controls/grid/table/TableView.h"
#include "platform/rtl/ResourceStrings.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxGridNoDataInfoText, "<No data to display>");

namespace {

TcxCustomGridTableView* TableViewOfOptions(const TcxCustomGridOptions* options) {
    return dynamic_cast<TcxCustomGridTableView*>(options->GetGridView());
}

} // namespace

// ---- behaviour ----

void TcxCustomGridTableOptionsBehavior::SetFocusCellOnTab(bool value) {
    if (focusCellOnTab_ == value) return;
    focusCellOnTab_ = value;
    if (TcxCustomGridView* view = GetGridView())
        if (TcxControl* site = view->GetSite()) {
            TcxWantedKeys keys = site->GetWantedKeys();
            site->SetWantedKeys(value ? keys | wkTabKey : keys & ~static_cast<TcxWantedKeys>(wkTabKey));
        }
    Changed(vckProperty);
}

void TcxCustomGridTableOptionsBehavior::SetIncSearch(bool value) {
    if (incSearch_ == value) return;
    if (!value)
        if (TcxCustomGridTableView* view = TableViewOfOptions(this)) view->GetController()->CancelIncSearching();
    incSearch_ = value;
    Changed(vckProperty);
}

void TcxCustomGridTableOptionsBehavior::SetIncSearchItem(TcxCustomGridTableItem* value) {
    if (incSearchItem_ == value) return;
    incSearchItem_ = value;
    Changed(vckProperty);
}

void TcxCustomGridTableOptionsBehavior::Assign(TPersistent* source) {
    TcxCustomGridOptionsBehavior::Assign(source);
    auto* other = dynamic_cast<TcxCustomGridTableOptionsBehavior*>(source);
    if (!other) return;
    SetAlwaysShowEditor(other->alwaysShowEditor_);
    SetBestFitMaxRecordCount(other->bestFitMaxRecordCount_);
    SetCellHints(other->cellHints_);
    SetCopyCaptionsToClipboard(other->copyCaptionsToClipboard_);
    SetDragDropText(other->dragDropText_);
    SetDragFocusing(other->dragFocusing_);
    SetDragHighlighting(other->dragHighlighting_);
    SetDragOpening(other->dragOpening_);
    SetDragScrolling(other->dragScrolling_);
    SetFocusCellOnCycle(other->focusCellOnCycle_);
    SetFocusCellOnTab(other->focusCellOnTab_);
    SetFocusFirstCellOnNewRecord(other->focusFirstCellOnNewRecord_);
    SetGoToNextCellOnEnter(other->goToNextCellOnEnter_);
    SetImmediateEditor(other->immediateEditor_);
    SetIncSearch(other->incSearch_);
    // The other view's item is not one of ours: the item of the same ID is.
    TcxCustomGridTableView* view = TableViewOfOptions(this);
    SetIncSearchItem(other->incSearchItem_ && view ? view->FindItemByID(other->incSearchItem_->GetID()) : nullptr);
    SetNavigatorHints(other->navigatorHints_);
    SetPullFocusing(other->pullFocusing_);
}

// ---- customize ----

bool TcxCustomGridTableOptionsCustomize::SupportsColumnsQuickCustomizationReordering() const {
    TcxCustomGridView* view = GetGridView();
    if (view && view->HasState(csDesigning)) return true;
    return reordering_ == qcrEnabled || (reordering_ == qcrDefault && columnMoving_);
}

void TcxCustomGridTableOptionsCustomize::Assign(TPersistent* source) {
    TcxCustomGridOptions::Assign(source);
    auto* other = dynamic_cast<TcxCustomGridTableOptionsCustomize*>(source);
    if (!other) return;
    SetColumnFiltering(other->columnFiltering_);
    SetColumnGrouping(other->columnGrouping_);
    SetColumnHiding(other->columnHiding_);
    SetColumnMoving(other->columnMoving_);
    SetColumnSorting(other->columnSorting_);
    SetColumnsQuickCustomization(other->columnsQuickCustomization_);
    SetColumnsQuickCustomizationMaxDropDownCount(other->quickCustomizationMaxDropDownCount_);
    SetColumnsQuickCustomizationReordering(other->reordering_);
}

// ---- data ----

void TcxCustomGridTableOptionsData::RefreshNavigators() {
    if (TcxCustomGridTableView* view = TableViewOfOptions(this)) view->RefreshNavigators();
}

void TcxCustomGridTableOptionsData::SetAppending(bool value) {
    if (appending_ == value) return;
    appending_ = value;
    Changed(vckProperty);
}

void TcxCustomGridTableOptionsData::SetCancelOnExit(bool value) {
    if (cancelOnExit_ == value) return;
    cancelOnExit_ = value;
    Changed(vckProperty);
}

void TcxCustomGridTableOptionsData::SetDeleting(bool value) {
    if (deleting_ == value) return;
    deleting_ = value;
    RefreshNavigators();
    Changed(vckProperty);
}

void TcxCustomGridTableOptionsData::SetDeletingConfirmation(bool value) {
    if (deletingConfirmation_ == value) return;
    deletingConfirmation_ = value;
    Changed(vckProperty);
}

void TcxCustomGridTableOptionsData::SetEditing(bool value) {
    if (editing_ == value) return;
    if (!value)
        if (TcxCustomGridTableView* view = TableViewOfOptions(this)) view->GetController()->SetEditingItem(nullptr);
    editing_ = value;
    RefreshNavigators();
    Changed(vckLayout);
}

void TcxCustomGridTableOptionsData::SetInserting(bool value) {
    if (inserting_ == value) return;
    inserting_ = value;
    RefreshNavigators();
    Changed(vckProperty);
}

void TcxCustomGridTableOptionsData::Assign(TPersistent* source) {
    TcxCustomGridOptionsData::Assign(source);
    auto* other = dynamic_cast<TcxCustomGridTableOptionsData*>(source);
    if (!other) return;
    SetAppending(other->appending_);
    SetCancelOnExit(other->cancelOnExit_);
    SetDeleting(other->deleting_);
    SetDeletingConfirmation(other->deletingConfirmation_);
    SetEditing(other->editing_);
    SetInserting(other->inserting_);
}

// ---- selection ----

void TcxCustomGridTableOptionsSelection::SetCellSelect(bool value) {
    if (cellSelect_ == value) return;
    cellSelect_ = value;
    if (TcxCustomGridTableView* view = TableViewOfOptions(this)) {
        if (value)
            view->GetController()->FocusFirstItem();
        else
            view->GetController()->SetFocusedItem(nullptr);
    }
    Changed(vckProperty);
}

void TcxCustomGridTableOptionsSelection::SetHideFocusRectOnExit(bool value) {
    if (hideFocusRectOnExit_ == value) return;
    hideFocusRectOnExit_ = value;
    Changed(vckLayout);
}

void TcxCustomGridTableOptionsSelection::SetHideSelection(bool value) {
    if (hideSelection_ == value) return;
    hideSelection_ = value;
    Changed(vckLayout);
}

void TcxCustomGridTableOptionsSelection::SetInvertSelect(bool value) {
    if (invertSelect_ == value) return;
    invertSelect_ = value;
    Changed(vckLayout);
}

bool TcxCustomGridTableOptionsSelection::GetMultiSelect() const {
    TcxCustomGridView* view = GetGridView();
    return view && view->GetDataController() && view->GetDataController()->GetMultiSelect();
}

void TcxCustomGridTableOptionsSelection::SetMultiSelect(bool value) {
    TcxCustomGridView* view = GetGridView();
    if (!view || !view->GetDataController() || GetMultiSelect() == value) return;
    view->GetDataController()->SetMultiSelect(value);
    Changed(vckProperty);
}

void TcxCustomGridTableOptionsSelection::SetUnselectFocusedRecordOnExit(bool value) {
    if (unselectFocusedRecordOnExit_ == value) return;
    unselectFocusedRecordOnExit_ = value;
    Changed(vckProperty);
}

void TcxCustomGridTableOptionsSelection::Assign(TPersistent* source) {
    TcxCustomGridOptionsSelection::Assign(source);
    auto* other = dynamic_cast<TcxCustomGridTableOptionsSelection*>(source);
    if (!other) return;
    SetCellSelect(other->cellSelect_);
    SetHideFocusRectOnExit(other->hideFocusRectOnExit_);
    SetHideSelection(other->hideSelection_);
    SetInvertSelect(other->invertSelect_);
    SetMultiSelect(other->GetMultiSelect());
    SetUnselectFocusedRecordOnExit(other->unselectFocusedRecordOnExit_);
}

// ---- view ----

TcxCustomGridTableOptionsView::TcxCustomGridTableOptionsView(TcxCustomGridView* gridView)
    : TcxCustomGridOptionsView(gridView), noDataToDisplayInfoText_(LoadResString(scxGridNoDataInfoText)) {}

void TcxCustomGridTableOptionsView::SetHeaderAutoHeight(bool value) {
    if (headerAutoHeight_ == value) return;
    headerAutoHeight_ = value;
    HeaderAutoHeightChanged();
}

bool TcxCustomGridTableOptionsView::ShouldStoreNoDataToDisplayInfoText() const {
    return noDataToDisplayInfoText_ != LoadResString(scxGridNoDataInfoText);
}

std::string TcxCustomGridTableOptionsView::GetNoDataToDisplayText() const {
    if (ShouldStoreNoDataToDisplayInfoText()) return noDataToDisplayInfoText_;
    return ResolveResourceString(scxGridNoDataInfoText);
}

void TcxCustomGridTableOptionsView::Assign(TPersistent* source) {
    TcxCustomGridOptionsView::Assign(source);
    auto* other = dynamic_cast<TcxCustomGridTableOptionsView*>(source);
    if (!other) return;
    SetCellAutoHeight(other->cellAutoHeight_);
    SetCellEndEllipsis(other->cellEndEllipsis_);
    SetCellTextMaxLineCount(other->cellTextMaxLineCount_);
    SetFocusRect(other->focusRect_);
    SetHeaderAutoHeight(other->headerAutoHeight_);
    SetHeaderEndEllipsis(other->headerEndEllipsis_);
    SetNavigator(other->navigator_);
    SetNavigatorOffset(other->navigatorOffset_);
    SetNoDataToDisplayInfoText(other->noDataToDisplayInfoText_);
    SetShowEditButtons(other->showEditButtons_);
    SetShowColumnFilterButtons(other->showColumnFilterButtons_);
}

// ---- background bitmaps ----

int TcxCustomGridTableBackgroundBitmaps::GetBitmapStyleIndex(int index) const {
    if (index == 1) return 1; // Content
    if (index == 2) return 4; // FilterBox
    return TcxCustomGridBackgroundBitmaps::GetBitmapStyleIndex(index);
}

void TcxCustomGridTableBackgroundBitmaps::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxCustomGridTableBackgroundBitmaps*>(source)) {
        SetContent(other->GetContent());
        SetFilterBox(other->GetFilterBox());
    }
    TcxCustomGridBackgroundBitmaps::Assign(source);
}

} // namespace zorvy
