#pragma once
// TcxCustomTextEditLookupData: a text editor's link with its lookup items: the current item (the
// key), the line a shown list has selected, the incremental search, the stepping through items, and
// the drop-down list (TcxCustomEditListBox) the drop-down editors show the items in.
#include "controls/foundation/classes/Classes.h"
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Variant.h"

#include <string>

namespace zorvy {

class TcxCustomEditListBox;
class TcxCustomTextEdit;
class TcxCustomTextEditProperties;
class TWinControl;

enum TcxEditLookupDirection { eldFirst, eldLast, eldNext, eldPrevious, eldPageUp, eldPageDown };

class TcxCustomTextEditLookupData : public TcxInterfacedPersistent {
    ZORVY_CLASS(TcxCustomTextEditLookupData, TcxInterfacedPersistent)
  public:
    explicit TcxCustomTextEditLookupData(TPersistent* owner);

    virtual std::string GetItemText(int index) const;
    virtual int GetItemCount() const;
    virtual bool IsEmpty() const { return GetItemCount() == 0; }
    // The item text for a key in range, else empty.
    std::string GetDisplayText(int key) const;
    // The first item equal to text (letter case aside); -1 when none.
    int IndexOfText(const std::string& text) const;
    virtual bool ContainsText(const std::string& text) const { return IndexOfText(text) >= 0; }
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
    virtual void SetCurrentKeyValue(const Variant& value);
    // The key as a value: the item index here, the key of a list record for lookup editors.
    virtual Variant GetCurrentKeyValue() const { return Variant(currentKey_); }
    // Through a shown list only the list's selection moves (unless ImmediateUpdateText); otherwise the
    // current item, and with it the editor's text.
    virtual void StepItem(TcxEditLookupDirection direction, bool wrap);
    // The current item follows the editor's text.
    virtual void SyncWithEditText();

    // ---- the drop-down list ----
    // The class of the list; nil when the items are never shown in one.
    virtual const TMetaClass* GetListBoxClass() const { return nullptr; }
    TcxCustomEditListBox* GetList() const { return list_.Get(); }
    // Makes the list (owned by parent) on first use and fills it from the items and the editor.
    virtual void PrepareListBox(TWinControl* parent);
    // The list's select notice: the item index follows the list's selection.
    virtual void TakeListItemIndex();
    virtual void UpdateListCount();
    void RefreshList() { UpdateListCount(); }
    // Fits a proposed list size (maxHeight 0: no limit); false refuses it.
    virtual bool AdjustListSize(TSize& size, int maxHeight);
    // The list's size for opening within maxHeight and widthLimit; (0, 0) here.
    virtual TSize MeasureList(int maxHeight, int widthLimit);
    virtual void BeforeDropDown() {}
    virtual void AfterDropDown() {}
    virtual void SetListBounds(const TRect& r);
    // The list's selection goes back to the current item.
    virtual void CloseUp() { SetItemIndex(currentKey_); }
    // The list's selected line becomes the current item; choosing the current item again still
    // reaches the editor.
    virtual void CommitListSelection();
    virtual bool IsScreenPointInList(TPoint screenPoint) const;

    TNotifyEvent OnCurrentKeyChanged;
    TNotifyEvent OnSelectItem;

  protected:
    TcxCustomTextEdit* Edit() const;
    const TcxCustomTextEditProperties* Properties() const;
    // The current key after a search found nothing.
    void ApplyNoMatchRule(const std::string& text, bool syncMode);

    void FireSelectItem();

  private:
    int currentKey_ = -1;
    int itemIndex_ = -1;
    TWeakLink<TcxCustomEditListBox> list_;
};

} // namespace zorvy
