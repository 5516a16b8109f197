#pragma once
// TAABlend: puts a coverage mask on a canvas, blending a colour or the pixels of a foreground picture
// (gradient, noise, texture) over what lies below, in integer arithmetic.
#include "controls/textfx/AAMask.h"
#include "platform/classlib/Bitmap.h"

namespace zorvy {

class EInvalidForeBmp : public Exception {
  public:
    EInvalidForeBmp() : Exception("Invalid foreground bitmap!") {}
};

class TAABlend : public TPersistent {
    ZORVY_CLASS(TAABlend, TPersistent)
  public:
    explicit TAABlend(TAAFont* font = nullptr);
    // Copies the foreground.
    void Assign(TPersistent* source) override;

    // alpha 0..100. A solid canvas brush fills the box first; any other brush keeps the canvas pixels.
    void BlendColor(int x, int y, const TAAMask& mask, int alpha, TColor color);
    // As BlendColor with each pixel's target from Foreground, which must be the mask's size and 24-bit
    // (EInvalidForeBmp otherwise).
    void BlendForeground(int x, int y, const TAAMask& mask, int alpha);

    TBitmap* Foreground() { return &foreground_; }
    TAAFont* AAFont;

  private:
    template <class Target> void Blend(int x, int y, const TAAMask& mask, int alpha, Target target);
    TBitmap foreground_;
    TBitmap work_;
};

} // namespace zorvy
