// TcxBitmap, pixel operations, scratch bitmaps and pixel transfer routines.
#include "controls/foundation/graphics/PixelBitmap.h"

#include "controls/foundation/graphics/ColorBlend.h"
#include "platform/rtl/Numbers.h"
#include "platform/classlib/ImageList.h"

#include <algorithm>
#include <cmath>

namespace zorvy {

namespace {

// The bitmap's pixels, top-down and contiguous; nullptr for an empty bitmap. Taking them lets the
// bitmap's drawing context go, so nothing draws into them meanwhile.
uint32_t* PixelsOf(TBitmap* bitmap) {
    return bitmap && !bitmap->Empty() ? bitmap->ScanLine(0) : nullptr;
}

size_t PixelCount(const TBitmap* bitmap) {
    return size_t(bitmap->GetWidth()) * size_t(bitmap->GetHeight());
}

uint8_t Channel(uint32_t pixel, int shift) {
    return uint8_t(pixel >> shift);
}

uint32_t MakePixel(int b, int g, int r, int a) {
    return uint32_t(b) | uint32_t(g) << 8 | uint32_t(r) << 16 | uint32_t(a) << 24;
}

uint8_t RoundByte(double v) {
    return uint8_t(std::clamp<int64_t>(Round(v), 0, 255));
}

} // namespace

TcxBitmap::TcxBitmap(int width, int height) {
    SetPixelFormat(pf32bit);
    SetSize(width, height);
    ClearPixels();
}

void TcxBitmap::ClearPixels() {
    if (uint32_t* p = PixelsOf(this)) std::fill_n(p, PixelCount(this), 0u);
}

void TcxBitmap::ReadPixels(TRGBColors& pixels) {
    ReadBitmapPixels(this, false, pixels);
}

void TcxBitmap::WritePixels(const TRGBColors& pixels) {
    TRGBColors copy = pixels;
    WriteBitmapPixels(this, copy, false);
}

void TcxBitmap::CopyBitmap(TBitmap* source, uint32_t rop) {
    if (!source || Empty() || source->Empty()) return;
    BitBlt(GetCanvas()->GetHandle(), 0, 0, GetWidth(), GetHeight(), source->GetCanvas()->GetHandle(), 0, 0,
           rop);
}

void TcxBitmap::MaskOut(TBitmap* mask) {
    // Destination and not source, on all 32 bits: the drawing layer's raster operations clear the
    // alpha byte, which the image would need afterwards.
    uint32_t* pixels = PixelsOf(this);
    const uint32_t* maskPixels = PixelsOf(mask);
    if (!pixels || !maskPixels) return;
    const int w = std::min(GetWidth(), mask->GetWidth()), h = std::min(GetHeight(), mask->GetHeight());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels[size_t(y) * size_t(GetWidth()) + size_t(x)] &=
                ~maskPixels[size_t(y) * size_t(mask->GetWidth()) + size_t(x)];
}

bool TcxBitmap::HasAlpha() {
    const uint32_t* p = PixelsOf(this);
    return p && std::any_of(p, p + PixelCount(this), [](uint32_t v) { return (v >> 24) != 0; });
}

bool TcxBitmap::IsTransparentPixel(uint32_t pixel) const {
    return pixel == 0 || std::find(transparentColors_.begin(), transparentColors_.end(), pixel & 0xFFFFFF) !=
                             transparentColors_.end();
}

void TcxBitmap::ApplyPixelOperation(TcxPixelOperation operation) {
    uint32_t* pixels = PixelsOf(this);
    if (!pixels) return;
    const uint32_t shadow = ColorToPixel(clBtnShadow, 192);
    for (size_t i = 0, n = PixelCount(this); i < n; ++i) {
        uint32_t& p = pixels[i];
        const bool transparent = IsTransparentPixel(p);
        const int b = Channel(p, 0), g = Channel(p, 8), r = Channel(p, 16), a = Channel(p, 24);
        auto lighten = [](int v) { return v + MulDiv(255 - v, 3, 10); };
        switch (operation) {
        case poLighten:
            if (!transparent) p = MakePixel(lighten(b), lighten(g), lighten(r), lighten(a));
            break;
        case poDisable:
            if (!transparent) {
                const uint8_t grey = RoundByte(0.299 * r + 0.587 * g + 0.114 * b);
                p = MakePixel(grey, grey, grey, a);
                BlendPixel(shadow, p, 238);
            }
            break;
        case poAverageGrey:
            if (!transparent) {
                const int grey = (r + g + b) / 3;
                p = MakePixel(grey, grey, grey, a);
            }
            break;
        case poMakeOpaque:
            p = (p & 0xFFFFFF) | 0xFF000000u;
            break;
        case poMakeMask:
            p = transparent ? 0xFFFFFFFFu : 0u;
            break;
        case poLuminanceGrey:
            if (!transparent) {
                const uint8_t grey = RoundByte(0.299 * r + 0.587 * g + 0.114 * b);
                p = MakePixel(grey, grey, grey, a);
            }
            break;
        case poDisableAlpha:
            if (!transparent) {
                const uint8_t grey = RoundByte(0.0729 * r + 0.7146 * g + 0.2125 * b);
                p = MakePixel(grey, grey, grey, a);
            }
            break;
        case poOpaqueWhereZero:
            if (!transparent && a == 0) p |= 0xFF000000u;
            break;
        }
    }
}

void TcxBitmap::AlphaDrawTo(TBitmap* dest, const TRect& destRect, bool stretch, uint8_t alpha) {
    AlphaBlendBitmap(dest, this, destRect, GetBoundsRect(), stretch, alpha);
}

void AddTransparentColor(TcxColorList& list, TColor color) {
    list.push_back(ColorToPixel(color, 0) & 0xFFFFFF);
}

TBitmap* NewBitmapOfSize(int width, int height, TPixelFormat format) {
    auto* bitmap = new TBitmap;
    bitmap->SetPixelFormat(format);
    bitmap->SetSize(width, height);
    return bitmap;
}

TBitmap* NewBitmapForRect(const TRect& r, TPixelFormat format) {
    return NewBitmapOfSize(r.Width(), r.Height(), format);
}

namespace {
TcxBitmap* scratchComposition = nullptr;
TcxBitmap* scratchImage = nullptr;
TcxBitmap* scratchMask = nullptr;
} // namespace

void ReuseScratchBitmap(TcxBitmap*& bitmap, int width, int height) {
    if (!bitmap) {
        bitmap = new TcxBitmap(width, height);
        return;
    }
    bitmap->TransparentColors().clear();
    bitmap->SetSize(width, height);
}

TcxBitmap* ScratchCompositionBitmap(int width, int height) {
    ReuseScratchBitmap(scratchComposition, width, height);
    return scratchComposition;
}

TcxBitmap* ScratchImageBitmap(int width, int height) {
    ReuseScratchBitmap(scratchImage, width, height);
    return scratchImage;
}

TcxBitmap* ScratchMaskBitmap(int width, int height) {
    ReuseScratchBitmap(scratchMask, width, height);
    return scratchMask;
}

void FinalizeScratchBitmaps() {
    FreeAndNil(scratchComposition);
    FreeAndNil(scratchImage);
    FreeAndNil(scratchMask);
}

void ReadBitmapPixels(TBitmap* bitmap, bool topDown, TRGBColors& pixels) {
    pixels.clear();
    const uint32_t* p = PixelsOf(bitmap);
    if (!p) return;
    const int w = bitmap->GetWidth(), h = bitmap->GetHeight();
    pixels.resize(PixelCount(bitmap));
    for (int y = 0; y < h; ++y)
        std::copy_n(p + size_t(y) * size_t(w), w, pixels.begin() + ptrdiff_t(topDown ? y : h - 1 - y) * w);
}

void WriteBitmapPixels(TBitmap* bitmap, TRGBColors& pixels, bool topDown) {
    uint32_t* p = PixelsOf(bitmap);
    if (p && pixels.size() == PixelCount(bitmap)) {
        const int w = bitmap->GetWidth(), h = bitmap->GetHeight();
        for (int y = 0; y < h; ++y)
            std::copy_n(pixels.begin() + ptrdiff_t(topDown ? y : h - 1 - y) * w, w,
                        p + size_t(y) * size_t(w));
    }
    pixels.clear();
}

bool HasGlyph(const TBitmap* bitmap) {
    return bitmap && !bitmap->Empty();
}

bool HasListImage(const TCustomImageList* imageList, int index) {
    return imageList && index >= 0 && index < imageList->GetCount();
}

bool BlitToRect(HDC destDC, HDC srcDC, const TRect& destRect, TPoint srcTopLeft, uint32_t rop) {
    return BitBlt(destDC, destRect.Left, destRect.Top, destRect.Width(), destRect.Height(), srcDC,
                  srcTopLeft.X, srcTopLeft.Y, rop);
}

} // namespace zorvy
