// The focused item and record of a table view, the keys and mouse presses that move between them,
// and the records it creates and deletes.
#include "controls/grid/table/TableController.h"

#include "controls/data/DataController.h"
#include "controls/foundation/services/Timers.h"
#include "controls/editors/framework/Edit.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/table/EditingController.h"
#include "controls/grid/table/ItemFilterDropDown.h"
#include "controls/grid/table/TableItemMoving.h"
#include "controls/grid/table/TableView.h"
#include "controls/grid/view/GridSite.h"
#include "controls/grid/view/HitTests.h"
#include "controls/grid/view/ViewInfo.h"
#include "platform/classlib/Forms.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/ResourceStrings.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxGridDeletingConfirmationCaption, "Confirm");
ZORVY_RESOURCESTRING(scxGridDeletingFocusedConfirmationText, "Delete record?");
ZORVY_RESOURCESTRING(scxGridDeletingSelectedConfirmationText, "Delete all selected records?");

namespace {

constexpr std::uint16_t TableKeyTab = 9, TableKeyEnter = 13, TableKeyEscape = 27, TableKeyPageUp = 33,
                        TableKeyPageDown = 34, TableKeyLeft = 37, TableKeyUp = 38, TableKeyRight = 39,
                        TableKeyDown = 40, TableKeyInsert = 45, TableKeyDelete = 46, TableKeyA = 65, TableKeyC = 67;
constexpr TShiftState TableModifiers = ssShift | ssCtrl | ssAlt;

TShiftState ModifiersOf(TShiftState shift) {
    return shift & TableModifiers;
}

using EditState = TcxCustomDataController::TcxDataControllerEditStateFlag;
using EditOperation = TcxCustomDataController::TcxDataControllerEditOperation;

} // namespace

TcxCustomGridTableController::TcxCustomGridTableController(TcxCustomGridView* gridView)
    : TcxCustomGridController(gridView) {}

TcxCustomGridTableController::~TcxCustomGridTableController() {
    StopDeferredAction();
    itemsCustomizationPopup_.reset();
    filterMRUItemsPopup_.reset();
    filterPopup_.reset();
}

TcxGridEditingController* TcxCustomGridTableController::GetEditingController() const {
    if (!editingController_)
        editingController_.reset(CreateInstance<TcxGridEditingController>(
            GetEditingControllerClass(), const_cast<TcxCustomGridTableController*>(this)));
    return editingController_.get();
}

const TMetaClass* TcxCustomGridTableController::GetEditingControllerClass() const {
    return TcxGridEditingController::StaticClass();
}

TcxCustomGridTableView* TcxCustomGridTableController::GetGridView() const {
    return static_cast<TcxCustomGridTableView*>(TcxGridViewHandler::GetGridView());
}

// ---- focused item ----

int TcxCustomGridTableController::GetFocusedItemIndex() const {
    return focusedItem_ ? focusedItem_->GetVisibleIndex() : -1;
}

void TcxCustomGridTableController::SetFocusedItem(TcxCustomGridTableItem* value) {
    if (value && !value->CanFocus(GetFocusedRecord())) return;
    if (value == focusedItem_) {
        MakeItemVisible(value);
        return;
    }
    if (GetEditingController()->IsEditing() && !GetEditingController()->IsEditingItemSetting()) GetEditingController()->HideEdit(true);
    TcxCustomGridTableItem* prev = focusedItem_;
    focusedItem_ = value;
    TcxCustomGridTableView* view = GetGridView();
    if (!view->HasState(csLoading) && !view->IsBeingDestroyed()) {
        editOnMouseUp_ = false;
        CancelIncSearching();
        MakeFocusedItemVisible();
        if (TcxCustomGridRecord* record = GetFocusedRecord()) {
            if (prev) record->Invalidate(prev);
            if (value) record->Invalidate(value);
        }
        if (!prev || !value) view->RefreshNavigators();
        view->DoFocusedItemChanged(prev, value);
    }
    CheckAutoEdit();
}

int TcxCustomGridTableController::FindNextItem(int visibleIndex, bool goForward, TcxCustomGridRecord* record,
                                               bool& wrapped, bool cycle) {
    TcxCustomGridTableView* view = GetGridView();
    int index = -1;
    const bool found = FindRecordIndex(
        visibleIndex, view->GetVisibleItemCount(), goForward, cycle,
        [&](int i) { return view->GetVisibleItem(i)->CanFocus(record); }, index, wrapped);
    return found ? index : -1;
}

TcxCustomGridTableItem* TcxCustomGridTableController::FindNextItem(int visibleIndex, bool goForward, bool cycle) {
    bool wrapped = false;
    const int index = FindNextItem(visibleIndex, goForward, GetFocusedRecord(), wrapped, cycle);
    return index == -1 ? nullptr : GetGridView()->GetVisibleItem(index);
}

bool TcxCustomGridTableController::FocusFirstItem() {
    return FocusNextItem(-1, true, false);
}

bool TcxCustomGridTableController::CanFocusNextItem(int, int foundIndex, bool, bool, bool) {
    return foundIndex != -1;
}

bool TcxCustomGridTableController::FocusNextItem(int visibleIndex, bool goForward, bool cycle,
                                                 bool goToNextRecordOnCycle) {
    bool wrapped = false;
    const int index =
        FindNextItem(visibleIndex, goForward, GetFocusedRecord(), wrapped, cycle || goToNextRecordOnCycle);
    if (!CanFocusNextItem(visibleIndex, index, goForward, cycle, goToNextRecordOnCycle)) return false;
    bool result = true;
    if (wrapped && goToNextRecordOnCycle) {
        TcxCustomDataController* data = GetDataController();
        TcxCustomGridRecord* record = GetFocusedRecord();
        if (record && record->IsNewItemRecord()) {
            data->Post();
            SetFocusedRecord(GetGridView()->GetViewData()->GetNewItemRecord());
        } else {
            result = MoveFocus(GetFocusedRowIndex(), goForward) && FocusedRecordHasCells(true);
        }
    }
    if (result) SetFocusedItem(GetGridView()->GetVisibleItem(index));
    return result;
}

bool TcxCustomGridTableController::FocusNextCell(bool goForward, bool stayInRecord, bool cycle) {
    const bool focusCellOnCycle = GetGridView()->GetOptionsBehavior()->GetFocusCellOnCycle();
    if (FocusedRecordHasCells(true))
        return FocusNextItem(GetFocusedItemIndex(), goForward, false, cycle && focusCellOnCycle);
    if (stayInRecord || !focusCellOnCycle) return false;
    const bool moved = MoveFocus(GetFocusedRowIndex(), goForward);
    if (moved && FocusedRecordHasCells(true)) FocusNextItem(-1, goForward, true);
    return moved;
}

void TcxCustomGridTableController::ItemRemoved(TcxCustomGridTableItem* item) {
    if (GetEditingController()->GetEditingItem() == item) GetEditingController()->DropEditingItem();
    if (focusedItem_ == item) focusedItem_ = nullptr;
}

// ---- focused record ----

int TcxCustomGridTableController::GetFocusedRowIndex() const {
    return GetDataController()->GetFocusedRowIndex();
}

bool TcxCustomGridTableController::FocusRowIndex(int rowIndex) {
    TcxCustomGridTableViewData* viewData = GetGridView()->GetViewData();
    if (viewData->IsRowIndexValid(rowIndex) && !viewData->GetRecord(rowIndex)->CanFocus()) return false;
    const int prev = GetFocusedRowIndex();
    if (!GetDataController()->ChangeFocusedRowIndex(rowIndex)) return false;
    if (focusedRecordSynchronizing_) {
        if (rowIndex == prev) CheckFocusedRecord();
        if (GetFocusedRecord()) GetGridView()->SetFocused(true);
    }
    return true;
}

bool TcxCustomGridTableController::FocusRecordIndex(int rowIndex, bool syncSelection) {
    FocusRowIndex(rowIndex);
    const bool result = GetFocusedRowIndex() == rowIndex;
    if (syncSelection) SyncSelection();
    return result;
}

TcxCustomGridRecord* TcxCustomGridTableController::GetFocusedRecord() const {
    TcxCustomGridTableViewData* viewData = GetGridView()->GetViewData();
    const int rowIndex = GetFocusedRowIndex();
    return viewData && viewData->IsRowIndexValid(rowIndex) ? viewData->GetRecord(rowIndex) : nullptr;
}

void TcxCustomGridTableController::SetFocusedRecord(TcxCustomGridRecord* value) {
    FocusRowIndex(value ? value->GetIndex() : -1);
}

bool TcxCustomGridTableController::FocusedRecordHasCells(bool checkCellFocusing) const {
    TcxCustomGridRecord* record = GetFocusedRecord();
    return record && record->HasCells() && (!checkCellFocusing || record->CanFocusCells());
}

bool TcxCustomGridTableController::IsAtFirstRecord() const {
    if (GetDataController()->IsGridMode()) return GetDataController()->IsBOF();
    return FindNextFocusableRecordIndex(GetFocusedRowIndex(), false, false) == -1;
}

bool TcxCustomGridTableController::IsAtLastRecord() const {
    if (GetDataController()->IsGridMode()) return GetDataController()->IsEOF();
    return FindNextFocusableRecordIndex(GetFocusedRowIndex(), true, false) == -1;
}

bool TcxCustomGridTableController::FocusFirstRecord(bool syncSelection) {
    return MoveFocusedRecord(-1, true, syncSelection);
}

bool TcxCustomGridTableController::FocusLastRecord(bool syncSelection) {
    return MoveFocusedRecord(-1, false, syncSelection, true);
}

bool TcxCustomGridTableController::FocusNextRecord(bool syncSelection) {
    return MoveFocusedRecord(GetFocusedRowIndex(), true, syncSelection);
}

bool TcxCustomGridTableController::FocusPrevRecord(bool syncSelection) {
    return MoveFocusedRecord(GetFocusedRowIndex(), false, syncSelection);
}

bool TcxCustomGridTableController::MoveFocusedRecord(int fromRow, bool goForward, bool syncSelection, bool wrap) {
    const bool result = MoveFocus(fromRow, goForward, wrap);
    if (result && syncSelection) SyncSelection();
    return result;
}

int TcxCustomGridTableController::FindNextFocusableRecordIndex(int fromRow, bool goForward, bool wrap) const {
    TcxCustomGridTableViewData* viewData = GetGridView()->GetViewData();
    int index = -1;
    bool wrapped = false;
    const bool found = FindRecordIndex(
        fromRow, viewData->GetRecordCount(), goForward, wrap,
        [viewData](int i) { return viewData->GetRecord(i)->CanFocus(); }, index, wrapped);
    return found ? index : -1;
}

void TcxCustomGridTableController::PrepareRecordChange(int& fromRow, bool goForward, bool& done) {
    TcxCustomDataController* data = GetDataController();
    if (!data->IsEditing()) return;
    GetEditingController()->UpdateValue();
    const unsigned state = data->GetEditState();
    if (state == EditState::dceInsert) {
        const bool atEnd = data->IsEOF();
        if ((goForward && !atEnd) || (!goForward && atEnd)) {
            data->Cancel();
            done = true;
        }
    } else if (state & EditState::dceModified) {
        data->Post();
        fromRow = GetFocusedRowIndex();
    }
}

bool TcxCustomGridTableController::MoveFocus(int fromRow, bool goForward, bool wrap) {
    TcxCustomGridTableView* view = GetGridView();
    std::unique_ptr<TcxGridListenerLink> link(view->CreateListenerLink());
    TcxCustomGrid* grid = view->GetGrid();
    TcxCustomGridView* prevFocusedView = grid ? grid->GetFocusedView() : nullptr;
    TcxCustomGridRecord* prevRecord = GetFocusedRecord();
    bool done = false;
    PrepareRecordChange(fromRow, goForward, done);
    if (!link->GetGridView()) return false;
    if (done) return true;
    TcxCustomDataController* data = GetDataController();
    if (data->IsGridMode() && fromRow == -1) {
        if (goForward)
            data->GotoFirst();
        else if (wrap)
            data->GotoLast();
    }
    TcxCustomGridRecord* target = nullptr;
    if (goForward && view->IsMaster() && fromRow != -1)
        if (TcxCustomGridRecord* start = view->GetViewData()->FindRecord(fromRow)) target = start->FindFirstFocusableChild();
    if (!target) {
        const int index = FindNextFocusableRecordIndex(fromRow, goForward, wrap);
        if (index == -1) {
            if (goForward && CanAppend(false) && !(data->GetEditState() & EditState::dceInsert)) {
                CreateNewRecord(true);
                return true;
            }
            if (view->IsDetail() && !goForward) target = view->GetMasterRecord();
            if (!target) return false;
        } else {
            target = view->GetViewData()->GetRecord(index);
            if (!goForward && view->IsMaster())
                if (TcxCustomGridRecord* child = target->FindLastFocusableChild(true)) target = child;
        }
    }
    const int before = GetFocusedRowIndex();
    target->SetFocused(true);
    const bool moved = link->GetGridView() && (GetFocusedRowIndex() != before || target->GetFocused());
    if (moved && grid && grid->GetFocusedView() != prevFocusedView) {
        if (prevRecord && prevFocusedView == view) CheckUnselectOnExit(prevRecord);
        if (auto* focusedTable = dynamic_cast<TcxCustomGridTableView*>(grid->GetFocusedView()))
            focusedTable->GetController()->SyncSelection();
    }
    return moved;
}

void TcxCustomGridTableController::FocusedRecordChanged(int, int rowIndex, bool) {
    editOnMouseUp_ = false;
    if (GetEditingController()->IsEditing() && GetEditingController()->MustHideEditOnRecordChange())
        GetEditingController()->HideEdit(true);
    TcxCustomDataController* data = GetDataController();
    if (!data->HasSelectionAnchor() && rowIndex >= 0 && rowIndex < data->GetRowCount()) data->SetSelectionAnchor(rowIndex);
}

void TcxCustomGridTableController::CheckFocusedRecord() {
    if (!IsFocusing()) MakeRecordVisible(GetFocusedRecord());
}

void TcxCustomGridTableController::InvalidateFocusedRecord() {
    if (TcxCustomGridRecord* record = GetFocusedRecord()) record->Invalidate();
}

void TcxCustomGridTableController::SetDragHighlightedRecord(TcxCustomGridRecord* value) {
    if (dragHighlightedRecord_ == value) return;
    if (dragHighlightedRecord_) dragHighlightedRecord_->Invalidate();
    dragHighlightedRecord_ = value;
    if (value) value->Invalidate();
}

// ---- permissions ----

bool TcxCustomGridTableController::CanAppend(bool checkOptions) const {
    return (GetDataController()->GetEditOperations() & EditOperation::dceoAppend) &&
           (!checkOptions || GetGridView()->GetOptionsData()->GetAppending());
}

bool TcxCustomGridTableController::CanDelete(bool checkOptions) const {
    return (GetDataController()->GetEditOperations() & EditOperation::dceoDelete) &&
           (!checkOptions || GetGridView()->GetOptionsData()->GetDeleting());
}

bool TcxCustomGridTableController::CanEdit() const {
    const unsigned operations = GetDataController()->GetEditOperations();
    return focusedItem_ && GetGridView()->GetOptionsData()->GetEditing() && (operations & EditOperation::dceoEdit) &&
           (operations & EditOperation::dceoShowEdit);
}

bool TcxCustomGridTableController::CanInsert(bool checkOptions) const {
    return (GetDataController()->GetEditOperations() & EditOperation::dceoInsert) &&
           (!checkOptions || GetGridView()->GetOptionsData()->GetInserting());
}

bool TcxCustomGridTableController::CanCancelOnExit() const {
    const unsigned state = GetDataController()->GetEditState();
    return GetGridView()->GetOptionsData()->GetCancelOnExit() && (state & EditState::dceInsert) &&
           !(state & (EditState::dceChanging | EditState::dceModified));
}

bool TcxCustomGridTableController::IsNavigatorHidden() const {
    return !GetGridView()->GetOptionsView()->GetNavigator();
}

// ---- creating and deleting records ----

void TcxCustomGridTableController::CreateNewRecord(bool append) {
    TcxCustomGridTableView* view = GetGridView();
    view->SetFocused(true);
    const bool hadEditor = GetEditingController()->GetEdit() != nullptr;
    TcxCustomDataController* data = GetDataController();
    if (append) {
        if (CanAppend(false)) data->Append();
    } else if (CanInsert(false)) {
        data->Insert();
        if (IsMultiSelect())
            if (TcxCustomGridRecord* record = view->GetViewData()->GetEditingRecord()) record->SetSelected(true);
    }
    if ((data->GetEditState() & EditState::dceInsert) && view->GetOptionsBehavior()->GetFocusFirstCellOnNewRecord()) {
        FocusFirstItem();
        if (hadEditor) GetEditingController()->ShowEdit(nullptr);
    }
}

bool TcxCustomGridTableController::ConfirmDelete(bool several) const {
    if (!GetGridView()->GetOptionsData()->GetDeletingConfirmation()) return true;
    const std::string text = ResolveResourceString(several ? scxGridDeletingSelectedConfirmationText
                                                           : scxGridDeletingFocusedConfirmationText);
    return Application->MessageBox(text, ResolveResourceString(scxGridDeletingConfirmationCaption),
                                   MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

void TcxCustomGridTableController::DeleteSelection() {
    if (!CanDelete(false)) return;
    const int selected = GetSelectedRecordCount();
    const bool several = IsMultiSelect() && selected > 0 &&
                         (selected > 1 || !IsFocusedRecord(GetSelectedRecord(0)));
    if (!several && !GetFocusedRecord()) return;
    if (!ConfirmDelete(several)) return;
    if (several)
        GetDataController()->DeleteSelection();
    else
        GetDataController()->DeleteFocused();
}

// ---- keys ----

void TcxCustomGridTableController::KeyDown(std::uint16_t& key, TShiftState shift) {
    std::unique_ptr<TcxGridListenerLink> link(GetGridView()->CreateListenerLink());
    if (IsIncSearching()) {
        DoIncSearchKey(key, shift);
        if (!link->GetGridView()) {
            key = 0;
            return;
        }
    }
    const int prevRow = GetFocusedRowIndex();
    const int prevTop = topRecordIndex_;
    TcxCustomGridController::KeyDown(key, shift);
    if (!link->GetGridView()) {
        key = 0;
        return;
    }
    if (CanProcessMultiSelect(key, shift, GetFocusedRowIndex() != prevRow)) ProcessSelectionKey(key, shift);
    if (!link->GetGridView()) {
        key = 0;
        return;
    }
    if (topRecordIndex_ != prevTop)
        if (TcxControl* site = GetSite()) site->Update();
}

void TcxCustomGridTableController::DoKeyDown(std::uint16_t& key, TShiftState shift) {
    TcxCustomGridController::DoKeyDown(key, shift);
    if (!skipRecordKeys_)
        if (TcxCustomGridRecord* record = GetFocusedRecord()) record->KeyDown(key, shift);
    TcxCustomGridTableView* view = GetGridView();
    TcxCustomGridTableOptionsBehavior* behavior = view->GetOptionsBehavior();
    const TShiftState mods = ModifiersOf(shift);
    switch (key) {
    case TableKeyTab:
    case TableKeyEnter: {
        if (key == TableKeyTab ? !behavior->GetFocusCellOnTab() : !behavior->GetGoToNextCellOnEnter()) {
            if (key == TableKeyTab && (mods & ssCtrl) && !(mods & ssAlt) && view->GetGrid())
                view->GetGrid()->FocusNextControl(!(mods & ssShift));
            break;
        }
        if (mods == 0 || mods == ssShift) {
            const bool goForward = mods == 0;
            if (FocusNextCell(goForward, false, true) || key == TableKeyEnter) {
                key = 0;
            } else if (!IsEditing() && view->GetGrid()) {
                key = 0;
                view->GetGrid()->FocusNextControl(goForward);
            }
        } else if (key == TableKeyTab && (mods == ssCtrl || mods == (ssCtrl | ssShift)) && view->GetGrid()) {
            key = 0;
            view->GetGrid()->FocusNextControl(!(mods & ssShift));
        }
        break;
    }
    case TableKeyEscape: {
        TcxCustomDataController* data = GetDataController();
        if (!data->IsEditing()) break;
        data->Cancel();
        if (!data->IsEditing() && IsMultiSelect())
            if (TcxCustomGridRecord* record = GetFocusedRecord()) record->SetSelected(true);
        key = 0;
        break;
    }
    case TableKeyPageUp:
        GoToPrevPage(false);
        break;
    case TableKeyPageDown:
        GoToNextPage(false);
        break;
    case TableKeyInsert:
        if (mods == 0 && CanInsert(true))
            CreateNewRecord(false);
        else if (mods == ssCtrl && !GetEditingController()->GetEdit())
            view->CopyRecordsToClipboard(false);
        break;
    case TableKeyDelete:
        if ((mods == 0 || mods == ssCtrl) && CanDelete(true)) {
            DeleteSelection();
            key = 0;
        }
        break;
    case TableKeyA:
        if (mods == ssCtrl) SelectAll();
        break;
    case TableKeyC:
        if (mods == ssCtrl && !GetEditingController()->GetEdit()) view->CopyRecordsToClipboard(false);
        break;
    default:
        break;
    }
}

void TcxCustomGridTableController::KeyPress(char32_t& ch) {
    TcxCustomGridController::KeyPress(ch);
    if (EatSwallowedChar()) {
        ch = 0;
        return;
    }
    if (ch == 8 || ch >= 32) {
        TcxCustomGridTableItem* item = GetIncSearchingItem();
        if (item && item->CanIncSearch() && !GetDataController()->IsEditing()) {
            if (ch != 8) SetIncSearchText(GetIncSearchText() + CodePointToUtf8(ch));
            ch = 0;
            return;
        }
    }
    // Every character from the space up opens the editor, so text typed or composed in any script
    // reaches it.
    if (ch == 8 || ch == 22 || ch == 24 || ch >= 32) {
        if (FocusedRecordHasCells(false) && focusedItem_) {
            GetEditingController()->ShowEditAndSendChar(focusedItem_, ch);
            ch = 0;
        }
    }
}

bool TcxCustomGridTableController::IsKeyForController(std::uint16_t key, TShiftState) const {
    switch (key) {
    case TableKeyTab:
    case TableKeyEscape:
    case TableKeyPageUp:
    case TableKeyPageDown:
    case TableKeyUp:
    case TableKeyDown:
    case TableKeyInsert:
        return true;
    case TableKeyLeft:
    case TableKeyRight:
        return !GetGridView()->GetOptionsBehavior()->GetAlwaysShowEditor();
    default:
        return false;
    }
}

bool TcxCustomGridTableController::EatSwallowedChar() {
    const bool swallowed = swallowNextChar_;
    swallowNextChar_ = false;
    return swallowed;
}

// ---- mouse ----

void TcxCustomGridTableController::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    GetEditingController()->StopEditShowingTimer();
    TcxCustomGridTableView* view = GetGridView();
    std::unique_ptr<TcxGridListenerLink> link(view->CreateListenerLink());
    TcxCustomGridHitTest* hitTest = GetViewInfo()->GetHitTest(TPoint{x, y});
    TcxCustomGridController::MouseDown(button, shift, x, y);
    if (!link->GetGridView()) return;
    hitTest = GetViewInfo()->GetHitTest(TPoint{x, y});
    auto* viewHitTest = dynamic_cast<TcxCustomGridViewHitTest*>(hitTest);
    if (viewHitTest && viewHitTest->GetGridView() != view) return;
    mouseSelectionProcessed_ = button == mbLeft && CanProcessMouseSelection(hitTest, shift);
    if (mouseSelectionProcessed_) DoMouseSelection(hitTest, shift);
    if (button == mbLeft && (shift & ~ssDouble) == ssLeft && GetHitRecord(hitTest) && GetPullFocusing() &&
        view->GetDragMode() == dmManual)
        StartPullFocusing(hitTest);
}

void TcxCustomGridTableController::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TcxCustomGridTableView* view = GetGridView();
    std::unique_ptr<TcxGridListenerLink> link(view->CreateListenerLink());
    StopPullFocusing();
    TcxCustomGridController::MouseUp(button, shift, x, y);
    if (!link->GetGridView()) return;
    if (button == mbLeft && mouseSelectionProcessed_) {
        TcxCustomGridHitTest* hitTest = GetViewInfo()->GetHitTest(TPoint{x, y});
        if (CanProcessMouseSelection(hitTest, shift)) FinishMouseSelection(hitTest, shift);
    }
    mouseSelectionProcessed_ = false;
    CancelPostponedSelectionChange();
}

// ---- editing ----

TcxCustomGridTableItem* TcxCustomGridTableController::GetEditingItem() const {
    return GetEditingController()->GetEditingItem();
}

void TcxCustomGridTableController::SetEditingItem(TcxCustomGridTableItem* value) {
    GetEditingController()->SetEditingItem(value);
}

bool TcxCustomGridTableController::IsEditing() const {
    return GetEditingController()->IsEditing();
}

void TcxCustomGridTableController::CheckAutoEdit() {
    editCheckPending_ = false;
    if (!editCheckAllowed_ || !GetGridView()->GetOptionsBehavior()->GetAlwaysShowEditor()) return;
    if (TcxCustomGrid* grid = GetControl(); grid && grid->IsUpdateLocked()) {
        editCheckPending_ = true;
        return;
    }
    GetEditingController()->ShowOrHideEdit();
}

void TcxCustomGridTableController::LayoutChanged() {
    if (TcxControl* site = GetSite()) site->PostMouseMoveAtCursor();
    GetEditingController()->UpdateEditPosition();
    GetEditingController()->VerifyEditPosition();
    RunDeferredAction();
    if (TcxControl* site = GetSite()) site->Update();
}

void TcxCustomGridTableController::ResetEditPlacement() {
    GetEditingController()->ResetEditPlacement();
}

void TcxCustomGridTableController::AfterPaint() {
    TcxCustomGridController::AfterPaint();
    if (editCheckPending_) CheckAutoEdit();
}

void TcxCustomGridTableController::BeforePaint() {
    TcxCustomGridController::BeforePaint();
    GetEditingController()->UpdateEditIfNeeded();
}

void TcxCustomGridTableController::PostOrCancelEdit() {
    TcxCustomGridController::PostOrCancelEdit();
    TcxCustomDataController* data = GetDataController();
    if (!data->IsEditing()) return;
    if (data->GetEditState() & EditState::dceModified)
        data->Post();
    else
        data->Cancel();
}

void TcxCustomGridTableController::DoEnter() {
    TcxCustomGridController::DoEnter();
    RequestEditCheck();
}

void TcxCustomGridTableController::DoExit() {
    if (CanCancelOnExit())
        GetDataController()->Cancel();
    else
        GetDataController()->PostEditingData();
    TcxCustomGridController::DoExit();
}

void TcxCustomGridTableController::BeforeFocusLost() {
    TcxCustomGridTableView* view = GetGridView();
    GetEditingController()->HideEdit(!view->IsBeingDestroyed());
    if (!view->IsBeingDestroyed() && GetDataController()->IsEditing()) GetDataController()->CheckBrowseMode();
    TcxCustomGridController::BeforeFocusLost();
}

void TcxCustomGridTableController::DoFocusView(bool focusing) {
    if (!GetEditingController()->IsEditFocusFree()) return;
    TcxCustomGridController::DoFocusView(focusing);
    InvalidateFocusedRecord();
    RequestEditCheck();
}

void TcxCustomGridTableController::UnfocusView() {
    TcxCustomGridController::UnfocusView();
    CheckUnselectOnExit(GetFocusedRecord());
    InvalidateFocusedRecord();
}

void TcxCustomGridTableController::ControlFocusChanged() {
    TcxCustomGridController::ControlFocusChanged();
    InvalidateSelection();
}

bool TcxCustomGridTableController::HasFocusedControls() {
    TcxCustomEdit* edit = GetEditingController()->GetEdit();
    return TcxCustomGridController::HasFocusedControls() || (edit && edit->OwnsFocus());
}

bool TcxCustomGridTableController::AreAllRecordsVisible() {
    return GetVisibleRecordCount() == GetGridView()->GetViewData()->GetRecordCount();
}

void TcxCustomGridTableController::CheckCoordinates() {
    TcxCustomGridController::CheckCoordinates();
    SetTopRecordIndex(topRecordIndex_);
}

} // namespace zorvy
