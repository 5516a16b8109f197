#include "controls/textfx/AABlend.h"

#include "controls/textfx/AAFont.h"

namespace zorvy {

TAABlend::TAABlend(TAAFont* font) : AAFont(font) {
    foreground_.SetPixelFormat(pf24bit);
    work_.SetPixelFormat(pf24bit);
}

void TAABlend::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TAABlend*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    foreground_.Assign(&other->foreground_);
}

template <class Target> void TAABlend::Blend(int x, int y, const TAAMask& mask, int alpha, Target target) {
    if (!AAFont || !AAFont->Canvas) return;
    TCanvas* canvas = AAFont->Canvas;
    const int width = mask.GetWidth(), height = mask.GetHeight();
    if (width == 0 || height == 0) return;
    work_.SetSize(width, height);
    TCanvas* work = work_.GetCanvas();
    work->SetBrush(canvas->GetBrush());
    const TRect box{0, 0, width, height};
    if (canvas->GetBrush()->GetStyle() != bsSolid)
        work->CopyRect(box, canvas, TRect{x, y, x + width, y + height});
    else
        work->FillRect(box);
    const int factor = alpha * 256 / 100;
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* coverage = mask.ScanLine(row);
        std::uint32_t* pixels = work_.ScanLine(row);
        for (int col = 0; col < width; ++col) {
            const int d = coverage[col] * factor;
            if (d < 256) continue;
            const std::uint32_t to = target(row, col);
            if (d >= 65280) {
                pixels[col] = to & 0xFFFFFF;
                continue;
            }
            const int k = d >> 8;
            std::uint32_t out = 0;
            for (int shift = 0; shift <= 16; shift += 8) {
                const int c = int((pixels[col] >> shift) & 0xFF), t = int((to >> shift) & 0xFF);
                out |= std::uint32_t((c + (((t - c) * k) >> 8)) & 0xFF) << shift;
            }
            pixels[col] = out;
        }
    }
    canvas->CopyRect(TRect{x, y, x + width, y + height}, work, box);
}

void TAABlend::BlendColor(int x, int y, const TAAMask& mask, int alpha, TColor color) {
    const COLORREF rgb = ColorToRGB(color);
    // Scan lines hold blue in the low byte; a colour reference holds red there.
    const std::uint32_t pixel = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
    Blend(x, y, mask, alpha, [pixel](int, int) { return pixel; });
}

void TAABlend::BlendForeground(int x, int y, const TAAMask& mask, int alpha) {
    if (foreground_.GetWidth() != mask.GetWidth() || foreground_.GetHeight() != mask.GetHeight() ||
        foreground_.GetPixelFormat() != pf24bit)
        throw EInvalidForeBmp();
    Blend(x, y, mask, alpha, [this](int row, int col) { return foreground_.ScanLine(row)[col]; });
}

} // namespace zorvy
