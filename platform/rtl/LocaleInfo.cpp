// Locale queries answered from the locale's default format settings.
#include "platform/rtl/LocaleInfo.h"

#include "platform/rtl/FormatSettings.h"

namespace zorvy {

namespace {

std::string ToPicture(const std::string& format);

// The locale's settings, with its short date as a locale picture.
struct TLocaleSettings {
    TFormatSettings settings;
    std::string shortDatePicture;
};

// Grid cells ask for every date they show: the settings are made once per locale, not per question.
const TLocaleSettings& LocaleSettingsAndPicture() {
    static std::string name;
    static TLocaleSettings locale;
    static bool made = false;
    std::string now = UserLocaleName();
    if (!made || now != name) {
        locale.settings = DefaultFormatSettings(now);
        locale.shortDatePicture = ToPicture(locale.settings.ShortDateFormat);
        name = std::move(now);
        made = true;
    }
    return locale;
}

const TFormatSettings& LocaleSettings() { return LocaleSettingsAndPicture().settings; }

// The runtime's format letters ("m" month, quoted literals) as a locale picture ("M" month).
std::string ToPicture(const std::string& format) {
    std::string picture;
    char quote = 0;
    for (char c : format) {
        if (quote) {
            if (c == quote) {
                picture += '\'';
                quote = 0;
            } else {
                picture += c;
            }
        } else if (c == '"' || c == '\'') {
            quote = c;
            picture += '\'';
        } else if (c == 'm' || c == 'M') {
            picture += 'M';
        } else {
            picture += c;
        }
    }
    return picture;
}

std::string TwoDigits(int v) {
    return (v < 10 ? "0" : "") + std::to_string(v);
}

} // namespace

std::string GetLocaleInfo(int item) {
    const TFormatSettings& s = LocaleSettings();
    switch (item) {
    case LOCALE_SDATE:
        return std::string(1, s.DateSeparator);
    case LOCALE_STIME:
        return std::string(1, s.TimeSeparator);
    case LOCALE_SSHORTDATE:
        return LocaleSettingsAndPicture().shortDatePicture;
    case LOCALE_S1159:
        return s.TimeAMString;
    case LOCALE_S2359:
        return s.TimePMString;
    case LOCALE_IFIRSTDAYOFWEEK:
        return std::to_string(s.FirstDayOfWeek);
    case LOCALE_IFIRSTWEEKOFYEAR:
        return "0";
    default:
        return {};
    }
}

std::string GetDateFormat(const TSystemTime& date, const std::string& picture) {
    TDateTime check;
    if (!TryEncodeDate(date.wYear, date.wMonth, date.wDay, check)) return {};
    const TLocaleSettings& locale = LocaleSettingsAndPicture();
    const TFormatSettings& s = locale.settings;
    const std::string& p = picture.empty() ? locale.shortDatePicture : picture;
    std::string text;
    for (size_t i = 0; i < p.size();) {
        const char c = p[i];
        if (c == '\'') {
            // Quoted text; two quotes in a row stand for one.
            size_t j = i + 1;
            for (; j < p.size(); ++j) {
                if (p[j] != '\'') {
                    text += p[j];
                } else if (j + 1 < p.size() && p[j + 1] == '\'') {
                    text += '\'';
                    ++j;
                } else {
                    break;
                }
            }
            i = j + 1;
            continue;
        }
        size_t run = 1;
        while (i + run < p.size() && p[i + run] == c)
            ++run;
        const int dow = DayOfWeek(check) - 1;
        switch (c) {
        case 'd':
            text += run == 1   ? std::to_string(date.wDay)
                    : run == 2 ? TwoDigits(date.wDay)
                    : run == 3 ? s.ShortDayNames[size_t(dow)]
                               : s.LongDayNames[size_t(dow)];
            break;
        case 'M':
            text += run == 1   ? std::to_string(date.wMonth)
                    : run == 2 ? TwoDigits(date.wMonth)
                    : run == 3 ? s.ShortMonthNames[size_t(date.wMonth - 1)]
                               : s.LongMonthNames[size_t(date.wMonth - 1)];
            break;
        case 'y':
            text += run == 1   ? std::to_string(date.wYear % 100)
                    : run == 2 ? TwoDigits(date.wYear % 100)
                               : std::to_string(date.wYear);
            break;
        case 'g':
            break; // no eras
        default:
            text.append(run, c);
            break;
        }
        i += run;
    }
    return text;
}

std::string GetTimeFormat(const TSystemTime& time) {
    const TFormatSettings& s = LocaleSettings();
    const std::string separator(1, s.TimeSeparator);
    return TwoDigits(time.wHour) + separator + TwoDigits(time.wMinute) + separator + TwoDigits(time.wSecond);
}

} // namespace zorvy
