#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include <cstdio> // jpeglib.h needs FILE
#include <jpeglib.h>

namespace zorvy {
namespace {

struct TBitmapHolder {
    explicit TBitmapHolder(HBITMAP b) : bitmap(b) {}
    ~TBitmapHolder() { DeleteObject(bitmap); }
    HBITMAP bitmap;
};

HBITMAP Gradient(int width, int height) {
    HBITMAP b = CreateBitmap(width, height, 1, 32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            b->Row(y)[x] =
                uint32_t(x * 255 / (width - 1)) << 16 | uint32_t(y * 255 / (height - 1)) << 8 | 0x40;
    return b;
}

void Put16(std::vector<uint8_t>& v, size_t at, uint32_t x) {
    v[at] = uint8_t(x);
    v[at + 1] = uint8_t(x >> 8);
}
void Put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
    Put16(v, at, x & 0xFFFF);
    Put16(v, at + 2, x >> 16);
}

// A BMP file: 14-byte file header, 40-byte info header, palette, rows.
std::vector<uint8_t> BmpFile(int width, int height, int bits, const std::vector<uint32_t>& palette,
                             const std::vector<uint8_t>& rows) {
    size_t bitsAt = 14 + 40 + palette.size() * 4;
    std::vector<uint8_t> f(bitsAt + rows.size(), 0);
    f[0] = 'B';
    f[1] = 'M';
    Put32(f, 2, uint32_t(f.size()));
    Put32(f, 10, uint32_t(bitsAt));
    Put32(f, 14, 40);
    Put32(f, 18, uint32_t(width));
    Put32(f, 22, uint32_t(height));
    Put16(f, 26, 1);
    Put16(f, 28, uint32_t(bits));
    Put32(f, 46, uint32_t(palette.size()));
    for (size_t i = 0; i < palette.size(); ++i)
        Put32(f, 54 + 4 * i, palette[i]);
    std::copy(rows.begin(), rows.end(), f.begin() + long(bitsAt));
    return f;
}

TEST(GdiImageCodec, PngRoundTripsKeepAlphaOrWriteOpaquePixels) {
    TBitmapHolder image(CreateBitmap(3, 2, 1, 32));
    const uint32_t pixels[6] = {0xFF102030, 0x80800000, 0x00000000, 0xFFFFFFFF, 0x40004040, 0xFF000000};
    std::copy(pixels, pixels + 6, image.bitmap->bits.begin());
    std::vector<uint8_t> withAlpha = SavePng(image.bitmap, true);
    EXPECT_EQ(DetectImageFormat(withAlpha), TImageFormat::Png);
    TBitmapHolder back(LoadPng(withAlpha));
    EXPECT_EQ(back.bitmap->bits, image.bitmap->bits);

    TBitmapHolder opaque(LoadImageData(SavePng(image.bitmap)));
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(opaque.bitmap->bits[i] >> 24, 0xFFu) << i;
        EXPECT_EQ(opaque.bitmap->bits[i] & 0xFFFFFF, pixels[i] & 0xFFFFFF) << i;
    }
}

// A picture of one colour deflates to a small fraction of its size; the check that refuses files too
// short for their size must still take it.
TEST(GdiImageCodec, AHighlyCompressedPngStillLoads) {
    TBitmapHolder image(CreateBitmap(2048, 1024, 1, 32));
    std::vector<uint8_t> png = SavePng(image.bitmap);
    ASSERT_LT(png.size(), size_t(2048) * 1024 / 100);
    TBitmapHolder back(LoadPng(png));
    EXPECT_EQ(back.bitmap->width, 2048);
    EXPECT_EQ(back.bitmap->bits[2048 * 1024 - 1], 0xFF000000u);
}

TEST(GdiImageCodec, JpegRoundTripIsCloseToTheOriginal) {
    TBitmapHolder image(Gradient(32, 24));
    std::vector<uint8_t> jpeg = SaveJpeg(image.bitmap, 95);
    EXPECT_EQ(DetectImageFormat(jpeg), TImageFormat::Jpeg);
    TBitmapHolder back(LoadJpeg(jpeg));
    ASSERT_EQ(back.bitmap->width, 32);
    ASSERT_EQ(back.bitmap->height, 24);
    EXPECT_EQ(back.bitmap->bitsPerPixel, 24);
    long total = 0;
    for (size_t i = 0; i < image.bitmap->bits.size(); ++i)
        for (int shift : {0, 8, 16})
            total += std::abs(int((back.bitmap->bits[i] >> shift) & 0xFF) -
                              int((image.bitmap->bits[i] >> shift) & 0xFF));
    EXPECT_LT(double(total) / (32 * 24 * 3), 3.0);
}

TEST(GdiImageCodec, BmpFilesInEveryBitDepthLoadTopDown) {
    // 2 x 2, bottom-up rows padded to four bytes: bottom row blue, green; top row red, white.
    std::vector<uint8_t> rows24 = {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0};
    TBitmapHolder b24(LoadBmp(BmpFile(2, 2, 24, {}, rows24)));
    EXPECT_EQ(b24.bitmap->Row(0)[0], 0xFF0000u);
    EXPECT_EQ(b24.bitmap->Row(0)[1], 0xFFFFFFu);
    EXPECT_EQ(b24.bitmap->Row(1)[0], 0x0000FFu);
    EXPECT_EQ(b24.bitmap->Row(1)[1], 0x00FF00u);

    std::vector<uint8_t> rows8 = {1, 0, 0, 0};
    TBitmapHolder b8(LoadBmp(BmpFile(2, 1, 8, {0x000000, 0x123456}, rows8)));
    EXPECT_EQ(b8.bitmap->bitsPerPixel, 8);
    EXPECT_EQ(b8.bitmap->Row(0)[0], 0x123456u);
    EXPECT_EQ(b8.bitmap->palette.size(), 2u);

    std::vector<uint8_t> rows1 = {0x80, 0, 0, 0};
    TBitmapHolder b1(LoadBmp(BmpFile(2, 1, 1, {0x000000, 0xFFFFFF}, rows1)));
    EXPECT_EQ(b1.bitmap->bitsPerPixel, 1);
    EXPECT_EQ(b1.bitmap->Row(0)[0], 0xFFFFFFu);
    EXPECT_EQ(b1.bitmap->Row(0)[1], 0u);

    std::vector<uint8_t> rows32 = {1, 2, 3, 4, 5, 6, 7, 8};
    std::vector<uint8_t> top = BmpFile(2, 1, 32, {}, rows32);
    Put32(top, 22, uint32_t(-1)); // negative height: top-down rows
    TBitmapHolder b32(LoadImageData(top));
    EXPECT_EQ(b32.bitmap->Row(0)[1], 0x08070605u);
}

TEST(GdiImageCodec, IconsTakeTheirLargestImageWithItsMask) {
    // One 2 x 2 24-bit image whose AND mask makes the top-left pixel transparent.
    std::vector<uint8_t> f(6 + 16 + 40 + 2 * 8 + 2 * 4, 0);
    Put16(f, 2, 1);
    Put16(f, 4, 1);
    f[6] = 2;
    f[7] = 2;
    Put32(f, 6 + 8, uint32_t(f.size() - 22));
    Put32(f, 6 + 12, 22);
    Put32(f, 22, 40);
    Put32(f, 26, 2);
    Put32(f, 30, 4); // colour rows and mask rows
    Put16(f, 34, 1);
    Put16(f, 36, 24);
    size_t colour = 62;
    for (int i = 0; i < 4; ++i)
        f[colour + size_t((i / 2) * 8 + (i % 2) * 3 + 2)] = 200; // red everywhere
    size_t mask = colour + 16;
    f[mask + 4] = 0x80; // second mask row is the top row: its first pixel is transparent
    TBitmapHolder icon(LoadIco(f));
    EXPECT_EQ(icon.bitmap->Row(0)[0], 0u);
    EXPECT_EQ(icon.bitmap->Row(0)[1], 0xFFC80000u);
    EXPECT_EQ(icon.bitmap->Row(1)[0], 0xFFC80000u);
}

TEST(GdiImageCodec, CorruptOrTruncatedFilesRaiseClearErrors) {
    TBitmapHolder image(Gradient(16, 16));
    std::vector<uint8_t> png = SavePng(image.bitmap), jpeg = SaveJpeg(image.bitmap);
    std::vector<uint8_t> bmp = BmpFile(2, 2, 24, {}, std::vector<uint8_t>(16, 0));
    auto cut = [](std::vector<uint8_t> v, size_t n) {
        v.resize(n);
        return v;
    };
    auto flip = [](std::vector<uint8_t> v, size_t from) {
        for (size_t i = from; i < v.size(); i += 3)
            v[i] ^= 0x5A;
        return v;
    };
    std::vector<uint8_t> hugeBmp = bmp;
    Put32(hugeBmp, 18, 0x7FFFFFFF);
    // 2^27 + 1 pixels of 32 bits: a row of 2^29 + 4 bytes, which in 32-bit arithmetic wraps to 4.
    std::vector<uint8_t> wideBmp = BmpFile(1, 1, 32, {}, std::vector<uint8_t>(64, 0));
    Put32(wideBmp, 18, (1u << 27) + 1);
    std::vector<uint8_t> lowestHeightBmp = bmp;
    Put32(lowestHeightBmp, 22, 0x80000000); // INT_MIN rows, top-down
    // A JPEG whose frame header claims 16000 x 16000 pixels, cut off soon after its scan starts.
    std::vector<uint8_t> hugeJpeg = jpeg;
    for (size_t i = 0; i + 8 < hugeJpeg.size(); ++i)
        if (hugeJpeg[i] == 0xFF && hugeJpeg[i + 1] == 0xC0) {
            hugeJpeg[i + 5] = hugeJpeg[i + 7] = 16000 >> 8;
            hugeJpeg[i + 6] = hugeJpeg[i + 8] = 16000 & 0xFF;
            break;
        }
    for (size_t i = 0; i + 1 < hugeJpeg.size(); ++i)
        if (hugeJpeg[i] == 0xFF && hugeJpeg[i + 1] == 0xDA) {
            hugeJpeg.resize(i + 40);
            break;
        }
    std::vector<uint8_t> badIcon = {0, 0,  1, 0, 1, 0, 16, 16,   0,    0, 1,
                                    0, 32, 0, 0, 1, 0, 0,  0xFF, 0xFF, 0, 0};
    struct TCase {
        const char* name;
        std::vector<uint8_t> data;
        std::function<HBITMAP(std::span<const uint8_t>)> load;
    } cases[] = {
        {"empty", {}, LoadImageData},
        {"unknown format", {1, 2, 3, 4, 5}, LoadImageData},
        {"truncated PNG", cut(png, png.size() / 2), LoadPng},
        {"corrupt PNG data", flip(png, 40), LoadPng},
        {"PNG header only", cut(png, 8), LoadPng},
        {"truncated JPEG", cut(jpeg, jpeg.size() / 2), LoadJpeg},
        {"JPEG marker only", {0xFF, 0xD8, 0xFF}, LoadJpeg},
        {"corrupt JPEG", flip(jpeg, 2), LoadJpeg},
        {"truncated BMP rows", cut(bmp, bmp.size() - 3), LoadBmp},
        {"truncated BMP header", cut(bmp, 20), LoadBmp},
        {"BMP of absurd size", hugeBmp, LoadBmp},
        {"BMP whose row size overflows 32 bits", wideBmp, LoadBmp},
        {"BMP of INT_MIN rows", lowestHeightBmp, LoadBmp},
        {"short JPEG claiming 16000 x 16000", hugeJpeg, LoadJpeg},
        {"icon pointing past its end", badIcon, LoadIco},
    };
    for (const TCase& c : cases) {
        try {
            HBITMAP b = c.load(c.data);
            DeleteObject(b);
            ADD_FAILURE() << c.name << " loaded";
        } catch (const EImageError& e) {
            EXPECT_FALSE(std::string(e.what()).empty()) << c.name;
        }
    }
}

// A progressive grey JPEG of one flat shade, made by libjpeg itself.
std::vector<uint8_t> FlatProgressiveJpeg(int width, int height) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 1;
    info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(size_t(width), 128);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<uint8_t> data(out, out + size);
    std::free(out);
    jpeg_destroy_compress(&info);
    return data;
}

// A progressive image is decoded whole before its first row: one far too short for the size it
// claims is refused from its header, while a flat one that compresses as far as it can still loads.
TEST(GdiImageCodec, AProgressiveJpegTooShortForItsSizeIsRefusedFromItsHeader) {
    std::vector<uint8_t> flat = FlatProgressiveJpeg(1024, 1024);
    TBitmapHolder loaded(LoadJpeg(flat));
    ASSERT_EQ(loaded.bitmap->width, 1024);
    ASSERT_EQ(loaded.bitmap->height, 1024);
    EXPECT_EQ(loaded.bitmap->Row(1023)[1023] & 0xFFFFFFu, 0x808080u);

    std::vector<uint8_t> huge = FlatProgressiveJpeg(16, 16);
    for (size_t i = 0; i + 8 < huge.size(); ++i)
        if (huge[i] == 0xFF && huge[i + 1] == 0xC2) { // the progressive frame header: 16000 x 16000
            huge[i + 5] = huge[i + 7] = 16000 >> 8;
            huge[i + 6] = huge[i + 8] = 16000 & 0xFF;
            break;
        }
    try {
        HBITMAP b = LoadJpeg(huge);
        DeleteObject(b);
        ADD_FAILURE() << "loaded";
    } catch (const EImageError& e) {
        EXPECT_NE(std::string(e.what()).find("too short for the image's size"), std::string::npos) << e.what();
    }
}

TEST(GdiImageCodec, FilesAreWrittenWholeOrNotAtAll) {
    TBitmapHolder image(Gradient(4, 4));
    std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / "zorvy-gdi-codec";
    std::filesystem::create_directories(dir);
    std::string path = (dir / "picture.png").string();
    SavePngFile(image.bitmap, path);
    TBitmapHolder back(LoadImageFile(path));
    EXPECT_EQ(back.bitmap->width, 4);
    std::string jpegPath = (dir / "picture.jpg").string();
    SaveJpegFile(image.bitmap, jpegPath);
    EXPECT_EQ(DetectImageFormat(ReadImageFileBytes(jpegPath)), TImageFormat::Jpeg);
    EXPECT_THROW(SavePngFile(image.bitmap, (dir / "missing" / "x.png").string()), EImageError);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    EXPECT_THROW(LoadImageFile((dir / "none.png").string()), EImageError);
    EXPECT_THROW(SavePng(nullptr), EImageError);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace zorvy
