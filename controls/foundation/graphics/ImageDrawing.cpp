// PaintImageToDC and the image-list copy operations.
#include "controls/foundation/graphics/ImageDrawing.h"

#include "controls/foundation/graphics/ColorBlend.h"
#include "platform/gdi/Drawing.h"

#include <algorithm>

namespace zorvy {

void TcxImageList::CopyImageBitmaps(TCustomImageList* imageList, int index, TBitmap* mask, TBitmap* image) {
    if (!imageList || index < -1 || index >= imageList->GetCount() || imageList->GetCount() == 0) return;
    const int w = imageList->GetWidth(), h = imageList->GetHeight();
    const int first = index < 0 ? 0 : index, count = index < 0 ? imageList->GetCount() : 1;
    for (TBitmap* target : {image, mask})
        if (target) {
            target->SetPixelFormat(pf32bit);
            target->SetSize(w * count, h);
        }
    uint32_t* imagePixels = image ? image->ScanLine(0) : nullptr;
    uint32_t* maskPixels = mask ? mask->ScanLine(0) : nullptr;
    const int stride = w * count;
    for (int k = 0; k < count; ++k) {
        const std::vector<uint32_t>* pixels = imageList->GetImagePixels(first + k);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const uint32_t p = (*pixels)[size_t(y) * size_t(w) + size_t(x)];
                const size_t at = size_t(y) * size_t(stride) + size_t(k * w + x);
                if (imagePixels) imagePixels[at] = p;
                if (maskPixels) maskPixels[at] = (p >> 24) == 0 ? 0xFFFFFFu : 0u;
            }
    }
}

int TcxImageList::BitsPerPixel(TCustomImageList* imageList) {
    return imageList ? 32 : 0;
}

namespace {

constexpr uint32_t destAndPatternAndNotSource = 0x00200F09;

// The image's silhouette in color, offset right and down on its transparent area; then the image moves
// up and left by half the offset.
void DrawImageShadow(TcxBitmap* image, TcxBitmap* mask, int offset, TColor color) {
    const int w = image->GetWidth(), h = image->GetHeight();
    TcxBitmap shadow(w, h);
    shadow.CopyBitmap(mask);
    HDC dc = shadow.GetCanvas()->GetHandle();
    HBRUSH brush = CreateSolidBrush(ColorToRGB(color));
    HGDIOBJ old = SelectObject(dc, static_cast<HGDIOBJ>(brush));
    BitBlt(dc, offset, offset, w, h, mask->GetCanvas()->GetHandle(), 0, 0, destAndPatternAndNotSource);
    SelectObject(dc, old);
    DeleteObject(brush);
    shadow.ApplyPixelOperation(poOpaqueWhereZero);
    // OR the shadow in on all 32 bits (the drawing layer's raster operations would clear the alpha).
    TRGBColors pixels, shadowPixels;
    ReadBitmapPixels(image, true, pixels);
    ReadBitmapPixels(&shadow, true, shadowPixels);
    for (int y = offset; y < h; ++y)
        for (int x = offset; x < w; ++x)
            pixels[size_t(y) * size_t(w) + size_t(x)] |= shadowPixels[size_t(y) * size_t(w) + size_t(x)];
    const int shift = offset / 2;
    TRGBColors moved(pixels.size(), 0u);
    for (int y = 0; y + shift < h; ++y)
        for (int x = 0; x + shift < w; ++x)
            moved[size_t(y) * size_t(w) + size_t(x)] =
                pixels[size_t(y + shift) * size_t(w) + size_t(x + shift)];
    WriteBitmapPixels(image, shift == 0 ? pixels : moved, true);
}

} // namespace

void PaintImageToDC(HDC dc, const TRect& imageRect, const TRect& destRect, TBitmap* glyph,
                    TCustomImageList* imageList, int imageIndex, TcxImageDrawState drawState, bool stretch,
                    HBRUSH backgroundBrush, TColor transparentColor, bool useGlyphTransparentColor) {
    const bool hasGlyph = HasGlyph(glyph);
    if (!hasGlyph && !HasListImage(imageList, imageIndex)) return;
    if (IsRectEmpty(destRect)) return;
    TcxBitmap* composition = ScratchCompositionBitmap(destRect.Width(), destRect.Height());
    HDC compositionDC = composition->GetCanvas()->GetHandle();
    if (backgroundBrush)
        FillRect(compositionDC, composition->GetBoundsRect(), backgroundBrush);
    else
        BitBlt(compositionDC, 0, 0, destRect.Width(), destRect.Height(), dc, destRect.Left, destRect.Top,
               SRCCOPY);
    TRect relative = imageRect;
    OffsetRect(relative, -destRect.Left, -destRect.Top);

    const int w = hasGlyph ? glyph->GetWidth() : imageList->GetWidth();
    const int h = hasGlyph ? glyph->GetHeight() : imageList->GetHeight();
    TcxBitmap* image = ScratchImageBitmap(w, h);
    TcxBitmap* mask = ScratchMaskBitmap(w, h);
    if (hasGlyph) {
        image->ClearPixels();
        image->CopyBitmap(glyph);
    } else {
        TcxImageList::CopyImageBitmaps(imageList, imageIndex, nullptr, image);
    }
    const bool thirtyTwoBit =
        hasGlyph ? (glyph->GetPixelFormat() == pf32bit || glyph->GetPixelFormat() == pfDevice)
                 : TcxImageList::BitsPerPixel(imageList) >= 32;
    const bool ownAlpha = thirtyTwoBit && image->HasAlpha();
    if (!ownAlpha) image->ApplyPixelOperation(poMakeOpaque);

    mask->CopyBitmap(image);
    if (!ownAlpha) {
        if (!hasGlyph) {
            TcxBitmap listMask(w, h);
            TcxImageList::CopyImageBitmaps(imageList, imageIndex, &listMask, nullptr);
            listMask.ApplyPixelOperation(poOpaqueWhereZero);
            mask->MaskOut(&listMask);
        }
        if (transparentColor != clNone) AddTransparentColor(mask->TransparentColors(), transparentColor);
        if (useGlyphTransparentColor && hasGlyph)
            AddTransparentColor(mask->TransparentColors(), glyph->GetTransparentColor());
    }
    mask->ApplyPixelOperation(poMakeMask);
    image->MaskOut(mask);

    uint8_t alpha = 255;
    switch (drawState) {
    case ImageDrawNormal:
        break;
    case ImageDrawDisabled:
        if (ownAlpha) {
            image->ApplyPixelOperation(poDisableAlpha);
            alpha = 151;
        } else {
            image->ApplyPixelOperation(poDisable);
            DrawImageShadow(image, mask, 1, clBtnHighlight);
        }
        break;
    case ImageDrawDimmed:
        image->ApplyPixelOperation(poLuminanceGrey);
        alpha = 64;
        break;
    case ImageDrawGrey:
        image->ApplyPixelOperation(poAverageGrey);
        break;
    case ImageDrawWashed:
        image->ApplyPixelOperation(poLighten);
        break;
    case ImageDrawShadowed:
        DrawImageShadow(image, mask, 2, clBtnShadow);
        break;
    }
    image->AlphaDrawTo(composition, relative, stretch, alpha);
    BitBlt(dc, destRect.Left, destRect.Top, destRect.Width(), destRect.Height(),
           composition->GetCanvas()->GetHandle(), 0, 0, SRCCOPY);
}

} // namespace zorvy
