#pragma once
// Pictures held as editor values. A value is the file image of a graphic as a byte string (Null for no
// picture), optionally behind an 8-byte graphic header that reading skips. The graphic classes a value
// may be read as are registered here: TBitmap, TIcon, the PNG graphic TdxPNGImage (pixels with alpha)
// and the JPEG graphic TJPEGImage. Reading never trusts the bytes: what does not decode leaves the
// picture empty and says so.
#include "platform/classlib/Bitmap.h"
#include "platform/rtl/Variant.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zorvy {

// A picture with per-pixel alpha (premultiplied) that reads every format the platform decodes and
// writes PNG. A 24-bit source becomes fully opaque.
class TdxPNGImage : public TGraphic {
    ZORVY_CLASS(TdxPNGImage, TGraphic)
  public:
    // Always transparent: its own alpha decides what shows through.
    TdxPNGImage() { transparent_ = true; }
    ~TdxPNGImage() override;
    // A TBitmap (opaque unless its pixel format is 32-bit) or another PNG graphic.
    void Assign(TPersistent* source) override;
    bool Empty() const override { return GetWidth() < 1 || GetHeight() < 1; }
    int GetWidth() const override { return image_ ? image_->width : 0; }
    int GetHeight() const override { return image_ ? image_->height : 0; }
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    // Always drawn with its alpha; the whole image is stretched over r, last row and column included.
    void Draw(TCanvas* canvas, const TRect& r) override;
    void LoadFromFile(const std::string& path) override;
    void SaveToFile(const std::string& path) override;
    // 13 bytes or fewer give an empty graphic; "BM" is read as a Windows bitmap (opaque); anything
    // else by its signature. EImageError for what does not decode.
    void LoadFromBytes(std::span<const std::uint8_t> data);
    // PNG with alpha; nothing for an empty graphic.
    std::vector<std::uint8_t> SaveToBytes() const;
    // The pixels (premultiplied alpha), owned by the graphic; nullptr when empty.
    HBITMAP GetImage() const { return image_; }
    // Takes ownership.
    void SetImage(HBITMAP image);
    // A 32-bit bitmap of the pixels with their alpha.
    std::unique_ptr<TBitmap> GetAsBitmap() const;

  private:
    HBITMAP image_ = nullptr;
};

// A bitmap that reads and writes JPEG files.
class TJPEGImage : public TBitmap {
    ZORVY_CLASS(TJPEGImage, TBitmap)
  public:
    TJPEGImage() = default;
    int CompressionQuality = 90;
};

// The graphic classes a value may be read as, in order: TBitmap, TIcon, TdxPNGImage, TJPEGImage.
const std::vector<const TMetaClass*>& GetRegisteredGraphicClasses();
// Adds a class once.
void AddGraphicClass(const TMetaClass* graphicClass);
// By name, letter case aside; nullptr when not registered.
const TMetaClass* FindGraphicClassByName(const std::string& name);

// A graphic of any registered class from its file bytes (EImageError when they do not decode) and to
// them: a bitmap as BMP, an icon as ICO, the PNG graphic as PNG, the JPEG graphic as JPEG.
void LoadGraphicFromBytes(TGraphic& graphic, std::span<const std::uint8_t> data);
std::vector<std::uint8_t> SaveGraphicToBytes(TGraphic& graphic);

// The bytes a value's graphic starts at: after a graphic header (count 1, type 0x0100, size = the rest)
// when the value has one, else at 0.
std::span<const std::uint8_t> PictureBytesOfValue(const std::string& value);

// How a value was read into a picture.
enum class TcxPictureLoadResult { Loaded, Empty, Unreadable };

// The picture from a value: a byte string (varString) is read with graphicClass (a bitmap when nil); any other
// value, an empty stream and bytes that do not decode leave the picture empty. Never raises.
TcxPictureLoadResult LoadPictureFromValue(TPicture& picture, const TMetaClass* graphicClass, const Variant& value);
// The picture's file image (no header); empty for no picture or an empty one.
void SavePictureToString(TPicture& picture, std::string& value);

} // namespace zorvy
