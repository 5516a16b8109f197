#pragma once
// TcxCustomEditViewData: how one editor looks for a properties object, an edit style and a rectangle,
// without an editor control. It fills a TcxCustomEditViewInfo (border, client and content rectangles,
// colours, state, one button view info per visible button) and measures the size an editor needs.
// A stand-alone editor keeps one; a grid keeps one per column and fills a view info per cell.
#include "controls/editors/framework/EditTypes.h"
#include "controls/foundation/containers/ContainerViewInfo.h"
#include "platform/rtl/Variant.h"
#include "platform/classlib/Controls.h"

#include <functional>
#include <string>

namespace zorvy {

class TcxContainer;
class TcxCustomEditProperties;
class TcxCustomEditStyle;
class TcxCustomEditViewData;
class TcxCustomEditViewInfo;
class TcxEditButtonViewInfo;
class TcxLookAndFeel;

using TcxEditDefaultButtonWidthEvent = std::function<void(TcxCustomEditViewData* sender, int buttonIndex, int& width)>;
using TcxEditDisplayTextEvent = std::function<void(TcxCustomEditViewData* sender, std::string& text)>;

// Content margins and paddings an in-place editor hands on to its view data.
struct TcxEditContentParams {
    TRect ExternalBorderBounds{};
    TRect Offsets{}; // the content margins: left, top, right, bottom
    int Options = 2;
    int ExtraHorzSpace = 0;
    int HeightCorrection = 0;
};

class TcxCustomEditViewData : public TPersistent {
    ZORVY_CLASS(TcxCustomEditViewData, TPersistent)
  public:
    TcxCustomEditViewData(TcxCustomEditProperties* properties, TcxCustomEditStyle* style, bool isInplace);

    // ---- filling and measuring ----
    // mouseButton: 0 none, 1 left, 2 right, 3 middle; only the button and double-click flags of
    // shift count.
    virtual void FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton, TShiftState shift,
                              TcxCustomEditViewInfo* viewInfo, bool isMouseEvent);
    void FillCommonViewInfo(TcxCustomEditViewInfo* viewInfo);
    virtual void LayoutButtons(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton, TShiftState shift,
                               TcxCustomEditViewInfo* viewInfo, bool isMouseEvent);
    virtual void LayoutButton(TcxCanvas* canvas, TcxCustomEditViewInfo* viewInfo, TRect& r, int index);
    virtual void FillButtonInfo(TcxCanvas* canvas, TcxCustomEditViewInfo* viewInfo, TRect& r, int index);
    virtual void FillEditorViewInfo(const Variant&, TcxCustomEditViewInfo*) {}
    void MeasureEditorSize(TcxCanvas* canvas, const Variant& value, const TcxEditSizeProperties& limits,
                           TcxCustomEditViewInfo* viewInfo, TSize& size);
    void ValueToDisplayText(const Variant& value, std::string& text);
    virtual void TakeOverProperties();

    // ---- geometry and looks ----
    virtual TRect GetBorderExtent();
    virtual TRect GetClientExtent(TcxCanvas* canvas);
    virtual TRect GetContentExtent(TcxCanvas* canvas, TcxCustomEditViewInfo* viewInfo);
    virtual TcxEditBorderStyle GetEffectiveBorderStyle();
    virtual TColor GetBorderColor();
    virtual bool HasShadow();
    virtual bool IsThemedLookAndFeel(TcxLookAndFeel* lookAndFeel) const;
    virtual TRect GetContentMargins() const;
    virtual void ApplyContentMargins(TcxEditContentParams& params);
    virtual TSize GetContentPadding() const;
    TcxEditButtonStyle EffectiveButtonStyle();
    TcxEditButtonStyle FallbackButtonStyle();
    virtual TcxContainerStateFlags ComputeContainerState(TcxCanvas* canvas, TPoint p, int mouseButton,
                                                         TShiftState shift, bool isMouseEvent);
    int ComputePaintOptions() const;

    // ---- hooks of editor kinds ----
    virtual void UpdateButtonNativeState(TcxEditButtonViewInfo* button);
    virtual bool ButtonCanTrackMouse(TcxCustomEditViewInfo*, int) { return true; }
    virtual bool IsButtonHeldDown(TcxCustomEditViewInfo*, int) { return false; }
    virtual void InitDefaults();
    virtual void EditValueToText(const Variant&, std::string& text) { text.clear(); }
    virtual void MeasureFrameSize(TcxCanvas* canvas, const TcxEditSizeProperties& limits, TSize& overflow,
                                  TcxCustomEditViewInfo* viewInfo, TSize& frame);
    virtual void MeasureOverflowSize(TcxCanvas* canvas, bool isInplace, const TcxEditSizeProperties& limits,
                                     TSize& overflow, TcxCustomEditViewInfo* viewInfo, TSize& frame);
    virtual void MeasureContentSize(TcxCanvas* canvas, const Variant& value, const TcxEditSizeProperties& limits,
                                    TSize& size);
    virtual void GetExtraContentSize(TcxCanvas*, const Variant&, const TcxEditSizeProperties&, TSize& size) {
        size = {0, 0};
    }

    TcxCustomEditStyle* GetEditStyle() const { return style_; }
    void SetEditStyle(TcxCustomEditStyle* style) { style_ = style; }
    TcxCustomEditProperties* GetProperties() const { return properties_; }
    bool IsInplace() const { return isInplace_; }
    int GetCaptureButtonIndex() const { return CaptureButtonIndex; }
    TcxContainerStateFlags GetContainerState() const { return containerState_; }

    // ---- set by the owner before each computation ----
    TcxContainer* Edit = nullptr; // the attached editor, nil for grid cells and measuring
    HWND WindowHandle = 0;
    TRect InplaceBorderExtent{};
    bool Enabled = true;
    bool Focused = false;
    bool Designing = false;
    bool Selected = false;
    int PaintOptions = 0;
    TControl* HScrollBar = nullptr;
    TControl* VScrollBar = nullptr;
    TControl* InnerEditControl = nullptr;
    int CaptureButtonIndex = -1;
    bool NoText = false; // the value paints no text (the third flag of MakeViewData)
    bool EraseBackground = false; // the editor wants its background erased when invalidated
    TColor ContentColorOverride = clDefault;
    TColor TextColorOverride = clDefault;
    TcxEditContentParams ContentParams;
    TcxEditDefaultButtonWidthEvent DefaultButtonWidthHandler;
    TcxEditDisplayTextEvent DisplayTextHandler;

  protected:
    TcxCustomEditStyle* CurrentStyle() const;
    bool IsThemed() const { return themed_; }
    int VisibleButtonCount() const { return visibleButtonCount_; }

  private:
    void CommonStateStep(TcxCanvas* canvas, TPoint p, int mouseButton, TShiftState shift,
                         TcxCustomEditViewInfo* viewInfo, bool isMouseEvent);
    void PlaceButtons(TcxCanvas* canvas, TcxCustomEditViewInfo* viewInfo);
    void StretchButtons(TcxCustomEditViewInfo* viewInfo, const TRect& working, int extra);
    void ComputeButtonStates(TcxCustomEditViewInfo* viewInfo, TPoint p, int mouseButton, TShiftState shift,
                             bool isMouseEvent, int previousPressed);
    void ResolveColors(TcxCustomEditViewInfo* viewInfo);

    TcxCustomEditProperties* properties_;
    TcxCustomEditStyle* style_;
    TcxCustomEditStyle* currentStyle_ = nullptr; // the editor's style of its state while filling
    bool isInplace_;
    bool themed_ = false;
    bool displayFormattingOff_ = false;
    bool fillWidth_ = false;
    bool active_ = false;
    int visibleButtonCount_ = 0;
    TRect bounds_{};
    TcxContainerStateFlags containerState_ = 0;
    TAlignment horzAlignment_ = taLeftJustify;
    int vertAlignment_ = 0;
    int leftLeftmost_ = -1, leftRightmost_ = -1, rightLeftmost_ = -1, rightRightmost_ = -1;
};

} // namespace zorvy
