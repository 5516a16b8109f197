// Colour mixing, alpha blending and smooth resampling.
#include "controls/foundation/graphics/ColorBlend.h"

#include "platform/rtl/Numbers.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace zorvy {

// ---- colour ----

COLORREF NearestScreenColor(TColor color) {
    return GetNearestColor(ColorToRGB(color));
}

uint32_t ColorToPixel(TColor color, uint8_t alpha) {
    const COLORREF rgb = ColorToRGB(color);
    return uint32_t(GetBValue(rgb)) | uint32_t(GetGValue(rgb)) << 8 | uint32_t(GetRValue(rgb)) << 16 |
           uint32_t(alpha) << 24;
}

COLORREF BlendSystemColors(int faceWeight, int highlightWeight, int windowWeight) {
    const COLORREF face = ColorToRGB(clBtnFace), highlight = ColorToRGB(clHighlight),
                   window = ColorToRGB(clWindow);
    if (face == RGB(0, 0, 0) || face == RGB(255, 255, 255)) return highlight;
    auto mix = [&](uint8_t (*channel)(COLORREF)) {
        const int v = MulDiv(channel(face), faceWeight, 100) +
                      MulDiv(channel(highlight), highlightWeight, 100) +
                      MulDiv(channel(window), windowWeight, 100);
        return uint8_t(std::clamp(v, 0, 255));
    };
    return RGB(mix(GetRValue), mix(GetGValue), mix(GetBValue));
}

COLORREF BlendedHotColor() {
    return NearestScreenColor(TColor(BlendSystemColors(-2, 30, 72)));
}

COLORREF BlendedPressedColor() {
    return NearestScreenColor(TColor(BlendSystemColors(14, 44, 40)));
}

// ---- alpha blending ----

namespace {

bool platformBlend = true;

uint8_t ClampRoundChannel(float x) {
    return x >= 255.0f ? 255 : uint8_t(std::nearbyint(x));
}

// A 32-bit bitmap holding what the context shows in r.
std::unique_ptr<TcxBitmap> CopyDCAreaToBitmap(HDC dc, const TRect& r) {
    auto bitmap = std::make_unique<TcxBitmap>(r.Width(), r.Height());
    if (!bitmap->Empty())
        BitBlt(bitmap->GetCanvas()->GetHandle(), 0, 0, r.Width(), r.Height(), dc, r.Left, r.Top, SRCCOPY);
    return bitmap;
}

void BlendBitmaps(TcxBitmap* dest, TcxBitmap* source, uint8_t alpha) {
    const int w = dest->GetWidth(), h = dest->GetHeight();
    if (PlatformAlphaBlendAvailable()) {
        AlphaBlendDCs(dest->GetCanvas()->GetHandle(), source->GetCanvas()->GetHandle(), Rect(0, 0, w, h),
                      Rect(0, 0, w, h), alpha);
        return;
    }
    TRGBColors d, s;
    dest->ReadPixels(d);
    source->ReadPixels(s);
    if (d.size() != s.size()) return;
    for (size_t i = 0; i < d.size(); ++i)
        BlendPixel(s[i], d[i], alpha);
    dest->WritePixels(d);
}

} // namespace

bool PlatformAlphaBlendAvailable() {
    return platformBlend;
}

void SetPlatformAlphaBlendAvailable(bool available) {
    platformBlend = available;
}

void BlendPixel(uint32_t source, uint32_t& dest, uint8_t alpha) {
    const float c = alpha / 255.0f;
    const float e = 1.0f - (c * float(source >> 24)) / 255.0f;
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const float s = float((source >> shift) & 0xFF), d = float((dest >> shift) & 0xFF);
        result |= uint32_t(ClampRoundChannel(c * s + e * d)) << shift;
    }
    dest = result;
}

void AlphaBlendDCs(HDC destDC, HDC srcDC, const TRect& destRect, const TRect& srcRect, uint8_t alpha) {
    BLENDFUNCTION blend;
    blend.BlendOp = AC_SRC_OVER;
    blend.SourceConstantAlpha = alpha;
    blend.AlphaFormat = AC_SRC_ALPHA;
    AlphaBlend(destDC, destRect.Left, destRect.Top, destRect.Width(), destRect.Height(), srcDC, srcRect.Left,
               srcRect.Top, srcRect.Width(), srcRect.Height(), blend);
}

void AlphaBlendDC(HDC destDC, HDC srcDC, const TRect& destRect, const TRect& srcRect, bool stretch,
                  uint8_t alpha) {
    if (IsRectEmpty(destRect) || IsRectEmpty(srcRect)) return;
    const bool stretching =
        stretch && (destRect.Width() != srcRect.Width() || destRect.Height() != srcRect.Height());
    if (PlatformAlphaBlendAvailable() && !stretching) {
        AlphaBlendDCs(destDC, srcDC, destRect, srcRect, alpha);
        return;
    }
    auto source = CopyDCAreaToBitmap(srcDC, srcRect);
    auto dest = CopyDCAreaToBitmap(destDC, destRect);
    TcxBitmap fitted(destRect.Width(), destRect.Height());
    if (stretching)
        ResampleBitmap(source.get(), &fitted);
    else
        StretchBlt(fitted.GetCanvas()->GetHandle(), 0, 0, destRect.Width(), destRect.Height(),
                   source->GetCanvas()->GetHandle(), 0, 0, srcRect.Width(), srcRect.Height(), SRCCOPY);
    BlendBitmaps(dest.get(), &fitted, alpha);
    BitBlt(destDC, destRect.Left, destRect.Top, destRect.Width(), destRect.Height(),
           dest->GetCanvas()->GetHandle(), 0, 0, SRCCOPY);
}

void AlphaBlendBitmap(TBitmap* dest, TcxBitmap* source, const TRect& destRect, const TRect& srcRect,
                      bool stretch, uint8_t alpha) {
    if (!dest || !source || dest->Empty() || source->Empty()) return;
    AlphaBlendDC(dest->GetCanvas()->GetHandle(), source->GetCanvas()->GetHandle(), destRect, srcRect, stretch,
                 alpha);
}

// ---- resampling ----

namespace {

float Sinc(float x) {
    if (x == 0.0f) return 1.0f;
    const float px = std::numbers::pi_v<float> * x;
    return std::sin(px) / px;
}

// The three-lobed windowed sinc.
float Lanczos3(float x) {
    return std::fabs(x) >= 3.0f ? 0.0f : Sinc(x) * Sinc(x / 3.0f);
}

// Reflection at both edges (-j below, 2n - 1 - j above); sources narrower than the kernel's reach
// reflect again until the index lies inside.
int ReflectIndex(int j, int n) {
    if (n <= 1) return 0;
    while (j < 0 || j >= n)
        j = j < 0 ? -j : 2 * n - 1 - j;
    return j;
}

uint8_t ChannelFromSum(int sum) {
    return sum < 0 ? 0 : sum < 65536 ? uint8_t(sum / 256) : 255;
}

// Applies contributors along lines: count lines of length sourceLength, stepping by the given strides.
void ApplyContributors(const TContributorList& contributors, const uint32_t* source, uint32_t* dest,
                       int lines, int sourcePixelStride, int sourceLineStride, int destPixelStride,
                       int destLineStride) {
    for (int line = 0; line < lines; ++line) {
        const uint32_t* s = source + ptrdiff_t(line) * sourceLineStride;
        uint32_t* d = dest + ptrdiff_t(line) * destLineStride;
        for (size_t i = 0; i < contributors.size(); ++i) {
            int sum[4] = {0, 0, 0, 0};
            const TContributors& c = contributors[i];
            for (int k = 0; k < c.Count; ++k) {
                const uint32_t p = s[ptrdiff_t(c.Items[size_t(k)].Pixel) * sourcePixelStride];
                const int w = c.Items[size_t(k)].Weight;
                for (int ch = 0; ch < 4; ++ch)
                    sum[ch] += w * int((p >> (8 * ch)) & 0xFF);
            }
            uint32_t out = 0;
            for (int ch = 0; ch < 4; ++ch)
                out |= uint32_t(ChannelFromSum(sum[ch])) << (8 * ch);
            d[ptrdiff_t(i) * destPixelStride] = out;
        }
    }
}

} // namespace

TContributorList BuildContributors(int sourceSize, int destSize) {
    TContributorList list;
    if (sourceSize <= 0 || destSize <= 0) return list;
    const float scale = (sourceSize == 1 || destSize == 1) ? float(destSize) / float(sourceSize)
                                                           : float(destSize - 1) / float(sourceSize - 1);
    const float width = scale >= 1.0f ? 1.0f : 1.0f / scale;
    const float radius = 3.0f * width;
    list.resize(size_t(destSize));
    for (int i = 0; i < destSize; ++i) {
        TContributors& entry = list[size_t(i)];
        entry.Items.reserve(size_t(2.0f * radius + 1.0f));
        const float centre = float(i) / scale;
        const int first = int(std::floor(centre - radius)), last = int(std::ceil(centre + radius));
        for (int j = first; j <= last; ++j) {
            const int weight = int(Round(Lanczos3((centre - float(j)) / width) / width * 256.0f));
            if (weight == 0) continue;
            entry.Items.push_back({ReflectIndex(j, sourceSize), weight});
        }
        entry.Count = static_cast<int>(entry.Items.size());
    }
    return list;
}

void ResampleBitmap(TBitmap* source, TBitmap* dest) {
    if (!source || !dest || source->Empty() || dest->Empty()) return;
    const int sw = source->GetWidth(), sh = source->GetHeight();
    const int dw = dest->GetWidth(), dh = dest->GetHeight();
    TRGBColors src, middle(size_t(sh) * size_t(dw)), out(size_t(dh) * size_t(dw));
    ReadBitmapPixels(source, true, src);
    // Horizontally into sh rows of dw pixels, then vertically into dh rows.
    ApplyContributors(BuildContributors(sw, dw), src.data(), middle.data(), sh, 1, sw, 1, dw);
    ApplyContributors(BuildContributors(sh, dh), middle.data(), out.data(), dw, dw, 1, dw, 1);
    WriteBitmapPixels(dest, out, true);
}

} // namespace zorvy
