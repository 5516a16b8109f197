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
