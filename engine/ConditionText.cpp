#include "engine/ConditionText.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <bitset>
#include <vector>

namespace zorvy {

namespace {

std::string ValueAfterEquals(std::string_view segment) {
    const size_t equals = segment.find('=');
    return std::string(equals == std::string_view::npos ? segment : segment.substr(equals + 1));
}

bool ListHolds(std::string_view list, int32_t value) {
    std::string blanked(1, ' ');
    blanked += IntToStr(value);
    blanked += ' ';
    return ContainsText(list, blanked);
}

} // namespace

std::string ExtractConditionValue(std::string_view text, std::string_view key) {
    if (!ContainsText(text, key)) return "-1";
    std::string rest(text);
    while (!rest.empty()) {
        const size_t slash = rest.find('/');
        if (slash == std::string::npos) {
            // An open last segment: nothing more to remove, so its value (if it holds the key) ends the read.
            return ContainsText(rest, key) ? ValueAfterEquals(rest) : "-1";
        }
        if (slash == 0) {
            // An empty segment ("//"): removing every "/" would run the later segments together.
            rest.erase(0, 1);
            continue;
        }
        const std::string segment = rest.substr(0, slash);
        if (ContainsText(segment, key)) return ValueAfterEquals(segment);
        rest = StringReplace(rest, segment + "/", "", rfReplaceAll | rfIgnoreCase);
    }
    return "-1";
}

std::string Jcchushuv(std::string_view list) {
    if (!ContainsText(list, "c")) return "";
    const size_t comma = list.find(',');
    if (comma == std::string_view::npos || comma < 1) return "";
    return std::string(list.substr(1, comma - 1));
}

bool CheckCondition(int32_t value, const TConditionMarks& marks, std::string_view list) {
    if (!CheckMarks(value, marks)) return false;
    if (list == "-1") return true;
    if (ContainsText(list, "c")) {
        const int32_t divisor = StrToInt(Jcchushuv(list));
        const int32_t remainder = Mod(value, divisor);
        // The whole remainder list is searched: remainders may run far beyond 30 characters.
        return ListHolds(list.substr(list.find(',') + 1), remainder);
    }
    return ListHolds(list, value);
}

bool ContainsBankerDigits(std::string_view serialText, std::string_view bankerDigits) {
    const size_t half = bankerDigits.size() / 2;
    std::bitset<256> found;
    for (char c : bankerDigits)
        if (c != ' ' && serialText.find(c) != std::string_view::npos)
            found.set(static_cast<unsigned char>(c));
    return found.count() == half;
}

bool SortNumericStrings(std::span<std::string> items) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (size_t i = 1; i < items.size(); ++i) {
            if (StrToInt(items[i]) < StrToInt(items[i - 1])) {
                std::swap(items[i], items[i - 1]);
                swapped = true;
            }
        }
    }
    return true;
}

std::string SortNumberList(const std::string& list) {
    const size_t scanned = std::min(list.size(), Trim(list).size() + 1);
    size_t count = 0;
    for (size_t i = 0; i < scanned; ++i)
        if (list[i] == ' ') ++count;
    std::vector<std::string> items;
    std::string rest = list;
    for (size_t i = 0; i < count; ++i) {
        const size_t blank = rest.find(' ');
        std::string item = rest.substr(0, blank);
        if (item.empty()) break;
        items.push_back(std::move(item));
        rest = blank == std::string::npos ? "" : rest.substr(blank + 1);
    }
    SortNumericStrings(items);
    std::string sorted;
    for (const std::string& item : items)
        sorted += item + " ";
    return sorted;
}

} // namespace zorvy
