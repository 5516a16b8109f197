// Moving table items: the item drag's destination, the customization form's page of hidden items,
// and the quick customization drop-down (sizing, spreading over columns, toggling and reordering).
#include "controls/grid/table/TableItemMoving.h"
#include "controls/grid/table/TableController.h"
#include "controls/grid/table/TableItem.h"
#include "controls/grid/table/TableOptions.h"
#include "controls/grid/table/TableView.h"

#include "controls/editors/lists/CheckListBox.h"
#include "controls/foundation/dragdrop/DragAndDrop.h"
#include "controls/foundation/dragdrop/DragImage.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "controls/foundation/services/Timers.h"
#include "controls/grid/view/HitTests.h"
#include "controls/grid/view/ViewInfo.h"
#include "controls/pages/PageControl.h"
#include "platform/classlib/Forms.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>
#include <cmath>

namespace zorvy {

namespace {

constexpr unsigned CustomizationScrollInterval = 400;
constexpr int CustomizationScrollZone = 15;

int RoundedQuotient(int a, int b) {
    return static_cast<int>(std::lround(static_cast<double>(a) / b));
}

} // namespace

// ---- moving objects ----

TcxCustomGridTableController* TcxCustomGridTableMovingObject::GetTableController() const {
    return static_cast<TcxCustomGridTableController*>(GetController());
}

void TcxCustomGridTableMovingObject::TrackTo(TPoint p, bool& accepted) {
    TcxCustomGridMovingObject::TrackTo(p, accepted);
    GetTableController()->HandleItemMovingPoint(p);
}

TcxCustomGridTableItemMovingObject::~TcxCustomGridTableItemMovingObject() {
    destZone_.reset();
}

TcxCustomGridTableItem* TcxCustomGridTableItemMovingObject::GetSourceTableItem() const {
    return dynamic_cast<TcxCustomGridTableItem*>(GetSourceItem());
}

void TcxCustomGridTableItemMovingObject::CalculateDestination(TcxCustomGridHitTest* hitTest, int& containerKind,
                                                              std::unique_ptr<TcxGridItemContainerZone>& zone) {
    zone.reset();
    containerKind =
        hitTest && hitTest->GetHitTestCode() == htCustomizationForm ? ickCustomizationForm : ickNone;
}

void TcxCustomGridTableItemMovingObject::AdjustContainerKind(int& containerKind) {
    if (containerKind == ickCustomizationForm && sourceItemContainerKind_ != ickCustomizationForm && !CanRemove())
        containerKind = ickNone;
}

void TcxCustomGridTableItemMovingObject::ChangeDestZone(std::unique_ptr<TcxGridItemContainerZone> zone) {
    if (zone.get() == destZone_.get()) {
        zone.release();
        return;
    }
    if (zone && destZone_ && zone->IsEqual(destZone_.get()) && destZone_->IsEqual(zone.get())) return;
    SetDirty(true);
    destZone_ = std::move(zone);
}

TcxCustomGridItemsListBox* TcxCustomGridTableItemMovingObject::GetCustomizationFormListBox() {
    auto* form = dynamic_cast<TcxCustomGridTableCustomizationForm*>(GetCustomizationForm());
    return form ? form->GetItemsListBox() : nullptr;
}

void TcxCustomGridTableItemMovingObject::StartTracking() {
    if (auto* form = dynamic_cast<TcxCustomGridTableCustomizationForm*>(GetCustomizationForm()))
        form->ActivatePage(form->GetItemsPage());
    GetTableController()->SetMovingItem(GetSourceTableItem());
    TcxCustomGridTableMovingObject::StartTracking();
}

void TcxCustomGridTableItemMovingObject::TrackTo(TPoint p, bool& accepted) {
    int kind = ickNone;
    std::unique_ptr<TcxGridItemContainerZone> zone;
    CalculateDestination(GetViewInfo()->GetHitTest(p), kind, zone);
    ChangeDestZone(std::move(zone));
    AdjustContainerKind(kind);
    if (kind != destItemContainerKind_) {
        destItemContainerKind_ = kind;
        SetDirty(true);
    }
    accepted = kind != ickNone;
    TcxCustomGridTableMovingObject::TrackTo(p, accepted);
}

void TcxCustomGridTableItemMovingObject::StopTracking(bool accepted) {
    TcxCustomGridTableMovingObject::StopTracking(accepted);
    GetTableController()->SetMovingItem(nullptr);
}

// ---- customization form ----

TcxCustomGridTableView* TcxCustomGridTableItemsListBox::GetTableView() const {
    return static_cast<TcxCustomGridTableView*>(GetGridView());
}

void TcxCustomGridTableItemsListBox::RefreshItems() {
    TStrings* items = GetItems();
    items->BeginUpdate();
    try {
        items->Clear();
        TcxCustomGridTableView* view = GetTableView();
        for (int i = 0; i < view->GetItemCount(); ++i) {
            TcxCustomGridTableItem* item = view->GetItem(i);
            if (item->CanMove() && item->GetVisibleForCustomization() && !item->GetVisible())
                items->AddObject(item->GetAlternateCaptionText(), item);
        }
    } catch (...) {
        items->EndUpdate();
        throw;
    }
    items->EndUpdate();
}

bool TcxCustomGridTableCustomizationForm::GetItemsPageVisible() const {
    auto* view = static_cast<TcxCustomGridTableView*>(GetGridView());
    return view->GetOptionsCustomize()->GetColumnMoving();
}

void TcxCustomGridTableCustomizationForm::InitPageControl() {
    TcxCustomGridCustomizationForm::InitPageControl();
    itemsPage_ = AddPage(ItemsPageTitle(), GetItemsPageVisible());
}

void TcxCustomGridTableCustomizationForm::CreateControls() {
    TcxCustomGridCustomizationForm::CreateControls();
    itemsListBox_ = CreateInstance<TcxCustomGridTableItemsListBox>(ItemListClass(), this);
    itemsListBox_->SetParent(itemsPage_);
    itemsListBox_->SetAlign(alClient);
    itemsListBox_->RefreshItems();
}

void TcxCustomGridTableCustomizationForm::RefreshItems() {
    TcxCustomGridCustomizationForm::RefreshItems();
    if (itemsListBox_) itemsListBox_->RefreshItems();
}

// ---- quick customization popup ----

TcxCustomGridCustomizationPopup::TcxCustomGridCustomizationPopup(TcxCustomGridView* gridView)
    : TcxCustomGridPopup(gridView) {
    scrollTimer_ = std::make_unique<TcxTimer>(nullptr);
    scrollTimer_->SetEnabled(false);
    scrollTimer_->SetInterval(CustomizationScrollInterval);
    scrollTimer_->SetOnTimer([this](TObject*) { ScrollTimerFired(); });
    CreateCheckListBox();
}

TcxCustomGridCustomizationPopup::~TcxCustomGridCustomizationPopup() {
    scrollTimer_.reset();
}

void TcxCustomGridCustomizationPopup::CreateCheckListBox() {
    checkListBox_ = new TcxCheckListBox(this);
    checkListBox_->SetParent(this);
    checkListBox_->GetStyle()->GetLookAndFeel()->SetMaster(GetGridView()->GetLookAndFeel());
    checkListBox_->GetStyle()->SetBorderStyle(cbsNone);
    checkListBox_->GetStyle()->SetHotTrack(false);
    checkListBox_->GetStyle()->SetTransparentBorder(false);
    checkListBox_->GetStyleFocused()->SetBorderStyle(cbsNone);
    checkListBox_->GetStyleHot()->SetBorderStyle(cbsNone);
    checkListBox_->SetParentFont(true);
    // A view may have more items than an integer holds check bits for.
    checkListBox_->SetEditValueFormat(cvfStatesString);
    TcxCustomInnerCheckListBox* inner = checkListBox_->GetInnerCheckListBox();
    inner->OnClickCheck = [this](TObject*, int index, TcxCheckBoxState, TcxCheckBoxState newState) {
        CheckListBoxItemToggled(index, newState == cbsChecked);
    };
    inner->OnKeyDown = [this](TObject*, std::uint16_t& key, TShiftState) {
        if (key == VK_ESCAPE) ClosePopup();
    };
    inner->OnStartDrag = [this](TObject*, TDragObject*&) {
        TcxCustomInnerCheckListBox* list = checkListBox_->GetInnerCheckListBox();
        const TPoint p = list->ScreenToClient(Mouse->GetCursorPos());
        if (list->ItemAtPos(p, true) == -1)
            list->EndDrag(false);
        else
            dropIndex_ = -1;
    };
    inner->OnDragOver = [this](TObject*, TObject* source, int x, int y, TDragState state, bool& accept) {
        accept = source == checkListBox_->GetInnerCheckListBox();
        const TPoint p{x + checkListBox_->GetInnerCheckListBox()->GetLeft(),
                       y + checkListBox_->GetInnerCheckListBox()->GetTop()};
        lastDragPoint_ = p;
        SetDropIndex(state == dsDragLeave ? -1 : CalculateDropIndex(p));
        UpdateScrollDirection(state == dsDragLeave ? TPoint{-1, -1} : p);
    };
    inner->OnDragDrop = [this](TObject*, TObject*, int, int) {
        const int index = dropIndex_;
        SetDropIndex(-1);
        if (index != -1) DropSelectedAt(index);
    };
    inner->OnEndDrag = [this](TObject*, TObject*, int, int) {
        UpdateScrollDirection(TPoint{-1, -1});
        SetDropIndex(-1);
    };
}

void TcxCustomGridCustomizationPopup::InitializePopup() {
    TcxCustomGridPopup::InitializePopup();
    TcxCustomInnerCheckListBox* inner = checkListBox_->GetInnerCheckListBox();
    inner->SetDragMode(SupportsReordering() ? dmAutomatic : dmManual);
    inner->SetMultiSelect(inner->GetDragMode() == dmAutomatic);
    RefillCheckListBox();
    AdjustCheckListBoxSize(false);
}

void TcxCustomGridCustomizationPopup::RefillCheckListBox() {
    TcxCheckListBoxItems* items = checkListBox_->GetItems();
    items->BeginUpdate();
    try {
        AddCheckListBoxItems();
    } catch (...) {
        items->EndUpdate();
        throw;
    }
    items->EndUpdate();
}

int TcxCustomGridCustomizationPopup::GetCheckListBoxColumnWidth() {
    return checkListBox_->GetOptimalWidth() + 10;
}

void TcxCustomGridCustomizationPopup::AdjustCheckListBoxSize(bool allInColumns) {
    const int count = checkListBox_->GetCount();
    const int columns = checkListBox_->GetColumns();
    int width, height;
    if (allInColumns) {
        width = GetCheckListBoxColumnWidth() * std::max(columns, 1);
        height = checkListBox_->GetHeight() + GetSystemMetrics(SM_CYHSCROLL);
    } else if (columns <= 1) {
        const int limit = GetDropDownCount();
        const int rows = limit == 0 ? count : std::min(limit, count);
        width = checkListBox_->GetOptimalWidth();
        if (rows < count) width += GetSystemMetrics(SM_CXVSCROLL);
        height = checkListBox_->GetHeightForRows(rows);
    } else {
        const int rows = std::max(1, RoundedQuotient(count, columns));
        width = GetCheckListBoxColumnWidth() * columns;
        height = checkListBox_->GetHeightForRows(rows);
    }
    checkListBox_->SetBounds(GetSideBorderWidth(0), GetSideBorderWidth(1), width, height);
}

void TcxCustomGridCustomizationPopup::FitIntoWorkArea(TPoint& p) {
    TRect area;
    GetMonitorWorkArea(ClientToScreen(TPoint{0, 0}), area);
    GetMonitorWorkArea(GetOwnerScreenBounds().TopLeft(), area);
    const int top = p.Y, bottom = p.Y + GetHeight();
    const int overflow = std::max(area.Top - top, bottom - area.Bottom);
    if (overflow <= 0) return;
    const bool anchoredAtBottom = top < area.Top && bottom <= area.Bottom;
    const int count = checkListBox_->GetCount();
    // At least one column, and never more columns than entries: a zero divisor or a work area
    // lower than one row ends the search instead of looping forever.
    int columns = std::max(1, RoundedQuotient(checkListBox_->GetHeight(), std::max(1, overflow - GetBordersHeight())));
    for (;; ++columns) {
        checkListBox_->SetColumns(columns);
        AdjustCheckListBoxSize(false);
        AdjustCheckListBoxSize(true);
        const int height = checkListBox_->GetHeight() + GetBordersHeight();
        const int newTop = anchoredAtBottom ? bottom - height : top;
        if ((newTop >= area.Top && newTop + height <= area.Bottom) || columns >= std::max(count, 1)) break;
    }
    FitSizeToContent();
    if (anchoredAtBottom) p.Y = bottom - GetHeight();
    p.Y = std::max<int>(p.Y, area.Top);
    if (p.X + GetWidth() > area.Right) {
        const int columnWidth = std::max(1, GetCheckListBoxColumnWidth());
        checkListBox_->SetColumns(std::max(1, (area.Right - p.X - GetBordersWidth()) / columnWidth));
        AdjustCheckListBoxSize(false);
        AdjustCheckListBoxSize(true);
        FitSizeToContent();
    }
}

void TcxCustomGridCustomizationPopup::CheckListBoxItemToggled(int index, bool marked) {
    ItemCheckChanged(static_cast<TObject*>(checkListBox_->GetItems()->GetItemData(index)), marked);
}

int TcxCustomGridCustomizationPopup::CalculateDropIndex(TPoint p) const {
    const TRect client = checkListBox_->GetClientRect();
    if (!PtInRect(client, p)) return -1;
    const int index = checkListBox_->ItemIndexAtPoint(p, true);
    if (index != -1) {
        const TRect r = checkListBox_->GetItemBounds(index);
        return p.Y > (r.Top + r.Bottom) / 2 ? index + 1 : index;
    }
    const int count = checkListBox_->GetCount();
    if (count > 0 && p.Y >= checkListBox_->GetItemBounds(count - 1).Bottom) return count;
    return -1;
}

void TcxCustomGridCustomizationPopup::InvalidateDropArrows(int index) {
    if (index < 0 || !checkListBox_->HandleAllocated()) return;
    checkListBox_->Invalidate();
}

void TcxCustomGridCustomizationPopup::PaintDropArrows(int index) {
    const int count = checkListBox_->GetCount();
    if (index < 0 || count == 0 || !checkListBox_->HandleAllocated()) return;
    TRect row = checkListBox_->GetItemBounds(std::min(index, count - 1));
    if (index == count) OffsetRect(row, 0, row.Bottom - row.Top);
    row.Bottom = row.Top;
    const TRect clip = checkListBox_->GetClientRect();
    TcxCanvas* canvas = checkListBox_->GetCanvasWrapper();
    for (int place : {0, 2}) {
        TRect r = CalcArrowRect(row, clip, place);
        const int shift = r.Right - r.Left + 1;
        OffsetRect(r, place == 0 ? shift : -shift, 0);
        PaintDragAndDropArrow(canvas, r, place);
    }
}

void TcxCustomGridCustomizationPopup::SetDropIndex(int value) {
    if (value == dropIndex_) return;
    InvalidateDropArrows(dropIndex_);
    dropIndex_ = value;
    if (checkListBox_->HandleAllocated()) checkListBox_->Update();
    PaintDropArrows(dropIndex_);
}

void TcxCustomGridCustomizationPopup::DropSelectedAt(int dropIndex) {
    TcxCheckListBoxItems* items = checkListBox_->GetItems();
    const int count = items->GetCount();
    if (dropIndex < 0 || dropIndex > count || count == 0) return;
    int target = dropIndex == count ? GetObjectIndex(static_cast<TObject*>(items->GetItemData(count - 1))) + 1
                                    : GetObjectIndex(static_cast<TObject*>(items->GetItemData(dropIndex)));
    std::vector<TObject*> moved;
    for (int i = 0; i < count; ++i)
        if (checkListBox_->GetSelected(i)) moved.push_back(static_cast<TObject*>(items->GetItemData(i)));
    GetGridView()->BeginUpdate();
    try {
        for (TObject* object : moved) {
            ItemMoved(object, target);
            target = GetObjectIndex(object) + 1;
        }
    } catch (...) {
        GetGridView()->EndUpdate();
        throw;
    }
    GetGridView()->EndUpdate();
    RefillCheckListBox();
    checkListBox_->SetItemIndex(std::min(target, checkListBox_->GetCount() - 1));
    for (int i = 0; i < checkListBox_->GetCount(); ++i) {
        auto* object = static_cast<TObject*>(items->GetItemData(i));
        checkListBox_->SetSelected(i, std::find(moved.begin(), moved.end(), object) != moved.end());
    }
}

void TcxCustomGridCustomizationPopup::UpdateScrollDirection(TPoint p) {
    TcxGridCustomizationPopupScrollDirection direction = cpsdNone;
    if (checkListBox_->GetColumns() > 1 && p.X >= 0) {
        if (p.X < CustomizationScrollZone)
            direction = cpsdLeft;
        else if (p.X >= checkListBox_->GetClientWidth() - CustomizationScrollZone)
            direction = cpsdRight;
    }
    scrollDirection_ = direction;
    scrollTimer_->SetEnabled(direction != cpsdNone);
}

void TcxCustomGridCustomizationPopup::ScrollTimerFired() {
    const int top = checkListBox_->GetTopIndex();
    if (scrollDirection_ == cpsdLeft) {
        checkListBox_->SetTopIndex(std::max(0, top - 1));
    } else if (scrollDirection_ == cpsdRight) {
        for (int index = top + 1; index < checkListBox_->GetCount(); ++index) {
            checkListBox_->SetTopIndex(index);
            if (checkListBox_->GetTopIndex() != top) break;
        }
    }
    SetDropIndex(CalculateDropIndex(lastDragPoint_));
}

void TcxCustomGridCustomizationPopup::NotifyClosed() {
    scrollTimer_->SetEnabled(false);
    scrollDirection_ = cpsdNone;
    dropIndex_ = -1;
    checkListBox_->Clear();
    checkListBox_->SetColumns(0);
    TcxCustomGridPopup::NotifyClosed();
    if (GetGridView()->GetSite() && GetGridView()->GetSite()->CanFocus()) GetGridView()->GetSite()->SetFocus();
}

// ---- items customization popup ----

TcxCustomGridTableView* TcxCustomGridItemsCustomizationPopup::GetTableView() const {
    return static_cast<TcxCustomGridTableView*>(GetGridView());
}

void TcxCustomGridItemsCustomizationPopup::AddCheckListBoxItems() {
    TcxCheckListBoxItems* entries = GetCheckListBox()->GetItems();
    entries->Clear();
    TcxCustomGridTableView* view = GetTableView();
    for (int i = 0; i < view->GetItemCount(); ++i) {
        TcxCustomGridTableItem* item = view->GetItem(i);
        if (!item->GetVisibleForCustomization()) continue;
        TcxCheckListBoxItem* entry = entries->Add();
        entry->SetText(item->GetAlternateCaptionText());
        entry->SetChecked(item->GetVisible());
        entry->SetData(item);
    }
}

int TcxCustomGridItemsCustomizationPopup::GetDropDownCount() const {
    return GetTableView()->GetOptionsCustomize()->GetColumnsQuickCustomizationMaxDropDownCount();
}

bool TcxCustomGridItemsCustomizationPopup::SupportsReordering() const {
    return GetTableView()->GetOptionsCustomize()->SupportsColumnsQuickCustomizationReordering();
}

void TcxCustomGridItemsCustomizationPopup::ItemCheckChanged(TObject* object, bool marked) {
    static_cast<TcxCustomGridTableItem*>(object)->SetVisible(marked);
    GetTableView()->GetController()->DesignerModified();
}

int TcxCustomGridItemsCustomizationPopup::GetObjectIndex(TObject* object) const {
    return static_cast<TcxCustomGridTableItem*>(object)->GetIndex();
}

void TcxCustomGridItemsCustomizationPopup::ItemMoved(TObject* object, int index) {
    auto* item = static_cast<TcxCustomGridTableItem*>(object);
    item->SetIndex(item->GetIndex() < index ? index - 1 : index);
    GetTableView()->GetController()->DesignerModified();
}

} // namespace zorvy
