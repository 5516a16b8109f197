#pragma once
// PaintImageToDC: a glyph or an image-list image drawn in one of six states (normal, disabled,
// dimmed, grey, washed, shadowed) with transparency and alpha; and the image-list copy operations.
#include "controls/foundation/graphics/PixelBitmap.h"
#include "platform/classlib/ImageList.h"

namespace zorvy {

enum TcxImageDrawState : uint8_t {
    ImageDrawNormal = 0,
    ImageDrawDisabled = 1,
    ImageDrawDimmed = 2,
    ImageDrawGrey = 3,
    ImageDrawWashed = 4,
    ImageDrawShadowed = 5
};

// Draws the glyph (or image imageIndex of imageList when there is no glyph) into imageRect, over
// destRect's background (backgroundBrush when given, else what the context shows). Pixels of the
// transparent colour (clNone: none) and, when asked, of the glyph's own transparent colour are not drawn.
void PaintImageToDC(HDC dc, const TRect& imageRect, const TRect& destRect, TBitmap* glyph,
                    TCustomImageList* imageList, int imageIndex, TcxImageDrawState drawState,
                    bool stretch = false, HBRUSH backgroundBrush = nullptr, TColor transparentColor = clNone,
                    bool useGlyphTransparentColor = false);

// Class operations on image lists (the program never makes an instance).
class TcxImageList : public TDragImageList {
    ZORVY_CLASS(TcxImageList, TDragImageList)
  public:
    using TDragImageList::TDragImageList;
    // Image index (-1: the whole strip) into image with its alpha, and its mask (white where
    // transparent) into mask; either may be nullptr. Nothing for an index the list does not have.
    static void CopyImageBitmaps(TCustomImageList* imageList, int index, TBitmap* mask, TBitmap* image);
    // Bits per pixel of the list's images; 0 for no list.
    static int BitsPerPixel(TCustomImageList* imageList);
};

} // namespace zorvy
