#include "platform/rtl/FormatSettings.h"
#include "SavedEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace zorvy;

TEST(RtlFormatSettings, LocaleDefaultsAndChangeNotices) {
    TFormatSettings chinese = DefaultFormatSettings("zh_CN.UTF-8");
    EXPECT_EQ(chinese.LongMonthNames[11], "十二月");
    EXPECT_EQ(chinese.LongDayNames[0], "星期日");
    EXPECT_EQ(chinese.TimePMString, "下午");
    EXPECT_EQ(chinese.FirstDayOfWeek, 0);
    TFormatSettings english = DefaultFormatSettings("en_US.UTF-8");
    EXPECT_EQ(english.LongMonthNames[0], "January");
    EXPECT_EQ(english.FirstDayOfWeek, 6);
    EXPECT_EQ(DefaultFormatSettings("C").ShortDateFormat, "yyyy-mm-dd");

    TFormatSettings saved = FormatSettings();
    test::SavedEnvironmentVariable lcAll("LC_ALL");
    int notices = 0;
    int id = AddFormatSettingsListener([&] { ++notices; });
    TFormatSettings changed = saved;
    changed.DecimalSeparator = ',';
    SetFormatSettings(changed);
    EXPECT_EQ(FormatSettings().DecimalSeparator, ',');
    setenv("LC_ALL", "zh_CN.UTF-8", 1);
    GetFormatSettings();
    EXPECT_EQ(FormatSettings().TimeAMString, "上午");
    EXPECT_EQ(notices, 2);
    RemoveFormatSettingsListener(id);
    SetFormatSettings(saved);
    EXPECT_EQ(notices, 2);
}

// The locale name is remembered between questions; every way the environment changes is still seen.
TEST(RtlFormatSettings, UserLocaleNameFollowsEveryChangeOfTheEnvironment) {
    test::SavedEnvironmentVariable lcAll("LC_ALL"), lcTime("LC_TIME"), lang("LANG");
    unsetenv("LC_ALL");
    unsetenv("LC_TIME");
    unsetenv("LANG");
    EXPECT_EQ(UserLocaleName(), "C");
    setenv("LANG", "en_GB.UTF-8", 1);
    EXPECT_EQ(UserLocaleName(), "en_GB.UTF-8") << "a variable added";
    EXPECT_EQ(UserLocaleName(), "en_GB.UTF-8") << "asked again unchanged";
    setenv("LC_TIME", "zh_CN.UTF-8", 1);
    EXPECT_EQ(UserLocaleName(), "zh_CN.UTF-8") << "a stronger variable";
    setenv("LC_TIME", "en_US.UTF-8", 1);
    EXPECT_EQ(UserLocaleName(), "en_US.UTF-8") << "a value overwritten in place";
    setenv("LC_TIME", "zh_CN.UTF-8", 1);
    EXPECT_EQ(UserLocaleName(), "zh_CN.UTF-8") << "an earlier value set again";
    setenv("LC_TIME", "", 1);
    EXPECT_EQ(UserLocaleName(), "en_GB.UTF-8") << "an empty value counts as unset";
    static char assignment[] = "LC_ALL=de_DE.UTF-8";
    putenv(assignment);
    EXPECT_EQ(UserLocaleName(), "de_DE.UTF-8") << "putenv";
    unsetenv("LC_ALL");
    unsetenv("LC_TIME");
    EXPECT_EQ(UserLocaleName(), "en_GB.UTF-8") << "variables removed";
}
