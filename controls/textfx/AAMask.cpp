#include "controls/textfx/AAMask.h"

#include "controls/textfx/AAFont.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/Numbers.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace zorvy {

namespace {

int RoundUpTo4(int n) {
    return (n + 3) & ~3;
}

int Utf8CharCount(const std::string& text) {
    return int(std::count_if(text.begin(), text.end(), [](char c) { return (std::uint8_t(c) & 0xC0) != 0x80; }));
}

// A memory context with a font selected, undone in reverse order whatever happens in between.
class TScaledFontContext {
  public:
    TScaledFontContext(const LOGFONT& font, HBITMAP target) : dc_(CreateCompatibleDC(nullptr)) {
        font_ = CreateFontIndirect(font);
        if (target) oldBitmap_ = SelectObject(dc_, target);
        oldFont_ = SelectObject(dc_, font_);
    }
    ~TScaledFontContext() {
        SelectObject(dc_, oldFont_);
        if (oldBitmap_) SelectObject(dc_, oldBitmap_);
        DeleteObject(font_);
        DeleteDC(dc_);
    }
    TScaledFontContext(const TScaledFontContext&) = delete;
    TScaledFontContext& operator=(const TScaledFontContext&) = delete;
    HDC Get() const { return dc_; }

  private:
    HDC dc_;
    HFONT font_ = nullptr;
    HFONT oldFont_ = nullptr;
    HBITMAP oldBitmap_ = nullptr;
};

std::minstd_rand& RandomSource() {
    static std::minstd_rand engine{std::random_device{}()};
    return engine;
}

} // namespace

int AARandom(int k) {
    if (k <= 0) return 0;
    return std::uniform_int_distribution<int>(0, k - 1)(RandomSource());
}

int QualityScale(TAAQuality quality) {
    switch (quality) {
    case aqHigh:
        return 4;
    case aqNormal:
        return 3;
    case aqLow:
        return 2;
    case aqNone:
        return 1;
    }
    return 1;
}

void TAAMask::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TAAMask*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    quality_ = other->quality_;
    scale_ = other->scale_;
    width_ = other->width_;
    height_ = other->height_;
    stride_ = other->stride_;
    bytes_ = other->bytes_;
}

void TAAMask::SetQuality(TAAQuality quality) {
    quality_ = quality;
    scale_ = QualityScale(quality);
}

std::uint8_t* TAAMask::ScanLine(int line) {
    if (line < 0 || line >= height_) throw EInvalidLine();
    return bytes_.data() + size_t(line) * size_t(stride_);
}

const std::uint8_t* TAAMask::ScanLine(int line) const {
    return const_cast<TAAMask*>(this)->ScanLine(line);
}

void TAAMask::SetSize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    stride_ = RoundUpTo4(width_);
    bytes_.assign(size_t(stride_) * size_t(height_), 0);
}

LOGFONT TAAMask::ScaledFont() const {
    LOGFONT font = AAFont->Canvas->GetFont()->LogFont();
    font.lfHeight *= scale_;
    font.lfWidth *= scale_;
    // The smoothing comes from averaging the enlarged drawing: its glyphs must have hard edges.
    font.lfQuality = NONANTIALIASED_QUALITY;
    return font;
}

TSize TAAMask::TextExtent(const std::string& text, TPoint& offset) const {
    offset = {0, 0};
    if (!AAFont || !AAFont->Canvas) return {0, 0};
    const LOGFONT font = ScaledFont();
    TSize size{0, 0};
    {
        TScaledFontContext context(font, nullptr);
        GetTextExtentPoint32(context.Get(), text, size);
    }
    int width = (size.cx + scale_ - 1) / scale_;
    int height = (size.cy + scale_ - 1) / scale_;
    if (font.lfItalic && !text.empty())
        width += int(Round(double(width) / Utf8CharCount(text) * 0.3));
    if (font.lfEscapement != 0) {
        const double theta = -font.lfEscapement * std::numbers::pi / 1800.0;
        const double c = std::cos(theta), s = std::sin(theta);
        const double hx = width / 2.0, hy = height / 2.0;
        const double xs[4] = {-hx, hx, hx, -hx}, ys[4] = {-hy, -hy, hy, hy};
        int minX = 0, maxX = 0, minY = 0, maxY = 0;
        TPoint topLeft;
        for (int i = 0; i < 4; ++i) {
            const int x = int(Round(xs[i] * c - ys[i] * s));
            const int y = int(Round(xs[i] * s + ys[i] * c));
            if (i == 0) {
                topLeft = {x, y};
                minX = maxX = x;
                minY = maxY = y;
            }
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
        width = maxX - minX;
        height = maxY - minY;
        offset = {width / 2 + topLeft.X, height / 2 + topLeft.Y};
    }
    return {width, height};
}

void TAAMask::DrawText(const std::string& text) {
    if (!AAFont || !AAFont->Canvas) return;
    TPoint offset;
    const TSize size = TextExtent(text, offset);
    SetSize(size.cx, size.cy);
    if (width_ == 0 || height_ == 0) return;
    const int workWidth = width_ * scale_, workHeight = height_ * scale_;
    HBITMAP work = CreateBitmap(workWidth, workHeight, 1, 32);
    {
        TScaledFontContext context(ScaledFont(), work);
        HDC dc = context.Get();
        PatBlt(dc, 0, 0, workWidth, workHeight, BLACKNESS);
        SetTextColor(dc, RGB(255, 255, 255));
        SetBkMode(dc, TRANSPARENT);
        TextOut(dc, offset.X * scale_, offset.Y * scale_, text);
    }
    // White on black: any channel of a work pixel is its grey level.
    Reduce(work->bits, workWidth);
    DeleteObject(work);
}

void TAAMask::Reduce(const std::vector<std::uint32_t>& work, int workWidth) {
    auto grey = [&](int x, int y) { return int(work[size_t(y) * size_t(workWidth) + size_t(x)] & 0xFF); };
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* line = ScanLine(y);
        const int wy = y * scale_;
        for (int x = 0; x < width_; ++x) {
            const int wx = x * scale_;
            int sum = 0;
            switch (scale_) {
            case 4:
                for (int dy = 0; dy < 4; ++dy)
                    for (int dx = 0; dx < 4; ++dx) sum += grey(wx + dx, wy + dy);
                line[x] = std::uint8_t(sum >> 4);
                break;
            case 3:
                // Nine samples into a shift by 3: two corners count half, so full coverage gives 254.
                for (int dy = 0; dy < 3; ++dy)
                    for (int dx = 0; dx < 3; ++dx) {
                        int g = grey(wx + dx, wy + dy);
                        if ((dx == 2 && dy == 0) || (dx == 0 && dy == 2)) g /= 2;
                        sum += g;
                    }
                line[x] = std::uint8_t(sum >> 3);
                break;
            case 2:
                sum = grey(wx, wy) + grey(wx + 1, wy) + grey(wx, wy + 1) + grey(wx + 1, wy + 1);
                line[x] = std::uint8_t(sum >> 2);
                break;
            default:
                line[x] = std::uint8_t(grey(wx, wy));
            }
        }
    }
}

void TAAMask::Outline() {
    if (height_ < 3 || width_ < 3) return;
    const std::vector<std::uint8_t> copy = bytes_;
    auto at = [&](int x, int y) { return int(copy[size_t(y) * size_t(stride_) + size_t(x)]); };
    for (int y = 1; y <= height_ - 2; ++y) {
        std::uint8_t* line = ScanLine(y);
        for (int x = 1; x <= width_ - 2; ++x) {
            const int c = std::abs(at(x + 1, y + 1) - at(x - 1, y - 1)) + std::abs(at(x, y + 1) - at(x, y - 1)) +
                          std::abs(at(x + 1, y) - at(x - 1, y)) + std::abs(at(x - 1, y + 1) - at(x + 1, y - 1));
            line[x] = std::uint8_t(c < 1024 ? c >> 2 : 255);
        }
    }
}

void TAAMask::Spray(int amount) {
    amount = std::clamp(amount, 0, 100);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const int r = AARandom(amount + 1);
            const int sx = std::clamp(x + r - AARandom(2 * r), 0, width_ - 1);
            const int sy = std::clamp(y + r - AARandom(2 * r), 0, height_ - 1);
            ScanLine(y)[x] = ScanLine(sy)[sx];
        }
}

void TAAMask::HorzMirror() {
    for (int y = 0; y < height_; ++y) std::reverse(ScanLine(y), ScanLine(y) + width_);
}

void TAAMask::VertMirror() {
    for (int i = 0; i < height_ / 2; ++i) std::swap_ranges(ScanLine(i), ScanLine(i) + stride_, ScanLine(height_ - 1 - i));
}

namespace {

// The five sample offsets of a 5 x 5 neighbourhood at position p of size n: shortened at the borders and,
// for masks under four pixels, kept inside the mask.
void BlurSamples(int p, int n, int out[5]) {
    static constexpr int inner[5] = {-2, -1, 0, 1, 2};
    static constexpr int first[5] = {0, 0, 0, 1, 2};
    static constexpr int second[5] = {-1, -1, 0, 1, 2};
    static constexpr int beforeLast[5] = {-2, -1, 0, 1, 1};
    static constexpr int last[5] = {-2, -1, 0, 0, 0};
    const int* offsets = p == 0 ? first : p == 1 ? second : p == n - 2 ? beforeLast : p == n - 1 ? last : inner;
    for (int i = 0; i < 5; ++i) out[i] = std::clamp(p + offsets[i], 0, n - 1);
}

} // namespace

void TAAMask::Blur(int amount) {
    amount = std::clamp(amount, 0, 100);
    if (width_ == 0 || height_ == 0) return;
    const int weight = int(Round(amount * 255 / 100.0));
    const std::vector<std::uint8_t> copy = bytes_;
    std::vector<int> columns(size_t(width_) * 5);
    for (int x = 0; x < width_; ++x) BlurSamples(x, width_, &columns[size_t(x) * 5]);
    int rows[5];
    for (int y = 0; y < height_; ++y) {
        BlurSamples(y, height_, rows);
        std::uint8_t* line = ScanLine(y);
        for (int x = 0; x < width_; ++x) {
            int sum = 0;
            for (int row : rows) {
                const std::uint8_t* source = copy.data() + size_t(row) * size_t(stride_);
                for (int i = 0; i < 5; ++i) sum += source[columns[size_t(x) * 5 + size_t(i)]];
            }
            const int mean = int(Round(sum / 25.0));
            const int old = copy[size_t(y) * size_t(stride_) + size_t(x)];
            line[x] = std::uint8_t(weight == 255 ? mean : old + (((mean - old) * weight) >> 8));
        }
    }
}

} // namespace zorvy
