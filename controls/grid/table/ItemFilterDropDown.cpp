// The item filter drop-down: filling it from the item's entries, marking the entries of the current
// filter, applying a picked or marked entry; and the drop-down of recently used filters.
#include "controls/grid/table/ItemFilterDropDown.h"
#include "controls/grid/table/DataBinding.h"
#include "controls/grid/table/FilterOptions.h"
#include "controls/grid/table/FilterValueList.h"
#include "controls/grid/table/Records.h"
#include "controls/grid/table/TableItem.h"
#include "controls/grid/table/TableView.h"

#include "controls/editors/buttons/PushButton.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/classlib/Forms.h"
#include "platform/gdi/Colors.h"
#include "platform/rtl/ResourceStrings.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxGridFilterApplyButtonCaption, "Apply Filter");

// ---- list box ----

TcxGridFilterPopupListBox::TcxGridFilterPopupListBox(TcxGridFilterPopup* popup) : TcxGridPopupListBox(popup) {}

TcxGridFilterPopup* TcxGridFilterPopupListBox::GetFilterPopup() const {
    return static_cast<TcxGridFilterPopup*>(GetPopup());
}

bool TcxGridFilterPopupListBox::HasCheck(int index) {
    TcxGridFilterValueList* list = GetFilterPopup()->GetValueList();
    return GetShowChecks() && index >= 0 && index < list->GetCount() &&
           list->GetItem(index).Kind != fvkRecentSeparator;
}

bool TcxGridFilterPopupListBox::IsItemCheckable(int index) {
    return GetFilterPopup()->IsCheckable(index);
}

bool TcxGridFilterPopupListBox::DoDrawItem(TcxCanvas* canvas, int index, TOwnerDrawState state, const TRect& rect) {
    TcxGridFilterValueList* list = GetFilterPopup()->GetValueList();
    if (index < 0 || index >= list->GetCount() || list->GetItem(index).Kind != fvkRecentSeparator)
        return TcxGridPopupListBox::DoDrawItem(canvas, index, state, rect);
    canvas->CurrentBrush()->SetColor(clWindow);
    canvas->GetCanvas()->FillRect(rect);
    const int y = (rect.Top + rect.Bottom - 3) / 2;
    canvas->CurrentPen()->SetColor(clBtnShadow);
    for (int line : {y, y + 2}) {
        canvas->GetCanvas()->MoveTo(rect.Left, line);
        canvas->GetCanvas()->LineTo(rect.Right, line);
    }
    return true;
}

// ---- filter popup ----

TcxGridFilterPopup::TcxGridFilterPopup(TcxCustomGridView* gridView) : TcxCustomGridPopup(gridView) {
    HorzAlignment = phaRight;
    valueList_ = GetTableView()->GetViewData()->CreateFilterValueList();
    listBox_ = new TcxGridFilterPopupListBox(this);
    listBox_->OnAction = [this](TcxGridPopupListBox*, int index) { ListAction(index); };
    applyButton_ = new TcxButton(this);
    applyButton_->SetCaption(ResolveResourceString(scxGridFilterApplyButtonCaption));
    applyButton_->GetLookAndFeel()->SetMaster(gridView->GetLookAndFeel());
    applyButton_->SetParentFont(true);
    applyButton_->OnClick = [this](TObject*) { ApplyButtonClick(); };
}

TcxGridFilterPopup::~TcxGridFilterPopup() = default;

TcxCustomGridTableView* TcxGridFilterPopup::GetTableView() const {
    return static_cast<TcxCustomGridTableView*>(GetGridView());
}

void TcxGridFilterPopup::InitializePopup() {
    auto* host = dynamic_cast<IcxGridFilterPopupHost*>(GetGridOwner());
    item_ = host ? host->GetFilterPopupItem() : nullptr;
    const TCursor cursor = Screen->GetCursor();
    Screen->SetCursor(crHourGlass);
    try {
        TcxCustomGridPopup::InitializePopup();
        InitItems();
        AdjustButton();
    } catch (...) {
        Screen->SetCursor(cursor);
        throw;
    }
    Screen->SetCursor(cursor);
    changedByCheck_ = false;
    UpdateButtonEnabled();
}

void TcxGridFilterPopup::InitItems() {
    FillListBoxItems();
    InitListBox();
    listBox_->GetItems()->Assign(&strings_);
    TcxGridIndexes checked;
    if (IsMultiSelect()) GetCheckedIndexes(checked);
    listBox_->SetItemIndex(checked.empty() ? GetItemIndex() : -1);
    listBox_->SetCheckedIndexes(checked);
    listBox_->AdjustSize(nullptr);
}

void TcxGridFilterPopup::FillListBoxItems() {
    strings_.Clear();
    valueList_->Clear();
    if (item_) item_->GetDataBinding()->GetFilterStrings(&strings_, valueList_.get());
}

void TcxGridFilterPopup::InitListBox() {
    TcxGridItemFilterPopupOptions* options = GetTableView()->GetFiltering()->GetColumnPopup();
    listBox_->VisibleLineLimit = options->GetMaxDropDownItemCount();
    listBox_->MaxWidth = options->GetDropDownWidth();
    listBox_->SetShowChecks(IsMultiSelect());
}

bool TcxGridFilterPopup::IsApplyImmediately() const {
    return GetTableView()->GetFiltering()->GetColumnPopup()->GetApplyMultiSelectChanges() == fpacImmediately;
}

bool TcxGridFilterPopup::IsMultiSelect() const {
    return item_ && item_->IsFilterPopupMultiSelect();
}

bool TcxGridFilterPopup::IsCheckable(int index) const {
    if (index < 0 || index >= valueList_->GetCount()) return false;
    const TcxFilterValueKind kind = valueList_->GetItem(index).Kind;
    return kind == fvkBlanks || kind == fvkValue || kind == fvkDateRange;
}

void TcxGridFilterPopup::GetCheckedIndexes(TcxGridIndexes& indexes) {
    indexes.clear();
    if (!item_) return;
    TcxGridIndexes active;
    item_->GetDataBinding()->GetFilterActiveValueIndexes(valueList_.get(), active);
    for (int index : active)
        if (IsCheckable(index)) indexes.push_back(index);
}

int TcxGridFilterPopup::GetItemIndex() {
    return item_ ? valueList_->GetIndexByCriteriaItem(item_->GetDataBinding()->GetFilterCriteriaItem()) : -1;
}

void TcxGridFilterPopup::AdjustButton() {
    if (!IsButtonVisible()) {
        applyButton_->SetParent(nullptr);
        return;
    }
    TcxCanvas* canvas = ScreenCanvasInstance();
    canvas->AssignFont(GetFont());
    applyButton_->SetParent(this);
    applyButton_->SetBounds(listBox_->GetLeft(), listBox_->GetTop() + listBox_->GetHeight(), listBox_->GetWidth(),
                            canvas->MeasureTextHeight("Qq") + 10);
}

void TcxGridFilterPopup::UpdateButtonEnabled() {
    applyButton_->SetEnabled(changedByCheck_);
}

void TcxGridFilterPopup::ApplyCheckedIndexes(const TcxGridIndexes& indexes) {
    if (item_) item_->GetDataBinding()->ApplyFilterValueIndexes(valueList_.get(), indexes);
}

void TcxGridFilterPopup::ApplyItemIndex(int index) {
    if (!item_ || index < 0 || index >= valueList_->GetCount()) return;
    const TcxFilterValueKind kind = valueList_->GetItem(index).Kind;
    valueList_->ApplyFilter(item_, index, true, true, nullptr);
    if (kind != fvkCustom && kind != fvkUser) GetTableView()->GetFiltering()->AddFilterToMRUItems();
}

void TcxGridFilterPopup::ListAction(int index) {
    if (IsMultiSelect() && IsCheckable(index)) {
        if (IsApplyImmediately()) ApplyCheckedIndexes(listBox_->GetCheckedIndexes());
        changedByCheck_ = true;
        UpdateButtonEnabled();
    } else {
        ApplyItemIndex(index);
    }
}

void TcxGridFilterPopup::ApplyButtonClick() {
    const TcxGridIndexes indexes = listBox_->GetCheckedIndexes();
    ClosePopup();
    ApplyCheckedIndexes(indexes);
    GetTableView()->GetFiltering()->AddFilterToMRUItems();
}

void TcxGridFilterPopup::NotifyClosed() {
    const bool addToRecent = changedByCheck_ && IsApplyImmediately();
    changedByCheck_ = false;
    listBox_->SetPressedIndex(-1);
    TcxCustomGridPopup::NotifyClosed();
    if (addToRecent) GetTableView()->GetFiltering()->AddFilterToMRUItems();
}

// ---- recent filters popup ----

TcxGridFilterMRUItemsPopup::TcxGridFilterMRUItemsPopup(TcxCustomGridView* gridView)
    : TcxCustomGridPopup(gridView) {
    listBox_ = new TcxGridPopupListBox(this);
    listBox_->OnAction = [this](TcxGridPopupListBox*, int index) { ApplyItem(index); };
}

TcxCustomGridTableView* TcxGridFilterMRUItemsPopup::GetTableView() const {
    return static_cast<TcxCustomGridTableView*>(GetGridView());
}

void TcxGridFilterMRUItemsPopup::InitializePopup() {
    TcxCustomGridPopup::InitializePopup();
    listBox_->VerticalTextOffset = 2;
    listBox_->VisibleLineLimit = GetTableView()->GetFilterBox()->GetMRUItemsListDropDownCount();
    FillItems(listBox_->GetItems());
    listBox_->SetItemIndex(-1);
    listBox_->AdjustSize(nullptr);
}

void TcxGridFilterMRUItemsPopup::FillItems(TStrings* strings) {
    TcxGridFilterMRUItems* items = GetTableView()->GetFiltering()->GetMRUItems();
    items->RefreshVisibleItems();
    strings->BeginUpdate();
    strings->Clear();
    for (int i = 0; i < items->GetVisibleCount(); ++i) strings->Add(items->GetVisibleItem(i)->GetCaption());
    strings->EndUpdate();
}

void TcxGridFilterMRUItemsPopup::ApplyItem(int index) {
    TcxGridFilterMRUItems* items = GetTableView()->GetFiltering()->GetMRUItems();
    if (index < 0 || index >= items->GetVisibleCount()) return;
    GetTableView()->GetDataController()->GetFilter().AssignCriteria(items->GetVisibleItem(index)->GetFilter());
    GetTableView()->GetFiltering()->AddFilterToMRUItems();
}

} // namespace zorvy
