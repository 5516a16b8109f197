// What a navigator and the filter control ask of a table view, and the filter dialogs its
// filtering options open.
#include "controls/data/DataController.h"
#include "controls/data/DataFilter.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/filtercontrol/FilterControlDialog.h"
#include "controls/grid/filtercontrol/FilterDialog.h"
#include "controls/grid/table/EditingController.h"
#include "controls/grid/table/FilterOptions.h"
#include "controls/grid/table/TableView.h"

namespace zorvy {

// ---- navigator ----

bool TcxCustomGridTableView::CanAppend() {
    return GetController()->CanAppend(true);
}

bool TcxCustomGridTableView::CanDelete() {
    return GetController()->CanDelete(true);
}

bool TcxCustomGridTableView::CanEdit() {
    return GetController()->CanEdit();
}

bool TcxCustomGridTableView::CanInsert() {
    return GetController()->CanInsert(true);
}

bool TcxCustomGridTableView::IsActive() {
    // A dataset-bound view is active while its dataset is open.
    TcxCustomDataController* data = GetDataController();
    return data->GetActive() || data->GetProvider().IsActive();
}

bool TcxCustomGridTableView::IsBof() {
    return GetDataController()->IsBOF();
}

bool TcxCustomGridTableView::IsBookmarkAvailable() {
    return GetDataController()->IsBookmarkAvailable();
}

bool TcxCustomGridTableView::IsEditing() {
    return GetDataController()->IsEditing();
}

bool TcxCustomGridTableView::IsEof() {
    return GetDataController()->IsEOF();
}

void TcxCustomGridTableView::ClearBookmark() {
    TcxCustomDataController* data = GetDataController();
    const bool had = data->IsBookmarkAvailable();
    data->ClearBookmark();
    if (had) RefreshNavigators();
}

void TcxCustomGridTableView::DoAction(int buttonIndex) {
    TcxCustomGridTableController* controller = GetController();
    TcxCustomDataController* data = GetDataController();
    switch (buttonIndex) {
    case NBDI_FIRST:
        controller->FocusFirstRecord(true);
        break;
    case NBDI_PRIORPAGE:
        controller->GoToPrevPage(true);
        break;
    case NBDI_PRIOR:
        controller->FocusPrevRecord(true);
        break;
    case NBDI_NEXT:
        controller->FocusNextRecord(true);
        break;
    case NBDI_NEXTPAGE:
        controller->GoToNextPage(true);
        break;
    case NBDI_LAST:
        controller->FocusLastRecord(true);
        break;
    case NBDI_INSERT:
    case NBDI_APPEND:
        controller->CreateNewRecord(buttonIndex == NBDI_APPEND);
        break;
    case NBDI_DELETE:
        controller->DeleteSelection();
        break;
    case NBDI_EDIT:
        data->Edit();
        if (TcxCustomGridTableItem* item = controller->GetFocusedItem()) controller->SetEditingItem(item);
        break;
    case NBDI_POST:
        controller->GetEditingController()->UpdateValue();
        data->Post();
        break;
    case NBDI_CANCEL:
        data->Cancel();
        break;
    case NBDI_REFRESH:
        data->RefreshExternalData();
        break;
    case NBDI_SAVEBOOKMARK:
        if (data->SetBookmark()) RefreshNavigators();
        break;
    case NBDI_GOTOBOOKMARK:
        if (data->IsBookmarkAvailable()) data->GotoBookmark();
        break;
    case NBDI_FILTER:
        GetFiltering()->RunCustomizeDialog(nullptr);
        break;
    default:
        break;
    }
}

// ---- filter control ----

std::string TcxCustomGridTableView::GetCaption(int index) {
    return GetFilterableItem(index)->GetAlternateCaptionText();
}

TcxFilterCriteria* TcxCustomGridTableView::GetCriteria() {
    return &GetDataController()->GetFilter();
}

TObject* TcxCustomGridTableView::GetItemLink(int index) {
    return GetFilterableItem(index);
}

std::string TcxCustomGridTableView::GetItemLinkName(int index) {
    return GetFilterableItem(index)->GetName();
}

std::string TcxCustomGridTableView::GetFieldName(int index) {
    return GetFilterableItem(index)->GetDataBinding()->GetFilterFieldName();
}

TcxCustomEditProperties* TcxCustomGridTableView::GetProperties(int index) {
    return GetFilterableItem(index)->GetPropertiesValue();
}

TcxValueTypeClass TcxCustomGridTableView::GetValueType(int index) {
    return GetFilterableItem(index)->GetDataBinding()->GetValueTypeClass();
}

bool TcxCustomGridTableView::DoFilterDialogShow(TcxCustomGridTableItem* item) {
    bool done = false;
    if (OnFilterDialogShow) OnFilterDialogShow(this, item, done);
    return done;
}

bool TcxCustomGridTableView::DoFilterCustomization() {
    bool done = false;
    if (OnFilterCustomization) OnFilterCustomization(this, done);
    return done;
}

// ---- filter dialogs ----

void TcxCustomGridTableFiltering::RunCustomizeDialog(TcxCustomGridTableItem* item) {
    auto* view = static_cast<TcxCustomGridTableView*>(GetGridView());
    if (view->DoFilterDialogShow(item)) return;
    TcxDataFilterCriteria* filter = GetCurrentFilter();
    TFont* font = view->GetGrid() ? view->GetGrid()->GetFont() : nullptr;
    if (!item || RequiresFilterBuilder(filter)) {
        if (view->DoFilterCustomization()) return;
        ShowFilterControlDialog(view, view->GetLookAndFeel(), font, {}, clDefault, view->OnFilterControlDialogShow,
                                [this](TObject* sender) { FilterControlDialogApply(sender); });
        return;
    }
    if (ShowCustomFilterDialog(filter, item, item->GetPropertiesValue(), font, view->GetLookAndFeel(),
                               item->GetDataBinding()->GetValueTypeClass(), item->GetAlternateCaptionText())) {
        filter->SetActive(true);
        AddFilterToMRUItems(nullptr);
    }
}

void TcxCustomGridTableFiltering::FilterControlDialogApply(TObject*) {
    TcxDataFilterCriteria* filter = GetCurrentFilter();
    if (!filter) return;
    if (!filter->IsEmpty()) filter->SetActive(true);
    AddFilterToMRUItems(nullptr);
}

} // namespace zorvy
