// Scheme files on their own: texts read back as they were written, files the older program wrote read
// as it read them, and files or texts far larger than any scheme refused with what is too large named.
#include "app/Schemes.h"
#include "platform/rtl/Exceptions.h"
#include "tests/app/LargestScheme.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zorvy::test {
namespace {

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

template <typename Exception, typename Body> std::string MessageOf(Body body) {
    try {
        body();
    } catch (const Exception& e) {
        return e.what();
    }
    ADD_FAILURE() << "nothing was raised";
    return {};
}

class SchemeFile : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) const { return folder_.Path() + "/" + name; }

  private:
    TempFolder folder_;
};

TEST_F(SchemeFile, EveryTextReadsBackAsItStood) {
    TScheme scheme;
    scheme.Digits = {"gw3"};
    const char* texts[] = {"'j=1 /note'", "\"j=1/\"",    " j=1/", "j=1/ ", "'",        "\"",
                           "'a\"",        "\tdm=1/\x01", "=x=",   "j=1/",  "说明 '注'"};
    for (size_t i = 0; i < std::size(texts); ++i)
        scheme.Texts.emplace_back("gw" + std::to_string(i + 1) + "Edit", texts[i]);
    WriteSchemeFile(Path("a.ini"), scheme);
    const TScheme read = ReadSchemeFile(Path("a.ini"));
    EXPECT_EQ(read.Digits, scheme.Digits);
    EXPECT_EQ(read.Texts, scheme.Texts);
    // Only the texts that reading would change are quoted; the others stand as the older program wrote them.
    const std::string bytes = ReadWholeFile(Path("a.ini"));
    EXPECT_NE(bytes.find("\ngw1Edit=\"'j=1 /note'\"\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("\ngw10Edit=j=1/\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("\ngw11Edit=说明 '注'\n"), std::string::npos) << bytes;
}

TEST_F(SchemeFile, FilesTheOlderProgramWroteReadAsItReadThem) {
    WriteBytes(Path("old.ini"),
               "[ButtonEdit]\r\ngw1Edit='j=1 /note'\r\ngw2Edit = \"y=0/\" \r\ngw3Edit=  j=0/  \r\n"
               "GW1EDIT=second\r\n[TcxRadioGroup]\r\nr=2\r\n");
    const TScheme read = ReadSchemeFile(Path("old.ini"));
    using Texts = std::vector<std::pair<std::string, std::string>>;
    // A key written twice gives its first value, as reading one key does.
    EXPECT_EQ(
        read.Texts,
        (Texts{
            {"gw1Edit", "j=1 /note"}, {"gw2Edit", "y=0/"}, {"gw3Edit", "j=0/"}, {"GW1EDIT", "j=1 /note"}}));
    EXPECT_EQ(read.Radios, (Texts{{"r", "2"}}));
}

TEST_F(SchemeFile, TheLargestSchemeTheWindowWritesReadsBackAndIsUnderTheFileLimit) {
    const TScheme largest = LargestScheme();
    WriteSchemeFile(Path("largest.ini"), largest);
    EXPECT_LT(std::filesystem::file_size(Path("largest.ini")),
              static_cast<uintmax_t>(MaxSchemeFileBytes) * 3 / 4);
    const TScheme read = ReadSchemeFile(Path("largest.ini"));
    EXPECT_EQ(read.Digits, largest.Digits);
    EXPECT_EQ(read.Checked, largest.Checked);
    EXPECT_EQ(read.Texts, largest.Texts);
}

TEST_F(SchemeFile, AFileFarLargerThanAnySchemeIsRefusedWithItsSize) {
    WriteBytes(Path("huge.ini"), "[ButtonEdit]\ngw1Edit=j=1/\n");
    std::filesystem::resize_file(Path("huge.ini"), MaxSchemeFileBytes + 1);
    const std::string message = MessageOf<EFOpenError>([&] { ReadSchemeFile(Path("huge.ini")); });
    EXPECT_NE(message.find(Path("huge.ini")), std::string::npos) << message;
    EXPECT_NE(message.find(std::to_string(MaxSchemeFileBytes + 1) + " 字节"), std::string::npos) << message;

    std::filesystem::resize_file(Path("huge.ini"), MaxSchemeFileBytes);
    EXPECT_EQ(ReadSchemeFile(Path("huge.ini")).Texts.size(), 1u) << "the limit itself is still read";
}

TEST_F(SchemeFile, AConditionTextLongerThanAnyConditionNeedsIsRefusedWithTheCondition) {
    const std::string tooLong(MaxSchemeTextBytes + 1, '1');
    WriteBytes(Path("long.ini"), "[ButtonEdit]\ngw1Edit=j=1/\nxhtz1Edit=xfw= " + tooLong + "\n");
    std::string message = MessageOf<EConvertError>([&] { ReadSchemeFile(Path("long.ini")); });
    EXPECT_NE(message.find("xhtz1Edit（6位值）"), std::string::npos) << message;
    EXPECT_NE(message.find(std::to_string(tooLong.size() + 5) + " 字节"), std::string::npos) << message;

    // Saving refuses it too (and a line break, which would break the file), leaving the old file.
    WriteBytes(Path("kept.ini"), "[selectm]\ngw1=gw1\n");
    for (const std::string& text : {tooLong, std::string("j=1/\n[CheckBox]")}) {
        TScheme scheme;
        scheme.Texts = {{"Tj_danmaEdit", text}};
        message = MessageOf<EFCreateError>([&] { WriteSchemeFile(Path("kept.ini"), scheme); });
        EXPECT_NE(message.find("Tj_danmaEdit"), std::string::npos) << message;
    }
    EXPECT_EQ(ReadWholeFile(Path("kept.ini")), "[selectm]\ngw1=gw1\n");
    TScheme longest;
    longest.Texts = {{"gw1Edit", std::string(MaxSchemeTextBytes, '1')}};
    WriteSchemeFile(Path("longest.ini"), longest);
    EXPECT_EQ(ReadSchemeFile(Path("longest.ini")).Texts, longest.Texts);
}

} // namespace
} // namespace zorvy::test
