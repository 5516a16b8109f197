#include "platform/gdi/ImageCodecs.h"

#include "platform/gdi/GdiObjects.h"

#include <png.h>

#include <algorithm>
#include <cstring>

namespace zorvy {

namespace {

uint32_t Premultiply(uint32_t bgra) {
    uint32_t a = bgra >> 24;
    if (a == 255) return bgra;
    auto channel = [&](int shift) { return ((((bgra >> shift) & 0xFF) * a + 127) / 255) << shift; };
    return (a << 24) | channel(16) | channel(8) | channel(0);
}

uint32_t Unpremultiply(uint32_t bgra) {
    uint32_t a = bgra >> 24;
    if (a == 255 || a == 0) return a == 0 ? 0 : bgra;
    auto channel = [&](int shift) {
        return std::min<uint32_t>(255, (((bgra >> shift) & 0xFF) * 255 + a / 2) / a) << shift;
    };
    return (a << 24) | channel(16) | channel(8) | channel(0);
}

} // namespace

HBITMAP LoadPng(std::span<const uint8_t> data) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data.data(), data.size()))
        throw EImageError(std::string("Invalid PNG image: ") + image.message);
    image.format = PNG_FORMAT_BGRA;
    if (image.width == 0 || image.height == 0 ||
        uint64_t(image.width) * image.height > uint64_t(MaxBitmapPixels)) {
        png_image_free(&image);
        throw EImageError("Invalid PNG image: unsupported size");
    }
    // Deflate packs at most 1032 bytes into one, and every row holds a filter byte and at least a bit per
    // pixel: a file shorter than that is cut off, refused before its size is allocated.
    if (uint64_t(data.size()) * 1032 < uint64_t(image.height) * (1 + (uint64_t(image.width) + 7) / 8)) {
        png_image_free(&image);
        throw EImageError("Invalid PNG image: the file is truncated");
    }
    HBITMAP bitmap = CreateBitmap(int(image.width), int(image.height), 1, 32);
    if (!png_image_finish_read(&image, nullptr, bitmap->bits.data(), 0, nullptr)) {
        std::string message = image.message;
        png_image_free(&image);
        DeleteObject(bitmap);
        throw EImageError("Invalid PNG image: " + message);
    }
    for (uint32_t& p : bitmap->bits)
        p = Premultiply(p);
    return bitmap;
}

std::vector<uint8_t> SavePng(HBITMAP bitmap, bool withAlpha) {
    if (!bitmap || bitmap->width <= 0 || bitmap->height <= 0 || !bitmap->Valid())
        throw EImageError("Cannot write an empty bitmap as PNG");
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(bitmap->width);
    image.height = png_uint_32(bitmap->height);
    std::vector<uint8_t> pixels;
    if (withAlpha) {
        image.format = PNG_FORMAT_BGRA;
        pixels.resize(bitmap->bits.size() * 4);
        for (size_t i = 0; i < bitmap->bits.size(); ++i) {
            uint32_t v = Unpremultiply(bitmap->bits[i]);
            std::memcpy(&pixels[i * 4], &v, 4);
        }
    } else {
        image.format = PNG_FORMAT_BGR;
        pixels.resize(bitmap->bits.size() * 3);
        for (size_t i = 0; i < bitmap->bits.size(); ++i) {
            uint32_t v = bitmap->bits[i];
            pixels[i * 3] = uint8_t(v);
            pixels[i * 3 + 1] = uint8_t(v >> 8);
            pixels[i * 3 + 2] = uint8_t(v >> 16);
        }
    }
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr))
        throw EImageError(std::string("Cannot write PNG image: ") + image.message);
    std::vector<uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, pixels.data(), 0, nullptr))
        throw EImageError(std::string("Cannot write PNG image: ") + image.message);
    out.resize(size);
    return out;
}

void SavePngFile(HBITMAP bitmap, const std::string& path, bool withAlpha) {
    WriteImageFileBytes(path, SavePng(bitmap, withAlpha));
}

} // namespace zorvy
