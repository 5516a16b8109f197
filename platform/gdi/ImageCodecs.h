#pragma once
// Image files: PNG (with alpha) and JPEG read and written, BMP and ICO read. Loaded images are
// 32-bit bitmaps; an image with alpha keeps it premultiplied in the alpha byte, ready for AlphaBlend.
// A truncated, corrupt or unsupported file raises EImageError; nothing is half-loaded.
#include "platform/gdi/Bitmaps.h"
#include "platform/rtl/Exceptions.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zorvy {

class EImageError : public Exception {
  public:
    using Exception::Exception;
};

enum class TImageFormat { Unknown, Png, Jpeg, Bmp, Ico };
// Recognises the format by the first bytes.
TImageFormat DetectImageFormat(std::span<const uint8_t> data);

HBITMAP LoadPng(std::span<const uint8_t> data);
HBITMAP LoadJpeg(std::span<const uint8_t> data);
HBITMAP LoadBmp(std::span<const uint8_t> data);
// The largest image of the icon file.
HBITMAP LoadIco(std::span<const uint8_t> data);
// Any of the formats above, by its signature.
HBITMAP LoadImageData(std::span<const uint8_t> data);
HBITMAP LoadImageFile(const std::string& path);

// withAlpha writes the alpha byte (un-premultiplied); otherwise the pixels are written opaque, as they
// show on the screen.
std::vector<uint8_t> SavePng(HBITMAP bitmap, bool withAlpha = false);
std::vector<uint8_t> SaveJpeg(HBITMAP bitmap, int quality = 90);
void SavePngFile(HBITMAP bitmap, const std::string& path, bool withAlpha = false);
void SaveJpegFile(HBITMAP bitmap, const std::string& path, int quality = 90);

// Whole files as bytes; EImageError when the file cannot be read or written.
std::vector<uint8_t> ReadImageFileBytes(const std::string& path);
void WriteImageFileBytes(const std::string& path, std::span<const uint8_t> data);

} // namespace zorvy
