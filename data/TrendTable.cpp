#include "data/TrendTable.h"

#include "data/TrendMarker.h"
#include "engine/ValueKindFeatures.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"

#include <cstdlib>

namespace zorvy {

namespace {

std::string QColumn(int32_t k) {
    if (k < 0 || k >= TrendQColumns) throw EDatabaseError("Field '" + ColumnName("Q", k) + "' not found");
    return ColumnName("Q", k);
}

// Gap class of a count: a gap of 0, 1 to 3, 4 to 8, or 9 and more rows; `coldLimit` bounds the last.
std::string GapColumn(int32_t count, int32_t coldLimit) {
    if (count == 1) return "Q0";
    if (count >= 2 && count <= 4) return "Q1";
    if (count >= 5 && count <= 9) return "Q2";
    if (count >= 10 && count <= coldLimit) return "Q3";
    return {};
}

std::string CountGap(TTrendBuilderState& state, int32_t v, int32_t coldLimit) {
    for (int32_t& count : state.ValueGapCounts)
        ++count;
    std::string column = GapColumn(state.ValueGapCounts[v], coldLimit);
    state.ValueGapCounts[v] = 0;
    return column;
}

int32_t Remainder3(int32_t value) {
    return value % 3;
}

char PairDigit(bool agree) {
    return agree ? '0' : '1';
}

std::optional<std::string> UnfilteredColumn(TTrendBuilderState& state, const TAnalysisSettings& settings,
                                            int32_t v) {
    const auto& h = state.TrendValueHistory;
    int32_t p1 = h[4], p2 = h[3];
    switch (settings.Rule) {
    case TTrendRule::RwLchk:
        return CountGap(state, v, INT32_MAX);
    case TTrendRule::sx3qiatchk:
        return ColumnName("bg", sx3atbgv(p2, p1, v));
    case TTrendRule::sx3qidxchk:
        return PatternColumn(ThreeValuePattern(p2, p1, v, "dx", settings.bxcom, settings.bdcom));
    case TTrendRule::kuaduchk:
        return QColumn(std::abs(p1 - v) % TrendQColumns);
    case TTrendRule::zuoyouchk1: {
        const int32_t reference = settings.zychk ? StrToInt(settings.zycom) : p1;
        return reference < v ? "Q2" : reference > v ? "Q0" : "Q1";
    }
    case TTrendRule::sx3qijechk:
        return PatternColumn(ThreeValuePattern(p2, p1, v, "je", settings.bxcom, settings.bdcom));
    case TTrendRule::sx3qyschk:
        return PatternColumn(
            ThreeValuePattern(p2, p1, v, std::to_string(settings.Rad012), settings.bxcom, settings.bdcom));
    case TTrendRule::sx6qijechk:
        return PatternColumn(SixDrawPattern(h, "je", v, settings.t2chk));
    case TTrendRule::sx6qiyschk:
        return PatternColumn(SixDrawPattern(h, std::to_string(settings.sx6Rad012), v, settings.t2chk));
    default:
        return std::nullopt;
    }
}

} // namespace

int32_t SixDrawPattern(const std::array<int32_t, 5>& five, const std::string& mode, int32_t v, bool t2chk) {
    std::string code(3, '0');
    if (mode == "je") {
        code[0] = PairDigit(five[0] % 2 == five[1] % 2);
        code[1] = PairDigit(five[2] % 2 == five[3] % 2);
        code[2] = PairDigit(five[4] % 2 == v % 2);
    } else if (mode == "0" || mode == "1" || mode == "2") {
        const int32_t r = mode[0] - '0';
        if (t2chk) {
            const int32_t last = Remainder3(five[4]);
            code[0] = PairDigit(Remainder3(five[0]) == last && Remainder3(five[1]) == r);
            code[1] = PairDigit(Remainder3(five[2]) == last && Remainder3(five[3]) == r);
            code[2] = PairDigit(Remainder3(v) == r);
        } else {
            code[0] = PairDigit(Remainder3(five[0]) == r && Remainder3(five[1]) == r);
            code[1] = PairDigit(Remainder3(five[2]) == r && Remainder3(five[3]) == r);
            code[2] = PairDigit(Remainder3(five[4]) == r && Remainder3(v) == r);
        }
    } else {
        return 0;
    }
    return std::stoi(code);
}

std::string PatternColumn(int32_t code) {
    switch (code) {
    case 0:
        return "bg0";
    case 1:
        return "bg4";
    case 10:
        return "bg6";
    case 11:
        return "bg2";
    case 100:
        return "bg7";
    case 101:
        return "bg3";
    case 110:
        return "bg5";
    case 111:
        return "bg1";
    default:
        return {};
    }
}

std::optional<TTrendRow> AddTrendRow(TTrendBuilderState& state, const TAnalysisSettings& settings, bool atEnd,
                                     int32_t v, int32_t issue, const std::function<void()>& processMessages) {
    if (!settings.Panel4 || atEnd) return std::nullopt;
    if (processMessages) processMessages();
    if (state.TrendBuildCancel || v > TrendMaxValue || v < 0) return std::nullopt;

    if (auto column = UnfilteredColumn(state, settings, v)) return TTrendRow{std::to_string(issue), *column};

    int n = 0;
    for (int j = 5; j >= 1 && n == 0; --j)
        if (settings.Qian[j - 1]) n = j;
    if (n == 0) return std::nullopt;

    auto& w = state.PriorValueWindow;
    bool qualifies = true;
    for (int j = 1; j <= n; ++j)
        if (StrToInt(settings.sh[j - 1]) != w[5 - j]) qualifies = false;

    std::optional<TTrendRow> row;
    if (qualifies) {
        std::string column;
        switch (settings.Rule) {
        case TTrendRule::shuzhichk:
            column = QColumn(v % 22);
            break;
        case TTrendRule::yushuchk: {
            const int32_t divisor = StrToInt(settings.ysvcom);
            if (divisor == 0) throw EDivByZero("Division by zero");
            column = QColumn(v % divisor);
            break;
        }
        case TTrendRule::JIouchk:
            column = QColumn(v % 2);
            break;
        default:
            column = CountGap(state, v, n == 1 ? 100 : 1000);
            break;
        }
        row = TTrendRow{std::to_string(issue), column};
    }
    for (int i = 5 - n; i < 4; ++i)
        w[i] = w[i + 1];
    w[4] = v;
    return row;
}

} // namespace zorvy
