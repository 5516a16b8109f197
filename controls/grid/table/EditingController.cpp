// The in-place editor of a table view: preparing, placing, loading, posting and hiding it, and the
// editor's keys and notices.
#include "controls/grid/table/EditingController.h"

#include "controls/data/DataController.h"
#include "controls/editors/framework/Edit.h"
#include "controls/editors/framework/EditProperties.h"
#include "controls/foundation/services/Timers.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/table/RecordViewInfo.h"
#include "controls/grid/table/TableView.h"
#include "controls/grid/view/GridSite.h"
#include "controls/grid/view/ViewInfo.h"
#include "platform/rtl/Exceptions.h"
#include "platform/win/Input.h"

namespace zorvy {

namespace {

constexpr std::uint16_t EditKeyEnter = 13, EditKeyShift = 16, EditKeyCtrl = 17, EditKeyAlt = 18,
                        EditKeyEscape = 27, EditKeyDelete = 46;
constexpr int EditParkedLeft = 30000;

bool IsEmptyRect(const TRect& r) {
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

// Sets a flag for the length of a scope, also when an exception passes.
class EditFlagScope {
  public:
    explicit EditFlagScope(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~EditFlagScope() { flag_ = saved_; }
    EditFlagScope(const EditFlagScope&) = delete;
    EditFlagScope& operator=(const EditFlagScope&) = delete;

  private:
    bool& flag_;
    bool saved_;
};

} // namespace

TcxGridEditingController::TcxGridEditingController(TcxCustomGridTableController* controller)
    : controller_(controller), editList_(std::make_unique<TcxInplaceEditList>()) {}

TcxGridEditingController::~TcxGridEditingController() {
    StopEditShowingTimer();
    for (auto& [item, data] : editData_) delete data;
}

TcxCustomGridTableView* TcxGridEditingController::GetGridView() const {
    return controller_->GetGridView();
}

void TcxGridEditingController::DropEditingItem() {
    TcxCustomGridTableItem* item = editingItem_;
    editingItem_ = nullptr;
    if (edit_) {
        ClearEditEvents();
        edit_->SetVisible(false);
        edit_->SetParent(nullptr);
        edit_ = nullptr;
    }
    if (auto it = editData_.find(item); item && it != editData_.end()) {
        delete it->second;
        editData_.erase(it);
    }
}

TcxCustomEditData*& TcxGridEditingController::EditDataOf(TcxCustomGridTableItem* item) {
    return editData_[item];
}

// ---- editing item ----

void TcxGridEditingController::SetEditingItem(TcxCustomGridTableItem* value) {
    if (editingItem_ == value || editingItemSetting_) return;
    EditFlagScope setting(editingItemSetting_);
    if (value) {
        if (!value->CanEditFocusedCell() || !GetGridView()->DoEditing(value)) return;
        value->FocusItem();
    }
    HideEdit(false);
    editingItem_ = value;
    if (!value) return;
    try {
        ShowEdit(value);
    } catch (...) {
        editingItem_ = nullptr;
        throw;
    }
    if (!edit_ && !editPreparing_) editingItem_ = nullptr;
}

bool TcxGridEditingController::PrepareEdit(TcxCustomGridTableItem* item, bool byMouse) {
    controller_->ClearEditCheckPending();
    TcxCustomGridRecord* record = controller_->GetFocusedRecord();
    if (editPreparing_ || editHiding_ || !item || !record) return false;
    TcxCustomGridTableView* view = GetGridView();
    TcxControl* site = controller_->GetSite();
    EditFlagScope preparing(editPreparing_);
    if (editingItem_ != item || editingItemSetting_) {
        if (!site || !site->Focused()) return false;
        item->SetEditing(true);
        if (editingItem_ != item) return false;
        TRect bounds;
        bool clipped = false;
        if (GetFocusedCellBounds(bounds, clipped) && clipped) {
            // A cell partly out of sight never gets an editor.
            editingItem_ = nullptr;
            return false;
        }
        try {
            TcxCustomEditProperties* properties = item->GetPropertiesForRecord(record);
            edit_ = properties ? editList_->ObtainEditor(properties) : nullptr;
            if (!edit_) {
                editingItem_ = nullptr;
                return false;
            }
            record->Invalidate(item);
            InitEdit();
        } catch (...) {
            if (edit_) ClearEditEvents();
            edit_ = nullptr;
            editingItem_ = nullptr;
            view->UpdateSiteTabStop(false);
            throw;
        }
        view->UpdateSiteTabStop(false);
        return true;
    }
    if (edit_ && (byMouse || (site && site->Focused() && !edit_->HoldsFocus()))) {
        record->Invalidate(item);
        view->UpdateSiteTabStop(false);
        return true;
    }
    return false;
}

void TcxGridEditingController::ShowEdit(TcxCustomGridTableItem* item) {
    if (!item) item = controller_->GetFocusedItem();
    if (PrepareEdit(item, false)) edit_->AttachEditData(EditDataOf(item));
}

void TcxGridEditingController::ShowEditAndSendChar(TcxCustomGridTableItem* item, char32_t ch) {
    if (!item) item = controller_->GetFocusedItem();
    if (PrepareEdit(item, false)) edit_->ActivateInplace(ch, EditDataOf(item));
}

void TcxGridEditingController::ShowEditAndMouseDown(TcxCustomGridTableItem* item, TShiftState shift, int x, int y) {
    if (!item) item = controller_->GetFocusedItem();
    if (PrepareEdit(item, true)) edit_->ActivateByMouse(shift, x, y, EditDataOf(item));
}

void TcxGridEditingController::ShowOrHideEdit() {
    TRect bounds;
    bool clipped = false;
    if (IsEditing() && !GetFocusedCellBounds(bounds, clipped))
        HideEdit(false);
    else
        ShowEdit(nullptr);
}

void TcxGridEditingController::InitEdit() {
    TcxCustomEditProperties* properties = edit_->GetProperties();
    prevPropertiesChange_ = properties->OnChange;
    prevPropertiesValueChanged_ = properties->OnEditValueChanged;
    properties->OnChange = nullptr;
    properties->OnEditValueChanged = nullptr;
    edit_->SetParent(controller_->GetSite());
    UpdateEditPosition();
    UpdateEditValue();
    AssignEditEvents();
}

void TcxGridEditingController::AssignEditEvents() {
    edit_->ContainerKeyHandler = [this](TObject* sender, std::uint16_t& key, TShiftState shift) {
        EditAfterKeyDown(sender, key, shift);
    };
    edit_->OnEditing = [this](TObject*, bool& allow) {
        EditFlagScope initiating(initiatingEditing_);
        allow = CanInitEditing();
    };
    edit_->ContainerPostHandler = [this](TObject*) { UpdateValue(); };
    edit_->OnExit = [this](TObject* sender) { HandleEditExit(sender); };
    edit_->OnKeyDown = [this](TObject* sender, std::uint16_t& key, TShiftState shift) {
        HandleEditKeyDown(sender, key, shift);
    };
    edit_->OnKeyPress = [this](TObject* sender, char32_t& ch) { HandleEditKeyPress(sender, ch); };
    edit_->OnKeyUp = [this](TObject* sender, std::uint16_t& key, TShiftState shift) { HandleEditKeyUp(sender, key, shift); };
    edit_->GetProperties()->OnChange = [this](TObject* sender) { HandleEditChange(sender); };
    edit_->GetProperties()->OnEditValueChanged = [this](TObject* sender) { HandleEditValueChanged(sender); };
}

void TcxGridEditingController::ClearEditEvents() {
    edit_->ContainerKeyHandler = nullptr;
    edit_->OnEditing = nullptr;
    edit_->ContainerPostHandler = nullptr;
    edit_->OnExit = nullptr;
    edit_->OnKeyDown = nullptr;
    edit_->OnKeyPress = nullptr;
    edit_->OnKeyUp = nullptr;
    edit_->GetProperties()->OnChange = prevPropertiesChange_;
    edit_->GetProperties()->OnEditValueChanged = prevPropertiesValueChanged_;
    prevPropertiesChange_ = nullptr;
    prevPropertiesValueChanged_ = nullptr;
}

// ---- placement ----

bool TcxGridEditingController::GetFocusedCellBounds(TRect& bounds, bool& clipped) const {
    TcxCustomGridRecord* record = controller_->GetFocusedRecord();
    if (!record || !editingItem_ || !record->GetViewInfo()) return false;
    bounds = record->GetViewInfo()->GetBoundsForInvalidate(editingItem_);
    if (IsEmptyRect(bounds)) return false;
    const TRect client = controller_->GetViewInfo()->GetClientBounds();
    clipped = bounds.Left < client.Left || bounds.Top < client.Top || bounds.Right > client.Right ||
              bounds.Bottom > client.Bottom;
    return true;
}

void TcxGridEditingController::UpdateEditPosition() {
    TRect bounds;
    bool clipped = false;
    if (!edit_ || !GetFocusedCellBounds(bounds, clipped)) return;
    if (editPreparing_ && !edit_->IsRequestingEditing())
        UpdateEdit();
    else
        RequestEditUpdate();
    editPlaced_ = true;
}

void TcxGridEditingController::UpdateEdit() {
    editUpdateNeeded_ = false;
    TRect bounds;
    bool clipped = false;
    if (!editingItem_ || !edit_ || !GetFocusedCellBounds(bounds, clipped) || clipped) return;
    // The editor sits inside the cell's grid lines.
    edit_->SetBounds(bounds.Left + 1, bounds.Top + 1, bounds.Right - bounds.Left - 2, bounds.Bottom - bounds.Top - 2);
    if (GetGridView()->OnInitEdit) GetGridView()->OnInitEdit(GetGridView(), editingItem_, edit_);
}

void TcxGridEditingController::UpdateEditIfNeeded() {
    if (editUpdateNeeded_) UpdateEdit();
}

void TcxGridEditingController::VerifyEditPosition() {
    if (!IsEditing() || !edit_) return;
    TRect bounds;
    bool clipped = false;
    const bool laidOut = GetFocusedCellBounds(bounds, clipped);
    if (editPlaced_ && laidOut && !clipped) return;
    editUpdateNeeded_ = false;
    // Out of sight, still focused and holding its value, until a later layout places it again.
    if (!editPreparing_) edit_->SetLeft(EditParkedLeft);
}

// ---- values ----

bool TcxGridEditingController::CanUpdateEditValue() const {
    return !GetGridView()->IsPattern() && IsEditing() && edit_ && !editHiding_ && !initiatingEditing_ &&
           !edit_->IsUserChange();
}

void TcxGridEditingController::UpdateEditValue() {
    if (!CanUpdateEditValue()) return;
    Variant value = ReadEditingValue();
    TcxCustomGridTableView* view = GetGridView();
    if (view->OnInitEditValue) view->OnInitEditValue(view, editingItem_, edit_, value);
    edit_->HoldChangeEvents(true, false);
    try {
        edit_->SetEditValue(value);
    } catch (...) {
        edit_->HoldChangeEvents(false, false);
        throw;
    }
    edit_->HoldChangeEvents(false, false);
    edit_->SelectAllText();
}

void TcxGridEditingController::UpdateValue() {
    if (!IsEditing() || !edit_ || !edit_->GetModified()) return;
    edit_->ValidateInput(true);
    WriteEditingValue(edit_->GetEditValue());
    edit_->SetChangedSinceEnter(false);
}

Variant TcxGridEditingController::ReadEditingValue() const {
    return controller_->GetDataController()->GetEditValue(editingItem_->GetIndex());
}

void TcxGridEditingController::WriteEditingValue(const Variant& value) {
    controller_->GetDataController()->SetEditValue(editingItem_->GetIndex(), value, 0);
}

void TcxGridEditingController::PostEditingData() {
    controller_->GetDataController()->PostEditingData();
}

// ---- hiding ----

void TcxGridEditingController::HideEdit(bool accept) {
    editUpdateNeeded_ = false;
    StopEditShowingTimer();
    if (editHiding_ || !editingItem_) return;
    EditFlagScope hiding(editHiding_);
    TcxCustomGridTableView* view = GetGridView();
    if (accept && edit_) {
        if (!edit_->FinishEditing()) Abort();
        UpdateValue();
        PostEditingData();
        if (TcxCustomGridRecord* record = controller_->GetFocusedRecord())
            edit_->GetEffectiveProperties()->ShareStateWith(editingItem_->GetPropertiesForRecord(record));
    }
    editingItem_ = nullptr;
    if (view->IsFocusedView()) view->UpdateSiteTabStop(true);
    if (edit_) {
        TcxCustomEdit* edit = edit_;
        DoneEdit();
        if (edit->OwnsFocus() && view->IsFocusedView()) {
            edit->SetEditModified(false);
            if (!view->IsBeingDestroyed()) {
                const bool allowed = controller_->GetEditCheckAllowed();
                controller_->SetEditCheckAllowed(false);
                try {
                    controller_->FocusView(false);
                } catch (...) {
                    controller_->SetEditCheckAllowed(allowed);
                    throw;
                }
                controller_->SetEditCheckAllowed(allowed);
            }
        } else {
            controller_->InvalidateFocusedRecord();
        }
        edit->SetVisible(false);
        edit->SetParent(nullptr);
        edit_ = nullptr;
    }
    errorOnEditExit_ = false;
}

void TcxGridEditingController::RemoveEdit(TcxCustomEditProperties* properties) {
    if (IsEditing() && edit_ && edit_ == editList_->FindEditor(properties)) {
        ClearEditEvents();
        edit_ = nullptr;
        editingItem_ = nullptr;
    }
    editList_->RemoveEditor(properties);
}

// ---- queries ----

bool TcxGridEditingController::CanInitEditing() const {
    return editingItem_ && editingItem_->CanEdit();
}

bool TcxGridEditingController::IsEditFocusFree() const {
    return !(IsEditing() && edit_ && edit_->OwnsFocus() && !editHiding_);
}

bool TcxGridEditingController::MustHideEditOnRecordChange() const {
    TcxCustomGridTableView* view = GetGridView();
    if (!view->GetOptionsBehavior()->GetAlwaysShowEditor()) return true;
    if (editingItem_) {
        if (editingItem_->OnGetProperties || editingItem_->OnGetPropertiesForEdit ||
            editingItem_->GetShowEditButtons(false))
            return true;
        if (TcxCustomEditProperties* properties = editingItem_->GetProperties())
            if (properties->GetCapabilities() & 1) return true;
    }
    return static_cast<bool>(view->OnEditing) || static_cast<bool>(view->OnInitEdit);
}

// ---- delayed editor ----

void TcxGridEditingController::StartEditShowingTimer(TcxCustomGridTableItem* item) {
    StopEditShowingTimer();
    editShowingItem_ = item;
    editShowingTimer_ = std::make_unique<TcxTimer>(nullptr);
    editShowingTimer_->SetInterval(GetDoubleClickTime());
    editShowingTimer_->SetOnTimer([this](TObject*) { EditShowingTimerFired(); });
}

void TcxGridEditingController::StopEditShowingTimer() {
    editShowingTimer_.reset();
}

void TcxGridEditingController::EditShowingTimerFired() {
    TcxCustomGridTableItem* item = editShowingItem_;
    // Freed after the tick returns: the timer's own handler is running.
    editShowingTimer_->SetEnabled(false);
    editShowingItem_ = nullptr;
    if (item) item->SetEditing(true);
}

// ---- the editor's notices ----

void TcxGridEditingController::HandleEditKeyDown(TObject*, std::uint16_t& key, TShiftState shift) {
    if (key != EditKeyShift && key != EditKeyCtrl && key != EditKeyAlt) controller_->MakeFocusedItemVisible();
    DoEditKeyDown(key, shift);
}

void TcxGridEditingController::DoEditKeyDown(std::uint16_t& key, TShiftState shift) {
    TcxCustomGridTableView* view = GetGridView();
    if (view->OnEditKeyDown) view->OnEditKeyDown(view, editingItem_, edit_, key, shift);
    switch (key) {
    case EditKeyEnter:
        HideEdit(true);
        if (view->GetOptionsBehavior()->GetGoToNextCellOnEnter()) {
            controller_->SetSkipRecordKeys(true);
            try {
                controller_->KeyDown(key, shift);
            } catch (...) {
                controller_->SetSkipRecordKeys(false);
                throw;
            }
            controller_->SetSkipRecordKeys(false);
            ShowEdit(nullptr);
        } else {
            controller_->CheckAutoEdit();
        }
        key = 0;
        break;
    case EditKeyEscape: {
        const bool modified = edit_ && edit_->GetModified();
        HideEdit(false);
        controller_->CheckAutoEdit();
        if (modified) key = 0;
        break;
    }
    case EditKeyDelete:
        if ((shift & (ssShift | ssCtrl | ssAlt)) == ssCtrl) controller_->KeyDown(key, shift);
        break;
    default:
        break;
    }
}

void TcxGridEditingController::EditAfterKeyDown(TObject*, std::uint16_t& key, TShiftState shift) {
    if (controller_->IsKeyForController(key, shift)) controller_->KeyDown(key, shift);
}

void TcxGridEditingController::HandleEditKeyPress(TObject*, char32_t& ch) {
    TcxCustomGridTableView* view = GetGridView();
    if (view->OnEditKeyPress) view->OnEditKeyPress(view, editingItem_, edit_, ch);
}

void TcxGridEditingController::HandleEditKeyUp(TObject*, std::uint16_t& key, TShiftState shift) {
    TcxCustomGridTableView* view = GetGridView();
    if (view->OnEditKeyUp) view->OnEditKeyUp(view, editingItem_, edit_, key, shift);
}

void TcxGridEditingController::HandleEditChange(TObject* sender) {
    EditChanged();
    if (prevPropertiesChange_) prevPropertiesChange_(sender);
    TcxCustomGridTableView* view = GetGridView();
    if (view->OnEditChanged) view->OnEditChanged(view, editingItem_);
}

void TcxGridEditingController::HandleEditValueChanged(TObject* sender) {
    if (prevPropertiesValueChanged_) prevPropertiesValueChanged_(sender);
    TcxCustomGridTableView* view = GetGridView();
    if (view->OnEditValueChanged) view->OnEditValueChanged(view, editingItem_);
}

void TcxGridEditingController::HandleEditExit(TObject*) {
    if (!CanHideEditOnExit()) return;
    try {
        HideEdit(!controller_->CanCancelOnExit());
    } catch (...) {
        if (edit_) edit_->SetFocus();
        errorOnEditExit_ = true;
        throw;
    }
}

} // namespace zorvy
