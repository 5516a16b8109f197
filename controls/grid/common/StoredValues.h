#pragma once
// The texts a saved view layout stores for byte streams ("Hex:" and two upper-case hexadecimal
// digits per byte) and for Boolean flags ("TRUE" / "FALSE").
#include "platform/rtl/Exceptions.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zorvy {

class TMemoryStream;

// A stored hex text that cannot be decoded; the message names the 1-based character position.
class EcxHexStringConvertError : public Exception {
  public:
    using Exception::Exception;
};

// The empty text for a nil or empty stream; else the stream is read from its start (its position
// ends at its end).
void StreamToHexText(TMemoryStream* stream, std::string& text);
// Writes the decoded bytes at the stream's position. The empty text writes nothing; any other text
// must begin with "Hex:" (in any case) and hold an even number of hexadecimal digits, else
// EcxHexStringConvertError, and nothing is written.
void HexTextToStream(const std::string& text, TMemoryStream* stream);
// "TRUE" or "FALSE" in any case; anything else raises EPropertyConvertError.
bool StoredTextToBoolean(const std::string& text);

std::string BytesToHexDigits(const std::uint8_t* bytes, size_t count);
// Raises EcxHexStringConvertError naming the position (firstPosition is the position of digits[0]).
std::vector<std::uint8_t> HexDigitsToBytes(const std::string& digits, int firstPosition = 1);
// 0-15, or -1 for a character that is not a hexadecimal digit.
int HexDigitValue(char c);

} // namespace zorvy
