#pragma once
// The list of the file dialogs (not part of the API): names with an optional folder mark, one or many
// selected, scrolled with the window's own vertical bar, the keys and the wheel.
#include "platform/classlib/Controls.h"

#include <vector>

namespace zorvy {

class TPathList : public TCustomControl {
    ZORVY_CLASS(TPathList, TCustomControl)
  public:
    explicit TPathList(TComponent* owner);

    void SetItems(std::vector<std::string> items, bool folders);
    const std::vector<std::string>& GetItems() const { return items_; }
    int GetCount() const { return static_cast<int>(items_.size()); }
    bool MultiSelect = false;
    // The item with the caret (-1 for none); setting it selects it alone.
    int GetItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    bool GetSelected(int index) const;
    std::vector<int> SelectedIndexes() const;
    int GetItemHeight() const;
    int GetTopIndex() const { return topIndex_; }
    void SetTopIndex(int index);
    int ItemAtPos(TPoint client) const; // -1 below the last item

    // The selection changed by the user.
    TNotifyEvent OnChange;

  protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void Dispatch(TMessage& message) override;

  private:
    void Select(int index, TShiftState shift);
    void UpdateScrollBar();
    int VisibleCount() const;
    std::vector<std::string> items_;
    std::vector<bool> selected_;
    bool folders_ = false;
    int itemIndex_ = -1;
    int anchor_ = -1;
    int topIndex_ = 0;
};

} // namespace zorvy
