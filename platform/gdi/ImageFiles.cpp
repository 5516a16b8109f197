#include "platform/gdi/ImageCodecs.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace zorvy {

TImageFormat DetectImageFormat(std::span<const uint8_t> data) {
    static const uint8_t png[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (data.size() >= 8 && std::memcmp(data.data(), png, 8) == 0) return TImageFormat::Png;
    if (data.size() >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return TImageFormat::Jpeg;
    if (data.size() >= 2 && data[0] == 'B' && data[1] == 'M') return TImageFormat::Bmp;
    if (data.size() >= 4 && data[0] == 0 && data[1] == 0 && (data[2] == 1 || data[2] == 2) && data[3] == 0)
        return TImageFormat::Ico;
    return TImageFormat::Unknown;
}

HBITMAP LoadImageData(std::span<const uint8_t> data) {
    switch (DetectImageFormat(data)) {
    case TImageFormat::Png:
        return LoadPng(data);
    case TImageFormat::Jpeg:
        return LoadJpeg(data);
    case TImageFormat::Bmp:
        return LoadBmp(data);
    case TImageFormat::Ico:
        return LoadIco(data);
    case TImageFormat::Unknown:
        break;
    }
    throw EImageError("Unknown picture format");
}

HBITMAP LoadImageFile(const std::string& path) {
    return LoadImageData(ReadImageFileBytes(path));
}

std::vector<uint8_t> ReadImageFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw EImageError("Cannot open file \"" + path + "\"");
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) throw EImageError("Cannot read file \"" + path + "\"");
    return bytes;
}

void WriteImageFileBytes(const std::string& path, std::span<const uint8_t> data) {
    // Written beside the target first, so a failed write never leaves a half-written picture behind.
    std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) throw EImageError("Cannot create file \"" + path + "\"");
        file.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
        file.flush();
        if (!file) {
            file.close();
            std::remove(temporary.c_str());
            throw EImageError("Cannot write file \"" + path + "\"");
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw EImageError("Cannot write file \"" + path + "\"");
    }
}

} // namespace zorvy
