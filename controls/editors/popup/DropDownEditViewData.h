#pragma once
// TcxCustomDropDownEditViewData: a drop-down editor's look. The drop-down button stays pressed while
// the popup is open (when its properties ask for it) and ignores the press that closed the popup; a
// focused list-only editor shows its text on a selection bar.
#include "controls/editors/text/TextEditViewInfo.h"

namespace zorvy {

class TcxCustomDropDownEditViewData : public TcxCustomTextEditViewData {
    ZORVY_CLASS(TcxCustomDropDownEditViewData, TcxCustomTextEditViewData)
  public:
    using TcxCustomTextEditViewData::TcxCustomTextEditViewData;

    // Set by the editor when it fills its view data.
    bool PopupOpen = false;
    bool HotWhileOpen = false;

    void FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton, TShiftState shift,
                      TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) override;
    bool ButtonCanTrackMouse(TcxCustomEditViewInfo* viewInfo, int index) override;
    bool IsButtonHeldDown(TcxCustomEditViewInfo* viewInfo, int index) override;

  protected:
    // Whether the view info's button index is the drop-down button.
    bool IsDropDownButton(TcxCustomEditViewInfo* viewInfo, int index) const;
};

} // namespace zorvy
