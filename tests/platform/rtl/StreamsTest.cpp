#include "platform/rtl/Streams.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace zorvy;

namespace {

class RtlFileStreams : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) const { return folder_.Path(name); }

  private:
    test::ScratchFolder folder_{"zorvy-streams"};
};

} // namespace

TEST(RtlStreams, LittleEndianValuesRoundTrip) {
    TMemoryStream s;
    s.WriteInt8(-2);
    s.WriteUInt16(0xBEEF);
    s.WriteInt32(-123456);
    s.WriteInt64(std::numeric_limits<int64_t>::min());
    s.WriteSingle(1.5f);
    s.WriteDouble(-0.1);
    s.WriteBytes("xyz");
    EXPECT_EQ(s.GetSize(), 1 + 2 + 4 + 8 + 4 + 8 + 3);
    EXPECT_EQ(s.Memory()[1], 0xEF); // little-endian
    s.SetPosition(0);
    EXPECT_EQ(s.ReadInt8(), -2);
    EXPECT_EQ(s.ReadUInt16(), 0xBEEF);
    EXPECT_EQ(s.ReadInt32(), -123456);
    EXPECT_EQ(s.ReadInt64(), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(s.ReadSingle(), 1.5f);
    EXPECT_EQ(s.ReadDouble(), -0.1);
    EXPECT_EQ(s.ReadBytes(3), "xyz");
}

TEST(RtlStreams, ExtendedFloatsUseThe80BitLayout) {
    struct Case {
        double value;
        uint8_t bytes[10];
    } cases[] = {{1.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
                 {-2.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}},
                 {0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
                 {0.5, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x3F}},
                 {std::numeric_limits<double>::infinity(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}}};
    for (const Case& c : cases) {
        uint8_t bytes[10];
        DoubleToExtended(c.value, bytes);
        EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 10), std::vector<uint8_t>(c.bytes, c.bytes + 10))
            << c.value;
        EXPECT_EQ(ExtendedToDouble(c.bytes), c.value);
    }
    for (double v : {0.1, -123456.789, 1e-310, 1.7976931348623157e308, 98.89, 5e-324}) {
        TMemoryStream s;
        s.WriteExtended(v);
        s.SetPosition(0);
        EXPECT_EQ(s.ReadExtended(), v);
    }
    uint8_t nan[10] = {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F};
    EXPECT_TRUE(std::isnan(ExtendedToDouble(nan)));
    uint8_t huge[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F}; // beyond double range
    EXPECT_TRUE(std::isinf(ExtendedToDouble(huge)));
}

TEST(RtlStreams, ShortReadsRaiseStreamReadError) {
    TMemoryStream s;
    s.WriteUInt16(7);
    s.SetPosition(0);
    try {
        s.ReadUInt32();
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
    s.SetPosition(0);
    EXPECT_THROW(s.ReadBytes(1'000'000'000'000), EReadError); // a corrupt length never allocates
    EXPECT_THROW(s.ReadBytes(-1), EReadError);
    EXPECT_EQ(s.Seek(-5, soBeginning), 0); // a seek before the start is refused
    EXPECT_EQ(s.Seek(0, soEnd), 2);

    TStringStream text("abc");
    EXPECT_EQ(text.ReadString(10), "abc");
    text.WriteString("de");
    EXPECT_EQ(text.DataString(), "abcde");
    text.SetSize(1);
    EXPECT_EQ(text.DataString(), "a");
    EXPECT_EQ(text.GetPosition(), 1);
}

TEST_F(RtlFileStreams, FileStreamsAndStringListFiles) {
    {
        TFileStream out(Path("data.bin"), fmCreate);
        out.WriteInt32(42);
        out.WriteExtended(2.5);
    }
    TFileStream in(Path("data.bin"), fmOpenRead);
    EXPECT_EQ(in.GetSize(), 14);
    EXPECT_EQ(in.ReadInt32(), 42);
    EXPECT_EQ(in.ReadExtended(), 2.5);
    EXPECT_THROW(in.ReadUInt8(), EReadError);

    TMemoryStream copy;
    copy.LoadFromFile(Path("data.bin"));
    EXPECT_EQ(copy.GetSize(), 14);
    TMemoryStream slice;
    copy.SetPosition(4);
    slice.CopyFrom(copy, 10);
    EXPECT_EQ(slice.GetSize(), 10);

    try {
        TFileStream missing(Path("missing.bin"), fmOpenRead);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message().rfind("Cannot open file \"" + Path("missing.bin") + "\".", 0), 0u)
            << e.Message();
    }
    EXPECT_THROW(TFileStream(Path("no/such/dir.bin"), fmCreate), EFCreateError);
    EXPECT_THROW(ReadFileBytes(Path("")), EFOpenError); // a folder is not a file

    TStringList lines;
    lines.Add("第一行");
    lines.Add("two");
    lines.SaveToFile(Path("lines.txt"));
    EXPECT_EQ(ReadFileBytes(Path("lines.txt")), "第一行\ntwo\n");
    WriteFileBytesAtomically(Path("gbk.txt"), "\xB5\xDA\xD2\xBB\r\nx");
    TStringList loaded;
    loaded.LoadFromFile(Path("gbk.txt"));
    EXPECT_EQ(loaded.Get(0), "第一");
    EXPECT_EQ(loaded.GetCount(), 2);
    EXPECT_THROW(loaded.LoadFromFile(Path("absent.txt")), EFOpenError);
    EXPECT_EQ(loaded.GetCount(), 2); // a failed load keeps what was there
}
