#include "engine/SerialFeatures.h"

#include "platform/rtl/Numbers.h"

#include <array>

namespace zorvy {

namespace {

int DigitValue(char c) {
    return c - '0';
}

// 1-based place from the right of a position key, 0 for any other key.
int PositionPlace(std::string_view key) {
    for (size_t i = 0; i < PositionKeys.size(); ++i)
        if (key == PositionKeys[i]) return static_cast<int>(i) + 1;
    return 0;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool ContainsCharNoCase(std::string_view text, char c) {
    for (char t : text)
        if (AsciiLower(t) == AsciiLower(c)) return true;
    return false;
}

int32_t SegmentFd(int32_t n) {
    if (n < 0) return 0;
    if (n <= 150000) return 1;
    if (n <= 950000) return 2 + (n - 150001) / 100000;
    if (n <= 1100000) return 10;
    return 0;
}

int32_t SegmentFd5(int32_t n) {
    if (n < 1) return 0;
    if (n <= 150000) return 1;
    if (n <= 950000) return 2 + (n - 150001) / 50000;
    if (n <= 1100000) return 18;
    return 0;
}

int32_t CeilDiv(int32_t n, int32_t d) {
    return n / d + (n % d != 0 && n > 0 ? 1 : 0);
}

} // namespace

int32_t SerialFeature(int32_t n, std::string_view key) {
    const std::string t = IntToStr(n);
    const int32_t length = static_cast<int32_t>(t.size());
    if (key == "hz") {
        int32_t sum = 0;
        for (char c : t)
            sum += DigitValue(c);
        return sum;
    }
    if (key == "cd") return length;
    if (key == "tz" || key == "nt") {
        std::array<int, 10> seen{};
        for (char c : t)
            if (c >= '0' && c <= '9') ++seen[DigitValue(c)];
        int32_t repeated = 0;
        for (int count : seen)
            if (count >= 2) ++repeated;
        return key == "tz" ? repeated : length - repeated;
    }
    if (key == "fd") return SegmentFd(n);
    if (key == "fd5") return SegmentFd5(n);
    if (key == "111") return CeilDiv(n, 111);
    if (key == "11") return CeilDiv(n, 11);
    if (key == "22") return CeilDiv(n, 22);
    if (key == "oz") {
        int32_t even = 0;
        for (char c : t)
            if (DigitValue(c) % 2 == 0) ++even;
        return even;
    }
    if (key == "lh") {
        int32_t pairs = 0;
        for (size_t i = 1; i < t.size(); ++i) {
            const int gap = DigitValue(t[i]) - DigitValue(t[i - 1]);
            if (gap == 1 || gap == -1) ++pairs;
        }
        return pairs;
    }
    if (key == "lt") {
        for (size_t i = 1; i < t.size(); ++i)
            if (t[i] == t[i - 1]) return DigitValue(t[i]);
        return 10;
    }
    if (const int place = PositionPlace(key); place > 0)
        return place <= length ? DigitValue(t[length - place]) : 0;
    return 0;
}

std::string PositionDigitText(std::string_view serialText, std::string_view key) {
    const int length = static_cast<int>(serialText.size());
    const int place = PositionPlace(key);
    if (place > 0) return place <= length ? std::string(1, serialText[length - place]) : "0";
    if (length == 7) return std::string(1, serialText[0]);
    return "0";
}

int32_t PositionBigSmall(std::string_view serialText, std::string_view key) {
    return DigitValue(PositionDigitText(serialText, key)[0]) > 4 ? 1 : 0;
}

int32_t DigitSegment(int32_t digit) {
    if (digit < 0 || digit > 9) return 0;
    return digit / 2 + 1;
}

int32_t CountBigDigits(std::string_view text) {
    int32_t count = 0;
    for (char c : text)
        if (DigitValue(c) > 4) ++count;
    return count;
}

int32_t CountDigitsInSet(std::string_view text, std::string_view set) {
    int32_t count = 0;
    for (char c : text)
        if (ContainsCharNoCase(set, c)) ++count;
    return count;
}

int32_t CountDigitOccurrences(std::string_view text, std::string_view digit) {
    if (digit.size() != 1) return 0;
    int32_t count = 0;
    for (char c : text)
        if (AsciiLower(c) == AsciiLower(digit[0])) ++count;
    return count;
}

int32_t AdjacentDigitGap(std::string_view serialText, std::string_view key) {
    if (key.empty()) return 0;
    const int k = DigitValue(key[0]);
    if (k < 1 || k >= static_cast<int>(serialText.size())) return 0;
    const int gap = DigitValue(serialText[k - 1]) - DigitValue(serialText[k]);
    return gap < 0 ? -gap : gap;
}

int32_t BigSmallType(std::string_view serialText) {
    const size_t length = serialText.size();
    int64_t sum = 0;
    for (size_t j = 0; j < length && length - 1 - j < 40; ++j)
        if (DigitValue(serialText[j]) > 4) sum += int64_t{1} << (length - 1 - j);
    return sum >= 0 && sum <= 63 ? static_cast<int32_t>(sum / 8 + 1) : 0;
}

int32_t OddEvenType(std::string_view serialText) {
    const size_t length = serialText.size();
    int64_t sum = 1;
    for (size_t j = 0; j < length && length - 1 - j < 40; ++j)
        if (DigitValue(serialText[j]) % 2 != 0) sum += int64_t{1} << (length - 1 - j);
    return sum >= 1 && sum <= 64 ? static_cast<int32_t>((sum - 1) / 8 + 1) : 0;
}

int32_t RemainderType(std::string_view serialText) {
    const size_t length = serialText.size();
    if (length > 20) return 0;
    int64_t sum = 1;
    int64_t weight = 1;
    for (size_t j = length; j-- > 0;) {
        sum += (DigitValue(serialText[j]) % 3) * weight;
        weight *= 3;
    }
    return sum >= 1 && sum <= 729 ? static_cast<int32_t>((sum - 1) / 81 + 1) : 0;
}

int32_t GapType(std::string_view serialText) {
    std::string six;
    if (serialText.size() >= 1 && serialText.size() <= 5)
        six = std::string(6 - serialText.size(), '0') + std::string(serialText);
    else if (serialText.size() == 6)
        six = serialText;
    else if (serialText.size() == 7)
        six = serialText.substr(1);
    int32_t sum = 0;
    for (size_t i = 1; i < six.size(); ++i)
        if ((DigitValue(six[i - 1]) - DigitValue(six[i])) % 2 != 0) sum += 1 << (6 - i);
    return sum / 8 + 1;
}

std::string BaseDigitStats(int32_t number, int16_t base, int32_t width, std::string_view mode) {
    static constexpr std::string_view digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    auto digitChar = [](int64_t value) {
        return value >= 0 && value < static_cast<int64_t>(digits.size()) ? digits[value] : '?';
    };
    std::string text;
    int32_t ones = 0;
    int32_t others = 0;
    int64_t rest = number;
    while (base > 1 && rest >= base) {
        const int64_t digit = rest % base;
        if (digit == 1)
            ++ones;
        else
            ++others;
        text.insert(text.begin(), digitChar(digit));
        rest /= base;
    }
    if (mode == "str") {
        text.insert(text.begin(), digitChar(rest));
        if (static_cast<int64_t>(text.size()) < width) text.insert(0, width - text.size(), '0');
        return text;
    }
    if (mode == "1") return IntToStr(ones);
    if (mode == "0") return IntToStr(others);
    return text;
}

} // namespace zorvy
