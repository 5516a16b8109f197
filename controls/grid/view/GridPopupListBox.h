#pragma once
// The list of a grid popup: owner-drawn lines with optional check boxes. Clicking a line that can be
// checked toggles it and keeps the popup open; any other line closes the popup; OnAction follows
// every click. The list sizes itself to its lines, a visible-line limit and its owner's width.
#include "controls/editors/lists/ListBox.h"

#include <functional>
#include <vector>

namespace zorvy {

class TcxCustomGridPopup;
class TcxCustomGridView;
class TcxGridPopupListBox;

using TcxGridIndexes = std::vector<int>;
using TcxGridPopupListBoxActionEvent = std::function<void(TcxGridPopupListBox* sender, int index)>;

// Passes the mouse and the keys of the window list to its popup list box.
class TcxGridPopupInnerListBox : public TcxInnerListBox {
    ZORVY_CLASS(TcxGridPopupInnerListBox, TcxInnerListBox)
  public:
    using TcxInnerListBox::TcxInnerListBox;
    TcxGridPopupListBox* GetPopupListBox() const;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  protected:
    void MouseExited(TControl* control) override;
};

class TcxGridPopupListBox : public TcxListBox {
    ZORVY_CLASS(TcxGridPopupListBox, TcxListBox)
  public:
    using TCreateOwner = TcxCustomGridPopup;
    // The popup is the list's owner and parent.
    explicit TcxGridPopupListBox(TcxCustomGridPopup* popup);

    TcxCustomGridPopup* GetPopup() const { return popup_; }
    TcxCustomGridView* GetGridView() const;
    TcxGridIndexes GetCheckedIndexes() const { return checkedIndexes_; }
    void SetCheckedIndexes(const TcxGridIndexes& value);
    bool IsChecked(int index) const;
    // Repaints the line only when its check changed.
    void SetChecked(int index, bool value);
    int GetPressedIndex() const { return pressedIndex_; }
    void SetPressedIndex(int value);
    bool GetShowChecks() const { return showChecks_; }
    // A new value clears the checks.
    void SetShowChecks(bool value);
    int LeftTextOffset = 2;
    int RightTextOffset = 2;
    int VerticalTextOffset = 0;
    // Lines shown at most (0: all) and widest width in pixels (0: unlimited).
    int VisibleLineLimit = 0;
    int MaxWidth = 0;
    TcxGridPopupListBoxActionEvent OnAction;

    void InvalidateItem(int index);
    int GetCheckAreaWidth() const;
    int GetCheckAreaHeight() const;
    bool CanCheckItem(int index);

    bool DoDrawItem(TcxCanvas* canvas, int index, TOwnerDrawState state, const TRect& rect) override;
    virtual int CalculateItemHeight();
    virtual void ItemClicked(int index);
    virtual void DrawCheck(TcxCanvas* canvas, int index, TOwnerDrawState state, const TRect& r);
    virtual void DrawText(TcxCanvas* canvas, int index, TOwnerDrawState state, const TRect& r);
    virtual int GetVisibleItemCount(TStrings* items);
    virtual void InitStyle();
    virtual bool HasCheck(int) { return showChecks_; }
    virtual void ToggleCheck(int index) { SetChecked(index, !IsChecked(index)); }
    virtual bool IsItemCheckable(int) { return false; }
    // Sizes the list to items (nil: its own lines).
    using TcxListBox::AdjustSize;
    virtual void AdjustSize(TStrings* items);

  private:
    TcxCustomGridPopup* popup_;
    TcxGridIndexes checkedIndexes_;
    int pressedIndex_ = -1;
    bool showChecks_ = false;
};

} // namespace zorvy
