#include "controls/editors/framework/Edit.h"

#include "controls/data/Variants.h"
#include "controls/editors/framework/EditResources.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditViewData.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Input.h"

namespace zorvy {

// ---- TcxEditDataBinding ----

TcxEditDataBinding::TcxEditDataBinding(TcxCustomEdit* edit) : edit_(edit) {}

TcxEditDataBinding::~TcxEditDataBinding() = default;

void TcxEditDataBinding::DefaultValuesChanged() {
    edit_->GetEffectiveProperties()->Changed();
}

Variant TcxEditDataBinding::GetDisplayValue() {
    return Variant(edit_->ReadDisplayText());
}

bool TcxEditDataBinding::IsModified() {
    return edit_->IsChangedSinceEnter();
}

Variant TcxEditDataBinding::GetStoredValue() {
    return edit_->GetEditValue();
}

void TcxEditDataBinding::Reset() {
    edit_->RevertValue();
}

void TcxEditDataBinding::SetDisplayValue(const Variant& value) {
    edit_->ShowDisplayValue(value);
}

bool TcxEditDataBinding::IsValueCommitted() {
    return edit_->HasState(csDesigning) || !edit_->IsChangedSinceEnter();
}

void TcxEditDataBinding::UpdateDisplayValue() {
    edit_->ShowEditValue();
}

// ---- TcxEditChangeEventsCatcher ----

void TcxEditChangeEventsCatcher::Hold(bool lock, bool fireOnRelease) {
    if (lock) {
        if (lockCount_ == 0) ChangePending = EditValueChangePending = false;
        ++lockCount_;
        return;
    }
    if (lockCount_ <= 0) return;
    if (--lockCount_ > 0 || !fireOnRelease || edit_->IsLoadingOrDestroying()) return;
    if (ChangePending && edit_->HasChangeHandler()) {
        ChangePending = false;
        edit_->FireChange();
    }
    if (EditValueChangePending && edit_->HasEditValueChangedHandler()) {
        EditValueChangePending = false;
        edit_->FireEditValueChanged();
    }
}

// ---- construction ----

TcxCustomEdit::TcxCustomEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxContainer(owner), inplace_(inplace) {
    properties_.reset(CreateInstance<TcxCustomEditProperties>(propertiesClass, this));
    // The container made its styles and view info before the properties existed.
    RecreateStylesAndViewInfo();
    InitializeParentColor();
    {
        std::unique_ptr<TcxCustomEditViewData> viewData(CreateEditViewData());
        viewData->ApplyContentMargins(inplaceParams_);
    }
    dataBinding_ = std::make_unique<TcxEditDataBinding>(this);
    dataBinding_->provider_.reset(dataBinding_->CreateDefaultValuesProvider());
    InstallPropertiesHandler();
    if (!inplace_) properties_->AttachDefaultValuesProvider(dataBinding_->GetProviderInterface());
    autoSize_ = !inplace_;
    // In place every key belongs to the editor or its grid; a kind with an inner edit leaves Tab to it.
    if (inplace_) SetWantedKeys(wkAllKeys | wkArrowKeys | wkTabKey);
}

TcxCustomEdit::~TcxCustomEdit() {
    if (repositoryItem_) repositoryItem_->RemoveListener(this);
    repositoryItem_ = nullptr;
    properties_->OnPropertiesChanged = nullptr;
    if (!inplace_) properties_->AttachDefaultValuesProvider(nullptr);
    innerEdit_ = nullptr;
    SetInnerControl(nullptr);
}

void TcxCustomEdit::SetParent(TWinControl* parent) {
    if (parentPending_ && parent) {
        parentPending_ = false;
        dataBinding_->Relink();
        ApplyPropertiesChange(properties_.get());
        dataBinding_->UpdateDisplayValue();
    }
    TcxContainer::SetParent(parent);
}

void TcxCustomEdit::Loaded() {
    TcxContainer::Loaded();
    HoldChangeEvents(true, false);
    CountLoadLock(true);
    struct Release {
        TcxCustomEdit* edit;
        ~Release() {
            edit->CountLoadLock(false);
            edit->HoldChangeEvents(false, false);
        }
    } release{this};
    dataBinding_->Relink();
    RefreshMouseState(false);
    if (!repositoryItem_) InstallPropertiesHandler();
    ApplyPropertiesChange(GetEffectiveProperties());
    GetViewInfo()->Shadow = false;
    HandleStyleChange(GetStyle());
}

void TcxCustomEdit::SetName(const std::string& name) {
    TcxContainer::SetName(name);
    dataBinding_->Relink();
}

void TcxCustomEdit::Notification(TComponent* component, TOperation operation) {
    TcxContainer::Notification(component, operation);
    if (operation == opRemove && repositoryItem_ && component == repositoryItem_) SetRepositoryItem(nullptr);
}

void TcxCustomEdit::GetTabOrderList(std::vector<TWinControl*>& list) const {
    TcxContainer::GetTabOrderList(list);
    // A visible in-place editor stands in its grid's place.
    if (inplace_ && GetVisible()) std::erase(list, GetParent());
}

void TcxCustomEdit::ReplaceDataBinding(std::unique_ptr<TcxEditDataBinding> binding) {
    if (!inplace_) properties_->AttachDefaultValuesProvider(nullptr);
    dataBinding_ = std::move(binding);
    dataBinding_->provider_.reset(dataBinding_->CreateDefaultValuesProvider());
    if (!inplace_ && !repositoryItem_) properties_->AttachDefaultValuesProvider(dataBinding_->GetProviderInterface());
}

void TcxCustomEdit::InstallPropertiesHandler() {
    properties_->OnPropertiesChanged = [this](TObject* sender) {
        ApplyPropertiesChange(static_cast<TcxCustomEditProperties*>(sender));
    };
}

// ---- repository items ----

TcxCustomEditProperties* TcxCustomEdit::GetEffectiveProperties() const {
    if (!repositoryItem_) return properties_.get();
    // Data defaults reach the shared settings too.
    TcxCustomEditProperties* shared = repositoryItem_->GetProperties();
    if (!inplace_ && shared->GetDefaultValuesProvider() != dataBinding_->GetProviderInterface())
        shared->SuppressChanged(true)->AttachDefaultValuesProvider(dataBinding_->GetProviderInterface());
    shared->SuppressChanged(false);
    return shared;
}

bool TcxCustomEdit::AcceptsRepositoryItem(TcxEditRepositoryItem* item) const {
    return !item || item->GetPropertiesClass()->InheritsFrom(properties_->ClassType());
}

void TcxCustomEdit::SetRepositoryItem(TcxEditRepositoryItem* item) {
    if (item == repositoryItem_) return;
    if (!AcceptsRepositoryItem(item)) throw EcxEditError(ResolveResourceString(scxEditRepositoryItemNotAcceptable));
    RepositoryItemChanging();
    if (repositoryItem_) repositoryItem_->RemoveListener(this);
    repositoryItem_ = item;
    if (item) {
        item->AddListener(this);
        properties_->AttachDefaultValuesProvider(nullptr);
        properties_->OnPropertiesChanged = nullptr;
        if (!IsLoadingOrDestroying()) ApplyPropertiesChange(item->GetProperties());
    } else {
        if (!IsLoadingOrDestroying()) InstallPropertiesHandler();
        if (!inplace_) properties_->AttachDefaultValuesProvider(dataBinding_->GetProviderInterface());
        ApplyPropertiesChange(properties_.get());
    }
    RepositoryItemChanged();
}

void TcxCustomEdit::ItemRemoved(TcxEditRepositoryItem* item) {
    if (item == repositoryItem_) repositoryItem_ = nullptr;
}

void TcxCustomEdit::ItemPropertiesChanged(TcxEditRepositoryItem* item) {
    if (!IsLoadingOrDestroying()) ApplyPropertiesChange(item->GetProperties());
}

bool TcxCustomEdit::HasChangeHandler() const {
    return properties_->OnChange || (repositoryItem_ && repositoryItem_->GetProperties()->OnChange);
}

bool TcxCustomEdit::HasEditValueChangedHandler() const {
    return properties_->OnEditValueChanged || (repositoryItem_ && repositoryItem_->GetProperties()->OnEditValueChanged);
}

bool TcxCustomEdit::HasValidateHandler() const {
    return properties_->OnValidate || (repositoryItem_ && repositoryItem_->GetProperties()->OnValidate);
}

TcxCustomEditStyle* TcxCustomEdit::GetEffectiveStyle() {
    return static_cast<TcxCustomEditStyle*>(CurrentStateStyle());
}

TcxContainerStyleClass TcxCustomEdit::GetStyleClass() const {
    return TcxEditStyle::Class();
}

TcxContainerViewInfoClass TcxCustomEdit::GetViewInfoClass() const {
    const TMetaClass* viewInfoClass =
        properties_ ? properties_->GetViewInfoClass() : TcxCustomEditViewInfo::StaticClass();
    return [viewInfoClass] { return CreateInstance<TcxCustomEditViewInfo>(viewInfoClass); };
}

void TcxCustomEdit::SetInnerEdit(IcxCustomInnerEdit* innerEdit) {
    innerEdit_ = innerEdit;
    if (!innerEdit) return;
    innerEdit->SetContainer(this);
    if (GetEffectiveProperties()->HasTextContent()) innerEdit->SetOnChange([this](TObject*) { ValueChangedByUser(); });
    // The editor's own hint settings govern the inner control's.
    innerEdit->GetControl()->SetParentShowHint(false);
    SetInnerControl(innerEdit->GetControl());
}

// ---- flags ----

void TcxCustomEdit::SetEditModified(bool value) {
    modified_ = value;
    if (!value) changedSinceEnter_ = false;
}

void TcxCustomEdit::SetChangedSinceEnter(bool value) {
    changedSinceEnter_ = value;
    if (value) {
        inputValidated_ = false;
        modified_ = true;
    }
}

void TcxCustomEdit::PushModifiedFlags() {
    savedModifiedFlags_.emplace_back(modified_, changedSinceEnter_);
}

void TcxCustomEdit::PopModifiedFlags() {
    if (savedModifiedFlags_.empty()) return;
    std::tie(modified_, changedSinceEnter_) = savedModifiedFlags_.back();
    savedModifiedFlags_.pop_back();
}

// ---- storing ----

void TcxCustomEdit::SetEditValue(const Variant& value) {
    if (valueLockCount_ > 0) return;
    CountLoadLock(true);
    struct Release {
        TcxCustomEdit* edit;
        ~Release() { edit->CountLoadLock(false); }
    } release{this};
    if (!userChange_ || RequestEditing()) StoreEditValue(value);
}

void TcxCustomEdit::SetValueAsUser(const Variant& value) {
    if (valueLockCount_ > 0) return;
    if (!userChange_ || RequestEditing()) StoreEditValue(value);
}

void TcxCustomEdit::StoreEditValue(const Variant& value) {
    if (userChange_ && !RequestEditing()) return;
    TcxCustomEditProperties* p = GetEffectiveProperties();
    const bool changed = p->ComparesValueOnChange() &&
                         (value.VarType() != editValue_.VarType() || !VariantsEqualStrict(value, editValue_));
    editValue_ = value;
    ShowEditValue();
    if (userChange_)
        SetChangedSinceEnter(true);
    else
        SetEditModified(false);
    if (changed) {
        NotifyEditValueChanged();
        if (!p->HasTextContent()) NotifyChanged();
    }
}

void TcxCustomEdit::StoreDisplayValue(const Variant& value) {
    PushModifiedFlags();
    struct Pop {
        TcxCustomEdit* edit;
        ~Pop() { edit->PopModifiedFlags(); }
    } pop{this};
    ApplyDisplayValue(value);
}

// ---- notifications ----

void TcxCustomEdit::FireChange() {
    TWeakLink<TcxCustomEdit> self(this);
    if (properties_->OnChange) properties_->OnChange(this);
    if (self && repositoryItem_ && repositoryItem_->GetProperties()->OnChange)
        repositoryItem_->GetProperties()->OnChange(this);
}

void TcxCustomEdit::FireEditValueChanged() {
    TWeakLink<TcxCustomEdit> self(this);
    if (properties_->OnEditValueChanged) properties_->OnEditValueChanged(this);
    if (self && repositoryItem_ && repositoryItem_->GetProperties()->OnEditValueChanged)
        repositoryItem_->GetProperties()->OnEditValueChanged(this);
}

// The grid's handlers test the modified flag before they write the value: while they run in place the
// editor reads as modified, and its own flags come back afterwards, also when a handler throws.
void TcxCustomEdit::FireAsModified(void (TcxCustomEdit::*fire)()) {
    PushModifiedFlags();
    modified_ = changedSinceEnter_ = true;
    struct Pop {
        TcxCustomEdit* edit;
        ~Pop() { edit->PopModifiedFlags(); }
    } pop{this};
    (this->*fire)();
}

void TcxCustomEdit::NotifyChanged() {
    if (IsLoadingOrDestroying()) return;
    TcxCustomEditProperties* p = GetEffectiveProperties();
    if (HasChangeHandler()) {
        if (catcher_.IsHolding()) {
            catcher_.ChangePending = true;
        } else if (inplace_) {
            FireAsModified(&TcxCustomEdit::FireChange);
        } else {
            FireChange();
        }
    }
    if (!p->HasTextContent() && !p->ComparesValueOnChange()) NotifyEditValueChanged();
}

void TcxCustomEdit::NotifyEditValueChanged() {
    if (IsLoadingOrDestroying() || !HasEditValueChangedHandler()) return;
    if (catcher_.IsHolding()) {
        catcher_.EditValueChangePending = true;
    } else if (inplace_) {
        FireAsModified(&TcxCustomEdit::FireEditValueChanged);
    } else {
        FireEditValueChanged();
    }
}

void TcxCustomEdit::ValueChangedByUser() {
    if (IsFocused())
        SetChangedSinceEnter(true);
    else
        dataBinding_->NoteValueChange();
    NotifyChanged();
}

// ---- permission ----

bool TcxCustomEdit::IsValueChangeAllowed() {
    TcxCustomEditProperties* p = GetEffectiveProperties();
    if (inplace_) return p->CanModify();
    if (p->GetAssignedValues()->GetReadOnly()) return !p->GetReadOnly();
    IcxEditDefaultValuesProvider* provider = dataBinding_->GetProviderInterface();
    return provider->CanModifyValue() && provider->CanEnterEditMode();
}

bool TcxCustomEdit::RequestEditing() {
    if (!CanEditNow()) return false;
    if (dataBinding_->IsModified()) return true;
    requestingEdit_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{requestingEdit_};
    bool allowed = IsValueChangeAllowed();
    CountValueLock(true);
    struct Release {
        TcxCustomEdit* edit;
        ~Release() { edit->CountValueLock(false); }
    } release{this};
    if (allowed && OnEditing) OnEditing(this, allowed);
    if (!inplace_ && allowed) allowed = dataBinding_->SetEditMode();
    return allowed;
}

bool TcxCustomEdit::IsCharAccepted(char32_t ch) {
    IcxEditDefaultValuesProvider* provider = GetEffectiveProperties()->GetDefaultValuesProvider();
    return !provider || provider->AcceptsChar(ch) || provider->HasTextSetter();
}

bool TcxCustomEdit::MayProcessKey(std::uint16_t key, TShiftState shift) {
    return dataBinding_->IsModified() || !IsEditingKey(key, shift) || RequestEditing();
}

bool TcxCustomEdit::FilterKeyPress(char32_t& ch) {
    if (ch >= 32 && !IsCharAccepted(ch)) {
        ch = 0;
        MessageBeep(0);
    } else if (!dataBinding_->IsModified() && IsEditingChar(ch) && !RequestEditing()) {
        ch = 0;
    }
    return ch != 0;
}

bool TcxCustomEdit::IsReadOnlyNow() {
    return GetEffectiveProperties()->GetReadOnly() || !dataBinding_->SourceHasData();
}

bool TcxCustomEdit::IsFieldBound() const {
    return dataBinding_->GetProviderInterface()->IsFieldBound();
}

bool TcxCustomEdit::HasPendingInput() {
    return !HasState(csDesigning) && dataBinding_->HasPendingChange();
}

// ---- validation and posting ----

bool TcxCustomEdit::ValidateInput(bool raiseError) {
    if (!changedSinceEnter_ || inputValidated_) return true;
    validating_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{validating_};
    Variant displayValue(ReadDisplayText());
    std::string errorText;
    bool error = false;
    TcxCustomEditProperties* p = GetEffectiveProperties();
    if (p->SupportsValidation()) p->VerifyDisplayValue(displayValue, errorText, this, error);
    if (error) {
        // Whatever happens, the editor shows the (perhaps corrected) text, selected.
        struct ShowCorrected {
            TcxCustomEdit* edit;
            const Variant& value;
            ~ShowCorrected() {
                if (edit->ReadDisplayText() != VarToStr(value)) edit->ShowDisplayValue(value);
                if (edit->GetVisible()) {
                    edit->SelectAllText();
                    if (!edit->ShowsInnerEdit()) edit->RefreshDisplayText();
                }
            }
        } show{this, displayValue};
        if (raiseError) {
            ReportInvalidInput(errorText);
            Application->ProcessMessages();
        }
        return false;
    }
    if (userChange_ && !RequestEditing()) {
        // Refused: nothing is stored, and the editor shows the stored value again.
        ShowEditValue();
        return false;
    }
    StoreDisplayValue(displayValue);
    if (!inplace_ && !IsFocused()) SetChangedSinceEnter(false);
    inputValidated_ = true;
    return true;
}

void TcxCustomEdit::ReportInvalidInput(const std::string& errorText) {
    // An editor that cannot take the focus still has invalid input: it stays unvalidated.
    if (CanFocus() && GetVisible()) {
        if (!IsFocused()) {
            focusing_ = true;
            struct Clear {
                bool& flag;
                ~Clear() { flag = false; }
            } clear{focusing_};
            if (GetInnerControl())
                GetInnerControl()->SetFocus();
            else
                SetFocus();
        }
        SelectAllText();
    }
    if (GetEffectiveProperties()->BeepOnError) MessageBeep(0);
    if (!errorText.empty()) throw EcxEditValidationError(errorText);
}

void TcxCustomEdit::FireInplacePost() {
    if (ContainerPostHandler) ContainerPostHandler(this);
}

void TcxCustomEdit::PostEditValue(bool validateFirst) {
    if (validateFirst) {
        const bool saved = userChange_;
        userChange_ = false;
        struct Restore {
            bool& flag;
            bool value;
            ~Restore() { flag = value; }
        } restore{userChange_, saved};
        if (!ValidateInput(true)) return;
    }
    BeginValuePosting();
    try {
        if (inplace_) {
            FireInplacePost();
            SetEditModified(false);
        } else {
            dataBinding_->StoreValue(GetEditValue());
        }
    } catch (...) {
        EndValuePosting();
        // Both kinds report and pass the error on: an in-place editor keeps the user's text and
        // stays modified, and the error is shown rather than lost.
        ReportInvalidInput({});
        throw;
    }
    EndValuePosting();
}

// ---- entering, leaving, reverting ----

void TcxCustomEdit::EnterEditor() {
    PushModifiedFlags();
    struct Finish {
        TcxCustomEdit* edit;
        ~Finish() {
            edit->PopModifiedFlags();
            edit->changedSinceEnter_ = false;
        }
    } finish{this};
    if (OnEnter) OnEnter(this);
    if (ReloadsValueOnExit()) dataBinding_->UpdateDisplayValue();
    if (GetEffectiveProperties()->KeepsEntryValue()) valueOnEntry_ = GetEditValue();
    if (ReloadsValueOnExit()) ShowEditValue();
}

void TcxCustomEdit::FinishOnExit(bool fireExit) {
    if (IsDestroying() || focusing_) return;
    PushModifiedFlags();
    {
        HoldChangeEvents(true, true);
        bool released = false;
        struct Release {
            TcxCustomEdit* edit;
            bool& released;
            ~Release() {
                if (!released) {
                    edit->HoldChangeEvents(false, true);
                    edit->PopModifiedFlags();
                }
            }
        } release{this, released};
        if (!ValidateInput(true)) return;
        if (!inplace_ && HasPendingInput()) PostEditValue(false);
        released = true;
        HoldChangeEvents(false, true);
    }
    if (ReloadsValueOnExit()) dataBinding_->UpdateDisplayValue();
    RefreshDisplayText();
    RefreshMouseState(false);
    PopModifiedFlags();
    if (fireExit && OnExit) OnExit(this);
    changedSinceEnter_ = false;
}

void TcxCustomEdit::RevertValue() {
    if (!changedSinceEnter_ || !GetEffectiveProperties()->KeepsEntryValue()) return;
    TcxEditChangeEventsHold hold(this, true);
    changedSinceEnter_ = false;
    SetValueAsUser(IsFieldBound() ? dataBinding_->GetStoredValue() : valueOnEntry_);
    SetEditModified(true);
    SelectAllText();
    if (GetEffectiveProperties()->ImmediatePost && HasPendingInput()) PostEditValue(false);
}

void TcxCustomEdit::ApplyPropertiesChange(TcxCustomEditProperties*) {
    inputValidated_ = false;
    if (innerEdit_) innerEdit_->SetReadOnly(IsReadOnlyNow());
    if (changedSinceEnter_ && IsReadOnlyNow()) SetChangedSinceEnter(false);
    if (GetEffectiveProperties()->GetTransparent()) SetTransparent(true);
    RefreshMouseState(false);
}

void TcxCustomEdit::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    RefreshMouseState(false);
    Invalidate();
}

Variant TcxCustomEdit::GetCurrentValue() {
    if (IsFocused() && changedSinceEnter_ && !inputValidated_) return GetTypedValue();
    return GetEditValue();
}

void TcxCustomEdit::ValueToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) {
    GetEffectiveProperties()->ToDisplayValue(value, displayValue, isEditing);
}

void TcxCustomEdit::StartModifying() {
    SetChangedSinceEnter(true);
    if (loadLockCount_ == 0) Click();
}

void TcxCustomEdit::FireValidate(Variant& value, std::string& errorText, bool& error) {
    TWeakLink<TcxCustomEdit> self(this);
    if (properties_->OnValidate) properties_->OnValidate(this, value, errorText, error);
    if (self && repositoryItem_ && repositoryItem_->GetProperties()->OnValidate)
        repositoryItem_->GetProperties()->OnValidate(this, value, errorText, error);
}

void TcxCustomEdit::FireClosePopup(int reason) {
    TWeakLink<TcxCustomEdit> self(this);
    if (properties_->OnClosePopup) properties_->OnClosePopup(this, reason);
    if (self && repositoryItem_ && repositoryItem_->GetProperties()->OnClosePopup)
        repositoryItem_->GetProperties()->OnClosePopup(this, reason);
}

bool TcxCustomEdit::FinishEditing() {
    if (activationTimer_) activationTimer_->SetEnabled(false);
    userChange_ = false;
    const bool valid = ValidateInput(true);
    if (valid) {
        ShowEditValue();
        inputValidated_ = true;
    }
    return valid;
}

} // namespace zorvy
