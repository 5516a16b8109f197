#include "controls/foundation/locale/FormatController.h"
#include "platform/win/MessageLoop.h"
#include "tests/controls/foundation/FoundationFixture.h"
#include "tests/controls/foundation/locale/LocaleFixture.h"

namespace zorvy::test {
namespace {

using Items = std::vector<TcxDateTimeFormatItem>;

TEST_F(LocaleTest, ADashedDateBecomesItemsAMaskAndAnInputFormat) {
    settings.ShortDateFormat = "yyyy-M-d";
    settings.DateSeparator = '-';
    TcxFormatController* c = Apply();
    EXPECT_EQ(c->GetDateItems().Items,
              (Items{{fikYear, "YYYY"}, {fikText, "-"}, {fikMonth, "M"}, {fikText, "-"}, {fikDay, "D"}}));
    EXPECT_EQ(c->GetStandardDateEditMask(), "!9999\\-99\\-99;1; ");
    EXPECT_EQ(c->GetDateInputFormat(), "yyyy-MM-dd");
    EXPECT_EQ(c->GetMaskedDateDisplayFormat(), "yyyy'-'mm'-'dd");
    EXPECT_EQ(c->MaskedFormatLength(c->GetDateItems()), 10);
}

TEST_F(LocaleTest, RegularExpressionDateMaskWithSeparatorsMonthNamesAndSmartWords) {
    settings.ShortDateFormat = "dd/MM/yy";
    settings.DateSeparator = '/';
    TcxFormatController* c = Apply();
    const std::string expected =
        "(([012]?[1-9]|[123]0|31)\\/"
        "((0?[1-9]|1[012])|('Jan'|'Feb'|'Mar'|'Apr'|'May'|'Jun'|'Jul'|'Aug'|'Sep'|'Oct'|"
        "'Nov'|'Dec'))\\/"
        "\\d\\d)|('today'|'yesterday'|'tomorrow'|'Sunday'|'Monday'|'Tuesday'|'Wednesday'|'Thursday'|"
        "'Friday'|'Saturday'|'first'|'second'|'third'|'fourth'|'fifth'|'sixth'|'seventh'|'bom'|'eom')"
        "((\\+|-)\\d(\\d(\\d\\d?)?)?)?";
    EXPECT_EQ(c->GetRegExprDateEditMask(), expected);
    EXPECT_NE(c->GetRegExprDateTimeEditMask().find("'eom'|'now')"), std::string::npos)
        << "now belongs to the date-time mask only";
    EXPECT_EQ(c->GetStandardDateEditMask(), "!99/99/99;1; ");
}

TEST_F(LocaleTest, HoursAreTwelveHourWithADesignatorAndMinutesFollowHours) {
    struct TCase {
        const char* format;
        Items items;
        const char* regExpr;
    };
    const TCase cases[] = {
        {"h:mm:ss AM/PM",
         {{fikHour, "12H"},
          {fikTimeSeparator, ""},
          {fikMinute, "NN"},
          {fikTimeSeparator, ""},
          {fikSecond, "SS"},
          {fikText, " "},
          {fikAmPm, "AM/PM"}},
         "(0?[1-9]|1[012])\\:[0-5]?\\d\\:[0-5]?\\d' '(AM|PM)?"},
        {"HH:mm:ss",
         {{fikHour, "24HH"},
          {fikTimeSeparator, ""},
          {fikMinute, "NN"},
          {fikTimeSeparator, ""},
          {fikSecond, "SS"}},
         "([01]?\\d|2[0-3])\\:[0-5]?\\d\\:[0-5]?\\d"},
        {"hh:mm",
         {{fikHour, "24HH"}, {fikTimeSeparator, ""}, {fikMinute, "NN"}},
         "([01]?\\d|2[0-3])\\:[0-5]?\\d"},
        {"mm/dd", {{fikMonth, "MM"}, {fikDateSeparator, ""}, {fikDay, "DD"}}, ""},
        {"dd.mm.yyyy dd",
         {{fikDay, "DD"},
          {fikText, "."},
          {fikMonth, "MM"},
          {fikText, "."},
          {fikYear, "YYYY"},
          {fikText, " "}},
         "'.''.'' '"},
        {"ampm yyyy", {{fikText, " "}, {fikYear, "YYYY"}}, "' '"}, // a designator without an hour goes
        {"H时mm分ss秒",
         {{fikHour, "24H"},
          {fikText, "时"},
          {fikMinute, "NN"},
          {fikText, "分"},
          {fikSecond, "SS"},
          {fikText, "秒"}},
         "([01]?\\d|2[0-3])'时'[0-5]?\\d'分'[0-5]?\\d'秒'"},
    };
    settings.TimeSeparator = ':';
    SetFormatSettings(settings);
    for (const TCase& c : cases) {
        TcxDateTimeFormatInfo info;
        EXPECT_TRUE(BuildFormatInfo(c.format, info));
        EXPECT_EQ(info.Items, c.items) << c.format;
        EXPECT_EQ(BuildRegExprMask(info, true), c.regExpr) << c.format;
    }
}

TEST_F(LocaleTest, AnEraGivesEmptyItemsAndMasks) {
    TcxDateTimeFormatInfo info;
    EXPECT_FALSE(BuildFormatInfo("gg yyyy", info));
    EXPECT_TRUE(info.Items.empty());
    EXPECT_EQ(BuildStandardMask(info), "");
    EXPECT_EQ(BuildRegExprMask(info, false), "");
}

TEST_F(LocaleTest, NestedFormatsAndQuotedWords) {
    settings.ShortDateFormat = "yyyy'年'm'月'd'日'";
    settings.LongTimeFormat = "hh:nn";
    SetFormatSettings(settings);
    TcxDateTimeFormatInfo info;
    BuildFormatInfo("c", info);
    EXPECT_EQ(info.Items, (Items{{fikYear, "YYYY"},
                                 {fikText, "年"},
                                 {fikMonth, "M"},
                                 {fikText, "月"},
                                 {fikDay, "D"},
                                 {fikText, "日 "},
                                 {fikHour, "24HH"},
                                 {fikTimeSeparator, ""},
                                 {fikMinute, "NN"}}));
    EXPECT_EQ(BuildStandardMask(info), "!9999\\年99\\月99\\日\\ 99:99;1; ");
}

TEST_F(LocaleTest, CurrencyFormats) {
    struct TCase {
        const char* currency;
        int format, negative, decimals;
        const char* expected;
    };
    const TCase cases[] = {
        {"$", 0, 1, 2, "$,0.00;-$,0.00"},  {"$", 0, 0, 2, "$,0.00;($,0.00)"},
        {"¥", 2, 2, 2, "¥ ,0.00;¥-,0.00"}, {"kr.", 3, 8, 0, ",0. kr'.';-,0. kr'.'"},
        {"", 3, 15, 1, ",0.0;(,0.0)"},
    };
    for (const TCase& c : cases) {
        settings.CurrencyString = c.currency;
        settings.CurrencyFormat = c.format;
        settings.NegCurrFormat = c.negative;
        settings.CurrencyDecimals = c.decimals;
        SetFormatSettings(settings);
        EXPECT_EQ(BuildCurrencyFormat(), c.expected) << c.currency << " " << c.format << " " << c.negative;
    }
}

TEST_F(LocaleTest, FindFormatItemAtWalksTheMaskedText) {
    TcxDateTimeFormatInfo info;
    settings.DateSeparator = '/';
    SetFormatSettings(settings);
    BuildFormatInfo("dd/MM/yyyy", info);
    TcxDateTimeFormatItemInfo item;
    ASSERT_TRUE(FindFormatItemAt(nullptr, info, 3, item));
    EXPECT_EQ(item.Kind, fikDateSeparator);
    EXPECT_EQ(item.ItemZoneStart, 3);
    EXPECT_EQ(item.ItemZoneLength, 1);
    ASSERT_TRUE(FindFormatItemAt(nullptr, info, 7, item));
    EXPECT_EQ(item.Kind, fikYear);
    EXPECT_EQ(item.ItemZoneStart, 7);
    EXPECT_EQ(item.ItemZoneLength, 4);
    EXPECT_FALSE(FindFormatItemAt(nullptr, info, 11, item));
    EXPECT_FALSE(FindFormatItemAt(nullptr, info, 0, item));
}

TEST_F(LocaleTest, ValuesGivenFromOutsideSurviveRereading) {
    TcxFormatController* c = Apply();
    c->SetStandardDateEditMask("!99;1; ");
    c->SetFirstDayOfWeek(3);
    settings.ShortDateFormat = "d/m/yyyy";
    SetFormatSettings(settings);
    c->ReadFormatSettings();
    EXPECT_EQ(c->GetStandardDateEditMask(), "!99;1; ");
    EXPECT_EQ(c->GetFirstDayOfWeek(), 3);
    EXPECT_EQ(c->GetDateInputFormat(), "dd/m/yyyy");
}

TEST_F(LocaleTest, TheInputFormatDoublesOnlyALoneDayAndALoneUpperCaseMonth) {
    const std::pair<const char*, const char*> cases[] = {
        {"d/M/yyyy", "dd/MM/yyyy"},
        {"yyyy-MM-dd", "yyyy-MM-dd"},
        {"d.M.yy hh:mm:ss am/pm", "dd.MM.yy hh:mm:ss am/pm"},
        {"ddd d", "ddd dd"},
    };
    for (const auto& [format, expected] : cases) {
        settings.ShortDateFormat = format;
        EXPECT_EQ(Apply()->GetDateInputFormat(), expected) << format;
    }
}

TEST_F(LocaleTest, FirstDayOfWeekComesFromTheLocale) {
    EXPECT_EQ(Apply()->GetFirstDayOfWeek(), 0) << "en_US: Sunday";
    setenv("LC_ALL", "zh_CN.UTF-8", 1);
    EXPECT_EQ(Apply()->GetFirstDayOfWeek(), 1) << "zh_CN: Monday";
}

class TRecordingListener : public IcxFormatChangeListener, public IcxSystemTimeListener {
  public:
    void FormatChanged() override { ++formats; }
    void TimeChanged() override { ++times; }
    int formats = 0, times = 0;
};

class FormatChanges : public FoundationTest {};

TEST_F(FormatChanges, OnlyARegionalChangeReReadsAndTellsTheListeners) {
    TFormatSettings saved = FormatSettings();
    TcxFormatController controller;
    TRecordingListener listener;
    EXPECT_EQ(controller.WindowHandle(), 0);
    controller.AddListener(&listener);
    controller.AddListener(&listener);
    HWND window = controller.WindowHandle();
    ASSERT_NE(window, 0);
    static const char windows[] = "windows", intl[] = "intl";
    SendMessage(window, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>(windows));
    EXPECT_EQ(listener.formats, 0);
    SendMessage(window, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>(intl));
    EXPECT_EQ(listener.formats, 1) << "told once, though added twice";
    Application->UpdateFormatSettings = false;
    SendMessage(window, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>(intl));
    Application->UpdateFormatSettings = true;
    EXPECT_EQ(listener.formats, 1);
    SendMessage(window, WM_TIMECHANGE);
    EXPECT_EQ(listener.times, 1);
    controller.RemoveListener(&listener);
    EXPECT_EQ(controller.WindowHandle(), 0);
    SetFormatSettings(saved);
}

} // namespace
} // namespace zorvy::test
