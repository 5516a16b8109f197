#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/Ticks.h"

#include "SavedEnvironment.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace zorvy;

namespace {

ZORVY_RESOURCESTRING(sTestCaption, "Customization");
ZORVY_RESOURCESTRING(sTestOther, "Other");

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

TEST(RtlEncoding, Utf8CharacterSteppingNeverSplitsACharacter) {
    const std::string text = "a中€😀b"; // 1, 3, 3, 4, 1 bytes
    EXPECT_EQ(CharCount(text), 5u);
    EXPECT_EQ(CharLengthAt(text, 1), 3u);
    EXPECT_EQ(CharLengthAt(text, 7), 4u);
    EXPECT_EQ(CharLengthAt(text, 12), 0u);
    EXPECT_EQ(StrCharLength(text, 2), 3);
    EXPECT_EQ(NextCharIndex(text, 1), 4u);
    EXPECT_EQ(PrevCharIndex(text, 11), 7u);
    EXPECT_EQ(PrevCharIndex(text, 1), 0u);
    EXPECT_EQ(ByteType(text, 1), TMbcsByteType::mbLeadByte);
    EXPECT_EQ(ByteType(text, 2), TMbcsByteType::mbTrailByte);
    EXPECT_EQ(ByteType(text, 0), TMbcsByteType::mbSingleByte);
    EXPECT_EQ(CopyChars(text, 2), "a中");
    EXPECT_EQ(CharToByteIndex(text, 99), text.size());
    // Broken sequences step one byte at a time instead of running past the end.
    const std::string broken = "\xE4\xB8";
    EXPECT_EQ(CharLengthAt(broken, 0), 1u);
    EXPECT_EQ(CharCount(broken), 2u);
    EXPECT_EQ(PrevCharIndex("a\x80\x80", 3), 2u);
}

TEST(RtlEncoding, GbkAndUtf8Conversion) {
    const std::string utf8 = "开始过滤 ok";
    const std::string gbk = "\xBF\xAA\xCA\xBC\xB9\xFD\xC2\xCB ok";
    EXPECT_EQ(Utf8ToGbk(utf8), gbk);
    EXPECT_EQ(GbkToUtf8(gbk), utf8);
    EXPECT_EQ(DecodeGbkOrUtf8(gbk), utf8);
    EXPECT_EQ(DecodeGbkOrUtf8(utf8), utf8);
    EXPECT_EQ(DecodeGbkOrUtf8("\xEF\xBB\xBFx=1"), "x=1");
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_FALSE(IsValidUtf8(gbk));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));     // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")); // surrogate
    // Bad bytes are replaced, never dropped silently or crashed on.
    EXPECT_EQ(GbkToUtf8("a\xFF"), "a\xEF\xBF\xBD");
    EXPECT_EQ(Utf8ToGbk("a😀b"), "a?b");
    EXPECT_EQ(Utf8ToGbk("a\xFFz"), "a?z");
    EXPECT_EQ(SanitizeUtf8("x\xE4\xB8"), "x\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(RtlEncoding, CodePointsEncodeAtEachLengthBoundary) {
    const struct {
        char32_t code;
        const char* bytes;
    } cases[] = {
        {U'A', "A"},          {0x7F, "\x7F"},          {0x80, "\xC2\x80"},         {0x7FF, "\xDF\xBF"},
        {0x800, "\xE0\xA0\x80"}, {U'中', "\xE4\xB8\xAD"}, {0xFFFF, "\xEF\xBF\xBF"},
        {0x10000, "\xF0\x90\x80\x80"}, {0x10FFFF, "\xF4\x8F\xBF\xBF"},
    };
    for (const auto& c : cases) EXPECT_EQ(CodePointToUtf8(c.code), c.bytes) << std::hex << uint32_t(c.code);
}

TEST(RtlResourceStrings, ResolveGivesTheOwnTextUnlessReplaced) {
    EXPECT_EQ(ResolveResourceString(sTestCaption), "Customization");
    EXPECT_EQ(FindResourceStringReplacement(sTestCaption), -1);
    RegisterResourceStringReplacement(sTestCaption, "自定义");
    EXPECT_EQ(ResolveResourceString(sTestCaption), "自定义");
    EXPECT_EQ(ResolveResourceString(sTestOther), "Other");
    RegisterResourceStringReplacement(sTestCaption, "定制");
    EXPECT_EQ(ResolveResourceString(sTestCaption), "定制");
    ClearResourceStringReplacements();
    EXPECT_EQ(ResolveResourceString(sTestCaption), "Customization");
}

TEST(RtlFiles, DataFolderFollowsTheEnvironmentAndIsCreated) {
    test::ScratchFolder temp;
    test::SavedEnvironmentVariable home("ZORVY_HOME"), xdg("XDG_DATA_HOME"), userHome("HOME");

    setenv("ZORVY_HOME", (temp.Path() + "/own/").c_str(), 1);
    EXPECT_EQ(DataFolder(), temp.Path() + "/own");
    EXPECT_TRUE(DirectoryExists(temp.Path() + "/own"));
    unsetenv("ZORVY_HOME");
    setenv("XDG_DATA_HOME", (temp.Path() + "/xdg").c_str(), 1);
    EXPECT_EQ(DataFolder(), temp.Path() + "/xdg/zorvy");
    unsetenv("XDG_DATA_HOME");
    setenv("HOME", temp.Path().c_str(), 1);
    EXPECT_EQ(DataFolder(), temp.Path() + "/.local/share/zorvy");
    EXPECT_TRUE(DirectoryExists(temp.Path() + "/.local/share/zorvy"));
    WriteBytes(temp.Path() + "/blocker", "x");
    setenv("ZORVY_HOME", (temp.Path() + "/blocker/sub").c_str(), 1);
    try {
        DataFolder();
        ADD_FAILURE();
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message(), "Cannot create folder " + temp.Path() + "/blocker/sub");
    }
}

TEST(RtlFiles, ListingDeletingAndNames) {
    test::ScratchFolder temp;
    const std::string dir = temp.Path() + "/FangAn";
    EXPECT_TRUE(ForceDirectories(dir + "/deep/er"));
    for (const char* name : {"b.ini", "A.INI", "c.txt", "ab.ini.bak"})
        WriteBytes(dir + "/" + name, "x");
    EXPECT_EQ(FindFiles(dir, "*.ini"), (std::vector<std::string>{"A.INI", "b.ini"}));
    EXPECT_EQ(FindFiles(dir, "*.*").size(), 4u);
    EXPECT_EQ(FindFiles(dir, "?.txt"), std::vector<std::string>{"c.txt"});
    EXPECT_TRUE(FindFiles(temp.Path() + "/missing", "*").empty());
    EXPECT_TRUE(FileExists(dir + "/c.txt"));
    EXPECT_FALSE(FileExists(dir));
    EXPECT_TRUE(DeleteFile(dir + "/c.txt"));
    EXPECT_FALSE(DeleteFile(dir + "/c.txt"));
    EXPECT_FALSE(DeleteFile(dir + "/deep"));
    EXPECT_TRUE(RenameFile(dir + "/b.ini", dir + "/d.ini"));
    EXPECT_FALSE(RenameFile(dir + "/d.ini", dir + "/A.INI"));

    EXPECT_EQ(ExtractFilePath("/a/b/c.ini"), "/a/b/");
    EXPECT_EQ(ExtractFileDir("/a/b/c.ini"), "/a/b");
    EXPECT_EQ(ExtractFileName("/a/b/c.ini"), "c.ini");
    EXPECT_EQ(ExtractFileExt("/a.b/c"), "");
    EXPECT_EQ(ExtractFileExt("c.tar.gz"), ".gz");
    EXPECT_EQ(ChangeFileExt("/x/scheme.ini", ".txt"), "/x/scheme.txt");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/x"), "/x/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/x//"), "/x");
    EXPECT_EQ(ExpandFileName("/a/./b/../c"), "/a/c");
}

TEST(RtlTicks, MonotonicCounterAndRandomRanges) {
    uint64_t first = GetTickCount64();
    EXPECT_GE(GetTickCount64(), first);
    SetRandSeed(42);
    int a = Random(33);
    SetRandSeed(42);
    EXPECT_EQ(Random(33), a);
    for (int i = 0; i < 200; ++i) {
        int r = Random(7);
        EXPECT_GE(r, 0);
        EXPECT_LT(r, 7);
        double d = Random();
        EXPECT_GE(d, 0.0);
        EXPECT_LT(d, 1.0);
    }
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-3), 0);
}
