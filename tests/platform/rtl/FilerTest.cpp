#include "platform/rtl/Filer.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

#include <gtest/gtest.h>

using namespace zorvy;

namespace {

// A persistent with one plain and one binary defined property, each stored only with data.
class TCriteriaHolder : public TPersistent {
    ZORVY_CLASS(TCriteriaHolder, TPersistent)
  public:
    bool builtIn = false;
    double ratio = 0;
    std::string caption;
    std::string data;

    void DefineProperties(TFiler* filer) override {
        filer->DefineProperty(
            "BuiltIn",
            [this](TReader& r) {
                builtIn = r.ReadBoolean();
                ratio = r.ReadFloat();
                caption = r.ReadString();
            },
            [this](TWriter& w) {
                w.WriteBoolean(builtIn);
                w.WriteFloat(ratio);
                w.WriteString(caption);
            },
            builtIn);
        filer->DefineBinaryProperty(
            "Data", [this](TStream& s) { data = s.ReadBytes(s.GetSize()); },
            [this](TStream& s) { s.WriteBytes(data); }, !data.empty());
    }
};

} // namespace

TEST(RtlFiler, DefinedPropertiesRoundTrip) {
    TCriteriaHolder source;
    source.builtIn = true;
    source.ratio = 98.89;
    source.caption = "方案";
    source.data = std::string("\0\1\2", 3);
    TMemoryStream stream;
    TWriter(stream).WriteDefinedProperties(source);

    TCriteriaHolder target;
    stream.SetPosition(0);
    TReader(stream).ReadDefinedProperties(target);
    EXPECT_TRUE(target.builtIn);
    EXPECT_EQ(target.ratio, 98.89);
    EXPECT_EQ(target.caption, "方案");
    EXPECT_EQ(target.data, source.data);

    // Without data nothing is written but the end of the list.
    TCriteriaHolder empty;
    TMemoryStream small;
    TWriter(small).WriteDefinedProperties(empty);
    EXPECT_EQ(small.GetSize(), 1);
}

TEST(RtlFiler, ValuesAndCorruptStreams) {
    TMemoryStream stream;
    TWriter writer(stream);
    for (int64_t v : {0LL, -128LL, 300LL, -70000LL, 1LL << 40})
        writer.WriteInteger(v);
    writer.WriteListBegin();
    writer.WriteString("x");
    writer.WriteListEnd();
    writer.WriteInteger(5);
    EXPECT_EQ(stream.GetSize(), 2 + 2 + 3 + 5 + 9 + 1 + 6 + 1 + 2);
    stream.SetPosition(0);
    TReader reader(stream);
    for (int64_t v : {0LL, -128LL, 300LL, -70000LL, 1LL << 40})
        EXPECT_EQ(reader.ReadInteger(), v);
    reader.SkipValue(); // the whole list
    EXPECT_DOUBLE_EQ(reader.ReadFloat(), 5.0);
    EXPECT_THROW(reader.ReadInteger(), EReadError);

    struct Case {
        std::string bytes;
    } corrupt[] = {{std::string("\x04"
                                "Data"
                                "\x0A\xFF\xFF\xFF\x7F",
                                10)}, // binary longer than the stream
                   {std::string("\x07"
                                "BuiltIn"
                                "\x63",
                                9)}, // unknown tag
                   {std::string("\x07"
                                "BuiltIn",
                                8)}, // value missing
                   {std::string("\x05"
                                "Other"
                                "\x09",
                                7)}}; // undefined property
    for (const Case& c : corrupt) {
        TStringStream s(c.bytes);
        TCriteriaHolder target;
        EXPECT_THROW(TReader(s).ReadDefinedProperties(target), EReadError);
    }
    TStringStream deep(std::string(200, '\x01'));
    EXPECT_THROW(TReader(deep).SkipValue(), EReadError);
}
