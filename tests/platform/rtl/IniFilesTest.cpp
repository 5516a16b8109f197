#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

using namespace zorvy;

namespace {

class RtlIniFiles : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) const { return folder_.Path(name); }

  private:
    test::ScratchFolder folder_{"zorvy-ini"};
};

std::vector<std::string> Items(const TStrings& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.GetCount(); ++i)
        items.push_back(list.Get(i));
    return items;
}

} // namespace

TEST_F(RtlIniFiles, MissingFileReadsEmptyAndTheFirstWriteCreatesIt) {
    TIniFile ini(Path("setup.ini"));
    EXPECT_EQ(ini.ReadString("Main", "Dsn", "zorvy"), "zorvy");
    EXPECT_EQ(ini.ReadInteger("Main", "Count", 7), 7);
    EXPECT_FALSE(ini.SectionExists("Main"));
    ini.EraseSection("Main");
    EXPECT_FALSE(std::filesystem::exists(Path("setup.ini")));

    ini.WriteString("Main", "Dsn", "lottery");
    EXPECT_TRUE(std::filesystem::exists(Path("setup.ini")));
    // Another object on the same file sees the write at once.
    TIniFile other(Path("setup.ini"));
    EXPECT_EQ(other.ReadString("MAIN", "dsn", ""), "lottery");
    other.WriteString("Main", "Dsn", "changed");
    EXPECT_EQ(ini.ReadString("Main", "Dsn", ""), "changed");
    WriteFileBytesAtomically(Path("setup.ini"), "[Main]\nDsn=by hand\n");
    EXPECT_EQ(ini.ReadString("Main", "Dsn", ""), "by hand");
}

TEST_F(RtlIniFiles, RoundTripsValuesKeysAndSections) {
    TIniFile ini(Path("scheme.ini"));
    ini.WriteString("selectm", "gw", "1,2,3");
    ini.WriteString("ButtonEdit", "xhtz1Edit", "dm=1234/j=1/");
    ini.WriteBool("CheckBox", "gw1chk", true);
    ini.WriteBool("CheckBox", "gw2chk", false);
    ini.WriteInteger("TcxRadioGroup", "Index", -3);
    ini.WriteString("selectm", "gw", "4,5"); // replaces in place
    ini.WriteString("selectm", "sw", "中文");

    EXPECT_EQ(ini.ReadString("SelectM", "GW", ""), "4,5");
    EXPECT_EQ(ini.ReadString("ButtonEdit", "xhtz1edit", ""), "dm=1234/j=1/");
    EXPECT_TRUE(ini.ReadBool("CheckBox", "gw1chk", false));
    EXPECT_FALSE(ini.ReadBool("CheckBox", "gw2chk", true));
    EXPECT_EQ(ini.ReadInteger("TcxRadioGroup", "Index", 0), -3);
    EXPECT_EQ(ini.ReadString("selectm", "sw", ""), "中文");
    EXPECT_TRUE(ini.ValueExists("checkbox", "GW2CHK"));

    TStringList list;
    ini.ReadSections(list);
    EXPECT_EQ(Items(list), (std::vector<std::string>{"selectm", "ButtonEdit", "CheckBox", "TcxRadioGroup"}));
    ini.ReadSection("selectm", list);
    EXPECT_EQ(Items(list), (std::vector<std::string>{"gw", "sw"}));
    ini.ReadSectionValues("CheckBox", list);
    EXPECT_EQ(Items(list), (std::vector<std::string>{"gw1chk=1", "gw2chk=0"}));
    EXPECT_EQ(
        ReadFileBytes(Path("scheme.ini")),
        "[selectm]\ngw=4,5\nsw=中文\n[ButtonEdit]\nxhtz1Edit=dm=1234/j=1/\n[CheckBox]\ngw1chk=1\ngw2chk=0\n"
        "[TcxRadioGroup]\nIndex=-3\n");

    ini.DeleteKey("selectm", "GW");
    EXPECT_EQ(ini.ReadString("selectm", "gw", "none"), "none");
    ini.EraseSection("checkbox");
    EXPECT_FALSE(ini.SectionExists("CheckBox"));
    EXPECT_TRUE(ini.SectionExists("selectm"));
}

TEST_F(RtlIniFiles, AWrittenValueReadsBackAsItStood) {
    TIniFile ini(Path("quotes.ini"));
    const char* values[] = {"'j=1 /note'", "\"x\"",   " lead", "trail ", "'",      "\"\"",
                            "'a\"",        "\tx\x01", "",      "a=b",    "中 '文'"};
    for (size_t i = 0; i < std::size(values); ++i)
        ini.WriteString("s", "k" + std::to_string(i), values[i]);
    TIniFile reread(Path("quotes.ini"));
    for (size_t i = 0; i < std::size(values); ++i) {
        EXPECT_EQ(ini.ReadString("s", "k" + std::to_string(i), "?"), values[i]) << i;
        EXPECT_EQ(reread.ReadString("s", "k" + std::to_string(i), "?"), values[i]) << i;
    }
    // Quotes only where reading would drop something.
    EXPECT_EQ(ReadFileBytes(Path("quotes.ini")),
              "[s]\nk0=\"'j=1 /note'\"\nk1=\"\"x\"\"\nk2=\" lead\"\nk3=\"trail \"\nk4='\nk5=\"\"\"\"\n"
              "k6='a\"\nk7=\"\tx\x01\"\nk8=\nk9=a=b\nk10=中 '文'\n");
}

TEST_F(RtlIniFiles, AKeyOrSectionWrittenTwiceReadsAsItsFirst) {
    WriteFileBytesAtomically(Path("twice.ini"), "k=outside\n[s]\nk=1\nK=2\nother=3\n[S]\nk=4\nnew=5\n");
    TIniFile ini(Path("twice.ini"));
    EXPECT_EQ(ini.ReadString("S", "k", ""), "1");
    EXPECT_EQ(ini.ReadString("s", "new", "none"), "none") << "the second header of a section is not read";
    TStringList list;
    ini.ReadSection("s", list);
    EXPECT_EQ(Items(list), (std::vector<std::string>{"k", "K", "other"}));
    ini.ReadSectionValues("s", list);
    EXPECT_EQ(Items(list), (std::vector<std::string>{"k=1", "K=1", "other=3"}));
    ini.EraseSection("s");
    EXPECT_EQ(ini.ReadString("s", "k", ""), "4") << "the next header of the name is the section now";
    ini.WriteString("s", "k", "6");
    ini.DeleteKey("s", "new");
    EXPECT_EQ(ReadFileBytes(Path("twice.ini")), "k=outside\n[S]\nk=6\n");
}

TEST_F(RtlIniFiles, ReadsGbkFilesAndKeepsTheirOtherLines) {
    // "[方案]\r\n; 注释\r\n名称 = \"值=1\"\r\n\r\n[b]\r\nx=1\r\n" in GBK.
    WriteFileBytesAtomically(Path("gbk.ini"), "[\xB7\xBD\xB0\xB8]\r\n; \xD7\xA2\xCA\xCD\r\n\xC3\xFB\xB3\xC6 "
                                              "= \"\xD6\xB5=1\"\r\n\r\n[b]\r\nx=1\r\n");
    TIniFile ini(Path("gbk.ini"));
    EXPECT_EQ(ini.ReadString("方案", "名称", ""), "值=1");
    ini.WriteString("方案", "新", "2");
    // Rewritten as UTF-8 with its CR LF line breaks, the comment and the blank separator kept.
    EXPECT_EQ(ReadFileBytes(Path("gbk.ini")),
              "[方案]\r\n; 注释\r\n名称 = \"值=1\"\r\n新=2\r\n\r\n[b]\r\nx=1\r\n");
}

TEST_F(RtlIniFiles, UnreadableFilesAndBadWritesRaiseWithTheFileName) {
    std::filesystem::create_directory(Path("folder.ini"));
    TIniFile unreadable(Path("folder.ini"));
    try {
        unreadable.ReadString("a", "b", "");
        FAIL();
    } catch (const EIniFileException& e) {
        EXPECT_NE(e.Message().find(Path("folder.ini")), std::string::npos) << e.Message();
    }

    TIniFile nowhere(Path("missing/dir/x.ini"));
    try {
        nowhere.WriteString("a", "b", "c");
        FAIL();
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message().rfind("Unable to write to " + Path("missing/dir/x.ini"), 0), 0u) << e.Message();
    }

    TIniFile ini(Path("keep.ini"));
    ini.WriteString("s", "k", "v");
    for (auto [section, key, value] : {std::tuple{"s", "k", "a\nb=c"},
                                       {"s", "a=b", "v"},
                                       {"s\n[t]", "k", "v"},
                                       {"", "k", "v"},
                                       {"s", "", "v"},
                                       {"s", ";k", "v"}})
        EXPECT_THROW(ini.WriteString(section, key, value), EIniFileException) << key;
    EXPECT_EQ(ReadFileBytes(Path("keep.ini")), "[s]\nk=v\n"); // nothing stored was lost
}
