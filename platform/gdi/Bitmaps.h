#pragma once
// Bitmaps and block transfers. Every bitmap keeps its pixels as 32-bit values, top-down, in the
// device-independent order (byte 0 blue, 1 green, 2 red, 3 alpha). Drawing routines write the alpha byte
// as 0, as the platform's drawing does on 32-bit bitmaps; block transfers copy all 32 bits and
// AlphaBlend reads per-pixel alpha as premultiplied. A bitmap also remembers the format it was created
// with (1, 4, 8, 24 or 32 bits), which decides how it converts when blitted or read back.
#include "platform/gdi/Colors.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/Handles.h"

#include <cstdint>
#include <vector>

namespace zorvy {

class TBitmapObject : public TGdiObject {
  public:
    TBitmapObject(int width, int height, int bitsPerPixel);
    int width;
    int height;
    int bitsPerPixel;              // 1 = monochrome: pixels are 0x000000 (black) or 0xFFFFFF (white)
    std::vector<uint32_t> bits;    // width * height, top-down
    std::vector<uint32_t> palette; // the colour table of an 8-bit or 4-bit bitmap, when it has one
    // False when the pixels were replaced by an array of another size; such a bitmap is not drawn.
    bool Valid() const { return width >= 0 && height >= 0 && bits.size() == size_t(width) * size_t(height); }
    uint32_t* Row(int y) { return bits.data() + size_t(y) * size_t(width); }
    const uint32_t* Row(int y) const { return bits.data() + size_t(y) * size_t(width); }
};

struct BITMAP {
    int bmWidth = 0;
    int bmHeight = 0;
    int bmWidthBytes = 0;
    int bmPlanes = 1;
    int bmBitsPixel = 0;
};

// The header of a device-independent pixel array: height > 0 means rows bottom-up, < 0 top-down.
// Rows are padded to 4 bytes. Palettes (for 1, 4 and 8 bits) hold 0x00RRGGBB values as the pixel
// bytes of a 32-bit bitmap would (blue in the low byte).
struct BITMAPINFO {
    int biWidth = 0;
    int biHeight = 0;
    int biBitCount = 32;
    std::vector<uint32_t> palette;
};

// Bitmaps and images larger than this are refused, so a corrupt size never exhausts memory.
inline constexpr int64_t MaxBitmapPixels = int64_t(1) << 28;

// Bytes of one row padded to 4 bytes; 64-bit, as a width of the cap times 32 bits does not fit an int.
int64_t DIBRowBytes(int64_t width, int bitCount);

// bitCount 1 makes a monochrome bitmap; any other value a colour bitmap of that format. The optional
// bits are in the platform's device-dependent layout: rows padded to 2 bytes (1 bit) or 4 bytes.
HBITMAP CreateBitmap(int width, int height, int planes, int bitCount, const void* bits = nullptr);
// A colour bitmap of 32 bits, or a monochrome one when the context has a monochrome bitmap selected
// (a context without a bitmap counts as the screen).
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
HBITMAP CreateDIBitmap(const BITMAPINFO& info, const void* bits);
bool GetObject(HBITMAP bitmap, BITMAP& out);

// Reads all rows of the bitmap into bits in the format of info (which also receives the palette for
// 8 bits and below: the bitmap's own palette when it has that format, else a grey or black/white one).
// Answers the number of rows read, 0 on failure.
int GetDIBits(HBITMAP bitmap, BITMAPINFO& info, void* bits);
// Writes rows from a pixel array in the format of info; the sizes must agree. Answers the rows written.
int SetDIBits(HBITMAP bitmap, const BITMAPINFO& info, const void* bits);

// Raster operations: the ternary code's truth table sits in bits 16..23 (index = P << 2 | S << 1 | D).
enum : uint32_t {
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,
    SRCAND = 0x008800C6,
    SRCINVERT = 0x00660046,
    SRCERASE = 0x00440328,
    NOTSRCCOPY = 0x00330008,
    NOTSRCERASE = 0x001100A6,
    MERGECOPY = 0x00C000CA,
    MERGEPAINT = 0x00BB0226,
    PATCOPY = 0x00F00021,
    PATPAINT = 0x00FB0A09,
    PATINVERT = 0x005A0049,
    DSTINVERT = 0x00550009,
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
    DSTCOPY = 0x00AA0029,
};

// Monochrome sources draw 0 bits in the destination's text colour and 1 bits in its background colour;
// colour sources into a monochrome destination give white where they equal the source's background colour.
bool BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, uint32_t rop);
// Nearest-pixel stretching; negative sizes mirror.
bool StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, uint32_t rop);
bool PatBlt(HDC dest, int x, int y, int width, int height, uint32_t rop);

struct BLENDFUNCTION {
    uint8_t BlendOp = 0; // AC_SRC_OVER
    uint8_t BlendFlags = 0;
    uint8_t SourceConstantAlpha = 255;
    uint8_t AlphaFormat = 0; // AC_SRC_ALPHA: the source carries premultiplied per-pixel alpha
};
enum : uint8_t { AC_SRC_OVER = 0, AC_SRC_ALPHA = 1 };
// Source-over blending; stretches (nearest pixel) when the sizes differ.
bool AlphaBlend(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, BLENDFUNCTION blend);

// Moves the pixels of scrollRect (whole context when null) by (dx, dy), limited to clipRect when given;
// updateRect receives the bounds of the uncovered area.
bool ScrollDC(HDC dc, int dx, int dy, const TRect* scrollRect, const TRect* clipRect, TRect* updateRect);

} // namespace zorvy
