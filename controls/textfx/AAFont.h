#pragma once
// The renderers: TAAFont draws smoothed text with the font and brush of a canvas it does not own;
// TAAFontEx adds the effects of a TAAEffect (rotation, shadow, outline, spray, mirrors, blur, and a
// texture, gradient or noisy fill). Both do nothing without a canvas.
#include "controls/textfx/AABlend.h"
#include "controls/textfx/AAEffects.h"
#include "controls/textfx/AAMask.h"

#include <memory>
#include <string>

namespace zorvy {

class TAAFont : public TObject {
    ZORVY_CLASS(TAAFont, TObject)
  public:
    explicit TAAFont(TCanvas* canvas);
    ~TAAFont() override;

    // The size DrawText gives the mask.
    virtual TSize TextExtent(const std::string& text);
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }

    TAAQuality GetQuality() const { return Mask.GetQuality(); }
    void SetQuality(TAAQuality quality) { Mask.SetQuality(quality); }

    TCanvas* Canvas;
    TAAMask Mask;
    TAABlend Blend;
};

class TAAFontEx : public TAAFont {
    ZORVY_CLASS(TAAFontEx, TAAFont)
  public:
    explicit TAAFontEx(TCanvas* canvas);

    // Rotation and the shadow's displacement included.
    TSize TextExtent(const std::string& text) override;
    // Draws text with every effect, its box's top-left at (x, y). The canvas font and brush are as
    // before afterwards, also when drawing fails.
    void TextOut(int x, int y, const std::string& text);

    TAAEffect Effect;

  private:
    void BuildGradient(int width, int height);
    void BuildNoisyColour(int width, int height, int noise);
    void AddNoise(int noise);
    void BuildTexture(int width, int height);
};

} // namespace zorvy
