#include "controls/textfx/AAFont.h"

#include "controls/textfx/AAPictures.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace zorvy {

namespace {

// Turns the canvas font by the effect's angle for the life of the object.
class TRotatedFont {
  public:
    TRotatedFont(TCanvas* canvas, int angle) {
        if (angle == 0) return;
        font_ = canvas->GetFont();
        saved_.Assign(font_);
        font_->SetOrientation(angle * 10);
    }
    ~TRotatedFont() {
        if (font_) font_->Assign(&saved_);
    }
    TRotatedFont(const TRotatedFont&) = delete;
    TRotatedFont& operator=(const TRotatedFont&) = delete;

  private:
    TFont* font_ = nullptr;
    TFont saved_;
};

// Puts the canvas brush style back for the life of the object.
class TBrushStyleKeeper {
  public:
    explicit TBrushStyleKeeper(TBrush* brush) : brush_(brush), style_(brush->GetStyle()) {}
    ~TBrushStyleKeeper() { brush_->SetStyle(style_); }
    TBrushStyleKeeper(const TBrushStyleKeeper&) = delete;
    TBrushStyleKeeper& operator=(const TBrushStyleKeeper&) = delete;

  private:
    TBrush* brush_;
    TBrushStyle style_;
};

// A colour as scan-line pixel bytes (blue low).
std::uint32_t PixelOf(TColor color) {
    const COLORREF rgb = ColorToRGB(color);
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

int Channel(std::uint32_t pixel, int shift) {
    return int((pixel >> shift) & 0xFF);
}

int Jitter(int value, int noise) {
    return std::clamp(value + AARandom(noise) - noise / 2, 0, 255);
}

} // namespace

// ---- TAAFont ----

TAAFont::TAAFont(TCanvas* canvas) : Canvas(canvas), Mask(this), Blend(this) {}

TAAFont::~TAAFont() = default;

TSize TAAFont::TextExtent(const std::string& text) {
    TPoint offset;
    return Mask.TextExtent(text, offset);
}

// ---- TAAFontEx ----

TAAFontEx::TAAFontEx(TCanvas* canvas) : TAAFont(canvas) {}

TSize TAAFontEx::TextExtent(const std::string& text) {
    if (!Canvas) return {0, 0};
    TSize size;
    {
        TRotatedFont rotated(Canvas, Effect.GetAngle());
        size = TAAFont::TextExtent(text);
    }
    if (Effect.GetShadow()->GetEnabled()) {
        size.cx += std::abs(Effect.GetShadow()->GetOffsetX());
        size.cy += std::abs(Effect.GetShadow()->GetOffsetY());
    }
    return size;
}

void TAAFontEx::TextOut(int x, int y, const std::string& text) {
    if (!Canvas || text.empty()) return;
    TRotatedFont rotated(Canvas, Effect.GetAngle());
    TAAShadow& shadow = *Effect.GetShadow();
    int textX = x, textY = y, shadowX = x, shadowY = y;
    if (shadow.GetEnabled()) {
        textX += std::max(0, -shadow.GetOffsetX());
        textY += std::max(0, -shadow.GetOffsetY());
        shadowX += std::max(0, shadow.GetOffsetX());
        shadowY += std::max(0, shadow.GetOffsetY());
    }
    Mask.DrawText(text);
    if (Effect.GetOutline()) Mask.Outline();
    if (Effect.GetSpray() != 0) Mask.Spray(Effect.GetSpray());
    if (Effect.GetHorzMirror()) Mask.HorzMirror();
    if (Effect.GetVertMirror()) Mask.VertMirror();

    std::optional<TBrushStyleKeeper> brushStyle;
    if (shadow.GetEnabled()) {
        brushStyle.emplace(Canvas->GetBrush());
        TAAMask shade(this);
        shade.Assign(&Mask);
        if (shadow.GetBlur() != 0) shade.Blur(shadow.GetBlur());
        Blend.BlendColor(shadowX, shadowY, shade, Effect.GetAlpha() * shadow.GetAlpha() / 100, shadow.GetColor());
        // The text blends over the shadow, not over a fresh fill.
        Canvas->GetBrush()->SetStyle(bsClear);
    }
    if (Effect.GetBlur() != 0) Mask.Blur(Effect.GetBlur());

    const int width = Mask.GetWidth(), height = Mask.GetHeight();
    TAATexture& texture = *Effect.GetTexture();
    TGraphic* picture = texture.GetPicture()->GetGraphic();
    if (texture.GetEnabled() && picture && !picture->Empty()) {
        BuildTexture(width, height);
        if (Effect.GetNoise() != 0) AddNoise(Effect.GetNoise());
        Blend.BlendForeground(textX, textY, Mask, Effect.GetAlpha());
    } else if (Effect.GetGradual()->GetEnabled()) {
        BuildGradient(width, height);
        if (Effect.GetNoise() != 0) AddNoise(Effect.GetNoise());
        Blend.BlendForeground(textX, textY, Mask, Effect.GetAlpha());
    } else if (Effect.GetNoise() != 0) {
        BuildNoisyColour(width, height, Effect.GetNoise());
        Blend.BlendForeground(textX, textY, Mask, Effect.GetAlpha());
    } else {
        Blend.BlendColor(textX, textY, Mask, Effect.GetAlpha(), Canvas->GetFont()->GetColor());
    }
}

void TAAFontEx::BuildGradient(int width, int height) {
    TBitmap& fore = *Blend.Foreground();
    fore.SetSize(width, height);
    const TAAGradual& gradual = *Effect.GetGradual();
    const TGradualStyle style = gradual.GetStyle();
    const bool horizontal = style == gsLeftToRight || style == gsRightToLeft || style == gsCenterToLR;
    const bool centre = style == gsCenterToLR || style == gsCenterToTB;
    const int length = horizontal ? width : height;
    if (length <= 0) return;
    const int steps = centre ? (length + 1) / 2 : length;
    std::uint32_t first = PixelOf(gradual.GetStartColor()), last = PixelOf(gradual.GetEndColor());
    if (style != gsLeftToRight && style != gsTopToBottom) std::swap(first, last);
    std::vector<std::uint32_t> line(size_t(length), first);
    for (int i = 0; i < steps; ++i) {
        std::uint32_t pixel = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const int c0 = Channel(first, shift), d = Channel(last, shift);
            pixel |= std::uint32_t(c0 + i * (d - c0) / steps) << shift;
        }
        line[size_t(i)] = pixel;
    }
    if (centre)
        for (int i = 0; i < steps; ++i) line[size_t(length - 1 - i)] = line[size_t(i)];
    for (int row = 0; row < height; ++row) {
        std::uint32_t* pixels = fore.ScanLine(row);
        if (horizontal)
            std::copy(line.begin(), line.end(), pixels);
        else
            std::fill(pixels, pixels + width, line[size_t(row)]);
    }
}

void TAAFontEx::BuildNoisyColour(int width, int height, int noise) {
    TBitmap& fore = *Blend.Foreground();
    fore.SetSize(width, height);
    const std::uint32_t colour = PixelOf(Canvas->GetFont()->GetColor());
    for (int row = 0; row < height; ++row) {
        std::uint32_t* pixels = fore.ScanLine(row);
        for (int col = 0; col < width; ++col) {
            std::uint32_t pixel = 0;
            for (int shift = 0; shift <= 16; shift += 8)
                pixel |= std::uint32_t(Jitter(Channel(colour, shift), noise)) << shift;
            pixels[col] = pixel;
        }
    }
}

void TAAFontEx::AddNoise(int noise) {
    TBitmap& fore = *Blend.Foreground();
    for (int row = 0; row < fore.GetHeight(); ++row) {
        std::uint32_t* pixels = fore.ScanLine(row);
        for (int col = 0; col < fore.GetWidth(); ++col) {
            std::uint32_t pixel = 0;
            for (int shift = 0; shift <= 16; shift += 8)
                pixel |= std::uint32_t(Jitter(Channel(pixels[col], shift), noise)) << shift;
            pixels[col] = pixel;
        }
    }
}

void TAAFontEx::BuildTexture(int width, int height) {
    TBitmap& fore = *Blend.Foreground();
    fore.SetSize(width, height);
    TCanvas* canvas = fore.GetCanvas();
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->GetBrush()->SetColor(Canvas->GetFont()->GetColor());
    canvas->FillRect(TRect{0, 0, width, height});
    DrawGraphicIn(canvas, TRect{0, 0, width, height}, TPictureMode(Effect.GetTexture()->GetMode()),
                  Effect.GetTexture()->GetPicture()->GetGraphic());
}

} // namespace zorvy
