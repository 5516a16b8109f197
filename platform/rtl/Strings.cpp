#include "platform/rtl/Strings.h"

#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/TextCollation.h"

#include <algorithm>

namespace zorvy {

namespace {

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}
char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

size_t FindIgnoreCase(std::string_view text, std::string_view sub, size_t from) {
    if (sub.size() > text.size()) return std::string_view::npos;
    for (size_t i = from; i + sub.size() <= text.size(); ++i) {
        size_t k = 0;
        while (k < sub.size() && AsciiLower(text[i + k]) == AsciiLower(sub[k]))
            ++k;
        if (k == sub.size()) return i;
    }
    return std::string_view::npos;
}

} // namespace

int Pos(std::string_view sub, std::string_view text) {
    return PosEx(sub, text, 1);
}

int PosEx(std::string_view sub, std::string_view text, int offset) {
    if (sub.empty() || offset < 1 || static_cast<size_t>(offset) > text.size()) return 0;
    size_t at = text.find(sub, offset - 1);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::string Copy(std::string_view text, int index, int count) {
    if (index < 1) index = 1;
    if (count <= 0 || static_cast<size_t>(index) > text.size()) return {};
    return std::string(text.substr(index - 1, count));
}

std::string Copy(std::string_view text, int index) {
    return Copy(text, index, static_cast<int>(std::min<size_t>(text.size(), 0x7FFFFFFF)));
}

void Delete(std::string& text, int index, int count) {
    if (index < 1 || count <= 0 || static_cast<size_t>(index) > text.size()) return;
    text.erase(index - 1, count);
}

void Insert(std::string_view source, std::string& text, int index) {
    if (index < 1) index = 1;
    size_t at = std::min<size_t>(index - 1, text.size());
    text.insert(at, source);
}

std::string Trim(std::string_view text) {
    return TrimLeft(TrimRight(text));
}

std::string TrimLeft(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
    return std::string(text.substr(i));
}

std::string TrimRight(std::string_view text) {
    size_t n = text.size();
    while (n > 0 && static_cast<unsigned char>(text[n - 1]) <= ' ')
        --n;
    return std::string(text.substr(0, n));
}

std::string UpperCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), AsciiUpper);
    return out;
}

std::string LowerCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), AsciiLower);
    return out;
}

std::string AnsiUpperCase(std::string_view text) {
    return UnicodeUpper(text);
}
std::string AnsiLowerCase(std::string_view text) {
    return UnicodeLower(text);
}

int CompareStr(std::string_view a, std::string_view b) {
    return Sign(int64_t{a.compare(b)});
}

int CompareText(std::string_view a, std::string_view b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = AsciiLower(a[i]), y = AsciiLower(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool SameStr(std::string_view a, std::string_view b) {
    return a == b;
}
bool SameText(std::string_view a, std::string_view b) {
    return CompareText(a, b) == 0;
}
int AnsiCompareStr(std::string_view a, std::string_view b) {
    return LocaleCompare(a, b, false);
}
int AnsiCompareText(std::string_view a, std::string_view b) {
    return LocaleCompare(a, b, true);
}
bool AnsiSameStr(std::string_view a, std::string_view b) {
    return a == b;
}
bool AnsiSameText(std::string_view a, std::string_view b) {
    return UnicodeFold(a) == UnicodeFold(b);
}

bool ContainsStr(std::string_view text, std::string_view sub) {
    return text.find(sub) != std::string_view::npos;
}
bool ContainsText(std::string_view text, std::string_view sub) {
    return FindIgnoreCase(text, sub, 0) != std::string_view::npos;
}
bool AnsiContainsText(std::string_view text, std::string_view sub) {
    return UnicodeFold(text).find(UnicodeFold(sub)) != std::string::npos;
}
bool StartsStr(std::string_view prefix, std::string_view text) {
    return text.substr(0, prefix.size()) == prefix;
}
bool StartsText(std::string_view prefix, std::string_view text) {
    return prefix.size() <= text.size() && SameText(prefix, text.substr(0, prefix.size()));
}
bool EndsStr(std::string_view suffix, std::string_view text) {
    return suffix.size() <= text.size() && text.substr(text.size() - suffix.size()) == suffix;
}
bool EndsText(std::string_view suffix, std::string_view text) {
    return suffix.size() <= text.size() && SameText(suffix, text.substr(text.size() - suffix.size()));
}

std::string StringReplace(std::string_view text, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags) {
    if (oldPattern.empty()) return std::string(text);
    std::string out;
    size_t from = 0;
    while (from <= text.size()) {
        size_t at =
            (flags & rfIgnoreCase) ? FindIgnoreCase(text, oldPattern, from) : text.find(oldPattern, from);
        if (at == std::string_view::npos) break;
        out.append(text, from, at - from);
        out.append(newPattern);
        from = at + oldPattern.size();
        if (!(flags & rfReplaceAll)) break;
    }
    out.append(text.substr(std::min(from, text.size())));
    return out;
}

std::string StringOfChar(char c, int count) {
    return count > 0 ? std::string(count, c) : std::string();
}

std::string DupeString(std::string_view text, int count) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out.append(text);
    return out;
}

std::string QuotedStr(std::string_view text) {
    return AnsiQuotedStr(text, '\'');
}

std::string AnsiQuotedStr(std::string_view text, char quote) {
    std::string out(1, quote);
    for (char c : text) {
        out += c;
        if (c == quote) out += c;
    }
    out += quote;
    return out;
}

std::string AnsiDequotedStr(std::string_view text, char quote) {
    if (text.size() < 2 || text.front() != quote || text.back() != quote) return std::string(text);
    std::string out;
    for (size_t i = 1; i + 1 < text.size(); ++i) {
        out += text[i];
        if (text[i] == quote && i + 2 < text.size() && text[i + 1] == quote) ++i;
    }
    return out;
}

std::string BoolToStr(bool value, bool useBoolStrs) {
    if (useBoolStrs) return value ? "True" : "False";
    return value ? "-1" : "0";
}

bool StrToBool(const std::string& text) {
    if (SameText(text, "True")) return true;
    if (SameText(text, "False")) return false;
    double number;
    if (TextToFloat(text, number)) return number != 0;
    throw EConvertError("'" + text + "' is not a valid boolean value");
}

bool StrToBoolDef(const std::string& text, bool defaultValue) {
    try {
        return StrToBool(text);
    } catch (const EConvertError&) {
        return defaultValue;
    }
}

std::string StripHotkey(std::string_view caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            out += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            out += '&';
            ++i;
        }
    }
    return out;
}

std::string GetHotkey(std::string_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return AnsiUpperCase(caption.substr(i + 1, CharLengthAt(caption, i + 1)));
    }
    return {};
}

} // namespace zorvy
