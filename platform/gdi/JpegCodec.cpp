#include "platform/gdi/ImageCodecs.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
// jpeglib.h needs size_t and FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

namespace zorvy {

namespace {

// libjpeg's default handler ends the process; ours jumps back with the message instead. Data that
// ends early or breaks off counts as an error too, not as a grey-filled picture.
struct TJpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool truncated;
};

void ErrorExit(j_common_ptr info) {
    auto* error = reinterpret_cast<TJpegError*>(info->err);
    info->err->format_message(info, error->message);
    std::longjmp(error->jump, 1);
}

void EmitMessage(j_common_ptr info, int level) {
    auto* error = reinterpret_cast<TJpegError*>(info->err);
    if (level < 0 && (info->err->msg_code == JWRN_JPEG_EOF || info->err->msg_code == JWRN_HIT_MARKER) &&
        !error->truncated) {
        error->truncated = true;
        info->err->format_message(info, error->message);
    }
}

void InitError(TJpegError& error) {
    jpeg_std_error(&error.manager);
    error.manager.error_exit = ErrorExit;
    error.manager.emit_message = EmitMessage;
    error.message[0] = '\0';
    error.truncated = false;
}

// libjpeg's work memory beyond which an image is refused: a progressive image of the pixel cap needs
// about this much for its coefficients.
constexpr long MaxJpegWorkMemory = 1L << 30;

// Decodes into pixels (0x00RRGGBB, top-down); answers false with the error's message filled in. An image
// over the pixel cap is refused from its header, and decoding stops at the first row past the end of the
// data, so a short file claiming a huge size costs neither time nor memory.
// Nothing with a destructor lives in this frame across the jump.
bool Decode(const uint8_t* data, size_t size, TJpegError& error, std::vector<uint32_t>* pixels, int* width,
            int* height) {
    jpeg_decompress_struct info;
    info.err = &error.manager;
    JSAMPLE* volatile row = nullptr;
    if (setjmp(error.jump)) {
        std::free(row);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    if (info.image_width == 0 || info.image_height == 0 ||
        uint64_t(info.image_width) * info.image_height > uint64_t(MaxBitmapPixels)) {
        std::snprintf(error.message, sizeof error.message, "unsupported size");
        jpeg_destroy_decompress(&info);
        return false;
    }
    // A progressive image is decoded whole when decompression starts, into coefficients for every
    // pixel it claims. Its first scan codes each 8 x 8 block in at least one bit, so an image of more
    // than 512 pixels per byte of file cannot be complete: it is refused before that work.
    if (jpeg_has_multiple_scans(&info) && uint64_t(info.image_width) * info.image_height > uint64_t(size) * 1024) {
        std::snprintf(error.message, sizeof error.message, "the data is too short for the image's size");
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.mem->max_memory_to_use = MaxJpegWorkMemory;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info); // reads a whole progressive image
    if (error.truncated || info.output_components != 3) {
        if (!error.truncated) std::snprintf(error.message, sizeof error.message, "unsupported colour layout");
        jpeg_destroy_decompress(&info);
        return false;
    }
    *width = int(info.output_width);
    *height = int(info.output_height);
    row = static_cast<JSAMPLE*>(std::malloc(size_t(*width) * 3));
    JSAMPROW rows[1] = {row};
    // Rows are added as they are decoded, so memory grows only with the data that is there.
    while (info.output_scanline < info.output_height && !error.truncated) {
        if (jpeg_read_scanlines(&info, rows, 1) != 1) break;
        const size_t y = pixels->size() / size_t(*width);
        pixels->resize(pixels->size() + size_t(*width));
        uint32_t* out = pixels->data() + y * size_t(*width);
        for (int x = 0; x < *width; ++x)
            out[x] = uint32_t(row[3 * x]) << 16 | uint32_t(row[3 * x + 1]) << 8 | uint32_t(row[3 * x + 2]);
    }
    std::free(row);
    row = nullptr;
    if (error.truncated || info.output_scanline < info.output_height) {
        if (!error.truncated) std::snprintf(error.message, sizeof error.message, "the data ends early");
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return !error.truncated;
}

bool Encode(const uint32_t* pixels, int width, int height, int quality, TJpegError& error,
            unsigned char** out, unsigned long* outSize) {
    jpeg_compress_struct info;
    info.err = &error.manager;
    JSAMPLE* volatile row = nullptr;
    if (setjmp(error.jump)) {
        std::free(row);
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, outSize);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    row = static_cast<JSAMPLE*>(std::malloc(size_t(width) * 3));
    JSAMPROW rows[1] = {row};
    while (info.next_scanline < info.image_height) {
        const uint32_t* in = pixels + size_t(info.next_scanline) * size_t(width);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = JSAMPLE((in[x] >> 16) & 0xFF);
            row[3 * x + 1] = JSAMPLE((in[x] >> 8) & 0xFF);
            row[3 * x + 2] = JSAMPLE(in[x] & 0xFF);
        }
        jpeg_write_scanlines(&info, rows, 1);
    }
    std::free(row);
    row = nullptr;
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

HBITMAP LoadJpeg(std::span<const uint8_t> data) {
    if (data.empty()) throw EImageError("Invalid JPEG image: the data is empty");
    TJpegError error;
    InitError(error);
    std::vector<uint32_t> pixels;
    int width = 0, height = 0;
    if (!Decode(data.data(), data.size(), error, &pixels, &width, &height))
        throw EImageError(std::string("Invalid JPEG image: ") + error.message);
    HBITMAP bitmap = CreateBitmap(width, height, 1, 24);
    bitmap->bits = std::move(pixels);
    return bitmap;
}

std::vector<uint8_t> SaveJpeg(HBITMAP bitmap, int quality) {
    if (!bitmap || bitmap->width <= 0 || bitmap->height <= 0 || !bitmap->Valid())
        throw EImageError("Cannot write an empty bitmap as JPEG");
    TJpegError error;
    InitError(error);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    bool ok = Encode(bitmap->bits.data(), bitmap->width, bitmap->height, std::clamp(quality, 1, 100), error,
                     &out, &size);
    std::vector<uint8_t> result;
    if (ok) result.assign(out, out + size);
    std::free(out);
    if (!ok) throw EImageError(std::string("Cannot write JPEG image: ") + error.message);
    return result;
}

void SaveJpegFile(HBITMAP bitmap, const std::string& path, int quality) {
    WriteImageFileBytes(path, SaveJpeg(bitmap, quality));
}

} // namespace zorvy
