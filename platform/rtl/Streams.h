#pragma once
// Byte streams: TStream and its memory, file and string forms, with little-endian readers and
// writers for the binary layouts the program stores (including 80-bit extended floats).
// ReadBuffer/WriteBuffer raise EReadError "Stream read error" / EWriteError "Stream write error"
// when fewer bytes than asked for move, so a truncated or corrupt stream never reads garbage.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/rtl/Components.h"

namespace zorvy {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };
using enum TSeekOrigin;

class TStream : public TObject {
    ZORVY_CLASS(TStream, TObject)
  public:
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
    void ReadBuffer(void* buffer, int64_t count);
    void WriteBuffer(const void* buffer, int64_t count);

    int64_t GetPosition() { return Seek(0, soCurrent); }
    void SetPosition(int64_t position) { Seek(position, soBeginning); }
    virtual int64_t GetSize();
    virtual void SetSize(int64_t size);
    // Copies `count` bytes from the source's position; 0 copies the whole source from its start.
    int64_t CopyFrom(TStream& source, int64_t count);

    // Little-endian values; reads raise EReadError at the end of the stream.
    uint8_t ReadUInt8();
    int8_t ReadInt8() { return static_cast<int8_t>(ReadUInt8()); }
    uint16_t ReadUInt16();
    int16_t ReadInt16() { return static_cast<int16_t>(ReadUInt16()); }
    uint32_t ReadUInt32();
    int32_t ReadInt32() { return static_cast<int32_t>(ReadUInt32()); }
    uint64_t ReadUInt64();
    int64_t ReadInt64() { return static_cast<int64_t>(ReadUInt64()); }
    float ReadSingle();
    double ReadDouble();
    double ReadExtended(); // 10 bytes, held as the nearest double
    std::string ReadBytes(int64_t count);

    void WriteUInt8(uint8_t value);
    void WriteInt8(int8_t value) { WriteUInt8(static_cast<uint8_t>(value)); }
    void WriteUInt16(uint16_t value);
    void WriteInt16(int16_t value) { WriteUInt16(static_cast<uint16_t>(value)); }
    void WriteUInt32(uint32_t value);
    void WriteInt32(int32_t value) { WriteUInt32(static_cast<uint32_t>(value)); }
    void WriteUInt64(uint64_t value);
    void WriteInt64(int64_t value) { WriteUInt64(static_cast<uint64_t>(value)); }
    void WriteSingle(float value);
    void WriteDouble(double value);
    void WriteExtended(double value);
    void WriteBytes(const std::string& bytes);
};

// 80-bit extended floats in their 10-byte little-endian layout.
void DoubleToExtended(double value, uint8_t bytes[10]);
double ExtendedToDouble(const uint8_t bytes[10]);

// A stream over a growable block of memory.
class TMemoryStream : public TStream {
    ZORVY_CLASS(TMemoryStream, TStream)
  public:
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t GetSize() override { return static_cast<int64_t>(data_.size()); }
    void SetSize(int64_t size) override;
    void Clear();
    uint8_t* Memory() { return data_.data(); }
    const uint8_t* Memory() const { return data_.data(); }
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream);
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

  private:
    std::vector<uint8_t> data_;
    int64_t position_ = 0;
};

// A stream over a text, for building or parsing strings.
class TStringStream : public TStream {
    ZORVY_CLASS(TStringStream, TStream)
  public:
    explicit TStringStream(std::string data = {}) : data_(std::move(data)) {}
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t GetSize() override { return static_cast<int64_t>(data_.size()); }
    void SetSize(int64_t size) override;
    const std::string& DataString() const { return data_; }
    std::string ReadString(int64_t count);
    void WriteString(const std::string& text) { WriteBuffer(text.data(), static_cast<int64_t>(text.size())); }

  private:
    std::string data_;
    int64_t position_ = 0;
};

// File modes: fmCreate makes (or empties) the file; the others open an existing one.
enum TFileMode : unsigned {
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmCreate = 0xFF00,
};

// A stream over a file. EFOpenError "Cannot open file "<name>". <reason>" or
// EFCreateError "Cannot create file "<name>". <reason>" when the file cannot be had.
class TFileStream : public TStream {
    ZORVY_CLASS(TFileStream, TStream)
  public:
    TFileStream(const std::string& fileName, unsigned mode);
    ~TFileStream() override;
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    void SetSize(int64_t size) override;
    const std::string& FileName() const { return fileName_; }

  private:
    std::string fileName_;
    int fd_ = -1;
};

// All bytes of a file; EFOpenError naming it when it cannot be read.
std::string ReadFileBytes(const std::string& fileName);
// Why a file could not be written, cause first as the user can act on it: "the disk is full (No space
// left on device)", "the disk is read-only (...)", "no permission to write there (...)", else the
// system's own text.
std::string FileFaultCause(int error);
// Replaces a file's content through a temporary file and a rename, so a failure never leaves it half
// written and an existing file the user made read-only is never replaced; EFCreateError
// "Cannot create file "<name>": <cause>" when that fails.
void WriteFileBytesAtomically(const std::string& fileName, const std::string& bytes);

} // namespace zorvy
