#include "platform/rtl/DateTime.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Strings.h"

#include <cctype>
#include <cmath>
#include <vector>

namespace zorvy {

namespace {

struct Parts {
    int year, month, day, hour, minute, second, msec, dayOfWeek;
};

Parts Decode(TDateTime value) {
    Parts p{};
    DecodeDate(value, p.year, p.month, p.day);
    DecodeTime(value, p.hour, p.minute, p.second, p.msec);
    p.dayOfWeek = DayOfWeek(value);
    return p;
}

std::string Padded(int value, int width) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), '0');
    return text;
}

bool StartsWithNoCase(const std::string& s, size_t i, const char* token) {
    for (size_t k = 0; token[k]; ++k)
        if (i + k >= s.size() || std::tolower(static_cast<unsigned char>(s[i + k])) != token[k]) return false;
    return true;
}

// True when the format, outside quotes, asks for a 12-hour clock.
bool HasAmPm(const std::string& format) {
    char quote = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (StartsWithNoCase(format, i, "am/pm") || StartsWithNoCase(format, i, "a/p") ||
                   StartsWithNoCase(format, i, "ampm")) {
            return true;
        }
    }
    return false;
}

class DateFormatter {
  public:
    DateFormatter(const Parts& parts) : p_(parts), fs_(FormatSettings()) {}

    void Append(const std::string& format, int depth) {
        if (depth > 2) return; // "c" inside ShortDateFormat must not recurse forever
        const bool twelveHour = HasAmPm(format);
        bool lastWasHour = false;
        size_t i = 0;
        while (i < format.size()) {
            char c = format[i];
            char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            size_t run = 1;
            while (i + run < format.size() &&
                   std::tolower(static_cast<unsigned char>(format[i + run])) == lower)
                ++run;
            bool isHour = false;
            if (c == '\'' || c == '"') {
                size_t close = format.find(c, i + 1);
                size_t end = close == std::string::npos ? format.size() : close;
                out_.append(format, i + 1, end - i - 1);
                i = end + 1;
                continue;
            }
            // Letters end an hour context; separators and literals keep it ("hh:mm" reads minutes).
            const bool isLetter = std::isalpha(static_cast<unsigned char>(c));
            const bool upper = std::isupper(static_cast<unsigned char>(c));
            if (StartsWithNoCase(format, i, "am/pm")) {
                out_ += p_.hour < 12 ? (upper ? "AM" : "am") : (upper ? "PM" : "pm");
                lastWasHour = false;
                i += 5;
                continue;
            }
            if (StartsWithNoCase(format, i, "a/p")) {
                out_ += p_.hour < 12 ? (upper ? "A" : "a") : (upper ? "P" : "p");
                lastWasHour = false;
                i += 3;
                continue;
            }
            if (StartsWithNoCase(format, i, "ampm")) {
                out_ += p_.hour < 12 ? fs_.TimeAMString : fs_.TimePMString;
                lastWasHour = false;
                i += 4;
                continue;
            }
            switch (lower) {
            case 'c':
                Append(fs_.ShortDateFormat, depth + 1);
                if (p_.hour || p_.minute || p_.second) {
                    out_ += ' ';
                    Append(fs_.LongTimeFormat, depth + 1);
                }
                run = 1;
                break;
            case 'd':
                if (run == 1)
                    out_ += std::to_string(p_.day);
                else if (run == 2)
                    out_ += Padded(p_.day, 2);
                else if (run == 3)
                    out_ += fs_.ShortDayNames[p_.dayOfWeek - 1];
                else if (run == 4)
                    out_ += fs_.LongDayNames[p_.dayOfWeek - 1];
                else if (run == 5)
                    Append(fs_.ShortDateFormat, depth + 1);
                else
                    Append(fs_.LongDateFormat, depth + 1);
                run = std::min<size_t>(run, 6);
                break;
            case 'm':
                if (lastWasHour && run <= 2) {
                    out_ += run == 1 ? std::to_string(p_.minute) : Padded(p_.minute, 2);
                } else {
                    run = std::min<size_t>(run, 4);
                    if (run == 1)
                        out_ += std::to_string(p_.month);
                    else if (run == 2)
                        out_ += Padded(p_.month, 2);
                    else if (run == 3)
                        out_ += fs_.ShortMonthNames[p_.month - 1];
                    else
                        out_ += fs_.LongMonthNames[p_.month - 1];
                }
                break;
            case 'y':
                out_ += run <= 2 ? Padded(p_.year % 100, 2) : Padded(p_.year, 4);
                run = run <= 2 ? run : std::min<size_t>(run, 4);
                break;
            case 'h': {
                run = std::min<size_t>(run, 2);
                int hour = p_.hour;
                if (twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
                out_ += run == 1 ? std::to_string(hour) : Padded(hour, 2);
                isHour = true;
                break;
            }
            case 'n':
                run = std::min<size_t>(run, 2);
                out_ += run == 1 ? std::to_string(p_.minute) : Padded(p_.minute, 2);
                break;
            case 's':
                run = std::min<size_t>(run, 2);
                out_ += run == 1 ? std::to_string(p_.second) : Padded(p_.second, 2);
                break;
            case 'z':
                run = run >= 3 ? 3 : 1;
                out_ += run == 1 ? std::to_string(p_.msec) : Padded(p_.msec, 3);
                break;
            case 't':
                run = std::min<size_t>(run, 2);
                Append(run == 1 ? fs_.ShortTimeFormat : fs_.LongTimeFormat, depth + 1);
                break;
            case '/':
                run = 1;
                out_ += fs_.DateSeparator;
                break;
            case ':':
                run = 1;
                out_ += fs_.TimeSeparator;
                break;
            default:
                run = 1;
                out_ += c;
            }
            if (isLetter) lastWasHour = isHour;
            i += run;
        }
    }

    std::string Result() const { return out_; }

  private:
    Parts p_;
    const TFormatSettings& fs_;
    std::string out_;
};

// ---- parsing ----

struct Scanner {
    const std::string& text;
    size_t pos = 0;

    void SkipBlanks() {
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
    }
    bool Number(int& value, int& digits) {
        SkipBlanks();
        value = 0;
        digits = 0;
        while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) && digits < 9) {
            value = value * 10 + (text[pos++] - '0');
            ++digits;
        }
        return digits > 0;
    }
    bool Char(char c) {
        SkipBlanks();
        if (pos < text.size() && text[pos] == c) {
            ++pos;
            return true;
        }
        return false;
    }
    bool AtEnd() {
        SkipBlanks();
        return pos == text.size();
    }
};

bool ScanDate(Scanner& s, TDateTime& value) {
    const TFormatSettings& fs = FormatSettings();
    // The order of the fields follows the first of y, m, d in the short date format.
    std::string order;
    for (char c : LowerCase(fs.ShortDateFormat))
        if ((c == 'y' || c == 'm' || c == 'd') && order.find(c) == std::string::npos) order += c;
    if (order.size() != 3) order = "ymd";
    int n[3], digits[3];
    if (!s.Number(n[0], digits[0]) || !s.Char(fs.DateSeparator) || !s.Number(n[1], digits[1])) return false;
    int count = 2;
    size_t mark = s.pos;
    if (s.Char(fs.DateSeparator) && s.Number(n[2], digits[2]))
        count = 3;
    else
        s.pos = mark;

    int year = 0, month = 0, day = 0, yearDigits = 0;
    if (count == 3) {
        for (int k = 0; k < 3; ++k) {
            if (order[k] == 'y')
                year = n[k], yearDigits = digits[k];
            else if (order[k] == 'm')
                month = n[k];
            else
                day = n[k];
        }
    } else {
        // Month and day in the format's order, this year.
        std::string md;
        for (char c : order)
            if (c != 'y') md += c;
        month = md[0] == 'm' ? n[0] : n[1];
        day = md[0] == 'm' ? n[1] : n[0];
        year = YearOf(Date());
        yearDigits = 4;
    }
    if (yearDigits <= 2) {
        int current = YearOf(Date());
        int threshold = current - fs.TwoDigitYearCenturyWindow;
        year += (threshold / 100) * 100;
        if (fs.TwoDigitYearCenturyWindow > 0 && year < threshold) year += 100;
    }
    return TryEncodeDate(year, month, day, value);
}

bool ScanTime(Scanner& s, TDateTime& value) {
    const TFormatSettings& fs = FormatSettings();
    int hour, minute = 0, second = 0, msec = 0, digits;
    if (!s.Number(hour, digits)) return false;
    if (!s.Char(fs.TimeSeparator) || !s.Number(minute, digits)) return false;
    if (s.Char(fs.TimeSeparator)) {
        if (!s.Number(second, digits)) return false;
        if (s.Char('.')) {
            if (!s.Number(msec, digits) || digits > 3) return false;
            for (; digits < 3; ++digits)
                msec *= 10;
        }
    }
    s.SkipBlanks();
    std::string rest = s.text.substr(s.pos);
    int pm = -1;
    for (auto [marker, isPm] : {std::pair{fs.TimeAMString, 0}, std::pair{fs.TimePMString, 1},
                                std::pair{std::string("AM"), 0}, std::pair{std::string("PM"), 1}}) {
        if (!marker.empty() && StartsText(marker, rest)) {
            pm = isPm;
            s.pos += marker.size();
            break;
        }
    }
    if (pm >= 0) {
        if (hour < 1 || hour > 12) return false;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    return TryEncodeTime(hour, minute, second, msec, value);
}

} // namespace

std::string FormatDateTime(const std::string& format, TDateTime value) {
    DateFormatter formatter(Decode(value));
    formatter.Append(format.empty() ? "c" : format, 0);
    return formatter.Result();
}

std::string DateToStr(TDateTime value) {
    return FormatDateTime("ddddd", value);
}
std::string TimeToStr(TDateTime value) {
    return FormatDateTime("tt", value);
}
std::string DateTimeToStr(TDateTime value) {
    return FormatDateTime("c", value);
}

bool TryStrToDate(const std::string& text, TDateTime& value) {
    Scanner s{text};
    TDateTime date;
    if (!ScanDate(s, date) || !s.AtEnd()) return false;
    value = date;
    return true;
}

bool TryStrToTime(const std::string& text, TDateTime& value) {
    Scanner s{text};
    TDateTime time;
    if (!ScanTime(s, time) || !s.AtEnd()) return false;
    value = time;
    return true;
}

bool TryStrToDateTime(const std::string& text, TDateTime& value) {
    Scanner s{text};
    TDateTime date = 0, time = 0;
    size_t mark = s.pos;
    if (!ScanDate(s, date)) {
        s.pos = mark;
        if (!ScanTime(s, time) || !s.AtEnd()) return false;
        value = time;
        return true;
    }
    if (!s.AtEnd() && (!ScanTime(s, time) || !s.AtEnd())) return false;
    value = date >= 0 ? date + time : date - time;
    return true;
}

TDateTime StrToDate(const std::string& text) {
    TDateTime value;
    if (!TryStrToDate(text, value)) throw EConvertError("'" + text + "' is not a valid date");
    return value;
}

TDateTime StrToTime(const std::string& text) {
    TDateTime value;
    if (!TryStrToTime(text, value)) throw EConvertError("'" + text + "' is not a valid time");
    return value;
}

TDateTime StrToDateTime(const std::string& text) {
    TDateTime value;
    if (!TryStrToDateTime(text, value)) throw EConvertError("'" + text + "' is not a valid date and time");
    return value;
}

} // namespace zorvy
