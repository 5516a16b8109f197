#include "controls/editors/lookup/LookupEdit.h"

#include "controls/data/DataController.h"
#include "controls/data/Variants.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/lookup/LookupGrid.h"
#include "platform/rtl/Strings.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>

namespace zorvy {

// ---- TcxCustomLookupEditProperties ----

TcxCustomLookupEditProperties::TcxCustomLookupEditProperties(TPersistent* owner)
    : TcxCustomComboBoxProperties(owner) {
    SetPopupHeight(0);
    SetPopupWidth(0);
    SetDropDownListStyle(lsEditFixedList);
    SetPopupAutoSize(false);
    SetPopupSizeable(false);
}

void TcxCustomLookupEditProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomLookupEditProperties*>(source);
    BeginChanges();
    try {
        TcxCustomComboBoxProperties::Assign(source);
        if (other) {
            if (!IsDefinedByLookupField()) SetDisplayColumnIndex(other->displayColumnIndex_);
            incrementalFiltering_ = other->incrementalFiltering_;
        }
    } catch (...) {
        EndChanges();
        throw;
    }
    EndChanges();
}

void TcxCustomLookupEditProperties::SetDisplayColumnIndex(int index) {
    index = std::max(std::min(index, GetListColumnCount() - 1), 0);
    if (index == displayColumnIndex_) return;
    displayColumnIndex_ = index;
    Changed();
}

int TcxCustomLookupEditProperties::GetEffectiveDisplayColumnIndex() const {
    const int index = GetDisplayColumnIndex();
    return index < GetListColumnCount() ? index : GetListColumnCount() - 1;
}

void TcxCustomLookupEditProperties::CheckDisplayColumnIndex() {
    if (displayColumnIndex_ >= GetListColumnCount()) SetDisplayColumnIndex(GetListColumnCount() - 1);
}

TWinControl* TcxCustomLookupEditProperties::GetListControl() const {
    return GetListGrid();
}

void TcxCustomLookupEditProperties::DetachList() {
    if (TcxCustomLookupGrid* grid = GetListGrid()) grid->SetParent(nullptr);
}

int TcxCustomLookupEditProperties::FindByText(int columnIndex, const std::string& text, bool partial) {
    TcxCustomDataController* list = GetListDataController();
    if (!list || columnIndex < 0 || columnIndex >= list->GetItemCount()) return -1;
    return list->FindRecordByText(0, columnIndex, true, false, partial, text);
}

std::string TcxCustomLookupEditProperties::GetDisplayText(const Variant&) {
    return {};
}

void TcxCustomLookupEditProperties::SubscribeToListData() {
    if (TcxCustomDataController* list = GetListDataController())
        list->AddDataChangedListener(this, [this](TObject* sender) { ListDataChanged(sender); });
}

void TcxCustomLookupEditProperties::UnsubscribeFromListData() {
    if (TcxCustomDataController* list = GetListDataController()) list->RemoveDataChangedListener(this);
}

bool TcxCustomLookupEditProperties::IsListDataChangeLocked() const {
    TcxCustomDataController* list = GetListDataController();
    return list && list->IsDataChangeLocked();
}

void TcxCustomLookupEditProperties::LockListDataChanged() {
    if (TcxCustomDataController* list = GetListDataController()) list->LockDataChanged();
}

void TcxCustomLookupEditProperties::UnlockListDataChanged() {
    if (TcxCustomDataController* list = GetListDataController()) list->UnlockDataChanged();
}

void TcxCustomLookupEditProperties::ListDataChanged(TObject*) {
    if (listDataChanging_ || IsLocked() || IsListDataChangeLocked()) return;
    listDataChanging_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{listDataChanging_};
    Changed();
}

int TcxCustomLookupEditProperties::GetCapabilities() const {
    return TcxCustomComboBoxProperties::GetCapabilities() | (UsesDefaultFormatting(false) ? 0 : 0x200);
}

void TcxCustomLookupEditProperties::ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) {
    if (IsTextTheValue() || (IsBoundToLookupField() && !isEditing)) {
        TcxCustomComboBoxProperties::ToDisplayValue(value, displayValue, isEditing);
        return;
    }
    displayValue = Variant(GetDisplayText(value));
}

bool TcxCustomLookupEditProperties::IsInLookupItems(const std::string& text) const {
    auto* self = const_cast<TcxCustomLookupEditProperties*>(this);
    const int column = GetEffectiveDisplayColumnIndex();
    return column >= 0 && GetListDataController() && self->FindByText(column, text, false) >= 0;
}

const TMetaClass* TcxCustomLookupEditProperties::GetLookupDataClass() const {
    return TcxCustomLookupEditLookupData::StaticClass();
}

bool TcxCustomLookupEditProperties::IsNavigationKey(std::uint16_t key, TShiftState shift) const {
    switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN: return !(shift & ssAlt);
    case VK_HOME:
    case VK_END: return (shift & ssCtrl) != 0;
    default: return false;
    }
}

const TMetaClass* TcxCustomLookupEditProperties::GetEditControlClass() const {
    return TcxCustomLookupEdit::StaticClass();
}

TcxCustomEdit* TcxCustomLookupEditProperties::CreateEditControl(bool inplace) const {
    return new TcxCustomLookupEdit(nullptr, inplace, ClassType());
}

// ---- TcxCustomLookupEditLookupData ----

TcxCustomLookupEditLookupData::TcxCustomLookupEditLookupData(TPersistent* owner)
    : TcxCustomTextEditLookupData(owner) {}

TcxCustomLookupEdit* TcxCustomLookupEditLookupData::LookupEdit() const {
    return dynamic_cast<TcxCustomLookupEdit*>(GetOwnerObject());
}

TcxCustomLookupEditProperties* TcxCustomLookupEditLookupData::LookupProperties() const {
    TcxCustomLookupEdit* edit = LookupEdit();
    return edit ? edit->GetLookupProperties() : nullptr;
}

TcxCustomDataController* TcxCustomLookupEditLookupData::ListData() const {
    TcxCustomLookupEditProperties* p = LookupProperties();
    return p ? p->GetListDataController() : nullptr;
}

void TcxCustomLookupEditLookupData::SetFocusedRowSelected(bool value) const {
    TcxCustomLookupEditProperties* p = LookupProperties();
    if (TcxCustomLookupGrid* grid = p ? p->GetListGrid() : nullptr)
        grid->SetFocusedRowSelected(value);
    else if (TcxCustomDataController* list = ListData())
        list->SetFocusedSelected(value);
}

std::string TcxCustomLookupEditLookupData::GetDisplayTextOfKey(const Variant& key) const {
    TcxCustomLookupEditProperties* p = LookupProperties();
    return p ? p->GetDisplayText(key) : std::string();
}

void TcxCustomLookupEditLookupData::SetCurrentKey(const Variant& key) {
    currentKey_ = key;
    SyncListToCurrentKey();
}

void TcxCustomLookupEditLookupData::SetCurrentKeyFromRecord(int recordIndex) {
    StoreCurrentKey(recordIndex < 0 ? Variant::Null() : Variant(recordIndex));
}

void TcxCustomLookupEditLookupData::LocateCurrentKey() {
    TcxCustomDataController* list = ListData();
    if (!list || currentKey_.IsNull()) return;
    int recordIndex = -1;
    try {
        recordIndex = currentKey_.AsInteger();
    } catch (const Exception&) {
        return;
    }
    if (recordIndex >= 0 && recordIndex < list->GetRecordCount()) list->ChangeFocusedRecordIndex(recordIndex);
}

void TcxCustomLookupEditLookupData::SyncListToCurrentKey() {
    LocateCurrentKey();
    if (TcxCustomLookupEditProperties* p = LookupProperties()) p->MakeListFocusedRowVisible();
}

bool TcxCustomLookupEditLookupData::LocateText(const std::string& text) {
    TcxCustomLookupEditProperties* p = LookupProperties();
    TcxCustomDataController* list = ListData();
    const int column = p ? p->GetEffectiveDisplayColumnIndex() : -1;
    if (column < 0 || !list) return false;
    const int recordIndex = p->FindByText(column, text, false);
    if (recordIndex < 0) {
        SetFocusedRowSelected(false);
        return false;
    }
    list->ChangeFocusedRecordIndex(recordIndex);
    SetCurrentKeyFromRecord(recordIndex);
    SetFocusedRowSelected(true);
    return true;
}

bool TcxCustomLookupEditLookupData::FindCompletion(std::string& text, std::string& tail, bool, bool) {
    tail.clear();
    TcxCustomLookupEditProperties* p = LookupProperties();
    Locked locked(p);
    TcxCustomDataController* list = ListData();
    const int column = p ? p->GetEffectiveDisplayColumnIndex() : -1;
    if (column < 0 || !list) return false;
    int recordIndex;
    if (listOpen_ && p->UsesIncrementalFiltering()) {
        if (!text.empty()) {
            const std::string previous = list->GetIncrementalFilterText();
            recordIndex = list->ChangeIncrementalFilterText(column, text);
            // Only list texts are accepted: the list keeps the rows of what was typed before.
            if (recordIndex < 0 && p->GetDropDownListStyle() != lsEditList)
                list->ChangeIncrementalFilterText(column, previous);
        } else {
            ResetIncrementalFilter();
            recordIndex = p->FindByText(column, {}, true);
        }
        AdjustOpenListHeight();
    } else {
        recordIndex = p->FindByText(column, text, true);
    }
    if (recordIndex < 0) {
        SetFocusedRowSelected(false);
        return false;
    }
    list->ChangeFocusedRecordIndex(recordIndex);
    SetCurrentKeyFromRecord(recordIndex);
    const std::string found = list->GetDisplayText(recordIndex, column);
    const std::size_t typed = std::min(text.size(), found.size());
    text = found.substr(0, typed);
    tail = found.substr(typed);
    SetFocusedRowSelected(true);
    return true;
}

void TcxCustomLookupEditLookupData::StepItem(TcxEditLookupDirection direction, bool wrap) {
    TcxCustomLookupEditProperties* p = LookupProperties();
    TcxCustomDataController* list = ListData();
    if (!list || list->GetRecordCount() == 0) return;
    {
        Locked locked(p);
        ResetIncrementalFilter();
        AdjustOpenListHeight();
        p->LockListDataChanged();
        struct Unlock {
            TcxCustomLookupEditProperties* p;
            ~Unlock() { p->UnlockListDataChanged(); }
        } unlock{p};
        switch (direction) {
        case eldFirst: list->GotoFirst(); break;
        case eldLast: list->GotoLast(); break;
        case eldNext:
        case eldPageDown:
            SyncListToCurrentKey();
            if (wrap && list->IsEOF())
                list->GotoFirst();
            else if (direction == eldNext)
                list->GotoNext();
            else
                list->MoveBy(p->GetDropDownRows());
            break;
        case eldPrevious:
        case eldPageUp:
            SyncListToCurrentKey();
            if (wrap && list->IsBOF())
                list->GotoLast();
            else if (direction == eldPrevious)
                list->GotoPrev();
            else
                list->MoveBy(-p->GetDropDownRows());
            break;
        }
    }
    const int focused = list->GetFocusedRecordIndex();
    SetCurrentKeyFromRecord(focused);
    if (focused >= 0) SetFocusedRowSelected(true);
    FireSelectItem();
}

bool TcxCustomLookupEditLookupData::IsEmpty() const {
    TcxCustomLookupEditProperties* p = LookupProperties();
    TcxCustomDataController* list = ListData();
    return !(p && p->GetEffectiveDisplayColumnIndex() >= 0 && list && list->GetRecordCount() != 0);
}

bool TcxCustomLookupEditLookupData::ContainsText(const std::string& text) const {
    TcxCustomLookupEditProperties* p = LookupProperties();
    return p && p->IsInLookupItems(text);
}

void TcxCustomLookupEditLookupData::SyncWithEditText() {
    TcxCustomLookupEdit* edit = LookupEdit();
    if (!edit || edit->IsRequestingEditing()) return;
    Locked locked(LookupProperties());
    SyncListToText();
}

void TcxCustomLookupEditLookupData::SyncListToText() {
    TcxCustomLookupEditProperties* p = LookupProperties();
    TcxCustomLookupEdit* edit = LookupEdit();
    if (!p || !edit || p->IsListDataChanging()) return;
    TcxCustomDataController* list = ListData();
    const std::string text = edit->ReadDisplayText();
    if (listOpen_ && p->UsesIncrementalFiltering() && list && list->UpdateIncrementalFilterText(text))
        AdjustOpenListHeight();
    const int column = p->GetEffectiveDisplayColumnIndex();
    bool matched = false;
    if (list && column >= 0) {
        const int focused = list->GetFocusedRecordIndex();
        matched = focused >= 0 && AnsiSameText(list->GetDisplayText(focused, column), text);
        if (!matched || !listOpen_) {
            const int recordIndex = p->FindByText(column, text, false);
            if (recordIndex >= 0) {
                list->ChangeFocusedRecordIndex(recordIndex);
                SetCurrentKeyFromRecord(recordIndex);
                matched = true;
            }
        }
    }
    SetFocusedRowSelected(matched);
}

void TcxCustomLookupEditLookupData::OpenList() {
    TcxCustomLookupEditProperties* p = LookupProperties();
    TcxCustomLookupEdit* edit = LookupEdit();
    if (!p || !edit || listOpen_) return;
    Locked locked(p);
    p->LockListDataChanged();
    p->SetListHandlers([this](TObject* sender, bool accept) { ListCloseUp(sender, accept); });
    TcxCustomEditStyle* style = edit->GetEffectiveStyle();
    p->PrepareListAppearance(edit->GetPopupLookAndFeel(), style->GetColor(), style->EffectiveFont());
    p->RememberListCursorPos();
    listOpen_ = true;
    SyncListToCurrentKey();
    SyncListToText();
}

void TcxCustomLookupEditLookupData::CloseList() {
    TcxCustomLookupEditProperties* p = LookupProperties();
    if (!p || !listOpen_) return;
    Locked locked(p);
    ResetIncrementalFilter();
    listOpen_ = false;
    p->SetListHandlers(nullptr);
    p->ReleaseListCapture();
    p->UnlockListDataChanged();
}

void TcxCustomLookupEditLookupData::ListCloseUp(TObject*, bool accept) {
    if (TcxCustomLookupEdit* edit = LookupEdit()) edit->ClosePopup(accept ? crEnter : crCancel);
}

bool TcxCustomLookupEditLookupData::IsFocusedRowSelected() const {
    TcxCustomDataController* list = ListData();
    return list && list->GetSelectedCount() == 1 && list->GetSelectedRowIndex(0) == list->GetFocusedRowIndex();
}

void TcxCustomLookupEditLookupData::TakeSelection() {
    TcxCustomDataController* list = ListData();
    if (!IsFocusedRowSelected()) return;
    SetCurrentKeyFromRecord(list->GetFocusedRecordIndex());
    FireSelectItem();
}

void TcxCustomLookupEditLookupData::ResetIncrementalFilter() {
    if (TcxCustomDataController* list = ListData(); list && list->IsIncrementalFilterActive())
        list->ResetIncrementalFilter();
}

void TcxCustomLookupEditLookupData::AdjustOpenListHeight() {
    TcxCustomLookupEdit* edit = LookupEdit();
    TcxCustomLookupEditProperties* p = LookupProperties();
    TcxCustomDataController* list = ListData();
    if (!listOpen_ || !edit || !list || !edit->HasPopupWindow() || !edit->GetPopupWindow()->GetVisible()) return;
    const int rows = std::max(1, std::min(list->GetRowCount(), p->GetDropDownRows()));
    const int height = p->GetListHeightForRows(rows);
    TcxCustomLookupGrid* grid = p->GetListGrid();
    if (grid && grid->GetClientHeight() != height) edit->RefitOpenList();
}

TSize TcxCustomLookupEditLookupData::MeasureList(int, int) {
    TcxCustomLookupEditProperties* p = LookupProperties();
    if (!p) return {0, 0};
    int rows = p->GetDropDownRows();
    if (TcxCustomDataController* list = ListData()) rows = std::min(rows, list->GetRowCount());
    return {p->GetListWidth(), std::max(1, p->GetListHeightForRows(std::max(rows, 1)))};
}

bool TcxCustomLookupEditLookupData::AdjustListSize(TSize& size, int maxHeight) {
    TcxCustomLookupEditProperties* p = LookupProperties();
    if (maxHeight > 0 && maxHeight < size.cy) size.cy = maxHeight;
    if (p && p->CanFitListHeight()) size.cy = p->FitListHeight(size.cy);
    return true;
}

void TcxCustomLookupEditLookupData::PrepareListBox(TWinControl* parent) {
    TcxCustomLookupEditProperties* p = LookupProperties();
    if (TcxCustomLookupGrid* grid = p ? p->GetListGrid() : nullptr) grid->SetParent(parent);
}

void TcxCustomLookupEditLookupData::SetListBounds(const TRect& r) {
    TcxCustomLookupEditProperties* p = LookupProperties();
    TcxCustomLookupGrid* grid = p ? p->GetListGrid() : nullptr;
    if (!grid) return;
    grid->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    grid->HandleNeeded();
    p->MakeListFocusedRowVisible();
}

bool TcxCustomLookupEditLookupData::IsScreenPointInList(TPoint screenPoint) const {
    TcxCustomLookupEditProperties* p = LookupProperties();
    TcxCustomLookupGrid* grid = p ? p->GetListGrid() : nullptr;
    return grid && grid->HandleAllocated() && p->IsListPointOnRow(grid->ScreenToClient(screenPoint));
}

// ---- TcxCustomLookupEdit ----

TcxCustomLookupEdit::TcxCustomLookupEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomComboBox(owner, inplace, propertiesClass) {}

TcxCustomLookupEdit::~TcxCustomLookupEdit() {
    TcxCustomLookupEditProperties* p = GetLookupProperties();
    TWinControl* list = p ? p->GetListControl() : nullptr;
    if (list && HasPopupWindow() && list->GetParent() == GetPopupWindow()) p->DetachList();
}

Variant TcxCustomLookupEdit::TextToEditValue(const Variant& displayValue) {
    TcxCustomLookupEditProperties* p = GetLookupProperties();
    if (p->IsTextTheValue()) return displayValue;
    TcxCustomLookupEditLookupData* data = GetLookupEditData();
    if (!data) return p->GetEmptyKey();
    const Variant key = data->GetCurrentKey();
    if (VariantsEqual(Variant(data->GetDisplayTextOfKey(key)), displayValue)) return key;
    return data->LocateText(VarToStr(displayValue)) ? data->GetCurrentKey() : p->GetEmptyKey();
}

Variant TcxCustomLookupEdit::GetTypedValue() {
    return TextToEditValue(Variant(ReadDisplayText()));
}

void TcxCustomLookupEdit::ApplyDisplayValue(const Variant& value) {
    // A user's text is shown; validating it stores its key.
    if (IsUserChange()) {
        TcxCustomComboBox::ApplyDisplayValue(value);
        return;
    }
    ShowDisplayValue(value);
    StoreEditValue(TextToEditValue(value));
    SetEditModified(false);
}

void TcxCustomLookupEdit::ShowEditValue() {
    // The text of the key shows without moving the current key to the first row of that text.
    const bool locked = IsLookupSyncLocked();
    SetLookupSyncLocked(true);
    try {
        TcxCustomComboBox::ShowEditValue();
    } catch (...) {
        SetLookupSyncLocked(locked);
        throw;
    }
    SetLookupSyncLocked(locked);
    if (TcxCustomLookupEditLookupData* data = GetLookupEditData()) data->SetCurrentKey(GetEditValue());
}

void TcxCustomLookupEdit::DropDown() {
    TWeakLink<TcxCustomLookupEdit> self(this);
    TcxCustomComboBox::DropDown();
    if (!self || HasPendingInput()) return;
    if (TcxCustomLookupEditLookupData* data = GetLookupEditData()) data->SetCurrentKey(GetEditValue());
}

TWinControl* TcxCustomLookupEdit::GetPopupControl() {
    return GetLookupProperties()->GetListControl();
}

void TcxCustomLookupEdit::RefitOpenList() {
    if (!GetPopupUserSized()) ResetPopupHeight();
    InitPopup();
}

void TcxCustomLookupEdit::TakeLookupSelection() {
    TcxCustomLookupEditLookupData* data = GetLookupEditData();
    ApplyDisplayValue(Variant(data->GetDisplayTextOfKey(data->GetCurrentKey())));
    SelectAllText();
}

void TcxCustomLookupEdit::EnterEditor() {
    TcxCustomComboBox::EnterEditor();
    if (TcxCustomLookupEditLookupData* data = GetLookupEditData()) data->SyncWithEditText();
}

void TcxCustomLookupEdit::BeginValuePosting() {
    GetLookupProperties()->Lock();
    TcxCustomComboBox::BeginValuePosting();
}

void TcxCustomLookupEdit::EndValuePosting() {
    TcxCustomComboBox::EndValuePosting();
    GetLookupProperties()->Unlock();
}

void TcxCustomLookupEdit::RepositoryItemChanging() {
    GetLookupProperties()->DetachList();
}

void TcxCustomLookupEdit::PopupShown() {
    TWeakLink<TcxCustomLookupEdit> self(this);
    TcxCustomComboBox::PopupShown();
    if (self) GetLookupEditData()->OpenList();
}

} // namespace zorvy
