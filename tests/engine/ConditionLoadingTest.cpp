#include "engine/FilterRun.h"

#include "platform/rtl/Exceptions.h"
#include "tests/engine/RecordingHost.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

TEST(ConditionTable, StemsFamiliesAndMessages) {
    const auto& table = ConditionTable();
    EXPECT_EQ(table[0].Stem, "xhx0");
    EXPECT_EQ(table[XhtzFirst].Stem, "xhtz1");
    EXPECT_EQ(table[XhbhFirst + 3].Stem, "xhbh4");
    EXPECT_EQ(table[PositionFirst].Stem, "gw1");
    EXPECT_EQ(table[TbFirst - 1].Stem, "sww19");
    EXPECT_EQ(table[ConditionCount - 1].Stem, "tb16");
    EXPECT_EQ(ConditionIndex("Tb9"), TbFirst + 8);
    EXPECT_EQ(ConditionIndex("tb9"), -1);
    const struct {
        const char* stem;
        const char* caption;
        ConditionFamily family;
        const char* message;
    } rows[] = {{"xhx3", "含3个数", cfBianma3, "六位包含3个数错误"},
                {"xhtz4", "同字个数", cfBianma1, "六码同字个数度错误"},
                {"xhbh3", "包含3", cfBianma1, "六位包含0-9(3)错误"},
                {"xhtz15", "间距类型", cfBianma2, "六位间距类型错误"},
                {"gw1", "值", cfGw, "个位值错误"},
                {"sw14", "水仙花数", cfSw, "十位综合值1错误"},
                {"ww9", "五行值", cfWw, "万位五行错误"},
                {"sww7", "热温冷值", cfSww, "十万热温冷值错误"},
                {"sww19", "动态右斜值", cfSww, "十万位动态右斜值错误"},
                {"tb4", "西西弗斯", cfTb1, "西西弗斯错误"},
                {"Tb12", "自幂组合", cfTb2, "自幂组合错误"},
                {"tb16", "矩阵组合4", cfTb2, "矩阵组合4错误"}};
    for (const auto& row : rows) {
        const TConditionInfo& info = table.at(ConditionIndex(row.stem));
        EXPECT_EQ(info.Caption, row.caption) << row.stem;
        EXPECT_EQ(info.Family, row.family) << row.stem;
        EXPECT_EQ(info.Message, row.message) << row.stem;
    }
    const std::array<size_t, FamilyCount> sizes = {18, 8, 10, 19, 19, 19, 19, 19, 19, 8, 8};
    size_t total = 0;
    for (int family = 0; family < FamilyCount; ++family) {
        EXPECT_EQ(FamilyTable()[family].Members.size(), sizes[family]);
        for (int member : FamilyTable()[family].Members)
            EXPECT_EQ(table[member].Family, family);
        total += sizes[family];
    }
    EXPECT_EQ(total, size_t(ConditionCount));
    EXPECT_EQ(table[FamilyTable()[cfBianma1].Members[14]].Stem, "xhbh1");
}

TEST(FnFilterCheck, ReadsMarksAndLists) {
    TFilterEngine engine;
    TFilterInput input;
    const struct {
        const char* stem;
        const char* text;
        TConditionMarks marks;
        const char* list;
    } cases[] = {
        {"xhtz2", "j=1/", {1, -1, -1, -1, -1, -1, -1}, "-1"},
        {"xhtz3", "j=0/", {-1, 0, -1, -1, -1, -1, -1}, "-1"},
        {"gw1", "y=0/y=2/", {-1, -1, 0, -1, 2, -1, -1}, "-1"},
        {"gw2", "fw1=3/fw2=7/", {-1, -1, -1, -1, -1, 3, 7}, "-1"},
        {"tb1", "xfw= 1 3 5 /", {-1, -1, -1, -1, -1, -1, -1}, " 1 3 5 "},
        {"Tb9", "xfw=c4, 1 3 /", {-1, -1, -1, -1, -1, -1, -1}, "c4, 1 3 "},
        {"xhtz1", "fw1=40000/fw2=1107568/", {-1, -1, -1, -1, -1, 40000, 1107568}, "-1"},
        {"sww19", "nothing here", {-1, -1, -1, -1, -1, -1, -1}, "-1"},
    };
    for (const auto& c : cases)
        Tick(input, c.stem, c.text);
    engine.FnFilterCheck(input);
    for (const auto& c : cases) {
        const TConditionRecord& record = engine.ConditionRecords[ConditionIndex(c.stem)];
        EXPECT_EQ(record.Marks(), c.marks) << c.stem;
        EXPECT_EQ(record.ValueList, c.list) << c.stem;
    }
    EXPECT_EQ(engine.GroupCounts[cfBianma1], 3);
    EXPECT_EQ(engine.GroupCounts[cfGw], 2);
    EXPECT_EQ(engine.GroupCounts[cfTb2], 1);
}

TEST(FnFilterCheck, TicksAndFamilyFlags) {
    TFilterEngine engine;
    TFilterInput input;
    input.FamilyFlags.fill(true);  // the user ticked every flag
    Tick(input, "xhtz21", "j=1/"); // the only member of cfBianma2
    Tick(input, "gw3", "");        // ticked with an empty text
    Tick(input, "gw4", "j=0/");
    Tick(input, "sw5", ""); // the only ticked member of cfSw, but empty
    Tick(input, "Tb11", "fw1=1/fw2=9/");
    engine.ConditionRecords[ConditionIndex("tb1")].ValueList = " 7 "; // left from an earlier run
    engine.FnFilterCheck(input);
    EXPECT_FALSE(input.Conditions[ConditionIndex("gw3")].Checked);
    EXPECT_FALSE(input.Conditions[ConditionIndex("sw5")].Checked);
    const std::array<bool, FamilyCount> flags = {false, true,  false, true,  false, false,
                                                 false, false, false, false, true};
    EXPECT_EQ(input.FamilyFlags, flags);
    EXPECT_EQ(engine.GroupCounts[cfGw], 1);
    EXPECT_EQ(engine.ConditionRecords[ConditionIndex("tb1")].ValueList, " 7 ");
}

TEST(FnFilterCheck, MalformedNumberStopsTheLoading) {
    TFilterEngine engine;
    TFilterInput input;
    input.FamilyFlags = {false, false, false, true, true, false, true, false, true, false, true};
    const auto before = input.FamilyFlags;
    Tick(input, "xhx1", "j=1/");
    Tick(input, "gw2", "j=1/y=1/fw1=3a/fw2=9/xfw= 1 /");
    Tick(input, "sw1", "j=1/");
    try {
        engine.FnFilterCheck(input);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'3a' is not a valid integer value");
    }
    // Families loaded before the error have their flags; cfGw and later keep theirs.
    EXPECT_TRUE(input.FamilyFlags[cfBianma3]);
    EXPECT_FALSE(input.FamilyFlags[cfBianma1]);
    for (int family = cfGw; family < FamilyCount; ++family)
        EXPECT_EQ(input.FamilyFlags[family], before[family]);
    const TConditionRecord& record = engine.ConditionRecords[ConditionIndex("gw2")];
    EXPECT_EQ(record.Marks(), (TConditionMarks{1, -1, -1, 1, -1, 0, 0}));
    EXPECT_EQ(engine.ConditionRecords[ConditionIndex("sw1")].OddMark, 0);
}

TEST(SixbmJsPro, DigitSummary) {
    TFilterEngine engine;
    TRecordingHost host;
    TFilterInput input;
    input.DigitButtons = AllDigits();
    engine.sixbmJsPro(input, host);
    EXPECT_EQ(host.Zongshu, "选码组合数：1107568");
    EXPECT_FALSE(input.customwzchk);
    EXPECT_EQ(engine.SelectedDigits[3], "0123456789");

    input.DigitButtons = {};
    for (auto& row : input.DigitButtons)
        row[1] = true;
    engine.sixbmJsPro(input, host);
    EXPECT_EQ(host.Zongshu, "选码组合数：1");
    EXPECT_TRUE(input.customwzchk);
    EXPECT_EQ(engine.SelectedDigitCount, 6);

    input.DigitButtons[0][5] = input.DigitButtons[0][3] = input.DigitButtons[2][0] = true;
    input.DigitButtons[5][1] = false;
    engine.sixbmJsPro(input, host);
    EXPECT_EQ(engine.SelectedDigits[0], "135");
    EXPECT_EQ(engine.SelectedDigits[5], "");
    EXPECT_EQ(host.Zongshu, "选码组合数：0");
}

} // namespace
} // namespace zorvy
