#pragma once
// TButtonGroup: a column (full-size) or a flow of drawn buttons, one per item. A click runs the
// item's OnClick and then the group's; with the group style the clicked item stays down as ItemIndex.
// The arrow keys move the focus between the buttons, Space and Enter click the focused one.
#include "platform/classlib/Controls.h"
#include "platform/classlib/ImageList.h"

#include <memory>
#include <vector>

namespace zorvy {

class TButtonGroup;

class TGrpButtonItem {
  public:
    std::string Caption;
    std::string Hint;
    int ImageIndex = -1;
    TNotifyEvent OnClick;
};

enum TGrpButtonOption : unsigned { gboAllowReorder = 1, gboFullSize = 2, gboGroupStyle = 4, gboShowCaptions = 8 };
using TGrpButtonOptions = unsigned;
using TGrpButtonEvent = std::function<void(TObject* sender, int index)>;

class TButtonGroup : public TCustomControl {
    ZORVY_CLASS(TButtonGroup, TCustomControl)
  public:
    explicit TButtonGroup(TComponent* owner);
    ~TButtonGroup() override;

    // Items: add them, then change their fields and call ItemsChanged().
    TGrpButtonItem* AddItem(const std::string& caption);
    int GetItemCount() const { return static_cast<int>(items_.size()); }
    TGrpButtonItem* GetItem(int index) const; // EListError on a bad index
    void ItemsChanged();

    TGrpButtonOptions GetButtonOptions() const { return options_; }
    void SetButtonOptions(TGrpButtonOptions value);
    int GetButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int value);
    int GetButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int value);
    TCustomImageList* GetImages() const { return images_; }
    void SetImages(TCustomImageList* images);
    // The item that stays down with the group style; -1 for none.
    int GetItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int GetFocusIndex() const { return focusIndex_; }

    TRect ButtonRect(int index) const;
    int IndexOfButtonAt(TPoint client) const;
    // Clicks item index as the mouse does.
    void ClickItem(int index);

    TGrpButtonEvent OnButtonClicked;

  protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Dispatch(TMessage& message) override;

  private:
    std::vector<std::unique_ptr<TGrpButtonItem>> items_;
    TGrpButtonOptions options_ = gboShowCaptions;
    int buttonWidth_ = 24;
    int buttonHeight_ = 24;
    TCustomImageList* images_ = nullptr;
    int itemIndex_ = -1;
    int focusIndex_ = -1;
    int pressed_ = -1; // the button the left mouse button went down on
    int hot_ = -1;
};

} // namespace zorvy
