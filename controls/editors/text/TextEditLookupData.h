#pragma once
// TcxCustomTextEditLookupData: a text editor's link with its lookup items: the current item (the
// key), the item a list would show selected, the incremental search and the stepping through items.
#include "controls/foundation/classes/Classes.h"
#include "platform/rtl/Variant.h"

#include <string>

namespace zorvy {

class TcxCustomTextEdit;
class TcxCustomTextEditProperties;

enum TcxEditLookupDirection { eldFirst, eldLast, eldNext, eldPrevious, eldPageUp, eldPageDown };

class TcxCustomTextEditLookupData : public TcxInterfacedPersistent {
    ZORVY_CLASS(TcxCustomTextEditLookupData, TcxInterfacedPersistent)
  public:
    explicit TcxCustomTextEditLookupData(TPersistent* owner);

    virtual std::string GetItemText(int index) const;
    virtual int GetItemCount() const;
    bool IsEmpty() const { return GetItemCount() == 0; }
    // The item text for a key in range, else empty.
    std::string GetDisplayText(int key) const;
    // The first item equal to text (letter case aside); -1 when none.
    int IndexOfText(const std::string& text) const;
    bool ContainsText(const std::string& text) const { return IndexOfText(text) >= 0; }
    // The first item (after the item index when asked; never wrapping) that starts with text: text
    // takes the item's letter case, tail the rest of it. In sync mode with SyncByWholeText only an
    // equal item counts.
    virtual bool FindCompletion(std::string& text, std::string& tail, bool startAfterCurrent, bool syncMode);
    bool FindCompletionSimple(std::string& text, std::string& tail, bool startAfterCurrent) {
        return FindCompletion(text, tail, startAfterCurrent, false);
    }

    int GetCurrentKey() const { return currentKey_; }
    void SetCurrentKey(int index);
    int GetItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    // A new current key reaches the editor through the select-item handler.
    void SetCurrentKeyValue(const Variant& value);
    Variant GetCurrentKeyValue() const { return Variant(currentKey_); }
    void StepItem(TcxEditLookupDirection direction, bool wrap);
    // The current item follows the editor's text.
    virtual void SyncWithEditText();

    TNotifyEvent OnCurrentKeyChanged;
    TNotifyEvent OnSelectItem;

  protected:
    TcxCustomTextEdit* Edit() const;
    const TcxCustomTextEditProperties* Properties() const;
    // The current key after a search found nothing.
    void ApplyNoMatchRule(const std::string& text, bool syncMode);

  private:
    int currentKey_ = -1;
    int itemIndex_ = -1;
};

} // namespace zorvy
