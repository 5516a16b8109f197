#include "GdiTestSupport.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

using testing::TSurface;

TEST(GdiBlit, RasterOperationsCombineSourceDestinationAndPattern) {
    const COLORREF src = RGB(0xF0, 0x0F, 0x33), dst = RGB(0xCC, 0xAA, 0x0F), pat = RGB(0x81, 0x42, 0xFF);
    auto pixel = [](COLORREF c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); };
    uint32_t S = pixel(src), D = pixel(dst), P = pixel(pat);
    struct TCase {
        const char* name;
        uint32_t rop;
        uint32_t expect;
    } cases[] = {
        {"SRCCOPY", SRCCOPY, S},
        {"SRCPAINT", SRCPAINT, S | D},
        {"SRCAND", SRCAND, S & D},
        {"SRCINVERT", SRCINVERT, S ^ D},
        {"SRCERASE", SRCERASE, S & ~D & 0xFFFFFF},
        {"NOTSRCCOPY", NOTSRCCOPY, ~S & 0xFFFFFF},
        {"DSTINVERT", DSTINVERT, ~D & 0xFFFFFF},
        {"dest and not src", 0x00220326, D & ~S & 0xFFFFFF},
        {"MERGECOPY", MERGECOPY, P & S},
        {"PATCOPY", PATCOPY, P},
        {"PATINVERT", PATINVERT, P ^ D},
        {"BLACKNESS", BLACKNESS, 0},
        {"WHITENESS", WHITENESS, 0xFFFFFF},
        {"brush where source is black, else dest", 0x00B8074A, (S & D) | (~S & P)},
    };
    TSurface source(4, 4, src);
    for (const TCase& c : cases) {
        TSurface dest(4, 4, dst);
        HBRUSH brush = CreateSolidBrush(pat);
        HGDIOBJ old = SelectObject(dest.dc, brush);
        EXPECT_TRUE(BitBlt(dest.dc, 1, 1, 2, 2, source.dc, 0, 0, c.rop)) << c.name;
        SelectObject(dest.dc, old);
        DeleteObject(brush);
        EXPECT_EQ(dest.Raw(1, 1) & 0xFFFFFF, c.expect) << c.name;
        EXPECT_EQ(dest.Raw(2, 2) & 0xFFFFFF, c.expect) << c.name;
        EXPECT_EQ(dest.At(0, 0), dst) << c.name << ": outside the target";
        EXPECT_EQ(dest.At(3, 3), dst) << c.name << ": outside the target";
    }
}

TEST(GdiBlit, MonochromeConversionsUseTextAndBackgroundColours) {
    // Colour to monochrome: the source's background colour becomes white, everything else black.
    TSurface colour(4, 1, RGB(255, 0, 255));
    colour.Fill(Rect(0, 0, 2, 1), RGB(10, 20, 30));
    HBITMAP mask = CreateBitmap(4, 1, 1, 1);
    HDC maskDc = CreateCompatibleDC(nullptr);
    SelectObject(maskDc, mask);
    SetBkColor(colour.dc, RGB(255, 0, 255));
    BitBlt(maskDc, 0, 0, 4, 1, colour.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(mask->Row(0)[0], 0u);
    EXPECT_EQ(mask->Row(0)[3], 0xFFFFFFu);
    // Monochrome to colour: black takes the text colour, white the background colour.
    TSurface out(4, 1);
    SetTextColor(out.dc, RGB(1, 2, 3));
    SetBkColor(out.dc, RGB(4, 5, 6));
    BitBlt(out.dc, 0, 0, 4, 1, maskDc, 0, 0, SRCCOPY);
    EXPECT_EQ(out.At(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(out.At(3, 0), RGB(4, 5, 6));
    // A monochrome context makes monochrome compatible bitmaps.
    HBITMAP compatible = CreateCompatibleBitmap(maskDc, 2, 2);
    BITMAP info;
    GetObject(compatible, info);
    EXPECT_EQ(info.bmBitsPixel, 1);
    DeleteObject(compatible);
    DeleteDC(maskDc);
    DeleteObject(mask);
}

TEST(GdiBlit, StretchMirrorAndOverlappingCopies) {
    TSurface src(2, 2);
    SetPixel(src.dc, 0, 0, RGB(255, 0, 0));
    SetPixel(src.dc, 1, 0, RGB(0, 255, 0));
    SetPixel(src.dc, 0, 1, RGB(0, 0, 255));
    SetPixel(src.dc, 1, 1, RGB(0, 0, 0));
    TSurface big(4, 4);
    StretchBlt(big.dc, 0, 0, 4, 4, src.dc, 0, 0, 2, 2, SRCCOPY);
    EXPECT_EQ(big.At(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(big.At(2, 1), RGB(0, 255, 0));
    EXPECT_EQ(big.At(3, 3), RGB(0, 0, 0));
    TSurface mirror(2, 2);
    StretchBlt(mirror.dc, 1, 0, -2, 2, src.dc, 0, 0, 2, 2, SRCCOPY);
    EXPECT_EQ(mirror.At(0, 0), RGB(0, 255, 0));
    EXPECT_EQ(mirror.At(1, 0), RGB(255, 0, 0));

    // Copying a surface onto itself, shifted, reads the pixels as they were before the copy.
    TSurface strip(6, 1);
    for (int x = 0; x < 6; ++x)
        SetPixel(strip.dc, x, 0, RGB(uint8_t(x * 10), 0, 0));
    BitBlt(strip.dc, 1, 0, 5, 1, strip.dc, 0, 0, SRCCOPY);
    for (int x = 1; x < 6; ++x)
        EXPECT_EQ(strip.At(x, 0), RGB(uint8_t((x - 1) * 10), 0, 0));
    TRect update;
    ScrollDC(strip.dc, -1, 0, nullptr, nullptr, &update);
    EXPECT_EQ(strip.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(update, Rect(5, 0, 6, 1));
}

TEST(GdiBlit, AlphaBlendWithPerPixelAndConstantAlpha) {
    // Premultiplied source pixels: opaque red, half-transparent green, fully transparent.
    HBITMAP image = CreateBitmap(3, 1, 1, 32);
    image->Row(0)[0] = 0xFFFF0000;
    image->Row(0)[1] = 0x80008000;
    image->Row(0)[2] = 0x00000000;
    HDC src = CreateBitmapDC(image);
    TSurface dest(3, 1, RGB(0, 0, 255));
    AlphaBlend(dest.dc, 0, 0, 3, 1, src, 0, 0, 3, 1, {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
    EXPECT_EQ(dest.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(dest.At(1, 0), RGB(0, 128, 127));
    EXPECT_EQ(dest.At(2, 0), RGB(0, 0, 255));
    TSurface faded(3, 1, RGB(0, 0, 0));
    AlphaBlend(faded.dc, 0, 0, 3, 1, src, 0, 0, 3, 1, {AC_SRC_OVER, 0, 0, AC_SRC_ALPHA});
    EXPECT_EQ(faded.Count(RGB(0, 0, 0)), 3) << "constant alpha 0 leaves the destination";
    TSurface constant(1, 1, RGB(0, 0, 0));
    AlphaBlend(constant.dc, 0, 0, 1, 1, src, 0, 0, 1, 1, {AC_SRC_OVER, 0, 51, 0});
    EXPECT_EQ(constant.At(0, 0), RGB(51, 0, 0));
    EXPECT_FALSE(AlphaBlend(constant.dc, 0, 0, 1, 1, src, 0, 0, 0, 1, {}));
    DeleteDC(src);
    DeleteObject(image);
}

TEST(GdiBlit, DeviceIndependentBitsRoundTripInEveryFormat) {
    TSurface s(5, 3);
    const COLORREF colours[3] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 0, 0)};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            SetPixel(s.dc, x, y, colours[(x + y) % 3]);
    std::vector<uint32_t> original = s.bitmap->bits;
    for (int bits : {32, 24, 8, 4}) {
        for (int height : {3, -3}) {
            BITMAPINFO info;
            info.biWidth = 5;
            info.biHeight = height;
            info.biBitCount = bits;
            std::vector<uint8_t> buffer(size_t(DIBRowBytes(5, bits)) * 3);
            EXPECT_EQ(GetDIBits(s.bitmap, info, buffer.data()), 3) << bits;
            HBITMAP copy = CreateDIBitmap(info, buffer.data());
            ASSERT_NE(copy, nullptr);
            for (size_t i = 0; i < original.size(); ++i)
                ASSERT_EQ(copy->bits[i] & 0xFFFFFF, original[i])
                    << bits << " bits, height " << height << ", " << i;
            DeleteObject(copy);
        }
    }
    // Bottom-up rows start with the last row.
    BITMAPINFO info;
    info.biWidth = 5;
    info.biHeight = 3;
    std::vector<uint32_t> rows(15);
    GetDIBits(s.bitmap, info, rows.data());
    EXPECT_EQ(rows[0], s.Raw(0, 2));
    // Monochrome keeps only black and white.
    info.biBitCount = 1;
    std::vector<uint8_t> mono(size_t(DIBRowBytes(5, 1)) * 3);
    GetDIBits(s.bitmap, info, mono.data());
    EXPECT_EQ(info.palette.size(), 2u);
    EXPECT_EQ(SetDIBits(s.bitmap, BITMAPINFO{4, 3, 32, {}}, rows.data()), 0) << "sizes must agree";
}

} // namespace
} // namespace zorvy
