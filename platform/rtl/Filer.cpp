#include "platform/rtl/Filer.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"

#include <limits>

namespace zorvy {

namespace {

[[noreturn]] void ReadError() {
    throw EReadError("Stream read error");
}

} // namespace

// ---- TWriter ----

void TWriter::WritePropertyName(const std::string& name) {
    if (name.empty() || name.size() > 255) throw EWriteError("Stream write error");
    Stream().WriteUInt8(static_cast<uint8_t>(name.size()));
    Stream().WriteBytes(name);
}

void TWriter::DefineProperty(const std::string& name, const TReaderProc&, const TWriterProc& writeData,
                             bool hasData) {
    if (!hasData || !writeData) return;
    WritePropertyName(name);
    writeData(*this);
}

void TWriter::DefineBinaryProperty(const std::string& name, const TStreamProc&, const TStreamProc& writeData,
                                   bool hasData) {
    if (!hasData || !writeData) return;
    WritePropertyName(name);
    TMemoryStream data;
    writeData(data);
    if (data.GetSize() > std::numeric_limits<uint32_t>::max()) throw EWriteError("Stream write error");
    Stream().WriteUInt8(static_cast<uint8_t>(TValueType::vaBinary));
    Stream().WriteUInt32(static_cast<uint32_t>(data.GetSize()));
    data.SaveToStream(Stream());
}

void TWriter::WriteDefinedProperties(TPersistent& instance) {
    instance.DefineProperties(this);
    WriteListEnd();
}

void TWriter::WriteBoolean(bool value) {
    Stream().WriteUInt8(static_cast<uint8_t>(value ? TValueType::vaTrue : TValueType::vaFalse));
}

void TWriter::WriteInteger(int64_t value) {
    if (value >= INT8_MIN && value <= INT8_MAX) {
        Stream().WriteUInt8(static_cast<uint8_t>(TValueType::vaInt8));
        Stream().WriteInt8(static_cast<int8_t>(value));
    } else if (value >= INT16_MIN && value <= INT16_MAX) {
        Stream().WriteUInt8(static_cast<uint8_t>(TValueType::vaInt16));
        Stream().WriteInt16(static_cast<int16_t>(value));
    } else if (value >= INT32_MIN && value <= INT32_MAX) {
        Stream().WriteUInt8(static_cast<uint8_t>(TValueType::vaInt32));
        Stream().WriteInt32(static_cast<int32_t>(value));
    } else {
        Stream().WriteUInt8(static_cast<uint8_t>(TValueType::vaInt64));
        Stream().WriteInt64(value);
    }
}

void TWriter::WriteFloat(double value) {
    Stream().WriteUInt8(static_cast<uint8_t>(TValueType::vaExtended));
    Stream().WriteExtended(value);
}

void TWriter::WriteString(const std::string& value) {
    if (value.size() > std::numeric_limits<uint32_t>::max()) throw EWriteError("Stream write error");
    Stream().WriteUInt8(static_cast<uint8_t>(TValueType::vaUTF8String));
    Stream().WriteUInt32(static_cast<uint32_t>(value.size()));
    Stream().WriteBytes(value);
}

void TWriter::WriteListBegin() {
    Stream().WriteUInt8(static_cast<uint8_t>(TValueType::vaList));
}
void TWriter::WriteListEnd() {
    Stream().WriteUInt8(static_cast<uint8_t>(TValueType::vaNull));
}

// ---- TReader ----

TValueType TReader::ReadValue() {
    uint8_t tag = Stream().ReadUInt8();
    switch (static_cast<TValueType>(tag)) {
    case TValueType::vaNull:
    case TValueType::vaList:
    case TValueType::vaInt8:
    case TValueType::vaInt16:
    case TValueType::vaInt32:
    case TValueType::vaExtended:
    case TValueType::vaFalse:
    case TValueType::vaTrue:
    case TValueType::vaBinary:
    case TValueType::vaInt64:
    case TValueType::vaUTF8String:
        return static_cast<TValueType>(tag);
    default:
        ReadError();
    }
}

TValueType TReader::NextValue() {
    TValueType value = ReadValue();
    Stream().Seek(-1, soCurrent);
    return value;
}

bool TReader::ReadBoolean() {
    TValueType value = ReadValue();
    if (value != TValueType::vaTrue && value != TValueType::vaFalse) ReadError();
    return value == TValueType::vaTrue;
}

int64_t TReader::ReadInteger() {
    switch (ReadValue()) {
    case TValueType::vaInt8:
        return Stream().ReadInt8();
    case TValueType::vaInt16:
        return Stream().ReadInt16();
    case TValueType::vaInt32:
        return Stream().ReadInt32();
    case TValueType::vaInt64:
        return Stream().ReadInt64();
    default:
        ReadError();
    }
}

double TReader::ReadFloat() {
    TValueType value = ReadValue();
    if (value == TValueType::vaExtended) return Stream().ReadExtended();
    Stream().Seek(-1, soCurrent);
    return static_cast<double>(ReadInteger());
}

std::string TReader::ReadString() {
    if (ReadValue() != TValueType::vaUTF8String) ReadError();
    return Stream().ReadBytes(Stream().ReadUInt32());
}

void TReader::ReadListBegin() {
    if (ReadValue() != TValueType::vaList) ReadError();
}

void TReader::ReadListEnd() {
    if (ReadValue() != TValueType::vaNull) ReadError();
}

bool TReader::EndOfList() {
    return NextValue() == TValueType::vaNull;
}

void TReader::SkipValue() {
    SkipValue(0);
}

void TReader::SkipValue(int depth) {
    // Nested lists from a corrupt stream must not exhaust the stack.
    if (depth > 64) ReadError();
    switch (ReadValue()) {
    case TValueType::vaNull:
    case TValueType::vaFalse:
    case TValueType::vaTrue:
        return;
    case TValueType::vaInt8:
        Stream().ReadBytes(1);
        return;
    case TValueType::vaInt16:
        Stream().ReadBytes(2);
        return;
    case TValueType::vaInt32:
        Stream().ReadBytes(4);
        return;
    case TValueType::vaInt64:
        Stream().ReadBytes(8);
        return;
    case TValueType::vaExtended:
        Stream().ReadBytes(10);
        return;
    case TValueType::vaUTF8String:
    case TValueType::vaBinary:
        Stream().ReadBytes(Stream().ReadUInt32());
        return;
    case TValueType::vaList:
        while (!EndOfList())
            SkipValue(depth + 1);
        ReadListEnd();
        return;
    }
}

void TReader::DefineProperty(const std::string& name, const TReaderProc& readData, const TWriterProc&, bool) {
    if (handled_ || !readData || !SameText(name, current_)) return;
    handled_ = true;
    readData(*this);
}

void TReader::DefineBinaryProperty(const std::string& name, const TStreamProc& readData, const TStreamProc&,
                                   bool) {
    if (handled_ || !readData || !SameText(name, current_)) return;
    handled_ = true;
    if (ReadValue() != TValueType::vaBinary) ReadError();
    TStringStream data(Stream().ReadBytes(Stream().ReadUInt32()));
    readData(data);
}

void TReader::ReadDefinedProperties(TPersistent& instance) {
    for (;;) {
        uint8_t length = Stream().ReadUInt8();
        if (length == 0) return;
        current_ = Stream().ReadBytes(length);
        handled_ = false;
        instance.DefineProperties(this);
        if (!handled_) throw EReadError("Property " + current_ + " does not exist");
    }
}

} // namespace zorvy
