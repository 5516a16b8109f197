#pragma once
// The locale's number, currency, date and time conventions, read once from the environment
// and changeable by the program; listeners hear about every change.
#include <array>
#include <functional>
#include <string>

namespace zorvy {

struct TFormatSettings {
    int CurrencyFormat = 0; // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    int NegCurrFormat =
        0; // 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$", 6 "1-$", 7 "1$-", 8 "-1 $"
    char ThousandSeparator = ',';
    char DecimalSeparator = '.';
    int CurrencyDecimals = 2;
    char DateSeparator = '-';
    char TimeSeparator = ':';
    char ListSeparator = ',';
    std::string CurrencyString = "$";
    std::string ShortDateFormat = "yyyy-mm-dd";
    std::string LongDateFormat = "dddd, mmmm d, yyyy";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::string ShortTimeFormat = "hh:nn";
    std::string LongTimeFormat = "hh:nn:ss";
    std::array<std::string, 12> ShortMonthNames;
    std::array<std::string, 12> LongMonthNames;
    std::array<std::string, 7> ShortDayNames; // index 0 is Sunday
    std::array<std::string, 7> LongDayNames;
    int TwoDigitYearCenturyWindow = 50;
    // The locale's first day of the week: 0 Monday .. 6 Sunday.
    int FirstDayOfWeek = 0;
};

// Defaults for a locale name such as "zh_CN.UTF-8" or "en_US": Chinese names and formats
// for a Chinese locale, English ones otherwise.
TFormatSettings DefaultFormatSettings(const std::string& localeName);

// The user's locale name from LC_ALL / LC_TIME / LANG ("C" when none is set).
std::string UserLocaleName();

// The process-wide settings, initialised from LC_ALL / LC_TIME / LANG on first use.
TFormatSettings& FormatSettings();

// Replaces the process-wide settings and tells every listener.
void SetFormatSettings(const TFormatSettings& settings);
// Re-reads the settings from the environment and tells every listener.
void GetFormatSettings();

using TFormatSettingsListener = std::function<void()>;
int AddFormatSettingsListener(TFormatSettingsListener listener);
void RemoveFormatSettingsListener(int id);

} // namespace zorvy
