#include "calendar/TransDate.h"

#include "calendar/LunarTableLookups.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace zorvy {
namespace {

// A component with counters on both change events; the lunar date's own event stays hooked to the
// component, so lunar changes are seen through the component's event.
class TransDateTest : public ::testing::Test {
  protected:
    TransDateTest() : trans(nullptr) {
        trans.OnChange = [this](TObject*) { ++changes; };
    }

    void SetDate(int year, int month, int day) {
        trans.SetDate(EncodeDate(year, month, day));
        changes = 0;
    }
    TLunarDate& Lunar() { return *trans.GetLunarDate(); }

    TTransDate trans;
    int changes = 0;
};

struct ConversionCase {
    int year, month, day;
    int lYear, lMonth, lDay;
    bool leap;
};

TEST_F(TransDateTest, ConvertsBothWays) {
    const ConversionCase cases[] = {
        {1900, 1, 31, 1900, 1, 1, false}, {2008, 2, 7, 2008, 1, 1, false},
        {2009, 6, 23, 2009, 5, 1, true},  {2009, 6, 22, 2009, 5, 30, false},
        {2009, 7, 22, 2009, 6, 1, false}, {2000, 1, 1, 1999, 11, 25, false},
    };
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day));
        trans.SetDate(EncodeDate(c.year, c.month, c.day));
        EXPECT_EQ(Lunar().GetlYear(), c.lYear);
        EXPECT_EQ(Lunar().GetlMonth(), c.lMonth);
        EXPECT_EQ(Lunar().GetlDay(), c.lDay);
        EXPECT_EQ(Lunar().GetFlagLeapMonth(), c.leap);
        EXPECT_EQ(trans.LunarToSolar(Lunar()), EncodeDate(c.year, c.month, c.day));
    }
}

TEST_F(TransDateTest, EveryDayOfTheRangeConvertsAndComesBack) {
    const long first = static_cast<long>(EncodeDate(1900, 1, 31));
    long last = first - 1;
    for (int year = 1900; year <= 2056; ++year)
        last += LunarYearDays(year);
    for (long day = first; day <= last; ++day) {
        trans.SetDate(static_cast<TDateTime>(day));
        ASSERT_EQ(trans.LunarToSolar(Lunar()), static_cast<TDateTime>(day)) << "date value " << day;
        ASSERT_LE(Lunar().GetlDay(), Lunar().GetMaxMonthDays()) << "date value " << day;
    }
}

TEST_F(TransDateTest, SettingTheDateFiresOnceAndTheSameDateNotAtAll) {
    trans.SetDate(EncodeDate(2008, 2, 7));
    EXPECT_EQ(changes, 1);
    trans.SetDate(EncodeDate(2008, 2, 7));
    EXPECT_EQ(changes, 1);
    trans.SetISO8601(true);
    EXPECT_EQ(changes, 1);
}

TEST_F(TransDateTest, LunarSettersMoveTheDate) {
    SetDate(2008, 2, 7);
    Lunar().SetlDay(15);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(trans.GetDate(), EncodeDate(2008, 2, 21));
    EXPECT_EQ(Lunar().GetFeastOfLunar(), "元宵节");

    Lunar().SetlMonth(8);
    EXPECT_EQ(trans.GetDate(), EncodeDate(2008, 9, 14));
    EXPECT_EQ(Lunar().GetFeastOfLunar(), "中秋节");
    EXPECT_EQ(trans.GetWeek(), 1); // Sunday
    EXPECT_EQ(trans.GetMaxMonthDays(), 30);

    Lunar().SetlYear(2009);
    EXPECT_EQ(trans.GetDate(), EncodeDate(2009, 10, 3));
    EXPECT_EQ(changes, 3);
}

TEST_F(TransDateTest, LunarSettersIgnoreValuesOutsideTheTable) {
    SetDate(2009, 6, 23); // leap month 5 of 2009 has 29 days
    const TDateTime date = trans.GetDate();
    Lunar().SetlYear(1899);
    Lunar().SetlYear(2057);
    Lunar().SetlMonth(0);
    Lunar().SetlMonth(13);
    EXPECT_EQ(changes, 0);

    // A day the month lacks is not stored, but the change is still reported.
    Lunar().SetlDay(30);
    EXPECT_EQ(Lunar().GetlDay(), 1);
    EXPECT_EQ(changes, 1);
    Lunar().SetlDay(0);
    EXPECT_EQ(Lunar().GetlDay(), 1);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(trans.GetDate(), date);
}

TEST_F(TransDateTest, LeapMonthSwitchesBetweenAMonthAndItsLeapMonth) {
    SetDate(2009, 5, 24); // lunar 2009-05-01
    trans.SetLeapMonth(true);
    EXPECT_TRUE(Lunar().GetFlagLeapMonth());
    EXPECT_EQ(trans.GetDate(), EncodeDate(2009, 6, 23));

    // Names and lengths belong to the new day, as if it had been set directly.
    TTransDate fresh(nullptr);
    fresh.SetDate(EncodeDate(2009, 6, 23));
    EXPECT_EQ(Lunar().GetcDay(), fresh.GetLunarDate()->GetcDay());
    EXPECT_EQ(Lunar().GetMaxMonthDays(), 29);
    EXPECT_EQ(trans.GetWeek(), fresh.GetWeek());

    trans.SetLeapMonth(false);
    EXPECT_EQ(trans.GetDate(), EncodeDate(2009, 5, 24));

    SetDate(2008, 5, 5); // 2008 has no leap month: nothing moves
    trans.SetLeapMonth(true);
    EXPECT_FALSE(Lunar().GetFlagLeapMonth());
    EXPECT_EQ(trans.GetDate(), EncodeDate(2008, 5, 5));
    EXPECT_EQ(changes, 0);
}

TEST(TransDate, AChangeHandlerMayFreeTheComponent) {
    auto* trans = new TTransDate(nullptr);
    trans->SetDate(EncodeDate(2009, 5, 24));
    trans->OnChange = [&](TObject*) { delete trans; };
    trans->SetLeapMonth(true);
}

TEST_F(TransDateTest, GregorianMonthLengthFollowsLunarChanges) {
    SetDate(2008, 1, 31); // lunar 2007-12-24
    EXPECT_EQ(trans.GetMaxMonthDays(), 31);
    Lunar().SetlDay(30);
    EXPECT_EQ(trans.GetDate(), EncodeDate(2008, 2, 6));
    EXPECT_EQ(trans.GetMaxMonthDays(), 29);
}

TEST_F(TransDateTest, DatesOutsideTheTableKeepTheLunarDate) {
    const TDateTime outside[] = {EncodeDate(1900, 1, 30), EncodeDate(1900, 1, 1), EncodeDate(1800, 6, 1),  EncodeDate(2057, 2, 4),
                                 EncodeDate(2057, 3, 1),  EncodeDate(2100, 1, 1), EncodeDate(9999, 12, 31)};
    for (TDateTime date : outside) {
        SCOPED_TRACE(date);
        SetDate(2008, 2, 7);
        trans.SetDate(date);
        EXPECT_EQ(trans.GetDate(), date);
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(Lunar().GetlYear(), 2008);
        EXPECT_EQ(Lunar().GetlMonth(), 1);
        EXPECT_EQ(Lunar().GetlDay(), 1);
    }
    trans.SetDate(EncodeDate(2057, 2, 3)); // last day of lunar 2056
    EXPECT_EQ(Lunar().GetlYear(), 2056);
    EXPECT_EQ(Lunar().GetlMonth(), 12);
    EXPECT_EQ(Lunar().GetlDay(), Lunar().GetMaxMonthDays());
}

TEST_F(TransDateTest, ValuesThatAreNoDateAreRejected) {
    SetDate(2008, 2, 7);
    for (TDateTime bad :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e300, -1e300}) {
        EXPECT_THROW(trans.SetDate(bad), EConvertError);
        EXPECT_EQ(trans.GetDate(), EncodeDate(2008, 2, 7));
        EXPECT_EQ(Lunar().GetlDay(), 1);
    }
    EXPECT_EQ(changes, 0);
}

TEST_F(TransDateTest, AssigningALunarDateCopiesIt) {
    SetDate(2000, 1, 1);
    auto other = std::make_unique<TLunarDate>();
    other->SetlYear(2008);
    other->SetlMonth(8);
    other->SetlDay(15);
    other->SetFlagLeapMonth(false);

    trans.SetLunarDate(other.get());
    EXPECT_NE(trans.GetLunarDate(), other.get());
    EXPECT_EQ(trans.GetDate(), EncodeDate(2008, 9, 14));
    EXPECT_EQ(Lunar().GetFeastOfLunar(), "中秋节");
    EXPECT_EQ(changes, 1);

    other->SetlDay(16); // the copy does not follow the original
    other.reset();      // and the component never frees it
    EXPECT_EQ(Lunar().GetlDay(), 15);

    trans.SetLunarDate(nullptr);
    trans.SetLunarDate(trans.GetLunarDate());
    EXPECT_EQ(changes, 1);
}

} // namespace
} // namespace zorvy
