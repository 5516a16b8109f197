#pragma once
// TImage: a windowless control that shows a picture, at its own size, centred, or stretched (keeping
// its proportions when asked).
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Controls.h"

#include <memory>

namespace zorvy {

class TImage : public TGraphicControl {
    ZORVY_CLASS(TImage, TGraphicControl)
  public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    // Changes to the picture repaint the control (and resize it to the picture when AutoSize holds).
    TPicture* GetPicture() { return picture_.get(); }
    bool GetCenter() const { return center_; }
    void SetCenter(bool value);
    bool GetStretch() const { return stretch_; }
    void SetStretch(bool value);
    bool GetProportional() const { return proportional_; }
    void SetProportional(bool value);
    // Where the picture lands inside the control.
    TRect DestRect() const;

  protected:
    void Paint() override;
    bool CanAutoSize(int& newWidth, int& newHeight) override;

  private:
    void PictureChanged();
    std::unique_ptr<TPicture> picture_;
    bool center_ = false;
    bool stretch_ = false;
    bool proportional_ = false;
};

} // namespace zorvy
