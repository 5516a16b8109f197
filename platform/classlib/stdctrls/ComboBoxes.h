#pragma once
// TComboBox: a one-line field with a button that drops its list down as a popup window. The
// drop-down style has an edit to type in; the drop-down-list style shows the chosen item only. The
// list opens with the button, F4 or Alt+Down, and is chosen from with the mouse or the arrows and
// Enter (Esc closes it unchanged); the arrows also step through the items while it is closed.
// OnChange follows the user's changes only, never a change made in code.
#include "platform/rtl/StringList.h"
#include "platform/classlib/Controls.h"

#include <memory>

namespace zorvy {

class TCustomEdit;

enum TComboBoxStyle { csDropDown, csDropDownList };

class TCustomComboBox : public TCustomControl {
    ZORVY_CLASS(TCustomComboBox, TCustomControl)
  public:
    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;

    TStringList* GetItems() { return items_.get(); }
    // The chosen item; -1 for none (a typed text that is no item).
    int GetItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    TComboBoxStyle GetStyle() const { return style_; }
    void SetStyle(TComboBoxStyle value);
    // Rows the open list shows before it scrolls.
    int DropDownCount = 8;
    bool GetSorted() const { return items_->GetSorted(); }
    void SetSorted(bool value) { items_->SetSorted(value); }
    // Characters the user may type (drop-down style); 0: no limit.
    int GetMaxLength() const { return maxLength_; }
    void SetMaxLength(int value);

    bool GetDroppedDown() const { return droppedDown_; }
    // Opens the list and runs it until an item is chosen or it is closed.
    void DropDown();
    // The list's row height and where it opens (screen coordinates).
    int GetItemHeight() const;
    TRect DropDownRect() const;
    TRect ButtonRect() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

    void Dispatch(TMessage& message) override;

  protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void AlignControls(TControl* control, TRect& rect) override;
    std::string GetTextValue() const override;
    void SetTextValue(const std::string& text) override;
    // The user chose item index (from the list or with the arrows).
    void UserSelect(int index);

  private:
    void ItemsChanged();
    void UpdateEdit();
    std::unique_ptr<TStringList> items_;
    TCustomEdit* edit_ = nullptr; // drop-down style only
    TComboBoxStyle style_ = csDropDown;
    int itemIndex_ = -1;
    int maxLength_ = 0;
    bool droppedDown_ = false;
    bool settingText_ = false; // a change made in code: no OnChange
};

class TComboBox : public TCustomComboBox {
    ZORVY_CLASS(TComboBox, TCustomComboBox)
  public:
    using TCustomComboBox::TCustomComboBox;
};

} // namespace zorvy
