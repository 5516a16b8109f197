#pragma once
// How a combo box looks when closed: a fixed-list combo box (or a grid cell of one) whose OnDrawItem
// is set draws its current item through that handler instead of as text.
#include "controls/editors/popup/DropDownEditViewData.h"
#include "platform/classlib/stdctrls/ListBoxes.h"

namespace zorvy {

// The item is drawn in the closed editor, not in the list.
constexpr TOwnerDrawState odComboBoxEdit = 0x1000;

class TcxCustomComboBoxViewInfo : public TcxCustomTextEditViewInfo {
    ZORVY_CLASS(TcxCustomComboBoxViewInfo, TcxCustomTextEditViewInfo)
  public:
    // The item OnDrawItem draws; -1 draws the text.
    int ItemIndex = -1;
    void PaintText(TcxCanvas* canvas) override;
    virtual void DrawItem(TcxCanvas* canvas, const TRect& rect);
};

class TcxCustomComboBoxViewData : public TcxCustomDropDownEditViewData {
    ZORVY_CLASS(TcxCustomComboBoxViewData, TcxCustomDropDownEditViewData)
  public:
    using TcxCustomDropDownEditViewData::TcxCustomDropDownEditViewData;
    void FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton, TShiftState shift,
                      TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) override;
    void FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) override;
};

} // namespace zorvy
