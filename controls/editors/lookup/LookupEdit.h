#pragma once
// The lookup editor's layer that knows no data source: its edit value is a key, its text the text a
// list row shows for that key in the display column. TcxCustomLookupEditProperties declares the list
// operations a concrete lookup editor answers (the lookup combo box from its grid); the lookup data
// turns typing, stepping and the drop-down list into keys; TcxCustomLookupEdit ties both to the
// combo box. Keys here are record indexes; the data-bound layer makes them key field values.
#include "controls/editors/popup/ComboBox.h"

#include <string>

namespace zorvy {

class TcxCustomDataController;
class TcxCustomLookupEdit;
class TcxCustomLookupGrid;
class TcxLookAndFeel;
class TFont;

using TcxLookupListCloseUpHandler = std::function<void(TObject* sender, bool accept)>;

class TcxCustomLookupEditProperties : public TcxCustomComboBoxProperties {
    ZORVY_CLASS(TcxCustomLookupEditProperties, TcxCustomComboBoxProperties)
  public:
    // No popup size of its own, a fixed edit list, neither auto-sized nor sizeable.
    explicit TcxCustomLookupEditProperties(TPersistent* owner);
    // Inside one change batch: the combo box's settings, the display column (unless a lookup field
    // defines it) and incremental filtering.
    void Assign(TPersistent* source) override;

    bool GetIncrementalFiltering() const { return incrementalFiltering_; }
    void SetIncrementalFiltering(bool value) { incrementalFiltering_ = value; }
    // The display column, published as ListFieldIndex.
    virtual int GetDisplayColumnIndex() const { return displayColumnIndex_; }
    // Clamped to the columns (at least 0); a new value notifies.
    virtual void SetDisplayColumnIndex(int index);
    // The display column when it exists, else the last column (-1 without columns).
    int GetEffectiveDisplayColumnIndex() const;
    // A stored index beyond the columns moves to the last column.
    void CheckDisplayColumnIndex();

    // ---- the list: what a concrete lookup editor answers ----
    virtual TWinControl* GetListControl() const;
    virtual bool CanFitListHeight() const { return true; }
    virtual int GetListColumnCount() const { return 0; }
    virtual TcxCustomLookupGrid* GetListGrid() const { return nullptr; }
    virtual TcxCustomDataController* GetListDataController() const { return nullptr; }
    virtual int GetListWidth() const { return 0; }
    virtual int FitListHeight(int height) { return height; }
    virtual int GetListHeightForRows(int /*rows*/) { return 0; }
    virtual bool IsListPointOnRow(TPoint /*clientPoint*/) { return false; }
    // The list's close-up handler; an empty one detaches it.
    virtual void SetListHandlers(const TcxLookupListCloseUpHandler& /*closeUp*/) {}
    virtual void PrepareListAppearance(TcxLookAndFeel* /*master*/, TColor /*color*/, TFont* /*font*/) {}
    virtual void RememberListCursorPos() {}
    virtual void MakeListFocusedRowVisible() {}
    virtual void ReleaseListCapture() {}
    // The list grid leaves its parent (an editor's popup).
    void DetachList();

    // ---- keys and texts ----
    // The first record whose text in the column is the text (partial: starts with it), -1 when none.
    virtual int FindByText(int columnIndex, const std::string& text, bool partial);
    // The text of the key's row in the display column; empty when there is none.
    virtual std::string GetDisplayText(const Variant& key);
    virtual bool UsesIncrementalFiltering() const { return incrementalFiltering_; }
    // The key of "no row".
    virtual Variant GetEmptyKey() const { return Variant::Null(); }
    // The typed text is the value itself (no key behind it).
    virtual bool IsTextTheValue() const { return false; }
    virtual bool IsBoundToLookupField() const { return false; }
    bool IsDefinedByLookupField() const { return IsBoundToLookupField(); }

    // ---- list data changes: notified to the editors unless locked ----
    void SubscribeToListData();
    void UnsubscribeFromListData();
    bool IsLocked() const { return lockCount_ != 0; }
    void Lock() { ++lockCount_; }
    void Unlock() { --lockCount_; }
    bool IsListDataChangeLocked() const;
    bool IsListDataChanging() const { return listDataChanging_; }
    virtual void LockListDataChanged();
    virtual void UnlockListDataChanged();

    // ---- the editor kind ----
    int GetFormatFlags() const override { return 0; }
    bool HasUnfocusedDisplayForm() const override { return false; }
    int GetCapabilities() const override;
    bool IsValidEditValue(const Variant&, bool) const override { return true; }
    // The key's display text; the value itself when the text is the value or when a lookup field
    // gives the text of a cell that is not edited.
    void ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) override;
    bool UsesDefaultFormatting(bool) const override { return IsTextTheValue(); }
    bool IsInLookupItems(const std::string& text) const override;
    const TMetaClass* GetLookupDataClass() const override;
    // Page Up, Page Down, Up and Down unless Alt is held; Home and End with Ctrl.
    bool IsNavigationKey(std::uint16_t key, TShiftState shift) const override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;

  protected:
    // The handler registered with the list data controller.
    virtual void ListDataChanged(TObject* sender);

  private:
    int displayColumnIndex_ = 0;
    int lockCount_ = 0;
    bool listDataChanging_ = false;
    bool incrementalFiltering_ = true;
};

// The link of one lookup editor with its properties' list: the current key, typing, stepping, and
// opening and closing the list.
class TcxCustomLookupEditLookupData : public TcxCustomTextEditLookupData {
    ZORVY_CLASS(TcxCustomLookupEditLookupData, TcxCustomTextEditLookupData)
  public:
    explicit TcxCustomLookupEditLookupData(TPersistent* owner);

    TcxCustomLookupEditProperties* LookupProperties() const;
    TcxCustomDataController* ListData() const;
    bool IsListOpen() const { return listOpen_; }

    const Variant& GetCurrentKey() const { return currentKey_; }
    // Stores the key and focuses its row in the list.
    void SetCurrentKey(const Variant& key);
    std::string GetDisplayTextOfKey(const Variant& key) const;
    // Focuses the first row whose whole text in the display column is the text and makes its key
    // current; false when none.
    bool LocateText(const std::string& text);
    void OpenList();
    void CloseList();
    // The grid's close-up: the editor closes its popup, taking the row only when accepted.
    void ListCloseUp(TObject* sender, bool accept);
    // The focused row is the one selected row.
    bool IsFocusedRowSelected() const;
    // Fits the open list's height to its remaining rows.
    void AdjustOpenListHeight();
    void ResetIncrementalFilter();

    // ---- the text editor's lookup data ----
    int GetItemCount() const override { return 0; }
    bool IsEmpty() const override;
    bool ContainsText(const std::string& text) const override;
    bool FindCompletion(std::string& text, std::string& tail, bool startAfterCurrent, bool syncMode) override;
    void SetCurrentKeyValue(const Variant& value) override { SetCurrentKey(value); }
    Variant GetCurrentKeyValue() const override { return currentKey_; }
    void StepItem(TcxEditLookupDirection direction, bool wrap) override;
    void SyncWithEditText() override;
    void PrepareListBox(TWinControl* parent) override;
    void UpdateListCount() override {}
    TSize MeasureList(int maxHeight, int widthLimit) override;
    bool AdjustListSize(TSize& size, int maxHeight) override;
    void SetListBounds(const TRect& r) override;
    void CloseUp() override { CloseList(); }
    void CommitListSelection() override { TakeSelection(); }
    bool IsScreenPointInList(TPoint screenPoint) const override;

  protected:
    // The key of a list record: the record index here.
    virtual void SetCurrentKeyFromRecord(int recordIndex);
    // Focuses the current key's row.
    virtual void LocateCurrentKey();
    void TakeSelection();
    // The key without moving the list (its row is already focused).
    void StoreCurrentKey(const Variant& key) { currentKey_ = key; }
    void SyncListToCurrentKey();
    void SyncListToText();
    TcxCustomLookupEdit* LookupEdit() const;
    void SetFocusedRowSelected(bool value) const;

  private:
    // The properties' lock, released also on errors.
    struct Locked {
        explicit Locked(TcxCustomLookupEditProperties* p) : p_(p) {
            if (p_) p_->Lock();
        }
        ~Locked() {
            if (p_) p_->Unlock();
        }
        TcxCustomLookupEditProperties* p_;
    };

    bool listOpen_ = false;
    Variant currentKey_ = Variant::Null();
};

class TcxCustomLookupEdit : public TcxCustomComboBox {
    ZORVY_CLASS(TcxCustomLookupEdit, TcxCustomComboBox)
  public:
    explicit TcxCustomLookupEdit(TComponent* owner) : TcxCustomLookupEdit(owner, false) {}
    TcxCustomLookupEdit(TComponent* owner, bool inplace,
                        const TMetaClass* propertiesClass = TcxCustomLookupEditProperties::StaticClass());
    // The properties' list leaves this editor's popup, which would free it with its children.
    ~TcxCustomLookupEdit() override;

    TcxCustomLookupEditProperties* GetLookupProperties() const {
        return static_cast<TcxCustomLookupEditProperties*>(GetEffectiveProperties());
    }
    TcxCustomLookupEditLookupData* GetLookupEditData() const {
        return static_cast<TcxCustomLookupEditLookupData*>(GetLookupData());
    }
    // A typed text as a key: the current key while the text is its text, else the key of the first
    // row with that text, else the empty key.
    Variant TextToEditValue(const Variant& displayValue);

    Variant GetTypedValue() override;
    void ApplyDisplayValue(const Variant& value) override;
    void ShowEditValue() override;
    void DropDown() override;
    TWinControl* GetPopupControl() override;
    // The open popup follows the list's height again (unless the user sized it).
    void RefitOpenList();

  protected:
    void TakeLookupSelection() override;
    void EnterEditor() override;
    void BeginValuePosting() override;
    void EndValuePosting() override;
    void RepositoryItemChanging() override;
    void PopupShown() override;
};

} // namespace zorvy
