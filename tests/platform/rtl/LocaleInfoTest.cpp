#include "platform/rtl/LocaleInfo.h"
#include "SavedEnvironment.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class LocaleInfo : public ::testing::Test {
  protected:
    void UseLocale(const char* name) { setenv("LC_ALL", name, 1); }
    SavedEnvironmentVariable saved{"LC_ALL"};
};

TEST_F(LocaleInfo, AnswersComeFromTheUsersLocale) {
    UseLocale("zh_CN.UTF-8");
    EXPECT_EQ(GetLocaleInfo(LOCALE_SSHORTDATE), "yyyy-MM-dd");
    EXPECT_EQ(GetLocaleInfo(LOCALE_SDATE), "-");
    EXPECT_EQ(GetLocaleInfo(LOCALE_STIME), ":");
    EXPECT_EQ(GetLocaleInfo(LOCALE_S1159), "上午");
    EXPECT_EQ(GetLocaleInfo(LOCALE_IFIRSTDAYOFWEEK), "0") << "Monday";
    EXPECT_EQ(GetLocaleInfo(LOCALE_IFIRSTWEEKOFYEAR), "0");
    EXPECT_EQ(GetLocaleInfo(0x7777), "");
    UseLocale("en_US.UTF-8");
    EXPECT_EQ(GetLocaleInfo(LOCALE_IFIRSTDAYOFWEEK), "6") << "Sunday";
    EXPECT_EQ(GetLocaleInfo(LOCALE_S2359), "PM");
}

TEST_F(LocaleInfo, DatePicturesAndTimes) {
    UseLocale("en_US.UTF-8");
    const TSystemTime t{2008, 12, 2, 9, 7, 5, 3, 0}; // Tuesday 9 December 2008, 07:05:03
    EXPECT_EQ(GetDateFormat(t), "2008-12-09");
    EXPECT_EQ(GetDateFormat(t, "d/M/yy"), "9/12/08");
    EXPECT_EQ(GetDateFormat(t, "dddd, MMMM dd yyyy"), "Tuesday, December 09 2008");
    EXPECT_EQ(GetDateFormat(t, "ddd MMM 'it''s' y"), "Tue Dec it's 8");
    EXPECT_EQ(GetTimeFormat(t), "07:05:03");
    UseLocale("zh_CN.UTF-8");
    EXPECT_EQ(GetDateFormat(t, "yyyy'年'M'月'd'日' dddd"), "2008年12月9日 星期二");
    const TSystemTime invalid{2008, 2, 0, 30, 0, 0, 0, 0};
    EXPECT_EQ(GetDateFormat(invalid), "");
}

} // namespace
} // namespace zorvy::test
