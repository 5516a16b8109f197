#pragma once
// TcxCustomEdit: the base control of every editor, stand-alone on a form or in place over a grid
// cell. It keeps the committed value (EditValue) and the flags that say whether and how it was
// changed, asks permission before the first user change, validates, posts, reverts on Escape and
// fires OnChange and OnEditValueChanged in a fixed order. Its look comes from the properties'
// view data and view info. The data binding, the per-activation data and the change-event catcher
// are its companions.
#include "controls/editors/framework/EditProperties.h"
#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/framework/EditViewData.h"
#include "controls/editors/framework/EditViewInfo.h"
#include "controls/foundation/containers/Container.h"
#include "controls/foundation/services/Timers.h"
#include "platform/rtl/Exceptions.h"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace zorvy {

class TcxCustomEdit;
class TcxCustomEditData;
class TcxCustomEditStyle;
class TcxCustomEditViewData;

class EcxEditError : public Exception {
  public:
    using Exception::Exception;
};
class EcxEditValidationError : public EcxEditError {
  public:
    using EcxEditError::EcxEditError;
};

// The control inside an editor that holds its text (the native edit of text editors).
class IcxCustomInnerEdit {
  public:
    virtual ~IcxCustomInnerEdit() = default;
    virtual TWinControl* GetControl() = 0;
    virtual void SetContainer(TcxCustomEdit* edit) = 0;
    virtual void SetOnChange(const TNotifyEvent& handler) = 0;
    virtual void SetReadOnly(bool value) = 0;
    // While locked (counted) every change of the control's bounds is dropped.
    virtual void LockBounds(bool lock) = 0;
    // The focus, keeping the current selection (no select-all on entry).
    virtual void FocusWithoutAutoSelect() = 0;
};

// The link between an editor and the source of its value; the base has no source of its own.
class TcxEditDataBinding : public TPersistent {
    ZORVY_CLASS(TcxEditDataBinding, TPersistent)
  public:
    explicit TcxEditDataBinding(TcxCustomEdit* edit);
    ~TcxEditDataBinding() override;

    virtual void DefaultValuesChanged();
    virtual Variant GetDisplayValue();
    virtual bool IsModified();
    virtual Variant GetStoredValue();
    virtual void Reset();
    virtual void SetDisplayValue(const Variant& value);
    virtual bool SetEditMode() { return true; }
    virtual void StoreValue(const Variant&) {}
    virtual bool IsValueCommitted();
    virtual bool HasPendingChange() { return IsModified(); }
    virtual void NoteValueChange() {}
    virtual void UpdateDisplayValue();
    virtual void Relink() {}
    IcxEditDefaultValuesProvider* GetProviderInterface() const { return provider_.get(); }
    bool SourceHasData() const { return provider_->HasData(); }

  protected:
    virtual TcxCustomEditDefaultValuesProvider* CreateDefaultValuesProvider() {
        return new TcxCustomEditDefaultValuesProvider(this);
    }
    TcxCustomEdit* Edit() const { return edit_; }

  private:
    friend class TcxCustomEdit; // creates the provider once the binding is complete
    TcxCustomEdit* edit_;
    std::unique_ptr<TcxCustomEditDefaultValuesProvider> provider_;
};

// Holds OnChange and OnEditValueChanged while several steps run, and fires each at most once after.
class TcxEditChangeEventsCatcher {
  public:
    explicit TcxEditChangeEventsCatcher(TcxCustomEdit* edit) : edit_(edit) {}
    void Hold(bool lock, bool fireOnRelease);
    bool IsHolding() const { return lockCount_ > 0; }
    bool ChangePending = false;
    bool EditValueChangePending = false;

  private:
    TcxCustomEdit* edit_;
    int lockCount_ = 0;
};

using TcxEditEditingEvent = std::function<void(TObject* sender, bool& canEdit)>;
using TcxEditContainerKeyEvent = std::function<void(TObject* sender, std::uint16_t& key, TShiftState shift)>;

class TcxCustomEdit : public TcxContainer, public IcxRepositoryItemSubscriber {
    ZORVY_CLASS(TcxCustomEdit, TcxContainer)
    friend class TcxEditChangeEventsCatcher;
    friend class TcxCustomInnerTextEdit; // hands the inner edit's keys and focus to the editor

  public:
    explicit TcxCustomEdit(TComponent* owner) : TcxCustomEdit(owner, false) {}
    // The editor kind's properties class; in place is fixed for the editor's life.
    TcxCustomEdit(TComponent* owner, bool inplace,
                  const TMetaClass* propertiesClass = TcxCustomEditProperties::StaticClass());
    ~TcxCustomEdit() override;

    // ---- settings ----
    TcxCustomEditProperties* GetProperties() const { return properties_.get(); }
    // The repository item's properties when one is assigned, else the own ones.
    TcxCustomEditProperties* GetEffectiveProperties() const;
    TcxEditRepositoryItem* GetRepositoryItem() const { return repositoryItem_; }
    // EcxEditError "The repository item is not acceptable" for an item of another kind.
    void SetRepositoryItem(TcxEditRepositoryItem* item);
    virtual bool AcceptsRepositoryItem(TcxEditRepositoryItem* item) const;
    void ItemRemoved(TcxEditRepositoryItem* item) override;
    void ItemPropertiesChanged(TcxEditRepositoryItem* item) override;
    bool HasChangeHandler() const;
    bool HasEditValueChangedHandler() const;
    bool HasValidateHandler() const;
    bool IsInplace() const { return inplace_; }
    // Transparent is ignored in place.
    bool GetTransparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool IsTransparent() const { return transparent_ && !inplace_; }
    // Focused, or the form's active control is the editor or its inner control.
    bool OwnsFocus() const;
    // The window is inside the editor: a child of it or of a child, or a popup it opened.
    bool OwnsWindow(HWND window);
    // Whether the editor shows its editing form: focused, or the kind has no other.
    bool InEditingMode() const;
    virtual int GetTextBaseline() const { return 0; }
    virtual bool HasTextBaseline() const { return false; }
    bool IsInplaceEditor() const override { return inplace_; }
    TcxEditDataBinding* GetDataBinding() const { return dataBinding_.get(); }
    TcxCustomEditViewInfo* GetEditViewInfo() const { return static_cast<TcxCustomEditViewInfo*>(GetViewInfo()); }
    TcxCustomEditStyle* GetEffectiveStyle();

    // ---- value ----
    Variant GetEditValue() const { return editValue_; }
    virtual void SetEditValue(const Variant& value);
    virtual void SetValueAsUser(const Variant& value);
    virtual Variant GetEmptyEditValue() const { return Variant::Null(); }
    // Editor kinds with a value of their own shape (a check box's state) clear it their way.
    virtual void ClearValue() { SetEditValue(GetEmptyEditValue()); }
    // The value the user sees as current: the typed one while focused with unvalidated changes.
    virtual Variant GetCurrentValue();
    virtual Variant GetTypedValue() { return GetEditValue(); }
    virtual bool ShouldStoreEditValue() const { return !editValue_.IsNull(); }
    void ValueToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing);
    bool GetModified() const { return modified_; }
    bool IsChangedSinceEnter() const { return changedSinceEnter_; }
    bool IsInputValidated() const { return inputValidated_; }
    void SetEditModified(bool value);
    void SetChangedSinceEnter(bool value);
    void PushModifiedFlags();
    void PopModifiedFlags();
    void FireAsModified(void (TcxCustomEdit::*fire)());

    // ---- size ----
    // A stand-alone editor sizes itself to its value (height; width too when its buttons share it).
    bool GetAutoSize() const { return autoSize_; }
    virtual void SetAutoSize(bool value);
    virtual bool AutoSizeInEffect() const { return autoSize_ && !inplace_; }
    virtual bool FitsWidthToButtons() const;
    virtual TcxEditSizeProperties GetSizeLimits() const;
    // "Height" and "Width" are stored unless the editor sizes them itself.
    void DefineProperties(TFiler* filer) override;

    // ---- the cycle ----
    void HoldChangeEvents(bool lock, bool fireOnRelease) { catcher_.Hold(lock, fireOnRelease); }
    bool ChangeEventsHeld() const { return catcher_.IsHolding(); }
    void CountLoadLock(bool lock) { Count(loadLockCount_, lock); }
    void CountValueLock(bool lock) { Count(valueLockCount_, lock); }
    bool RequestEditing();
    // Whether RequestEditing is running.
    bool IsRequestingEditing() const { return requestingEdit_; }
    virtual bool ValidateInput(bool raiseError);
    void PostEditValue(bool validateFirst);
    bool HasPendingInput();
    bool IsFieldBound() const;
    virtual void RevertValue();
    virtual bool FinishEditing();
    // After the window gained or lost the focus: reacts when being focused while the application is
    // active changed.
    void FocusStateChanged() override;
    // An in-place editor keeps WM_CONTEXTMENU from its grid.
    void DefaultHandler(TMessage& m) override;
    // The first parent completes the editor: the binding is relinked, the settings applied and the
    // value shown.
    void SetParent(TWinControl* parent) override;
    // After loading, the settings and the binding are applied once, without change events.
    void Loaded() override;
    void SetName(const std::string& name) override;
    void Notification(TComponent* component, TOperation operation) override;
    void GetTabOrderList(std::vector<TWinControl*>& list) const override;

    // ---- in-place activation ----
    // Attaches the column's data (made here when none is given and the kind has some), shows and
    // focuses the editor with its value.
    virtual void AttachEditData(TcxCustomEditData*& data);
    // A key started the edit: the key is typed into the editor.
    virtual void ActivateInplace(char32_t key, TcxCustomEditData*& data);
    // A click started the edit at (x, y) of the parent's client area.
    virtual void ActivateByMouse(TShiftState shift, int x, int y, TcxCustomEditData*& data);
    virtual bool ForwardsActivationKey(char32_t) const { return true; }
    // For the length of an activation the inner control's messages pass through
    // CallInnerWindowProc, where editor kinds see them.
    void HookInnerWindow();
    void UnhookInnerWindow();
    virtual const TMetaClass* GetEditDataClass() const { return nullptr; }
    virtual void InitEditData(TcxCustomEditData*) {}
    TcxCustomEditData* GetEditData() const { return editData_; }
    virtual void ApplyPropertiesChange(TcxCustomEditProperties* properties);
    void NotifyChanged();
    void NotifyEditValueChanged();
    // A change begins: changed since entering, and a Click unless a value is being set by program.
    void StartModifying();
    // Own settings' handler first, then the repository item's.
    void FireValidate(Variant& value, std::string& errorText, bool& error);
    void FireClosePopup(int reason);
    virtual void ValueChangedByUser();
    bool IsReadOnlyNow();
    // Sets and clears the user-change flag around a change the user made.
    void BeginUserChange() { userChange_ = true; }
    void EndUserChange() { userChange_ = false; }
    bool IsUserChange() const { return userChange_; }

    // ---- buttons ----
    int ButtonAtPoint(TPoint p) const;
    int DefaultButtonIndex() const;
    virtual void ClickDefaultButton();
    virtual void FireButtonClick(int index);
    bool IsClickKey(std::uint16_t key, TShiftState shift) const;
    // The clear key, or the click key with a default button: text kinds leave these to the editor.
    bool IsClearOrClickKey(std::uint16_t key, TShiftState shift) const;
    // Hands a key nobody used to the container's key handler (a grid moves between cells).
    void FireKeyEvent(std::uint16_t& key, TShiftState shift);

    // ---- hooks of editor kinds ----
    virtual bool IsEditingKey(std::uint16_t, TShiftState) const { return false; }
    virtual bool IsEditingChar(char32_t) const { return false; }
    virtual bool IsValueChangeAllowed();
    virtual bool CanEditNow() const { return true; }
    virtual std::string ReadDisplayText() { return {}; }
    virtual void ShowDisplayValue(const Variant&) {}
    virtual void ShowEditValue() {}
    virtual void ApplyDisplayValue(const Variant&) {}
    virtual void StoreDisplayValue(const Variant& value);
    virtual void SelectAllText() {}
    virtual void RefreshDisplayText() {}
    virtual bool ShowsInnerEdit() const { return false; }
    virtual bool KeepsNavigationKeys() const { return false; }
    virtual bool ReloadsValueOnExit() const { return true; }
    virtual void ButtonPressed(int) {}
    virtual void ButtonReleased(int) {}
    virtual void HandleTabOut(TShiftState) {}
    // Whether Tab comes to the editor instead of moving the focus (in place the grid decides about it).
    virtual bool WantsTabKey() const { return inplace_; }
    virtual void RepositoryItemChanging() {}
    virtual void RepositoryItemChanged() {}
    virtual bool IsCharAccepted(char32_t ch);
    virtual bool PaintsOwnButtons(HDC) { return false; }
    virtual bool AlwaysTransparent() const { return false; }
    // Check boxes answer true: their clicks count while a form loads.
    virtual bool ClickableWhileLoading() const { return false; }
    virtual void CopyToClipboard() {}
    virtual void CutToClipboard() {}
    virtual void PasteFromClipboard() {}
    virtual void ClearSelectionAsUser() {}

    TcxEditEditingEvent OnEditing;
    // Stored with the form for designers; the editor never fires it.
    TNotifyEvent PropertiesEvents;
    TcxEditContainerKeyEvent ContainerKeyHandler;
    TNotifyEvent ContainerPostHandler;

  protected:
    // ---- the cycle's steps ----
    virtual void StoreEditValue(const Variant& value);
    virtual void EnterEditor();
    void FinishOnExit(bool fireExit);
    // Stores valid input where no exit notice comes: a modal form closing with a result, or the only
    // control of a form losing the application's activation.
    virtual void CheckInputOnFocusChange();
    virtual void ReportInvalidInput(const std::string& errorText);
    virtual void BeginValuePosting() { posting_ = true; }
    virtual void EndValuePosting() { posting_ = false; }
    virtual void FireChange();
    virtual void FireEditValueChanged();
    void FireInplacePost();
    bool MayProcessKey(std::uint16_t key, TShiftState shift);
    bool FilterKeyPress(char32_t& ch);
    virtual void ProcessEditKeyDown(std::uint16_t& key, TShiftState shift);
    virtual void ProcessEditKeyPress(char32_t& ch) { FilterKeyPress(ch); }
    virtual void ProcessEditKeyUp(std::uint16_t&, TShiftState) {}
    // Passes a message of the hooked inner control on to its own window procedure.
    virtual void CallInnerWindowProc(TMessage& m);
    void SetInnerEdit(IcxCustomInnerEdit* innerEdit);
    // Data-aware kinds install their own binding (and so their provider) from their constructor.
    void ReplaceDataBinding(std::unique_ptr<TcxEditDataBinding> binding);
    // A field-bound editor painted into a copy shows its source's value, not its inner control.
    bool PaintsThroughProvider() const;
    virtual void PaintValueStatically();
    void Paint() override;
    IcxCustomInnerEdit* GetInnerEdit() const { return innerEdit_; }
    // Set by the key-down of an Escape that reverted the value: its character will be dropped.
    bool IsEscapeConsumed() const { return escapeConsumed_; }

    // ---- looks ----
    TcxCustomEditViewData* CreateEditViewData();
    virtual void FillViewDataFromEdit(TcxCustomEditViewData* viewData);
    void ComputeViewInfo(TPoint p, bool allowHot) override;
    bool UpdateStateFromMouse(TPoint p, int buttonCode, TShiftState shift, bool isMouseEvent) override;
    virtual void TrackButtonPresses(const TcxCustomEditViewInfo* previous);
    TcxContainerStyleClass GetStyleClass() const override;
    TcxContainerViewInfoClass GetViewInfoClass() const override;
    TcxContainerStyleValues GetHiddenStyleValues() const override { return 15360; }
    bool ShowsParentBackground() const override { return AlwaysTransparent() || IsTransparent(); }
    bool HandlesTabKey() const override { return false; }
    void PlaceInnerControl() override;
    // Moves the inner control to the view info's client rectangle.
    virtual void PlaceInnerEdit();
    bool CanResize(int& newWidth, int& newHeight) override;
    // The auto-size rule: the measured value replaces the sizes the alignment leaves free.
    void ApplyAutoSize(int& width, int& height);
    TRect GetBorderExtent() const override;

    // ---- the class library's notifications ----
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Click() override;
    // Over a button the second click of a double click is replayed as a press and a click.
    void DblClick() override;
    // Alt+letter clicks the first enabled button whose caption has that accelerator.
    void CMDialogChar(TMessage& m) override;
    void Dispatch(TMessage& m) override;
    void WndProc(TMessage& m) override;

  private:
    static void Count(int& count, bool lock) {
        if (lock)
            ++count;
        else if (count > 0)
            --count;
    }
    void InstallPropertiesHandler();
    void ForwardMouseDownToChild(TMouseButton button, int x, int y);
    bool IsLoadingOrDestroying() const { return HasState(csLoading) || HasState(csDestroying) || IsDestroying(); }

    bool inplace_;
    std::unique_ptr<TcxCustomEditProperties> properties_;
    TcxEditChangeEventsCatcher catcher_{this};
    std::unique_ptr<TcxEditDataBinding> dataBinding_;
    IcxCustomInnerEdit* innerEdit_ = nullptr;
    TcxEditRepositoryItem* repositoryItem_ = nullptr;
    TcxCustomEditData* editData_ = nullptr;
    std::unique_ptr<TcxTimer> activationTimer_;
    TWeakLink<TWinControl> hookedInner_;
    std::function<void(TMessage&)> innerWindowProc_;
    bool activatedInplace_ = false;
    Variant editValue_ = Variant::Null();
    Variant valueOnEntry_;
    TcxEditContentParams inplaceParams_;
    std::vector<std::pair<bool, bool>> savedModifiedFlags_;
    int loadLockCount_ = 0;
    int valueLockCount_ = 0;
    int pressedButton_ = -1;
    bool requestingEdit_ = false;
    bool inputValidated_ = false;
    bool validating_ = false;
    bool escapeConsumed_ = false;
    bool posting_ = false;
    bool userChange_ = false;
    bool modified_ = false;
    bool changedSinceEnter_ = false;
    bool focusing_ = false;
    bool focusedAndActive_ = false;
    bool parentPending_ = true;
    bool autoSize_ = false;
    bool shaping_ = false;
    bool transparent_ = false;
};

// Holds an editor's change events for a scope. At its end they are released, the pending ones fired
// when fireOnRelease is set, unless the editor was freed meanwhile (a handler may free it).
class TcxEditChangeEventsHold {
  public:
    TcxEditChangeEventsHold(TcxCustomEdit* edit, bool fireOnRelease) : edit_(edit), fireOnRelease_(fireOnRelease) {
        edit->HoldChangeEvents(true, fireOnRelease);
    }
    ~TcxEditChangeEventsHold() {
        if (edit_) edit_->HoldChangeEvents(false, fireOnRelease_);
    }
    TcxEditChangeEventsHold(const TcxEditChangeEventsHold&) = delete;
    TcxEditChangeEventsHold& operator=(const TcxEditChangeEventsHold&) = delete;

  private:
    TWeakLink<TcxCustomEdit> edit_;
    bool fireOnRelease_;
};

// What a grid keeps per column for the in-place editor between activations; made through its class
// (the editor's GetEditDataClass) with the editor as owner.
class TcxCustomEditData : public TObject {
    ZORVY_CLASS(TcxCustomEditData, TObject)
  public:
    using TCreateOwner = TcxCustomEdit;
    explicit TcxCustomEditData(TcxCustomEdit* edit);
    // Marks the data cleared; the editor it is attached to re-initialises it at once.
    void Clear();
    TcxCustomEdit* GetEdit() const { return edit_.Get(); }
    bool Cleared = false;

  private:
    TWeakLink<TcxCustomEdit> edit_;
};

} // namespace zorvy
