#include "controls/data/ValueStream.h"

#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

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

bool IsIntegerType(TVarType t) {
    return t == varSmallint || t == varInteger || t == varShortInt || t == varByte || t == varWord ||
           t == varLongWord || t == varInt64;
}

void WriteInteger(TStream& stream, int64_t value) {
    if (value >= INT8_MIN && value <= INT8_MAX) {
        stream.WriteUInt8(vscInt8);
        stream.WriteInt8(static_cast<int8_t>(value));
    } else if (value >= INT16_MIN && value <= INT16_MAX) {
        stream.WriteUInt8(vscInt16);
        stream.WriteInt16(static_cast<int16_t>(value));
    } else if (value >= INT32_MIN && value <= INT32_MAX) {
        stream.WriteUInt8(vscInt32);
        stream.WriteInt32(static_cast<int32_t>(value));
    } else {
        stream.WriteUInt8(vscInt64);
        stream.WriteInt64(value);
    }
}

void WriteAnsiString(TStream& stream, const std::string& text) {
    if (text.size() <= 255) {
        stream.WriteUInt8(vscShortString);
        stream.WriteUInt8(static_cast<uint8_t>(text.size()));
        stream.WriteBytes(text);
    } else {
        if (text.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) WriteError();
        stream.WriteUInt8(vscLongString);
        StreamWriteText(stream, text);
    }
}

void WriteVariant(TStream& stream, const Variant& value) {
    TVarType type = value.VarType();
    if (value.IsArray()) {
        if (VarArrayDimCount(value) != 1) WriteError();
        int low = VarArrayLowBound(value, 1), high = VarArrayHighBound(value, 1);
        stream.WriteUInt8(vscArray);
        WriteInteger(stream, static_cast<int64_t>(high) - low + 1);
        for (int i = low; i <= high; ++i)
            WriteVariant(stream, value[i]);
        return;
    }
    if (IsIntegerType(type)) {
        WriteInteger(stream, value.RawInt());
        return;
    }
    switch (type) {
    case varEmpty:
        stream.WriteUInt8(vscEmpty);
        return;
    case varNull:
        stream.WriteUInt8(vscNull);
        return;
    case varSingle:
        stream.WriteUInt8(vscSingle);
        stream.WriteSingle(static_cast<float>(value.RawDouble()));
        return;
    case varDouble:
        stream.WriteUInt8(vscExtended);
        stream.WriteExtended(value.RawDouble());
        return;
    case varCurrency:
        stream.WriteUInt8(vscCurrency);
        stream.WriteInt64(value.RawInt());
        return;
    case varDate:
        stream.WriteUInt8(vscDate);
        stream.WriteDouble(value.RawDouble());
        return;
    case varOleStr:
        stream.WriteUInt8(vscWideString);
        StreamWriteWideText(stream, value.RawString());
        return;
    case varBoolean:
        stream.WriteUInt8(value.RawInt() ? vscTrue : vscFalse);
        return;
    case varString:
        WriteAnsiString(stream, value.RawString());
        return;
    case varSQLTimeStamp: {
        TDateTime date;
        try {
            date = value.AsDateTime();
        } catch (const Exception&) {
            WriteError();
        }
        stream.WriteUInt8(vscDate);
        stream.WriteDouble(date);
        return;
    }
    default: {
        std::string text;
        try {
            text = value.AsString();
        } catch (const Exception&) {
            WriteError();
        }
        WriteAnsiString(stream, text);
    }
    }
}

Variant ReadVariant(TStream& stream, int depth) {
    uint8_t code = stream.ReadUInt8();
    switch (code) {
    case vscNull:
        return Variant::Null();
    case vscArray: {
        if (depth >= MaxVariantStreamDepth) ReadError();
        Variant countItem = ReadVariant(stream, depth + 1);
        TVarType t = countItem.VarType();
        if (t != varShortInt && t != varSmallint && t != varInteger && t != varInt64) ReadError();
        int64_t count = countItem.RawInt();
        if (count < 0 || count > std::numeric_limits<int32_t>::max()) ReadError();
        CheckStreamRemains(stream, count); // every element takes at least its code byte
        Variant array = VarArrayCreate({{0, static_cast<int>(count) - 1}}, varVariant);
        for (int i = 0; i < count; ++i)
            array[i] = ReadVariant(stream, depth + 1);
        return array;
    }
    case vscInt8:
        return Variant(stream.ReadInt8());
    case vscInt16:
        return Variant(stream.ReadInt16());
    case vscInt32:
        return Variant(stream.ReadInt32());
    case vscExtended:
        return Variant(stream.ReadExtended());
    case vscShortString: {
        uint8_t length = stream.ReadUInt8();
        CheckStreamRemains(stream, length);
        return Variant::FromBytes(stream.ReadBytes(length));
    }
    case vscFalse:
        return Variant(false);
    case vscTrue:
        return Variant(true);
    case vscLongString:
        return Variant::FromBytes(StreamReadText(stream));
    case vscEmpty:
        return Variant();
    case vscSingle:
        return Variant(stream.ReadSingle());
    case vscCurrency:
        return Variant(Currency::FromScaled(stream.ReadInt64()));
    case vscDate:
        return Variant::FromDate(stream.ReadDouble());
    case vscWideString:
        return Variant(StreamReadWideText(stream));
    case vscInt64:
        return Variant::FromInt64(stream.ReadInt64());
    default:
        ReadError();
    }
}

} // namespace

void CheckStreamRemains(TStream& stream, int64_t count, int64_t itemSize) {
    if (count < 0) ReadError();
    int64_t remaining = stream.GetSize() - stream.GetPosition();
    if (remaining < 0 || (count > 0 && count > remaining / itemSize)) ReadError();
}

bool StreamReadBoolean(TStream& stream) {
    return stream.ReadUInt8() != 0;
}
void StreamWriteBoolean(TStream& stream, bool value) {
    stream.WriteUInt8(value ? 1 : 0);
}
uint8_t StreamReadByte(TStream& stream) {
    return stream.ReadUInt8();
}
void StreamWriteByte(TStream& stream, uint8_t value) {
    stream.WriteUInt8(value);
}
int16_t StreamReadInt16(TStream& stream) {
    return stream.ReadInt16();
}
void StreamWriteInt16(TStream& stream, int16_t value) {
    stream.WriteInt16(value);
}
uint16_t StreamReadWord(TStream& stream) {
    return stream.ReadUInt16();
}
void StreamWriteWord(TStream& stream, uint16_t value) {
    stream.WriteUInt16(value);
}
int32_t StreamReadInt32(TStream& stream) {
    return stream.ReadInt32();
}
void StreamWriteInt32(TStream& stream, int32_t value) {
    stream.WriteInt32(value);
}
int64_t StreamReadInt64(TStream& stream) {
    return stream.ReadInt64();
}
void StreamWriteInt64(TStream& stream, int64_t value) {
    stream.WriteInt64(value);
}
Currency StreamReadCurrency(TStream& stream) {
    return Currency::FromScaled(stream.ReadInt64());
}
void StreamWriteCurrency(TStream& stream, Currency value) {
    stream.WriteInt64(value.Value);
}
TDateTime StreamReadDateTime(TStream& stream) {
    return stream.ReadDouble();
}
void StreamWriteDateTime(TStream& stream, TDateTime value) {
    stream.WriteDouble(value);
}
double StreamReadExtended(TStream& stream) {
    return stream.ReadExtended();
}
void StreamWriteExtended(TStream& stream, double value) {
    stream.WriteExtended(value);
}

std::string StreamReadText(TStream& stream) {
    int32_t length = stream.ReadInt32();
    CheckStreamRemains(stream, length);
    return stream.ReadBytes(length);
}

void StreamWriteText(TStream& stream, const std::string& text) {
    if (text.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) WriteError();
    stream.WriteInt32(static_cast<int32_t>(text.size()));
    stream.WriteBytes(text);
}

std::string StreamReadWideText(TStream& stream) {
    int32_t count = stream.ReadInt32();
    CheckStreamRemains(stream, count, 2);
    std::u16string units(static_cast<size_t>(count), u'\0');
    for (char16_t& unit : units)
        unit = stream.ReadUInt16();
    return Utf16ToUtf8(units);
}

void StreamWriteWideText(TStream& stream, const std::string& text) {
    std::u16string units = Utf8ToUtf16(text);
    if (units.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max() / 2)) WriteError();
    stream.WriteInt32(static_cast<int32_t>(units.size()));
    for (char16_t unit : units)
        stream.WriteUInt16(unit);
}

Variant StreamReadVariant(TStream& stream) {
    return ReadVariant(stream, 0);
}

void StreamWriteVariant(TStream& stream, const Variant& value) {
    WriteVariant(stream, value);
}

} // namespace zorvy
