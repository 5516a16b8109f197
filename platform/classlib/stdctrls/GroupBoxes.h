#pragma once
// TGroupBox: an etched frame with a caption on its top line that holds controls; TRadioGroup: a group
// box of radio buttons made from a list of items, laid out in columns, whose ItemIndex is the checked
// one.
#include "platform/rtl/StringList.h"
#include "platform/classlib/Controls.h"

#include <memory>
#include <vector>

namespace zorvy {

class TRadioButton;

class TCustomGroupBox : public TCustomControl {
    ZORVY_CLASS(TCustomGroupBox, TCustomControl)
  public:
    explicit TCustomGroupBox(TComponent* owner);

  protected:
    void Paint() override;
    void AdjustClientRect(TRect& rect) override;
    void CMTextChanged(TMessage& m) override;
    void CMDialogChar(TMessage& m) override;
    // The caption's height, which sets where the frame's top line runs.
    int CaptionHeight() const;
};

class TGroupBox : public TCustomGroupBox {
    ZORVY_CLASS(TGroupBox, TCustomGroupBox)
  public:
    using TCustomGroupBox::TCustomGroupBox;
};

class TRadioGroup : public TCustomGroupBox {
    ZORVY_CLASS(TRadioGroup, TCustomGroupBox)
  public:
    explicit TRadioGroup(TComponent* owner);
    ~TRadioGroup() override;

    // One radio button per item; changing the items rebuilds them.
    TStringList* GetItems() { return items_.get(); }
    int GetItemIndex() const { return itemIndex_; }
    // -1 unchecks all; an index out of range is taken as -1. No click is raised.
    void SetItemIndex(int index);
    int GetColumns() const { return columns_; }
    void SetColumns(int value);
    TRadioButton* GetButton(int index) const; // EListError on a bad index

  protected:
    void AlignControls(TControl* control, TRect& rect) override;
    void Notification(TComponent* component, TOperation operation) override;

  private:
    void ItemsChanged();
    void ButtonClicked(TRadioButton* button);
    std::unique_ptr<TStringList> items_;
    std::vector<TRadioButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool updating_ = false;
};

} // namespace zorvy
