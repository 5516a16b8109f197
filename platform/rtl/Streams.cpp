#include "platform/rtl/Streams.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace zorvy {

namespace {

[[noreturn]] void ReadError() {
    throw EReadError("Stream read error");
}
[[noreturn]] void WriteError() {
    throw EWriteError("Stream write error");
}

template <typename T> T ReadLittle(TStream& s) {
    uint8_t bytes[sizeof(T)];
    s.ReadBuffer(bytes, sizeof(T));
    T value = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        value |= static_cast<T>(bytes[i]) << (8 * i);
    return value;
}

template <typename T> void WriteLittle(TStream& s, T value) {
    uint8_t bytes[sizeof(T)];
    for (size_t i = 0; i < sizeof(T); ++i)
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
    s.WriteBuffer(bytes, sizeof(T));
}

// Reading and writing of the streams that hold their bytes in memory (a byte vector or a string).
template <typename Bytes>
int64_t ReadMemory(const Bytes& data, int64_t& position, void* buffer, int64_t count) {
    const auto size = static_cast<int64_t>(data.size());
    if (count <= 0 || position >= size) return 0;
    int64_t n = std::min(count, size - position);
    std::memcpy(buffer, data.data() + position, static_cast<size_t>(n));
    position += n;
    return n;
}

template <typename Bytes>
int64_t WriteMemory(Bytes& data, int64_t& position, const void* buffer, int64_t count) {
    if (count <= 0) return 0;
    int64_t end = position + count;
    if (end > static_cast<int64_t>(data.size())) data.resize(static_cast<size_t>(end));
    std::memcpy(data.data() + position, buffer, static_cast<size_t>(count));
    position = end;
    return count;
}

// New position for a seek within [0, limit of int64], or -1 when it would be negative.
int64_t SeekTarget(int64_t position, int64_t size, int64_t offset, TSeekOrigin origin) {
    int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? position : size;
    int64_t target;
    if (__builtin_add_overflow(base, offset, &target) || target < 0) return -1;
    return target;
}

} // namespace

// ---- TStream ----

void TStream::ReadBuffer(void* buffer, int64_t count) {
    if (count < 0 || (count != 0 && Read(buffer, count) != count)) ReadError();
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
    if (count < 0 || (count != 0 && Write(buffer, count) != count)) WriteError();
}

int64_t TStream::GetSize() {
    int64_t position = Seek(0, soCurrent);
    int64_t size = Seek(0, soEnd);
    Seek(position, soBeginning);
    return size;
}

void TStream::SetSize(int64_t) {}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.GetSize();
    }
    int64_t left = count;
    std::vector<uint8_t> buffer(static_cast<size_t>(std::min<int64_t>(std::max<int64_t>(left, 1), 1 << 16)));
    while (left > 0) {
        int64_t chunk = std::min<int64_t>(left, static_cast<int64_t>(buffer.size()));
        source.ReadBuffer(buffer.data(), chunk);
        WriteBuffer(buffer.data(), chunk);
        left -= chunk;
    }
    return count;
}

uint8_t TStream::ReadUInt8() {
    return ReadLittle<uint8_t>(*this);
}
uint16_t TStream::ReadUInt16() {
    return ReadLittle<uint16_t>(*this);
}
uint32_t TStream::ReadUInt32() {
    return ReadLittle<uint32_t>(*this);
}
uint64_t TStream::ReadUInt64() {
    return ReadLittle<uint64_t>(*this);
}

float TStream::ReadSingle() {
    uint32_t bits = ReadUInt32();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

double TStream::ReadDouble() {
    uint64_t bits = ReadUInt64();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

double TStream::ReadExtended() {
    uint8_t bytes[10];
    ReadBuffer(bytes, 10);
    return ExtendedToDouble(bytes);
}

std::string TStream::ReadBytes(int64_t count) {
    if (count < 0) ReadError();
    // Never trust a length from the stream with an allocation larger than what is left.
    int64_t left = GetSize() - GetPosition();
    if (count > left) ReadError();
    std::string bytes(static_cast<size_t>(count), '\0');
    ReadBuffer(bytes.data(), count);
    return bytes;
}

void TStream::WriteUInt8(uint8_t value) {
    WriteLittle(*this, value);
}
void TStream::WriteUInt16(uint16_t value) {
    WriteLittle(*this, value);
}
void TStream::WriteUInt32(uint32_t value) {
    WriteLittle(*this, value);
}
void TStream::WriteUInt64(uint64_t value) {
    WriteLittle(*this, value);
}

void TStream::WriteSingle(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    WriteUInt32(bits);
}

void TStream::WriteDouble(double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    WriteUInt64(bits);
}

void TStream::WriteExtended(double value) {
    uint8_t bytes[10];
    DoubleToExtended(value, bytes);
    WriteBuffer(bytes, 10);
}

void TStream::WriteBytes(const std::string& bytes) {
    WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

// ---- 80-bit extended ----

void DoubleToExtended(double value, uint8_t bytes[10]) {
    uint64_t mantissa = 0;
    uint16_t exponent = 0;
    const bool negative = std::signbit(value);
    if (std::isnan(value)) {
        exponent = 0x7FFF;
        mantissa = 0xC000000000000000ull;
    } else if (std::isinf(value)) {
        exponent = 0x7FFF;
        mantissa = 0x8000000000000000ull;
    } else if (value != 0) {
        int binaryExponent;
        double fraction = std::frexp(std::fabs(value), &binaryExponent); // in [0.5, 1)
        mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
        exponent = static_cast<uint16_t>(binaryExponent + 16382);
    }
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<uint8_t>(mantissa >> (8 * i));
    uint16_t signAndExponent = static_cast<uint16_t>(exponent | (negative ? 0x8000 : 0));
    bytes[8] = static_cast<uint8_t>(signAndExponent);
    bytes[9] = static_cast<uint8_t>(signAndExponent >> 8);
}

double ExtendedToDouble(const uint8_t bytes[10]) {
    uint64_t mantissa = 0;
    for (int i = 0; i < 8; ++i)
        mantissa |= static_cast<uint64_t>(bytes[i]) << (8 * i);
    uint16_t signAndExponent = static_cast<uint16_t>(bytes[8] | (bytes[9] << 8));
    const bool negative = (signAndExponent & 0x8000) != 0;
    const int exponent = signAndExponent & 0x7FFF;
    double magnitude;
    if (exponent == 0x7FFF) {
        magnitude = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity()
                                         : std::numeric_limits<double>::quiet_NaN();
    } else {
        // Out-of-range exponents become infinity or zero, as the hardware conversion does.
        magnitude = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
    }
    return negative ? -magnitude : magnitude;
}

// ---- TMemoryStream ----

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
    return ReadMemory(data_, position_, buffer, count);
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
    return WriteMemory(data_, position_, buffer, count);
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
    int64_t target = SeekTarget(position_, GetSize(), offset, origin);
    if (target >= 0) position_ = target;
    return position_;
}

void TMemoryStream::SetSize(int64_t size) {
    if (size < 0) WriteError();
    data_.resize(static_cast<size_t>(size));
    position_ = std::min(position_, size);
}

void TMemoryStream::Clear() {
    data_.clear();
    data_.shrink_to_fit();
    position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream) {
    stream.SetPosition(0);
    int64_t size = stream.GetSize();
    SetSize(size);
    if (size > 0) stream.ReadBuffer(data_.data(), size);
    position_ = 0;
}

void TMemoryStream::SaveToStream(TStream& stream) {
    if (!data_.empty()) stream.WriteBuffer(data_.data(), GetSize());
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead);
    LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::string& fileName) {
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

// ---- TStringStream ----

int64_t TStringStream::Read(void* buffer, int64_t count) {
    return ReadMemory(data_, position_, buffer, count);
}

int64_t TStringStream::Write(const void* buffer, int64_t count) {
    return WriteMemory(data_, position_, buffer, count);
}

int64_t TStringStream::Seek(int64_t offset, TSeekOrigin origin) {
    int64_t target = SeekTarget(position_, GetSize(), offset, origin);
    if (target >= 0) position_ = std::min(target, GetSize());
    return position_;
}

void TStringStream::SetSize(int64_t size) {
    if (size < 0) WriteError();
    data_.resize(static_cast<size_t>(size));
    position_ = std::min(position_, size);
}

std::string TStringStream::ReadString(int64_t count) {
    int64_t n = std::clamp<int64_t>(count, 0, GetSize() - position_);
    std::string text = data_.substr(static_cast<size_t>(position_), static_cast<size_t>(n));
    position_ += n;
    return text;
}

} // namespace zorvy
