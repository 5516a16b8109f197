#include "platform/gdi/ImageCodecs.h"

#include <algorithm>
#include <cstring>

namespace zorvy {

namespace {

// Little-endian reads that fail with a clear error instead of reading past the data.
class TReader {
  public:
    TReader(std::span<const uint8_t> data, const char* what) : data_(data), what_(what) {}
    uint32_t U32(size_t at) const {
        Need(at, 4);
        return uint32_t(data_[at]) | uint32_t(data_[at + 1]) << 8 | uint32_t(data_[at + 2]) << 16 |
               uint32_t(data_[at + 3]) << 24;
    }
    int32_t I32(size_t at) const { return int32_t(U32(at)); }
    uint16_t U16(size_t at) const {
        Need(at, 2);
        return uint16_t(data_[at] | data_[at + 1] << 8);
    }
    uint8_t U8(size_t at) const {
        Need(at, 1);
        return data_[at];
    }
    void Need(size_t at, size_t count) const {
        if (at > data_.size() || count > data_.size() - at) Fail("the file is truncated");
    }
    [[noreturn]] void Fail(const std::string& why) const {
        throw EImageError(std::string("Invalid ") + what_ + " image: " + why);
    }
    std::span<const uint8_t> Data() const { return data_; }

  private:
    std::span<const uint8_t> data_;
    const char* what_;
};

int MaskShift(uint32_t mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

uint32_t MaskedChannel(uint32_t v, uint32_t mask) {
    if (!mask) return 0;
    uint32_t bits = (v & mask) >> MaskShift(mask);
    uint32_t max = mask >> MaskShift(mask);
    return max ? bits * 255 / max : 0;
}

struct TDib {
    int width = 0;
    int height = 0; // rows of the colour image
    bool topDown = false;
    int bitCount = 0;
    std::vector<uint32_t> palette;
    std::vector<uint32_t> pixels; // top-down 0xAARRGGBB as stored (alpha only for 32-bit)
    size_t end = 0;               // offset after the colour rows
};

// Reads a device-independent bitmap: header at headerAt, rows at bitsAt (0 = right after the palette).
// heightDivisor is 2 for icon images, whose header counts the mask rows too.
TDib ReadDib(const TReader& in, size_t headerAt, size_t bitsAt, int heightDivisor) {
    TDib dib;
    uint32_t headerSize = in.U32(headerAt);
    uint32_t compression = 0, colorsUsed = 0;
    uint32_t masks[4] = {0, 0, 0, 0};
    size_t paletteEntry = 4;
    if (headerSize == 12) {
        dib.width = in.U16(headerAt + 4);
        dib.height = int16_t(in.U16(headerAt + 6));
        dib.bitCount = in.U16(headerAt + 10);
        paletteEntry = 3;
    } else if (headerSize >= 40) {
        dib.width = in.I32(headerAt + 4);
        dib.height = in.I32(headerAt + 8);
        dib.bitCount = in.U16(headerAt + 14);
        compression = in.U32(headerAt + 16);
        colorsUsed = in.U32(headerAt + 32);
        if (compression == 3 || compression == 6) {
            size_t maskAt = headerSize >= 52 ? headerAt + 40 : headerAt + headerSize;
            for (int i = 0; i < (compression == 6 || headerSize >= 56 ? 4 : 3); ++i)
                masks[i] = in.U32(maskAt + size_t(4 * i));
            if (headerSize == 40) headerSize += compression == 6 ? 16 : 12;
        }
    } else {
        in.Fail("unknown header");
    }
    // Sizes are checked in 64 bits: a height of INT_MIN has no positive int.
    int64_t height = dib.height;
    if (height < 0) {
        dib.topDown = true;
        height = -height;
    }
    height /= heightDivisor;
    if (dib.width <= 0 || height <= 0 || int64_t(dib.width) * height > MaxBitmapPixels)
        in.Fail("unsupported size");
    dib.height = int(height);
    if (compression != 0 && compression != 3 && compression != 6) in.Fail("unsupported compression");
    int bits = dib.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        in.Fail("unsupported bit count");
    if ((compression == 3 || compression == 6) && bits != 16 && bits != 32) in.Fail("unsupported bit fields");
    size_t paletteAt = headerAt + headerSize;
    if (bits <= 8) {
        size_t count = colorsUsed ? std::min<size_t>(colorsUsed, size_t(1) << bits) : size_t(1) << bits;
        for (size_t i = 0; i < count; ++i) {
            size_t at = paletteAt + i * paletteEntry;
            dib.palette.push_back(uint32_t(in.U8(at)) | uint32_t(in.U8(at + 1)) << 8 |
                                  uint32_t(in.U8(at + 2)) << 16);
        }
        paletteAt += count * paletteEntry;
    }
    if (bitsAt == 0) bitsAt = paletteAt;
    if (bits == 16 && compression == 0) masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    const size_t stride = size_t(DIBRowBytes(dib.width, bits));
    in.Need(bitsAt, stride * size_t(dib.height));
    dib.pixels.resize(size_t(dib.width) * size_t(dib.height));
    for (int y = 0; y < dib.height; ++y) {
        const uint8_t* src = in.Data().data() + bitsAt + stride * size_t(y);
        uint32_t* out = dib.pixels.data() + size_t(dib.topDown ? y : dib.height - 1 - y) * size_t(dib.width);
        for (int x = 0; x < dib.width; ++x) {
            auto entry = [&](size_t index) { return index < dib.palette.size() ? dib.palette[index] : 0u; };
            switch (bits) {
            case 1:
                out[x] = entry((src[x / 8] >> (7 - x % 8)) & 1);
                break;
            case 4:
                out[x] = entry((src[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
                break;
            case 8:
                out[x] = entry(src[x]);
                break;
            case 16: {
                uint32_t v = uint32_t(src[2 * x]) | uint32_t(src[2 * x + 1]) << 8;
                out[x] = MaskedChannel(v, masks[0]) << 16 | MaskedChannel(v, masks[1]) << 8 |
                         MaskedChannel(v, masks[2]);
                break;
            }
            case 24:
                out[x] =
                    uint32_t(src[3 * x]) | uint32_t(src[3 * x + 1]) << 8 | uint32_t(src[3 * x + 2]) << 16;
                break;
            case 32: {
                uint32_t v;
                std::memcpy(&v, src + 4 * x, 4);
                if (compression != 0)
                    v = MaskedChannel(v, masks[3]) << 24 | MaskedChannel(v, masks[0]) << 16 |
                        MaskedChannel(v, masks[1]) << 8 | MaskedChannel(v, masks[2]);
                out[x] = v;
                break;
            }
            }
        }
    }
    dib.end = bitsAt + stride * size_t(dib.height);
    return dib;
}

} // namespace

HBITMAP LoadBmp(std::span<const uint8_t> data) {
    TReader in(data, "BMP");
    if (in.U16(0) != 0x4D42) in.Fail("the file does not start with \"BM\"");
    uint32_t bitsAt = in.U32(10);
    TDib dib = ReadDib(in, 14, bitsAt, 1);
    int bits = dib.bitCount == 16 ? 24 : dib.bitCount;
    HBITMAP bitmap = CreateBitmap(dib.width, dib.height, 1, bits);
    bitmap->bits = std::move(dib.pixels);
    if (bits <= 8) bitmap->palette = std::move(dib.palette);
    if (bits == 1)
        for (uint32_t& p : bitmap->bits)
            p = (p & 0xFFFFFF) ? 0xFFFFFF : 0;
    return bitmap;
}

HBITMAP LoadIco(std::span<const uint8_t> data) {
    TReader in(data, "icon");
    if (in.U16(0) != 0 || (in.U16(2) != 1 && in.U16(2) != 2)) in.Fail("the file is not an icon");
    int count = in.U16(4);
    if (count == 0) in.Fail("the icon holds no images");
    int best = -1;
    int64_t bestScore = -1;
    for (int i = 0; i < count; ++i) {
        size_t entry = 6 + size_t(16 * i);
        int w = in.U8(entry) ? in.U8(entry) : 256, h = in.U8(entry + 1) ? in.U8(entry + 1) : 256;
        int64_t score = int64_t(w) * h * 64 + in.U16(entry + 6);
        if (score > bestScore) {
            bestScore = score;
            best = i;
        }
    }
    size_t entry = 6 + size_t(16 * best);
    uint32_t size = in.U32(entry + 8), offset = in.U32(entry + 12);
    in.Need(offset, size);
    std::span<const uint8_t> image = data.subspan(offset, size);
    static const uint8_t pngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (image.size() >= 8 && std::memcmp(image.data(), pngSignature, 8) == 0) return LoadPng(image);
    TReader dibReader(image, "icon");
    TDib dib = ReadDib(dibReader, 0, 0, 2);
    bool ownAlpha = false;
    if (dib.bitCount == 32)
        for (uint32_t p : dib.pixels)
            ownAlpha |= (p >> 24) != 0;
    if (!ownAlpha) {
        // The AND mask follows the colour rows: a set bit marks a transparent pixel.
        size_t maskStride = size_t(DIBRowBytes(dib.width, 1));
        bool hasMask = dib.end + maskStride * size_t(dib.height) <= image.size();
        for (int y = 0; y < dib.height; ++y) {
            int row = dib.topDown ? y : dib.height - 1 - y;
            for (int x = 0; x < dib.width; ++x) {
                bool transparent =
                    hasMask && ((image[dib.end + maskStride * size_t(y) + size_t(x / 8)] >> (7 - x % 8)) & 1);
                uint32_t& p = dib.pixels[size_t(row) * size_t(dib.width) + size_t(x)];
                p = transparent ? 0 : (p & 0xFFFFFF) | 0xFF000000;
            }
        }
    } else {
        for (uint32_t& p : dib.pixels) {
            uint32_t a = p >> 24;
            auto channel = [&](int shift) { return ((((p >> shift) & 0xFF) * a + 127) / 255) << shift; };
            p = (a << 24) | channel(16) | channel(8) | channel(0);
        }
    }
    HBITMAP bitmap = CreateBitmap(dib.width, dib.height, 1, 32);
    bitmap->bits = std::move(dib.pixels);
    return bitmap;
}

} // namespace zorvy
