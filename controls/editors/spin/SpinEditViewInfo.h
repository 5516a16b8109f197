#pragma once
// The spin editor's look: the view data lays the two or four spin buttons out beside the text
// (stacked, side by side on the right, or down left and up right) and keeps the button held by the
// keyboard pressed; the view info draws their arrows.
#include "controls/editors/text/TextEditViewInfo.h"
#include "controls/editors/spin/SpinEditProperties.h"

namespace zorvy {

class TcxSpinEditViewInfo : public TcxCustomTextEditViewInfo {
    ZORVY_CLASS(TcxSpinEditViewInfo, TcxCustomTextEditViewInfo)
  public:
    // Arrows point by position and index: stacked 0 down, 1 up; side by side 0 left, 1 right; the fast
    // buttons 2 left and 3 right, doubled.
    void DrawButtonContent(TcxCanvas* canvas, int index, const TRect& contentRect, TColor penColor,
                           TColor fillColor, bool pressed) override;
    void AssignFrom(TcxContainerViewInfo* source) override;
    // The arrow direction of a spin button.
    TcxArrowDir ArrowDirection(int spinButton) const;

    int ArrowExtent = 0; // the height of one arrow
    TcxSpinEditButtonsPosition SpinButtonsPosition = sbpVert;
    TPoint SeparatorLine[2]{}; // between the buttons in the native look; zero for none
};

class TcxSpinEditViewData : public TcxCustomTextEditViewData {
    ZORVY_CLASS(TcxSpinEditViewData, TcxCustomTextEditViewData)
  public:
    using TcxCustomTextEditViewData::TcxCustomTextEditViewData;

    // Lays every button out at once; r stays as it was.
    void LayoutButton(TcxCanvas* canvas, TcxCustomEditViewInfo* viewInfo, TRect& r, int index) override;
    // Only while no button is held by the keyboard does the mouse press or hover one.
    bool ButtonCanTrackMouse(TcxCustomEditViewInfo* viewInfo, int index) override;
    bool IsButtonHeldDown(TcxCustomEditViewInfo* viewInfo, int index) override;

    // Set by the editor: 0, or the button held by the keyboard + 1.
    int SpinState = 0;
};

} // namespace zorvy
