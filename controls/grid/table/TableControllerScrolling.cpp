// The top record index and everything that scrolls it: page and record steps, the scroll bar,
// making a record visible, the grid-mode buffer of the data controller and the walk over indexes.
#include "controls/data/DataController.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/table/DataBinding.h"
#include "controls/grid/table/RecordViewInfo.h"
#include "controls/grid/table/TableController.h"
#include "controls/grid/table/TableView.h"
#include "controls/grid/view/GridSite.h"
#include "controls/grid/view/ViewInfo.h"

#include <algorithm>

namespace zorvy {

namespace {

IcxGridModeDataController* GridModeOf(TcxCustomDataController* data) {
    return data && data->IsGridMode() ? dynamic_cast<IcxGridModeDataController*>(data) : nullptr;
}

// Restores a flag when the scope ends, also when an exception passes.
class ScrollingFlagScope {
  public:
    explicit ScrollingFlagScope(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~ScrollingFlagScope() { flag_ = saved_; }
    ScrollingFlagScope(const ScrollingFlagScope&) = delete;
    ScrollingFlagScope& operator=(const ScrollingFlagScope&) = delete;

  private:
    bool& flag_;
    bool saved_;
};

} // namespace

bool TcxCustomGridTableController::FindRecordIndex(int start, int count, bool goForward, bool cycle,
                                                   const TcxGridIndexTest& test, int& index, bool& wrapped) {
    wrapped = false;
    if (count <= 0) return false;
    int i;
    if (start == -1) {
        if (goForward)
            i = 0;
        else if (cycle)
            i = count - 1;
        else
            return false;
    } else {
        i = goForward ? start + 1 : start - 1;
    }
    const int begin = start == -1 ? i : start;
    for (int steps = 0; steps <= count; ++steps) {
        if (i < 0 || i >= count) {
            if (!cycle || wrapped) return false;
            wrapped = true;
            i = goForward ? 0 : count - 1;
            if (i == begin) return false;
        }
        if (test(i)) {
            index = i;
            return true;
        }
        i += goForward ? 1 : -1;
        if (i == begin) return false;
    }
    return false;
}

// ---- top record index ----

bool TcxCustomGridTableController::CanGridModeScroll() const {
    TcxCustomDataController* data = GetDataController();
    return data->IsGridMode() && !(data->GetEditState() & TcxCustomDataController::dceInsert) &&
           !IsCheckingCoordinates();
}

void TcxCustomGridTableController::SetTopRecordIndex(int index) {
    CheckTopRecordIndex(index);
    DoSetTopRecordIndex(index);
}

void TcxCustomGridTableController::DoSetTopRecordIndex(int index) {
    if (index == topRecordIndex_) return;
    topRecordIndex_ = index;
    TcxCustomGridTableView* view = GetGridView();
    if (view->IsMaster())
        view->SizeChanged(!view->IsDetail());
    else
        view->LayoutChanged();
    view->DoTopRecordIndexChanged();
}

void TcxCustomGridTableController::CheckTopRecordIndex(int& index) {
    if (checkingTopRecordIndex_) return;
    ScrollingFlagScope guard(checkingTopRecordIndex_);
    TcxCustomDataController* data = GetDataController();
    const bool gridModeScroll = CanGridModeScroll();
    int count = GetGridView()->GetViewData()->GetRecordCount();
    if (index < 0) {
        if (gridModeScroll && !data->IsBOF()) data->GridModeMoveBy(index);
        index = 0;
    }
    if (index > count - 1) {
        if (gridModeScroll && !data->IsEOF()) data->GridModeMoveBy(index - count + 1);
        count = GetGridView()->GetViewData()->GetRecordCount();
        index = count - 1;
    }
    if (index <= 0) return;
    if (!data->IsGridMode() && index == topRecordIndex_ && GetVisibleRecordCount() < count - index) return;
    int maxTop = GetMaxTopRecordIndex();
    if (index <= maxTop) return;
    if (gridModeScroll && !data->IsEOF()) {
        data->GridModeMoveBy(index - maxTop);
        maxTop = GetMaxTopRecordIndex();
    }
    index = maxTop;
}

int TcxCustomGridTableController::GetMaxTopRecordIndex() {
    const int count = GetGridView()->GetViewData()->GetRecordCount();
    return count - GetPageRecordCount(count - 1, false);
}

int TcxCustomGridTableController::GetVisibleRecordCount() const {
    TcxCustomGridTableViewData* viewData = GetGridView()->GetViewData();
    int count = 0;
    for (int i = std::max(topRecordIndex_, 0); i < viewData->GetRecordCount(); ++i) {
        TcxCustomGridRecord* record = viewData->FindRecord(i);
        if (!record || !record->IsLaidOut()) break;
        ++count;
    }
    return count;
}

int TcxCustomGridTableController::GetPageRecordCount(int index, bool goForward) {
    const TRect& bounds = GetViewInfo()->GetBounds();
    if (bounds.Right <= bounds.Left || bounds.Bottom <= bounds.Top) return 0;
    const int count = GetGridView()->GetViewData()->GetRecordCount();
    const int visible = std::max(GetVisibleRecordCount(), 1);
    return std::min(visible, goForward ? count - index : index + 1);
}

// ---- scroll bar ----

int TcxCustomGridTableController::GetScrollRecordCountBefore() const {
    TcxCustomDataController* data = GetDataController();
    return data->IsGridMode() && !data->IsBOF() ? 1 : 0;
}

int TcxCustomGridTableController::GetScrollRecordCountAfter() const {
    TcxCustomDataController* data = GetDataController();
    return data->IsGridMode() && !data->IsEOF() ? 1 : 0;
}

int TcxCustomGridTableController::GetScrollBarPos() const {
    if (IcxGridModeDataController* gridMode = GridModeOf(GetDataController()))
        if (const int pos = gridMode->GetScrollBarPos(); pos != -1) return pos;
    return GetScrollRecordCountBefore() + topRecordIndex_;
}

int TcxCustomGridTableController::GetRecordCount() const {
    if (IcxGridModeDataController* gridMode = GridModeOf(GetDataController()))
        if (const int count = gridMode->GetScrollBarRecordCount(); count != -1) return count;
    return GetScrollRecordCountBefore() + GetGridView()->GetViewData()->GetRecordCount() + GetScrollRecordCountAfter();
}

void TcxCustomGridTableController::SetScrollBarPos(int position) {
    TcxCustomDataController* data = GetDataController();
    if (IcxGridModeDataController* gridMode = GridModeOf(data)) {
        if (gridMode->SetScrollBarPos(position)) return;
        SetTopRecordIndex(position - GetScrollRecordCountBefore());
        return;
    }
    DoSetTopRecordIndex(position);
}

// ---- page and record steps ----

void TcxCustomGridTableController::ScrollPageDown() {
    SetTopRecordIndex(topRecordIndex_ + GetVisibleRecordCount());
}

void TcxCustomGridTableController::ScrollPageUp() {
    SetTopRecordIndex(topRecordIndex_ - GetVisibleRecordCount());
}

void TcxCustomGridTableController::ScrollPage(bool goForward) {
    if (IcxGridModeDataController* gridMode = GridModeOf(GetDataController()))
        if (gridMode->DoScrollPage(goForward)) return;
    if (goForward)
        ScrollPageDown();
    else
        ScrollPageUp();
}

void TcxCustomGridTableController::ScrollRecords(bool goForward, int count) {
    if (IcxGridModeDataController* gridMode = GridModeOf(GetDataController()))
        if (gridMode->DoScroll(goForward)) return;
    SetTopRecordIndex(topRecordIndex_ + (goForward ? count : -count));
}

void TcxCustomGridTableController::GoToNextPage(bool syncSelection) {
    MakeRecordVisible(GetFocusedRecord());
    if (topRecordIndex_ + GetVisibleRecordCount() == GetFocusedRowIndex() + 1) ScrollPage(true);
    const int last = topRecordIndex_ + GetVisibleRecordCount() - 1;
    if (last >= 0) FocusRecordIndex(last, syncSelection);
    if (TcxControl* site = GetSite()) site->Update();
}

void TcxCustomGridTableController::GoToPrevPage(bool syncSelection) {
    MakeRecordVisible(GetFocusedRecord());
    if (topRecordIndex_ == GetFocusedRowIndex()) ScrollPage(false);
    if (topRecordIndex_ >= 0 && GetGridView()->GetViewData()->GetRecordCount() > 0)
        FocusRecordIndex(topRecordIndex_, syncSelection);
    if (TcxControl* site = GetSite()) site->Update();
}

bool TcxCustomGridTableController::IsRecordFirstVisible(TcxCustomGridRecord* record) const {
    return record && record->GetIndex() == topRecordIndex_;
}

bool TcxCustomGridTableController::IsRecordLastVisible(TcxCustomGridRecord* record) const {
    return record && record->GetIndex() - topRecordIndex_ >= GetVisibleRecordCount() - 1;
}

void TcxCustomGridTableController::MakeRecordVisible(TcxCustomGridRecord* record) {
    TcxCustomGridTableView* view = GetGridView();
    if (!record || !view->GetGrid()) return;
    const int i = record->GetIndex();
    if (i != -1) {
        if (i < topRecordIndex_) DoSetTopRecordIndex(i);
        if (GetVisibleRecordCount() > 0) {
            TcxControl* site = GetSite();
            if (site) site->LockScrollBars();
            try {
                while (topRecordIndex_ + GetVisibleRecordCount() <= i) {
                    const int prevTop = topRecordIndex_;
                    DoSetTopRecordIndex(i - GetPageRecordCount(i, false) + 1);
                    if (topRecordIndex_ == prevTop) break;
                }
            } catch (...) {
                if (site) site->UnlockScrollBars();
                throw;
            }
            if (site) site->UnlockScrollBars();
        } else if (topRecordIndex_ < i) {
            DoSetTopRecordIndex(i);
        }
    }
    if (TcxCustomGridRecord* master = view->GetMasterRecord()) master->MakeVisible();
}

// ---- deferred action ----

// The action waits for a layout that gives the view bounds (a hidden view has none), instead of a
// timer waking the program until then.
void TcxCustomGridTableController::StartDeferredAction() {
    if (!GridModeOf(GetDataController()) || deferredAction_) return;
    deferredAction_ = true;
    GetGridView()->LayoutChanged(false);
}

void TcxCustomGridTableController::StopDeferredAction() {
    deferredAction_ = false;
}

void TcxCustomGridTableController::RunDeferredAction() {
    if (!deferredAction_) return;
    const TRect& bounds = GetViewInfo()->GetBounds();
    if (bounds.Right <= bounds.Left || bounds.Bottom <= bounds.Top) return;
    StopDeferredAction();
    if (IcxGridModeDataController* gridMode = GridModeOf(GetDataController())) gridMode->UpdateGridModeBufferCount();
}

} // namespace zorvy
