// Which records a key or a click selects, and the incremental search typed into a column. The
// selection and the search engine themselves are the data controller's.
#include "controls/data/DataController.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/table/EditingController.h"
#include "controls/grid/table/RecordHitTests.h"
#include "controls/grid/table/TableController.h"
#include "controls/grid/table/TableView.h"

namespace zorvy {

namespace {

constexpr std::uint16_t SelectionKeyBack = 8, SelectionKeyEscape = 27, SelectionKeySpace = 32,
                        SelectionKeyPageUp = 33, SelectionKeyPageDown = 34, SelectionKeyUp = 38,
                        SelectionKeyDown = 40, SelectionKeyInsert = 45, SelectionKeyC = 67;

TShiftState SelectionModifiers(TShiftState shift) {
    return shift & (ssShift | ssCtrl | ssAlt);
}

} // namespace

// ---- selection ----

bool TcxCustomGridTableController::IsMultiSelect() const {
    return GetGridView()->GetOptionsSelection()->GetMultiSelect();
}

bool TcxCustomGridTableController::IsMultiSelectActive(bool requireFocusedView) const {
    return IsMultiSelect() && (!requireFocusedView || GetGridView()->IsFocusedView());
}

int TcxCustomGridTableController::GetSelectedRecordCount() const {
    return GetDataController()->GetSelectedCount();
}

TcxCustomGridRecord* TcxCustomGridTableController::GetSelectedRecord(int index) const {
    const int row = GetDataController()->GetSelectedRowIndex(index);
    return row == -1 ? nullptr : GetGridView()->GetViewData()->GetRecord(row);
}

bool TcxCustomGridTableController::IsRecordSelected(TcxCustomGridRecord* record) const {
    return record && record->GetSelected();
}

void TcxCustomGridTableController::ChangeRecordSelection(TcxCustomGridRecord* record, bool value) {
    if (record && IsMultiSelect()) record->SetSelected(value);
}

void TcxCustomGridTableController::SetSelectionAnchor(int rowIndex) {
    if (rowIndex != -1) GetDataController()->SetSelectionAnchor(rowIndex);
}

void TcxCustomGridTableController::SelectToFocusedRow(bool clearOthers) {
    if (GetFocusedRowIndex() == -1) return;
    SelectFromAnchor(clearOthers, nullptr);
}

void TcxCustomGridTableController::AnchorAndSelectFocused(bool clearOthers) {
    SetSelectionAnchor(GetFocusedRowIndex());
    if (clearOthers) DoClearSelection();
}

void TcxCustomGridTableController::ToggleFocusedRecordSelection() {
    if (TcxCustomGridRecord* record = GetFocusedRecord()) ChangeRecordSelection(record, !record->GetSelected());
}

void TcxCustomGridTableController::CheckUnselectOnExit(TcxCustomGridRecord* record) {
    if (!record || !IsMultiSelect() || !GetGridView()->GetOptionsSelection()->GetUnselectFocusedRecordOnExit()) return;
    if (GetSelectedRecordCount() == 1 && GetSelectedRecord(0) == record) record->SetSelected(false);
}

void TcxCustomGridTableController::SyncSelection() {
    if (!IsMultiSelectActive(true)) return;
    SetSelectionAnchor(GetFocusedRowIndex());
    DoClearSelection();
}

bool TcxCustomGridTableController::CanPostponeSelectionChange() const {
    return GetEditingController()->GetEdit() == nullptr;
}

TcxCustomGridRecord* TcxCustomGridTableController::GetHitRecord(TcxCustomGridHitTest* hitTest) const {
    auto* recordHit = dynamic_cast<TcxGridRecordHitTest*>(hitTest);
    return recordHit && recordHit->IsRecordHit() ? recordHit->GetGridRecord() : nullptr;
}

bool TcxCustomGridTableController::CanProcessMouseSelection(TcxCustomGridHitTest* hitTest, TShiftState) const {
    if (!IsMultiSelectActive(false)) return false;
    TcxCustomGridRecord* record = GetHitRecord(hitTest);
    return record && record == GetFocusedRecord();
}

bool TcxCustomGridTableController::CanProcessMultiSelect(std::uint16_t key, TShiftState shift,
                                                         bool focusedRowChanged) const {
    return IsMultiSelectActive(true) && IsKeyForMultiSelect(key, shift, focusedRowChanged);
}

void TcxCustomGridTableController::SelectFromAnchor(bool clearOthers, TcxCustomGridHitTest*) {
    GetDataController()->SelectFromAnchor(GetFocusedRowIndex(), !clearOthers);
}

void TcxCustomGridTableController::DoClearSelection() {
    TcxCustomGridRecord* focused = GetFocusedRecord();
    if (GetSelectedRecordCount() == 1 && focused && GetSelectedRecord(0) == focused) return;
    TcxCustomGridTableView* view = GetGridView();
    TcxCustomDataController* data = GetDataController();
    // Clearing the data's selection drops its anchor; a Shift+click later still extends from it.
    const int anchor = data->GetSelectionAnchorRowIndex();
    view->BeginUpdate();
    try {
        ClearRecordSelection();
        if (focused) focused->SetSelected(true);
        if (anchor >= 0 && anchor < data->GetRowCount()) data->SetSelectionAnchor(anchor);
    } catch (...) {
        view->EndUpdate();
        throw;
    }
    view->EndUpdate();
}

void TcxCustomGridTableController::InvalidateSelection() {
    for (int i = 0; i < GetSelectedRecordCount(); ++i)
        if (TcxCustomGridRecord* record = GetSelectedRecord(i)) record->Invalidate();
    InvalidateFocusedRecord();
}

bool TcxCustomGridTableController::IsKeyForMultiSelect(std::uint16_t key, TShiftState shift,
                                                       bool focusedRowChanged) const {
    if (key == SelectionKeySpace || key == SelectionKeyPageUp || key == SelectionKeyPageDown) return true;
    if (SelectionModifiers(shift) == ssCtrl && (key == SelectionKeyInsert || key == SelectionKeyC)) return false;
    return focusedRowChanged;
}

void TcxCustomGridTableController::ProcessSelectionKey(std::uint16_t& key, TShiftState shift) {
    const TShiftState mods = SelectionModifiers(shift);
    if (key == SelectionKeySpace && mods == ssCtrl) {
        ToggleFocusedRecordSelection();
        SwallowNextChar();
    } else if ((mods & ssShift) && key != 0) {
        SelectToFocusedRow(!(mods & ssCtrl));
    } else {
        AnchorAndSelectFocused(mods != ssCtrl);
    }
}

void TcxCustomGridTableController::DoMouseSelection(TcxCustomGridHitTest* hitTest, TShiftState shift) {
    const TShiftState mods = SelectionModifiers(shift);
    const bool doubleClick = (shift & ssDouble) != 0;
    TcxCustomGridRecord* record = GetHitRecord(hitTest);
    if (mods == 0 || mods == ssCtrl) SetSelectionAnchor(record->GetIndex());
    auto postponeOrDo = [&](const auto& change) {
        if (record->GetSelected() && CanPostponeSelectionChange() && !doubleClick) {
            postponedUnselect_ = true;
            postponedUnselectIndex_ = record->GetIndex();
        } else {
            change();
        }
    };
    if (mods == ssCtrl && SupportsRecordToggling()) {
        postponeOrDo([this] { ToggleFocusedRecordSelection(); });
    } else if (mods == ssShift || mods == (ssShift | ssCtrl)) {
        SelectFromAnchor(!((mods & ssCtrl) && SupportsAdditiveSelection()), hitTest);
    } else {
        postponeOrDo([this] { ClearSelection(); });
    }
}

void TcxCustomGridTableController::FinishMouseSelection(TcxCustomGridHitTest* hitTest, TShiftState shift) {
    TcxCustomGridRecord* record = GetHitRecord(hitTest);
    if (postponedUnselect_ && record && record->GetIndex() == postponedUnselectIndex_) {
        if (SelectionModifiers(shift) == ssCtrl && SupportsRecordToggling())
            ToggleFocusedRecordSelection();
        else
            DoClearSelection();
    }
    CancelPostponedSelectionChange();
}

void TcxCustomGridTableController::ClearRecordSelection() {
    GetDataController()->ClearSelection();
}

void TcxCustomGridTableController::SelectAll() {
    GetDataController()->SelectAll();
}

// ---- incremental search ----

bool TcxCustomGridTableController::IsIncSearching() const {
    return GetDataController()->GetSearch().GetSearching();
}

std::string TcxCustomGridTableController::GetIncSearchText() const {
    return GetDataController()->GetSearch().GetSearchText();
}

TcxCustomGridTableItem* TcxCustomGridTableController::GetSearchedItem() const {
    if (!IsIncSearching()) return nullptr;
    const int itemIndex = GetDataController()->GetSearch().GetItemIndex();
    TcxCustomGridTableView* view = GetGridView();
    return itemIndex >= 0 && itemIndex < view->GetItemCount() ? view->GetItem(itemIndex) : nullptr;
}

TcxCustomGridTableItem* TcxCustomGridTableController::GetIncSearchingItem() const {
    TcxCustomGridTableView* view = GetGridView();
    if (view->GetOptionsSelection()->GetCellSelect()) return GetFocusedItem();
    if (TcxCustomGridTableItem* item = view->GetOptionsBehavior()->GetIncSearchItem()) return item;
    return view->GetVisibleItemCount() > 0 ? view->GetVisibleItem(0) : nullptr;
}

void TcxCustomGridTableController::SetIncSearchText(const std::string& text) {
    if (text == GetIncSearchText()) return;
    TcxCustomGridTableItem* item = IsIncSearching() ? GetSearchedItem() : GetIncSearchingItem();
    if (!item) return;
    if (text.empty())
        CancelIncSearching();
    else
        GetDataController()->GetSearch().Locate(item->GetIndex(), text);
}

void TcxCustomGridTableController::CancelIncSearching() {
    TcxCustomGridTableView* view = GetGridView();
    if (view && view->GetDataController()) GetDataController()->GetSearch().Cancel();
}

void TcxCustomGridTableController::DoIncSearchKey(std::uint16_t& key, TShiftState shift) {
    const TShiftState mods = SelectionModifiers(shift);
    switch (key) {
    case SelectionKeyBack: {
        std::string text = GetIncSearchText();
        // Drops the whole last character, not only its last byte.
        size_t cut = text.size();
        while (cut > 0 && (static_cast<unsigned char>(text[cut - 1]) & 0xC0) == 0x80) --cut;
        if (cut > 0) --cut;
        text.resize(cut);
        SetIncSearchText(text);
        key = 0;
        break;
    }
    case SelectionKeyEscape:
        CancelIncSearching();
        key = 0;
        break;
    case SelectionKeyUp:
    case SelectionKeyDown:
        if (mods == ssCtrl) {
            GetDataController()->GetSearch().LocateNext(key == SelectionKeyDown);
            key = 0;
        }
        break;
    default:
        break;
    }
}

} // namespace zorvy
