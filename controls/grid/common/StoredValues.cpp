// Stored-value texts of saved view layouts.
#include "controls/grid/common/StoredValues.h"

#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"

namespace zorvy {

namespace {

const char HexPrefix[] = "Hex:";
constexpr int HexPrefixLength = 4;

[[noreturn]] void RaiseHexError(const std::string& what, int position) {
    throw EcxHexStringConvertError(what + " at position " + std::to_string(position) + " of the stored hex text");
}

} // namespace

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string BytesToHexDigits(const std::uint8_t* bytes, size_t count) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(count * 2);
    for (size_t i = 0; i < count; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    return text;
}

std::vector<std::uint8_t> HexDigitsToBytes(const std::string& digits, int firstPosition) {
    for (size_t i = 0; i < digits.size(); ++i)
        if (HexDigitValue(digits[i]) < 0) RaiseHexError("Not a hexadecimal digit", firstPosition + static_cast<int>(i));
    if (digits.size() % 2 != 0)
        RaiseHexError("A hexadecimal digit without its pair", firstPosition + static_cast<int>(digits.size()) - 1);
    std::vector<std::uint8_t> bytes(digits.size() / 2);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(HexDigitValue(digits[2 * i]) * 16 + HexDigitValue(digits[2 * i + 1]));
    return bytes;
}

void StreamToHexText(TMemoryStream* stream, std::string& text) {
    text.clear();
    if (!stream || stream->GetSize() == 0) return;
    stream->SetPosition(0);
    const std::string bytes = stream->ReadBytes(stream->GetSize());
    text = HexPrefix + BytesToHexDigits(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

void HexTextToStream(const std::string& text, TMemoryStream* stream) {
    if (!stream || text.empty()) return;
    if (text.size() < HexPrefixLength || !SameText(text.substr(0, HexPrefixLength), HexPrefix))
        RaiseHexError("The text does not begin with \"Hex:\"", 1);
    // Decoded whole before the write, so a fault leaves the stream as it was.
    const std::vector<std::uint8_t> bytes = HexDigitsToBytes(text.substr(HexPrefixLength), HexPrefixLength + 1);
    if (!bytes.empty()) stream->WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

bool StoredTextToBoolean(const std::string& text) {
    const std::string upper = UpperCase(text);
    if (upper == "TRUE") return true;
    if (upper == "FALSE") return false;
    throw EPropertyConvertError("'" + text + "' is not a stored Boolean value (TRUE or FALSE)");
}

} // namespace zorvy
