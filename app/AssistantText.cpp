#include "app/AssistantText.h"

#include "engine/ConditionText.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

namespace zorvy {

namespace {

[[noreturn]] void Unreadable(const std::string& what) {
    throw EConvertError(what);
}

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// A whole number of at most 9 digits: what a range box takes.
bool ReadCount(const std::string& text, int& value) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (!IsAsciiDigit(c)) return false;
    value = std::stoi(text);
    return true;
}

// The digits of a "bh=" or "dm=" value stand at every other character from the first.
void ReadDigits(const std::string& key, const std::string& value, size_t count, TConditionChoices& choices) {
    for (size_t i = 0; i < count; ++i) {
        const char c = value[2 * i];
        if (!IsAsciiDigit(c))
            Unreadable("“" + key + "”后面应是0到9的数字，每个后面跟一个空格，现在是“" + value + "”");
        choices.Digits[c - '0'] = true;
    }
}

std::string ReadRangeValue(const std::string& text, const char* key) {
    const std::string value = GetTjvalue(text, key);
    int number = 0;
    if (value == "-1") Unreadable(std::string("有“fw1=”就要有以“/”结尾的“") + key + "”");
    if (!ReadCount(Trim(value), number))
        Unreadable(std::string("“") + key + "”后面应是不小于0的整数，现在是“" + value + "”");
    return std::to_string(number);
}

void ReadList(const std::string& value, TConditionChoices& choices) {
    const std::string list = TrimLeft(value);
    choices.ListOn = true;
    if (ContainsText(list, "c")) {
        const std::string divisor = Jcchushuv(list);
        int d = 0;
        if (!ReadCount(divisor, d) || d < LowestDivisor || d > HighestDivisor)
            Unreadable("“xfw=”的除数应写成c加2到15的除数和逗号（如“xfw=c5, 0 2 /”），现在是“" + value + "”");
        choices.Divisor = d;
    }
    size_t start = 0;
    while (start < list.size()) {
        size_t blank = list.find(' ', start);
        if (blank == std::string::npos) blank = list.size();
        const std::string token = list.substr(start, blank - start);
        start = blank + 1;
        // Blanks in a row are passed over: the filter finds every value between blanks.
        if (token.empty() || ContainsText(token, "c")) continue;
        int v = 0;
        if (!ReadCount(token, v) || v >= ListValueCount)
            Unreadable("“xfw=”里的“" + token + "”不是0到54之间的整数");
        choices.Values[v] = true;
    }
}

} // namespace

std::string GetTjvalue(std::string_view text, std::string_view key) {
    const size_t lastSlash = text.rfind('/');
    if (lastSlash == std::string_view::npos) return "-1";
    return ExtractConditionValue(text.substr(0, lastSlash + 1), key);
}

std::string xuanmavalueJs(const TConditionChoices& choices, bool bankerMode) {
    if (!choices.DigitsOn) return {};
    std::string digits;
    for (int d = 0; d < 10; ++d)
        if (choices.Digits[d]) {
            digits += static_cast<char>('0' + d);
            digits += ' ';
        }
    if (digits.empty()) return {};
    return (bankerMode ? "dm=" : "bh=") + digits + "/";
}

std::string JevalueJs(const TConditionChoices& choices) {
    return choices.Parity == 1 ? "j=1/" : choices.Parity == 2 ? "j=0/" : "";
}

std::string ysvalueJs(const TConditionChoices& choices) {
    std::string text;
    for (int k = 0; k < 3; ++k)
        if (choices.Remainders[k]) text += "y=" + std::to_string(k) + "/";
    return text;
}

std::string fwvalueJs(const TConditionChoices& choices) {
    if (!choices.RangeOn) return {};
    return "fw1=" + choices.RangeLow + "/fw2=" + choices.RangeHigh + "/";
}

std::string xfwvalueJs(const TConditionChoices& choices) {
    if (!choices.ListOn) return {};
    std::string list = " ";
    for (int v = 0; v < ListValueCount; ++v)
        if (choices.Values[v]) list += std::to_string(v) + " ";
    if (choices.Divisor != 0) return "xfw=c" + std::to_string(choices.Divisor) + "," + list + "/";
    return "xfw=" + list + "/";
}

std::string BuildConditionText(const TConditionChoices& choices, bool bankerMode) {
    return xuanmavalueJs(choices, bankerMode) + JevalueJs(choices) + ysvalueJs(choices) + fwvalueJs(choices) +
           xfwvalueJs(choices);
}

TConditionChoices ReadConditionChoices(std::string_view text) {
    const std::string whole(text);
    TConditionChoices choices;
    if (GetTjvalue(whole, "j=1") == "1")
        choices.Parity = 1;
    else if (GetTjvalue(whole, "j=0") == "0")
        choices.Parity = 2;
    for (int k = 0; k < 3; ++k) {
        const std::string digit = std::to_string(k);
        choices.Remainders[k] = GetTjvalue(whole, "y=" + digit) == digit;
    }
    if (GetTjvalue(whole, "fw1=") != "-1") {
        choices.RangeOn = true;
        choices.RangeLow = ReadRangeValue(whole, "fw1=");
        choices.RangeHigh = ReadRangeValue(whole, "fw2=");
        // The boxes keep the end at or above the begin.
        if (std::stoi(choices.RangeHigh) < std::stoi(choices.RangeLow)) choices.RangeHigh = choices.RangeLow;
    }
    if (const std::string digits = GetTjvalue(whole, "bh="); digits != "-1") {
        choices.DigitsOn = true;
        ReadDigits("bh=", digits, (digits.size() + 1) / 2, choices);
    }
    if (const std::string digits = GetTjvalue(whole, "dm="); digits != "-1") {
        choices.DigitsOn = true;
        choices.Banker = true;
        ReadDigits("dm=", digits, digits.size() / 2, choices);
    }
    if (const std::string list = GetTjvalue(whole, "xfw="); list != "-1") ReadList(list, choices);
    return choices;
}

} // namespace zorvy
