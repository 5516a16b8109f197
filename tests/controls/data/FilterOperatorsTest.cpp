#include "controls/data/FilterOperators.h"

#include "../../platform/rtl/FormatSettingsFixture.h"
#include "FilterFixture.h"
#include "controls/data/Variants.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

using namespace zorvy;
using test::TableCriteria;

namespace {

TDateTime fixedNow = 0;
TDateTime FixedClock() {
    return fixedNow;
}

class DataFilterOperators : public test::EnglishFormatSettingsTest {
  protected:
    DataFilterOperators() {
        field_ = criteria_.AddField(1, "F");
        criteria_.AddRow({Variant()});
    }
    ~DataFilterOperators() override { cxFilterClock = &Now; }

    // Whether a record holding `v` passes the one condition "F code c".
    bool Passes(TcxFilterOperatorCode code, const Variant& v, const Variant& c = Variant::Null()) {
        criteria_.RemoveAllItems();
        criteria_.AddItem(nullptr, field_, code, c, "");
        criteria_.Row(0)[0] = v;
        return criteria_.RecordPasses(0);
    }
    void SetToday(int year, int month, int day) {
        fixedNow = EncodeDate(year, month, day) + EncodeTime(13, 30, 0, 0);
        cxFilterClock = &FixedClock;
    }

    TableCriteria criteria_;
    test::FilterField* field_;
};

} // namespace

TEST_F(DataFilterOperators, ComparisonsOnEveryKindOfValue) {
    const Currency big = Currency::FromScaled((int64_t{1} << 53) + 1),
                   bigger = Currency::FromScaled((int64_t{1} << 53) + 2);
    struct Case {
        TcxFilterOperatorCode code;
        Variant v, c;
        bool passes;
    } cases[] = {
        {ocEqual, 5, 5, true},
        {ocEqual, 5, 6, false},
        {ocNotEqual, 5, 6, true},
        {ocLess, 4, 5, true},
        {ocLess, 5, 5, false},
        {ocLessEqual, 5, 5, true},
        {ocGreater, 6, 5.5, true},
        {ocGreaterEqual, 5, 5.5, false},
        {ocEqual, "abc", "abc", true},
        {ocLess, "abc", "abd", true},
        {ocEqual, Variant::FromDate(45000.5), Variant::FromDate(45000.5), true},
        {ocGreater, Variant::FromDate(45001), Variant::FromDate(45000.5), true},
        {ocEqual, Variant(true), Variant(true), true},
        {ocNotEqual, Variant(true), Variant(false), true},
        {ocEqual, Variant(big), Variant(bigger), false},
        {ocLess, Variant(big), Variant(bigger), true},
        {ocEqual, Variant(Currency::FromInt(3)), 3, true},
        {ocEqual, Variant::FromInt64(int64_t{1} << 60), Variant::FromInt64((int64_t{1} << 60) + 1), false},
        {ocLess, Variant::Null(), 5, true}, // Null sorts below every value
        {ocGreater, Variant::Null(), 5, false},
        {ocBetween, 3, VarArrayOf({1, 5}), true},
        {ocBetween, 5, VarArrayOf({1, 5}), true},
        {ocBetween, 6, VarArrayOf({1, 5}), false},
        {ocNotBetween, 6, VarArrayOf({1, 5}), true},
        {ocBetween, "m", VarArrayOf({"a", "z"}), true},
        {ocInList, 2, VarArrayOf({1, 2, 3}), true},
        {ocInList, 4, VarArrayOf({1, 2, 3}), false},
        {ocNotInList, 4, VarArrayOf({1, 2, 3}), true},
        {ocInList, "b", VarArrayOf({"a", "b"}), true},
        {ocInList, 2, VarArrayCreate({{0, -1}}, varVariant), false},
        {ocInList, 2, Variant(""), false},
        {ocNotInList, 2, VarArrayCreate({{0, -1}}, varVariant), true},
        {ocLike, "Zorvy", "Zo%", true},
        {ocLike, "Zorvy", "zo%", false},
        {ocLike, 12345, "%34%", true}, // a value that is no text matches through its text
        {ocNotLike, "Zorvy", "%x%", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Passes(c.code, c.v, c.c), c.passes) << int(c.code) << " " << VarToStr(c.v);
}

TEST_F(DataFilterOperators, BlankValuesMakeBlankTests) {
    EXPECT_TRUE(Passes(ocEqual, Variant::Null(), Variant::Null()));
    EXPECT_FALSE(Passes(ocEqual, 0, Variant::Null()));
    EXPECT_TRUE(Passes(ocNotEqual, 0, Variant::Null()));
    EXPECT_TRUE(Passes(ocLike, Variant::Null(), Variant::Null()));
    EXPECT_FALSE(Passes(ocNotLike, Variant::Null(), Variant::Null()));
    EXPECT_FALSE(Passes(ocEqual, "", Variant::Null()));
    criteria_.SetOptions(FilterOption(fcoSoftNull));
    EXPECT_TRUE(Passes(ocEqual, "", Variant::Null()));
    EXPECT_TRUE(Passes(ocEqual, Variant::Null(), ""));
    EXPECT_TRUE(dynamic_cast<TcxFilterNullOperator*>(criteria_.FindItemForLink(field_)->GetOperator()));
    // With IgnoreNull a blank value fails everything but a blank test.
    criteria_.SetOptions(FilterOption(fcoIgnoreNull));
    EXPECT_FALSE(Passes(ocNotEqual, Variant::Null(), 5));
    EXPECT_FALSE(Passes(ocLess, Variant::Null(), 5));
    EXPECT_TRUE(Passes(ocEqual, Variant::Null(), Variant::Null()));
    criteria_.SetOptions(0);
    EXPECT_TRUE(Passes(ocNotEqual, Variant::Null(), 5));
}

TEST_F(DataFilterOperators, CaseAndSoftCompareOptions) {
    criteria_.SetOptions(FilterOption(fcoCaseInsensitive));
    EXPECT_TRUE(Passes(ocLike, "Zorvy", "zo%"));
    EXPECT_TRUE(Passes(ocEqual, "Ärger", "ärger"));
    EXPECT_TRUE(Passes(ocInList, "B", VarArrayOf({"a", "b"})));
    // A text that is no number against a list of numbers is a variant error.
    criteria_.SetOptions(0);
    EXPECT_THROW(Passes(ocInList, "abc", VarArrayOf({1, 2})), EVariantError);
    criteria_.SetOptions(FilterOption(fcoSoftCompare));
    EXPECT_FALSE(Passes(ocInList, "abc", VarArrayOf({1, 2})));
    EXPECT_FALSE(Passes(ocNotInList, "abc", VarArrayOf({1, 2})));
}

// The ranges on a fixed clock: [first, end) by the day of the criteria's last change.
TEST_F(DataFilterOperators, DateOperatorsCoverTheirRanges) {
    FormatSettings().FirstDayOfWeek = 0; // Monday
    struct Case {
        TcxFilterOperatorCode code;
        int today[3];
        TDateTime first, end; // 0 = open
    } cases[] = {
        {ocYesterday, {2026, 12, 10}, EncodeDate(2026, 12, 9), EncodeDate(2026, 12, 10)},
        {ocToday, {2026, 12, 10}, EncodeDate(2026, 12, 10), EncodeDate(2026, 12, 11)},
        {ocTomorrow, {2026, 12, 10}, EncodeDate(2026, 12, 11), EncodeDate(2026, 12, 12)},
        {ocLast7Days, {2026, 12, 10}, EncodeDate(2026, 12, 4), EncodeDate(2026, 12, 11)},
        {ocLast14Days, {2026, 12, 10}, EncodeDate(2026, 11, 27), EncodeDate(2026, 12, 11)},
        {ocLast30Days, {2026, 12, 10}, EncodeDate(2026, 11, 11), EncodeDate(2026, 12, 11)},
        {ocNext7Days, {2026, 12, 10}, EncodeDate(2026, 12, 10), EncodeDate(2026, 12, 17)},
        {ocNext14Days, {2026, 12, 10}, EncodeDate(2026, 12, 10), EncodeDate(2026, 12, 24)},
        {ocNext30Days, {2026, 12, 10}, EncodeDate(2026, 12, 10), EncodeDate(2027, 1, 9)},
        {ocThisWeek, {2026, 12, 10}, EncodeDate(2026, 12, 7), EncodeDate(2026, 12, 14)},
        {ocThisWeek, {2026, 12, 13}, EncodeDate(2026, 12, 7), EncodeDate(2026, 12, 14)}, // a Sunday
        {ocLastWeek, {2026, 12, 10}, EncodeDate(2026, 11, 30), EncodeDate(2026, 12, 7)},
        {ocLastTwoWeeks, {2026, 12, 10}, EncodeDate(2026, 11, 23), EncodeDate(2026, 12, 7)},
        {ocNextWeek, {2026, 12, 10}, EncodeDate(2026, 12, 14), EncodeDate(2026, 12, 21)},
        {ocNextTwoWeeks, {2026, 12, 10}, EncodeDate(2026, 12, 14), EncodeDate(2026, 12, 28)},
        {ocLastMonth, {2026, 12, 10}, EncodeDate(2026, 11, 1), EncodeDate(2026, 12, 1)},
        {ocLastMonth, {2027, 1, 31}, EncodeDate(2026, 12, 1), EncodeDate(2027, 1, 1)},
        {ocThisMonth, {2026, 12, 10}, EncodeDate(2026, 12, 1), EncodeDate(2027, 1, 1)},
        {ocNextMonth, {2026, 11, 30}, EncodeDate(2026, 12, 1), EncodeDate(2027, 1, 1)},
        {ocNextMonth, {2026, 12, 10}, EncodeDate(2027, 1, 1), EncodeDate(2027, 2, 1)},
        {ocLastYear, {2026, 12, 10}, EncodeDate(2025, 1, 1), EncodeDate(2026, 1, 1)},
        {ocThisYear, {2026, 12, 10}, EncodeDate(2026, 1, 1), EncodeDate(2027, 1, 1)},
        {ocNextYear, {2026, 12, 10}, EncodeDate(2027, 1, 1), EncodeDate(2028, 1, 1)},
        {ocInPast, {2026, 12, 10}, 0, EncodeDate(2026, 12, 10)},
        {ocInFuture, {2026, 12, 10}, EncodeDate(2026, 12, 11), 0},
    };
    const double minute = 1.0 / 1440;
    for (const Case& c : cases) {
        SetToday(c.today[0], c.today[1], c.today[2]);
        SCOPED_TRACE(std::to_string(int(c.code)) + " on " + DateToStr(fixedNow));
        if (c.first != 0) {
            EXPECT_TRUE(Passes(c.code, Variant::FromDate(c.first)));
            EXPECT_FALSE(Passes(c.code, Variant::FromDate(c.first - minute)));
        } else {
            EXPECT_TRUE(Passes(c.code, Variant::FromDate(-100000)));
        }
        if (c.end != 0) {
            EXPECT_TRUE(Passes(c.code, Variant::FromDate(c.end - minute)));
            EXPECT_FALSE(Passes(c.code, Variant::FromDate(c.end)));
        } else {
            EXPECT_TRUE(Passes(c.code, Variant::FromDate(100000)));
        }
        EXPECT_FALSE(Passes(c.code, Variant::Null()));
    }
    // A Sunday-first locale moves the week.
    FormatSettings().FirstDayOfWeek = 6;
    SetToday(2026, 12, 12); // a Saturday
    EXPECT_TRUE(Passes(ocThisWeek, Variant::FromDate(EncodeDate(2026, 12, 6))));
    EXPECT_FALSE(Passes(ocThisWeek, Variant::FromDate(EncodeDate(2026, 12, 13))));
}

TEST_F(DataFilterOperators, DateRangeStaysThatOfTheLastChange) {
    SetToday(2026, 12, 10);
    criteria_.AddItem(nullptr, field_, ocToday, Variant::Null(), "");
    criteria_.Row(0)[0] = Variant::FromDate(EncodeDate(2026, 12, 10) + 0.5);
    EXPECT_TRUE(criteria_.RecordPasses(0));
    SetToday(2026, 12, 11);
    EXPECT_TRUE(criteria_.RecordPasses(0)) << "no change since, so still the 10th";
    criteria_.NoteChange();
    EXPECT_FALSE(criteria_.RecordPasses(0));
}

TEST_F(DataFilterOperators, RangeAndListTexts) {
    int position = 1;
    EXPECT_EQ(ExtractSemicolonItem(" a ; b", position), "a");
    EXPECT_EQ(position, 5);
    EXPECT_EQ(ExtractSemicolonItem(" a ; b", position), "b");
    EXPECT_EQ(position, 7);
    Variant pair = DisplayTextToPair("1;5;9");
    EXPECT_EQ(PairToDisplayText(pair), "1 and 5");
    EXPECT_EQ(PairToDisplayText(DisplayTextToPair("1")), "1 and ");
    EXPECT_EQ(ListToDisplayText(DisplayTextToList("a; b ;c")), "(a, b, c)");
    EXPECT_EQ(ListToDisplayText(DisplayTextToList("a;;b;")), "(a, , b)");
    EXPECT_FALSE(DisplayTextToList("").IsArray());
    EXPECT_EQ(ListToDisplayText(DisplayTextToList("")), "()");
    EXPECT_EQ(ListToDisplayText(VarArrayOf({1, Variant::Null()})), "(1, blank)");
}
