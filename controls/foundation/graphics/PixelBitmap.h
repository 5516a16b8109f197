#pragma once
// TcxBitmap, a 32-bit bitmap with whole-image pixel access and per-pixel operations, and the
// routines that read and write the pixels of any bitmap. Pixels are 32-bit values with blue in the
// low byte and alpha in the top byte; arrays run bottom-up unless a routine says top-down.
#include "platform/classlib/Bitmap.h"

#include <cstdint>
#include <vector>

namespace zorvy {

using TRGBColors = std::vector<uint32_t>;
// 24-bit colours in pixel byte order (blue in the low byte).
using TcxColorList = std::vector<uint32_t>;

// Operations of TcxBitmap::ApplyPixelOperation.
enum TcxPixelOperation : int {
    poLighten = 0,        // 30 % of the way to white
    poDisable = 1,        // grey, then a wash of the button shadow colour
    poAverageGrey = 2,    // (R + G + B) / 3
    poMakeOpaque = 3,     // alpha 255
    poMakeMask = 4,       // transparent -> white, else 0
    poLuminanceGrey = 5,  // 0.299 R + 0.587 G + 0.114 B
    poDisableAlpha = 6,   // the disabled grey of images with their own alpha
    poOpaqueWhereZero = 7 // alpha 255 where it is 0
};

class TcxBitmap : public TBitmap {
    ZORVY_CLASS(TcxBitmap, TBitmap)
  public:
    TcxBitmap() : TcxBitmap(0, 0) {}
    // A black bitmap (every pixel 0) of the size.
    TcxBitmap(int width, int height);
    static TcxBitmap* CreateForRect(const TRect& r) { return new TcxBitmap(r.Width(), r.Height()); }

    TRect GetBoundsRect() const { return Rect(0, 0, GetWidth(), GetHeight()); }
    void ClearPixels();
    void ReadPixels(TRGBColors& pixels);
    void WritePixels(const TRGBColors& pixels);
    // A block transfer of this bitmap's size from source's (0, 0).
    void CopyBitmap(TBitmap* source, uint32_t rop = SRCCOPY);
    // Clears every pixel where mask is white.
    void MaskOut(TBitmap* mask);
    bool HasAlpha();
    void ApplyPixelOperation(TcxPixelOperation operation);
    void AlphaDrawTo(TBitmap* dest, const TRect& destRect, bool stretch, uint8_t alpha = 255);

    // A pixel is transparent when it is 0 or its colour is in the list.
    TcxColorList& TransparentColors() { return transparentColors_; }
    bool IsTransparentPixel(uint32_t pixel) const;

  private:
    TcxColorList transparentColors_;
};

void AddTransparentColor(TcxColorList& list, TColor color);
TBitmap* NewBitmapOfSize(int width, int height, TPixelFormat format = pf32bit);
TBitmap* NewBitmapForRect(const TRect& r, TPixelFormat format = pf32bit);
// Resizes bitmap (emptying its transparent colours), or creates it.
void ReuseScratchBitmap(TcxBitmap*& bitmap, int width, int height);
TcxBitmap* ScratchCompositionBitmap(int width, int height);
TcxBitmap* ScratchImageBitmap(int width, int height);
TcxBitmap* ScratchMaskBitmap(int width, int height);
void FinalizeScratchBitmaps();

// Width x height pixels of any bitmap.
void ReadBitmapPixels(TBitmap* bitmap, bool topDown, TRGBColors& pixels);
// Writes the pixels (their count must match the bitmap's size) and empties the array.
void WriteBitmapPixels(TBitmap* bitmap, TRGBColors& pixels, bool topDown);
bool HasGlyph(const TBitmap* bitmap);
class TCustomImageList;
bool HasListImage(const TCustomImageList* imageList, int index);
bool BlitToRect(HDC destDC, HDC srcDC, const TRect& destRect, TPoint srcTopLeft, uint32_t rop = SRCCOPY);

} // namespace zorvy
