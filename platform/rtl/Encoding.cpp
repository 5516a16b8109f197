#include "platform/rtl/Encoding.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <memory>
#include <unicode/unistr.h>

namespace zorvy {

int Utf8CharLength(unsigned char lead) {
    if (lead < 0xC2) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    if (lead < 0xF5) return 4;
    return 1;
}

bool IsLeadByte(unsigned char c) {
    return c >= 0xC2 && c < 0xF5;
}
bool IsTrailByte(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

TMbcsByteType ByteType(std::string_view text, size_t index) {
    if (index >= text.size()) return TMbcsByteType::mbSingleByte;
    unsigned char c = static_cast<unsigned char>(text[index]);
    if (IsLeadByte(c)) return TMbcsByteType::mbLeadByte;
    if (IsTrailByte(c)) return TMbcsByteType::mbTrailByte;
    return TMbcsByteType::mbSingleByte;
}

size_t CharLengthAt(std::string_view text, size_t index) {
    if (index >= text.size()) return 0;
    size_t length = Utf8CharLength(static_cast<unsigned char>(text[index]));
    // A truncated or broken sequence counts as single bytes so stepping always advances.
    for (size_t k = 1; k < length; ++k)
        if (index + k >= text.size() || !IsTrailByte(static_cast<unsigned char>(text[index + k]))) return 1;
    return length;
}

int StrCharLength(std::string_view text, int index1) {
    if (index1 < 1) return 0;
    return static_cast<int>(CharLengthAt(text, static_cast<size_t>(index1 - 1)));
}

size_t NextCharIndex(std::string_view text, size_t index) {
    if (index >= text.size()) return text.size();
    return index + CharLengthAt(text, index);
}

size_t PrevCharIndex(std::string_view text, size_t index) {
    if (index == 0) return 0;
    index = std::min(index, text.size());
    size_t start = index - 1;
    size_t limit = index >= 4 ? index - 4 : 0;
    while (start > limit && IsTrailByte(static_cast<unsigned char>(text[start])))
        --start;
    // Only step over the whole sequence when it really is one character ending at index.
    return start + CharLengthAt(text, start) == index ? start : index - 1;
}

size_t CharCount(std::string_view text) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); i = NextCharIndex(text, i))
        ++count;
    return count;
}

size_t CharToByteIndex(std::string_view text, size_t charIndex) {
    size_t i = 0;
    for (size_t n = 0; n < charIndex && i < text.size(); ++n)
        i = NextCharIndex(text, i);
    return i;
}

std::string CopyChars(std::string_view text, size_t chars) {
    return std::string(text.substr(0, CharToByteIndex(text, chars)));
}

bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t length = CharLengthAt(bytes, i);
        if (length == 1) return false;
        unsigned char c1 = static_cast<unsigned char>(bytes[i + 1]);
        // Overlong forms, surrogates and values beyond U+10FFFF.
        if ((c == 0xE0 && c1 < 0xA0) || (c == 0xED && c1 >= 0xA0) || (c == 0xF0 && c1 < 0x90) ||
            (c == 0xF4 && c1 >= 0x90))
            return false;
        i += length;
    }
    return true;
}

std::string CodePointToUtf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

std::string SanitizeUtf8(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    std::string out;
    size_t i = 0;
    while (i < bytes.size()) {
        size_t length = CharLengthAt(bytes, i);
        std::string_view sequence = bytes.substr(i, length);
        if (static_cast<unsigned char>(bytes[i]) < 0x80 || (length > 1 && IsValidUtf8(sequence)))
            out.append(sequence);
        else
            out += "\xEF\xBF\xBD";
        i += length;
    }
    return out;
}

namespace {

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

// Converts with iconv; an unconvertible input byte or character is replaced and skipped.
std::string Convert(std::string_view input, const char* to, const char* from, std::string_view replacement,
                    bool skipWholeUtf8Char) {
    iconv_t raw = iconv_open(to, from);
    if (raw == reinterpret_cast<iconv_t>(-1))
        throw EConvertError(std::string("No conversion from ") + from + " to " + to);
    std::unique_ptr<void, IconvCloser> cd(raw);
    std::string out;
    out.reserve(input.size() * 3 / 2 + 16);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t result = iconv(raw, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr - buffer);
        if (result != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL (a truncated sequence at the end): replace and move on.
        out.append(replacement);
        size_t skip =
            skipWholeUtf8Char ? std::max<size_t>(1, CharLengthAt(std::string_view(in, inLeft), 0)) : 1;
        skip = std::min(skip, inLeft);
        in += skip;
        inLeft -= skip;
        iconv(raw, nullptr, nullptr, nullptr, nullptr);
    }
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    iconv(raw, nullptr, nullptr, &outPtr, &outLeft);
    out.append(buffer, outPtr - buffer);
    return out;
}

} // namespace

std::string GbkToUtf8(std::string_view gbk) {
    return Convert(gbk, "UTF-8", "GB18030", "\xEF\xBF\xBD", false);
}

std::string Utf8ToGbk(std::string_view utf8) {
    return Convert(SanitizeUtf8(utf8), "GBK", "UTF-8", "?", true);
}

std::string DecodeGbkOrUtf8(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return SanitizeUtf8(bytes.substr(3));
    if (IsValidUtf8(bytes)) return std::string(bytes);
    return GbkToUtf8(bytes);
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    icu::UnicodeString text =
        icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    return std::u16string(text.getBuffer(), static_cast<size_t>(text.length()));
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    icu::UnicodeString text(utf16.data(), static_cast<int32_t>(utf16.size()));
    std::string utf8;
    text.toUTF8String(utf8);
    return utf8;
}

} // namespace zorvy
