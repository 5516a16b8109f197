// The stream readers on fuzzed bytes: defined properties of every value type through TReader, and the
// little-endian readers of TStream.
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/Streams.h"

#include <string>

using namespace zorvy;

namespace {

// Defines one property per reader, so every value type is read from the fuzzed list.
class Holder : public TPersistent {
  public:
    void DefineProperties(TFiler* filer) override {
        filer->DefineProperty(
            "I", [](TReader& r) { r.ReadInteger(); }, nullptr, false);
        filer->DefineProperty(
            "F", [](TReader& r) { r.ReadFloat(); }, nullptr, false);
        filer->DefineProperty(
            "S", [](TReader& r) { r.ReadString(); }, nullptr, false);
        filer->DefineProperty(
            "B", [](TReader& r) { r.ReadBoolean(); }, nullptr, false);
        filer->DefineProperty(
            "L",
            [](TReader& r) {
                r.ReadListBegin();
                while (!r.EndOfList())
                    r.SkipValue();
                r.ReadListEnd();
            },
            nullptr, false);
        filer->DefineProperty(
            "X", [](TReader& r) { r.SkipValue(); }, nullptr, false);
        filer->DefineBinaryProperty(
            "D", [](TStream& s) { s.ReadBytes(s.GetSize() - s.GetPosition()); }, nullptr, false);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    fuzz::Try([&] {
        Holder holder;
        TStringStream stream(bytes);
        TReader(stream).ReadDefinedProperties(holder);
    });
    fuzz::Try([&] {
        TStringStream stream(bytes);
        for (int step = 0; step < 256; ++step) { // a seek back may loop
            switch (stream.ReadUInt8() % 8) {
            case 0:
                stream.ReadUInt16();
                break;
            case 1:
                stream.ReadUInt32();
                break;
            case 2:
                stream.ReadUInt64();
                break;
            case 3:
                stream.ReadSingle();
                break;
            case 4:
                stream.ReadDouble();
                break;
            case 5:
                stream.ReadExtended();
                break;
            case 6:
                stream.ReadBytes(stream.ReadInt32());
                break;
            default:
                stream.Seek(stream.ReadInt64(), static_cast<TSeekOrigin>(stream.ReadUInt8() % 3));
                break;
            }
        }
    });
    return 0;
}
