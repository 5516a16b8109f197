#pragma once
// Floating feedback windows of drag and drop: TcxDragImage, a borderless window that shows a bitmap
// following the pointer (blended at alpha 180 where layered windows exist), and TcxDragAndDropArrow,
// a small arrow marking a drop position, made transparent by a magenta colour key or shaped by a
// window region. Neither takes focus or mouse input.
#include "controls/foundation/popup/PopupWindow.h"
#include "platform/classlib/Bitmap.h"

#include <memory>

namespace zorvy {

class TcxCanvas;

class TcxDragImage : public TcxPopupWindow {
    ZORVY_CLASS(TcxDragImage, TcxPopupWindow)
  public:
    TcxDragImage();
    ~TcxDragImage() override;

    bool UsesAlphaBlending() const;
    bool IsShowing() const override;
    void SetShowing(bool value);
    // The canvas to draw the image with; the image is as large as the window.
    TcxCanvas* GetImageCanvas() const { return imageCanvas_.get(); }
    TBitmap* GetImage() const { return image_.get(); }
    // Takes the size of bounds; the hot spot is where in the image the pointer sits.
    void InitializeFrom(const TRect& bounds, TPoint hotSpot);
    TPoint GetHotSpot() const { return hotSpot_; }
    // Places the window so that its hot spot lies at p (screen), creating it when needed.
    void MoveTo(TPoint p);
    void SetBounds(int left, int top, int width, int height) override;

  protected:
    void ShowWithoutActivation();
    void HideWindow();
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void Dispatch(TMessage& m) override;

  private:
    std::unique_ptr<TBitmap> image_;
    std::unique_ptr<TcxCanvas> imageCanvas_;
    TPoint hotSpot_{};
};

class TcxDragAndDropArrow : public TcxDragImage {
    ZORVY_CLASS(TcxDragAndDropArrow, TcxDragImage)
  public:
    explicit TcxDragAndDropArrow(bool transparent);

    bool UsesColorKeyTransparency() const;
    virtual TColor GetTransparentKeyColor() const { return static_cast<TColor>(RGB(255, 0, 255)); }
    // Places: 0 left of the target pointing right, 1 above pointing down, 2 right pointing left,
    // 3 below pointing up. The target is in control's client coordinates (screen without a control).
    void PlaceArrow(TControl* control, const TRect& targetRect, int place, const TRect& clipRect);

  protected:
    void PaintArrowImage();
    void ApplyArrowRegion();

  private:
    bool transparent_;
    int place_ = 0;
};

// The arrow of place in r: a lime polygon outlined in black.
void PaintDragAndDropArrow(TcxCanvas* canvas, const TRect& r, int place);

} // namespace zorvy
