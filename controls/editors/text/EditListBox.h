#pragma once
// TcxCustomEditListBox: the borderless, hot-tracking list a text editor's lookup items drop down in.
// It holds only as many empty lines as there are items and asks its lookup data for each item's text
// when it draws or measures one; the selection follows the pointer and every change of it is
// announced to the lookup data.
#include "controls/foundation/containers/InnerListBox.h"

#include <string>

namespace zorvy {

class TcxCustomTextEdit;
class TcxCustomTextEditLookupData;

class TcxCustomEditListBox : public TcxCustomInnerListBox {
    ZORVY_CLASS(TcxCustomEditListBox, TcxCustomInnerListBox)
  public:
    explicit TcxCustomEditListBox(TComponent* owner);

    bool HotTrack = true;
    // Fired after a click and after every change of the selected line.
    TNotifyEvent OnSelectItem;

    // The lookup data whose items the list shows (set when it prepares the list).
    void SetLookupData(TcxCustomTextEditLookupData* data) { lookupData_ = data; }
    TcxCustomTextEditLookupData* GetLookupData() const { return lookupData_; }
    TcxCustomTextEdit* GetOwnerEdit() const;

    // Whether a descendant drew the item itself.
    virtual bool DrawItemCustom(int /*index*/, const TRect& /*rect*/, TOwnerDrawState /*state*/) { return false; }
    // The text of an item: the lookup data's, or the list's own line without lookup data.
    virtual std::string GetItemText(int index) const;
    virtual void UpdateItemMetrics() {}
    virtual int MeasureRowsHeight(int rows);
    // The height of "Wg" in the list's font, for every index.
    virtual int GetItemHeight(int index);
    // The width of the item's text in the list's font.
    virtual int GetItemWidth(int index);

    // Appends empty lines or deletes lines from the end until there are count.
    void SetItemCount(int count);
    // The list has a window and it is visible.
    bool IsVisible() const;
    void SetItemIndex(int index) override;

  protected:
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& m) override;
    void Click() override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
    bool DrawsFocusRect() const override;
    void MouseMove(TShiftState shift, int x, int y) override;
    // The select notice: the own bars follow, then the lookup data hears of it.
    void NotifySelected();
    // Selects a line as the pointer does, past descendants' handling of SetItemIndex.
    void SelectLine(int index);

  private:
    TcxCustomTextEditLookupData* lookupData_ = nullptr;
};

} // namespace zorvy
