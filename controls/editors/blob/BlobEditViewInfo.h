#pragma once
// The blob editor's box: the state icon of its kind (empty or filled) centred in the client area, or
// its text on one line; the drop-down button beside it.
#include "controls/editors/popup/DropDownEditViewData.h"

namespace zorvy {

// Icon indexes 0 to 7: raw data, memo, picture and OLE, each empty then filled.
constexpr int BlobIconWidth = 18;
constexpr int BlobIconHeight = 16;
void PaintBlobIcon(TcxCanvas* canvas, TPoint topLeft, int index, bool enabled);

class TcxBlobEditViewInfo : public TcxCustomTextEditViewInfo {
    ZORVY_CLASS(TcxBlobEditViewInfo, TcxCustomTextEditViewInfo)
  public:
    void PaintFrameAndBackground(TcxCanvas* canvas) override;
    bool NeedsHintInRect(TcxCanvas*, TPoint, const TRect&, std::string& hintText) override {
        hintText.clear();
        return false;
    }
    void ShiftBy(int dx, int dy) override;
    TRect IconRect{};
    int IconIndex = -1; // -1: the text is shown
};

class TcxBlobEditViewData : public TcxCustomDropDownEditViewData {
    ZORVY_CLASS(TcxBlobEditViewData, TcxCustomDropDownEditViewData)
  public:
    using TcxCustomDropDownEditViewData::TcxCustomDropDownEditViewData;
    void FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton, TShiftState shift,
                      TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) override;
    // The icon or the text of a value.
    void FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) override;
    void EditValueToText(const Variant& value, std::string& text) override;
    // An icon takes its width beside the buttons.
    void MeasureOverflowSize(TcxCanvas* canvas, bool isInplace, const TcxEditSizeProperties& limits,
                             TSize& overflow, TcxCustomEditViewInfo* viewInfo, TSize& frame) override;
};

} // namespace zorvy
