#pragma once
// TToolBar and TToolButton: a strip of buttons with images from an image list and optional captions,
// laid out left to right (wrapping to new rows when Wrapable), with separators, check buttons and
// the flat look that shows a button's border only under the pointer.
#include "platform/classlib/Controls.h"
#include "platform/classlib/ImageList.h"
#include "platform/classlib/stdctrls/ButtonPress.h"

namespace zorvy {

class TToolBar;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
enum class TTBDrawingStyle { dsNormal, dsGradient };

class TToolButton : public TGraphicControl {
    ZORVY_CLASS(TToolButton, TGraphicControl)
  public:
    explicit TToolButton(TComponent* owner);

    TToolButtonStyle GetStyle() const { return style_; }
    void SetStyle(TToolButtonStyle value);
    int GetImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    // A check button stays down after a click until clicked again (or, when Grouped, until another
    // button of its run of grouped check buttons goes down).
    bool GetDown() const { return down_; }
    void SetDown(bool value);
    bool Grouped = false;
    // Starts a new row after this button when the bar wraps.
    bool GetWrap() const { return wrap_; }
    void SetWrap(bool value);
    TToolBar* GetToolBar() const;
    bool MouseInControl() const { return mouseInControl_; }

    void Dispatch(TMessage& message) override;

  protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  private:
    TToolButtonStyle style_ = tbsButton;
    int imageIndex_ = -1;
    bool down_ = false;
    bool wrap_ = false;
    bool mouseInControl_ = false;
    TButtonPress press_;
};

class TToolBar : public TCustomControl {
    ZORVY_CLASS(TToolBar, TCustomControl)
  public:
    explicit TToolBar(TComponent* owner);
    ~TToolBar() override;

    int GetButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int value);
    int GetButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int value);
    TCustomImageList* GetImages() const { return images_; }
    void SetImages(TCustomImageList* images);
    bool GetShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool value);
    bool GetFlat() const { return flat_; }
    void SetFlat(bool value);
    bool GetWrapable() const { return wrapable_; }
    void SetWrapable(bool value);
    // Gradient: the bar's face runs from the highlight colour at the top to the face colour.
    TTBDrawingStyle GetDrawingStyle() const { return drawingStyle_; }
    void SetDrawingStyle(TTBDrawingStyle value);

    int GetButtonCount() const;
    TToolButton* GetButton(int index) const; // EListError on a bad index

  protected:
    void Paint() override;
    void AlignControls(TControl* control, TRect& rect) override;
    void Notification(TComponent* component, TOperation operation) override;

  private:
    int buttonWidth_ = 23;
    int buttonHeight_ = 22;
    TCustomImageList* images_ = nullptr;
    bool showCaptions_ = false;
    bool flat_ = true;
    bool wrapable_ = true;
    TTBDrawingStyle drawingStyle_ = TTBDrawingStyle::dsNormal;
};

} // namespace zorvy
