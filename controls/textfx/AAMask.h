#pragma once
// TAAMask: the 8-bit coverage mask of one line of text. The text is drawn white on black at a multiple
// of its size with hard-edged glyphs and averaged down, which is what smooths the edges; the mask can
// then be outlined, sprayed, mirrored and blurred in place. TAABlend (AABlend.h) puts it on a canvas.
#include "platform/classlib/Canvas.h"
#include "platform/rtl/Exceptions.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zorvy {

class EInvalidLine : public Exception {
  public:
    EInvalidLine() : Exception("Invalid line!") {}
};

enum class TAAQuality : std::uint8_t { aqHigh, aqNormal, aqLow, aqNone };
using enum TAAQuality;

// The supersampling factor of a quality: 4, 3, 2 and 1.
int QualityScale(TAAQuality quality);

class TAAFont;

class TAAMask : public TPersistent {
    ZORVY_CLASS(TAAMask, TPersistent)
  public:
    explicit TAAMask(TAAFont* font = nullptr) : AAFont(font) {}
    void Assign(TPersistent* source) override;

    // Quality and scale
    TAAQuality GetQuality() const { return quality_; }
    void SetQuality(TAAQuality quality);
    int GetScale() const { return scale_; }

    // Size and lines
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    int GetStride() const { return stride_; }
    // The bytes of one line, line 0 at the top; EInvalidLine outside the mask.
    std::uint8_t* ScanLine(int line);
    const std::uint8_t* ScanLine(int line) const;
    // Makes an empty (all-background) mask of the size.
    void SetSize(int width, int height);

    // Rendering: the size the text takes and, for a rotated font, where its origin lies in that box.
    TSize TextExtent(const std::string& text, TPoint& offset) const;
    // Measures text and renders it with its top-left at (0, 0) into a mask of exactly that size.
    void DrawText(const std::string& text);

    // Transforms, in place
    void Outline();
    void Blur(int amount);  // 0..100
    void Spray(int amount); // 0..100
    void HorzMirror();
    void VertMirror();

    TAAFont* AAFont;

  private:
    LOGFONT ScaledFont() const;
    void Reduce(const std::vector<std::uint32_t>& work, int workWidth);

    TAAQuality quality_ = aqNormal;
    int scale_ = 3;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    std::vector<std::uint8_t> bytes_; // stride_ x height_, top line first
};

// Uniform 0..k-1 (0 for k <= 0), the source of noise and spray.
int AARandom(int k);

} // namespace zorvy
