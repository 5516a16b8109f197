// The stored-value texts of saved view layouts on fuzzed text: a hex text either decodes whole or is
// refused leaving the stream untouched, and what decodes encodes back to the same bytes; a Boolean
// text is TRUE, FALSE or refused.
#include "controls/grid/common/StoredValues.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/Streams.h"

#include <string>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TMemoryStream stream;
    stream.WriteBuffer("keep", 4);
    bool decoded = false;
    fuzz::Try([&] {
        HexTextToStream(text, &stream);
        decoded = true;
    });
    if (!decoded) {
        fuzz::Require(stream.GetSize() == 4, "a refused hex text changed the stream");
    } else if (stream.GetSize() > 4) {
        TMemoryStream bytes;
        bytes.WriteBuffer(stream.Memory() + 4, stream.GetSize() - 4);
        std::string again;
        StreamToHexText(&bytes, again);
        TMemoryStream back;
        HexTextToStream(again, &back);
        fuzz::Require(back.GetSize() == bytes.GetSize() &&
                          std::string(reinterpret_cast<char*>(back.Memory()), back.GetSize()) ==
                              std::string(reinterpret_cast<char*>(bytes.Memory()), bytes.GetSize()),
                      "hex text did not read back to its bytes");
    }
    fuzz::Try([&] { StoredTextToBoolean(text); });
    return 0;
}
