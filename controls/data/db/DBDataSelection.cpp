// Grid mode's selection by dataset bookmarks, and the controller's grid-mode navigation, bookmark
// and selection operations.
#include "controls/data/db/DBDataSelection.h"

#include "controls/data/DataResources.h"
#include "controls/data/db/DBDataController.h"
#include "platform/db/DataSet.h"
#include "platform/rtl/Exceptions.h"

namespace zorvy {

ZORVY_RESOURCESTRING(cxSDataControllerNotInGridMode, "DataController not in GridMode");

// ---- the bookmark list ----

const std::string& TcxDBDataSelection::GetBookmark(int index) const {
    CheckListIndex(index, GetCount());
    return bookmarks_[static_cast<size_t>(index)];
}

bool TcxDBDataSelection::Find(const std::string& bookmark, int& index) const {
    int low = 0, high = GetCount() - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const int compare = dataController_->GetDBProvider().CompareBookmarks(bookmarks_[static_cast<size_t>(middle)], bookmark);
        if (compare == 0) {
            index = middle;
            return true;
        }
        if (compare < 0)
            low = middle + 1;
        else
            high = middle - 1;
    }
    index = low;
    return false;
}

bool TcxDBDataSelection::Contains(const std::string& bookmark) const {
    int index = 0;
    return !bookmark.empty() && Find(bookmark, index);
}

void TcxDBDataSelection::Insert(int index, const std::string& bookmark) {
    bookmarks_.insert(bookmarks_.begin() + index, bookmark);
}

void TcxDBDataSelection::Delete(int index) {
    if (GetBookmark(index) == anchor_) ClearAnchor();
    bookmarks_.erase(bookmarks_.begin() + index);
}

void TcxDBDataSelection::RemoveInvalid() {
    TDataSet* dataSet = dataController_->GetDataSet();
    for (int i = GetCount() - 1; i >= 0; --i) {
        const std::string& bookmark = bookmarks_[static_cast<size_t>(i)];
        if (bookmark.empty() || !dataSet || !dataSet->BookmarkValid(bookmark)) Delete(i);
    }
}

// ---- the controller in grid mode ----

namespace {

[[noreturn]] void NotInGridMode() {
    RaiseDataControllerError(cxSDataControllerNotInGridMode);
}

} // namespace

std::string TcxDBDataController::GetRowBookmark(int rowIndex) const {
    if (!IsGridMode() || rowIndex < 0 || rowIndex >= GetRowCount()) return {};
    return DBProvider().GetBufferBookmark(GetRowInfo(rowIndex).RecordIndex);
}

void TcxDBDataController::GotoFirst() {
    if (!IsGridMode()) return TcxCustomDataController::GotoFirst();
    GetDataSet()->First();
}

void TcxDBDataController::GotoLast() {
    if (!IsGridMode()) return TcxCustomDataController::GotoLast();
    GetDataSet()->Last();
}

void TcxDBDataController::GotoNext() {
    if (!IsGridMode()) return TcxCustomDataController::GotoNext();
    GetDataSet()->Next();
}

void TcxDBDataController::GotoPrev() {
    if (!IsGridMode()) return TcxCustomDataController::GotoPrev();
    GetDataSet()->Prior();
}

void TcxDBDataController::MoveBy(int distance) {
    if (!IsGridMode()) return TcxCustomDataController::MoveBy(distance);
    GetDBProvider().MoveBy(distance);
}

bool TcxDBDataController::IsBOF() const {
    return IsGridMode() ? DBProvider().IsBOF() : TcxCustomDataController::IsBOF();
}

bool TcxDBDataController::IsEOF() const {
    return IsGridMode() ? DBProvider().IsEOF() : TcxCustomDataController::IsEOF();
}

void TcxDBDataController::GridModeMoveBy(int distance) {
    if (IsGridMode()) GetDBProvider().Scroll(distance);
}

bool TcxDBDataController::SetBookmark() {
    if (!IsGridMode()) return TcxCustomDataController::SetBookmark();
    std::string bookmark = GetDataSet()->GetBookmark();
    if (!gridModeBookmark_.empty() && GetDBProvider().CompareBookmarks(gridModeBookmark_, bookmark) == 0)
        return false;
    gridModeBookmark_ = bookmark;
    return true;
}

void TcxDBDataController::GotoBookmark() {
    if (!IsGridMode()) {
        TcxCustomDataController::GotoBookmark();
        return;
    }
    GetDataSet()->GotoBookmark(gridModeBookmark_);
    CheckPrevSelectionInfo();
}

bool TcxDBDataController::IsBookmarkLost(int recordIndex) const {
    if (!IsGridMode()) return TcxCustomDataController::IsBookmarkLost(recordIndex);
    TDataSet* dataSet = GetDataSet();
    return !dataSet || !dataSet->BookmarkValid(gridModeBookmark_);
}

void TcxDBDataController::ClearBookmark() {
    gridModeBookmark_.clear();
    TcxCustomDataController::ClearBookmark();
}

bool TcxDBDataController::IsBookmarkAvailable() const {
    if (!IsGridMode()) return TcxCustomDataController::IsBookmarkAvailable();
    return !gridModeBookmark_.empty();
}

bool TcxDBDataController::IsBookmarkRow(int rowIndex) const {
    if (!IsGridMode()) return TcxCustomDataController::IsBookmarkRow(rowIndex);
    if (!IsBookmarkAvailable() || !GetDataSet()) return false;
    std::string bookmark = GetRowBookmark(rowIndex);
    return !bookmark.empty() &&
           DBProvider().CompareBookmarks(bookmark, gridModeBookmark_) == 0;
}

bool TcxDBDataController::UsesGridModeSelection() const {
    return IsGridMode() && GetMultiSelect();
}

void TcxDBDataController::ChangeRowSelection(int rowIndex, bool select) {
    if (!UsesGridModeSelection()) {
        TcxCustomDataController::ChangeRowSelection(rowIndex, select);
        return;
    }
    std::string bookmark = GetRowBookmark(rowIndex);
    if (bookmark.empty()) return;
    int index = 0;
    const bool found = gridSelection_.Find(bookmark, index);
    if (select == found) return;
    if (select) {
        if (!CanSelectRow(rowIndex)) return;
        gridSelection_.Insert(index, bookmark);
    } else {
        gridSelection_.Delete(index);
    }
    Change(dccSelection);
}

bool TcxDBDataController::IsRowSelected(int rowIndex) const {
    if (!UsesGridModeSelection()) return TcxCustomDataController::IsRowSelected(rowIndex);
    return gridSelection_.Contains(GetRowBookmark(rowIndex));
}

int TcxDBDataController::GetSelectedCount() const {
    if (!UsesGridModeSelection()) return TcxCustomDataController::GetSelectedCount();
    return gridSelection_.GetCount();
}

int TcxDBDataController::GetSelectedRowIndex(int index) const {
    if (!UsesGridModeSelection()) return TcxCustomDataController::GetSelectedRowIndex(index);
    if (index < 0 || index >= gridSelection_.GetCount() || GetRowCount() == 0) return -1;
    // Only a bookmark within the buffer's first and last rows can be a row of it.
    TcxDBDataProvider& provider = DBProvider();
    const std::string& bookmark = gridSelection_.GetBookmark(index);
    if (provider.CompareBookmarks(bookmark, GetRowBookmark(0)) < 0 ||
        provider.CompareBookmarks(bookmark, GetRowBookmark(GetRowCount() - 1)) > 0)
        return -1;
    for (int row = 0; row < GetRowCount(); ++row)
        if (provider.CompareBookmarks(GetRowBookmark(row), bookmark) == 0) return row;
    return -1;
}

void TcxDBDataController::ClearSelection() {
    if (IsGridMode() && gridSelection_.GetCount() > 0) {
        gridSelection_.Clear();
        Change(dccSelection);
    }
    TcxCustomDataController::ClearSelection();
}

int TcxDBDataController::GetSelectionAnchorRowIndex() const {
    return IsGridMode() ? -1 : TcxCustomDataController::GetSelectionAnchorRowIndex();
}

bool TcxDBDataController::HasSelectionAnchor() const {
    return IsGridMode() ? !gridSelection_.GetAnchor().empty() : TcxCustomDataController::HasSelectionAnchor();
}

void TcxDBDataController::SetSelectionAnchor(int rowIndex) {
    if (!IsGridMode()) {
        TcxCustomDataController::SetSelectionAnchor(rowIndex);
        return;
    }
    GetDataControllerInfo().CheckRowIndex(rowIndex);
    gridSelection_.SetAnchor(GetRowBookmark(rowIndex));
}

void TcxDBDataController::SelectAll() {
    if (!UsesGridModeSelection()) {
        TcxCustomDataController::SelectAll();
        return;
    }
    TcxDBDataProvider& provider = GetDBProvider();
    TDataSet* dataSet = GetDataSet();
    provider.LockNotifications();
    try {
        provider.SavePos();
        provider.First();
        gridSelection_.Clear();
        // A record outside the buffer has no row: CanSelectRow hears -1 for it.
        while (!provider.IsEOF()) {
            if (CanSelectRow(-1)) gridSelection_.Insert(gridSelection_.GetCount(), dataSet->GetBookmark());
            provider.Next();
        }
        provider.RestorePos();
    } catch (...) {
        gridSelection_.Clear();
        provider.UnlockNotifications();
        Change(dccSelection);
        throw;
    }
    provider.UnlockNotifications();
    Change(dccSelection);
    AfterDataChanged(); // the other providers of the dataset hear of the walk now
}

void TcxDBDataController::SelectFromAnchor(int rowIndex, bool keepSelection) {
    if (!UsesGridModeSelection()) {
        TcxCustomDataController::SelectFromAnchor(rowIndex, keepSelection);
        return;
    }
    GetDataControllerInfo().CheckRowIndex(rowIndex);
    if (gridSelection_.GetAnchor().empty()) return;
    TcxDBDataProvider& provider = GetDBProvider();
    TDataSet* dataSet = GetDataSet();
    if (dataSet->GetState() == TDataSetState::dsInsert && dataSet->GetEof()) return;
    std::string from = gridSelection_.GetAnchor(), to = GetRowBookmark(rowIndex);
    if (provider.CompareBookmarks(from, to) > 0) std::swap(from, to);
    const std::string anchor = gridSelection_.GetAnchor();
    provider.LockNotifications();
    try {
        provider.SavePos();
        if (keepSelection || !ChangeRangeByOne(from, to)) {
            if (!keepSelection) gridSelection_.Clear();
            dataSet->GotoBookmark(from);
            while (!provider.IsEOF()) {
                std::string bookmark = dataSet->GetBookmark();
                int index = 0;
                if (!gridSelection_.Find(bookmark, index) && CanSelectRow(-1)) gridSelection_.Insert(index, bookmark);
                if (bookmark == to) break;
                provider.Next();
            }
        }
        provider.RestorePos();
    } catch (...) {
        gridSelection_.Clear();
        provider.UnlockNotifications();
        Change(dccSelection);
        throw;
    }
    gridSelection_.SetAnchor(anchor);
    provider.UnlockNotifications();
    Change(dccSelection);
    AfterDataChanged(); // the other providers of the dataset hear of the walk now
}

// Shift with an arrow key grows or shrinks the range by one record at its far end: that record is
// added or dropped without walking the range, which may span the whole dataset.
bool TcxDBDataController::ChangeRangeByOne(const std::string& from, const std::string& to) {
    TcxDBDataSelection& selection = gridSelection_;
    const int count = selection.GetCount();
    if (count == 0) return false;
    TcxDBDataProvider& provider = GetDBProvider();
    TDataSet* dataSet = GetDataSet();
    auto same = [&](const std::string& a, const std::string& b) { return provider.CompareBookmarks(a, b) == 0; };
    const std::string& anchor = selection.GetAnchor();
    if (same(from, to)) {
        selection.Clear();
        selection.Insert(0, from);
        return true;
    }
    // The neighbour of a bookmark's record in one direction; empty at either end of the dataset.
    auto neighbour = [&](const std::string& bookmark, bool forward) -> std::string {
        dataSet->GotoBookmark(bookmark);
        if (forward ? (dataSet->Next(), dataSet->GetEof()) : (dataSet->Prior(), dataSet->GetBof())) return {};
        return dataSet->GetBookmark();
    };
    const std::string first = selection.GetBookmark(0), last = selection.GetBookmark(count - 1);
    if (same(first, anchor) && same(from, anchor)) { // the range runs down from the anchor
        if (count > 1 && same(to, selection.GetBookmark(count - 2))) {
            selection.Delete(count - 1);
            return true;
        }
        const std::string before = neighbour(to, false);
        if (before.empty() || !same(before, last)) return false;
        if (CanSelectRow(-1)) selection.Insert(count, to);
        return true;
    }
    if (same(last, anchor) && same(to, anchor)) { // the range runs up from the anchor
        if (count > 1 && same(from, selection.GetBookmark(1))) {
            selection.Delete(0);
            return true;
        }
        const std::string after = neighbour(from, true);
        if (after.empty() || !same(after, first)) return false;
        if (CanSelectRow(-1)) selection.Insert(0, from);
        return true;
    }
    return false;
}

bool TcxDBDataController::FocusSelectedRow(int index) {
    if (!IsGridMode()) return TcxCustomDataController::FocusSelectedRow(index);
    TDataSet* dataSet = GetDataSet();
    if (!dataSet) return false;
    dataSet->GotoBookmark(GetSelectedBookmark(index));
    return true;
}

std::string TcxDBDataController::GetSelectedBookmark(int index) const {
    if (!IsGridMode()) NotInGridMode();
    if (!GetMultiSelect()) return GetRowBookmark(GetFocusedRowIndex());
    return gridSelection_.GetBookmark(index);
}

std::string TcxDBDataController::GetSelectionAnchorBookmark() const {
    if (!IsGridMode()) NotInGridMode();
    return gridSelection_.GetAnchor();
}

Variant TcxDBDataController::GetSelectionKey(int rowIndex) const {
    if (!IsGridMode()) return TcxCustomDataController::GetSelectionKey(rowIndex);
    return rowIndex >= 0 ? Variant(GetRowBookmark(rowIndex)) : Variant();
}

void TcxDBDataController::ForEachRow(bool selectedOnly,
                                     const std::function<void(int rowIndex, const TcxDataRowInfo&)>& proc) {
    if (!IsGridMode()) {
        TcxCustomDataController::ForEachRow(selectedOnly, proc);
        return;
    }
    TDataSet* dataSet = GetDataSet();
    if (!dataSet) return;
    auto visitFocused = [&] {
        const int row = GetFocusedRowIndex();
        if (row >= 0) proc(row, GetRowInfo(row));
    };
    if (selectedOnly && !GetMultiSelect()) {
        visitFocused();
    } else if (selectedOnly) {
        for (int i = 0; i < gridSelection_.GetCount(); ++i) {
            dataSet->GotoBookmark(gridSelection_.GetBookmark(i));
            visitFocused();
        }
    } else {
        dataSet->First();
        while (!dataSet->GetEof()) {
            visitFocused();
            dataSet->Next();
        }
    }
}

} // namespace zorvy
