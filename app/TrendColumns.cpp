#include "app/TrendColumns.h"

namespace zorvy {

namespace {

std::vector<TTrendColumn> Numbered(const std::string& prefix, int count) {
    std::vector<TTrendColumn> columns;
    for (int i = 0; i < count; ++i)
        columns.push_back({prefix + std::to_string(i), std::to_string(i)});
    return columns;
}

std::vector<TTrendColumn> Joined(std::vector<TTrendColumn> head, const std::vector<TTrendColumn>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

const char* LastBandCaption(TTrendView view) {
    return IsPositionView(view) ? "个位热温冷" : "6位热温冷";
}

} // namespace

std::vector<TTrendBand> TrendBands(TTrendView view) {
    return {
        {"基本信息", 0, {{"Issue", "期号"}, {"EndTime", "开奖时间", false}, {"ResultA1", "开奖结果", false}}},
        {"值差", 62, {{"Jsv", "值"}, {"Jsca", "差"}}},
        {"奇偶", 60, {{"Js", "奇"}, {"Ous", "偶"}}},
        {"余数", 90, {{"y0", "余0"}, {"y1", "余1"}, {"y2", "余2"}}},
        {"上尾和余同非", 0, {{"f0", "同"}, {"f1", "非"}}},
        {"上和余同非", 0, {{"H0", "同"}, {"H1", "非"}}},
        {"上下3期余数和值", 231, Joined({{"sx3hz", "和"}, {"sx3ca", "差"}}, Numbered("Hz", 7))},
        {"范围", 377, Numbered("fw", FwColumnCount(view))},
        {"上6期行列值包含本期行列值", 0, {{"bh", "含"}, {"fbh", "非"}}},
        {"上6期值序后间距值包含本期值", 0, Numbered("JJ", 7)},
        {"上下大小", 0, {{"da", "大"}, {"xiao", "小"}, {"deng", "等"}}},
        {"与期号同奇偶", 0, {{"qihaoxt", "同"}, {"qihaobt", "异"}}},
        {"与日期同奇偶", 0, {{"datext", "同"}, {"datebt", "异"}}},
        {"与周同奇偶", 0, {{"weekxt", "同"}, {"weekbt", "异"}}},
        {LastBandCaption(view),
         IsPositionView(view) ? 129 : 0,
         {{"chongv", "重"}, {"Rev", "热"}, {"wenv", "温"}, {"lengv", "冷"}}},
    };
}

std::vector<std::string> TrendColumnOrder(TTrendView view) {
    std::vector<std::string> order = {"Issue", "ResultA1", "EndTime", "Jsv", "Jsca",
                                      "Js",    "Ous",      "y0",      "y1",  "y2"};
    for (int i = 0; i < FwColumnCount(view); ++i)
        order.push_back("fw" + std::to_string(i));
    order.insert(order.end(), {"sx3hz", "sx3ca"});
    for (int i = 0; i < 7; ++i)
        order.push_back("Hz" + std::to_string(i));
    for (int i = 0; i < 7; ++i)
        order.push_back("JJ" + std::to_string(i));
    order.insert(order.end(), {"bh",   "fbh",  "da",     "xiao",   "deng",    "datext",  "datebt",
                               "bgxt", "bgbt", "weekxt", "weekbt", "qihaoxt", "qihaobt", "f0",
                               "f1",   "H0",   "H1",     "chongv", "Rev",     "wenv",    "lengv"});
    return order;
}

int FirstIntervalColumn(TTrendView view) {
    return 19 + FwColumnCount(view);
}

std::vector<TTrendSummary> TrendSummaries(TTrendView view) {
    std::vector<TTrendSummary> summaries = {{"Issue", TTrendSummaryKind::Count, ""},
                                            {"Jsv", TTrendSummaryKind::Average, "#########.##"},
                                            {"sx3hz", TTrendSummaryKind::Average, "##"}};
    std::vector<std::string> marks = {"Js", "Ous", "y0", "y1", "y2", "f0", "f1", "H0", "H1"};
    for (int i = 0; i < 7; ++i)
        marks.push_back("Hz" + std::to_string(i));
    for (int i = 0; i < FwColumnCount(view); ++i)
        marks.push_back("fw" + std::to_string(i));
    marks.insert(marks.end(), {"bh", "fbh"});
    for (int i = 0; i < 7; ++i)
        marks.push_back("JJ" + std::to_string(i));
    marks.insert(marks.end(), {"da", "xiao", "deng", "qihaoxt", "qihaobt", "datext", "datebt", "weekxt",
                               "weekbt", "chongv", "Rev", "wenv", "lengv"});
    for (const std::string& mark : marks)
        summaries.push_back({mark, TTrendSummaryKind::Count, ""});
    return summaries;
}

std::vector<std::string> TrendFeatures(TTrendView view) {
    switch (view) {
    case TTrendView::xh: {
        std::vector<std::string> features = {
            "6码",    "6码和",  "长度",     "同字个数", "不同字个数",  "分段值",     "偶字个数", "连位个数",
            "邻同字", "分段2",  "奇偶类型", "余数类型", "大数个数",    "大小类型",   "间距类型", "12间距",
            "23间距", "34间距", "45间距",   "56间距",   "二进制1个数", "二进制0个数"};
        for (int d = 0; d < 10; ++d)
            features.push_back("包含" + std::to_string(d) + "数");
        for (int n = 1; n <= 4; ++n)
            features.push_back("包含" + std::to_string(n) + "(任意0－9)");
        return features;
    }
    case TTrendView::tb:
        return {"卡普雷卡尔1", "卡普雷卡尔2", "卡普雷卡尔3", "西西弗斯",  "勾股定理1", "勾股定理2",
                "高斯组合1",   "高斯组合2",   "黄金分割1",   "黄金分割2", "剩余组合",  "自幂组合",
                "矩阵组合1",   "矩阵组合2",   "矩阵组合3",   "矩阵组合4"};
    default:
        return {"值",        "分段",     "大小",     "上下大小",   "3期凹凸",    "6期包含",    "热温冷值",
                "3期八卦值", "五行值",   "静态行值", "静态列值",   "静态左斜值", "静态右斜值", "水仙花数",
                "玫瑰花数",  "动态行值", "动态列值", "动态左斜值", "动态右斜值"};
    }
}

} // namespace zorvy
