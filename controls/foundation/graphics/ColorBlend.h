#pragma once
// Colour mixing for hot and pressed faces, alpha blending between device contexts (with a
// per-pixel path when the platform's blend cannot be used), and a smooth resampler (three-lobed
// windowed sinc in 8-bit fixed point).
#include "controls/foundation/graphics/PixelBitmap.h"

#include <vector>

namespace zorvy {

COLORREF NearestScreenColor(TColor color);
// The colour resolved to RGB in pixel order with alpha in the top byte.
uint32_t ColorToPixel(TColor color, uint8_t alpha = 0);
// Per channel, the weighted sum (percent) of clBtnFace, clHighlight and clWindow, clamped to 0..255;
// clHighlight itself when clBtnFace is black or white.
COLORREF BlendSystemColors(int faceWeight, int highlightWeight, int windowWeight);
COLORREF BlendedHotColor();
COLORREF BlendedPressedColor();

// Source-over with constant alpha and the source's own alpha; stretches when asked and the sizes
// differ (smoothly, through bitmaps).
void AlphaBlendDC(HDC destDC, HDC srcDC, const TRect& destRect, const TRect& srcRect, bool stretch = false,
                  uint8_t alpha = 255);
void AlphaBlendBitmap(TBitmap* dest, TcxBitmap* source, const TRect& destRect, const TRect& srcRect,
                      bool stretch = false, uint8_t alpha = 255);
void AlphaBlendDCs(HDC destDC, HDC srcDC, const TRect& destRect, const TRect& srcRect, uint8_t alpha = 255);
// Whether the platform's blend function is bound; without it blending goes pixel by pixel.
bool PlatformAlphaBlendAvailable();
void SetPlatformAlphaBlendAvailable(bool available);
// dest = c * source + (1 - c * source alpha / 255) * dest per channel, c = alpha / 255.
void BlendPixel(uint32_t source, uint32_t& dest, uint8_t alpha);

// The source indexes and weights (1/256 units) that make up one destination pixel.
struct TContributor {
    int Pixel = 0;
    int Weight = 0;
};
struct TContributors {
    int Count = 0;
    std::vector<TContributor> Items;
};
using TContributorList = std::vector<TContributors>;
// Contributors of a pass from sourceSize to destSize pixels; every index lies inside the source.
TContributorList BuildContributors(int sourceSize, int destSize);
// Resamples the whole of source into the whole of dest (keeping dest's size).
void ResampleBitmap(TBitmap* source, TBitmap* dest);

} // namespace zorvy
