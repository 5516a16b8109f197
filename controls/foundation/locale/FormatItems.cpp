// Date and time formats as items, and the masks, display formats and currency format built from them.
#include "controls/foundation/locale/FormatController.h"

#include "platform/rtl/Encoding.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Strings.h"

#include <algorithm>

namespace zorvy {

namespace {

// ---- parsing ----

class TFormatParser {
  public:
    explicit TFormatParser(TcxDateTimeFormatInfo& info) : info_(info) {}

    bool Parse(const std::string& format, int depth) {
        if (format.empty() || depth == 2) return true;
        const TFormatSettings& fs = FormatSettings();
        bool metHour = false, metDesignator = false;
        char previous = ' ';
        for (size_t i = 0; i < format.size();) {
            const char c = format[i];
            if (IsLeadByte(static_cast<unsigned char>(c))) {
                const size_t n = std::max<size_t>(CharLengthAt(format, i), 1);
                AddText(format.substr(i, n)); // like any other literal, it keeps the letter before it, so
                                               // "H时mm" reads minutes
                i += n;
                continue;
            }
            char decision = char(std::toupper(static_cast<unsigned char>(c)));
            if (decision == 'M' && previous == 'H') decision = 'N';
            if (std::isalpha(static_cast<unsigned char>(c)))
                previous = char(std::toupper(static_cast<unsigned char>(c)));
            size_t run = 1;
            while (i + run < format.size() && format[i + run] == c)
                ++run;
            auto starts = [&](std::string_view word) {
                return format.size() - i >= word.size() && SameText(format.substr(i, word.size()), word);
            };
            switch (decision) {
            case '"':
            case '\'': {
                size_t j = i + 1;
                std::string literal;
                while (j < format.size() && format[j] != c) {
                    const size_t n = std::max<size_t>(CharLengthAt(format, j), 1);
                    literal += format.substr(j, n);
                    j += n;
                }
                AddText(literal);
                i = std::min(j + 1, format.size());
                continue;
            }
            case '/':
                Add(fikDateSeparator, "");
                i += 1;
                continue;
            case ':':
                Add(fikTimeSeparator, "");
                i += 1;
                continue;
            case 'A':
                if (starts("AM/PM")) {
                    Add(fikAmPm, format.substr(i, 5));
                    metDesignator = true;
                    i += 5;
                } else if (starts("A/P")) {
                    Add(fikAmPm, format.substr(i, 3));
                    metDesignator = true;
                    i += 3;
                } else if (starts("AMPM")) {
                    Add(fikAmPm, "AMPM");
                    metDesignator = true;
                    i += 4;
                } else if (starts("AAAA")) {
                    Add(fikDay, "DDDD");
                    i += 4;
                } else if (starts("AAA")) {
                    Add(fikDay, "DDD");
                    i += 3;
                } else {
                    AddText(std::string(1, c));
                    i += 1;
                }
                continue;
            case 'C':
                if (!Parse(fs.ShortDateFormat, depth + 1)) return false;
                AddText(" ");
                if (!Parse(fs.LongTimeFormat, depth + 1)) return false;
                break;
            case 'D':
                if (run <= 4)
                    Add(fikDay, std::string(run, 'D'));
                else if (!Parse(run == 5 ? fs.ShortDateFormat : fs.LongDateFormat, depth + 1))
                    return false;
                break;
            case 'E':
            case 'Y':
                Add(fikYear, run > 2 ? "YYYY" : "YY");
                break;
            case 'G':
                return false; // no era support
            case 'H':
                Add(fikHour, std::string(std::min<size_t>(run, 2), 'H'));
                metHour = true;
                break;
            case 'M':
                Add(fikMonth, std::string(std::min<size_t>(run, 4), 'M'));
                break;
            case 'N':
                Add(fikMinute, std::string(std::min<size_t>(run, 2), 'N'));
                break;
            case 'S':
                Add(fikSecond, std::string(std::min<size_t>(run, 2), 'S'));
                break;
            case 'Z':
                Add(fikMSec, std::string(std::min<size_t>(run, 3), 'Z'));
                break;
            case 'T':
                if (!Parse(run == 1 ? fs.ShortTimeFormat : fs.LongTimeFormat, depth + 1)) return false;
                break;
            default:
                AddText(format.substr(i, run));
                break;
            }
            i += run;
        }
        if (metHour) twelveHour_ = metDesignator;
        return true;
    }

    void Finish() {
        if (info_.DefinedItems[fikHour]) {
            for (auto& item : info_.Items)
                if (item.Kind == fikHour) {
                    item.Text = (twelveHour_ ? "12" : "24") + item.Text;
                    break;
                }
        } else if (info_.DefinedItems[fikAmPm]) {
            // A designator without an hour says nothing.
            auto it = std::find_if(info_.Items.begin(), info_.Items.end(),
                                   [](const TcxDateTimeFormatItem& item) { return item.Kind == fikAmPm; });
            info_.Items.erase(it);
            info_.DefinedItems[fikAmPm] = false;
        }
    }

  private:
    void Add(TcxDateTimeFormatItemKind kind, const std::string& text) {
        if (kind != fikDateSeparator && kind != fikTimeSeparator) {
            if (info_.DefinedItems[kind]) return; // the first occurrence wins
        }
        info_.DefinedItems[kind] = true;
        info_.Items.push_back({kind, text});
    }
    void AddText(const std::string& text) {
        if (text.empty()) return;
        if (!info_.Items.empty() && info_.Items.back().Kind == fikText)
            info_.Items.back().Text += text;
        else
            info_.Items.push_back({fikText, text}), info_.DefinedItems[fikText] = true;
    }

    TcxDateTimeFormatInfo& info_;
    bool twelveHour_ = false;
};

// A separator character as a regular expression: a blank quoted, anything else escaped.
std::string EscapedSeparator(char separator) {
    if (separator == 0) return {};
    if (separator == ' ') return "' '";
    return std::string("\\") + separator;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    return quoted.append(text).append("'");
}

int LongerDesignator() {
    return int(std::max(CharCount(FormatSettings().TimeAMString), CharCount(FormatSettings().TimePMString)));
}

} // namespace

// ---- items, masks and display formats ----

bool BuildFormatInfo(const std::string& format, TcxDateTimeFormatInfo& info) {
    info = {};
    TFormatParser parser(info);
    if (!parser.Parse(format.empty() ? "C" : format, 0)) {
        info = {};
        return false;
    }
    parser.Finish();
    return true;
}

std::string BuildRegExprMask(const TcxDateTimeFormatInfo& info, bool timeRules) {
    const TFormatSettings& fs = FormatSettings();
    std::string mask;
    for (const TcxDateTimeFormatItem& item : info.Items) {
        if (item.Kind == fikText) {
            mask += Quoted(item.Text);
            continue;
        }
        if (!timeRules) {
            switch (item.Kind) {
            case fikYear:
                mask += item.Text == "YY" ? "\\d\\d" : "\\d\\d\\d\\d";
                break;
            case fikMonth: {
                const auto& names = item.Text == "MMMM" ? fs.LongMonthNames : fs.ShortMonthNames;
                mask += "((0?[1-9]|1[012])|(";
                for (size_t m = 0; m < names.size(); ++m)
                    mask.append(m ? "|" : "").append(Quoted(names[m]));
                mask += "))";
                break;
            }
            case fikDay:
                mask += "([012]?[1-9]|[123]0|31)";
                break;
            case fikDateSeparator:
                mask += EscapedSeparator(fs.DateSeparator);
                break;
            default:
                break;
            }
            continue;
        }
        switch (item.Kind) {
        case fikHour:
            mask += item.Text.starts_with("12") ? "(0?[1-9]|1[012])" : "([01]?\\d|2[0-3])";
            break;
        case fikMinute:
        case fikSecond:
            mask += "[0-5]?\\d";
            break;
        case fikAmPm:
            if (SameText(item.Text, "A/P"))
                mask += "(A|P)?";
            else if (SameText(item.Text, "AM/PM"))
                mask += "(AM|PM)?";
            else if (!fs.TimeAMString.empty() && !fs.TimePMString.empty())
                mask.append("(")
                    .append(Quoted(fs.TimeAMString))
                    .append("|")
                    .append(Quoted(fs.TimePMString))
                    .append(")?");
            else if (!fs.TimeAMString.empty() || !fs.TimePMString.empty())
                mask.append("(")
                    .append(Quoted(fs.TimeAMString.empty() ? fs.TimePMString : fs.TimeAMString))
                    .append(")?");
            break;
        case fikTimeSeparator:
            mask += EscapedSeparator(fs.TimeSeparator);
            break;
        default:
            break;
        }
    }
    return mask;
}

std::string BuildStandardMask(const TcxDateTimeFormatInfo& info) {
    if (info.Items.empty()) return {};
    std::string mask = "!";
    for (const TcxDateTimeFormatItem& item : info.Items) {
        switch (item.Kind) {
        case fikText:
            for (size_t i = 0; i < item.Text.size();) {
                const size_t n = std::max<size_t>(CharLengthAt(item.Text, i), 1);
                mask.append("\\").append(item.Text, i, n);
                i += n;
            }
            break;
        case fikYear:
            mask += item.Text == "YY" ? "99" : "9999";
            break;
        case fikMonth:
        case fikDay:
            mask += item.Text.size() > 2 ? "lll" : "99";
            break;
        case fikHour:
        case fikMinute:
        case fikSecond:
            mask += "99";
            break;
        case fikAmPm:
            if (item.Text == "A/P")
                mask += "c";
            else if (item.Text == "AM/PM")
                mask += "cc";
            else
                mask += std::string(size_t(LongerDesignator()), 'c');
            break;
        case fikDateSeparator:
            mask += "/";
            break;
        case fikTimeSeparator:
            mask += ":";
            break;
        case fikMSec:
            break;
        }
    }
    return mask + ";1; ";
}

std::string BuildMaskedDisplayFormat(const TcxDateTimeFormatInfo& info) {
    std::string format;
    for (const TcxDateTimeFormatItem& item : info.Items) {
        switch (item.Kind) {
        case fikText:
            format += Quoted(item.Text);
            break;
        case fikYear:
            format += LowerCase(item.Text);
            break;
        case fikMonth:
            format += item.Text.size() > 2 ? "mmm" : "mm";
            break;
        case fikDay:
            format += item.Text.size() > 2 ? "ddd" : "dd";
            break;
        case fikHour:
            format += "hh";
            break;
        case fikMinute:
            format += "nn";
            break;
        case fikSecond:
            format += "ss";
            break;
        case fikAmPm:
            format += LowerCase(item.Text);
            break;
        case fikDateSeparator:
            format += "/";
            break;
        case fikTimeSeparator:
            format += ":";
            break;
        case fikMSec:
            break;
        }
    }
    return format;
}

// ---- masked positions and the currency format ----

int MaskedItemLength(const TcxDateTimeFormatItem& item) {
    switch (item.Kind) {
    case fikText:
        return int(CharCount(item.Text));
    case fikYear:
        return item.Text == "YY" ? 2 : 4;
    case fikMonth:
    case fikDay:
        return item.Text.size() > 2 ? 3 : 2;
    case fikHour:
    case fikMinute:
    case fikSecond:
        return 2;
    case fikAmPm:
        if (SameText(item.Text, "A/P")) return 1;
        if (SameText(item.Text, "AM/PM")) return 2;
        return LongerDesignator();
    case fikDateSeparator:
    case fikTimeSeparator:
        return 1;
    case fikMSec:
        return 0;
    }
    return 0;
}

bool FindFormatItemAt(const TcxFormatController*, const TcxDateTimeFormatInfo& info, int position,
                      TcxDateTimeFormatItemInfo& itemInfo) {
    if (position < 1 || info.Items.empty()) return false;
    int start = 1;
    for (const TcxDateTimeFormatItem& item : info.Items) {
        const int length = MaskedItemLength(item);
        if (start + length > position) {
            itemInfo.Kind = item.Kind;
            itemInfo.ItemZoneStart = start;
            itemInfo.ItemZoneLength = length;
            itemInfo.TimeSuffixKind = SameText(item.Text, "A/P")     ? tskAP
                                      : SameText(item.Text, "AM/PM") ? tskAMPM
                                                                     : tskLocale;
            return true;
        }
        start += length;
    }
    return false;
}

std::string BuildCurrencyFormat() {
    const TFormatSettings& fs = FormatSettings();
    const std::string number = ",0." + std::string(size_t(std::max(fs.CurrencyDecimals, 0)), '0');
    std::string currency;
    for (char c : fs.CurrencyString)
        currency += c == ',' ? std::string("','") : c == '.' ? std::string("'.'") : std::string(1, c);
    // A blank between the currency and the number only when there is a currency text.
    const std::string blank = currency.empty() ? "" : " ";
    const std::string& c = currency;
    const std::string& n = number;
    std::string positive;
    switch (fs.CurrencyFormat) {
    case 1:
        positive = n + c;
        break;
    case 2:
        positive = c + blank + n;
        break;
    case 3:
        positive = n + blank + c;
        break;
    default:
        positive = c + n;
        break;
    }
    const std::string negatives[16] = {
        "(" + c + n + ")",
        "-" + c + n,
        c + "-" + n,
        c + n + "-",
        "(" + n + c + ")",
        "-" + n + c,
        n + "-" + c,
        n + c + "-",
        "-" + n + blank + c,
        "-" + c + blank + n,
        n + blank + c + "-",
        c + blank + n + "-",
        c + blank + "-" + n,
        n + "-" + blank + c,
        "(" + c + blank + n + ")",
        "(" + n + blank + c + ")",
    };
    const int pattern = fs.NegCurrFormat >= 0 && fs.NegCurrFormat < 16 ? fs.NegCurrFormat : 0;
    return positive + ";" + negatives[pattern];
}

} // namespace zorvy
