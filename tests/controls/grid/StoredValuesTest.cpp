// Stored-value texts: byte streams as "Hex:" texts both ways, with the strict reading of a stored
// text, and Boolean texts.
#include "controls/grid/common/StoredValues.h"
#include "platform/rtl/Streams.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

std::string Bytes(TMemoryStream& stream) {
    stream.SetPosition(0);
    return stream.ReadBytes(stream.GetSize());
}

TEST(StoredValues, StreamsBecomeHexTextsAndBack) {
    std::string text = "stale";
    TMemoryStream empty;
    StreamToHexText(&empty, text);
    EXPECT_EQ(text, "");
    StreamToHexText(nullptr, text);
    EXPECT_EQ(text, "");

    TMemoryStream stream;
    stream.WriteBuffer("\x0A\xFF", 2);
    StreamToHexText(&stream, text);
    EXPECT_EQ(text, "Hex:0AFF");
    EXPECT_EQ(stream.GetPosition(), 2) << "read to its end";

    for (const char* stored : {"Hex:0AFF", "hex:0aff", "HEX:0aFf"}) {
        TMemoryStream back;
        HexTextToStream(stored, &back);
        EXPECT_EQ(Bytes(back), std::string("\x0A\xFF", 2)) << stored;
    }
    TMemoryStream none;
    HexTextToStream("", &none);
    HexTextToStream("Hex:", &none);
    EXPECT_EQ(none.GetSize(), 0);
}

// A stored text that does not read back whole is refused with the position of the fault, and the
// stream keeps what it held (the loose reading skipped prefixes and dropped a lone digit).
TEST(StoredValues, AFaultyHexTextNamesThePositionAndWritesNothing) {
    struct TCase {
        const char* Text;
        const char* Position;
    };
    for (const TCase& c : {TCase{"Hex:0AG1", "position 7"}, TCase{"Abc:0AFF", "position 1"},
                           TCase{"Hex:0AF", "position 7"}, TCase{"Hex:0", "position 5"}, TCase{"0AFF", "position 1"},
                           TCase{"Hex:0A FF", "position 7"}}) {
        TMemoryStream stream;
        stream.WriteBuffer("ab", 2);
        try {
            HexTextToStream(c.Text, &stream);
            ADD_FAILURE() << c.Text << " was accepted";
        } catch (const EcxHexStringConvertError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Position), std::string::npos) << c.Text << ": " << e.what();
        }
        EXPECT_EQ(Bytes(stream), "ab") << c.Text;
    }
}

TEST(StoredValues, BooleanTexts) {
    for (const char* yes : {"TRUE", "true", "tRuE"}) EXPECT_TRUE(StoredTextToBoolean(yes)) << yes;
    for (const char* no : {"FALSE", "False"}) EXPECT_FALSE(StoredTextToBoolean(no)) << no;
    for (const char* bad : {"yes", "", "1", "TRUE "}) EXPECT_THROW(StoredTextToBoolean(bad), EPropertyConvertError) << bad;
}

} // namespace
} // namespace zorvy::test
