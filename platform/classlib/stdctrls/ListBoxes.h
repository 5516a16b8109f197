#pragma once
// TListBox: a list of texts made of the system's LISTBOX window class, with one or many items
// selected, sorting, owner drawing, virtual items (their count set, their texts asked of OnData) and
// the look-ups by point; typing finds an item by its beginning (AutoComplete). TFileListBox: a list
// box of the files of a folder that match a mask. Items live in the window once it exists and in the
// control before.
#include "platform/rtl/StringList.h"
#include "platform/classlib/Controls.h"
#include "platform/win/OwnerDraw.h"

#include <memory>

namespace zorvy {

class TCustomListBox;

// The items of a list box, read and written through its window.
class TListBoxStrings : public TStrings {
    ZORVY_CLASS(TListBoxStrings, TStrings)
  public:
    explicit TListBoxStrings(TCustomListBox* box) : box_(box) {}
    int GetCount() const override;
    std::string Get(int index) const override;
    void Put(int index, const std::string& text) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    void Clear() override;
    void Delete(int index) override;
    void Insert(int index, const std::string& text) override;
    int Add(const std::string& text) override;

  private:
    TCustomListBox* box_;
};

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };
enum TOwnerDrawStateFlag : unsigned { odSelected = 1, odDisabled = 4, odFocused = 16 };
using TOwnerDrawState = unsigned;
using TDrawItemEvent = std::function<void(TWinControl* control, int index, const TRect& rect, TOwnerDrawState state)>;
using TMeasureItemEvent = std::function<void(TWinControl* control, int index, int& height)>;
using TLBGetDataEvent = std::function<void(TWinControl* control, int index, std::string& data)>;
using TLBFindDataEvent = std::function<int(TWinControl* control, const std::string& findString)>;

class TCustomListBox : public TWinControl {
    ZORVY_CLASS(TCustomListBox, TWinControl)
  public:
    explicit TCustomListBox(TComponent* owner);
    ~TCustomListBox() override;

    TStrings* GetItems() { return items_.get(); }
    int GetCount() const { return items_->GetCount(); }
    // The number of items of a virtual list box; EInvalidOperation for the other styles.
    void SetCount(int count);
    // The selected item (with MultiSelect, the focused one); -1 for none.
    int GetItemIndex() const;
    // Descendants may refuse or follow a change of the chosen item.
    virtual void SetItemIndex(int index);
    bool GetSelected(int index) const; // EListError on a bad index
    void SetSelected(int index, bool value);
    int GetSelCount() const;
    void ClearSelection();
    void SelectAll();

    bool GetMultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool value);
    // With MultiSelect: Shift and Ctrl extend the selection (else every click toggles an item).
    bool GetExtendedSelect() const { return extendedSelect_; }
    void SetExtendedSelect(bool value);
    bool GetSorted() const { return sorted_; }
    void SetSorted(bool value);
    TListBoxStyle GetStyle() const { return style_; }
    void SetStyle(TListBoxStyle value);
    int GetItemHeight() const;
    void SetItemHeight(int value);
    int GetTopIndex() const;
    void SetTopIndex(int index);
    // The item at a client point; -1 when there is none there (existing: only a real item counts,
    // else the nearest).
    int ItemAtPos(TPoint p, bool existing) const;
    TRect ItemRect(int index) const;
    void Clear() { items_->Clear(); }
    // Typing finds the first item that begins with the characters typed within AutoCompleteDelay
    // milliseconds of each other (ignoring case).
    bool AutoComplete = true;
    int AutoCompleteDelay = 500;
    bool IsVirtual() const { return style_ == lbVirtual || style_ == lbVirtualOwnerDraw; }

    // The canvas owner drawing paints on.
    TCanvas* GetCanvas() { return canvas_.get(); }
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;
    // The text of a virtual item, and the item a typed text finds among them (-1 for none).
    TLBGetDataEvent OnData;
    TLBFindDataEvent OnDataFind;

    void Dispatch(TMessage& message) override;

  protected:
    friend class TListBoxStrings;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    // A typed character that no key handler took goes to AutoComplete in place of the window's own
    // type-ahead.
    void DefaultHandler(TMessage& message) override;
    // The item a typed prefix finds from the start of the list; -1 for none.
    int FindItemByPrefix(const std::string& prefix) const;
    // The window, without creating it: 0 while there is none.
    HWND Window() const { return handle_; }

    std::unique_ptr<TListBoxStrings> items_;
    TStringList saved_; // the items while there is no window
    std::unique_ptr<TControlCanvas> canvas_;

  private:
    int savedIndex_ = -1;
    int savedTop_ = 0;
    std::vector<int> savedSelection_;
    bool multiSelect_ = false;
    bool extendedSelect_ = true;
    bool sorted_ = false;
    TListBoxStyle style_ = lbStandard;
    int itemHeight_ = 0; // 0: the font's
    int virtualCount_ = 0;
    std::string typed_;          // the characters typed so far for AutoComplete
    std::uint64_t lastTyped_ = 0; // when the last of them came
};

class TListBox : public TCustomListBox {
    ZORVY_CLASS(TListBox, TCustomListBox)
  public:
    using TCustomListBox::TCustomListBox;
};

class TFileListBox : public TCustomListBox {
    ZORVY_CLASS(TFileListBox, TCustomListBox)
  public:
    explicit TFileListBox(TComponent* owner);
    const std::string& GetDirectory() const { return directory_; }
    // Lists the folder's files and makes the folder the program's current folder, so that the names
    // shown (which have no folder) name the files.
    void SetDirectory(const std::string& folder);
    const std::string& GetMask() const { return mask_; }
    void SetMask(const std::string& mask); // "*.ini;*.txt"
    // Lists the folder again.
    void Update() override;
    // The selected file with its folder; empty when none is selected.
    std::string GetFileName() const;

  private:
    std::string directory_;
    std::string mask_ = "*.*";
};

} // namespace zorvy
