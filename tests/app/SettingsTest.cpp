// The settings folder, the draw code kept in "setup.ini" and the countdown to the close of sales.
#include "app/Countdown.h"
#include "app/Settings.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace zorvy::test {
namespace {

TEST(Settings, TheFileLivesInTheUsersConfigurationFolder) {
    TempFolder folder;
    const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string previous = oldConfig ? oldConfig : "";
    const char* oldHome = std::getenv("HOME");
    const std::string home = oldHome ? oldHome : "";
    setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1);
    EXPECT_EQ(SetupIniPath(), folder.Path() + "/zorvy/setup.ini");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(ConfigFolder(), "/home/someone/.config/zorvy");
    setenv("HOME", home.c_str(), 1);
    if (oldConfig) setenv("XDG_CONFIG_HOME", previous.c_str(), 1);
}

TEST(Settings, ADrawCodeIsSixAscendingRedBallsAndABlueOne) {
    struct Case {
        const char* code;
        bool valid;
    };
    const Case cases[] = {
        {"01 04 12 20 28 33+08", true},  {"01 02 03 04 05 06+16", true}, {"01 02 03 04 05 06+01", true},
        {"01 02 03 04 05 06+17", false}, {"01 02 03 04 05 06+00", false}, {"01 02 03 04 05 34+08", false},
        {"00 02 03 04 05 06+08", false}, {"01 02 03 04 06 05+08", false}, {"01 02 03 04 05 05+08", false},
        {"1 4 12 20 28 33+8", false},    {"01 04 12 20 28 33 08", false}, {"01 04 12 20 28 33+08 ", false},
        {"01,04,12,20,28,33+08", false}, {"", false},                    {"0a 04 12 20 28 33+08", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsValidDrawCode(c.code), c.valid) << c.code;
}

TEST(Countdown, CountsToTheNextTuesdayThursdayOrSundayAtEight) {
    struct Case {
        int day, hour, minute;
        const char* left;
        const char* why;
    };
    // 7 December 2026 is a Monday.
    const Case cases[] = {
        {8, 19, 30, "0小时30分", "Tuesday before the close"},
        {8, 20, 0, "0小时0分", "the close itself"},
        {8, 21, 15, "46小时45分", "after Tuesday's close: Thursday's"},
        {7, 20, 0, "24小时0分", "Monday: Tuesday's"},
        {10, 20, 1, "71小时59分", "after Thursday's close: Sunday's"},
        {13, 8, 0, "12小时0分", "Sunday morning"},
        {12, 23, 59, "20小时1分", "Saturday night"},
    };
    for (const Case& c : cases) {
        const TDateTime now = EncodeDate(2026, 12, c.day) + EncodeTime(c.hour, c.minute, 0, 0);
        EXPECT_EQ(CountdownCaption(now), std::string("Zorvy       距最后售票时间：") + c.left) << c.why;
    }
}

} // namespace
} // namespace zorvy::test
