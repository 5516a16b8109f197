#pragma once
// The group box's layout and painting: where the caption goes, where the frame runs (through the
// middle of the caption) and where the children go, and the frame in the classic and native looks.
#include "controls/editors/text/TextEditViewInfo.h"

namespace zorvy {

class TcxCustomGroupBox;

class TcxGroupBoxViewInfo : public TcxCustomTextEditViewInfo {
    ZORVY_CLASS(TcxGroupBoxViewInfo, TcxCustomTextEditViewInfo)
  public:
    void PaintFrameAndBackground(TcxCanvas* canvas) override;
    void ShiftBy(int dx, int dy) override;

    TRect CaptionRect{};
    int CaptionPosition = 0; // top 0, bottom 1, left 2, right 3, centre 4
    int CaptionHeight = 0;   // h: the height of "Qq" in the caption font
    bool Ctl3D = true;
    TcxCustomGroupBox* Box = nullptr;

  private:
    void PaintClassicFrame(TcxCanvas* canvas);
    void PaintNativeFrame(TcxCanvas* canvas);
    void PaintCaption(TcxCanvas* canvas);
};

class TcxGroupBoxViewData : public TcxCustomEditViewData {
    ZORVY_CLASS(TcxGroupBoxViewData, TcxCustomEditViewData)
  public:
    using TcxCustomEditViewData::TcxCustomEditViewData;

    TcxContainerStateFlags ComputeContainerState(TcxCanvas* canvas, TPoint p, int mouseButton, TShiftState shift,
                                                 bool isMouseEvent) override;
    void FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton, TShiftState shift,
                      TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) override;
    TColor GetBorderColor() override;
    TRect GetBorderExtent() override;
    TRect GetContentExtent(TcxCanvas* canvas, TcxCustomEditViewInfo* viewInfo) override;
    bool IsThemedLookAndFeel(TcxLookAndFeel* lookAndFeel) const override;
    // Empty for an empty caption; in control coordinates.
    TRect CalcCaptionRect(TcxCanvas* canvas, const TRect& bounds);

  private:
    TcxCustomGroupBox* Box() const;
    // h: the text height of "Qq" in the caption font.
    int CaptionTextHeight() const;
    // The caption side's extent replaced by value (none for a centred caption).
    TRect WithCaptionSide(TRect extent, int value) const;
};

} // namespace zorvy
