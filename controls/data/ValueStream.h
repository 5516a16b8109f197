#pragma once
// The stream functions in which record values, filter criteria and the data controller's own
// stream are written: little-endian fixed-width primitives, length-prefixed texts and the variant
// stream (a one-byte code and a payload per value, arrays nested), with TcxReader and TcxWriter
// on top for the controller's stream.
//
// Reading is bounded: a text length, wide-text count or array count larger than what remains in
// the stream, arrays nested deeper than MaxVariantStreamDepth, and an unknown code raise
// EReadError "Stream read error" before anything is allocated for them.
#include "platform/rtl/Variant.h"

#include <cstdint>
#include <string>

namespace zorvy {

class TStream;

inline constexpr int MaxVariantStreamDepth = 64;

// The codes of the variant stream.
enum TcxVariantStreamCode : uint8_t {
    vscNull = 0,
    vscArray = 1,
    vscInt8 = 2,
    vscInt16 = 3,
    vscInt32 = 4,
    vscExtended = 5,
    vscShortString = 6,
    vscFalse = 8,
    vscTrue = 9,
    vscLongString = 12,
    vscEmpty = 13,
    vscSingle = 15,
    vscCurrency = 16,
    vscDate = 17,
    vscWideString = 18,
    vscInt64 = 19,
};

bool StreamReadBoolean(TStream& stream);
void StreamWriteBoolean(TStream& stream, bool value);
uint8_t StreamReadByte(TStream& stream);
void StreamWriteByte(TStream& stream, uint8_t value);
int16_t StreamReadInt16(TStream& stream);
void StreamWriteInt16(TStream& stream, int16_t value);
uint16_t StreamReadWord(TStream& stream);
void StreamWriteWord(TStream& stream, uint16_t value);
int32_t StreamReadInt32(TStream& stream);
void StreamWriteInt32(TStream& stream, int32_t value);
int64_t StreamReadInt64(TStream& stream);
void StreamWriteInt64(TStream& stream, int64_t value);
Currency StreamReadCurrency(TStream& stream);
void StreamWriteCurrency(TStream& stream, Currency value);
TDateTime StreamReadDateTime(TStream& stream);
void StreamWriteDateTime(TStream& stream, TDateTime value);
double StreamReadExtended(TStream& stream); // 10 bytes, held as the nearest double
void StreamWriteExtended(TStream& stream, double value);
// Signed 32-bit byte count, then the bytes.
std::string StreamReadText(TStream& stream);
void StreamWriteText(TStream& stream, const std::string& text);
// Signed 32-bit count of UTF-16 code units, then the units; UTF-8 inside the program.
std::string StreamReadWideText(TStream& stream);
void StreamWriteWideText(TStream& stream, const std::string& text);
// One variant. Writing raises EWriteError "Stream write error" for an array of more than one
// dimension or a value without a text.
Variant StreamReadVariant(TStream& stream);
void StreamWriteVariant(TStream& stream, const Variant& value);

// Raises EReadError unless `count` items of at least `itemSize` bytes each can still be read.
void CheckStreamRemains(TStream& stream, int64_t count, int64_t itemSize = 1);

// The filer of the data controller's own stream; the stream is not owned.
class TcxFiler {
  public:
    explicit TcxFiler(TStream& stream) : stream_(stream) {}
    TStream& Stream() const { return stream_; }

  private:
    TStream& stream_;
};

class TcxReader : public TcxFiler {
  public:
    using TcxFiler::TcxFiler;
    int32_t ReadInt() { return StreamReadInt32(Stream()); }
    void ReadText(std::string& text) { text = StreamReadText(Stream()); }
};

class TcxWriter : public TcxFiler {
  public:
    using TcxFiler::TcxFiler;
    void WriteInt(int32_t value) { StreamWriteInt32(Stream(), value); }
    void WriteText(const std::string& text) { StreamWriteText(Stream(), text); }
};

} // namespace zorvy
