#include "app/TrendTables.h"

namespace zorvy {

bool IsPatternRule(TTrendRule rule) {
    switch (rule) {
    case TTrendRule::sx3qidxchk:
    case TTrendRule::sx3qijechk:
    case TTrendRule::sx3qiatchk:
    case TTrendRule::sx3qyschk:
    case TTrendRule::sx6qijechk:
    case TTrendRule::sx6qiyschk:
        return true;
    default:
        return false;
    }
}

std::string HotColdSummaryText(const std::array<int32_t, TrendMaxValue + 1>& counts, bool listValues) {
    std::array<std::string, 4> lists;
    if (listValues) {
        // Values of a feature that stays below 30 never reset the counter of 30, so it bounds the rest.
        const int32_t bound = counts[30];
        for (int value = 0; value <= TrendMaxValue; ++value) {
            const int32_t count = counts[value];
            if (count >= bound || count < 0) continue;
            const int cls = count == 0 ? 0 : count <= 3 ? 1 : count <= 8 ? 2 : 3;
            lists[cls] += std::to_string(value) + " ";
        }
    }
    static constexpr const char* headings[4] = {"重:", "热:", "温:", "冷:"};
    std::string text;
    for (int i = 0; i < 4; ++i)
        text += std::string(headings[i]) + lists[i] + "\r\n";
    return text;
}

int HighestTicked(const std::vector<bool>& ticked) {
    for (int i = static_cast<int>(ticked.size()); i >= 1; --i)
        if (ticked[i - 1]) return i;
    return 0;
}

std::optional<int> PatternCode(const std::string& text) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '7') return std::nullopt;
    return text[0] - '0';
}

bool AcceptsCodeKey(char32_t key) {
    return (key >= U'0' && key <= U'7') || key < 0x20;
}

std::vector<TStretchRow> FindEqualStretches(const std::vector<TPatternRow>& rows, const std::vector<int>& sequence,
                                            const std::function<bool()>& keepGoing) {
    std::vector<TStretchRow> found;
    const size_t n = sequence.size();
    if (n == 0) return found;
    size_t start = 0;
    while (start + n <= rows.size()) {
        if (keepGoing && !keepGoing()) break;
        size_t matched = 0;
        while (matched < n && sequence[matched] >= 0 && sequence[matched] < TrendBgColumns &&
               (rows[start + matched].Marks >> sequence[matched] & 1u))
            ++matched;
        if (matched < n) {
            ++start;
            continue;
        }
        for (size_t k = 0; k < n; ++k)
            found.push_back({rows[start + k].Qh, sequence[k], false});
        start += n;
        if (start < rows.size()) {
            const TPatternRow& next = rows[start];
            int first = -1;
            for (int code = 0; code < TrendBgColumns && first < 0; ++code)
                if (next.Marks >> code & 1u) first = code;
            found.push_back({next.Qh, first, true});
        }
    }
    return found;
}

} // namespace zorvy
