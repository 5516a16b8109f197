#pragma once
// The MRU edit: a combo box whose list holds the most recently used texts. Every committed text moves
// to the top of the list (a new one is inserted there), the list is cut to MaxItemCount, and a second,
// ellipsis button reports its own clicks.
#include "controls/editors/popup/ComboBox.h"

#include <functional>
#include <string>

namespace zorvy {

class TcxCustomMRUEditProperties;
// An item is about to be dropped by the length limit.
using TcxMRUEditDeleteLookupItemEvent = std::function<void(TcxCustomMRUEditProperties* properties, int itemIndex)>;

class TcxCustomMRUEditProperties : public TcxCustomComboBoxProperties {
    ZORVY_CLASS(TcxCustomMRUEditProperties, TcxCustomComboBoxProperties)
  public:
    // The combo box's settings, plus the ellipsis button (1, the default button) beside the
    // drop-down button (0).
    explicit TcxCustomMRUEditProperties(TPersistent* owner);
    void Assign(TPersistent* source) override;
    // An in-place working copy carries the list.
    void ShareStateWith(TcxCustomEditProperties* other) override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;

    // 0: no limit; negative values count as 0. A new limit trims the list at once.
    int GetMaxItemCount() const { return maxItemCount_; }
    void SetMaxItemCount(int value);
    bool GetShowEllipsis() const { return showEllipsis_; }
    void SetShowEllipsis(bool value);
    // Drops the last items, each announced by OnDeleteLookupItem, until at most MaxItemCount remain.
    void TrimToMaxCount();
    TcxMRUEditDeleteLookupItemEvent OnDeleteLookupItem;

  private:
    int maxItemCount_ = 0;
    bool showEllipsis_ = true;
};

class TcxMRUEditProperties : public TcxCustomMRUEditProperties {
    ZORVY_CLASS(TcxMRUEditProperties, TcxCustomMRUEditProperties)
  public:
    using TcxCustomMRUEditProperties::TcxCustomMRUEditProperties;
};

class TcxCustomMRUEdit : public TcxCustomComboBox {
    ZORVY_CLASS(TcxCustomMRUEdit, TcxCustomComboBox)
  public:
    explicit TcxCustomMRUEdit(TComponent* owner) : TcxCustomMRUEdit(owner, false) {}
    TcxCustomMRUEdit(TComponent* owner, bool inplace,
                     const TMetaClass* propertiesClass = TcxMRUEditProperties::StaticClass())
        : TcxCustomComboBox(owner, inplace, propertiesClass) {}
    TcxCustomMRUEditProperties* GetMRUProperties() const {
        return static_cast<TcxCustomMRUEditProperties*>(GetEffectiveProperties());
    }
    // Puts text at the top of the list: moved there when present (letter case aside), else inserted
    // after OnNewLookupDisplayText and the list trimmed. An empty text does nothing.
    virtual void AddItem(const std::string& text);
    // Only the ellipsis button reports its clicks; the drop-down button opens the list.
    void FireButtonClick(int index) override;
    // The current text joins the list before it is stored.
    void StoreDisplayValue(const Variant& value) override;

  protected:
    // Enter adds the text, unless it picks a row of the open list (which adds that row).
    void ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) override;
    // A row taken from the list joins the top, except while keys step the closed editor.
    void TakeLookupSelection() override;
};

class TcxMRUEdit : public TcxCustomMRUEdit {
    ZORVY_CLASS(TcxMRUEdit, TcxCustomMRUEdit)
  public:
    explicit TcxMRUEdit(TComponent* owner) : TcxMRUEdit(owner, false) {}
    TcxMRUEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass = TcxMRUEditProperties::StaticClass());
    TcxMRUEditProperties* GetProperties() const {
        return static_cast<TcxMRUEditProperties*>(TcxCustomEdit::GetProperties());
    }
    void SetProperties(TcxMRUEditProperties* value) { GetProperties()->Assign(value); }
};

// Registers the kind with the text editors' filter helper (once however often it is called); the
// last finalisation removes the pair.
void InitializeMRUEditUnit();
void FinalizeMRUEditUnit();

} // namespace zorvy
