// Picture values: the optional graphic header, what loads as empty or unreadable, the PNG graphic's
// alpha rules, and the round trip of every registered class through its bytes.
#include "controls/editors/image/PictureValue.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ImageCodecs.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

// A w x h picture of one colour (0xAARRGGBB, premultiplied where alpha is not 255).
HBITMAP Solid(int w, int h, std::uint32_t argb) {
    HBITMAP b = CreateBitmap(w, h, 1, 32);
    std::fill(b->bits.begin(), b->bits.end(), argb);
    return b;
}

std::string PngValue(int w, int h, std::uint32_t argb) {
    HBITMAP b = Solid(w, h, argb);
    const auto bytes = SavePng(b, true);
    DeleteObject(b);
    return std::string(bytes.begin(), bytes.end());
}

std::string WithHeader(const std::string& bytes) {
    const std::uint32_t size = static_cast<std::uint32_t>(bytes.size());
    std::string header = {1, 0, 0, 1, char(size), char(size >> 8), char(size >> 16), char(size >> 24)};
    return header + bytes;
}

class PictureValueTest : public EditorsTest {};

TEST_F(PictureValueTest, AGraphicHeaderIsSkippedAndOnlyAMatchingOne) {
    const std::string png = PngValue(6, 4, 0xFF336699);
    TPicture plain, headed;
    EXPECT_EQ(LoadPictureFromValue(plain, TdxPNGImage::StaticClass(), Variant::FromBytes(png)),
              TcxPictureLoadResult::Loaded);
    EXPECT_EQ(LoadPictureFromValue(headed, TdxPNGImage::StaticClass(), Variant::FromBytes(WithHeader(png))),
              TcxPictureLoadResult::Loaded);
    ASSERT_EQ(headed.GetWidth(), 6);
    EXPECT_EQ(headed.GetHeight(), 4);
    EXPECT_EQ(static_cast<TdxPNGImage*>(headed.GetGraphic())->GetImage()->bits,
              static_cast<TdxPNGImage*>(plain.GetGraphic())->GetImage()->bits);
    // A header whose size is not the rest is part of the picture: these bytes do not decode.
    std::string wrong = WithHeader(png);
    wrong[4] = char(wrong[4] + 1);
    EXPECT_EQ(LoadPictureFromValue(headed, TdxPNGImage::StaticClass(), Variant::FromBytes(wrong)),
              TcxPictureLoadResult::Unreadable);
    EXPECT_EQ(headed.GetGraphic(), nullptr);
    // Exactly a header with size 0: an empty stream.
    EXPECT_EQ(LoadPictureFromValue(headed, nullptr, Variant::FromBytes(WithHeader(""))), TcxPictureLoadResult::Empty);
}

TEST_F(PictureValueTest, OnlyByteStringsHoldPicturesAndBadBytesAreUnreadable) {
    TPicture picture;
    const std::string png = PngValue(3, 3, 0xFF00FF00);
    const struct {
        Variant value;
        TcxPictureLoadResult expected;
    } cases[] = {
        {Variant::Null(), TcxPictureLoadResult::Empty},
        {Variant(png), TcxPictureLoadResult::Empty}, // a text, not a byte string
        {Variant(42), TcxPictureLoadResult::Empty},
        {Variant::FromBytes(""), TcxPictureLoadResult::Empty},
        {Variant::FromBytes(png.substr(0, png.size() / 2)), TcxPictureLoadResult::Unreadable},
        {Variant::FromBytes("not a picture at all, just words"), TcxPictureLoadResult::Unreadable},
        {Variant::FromBytes(png), TcxPictureLoadResult::Loaded},
    };
    for (const auto& c : cases) {
        picture.SetGraphic(nullptr);
        EXPECT_EQ(LoadPictureFromValue(picture, nullptr, c.value), c.expected) << VarToStr(c.value).size();
    }
    // A PNG graphic of 13 bytes or fewer is empty, not an error.
    TdxPNGImage small;
    small.LoadFromBytes({reinterpret_cast<const std::uint8_t*>(png.data()), 13});
    EXPECT_TRUE(small.Empty());
}

TEST_F(PictureValueTest, APngGraphicIsOpaqueUnlessItsSourceHasAlpha) {
    TBitmap bitmap;
    bitmap.SetHandle(Solid(2, 2, 0x00112233)); // alpha bytes 0, as drawing leaves them
    TdxPNGImage png;
    png.Assign(&bitmap);
    for (std::uint32_t p : png.GetImage()->bits) EXPECT_EQ(p >> 24, 0xFFu);
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetHandle(Solid(2, 2, 0x80081018));
    png.Assign(&bitmap);
    for (std::uint32_t p : png.GetImage()->bits) EXPECT_EQ(p >> 24, 0x80u);
    // A Windows bitmap file read by the PNG graphic is opaque as well.
    std::vector<std::uint8_t> bmp = SaveGraphicToBytes(bitmap);
    ASSERT_EQ(bmp[0], 'B');
    png.LoadFromBytes(bmp);
    for (std::uint32_t p : png.GetImage()->bits) EXPECT_EQ(p >> 24, 0xFFu);
}

TEST_F(PictureValueTest, EveryRegisteredClassReadsBackWhatItWrites) {
    const auto& classes = GetRegisteredGraphicClasses();
    ASSERT_EQ(classes.size(), 4u);
    EXPECT_EQ(classes[0], TBitmap::StaticClass());
    EXPECT_EQ(FindGraphicClassByName("tdxpngimage"), TdxPNGImage::StaticClass());
    EXPECT_EQ(FindGraphicClassByName("TMetafile"), nullptr);
    AddGraphicClass(TBitmap::StaticClass());
    EXPECT_EQ(GetRegisteredGraphicClasses().size(), 4u);

    for (const TMetaClass* kind : classes) {
        std::unique_ptr<TGraphic> graphic(CreateInstance<TGraphic>(kind));
        if (auto* png = dynamic_cast<TdxPNGImage*>(graphic.get()))
            png->SetImage(Solid(9, 5, 0xFF204060));
        else if (auto* icon = dynamic_cast<TIcon*>(graphic.get()))
            icon->SetImage(Solid(9, 5, 0xFF204060));
        else
            static_cast<TBitmap*>(graphic.get())->SetHandle(Solid(9, 5, 0x00204060));
        TPicture picture;
        picture.SetGraphic(graphic.get());
        std::string saved;
        SavePictureToString(picture, saved);
        TPicture back;
        EXPECT_EQ(LoadPictureFromValue(back, kind, Variant::FromBytes(saved)), TcxPictureLoadResult::Loaded)
            << kind->ClassName();
        ASSERT_NE(back.GetGraphic(), nullptr);
        EXPECT_EQ(back.GetGraphic()->ClassType(), kind);
        EXPECT_EQ(back.GetWidth(), 9);
        EXPECT_EQ(back.GetHeight(), 5);
    }
    // A JPEG graphic reads JPEG only.
    TPicture jpeg;
    EXPECT_EQ(LoadPictureFromValue(jpeg, TJPEGImage::StaticClass(), Variant::FromBytes(PngValue(2, 2, 0xFF000000))),
              TcxPictureLoadResult::Unreadable);
    TPicture empty;
    std::string nothing = "x";
    SavePictureToString(empty, nothing);
    EXPECT_EQ(nothing, "");
}

} // namespace
} // namespace zorvy::test
