#pragma once
// Text encodings. Inside the program all text is UTF-8; a multi-byte UTF-8 character plays the
// role of a double-byte character (never split; its first byte is the lead byte). Positions are
// 0-based byte offsets unless a name says otherwise. Files from the Chinese code page are read
// whether they hold GBK or UTF-8.
#include <cstddef>
#include <string>
#include <string_view>

namespace zorvy {

enum class TMbcsByteType { mbSingleByte, mbLeadByte, mbTrailByte };

// Bytes of the character that `lead` starts (1 for ASCII, stray trail bytes and invalid leads).
int Utf8CharLength(unsigned char lead);
bool IsLeadByte(unsigned char c);  // the first byte of a multi-byte character
bool IsTrailByte(unsigned char c); // a continuation byte
TMbcsByteType ByteType(std::string_view text, size_t index);
// Length of the character starting at `index`, clipped to the text; 0 at the end.
size_t CharLengthAt(std::string_view text, size_t index);
// 1-based form for callers that count from 1.
int StrCharLength(std::string_view text, int index1);
size_t NextCharIndex(std::string_view text, size_t index); // offset after the character at index
size_t PrevCharIndex(std::string_view text, size_t index); // start of the character before index
size_t CharCount(std::string_view text);
size_t CharToByteIndex(std::string_view text, size_t charIndex); // clipped to the text's size
// The first `chars` characters, never cutting a character.
std::string CopyChars(std::string_view text, size_t chars);

// The UTF-8 bytes of one code point (callers pass valid code points: below U+110000, no surrogates).
std::string CodePointToUtf8(char32_t c);

bool IsValidUtf8(std::string_view bytes);
// Invalid sequences become U+FFFD.
std::string SanitizeUtf8(std::string_view bytes);

// GBK (read as GB18030, its superset) <-> UTF-8. Undecodable bytes become U+FFFD; characters
// GBK cannot hold become "?".
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);
// The text of a file's bytes: UTF-8 (a leading byte-order mark dropped) when they are valid
// UTF-8, else GBK.
std::string DecodeGbkOrUtf8(std::string_view bytes);

// UTF-8 <-> UTF-16 for binary layouts that store wide text. Invalid sequences and unpaired
// surrogates become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

} // namespace zorvy
