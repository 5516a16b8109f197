#pragma once
// Streaming of defined properties: a persistent's DefineProperties names extra values (plain
// ones through a reader/writer pair, binary ones through raw streams); TWriter stores those that
// have data, TReader gives each stored value back to the definition of the same name.
//
// Layout (little-endian): for each property its name (1-byte length, bytes) and its value; a zero
// byte ends the list. A value is a one-byte tag and its payload; a binary value is its 4-byte
// size and its bytes. Corrupt or short data raises EReadError "Stream read error".
#include <cstdint>
#include <functional>
#include <string>

#include "platform/rtl/Components.h"

namespace zorvy {

class TReader;
class TStream;
class TWriter;

using TReaderProc = std::function<void(TReader& reader)>;
using TWriterProc = std::function<void(TWriter& writer)>;
using TStreamProc = std::function<void(TStream& stream)>;

enum class TValueType : uint8_t {
    vaNull = 0, // end of a list
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaInt64 = 19,
    vaUTF8String = 20,
};

class TFiler : public TObject {
    ZORVY_CLASS(TFiler, TObject)
  public:
    explicit TFiler(TStream& stream) : stream_(stream) {}
    TStream& Stream() const { return stream_; }
    virtual void DefineProperty(const std::string& name, const TReaderProc& readData,
                                const TWriterProc& writeData, bool hasData) = 0;
    virtual void DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                                      const TStreamProc& writeData, bool hasData) = 0;

  private:
    TStream& stream_;
};

class TWriter : public TFiler {
    ZORVY_CLASS(TWriter, TFiler)
  public:
    using TFiler::TFiler;
    void DefineProperty(const std::string& name, const TReaderProc& readData, const TWriterProc& writeData,
                        bool hasData) override;
    void DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                              const TStreamProc& writeData, bool hasData) override;
    // Writes every defined property of `instance` that has data, then the end of the list.
    void WriteDefinedProperties(TPersistent& instance);

    void WriteBoolean(bool value);
    void WriteInteger(int64_t value); // in the smallest tag that holds it
    void WriteFloat(double value);    // as an 80-bit extended
    void WriteString(const std::string& value);
    void WriteListBegin();
    void WriteListEnd();

  private:
    void WritePropertyName(const std::string& name);
};

class TReader : public TFiler {
    ZORVY_CLASS(TReader, TFiler)
  public:
    using TFiler::TFiler;
    void DefineProperty(const std::string& name, const TReaderProc& readData, const TWriterProc& writeData,
                        bool hasData) override;
    void DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                              const TStreamProc& writeData, bool hasData) override;
    // Reads properties until the end of the list, each through `instance`'s definition of that
    // name; EReadError "Property <name> does not exist" for a name it does not define.
    void ReadDefinedProperties(TPersistent& instance);

    TValueType NextValue(); // the next tag, not consumed
    bool ReadBoolean();
    int64_t ReadInteger();
    double ReadFloat();
    std::string ReadString();
    void ReadListBegin();
    void ReadListEnd();
    bool EndOfList();
    void SkipValue();

  private:
    TValueType ReadValue();
    void SkipValue(int depth);
    std::string current_; // the property being read
    bool handled_ = false;
};

} // namespace zorvy
