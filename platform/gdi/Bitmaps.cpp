#include "platform/gdi/DcInternal.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace zorvy {

TBitmapObject::TBitmapObject(int width, int height, int bitsPerPixel)
    : TGdiObject(TGdiObjectKind::Bitmap), width(std::max(width, 0)), height(std::max(height, 0)),
      bitsPerPixel(bitsPerPixel), bits(size_t(this->width) * size_t(this->height), 0) {}

int64_t DIBRowBytes(int64_t width, int bitCount) {
    return ((width * bitCount + 31) / 32) * 4;
}

namespace {

bool ValidBitCount(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 || bitCount == 32;
}

bool ValidSize(int64_t width, int64_t height) {
    return width >= 0 && height >= 0 && width * height <= MaxBitmapPixels;
}

// The row count of a pixel array whose height is negative for top-down rows; 64-bit, as INT_MIN has no
// positive int.
int64_t RowCount(const BITMAPINFO& info) {
    return info.biHeight < 0 ? -int64_t(info.biHeight) : info.biHeight;
}

uint32_t PaletteValue(const std::vector<uint32_t>& palette, size_t index) {
    return index < palette.size() ? palette[index] & 0xFFFFFF : 0;
}

std::vector<uint32_t> DefaultPalette(int bitCount) {
    std::vector<uint32_t> palette;
    if (bitCount == 1) return {0x000000, 0xFFFFFF};
    if (bitCount == 4) {
        // The sixteen colours of the classic console palette.
        return {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    }
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back(uint32_t(r * 51) << 16 | uint32_t(g * 51) << 8 | uint32_t(b * 51));
    for (int i = 0; i < 40; ++i) {
        uint32_t v = uint32_t(i * 255 / 39);
        palette.push_back(v << 16 | v << 8 | v);
    }
    return palette;
}

size_t NearestIndex(const std::vector<uint32_t>& palette, uint32_t value) {
    size_t best = 0;
    int bestDistance = 1 << 30;
    int r = (value >> 16) & 0xFF, g = (value >> 8) & 0xFF, b = value & 0xFF;
    for (size_t i = 0; i < palette.size(); ++i) {
        uint32_t p = palette[i];
        int dr = r - int((p >> 16) & 0xFF), dg = g - int((p >> 8) & 0xFF), db = b - int(p & 0xFF);
        int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
            if (distance == 0) break;
        }
    }
    return best;
}

void ReadRow(const uint8_t* src, int bitCount, const std::vector<uint32_t>& palette, uint32_t* out,
             int width) {
    for (int x = 0; x < width; ++x) {
        switch (bitCount) {
        case 32:
            std::memcpy(&out[x], src + 4 * x, 4);
            break;
        case 24:
            out[x] = uint32_t(src[3 * x]) | uint32_t(src[3 * x + 1]) << 8 | uint32_t(src[3 * x + 2]) << 16;
            break;
        case 8:
            out[x] = PaletteValue(palette, src[x]);
            break;
        case 4:
            out[x] = PaletteValue(palette, (src[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
            break;
        case 1:
            out[x] = PaletteValue(palette, (src[x / 8] >> (7 - x % 8)) & 1);
            break;
        }
    }
}

// Palette look-ups of one conversion, remembered: pictures repeat few colours.
class TPaletteIndex {
  public:
    explicit TPaletteIndex(const std::vector<uint32_t>& palette) : palette_(palette) {}
    size_t operator()(uint32_t value) {
        auto [it, added] = cache_.try_emplace(value, 0);
        if (added) it->second = NearestIndex(palette_, value);
        return it->second;
    }

  private:
    const std::vector<uint32_t>& palette_;
    std::unordered_map<uint32_t, size_t> cache_;
};

void WriteRow(const uint32_t* in, int width, int bitCount, TPaletteIndex& indexOf, uint8_t* dst) {
    for (int x = 0; x < width; ++x) {
        uint32_t v = in[x];
        switch (bitCount) {
        case 32:
            std::memcpy(dst + 4 * x, &v, 4);
            break;
        case 24:
            dst[3 * x] = uint8_t(v);
            dst[3 * x + 1] = uint8_t(v >> 8);
            dst[3 * x + 2] = uint8_t(v >> 16);
            break;
        case 8:
            dst[x] = uint8_t(indexOf(v & 0xFFFFFF));
            break;
        case 4:
            dst[x / 2] |= uint8_t(indexOf(v & 0xFFFFFF) << (x % 2 ? 0 : 4));
            break;
        case 1:
            if (indexOf(v & 0xFFFFFF)) dst[x / 8] |= uint8_t(0x80 >> (x % 8));
            break;
        }
    }
}

} // namespace

HBITMAP CreateBitmap(int width, int height, int planes, int bitCount, const void* bits) {
    if (planes != 1 || !ValidSize(width, height)) return nullptr;
    if (!ValidBitCount(bitCount)) bitCount = 32;
    auto* bitmap = new TBitmapObject(width, height, bitCount);
    if (bits) {
        const auto* src = static_cast<const uint8_t*>(bits);
        size_t stride = bitCount == 1 ? size_t((width + 15) / 16 * 2) : size_t(DIBRowBytes(width, bitCount));
        std::vector<uint32_t> palette = DefaultPalette(bitCount <= 8 ? bitCount : 1);
        for (int y = 0; y < height; ++y)
            ReadRow(src + stride * size_t(y), bitCount, palette, bitmap->Row(y), width);
    }
    return bitmap;
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    return CreateBitmap(width, height, 1, dc && dc->Mono() ? 1 : 32);
}

HBITMAP CreateDIBitmap(const BITMAPINFO& info, const void* bits) {
    const int64_t height = RowCount(info);
    if (!ValidBitCount(info.biBitCount) || !ValidSize(info.biWidth, height)) return nullptr;
    HBITMAP bitmap = CreateBitmap(info.biWidth, int(height), 1, info.biBitCount);
    if (info.biBitCount <= 8) bitmap->palette = info.palette;
    if (bits) SetDIBits(bitmap, info, bits);
    return bitmap;
}

bool GetObject(HBITMAP bitmap, BITMAP& out) {
    if (!bitmap) return false;
    out.bmWidth = bitmap->width;
    out.bmHeight = bitmap->height;
    out.bmBitsPixel = bitmap->bitsPerPixel;
    out.bmPlanes = 1;
    out.bmWidthBytes = bitmap->bitsPerPixel == 1 ? (bitmap->width + 15) / 16 * 2
                                                 : int(DIBRowBytes(bitmap->width, bitmap->bitsPerPixel));
    return true;
}

int GetDIBits(HBITMAP bitmap, BITMAPINFO& info, void* bits) {
    if (!bitmap || !bitmap->Valid() || !ValidBitCount(info.biBitCount)) return 0;
    const int height = bitmap->height;
    if (info.biWidth != bitmap->width || RowCount(info) != height) {
        info.biWidth = bitmap->width;
        info.biHeight = info.biHeight < 0 ? -height : height;
    }
    if (info.biBitCount <= 8)
        info.palette = bitmap->bitsPerPixel == info.biBitCount && !bitmap->palette.empty()
                           ? bitmap->palette
                           : DefaultPalette(info.biBitCount);
    if (!bits) return height;
    size_t stride = size_t(DIBRowBytes(bitmap->width, info.biBitCount));
    auto* dst = static_cast<uint8_t*>(bits);
    TPaletteIndex index(info.palette);
    for (int y = 0; y < height; ++y) {
        int row = info.biHeight < 0 ? y : height - 1 - y;
        uint8_t* out = dst + stride * size_t(y);
        std::memset(out, 0, stride);
        WriteRow(bitmap->Row(row), bitmap->width, info.biBitCount, index, out);
    }
    return height;
}

int SetDIBits(HBITMAP bitmap, const BITMAPINFO& info, const void* bits) {
    if (!bitmap || !bitmap->Valid() || !bits || !ValidBitCount(info.biBitCount)) return 0;
    const int height = bitmap->height;
    if (info.biWidth != bitmap->width || RowCount(info) != height) return 0;
    std::vector<uint32_t> palette = info.palette;
    if (info.biBitCount <= 8 && palette.empty()) palette = DefaultPalette(info.biBitCount);
    size_t stride = size_t(DIBRowBytes(bitmap->width, info.biBitCount));
    const auto* src = static_cast<const uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
        int row = info.biHeight < 0 ? y : height - 1 - y;
        ReadRow(src + stride * size_t(y), info.biBitCount, palette, bitmap->Row(row), bitmap->width);
        if (bitmap->bitsPerPixel == 1)
            for (int x = 0; x < bitmap->width; ++x) {
                uint32_t v = bitmap->Row(row)[x];
                int lum = int((v >> 16) & 0xFF) * 30 + int((v >> 8) & 0xFF) * 59 + int(v & 0xFF) * 11;
                bitmap->Row(row)[x] = lum >= 12800 ? 0xFFFFFF : 0;
            }
    }
    return height;
}

} // namespace zorvy
