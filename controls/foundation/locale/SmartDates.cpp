// Smart date words, typed texts to dates and dates to editor texts.
#include "controls/foundation/locale/SmartDates.h"

#include "controls/foundation/locale/FormatController.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/LocaleInfo.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/TextCollation.h"
#include "platform/rtl/Variant.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace zorvy {

ZORVY_RESOURCESTRING(scxSmartDateToday, "today");
ZORVY_RESOURCESTRING(scxSmartDateYesterday, "yesterday");
ZORVY_RESOURCESTRING(scxSmartDateTomorrow, "tomorrow");
ZORVY_RESOURCESTRING(scxSmartDateSunday, "Sunday");
ZORVY_RESOURCESTRING(scxSmartDateMonday, "Monday");
ZORVY_RESOURCESTRING(scxSmartDateTuesday, "Tuesday");
ZORVY_RESOURCESTRING(scxSmartDateWednesday, "Wednesday");
ZORVY_RESOURCESTRING(scxSmartDateThursday, "Thursday");
ZORVY_RESOURCESTRING(scxSmartDateFriday, "Friday");
ZORVY_RESOURCESTRING(scxSmartDateSaturday, "Saturday");
ZORVY_RESOURCESTRING(scxSmartDateFirst, "first");
ZORVY_RESOURCESTRING(scxSmartDateSecond, "second");
ZORVY_RESOURCESTRING(scxSmartDateThird, "third");
ZORVY_RESOURCESTRING(scxSmartDateFourth, "fourth");
ZORVY_RESOURCESTRING(scxSmartDateFifth, "fifth");
ZORVY_RESOURCESTRING(scxSmartDateSixth, "sixth");
ZORVY_RESOURCESTRING(scxSmartDateSeventh, "seventh");
ZORVY_RESOURCESTRING(scxSmartDateBOM, "bom");
ZORVY_RESOURCESTRING(scxSmartDateEOM, "eom");
ZORVY_RESOURCESTRING(scxSmartDateNow, "now");

namespace {

const TResourceString* const SmartWords[SmartDateWordCount] = {
    &scxSmartDateToday,   &scxSmartDateYesterday, &scxSmartDateTomorrow,  &scxSmartDateSunday,
    &scxSmartDateMonday,  &scxSmartDateTuesday,   &scxSmartDateWednesday, &scxSmartDateThursday,
    &scxSmartDateFriday,  &scxSmartDateSaturday,  &scxSmartDateFirst,     &scxSmartDateSecond,
    &scxSmartDateThird,   &scxSmartDateFourth,    &scxSmartDateFifth,     &scxSmartDateSixth,
    &scxSmartDateSeventh, &scxSmartDateBOM,       &scxSmartDateEOM,       &scxSmartDateNow};

std::array<std::string, SmartDateWordCount> LoadWords() {
    std::array<std::string, SmartDateWordCount> words;
    for (int i = 0; i < SmartDateWordCount; ++i)
        words[size_t(i)] = ResolveResourceString(*SmartWords[i]);
    return words;
}

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Replaces every occurrence of word (ignoring case) by as many blanks as it has characters.
void BlankOut(std::string& text, const std::string& word) {
    const std::string upperWord = AnsiUpperCase(word);
    const size_t blanks = CharCount(word);
    std::string result;
    for (size_t i = 0; i < text.size();) {
        const size_t n = std::min(word.size(), text.size() - i);
        if (n == word.size() && AnsiUpperCase(text.substr(i, n)) == upperWord) {
            result.append(blanks, ' ');
            i += n;
        } else {
            const size_t c = std::max<size_t>(CharLengthAt(text, i), 1);
            result += text.substr(i, c);
            i += c;
        }
    }
    text = std::move(result);
}

bool ValidDate(TDateTime date) {
    if (!(date > -2147483648.0 && date < 2147483647.0)) return false;
    int y, m, d;
    DecodeDate(date, y, m, d);
    return d != 0 && y <= 9999;
}

// A normalised text in the locale's order (the short date picture's order of year, month and day),
// its parts separated by blanks, then an optional time: what the platform's variant conversion of
// a text to a date accepts.
TDateTime LocaleTextToDate(const std::string& text) {
    std::vector<std::string> tokens;
    for (size_t i = 0; i < text.size();) {
        const size_t end = std::min(text.find(' ', i), text.size());
        if (end > i) tokens.push_back(text.substr(i, end - i));
        i = end + 1;
    }
    std::vector<int> numbers;
    size_t next = 0;
    for (; next < tokens.size() && numbers.size() < 3; ++next) {
        const std::string& t = tokens[next];
        if (t.empty() || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; })) break;
        numbers.push_back(StrToInt(t));
    }
    if (numbers.size() < 2) return StrToDateTime(text);
    std::string order; // of 'y', 'M' and 'd' in the picture
    for (char c : GetLocaleInfo(LOCALE_SSHORTDATE)) {
        const char key = c == 'm' ? 'M' : c;
        if ((key == 'y' || key == 'M' || key == 'd') && order.find(key) == std::string::npos) order += key;
    }
    if (order.size() != 3) order = "yMd";
    int year = YearOf(Date()), month = 0, day = 0;
    if (numbers.size() == 2) order.erase(order.find('y'), 1);
    for (size_t k = 0; k < order.size(); ++k)
        (order[k] == 'y' ? year : order[k] == 'M' ? month : day) = numbers[k];
    if (year < 100) year += year < 50 ? 2000 : 1900;
    TDateTime date = EncodeDate(year, month, day);
    std::string time;
    for (; next < tokens.size(); ++next)
        time += (time.empty() ? "" : " ") + tokens[next];
    if (!time.empty()) date += StrToTime(time);
    return date;
}

} // namespace

std::string SmartDateWord(int index) {
    return index >= 0 && index < SmartDateWordCount ? ResolveResourceString(*SmartWords[index])
                                                    : std::string();
}

bool MatchSmartDateWord(const std::string& text, int& index) {
    const auto words = LoadWords();
    std::array<int, SmartDateWordCount> order;
    for (int i = 0; i < SmartDateWordCount; ++i)
        order[size_t(i)] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const size_t la = CharCount(words[size_t(a)]), lb = CharCount(words[size_t(b)]);
        if (la != lb) return la > lb;
        return LocaleCompare(words[size_t(a)], words[size_t(b)], true) < 0;
    });
    for (int i : order) {
        const std::string& word = words[size_t(i)];
        if (word.empty() || text.size() < word.size()) continue;
        if (LocaleCompare(text.substr(0, word.size()), word, true) == 0) {
            index = i;
            return true;
        }
    }
    return false;
}

bool TrySmartTextToDateAt(const std::string& text, TDateTime now, TDateTime& date) {
    const std::string trimmed = Trim(text);
    int index = -1;
    if (!MatchSmartDateWord(trimmed, index)) return false;
    const TDateTime today = std::trunc(now);
    switch (index) {
    case 0:
        date = today;
        break;
    case 1:
        date = today - 1;
        break;
    case 2:
        date = today + 1;
        break;
    case 17:
        date = FirstDayOfMonthOf(today);
        break;
    case 18:
        date = LastDayOfMonthOf(true, today);
        break;
    case 19:
        date = now;
        break;
    default:
        if (index >= 3 && index <= 9) {
            int d = (index - 2) - DayOfWeek(today);
            if (d < 0) d += 7;
            date = today + d;
        } else {
            date = today - (WeekdayFromWeekStart(today) - (index - 10));
        }
        break;
    }
    const std::string rest = Trim(trimmed.substr(SmartDateWord(index).size()));
    if (rest.size() >= 2 && (rest[0] == '+' || rest[0] == '-')) {
        int days = 0;
        // Not a number: the word's date stands.
        if (TryStrToInt(Trim(rest.substr(1)), days)) {
            // "-" before the smallest integer gives a day count no integer holds: refused like any
            // other date out of range.
            if (rest[0] == '-' && days == std::numeric_limits<int>::min()) return false;
            date += rest[0] == '+' ? days : -days;
        }
    }
    return true;
}

bool TrySmartTextToDate(const std::string& text, TDateTime& date) {
    return TrySmartTextToDateAt(text, Now(), date);
}

void NormalizeDateText(std::string& text, bool localeMode) {
    const TFormatSettings& fs = FormatSettings();
    std::vector<std::string> keep;
    std::string localeDateSeparator;
    if (localeMode) {
        localeDateSeparator = CopyChars(GetLocaleInfo(LOCALE_SDATE), 1);
        const std::string am = GetLocaleInfo(LOCALE_S1159), pm = GetLocaleInfo(LOCALE_S2359);
        keep = {localeDateSeparator, CopyChars(GetLocaleInfo(LOCALE_STIME), 1), am.empty() ? "am" : am,
                pm.empty() ? "pm" : pm};
    } else {
        keep = {std::string(1, fs.DateSeparator), std::string(1, fs.TimeSeparator), fs.TimeAMString,
                fs.TimePMString};
    }
    for (std::string& word : keep)
        word = AnsiUpperCase(Trim(word));
    TcxFormatController* controller = SharedFormatController();
    for (const TcxDateTimeFormatInfo* info : {&controller->GetDateItems(), &controller->GetTimeItems()})
        for (const TcxDateTimeFormatItem& item : info->Items) {
            if (item.Kind != fikText) continue;
            const std::string word = AnsiUpperCase(Trim(item.Text));
            if (word.empty() || std::find(keep.begin(), keep.end(), word) != keep.end()) continue;
            BlankOut(text, word);
        }
    std::string folded;
    for (char c : Trim(text)) {
        if (IsBlank(c)) {
            if (folded.empty() || folded.back() != ' ') folded += ' ';
        } else {
            folded += c;
        }
    }
    if (localeMode && !localeDateSeparator.empty())
        folded = StringReplace(folded, localeDateSeparator, " ", rfReplaceAll);
    text = folded;
}

bool TryTextToDateTime(const std::string& text, bool byVariant, TDateTime& date) {
    date = NullDate;
    try {
        std::string normal = text;
        NormalizeDateText(normal, byVariant);
        date = byVariant ? LocaleTextToDate(normal) : StrToDateTime(normal);
        return true;
    } catch (const std::exception&) {
        date = NullDate;
        return false;
    }
}

bool TryTextToDateExtended(const std::string& text, TDateTime& date) {
    try {
        std::string trimmed = Trim(text);
        if (trimmed.empty()) return false;
        if (!TrySmartTextToDate(trimmed, date)) {
            const bool runtime = SharedFormatController()->UseRuntimeFormats;
            NormalizeDateText(trimmed, !runtime);
            date = runtime ? StrToDateTime(trimmed) : LocaleTextToDate(trimmed);
        }
        if (!ValidDate(date)) {
            date = NullDate;
            return false;
        }
        return true;
    } catch (const std::exception&) {
        date = NullDate;
        return false;
    }
}

void DateToLocaleText(bool fourDigitYear, std::string& text, TDateTime date) {
    text.clear();
    if (date == NullDate) return;
    const bool hasTime = FractionOfDay(date) != 0;
    const bool runtime = SharedFormatController()->UseRuntimeFormats;
    std::string format = runtime ? FormatSettings().ShortDateFormat : GetLocaleInfo(LOCALE_SSHORTDATE);
    if (fourDigitYear) {
        const std::string lower = LowerCase(format);
        const size_t at = lower.find("yy");
        if (at != std::string::npos && lower.find("yyy") == std::string::npos)
            format.insert(at + 2, 2, format[at]);
    }
    if (runtime) {
        if (hasTime) format += " " + FormatSettings().LongTimeFormat;
        text = FormatDateTime(format, date);
        return;
    }
    TSystemTime st;
    DateTimeToSystemTime(date, st);
    text = GetDateFormat(st, format);
    if (text.empty()) {
        try {
            text = VarToStr(VarFromDateTime(date));
        } catch (const EVariantError&) {
            text.clear();
        }
        return;
    }
    if (hasTime) text.append(" ").append(GetTimeFormat(st));
}

void FormatDateForEdit(bool masked, bool withTime, bool fourDigitYear, std::string& text, TDateTime date) {
    text.clear();
    if (date == NullDate) return;
    if (!masked)
        DateToLocaleText(fourDigitYear, text, date);
    else if (withTime)
        text = FormatDateTime(SharedFormatController()->GetMaskedDateTimeDisplayFormat(), date);
    else
        text = FormatDateTime(SharedFormatController()->GetMaskedDateDisplayFormat(), TruncToDay(date));
}

void AddSmartDateWordsToRegExpr(std::string& r, bool withNow) {
    auto quote = [](const std::string& word) {
        std::string quoted;
        bool open = false;
        for (char c : word) {
            if (c == '\'') {
                if (open) quoted += '\'', open = false;
                quoted += "\\'";
            } else {
                if (!open) quoted += '\'', open = true;
                quoted += c;
            }
        }
        if (open) quoted += '\'';
        return quoted;
    };
    std::string words = quote(SmartDateWord(0));
    for (int i = 1; i < SmartDateWordCount; ++i)
        if (i != 19 || withNow) words.append("|").append(quote(SmartDateWord(i)));
    r = "(" + r + ")|(" + words + ")((\\+|-)\\d(\\d(\\d\\d?)?)?)?";
}

} // namespace zorvy
