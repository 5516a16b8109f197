// Drag-selecting: a left press on a record, then moving the mouse over other records focuses them
// (and with multi-select selects the range from the anchor); beyond the records the view keeps
// scrolling every 50 ms while the mouse stays there.
#include "controls/data/DataController.h"
#include "controls/foundation/services/Timers.h"
#include "controls/grid/table/RecordHitTests.h"
#include "controls/grid/table/Records.h"
#include "controls/grid/table/RecordsViewInfo.h"
#include "controls/grid/table/TableController.h"
#include "controls/grid/table/TableOptions.h"
#include "controls/grid/table/TableView.h"
#include "controls/grid/table/TableViewInfo.h"
#include "controls/grid/view/GridSite.h"

namespace zorvy {

namespace {

constexpr unsigned PullFocusingScrollInterval = 50;
constexpr int PullUp = 3, PullDown = 4;

} // namespace

bool TcxCustomGridTableController::GetPullFocusing() const {
    return GetGridView()->GetOptionsBehavior()->GetPullFocusing();
}

void TcxCustomGridTableController::StartPullFocusing(TcxCustomGridHitTest*) {
    pullFocusing_ = true;
    pullLastPos_ = GetViewInfo()->GetMousePos();
    pullStartPos_ = pullLastPos_;
    pullSavedRecordIndex_ = -1;
    pullSavedItem_ = nullptr;
}

void TcxCustomGridTableController::StopPullFocusing() {
    StopPullFocusingScroll();
    pullSavedRecordIndex_ = -1;
    pullSavedItem_ = nullptr;
    pullFocusing_ = false;
}

void TcxCustomGridTableController::MouseMove(TShiftState shift, int x, int y) {
    TcxCustomGridController::MouseMove(shift, x, y);
    if (!pullFocusing_) return;
    const TPoint p{x, y};
    TcxCustomGridHitTest* hitTest = GetViewInfo()->GetHitTest(p);
    int direction = 0;
    if (GetHitRecord(hitTest) && CanHandleHitTest(hitTest)) {
        if (p.X != pullLastPos_.X || p.Y != pullLastPos_.Y) {
            StopPullFocusingScroll();
            FocusRecordAtHitTest(hitTest);
            SavePullFocusingPosition();
            if (TcxControl* site = GetSite()) site->Update();
        }
    } else if (GetPullFocusingScrollDirection(x, y, direction)) {
        StartPullFocusingScroll(direction);
    }
    pullLastPos_ = p;
}

void TcxCustomGridTableController::FocusRecordAtHitTest(TcxCustomGridHitTest* hitTest) {
    TcxCustomGridRecord* record = GetHitRecord(hitTest);
    if (!record) return;
    record->SetFocused(true);
    if (auto* cellHitTest = dynamic_cast<TcxGridRecordCellHitTest*>(hitTest); cellHitTest && cellHitTest->Item)
        SetFocusedItem(cellHitTest->Item);
    ExtendPullSelection();
}

void TcxCustomGridTableController::ExtendPullSelection() {
    if (!IsMultiSelect() || !IsPullFocusingPositionChanged()) return;
    SelectFromAnchor(true, GetViewInfo()->GetHitTest(pullStartPos_));
}

bool TcxCustomGridTableController::IsPullFocusingPositionChanged() const {
    return GetDataController()->GetFocusedRecordIndex() != pullSavedRecordIndex_ || GetFocusedItem() != pullSavedItem_;
}

void TcxCustomGridTableController::SavePullFocusingPosition() {
    pullSavedRecordIndex_ = GetDataController()->GetFocusedRecordIndex();
    pullSavedItem_ = GetFocusedItem();
}

bool TcxCustomGridTableController::GetPullFocusingScrollDirection(int /*x*/, int y, int& direction) {
    auto* viewInfo = dynamic_cast<TcxCustomGridTableViewInfo*>(GetViewInfo());
    if (!viewInfo || !viewInfo->GetRecordsViewInfo()) return false;
    const TRect area = viewInfo->GetRecordsViewInfo()->Bounds;
    // Records stack vertically in every table view built here.
    direction = 0;
    if (y < area.Top) direction = PullUp;
    if (y >= area.Bottom) direction = PullDown;
    return direction != 0;
}

void TcxCustomGridTableController::DoPullFocusingScroll(int direction) {
    if (direction == PullUp || direction == PullDown) {
        const int row = direction == PullUp ? GetTopRecordIndex() : GetTopRecordIndex() + GetVisibleRecordCount() - 1;
        if (row < 0 || !FocusRecordIndex(row, false)) return;
        MoveFocus(GetFocusedRowIndex(), direction == PullDown);
    }
    ExtendPullSelection();
}

void TcxCustomGridTableController::StartPullFocusingScroll(int direction) {
    pullScrollDirection_ = direction;
    if (pullScrollTimer_) return;
    pullScrollTimer_ = std::make_unique<TcxTimer>(nullptr);
    pullScrollTimer_->SetInterval(PullFocusingScrollInterval);
    pullScrollTimer_->SetOnTimer([this](TObject*) { PullFocusingScrollTimerTick(); });
}

void TcxCustomGridTableController::StopPullFocusingScroll() {
    pullScrollTimer_.reset();
    pullScrollDirection_ = 0;
}

void TcxCustomGridTableController::PullFocusingScrollTimerTick() {
    DoPullFocusingScroll(pullScrollDirection_);
    if (TcxControl* site = GetSite()) site->Update();
    SavePullFocusingPosition();
}

} // namespace zorvy
