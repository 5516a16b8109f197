#include "engine/ConditionTable.h"

#include "engine/SerialFeatures.h"

#include <numeric>
#include <vector>

namespace zorvy {

namespace {

constexpr std::array<std::string_view, 22> XhtzCaptions = {
    "6位值",    "6位数和",  "长度",     "同字个数", "不同字个数",  "分段值1",    "偶字个数", "连位个数",
    "邻同字",   "分段值2",  "奇偶类型", "余数类型", "大数个数",    "大小类型",   "间距类型", "12值间距",
    "23值间距", "34值间距", "45值间距", "56值间距", "二进制1个数", "二进制0个数"};
constexpr std::array<std::string_view, 22> XhtzMessages = {
    "六码值错误",          "六码和错误",         "六码长度错误",     "六码同字个数度错误",
    "六码不同字个数错误",  "六码分段值1错误",    "六码偶字个数错误", "六码连号个数错误",
    "六码邻同字数错误",    "六码分段值2错误",    "六码奇偶类型错误", "六码余数类型错误",
    "六码大数错误",        "六码大小类型错误",   "六位间距类型错误", "六位12间距错误",
    "六位23间距错误",      "六位34间距错误",     "六位45间距错误",   "六位56间距错误",
    "六位二进制1个数错误", "六位二进制0个数错误"};
constexpr std::array<std::string_view, 4> XhbhMessages = {"六码包含0-9(1)错误", "六码包含0-9(2)错误",
                                                          "六位包含0-9(3)错误", "六码包含0-9(4)错误"};

constexpr std::array<std::string_view, 6> PositionPrefixes = {"个位", "十位", "百位",
                                                              "千位", "万位", "十万位"};
constexpr std::array<std::string_view, 19> PositionCaptions = {
    "值",        "分段",     "大小",     "上下大小",   "3期凹凸",    "3期包含",    "热温冷值",
    "3期八卦值", "五行值",   "静态行值", "静态列值",   "静态左斜值", "静态右斜值", "水仙花数",
    "玫瑰花数",  "动态行值", "动态列值", "动态左斜值", "动态右斜值"};
constexpr std::array<std::string_view, 19> PositionSuffixes = {
    "值错误",       "分段错误",       "大小错误",       "上下大小错误",  "3期凹凸错误",
    "3期包含错误",  "热温冷值错误",   "3期八卦值错误",  "五行错误",      "静态行值错误",
    "静态列值错误", "静态左斜值错误", "静态右斜值错误", "综合值1错误",   "综合值2错误",
    "动态行值错误", "动态列值错误",   "动态左斜值错误", "动态右斜值错误"};

constexpr std::array<std::string_view, 16> TbStems = {"tb1",  "tb2",  "tb3",  "tb4",  "tb5",  "tb6",
                                                      "tb7",  "tb8",  "Tb9",  "Tb10", "Tb11", "Tb12",
                                                      "Tb13", "Tb14", "tb15", "tb16"};
constexpr std::array<std::string_view, 16> TbCaptions = {
    "卡普雷卡尔1", "卡普雷卡尔2", "卡普雷卡尔3", "西西弗斯",  "勾股定理1", "勾股定理2",
    "高斯组合1",   "高斯组合2",   "黄金分割1",   "黄金分割2", "剩余组合",  "自幂组合",
    "矩阵组合1",   "矩阵组合2",   "矩阵组合3",   "矩阵组合4"};

std::array<TConditionInfo, ConditionCount> BuildConditionTable() {
    std::array<TConditionInfo, ConditionCount> table;
    int index = 0;
    auto add = [&](std::string stem, std::string_view caption, ConditionFamily family, std::string message) {
        table[index++] = {std::move(stem), std::string(caption), family, std::move(message)};
    };
    for (int digit = 0; digit <= 9; ++digit) {
        const std::string d = std::to_string(digit);
        add("xhx" + d, "含" + d + "个数", cfBianma3, "六位包含" + d + "个数错误");
    }
    for (int i = 0; i < 22; ++i)
        add("xhtz" + std::to_string(i + 1), XhtzCaptions[i], i < 14 ? cfBianma1 : cfBianma2,
            std::string(XhtzMessages[i]));
    for (int i = 0; i < 4; ++i)
        add("xhbh" + std::to_string(i + 1), "包含" + std::to_string(i + 1), cfBianma1,
            std::string(XhbhMessages[i]));
    for (int position = 0; position < 6; ++position)
        for (int kind = 0; kind < PositionKinds; ++kind) {
            std::string message =
                std::string(PositionPrefixes[position]) + std::string(PositionSuffixes[kind]);
            if (position == 5 && kind == 6) message = "十万热温冷值错误";
            add(std::string(PositionKeys[position]) + std::to_string(kind + 1), PositionCaptions[kind],
                static_cast<ConditionFamily>(cfGw + position), std::move(message));
        }
    for (int i = 0; i < 16; ++i)
        add(std::string(TbStems[i]), TbCaptions[i], i < 8 ? cfTb1 : cfTb2,
            std::string(TbCaptions[i]) + "错误");
    return table;
}

// Members in loading and testing order; cfBianma1 lists xhtz1-xhtz14 before xhbh1-xhbh4.
struct TFamilyMembers {
    std::array<std::vector<int>, FamilyCount> Members;
    TFamilyMembers() {
        auto range = [](int first, int count) {
            std::vector<int> indexes(count);
            std::iota(indexes.begin(), indexes.end(), first);
            return indexes;
        };
        Members[cfBianma1] = range(XhtzFirst, 14);
        for (int i = 0; i < 4; ++i)
            Members[cfBianma1].push_back(XhbhFirst + i);
        Members[cfBianma2] = range(XhtzFirst + 14, 8);
        Members[cfBianma3] = range(XhxFirst, 10);
        for (int position = 0; position < 6; ++position)
            Members[cfGw + position] = range(PositionFirst + position * PositionKinds, PositionKinds);
        Members[cfTb1] = range(TbFirst, 8);
        Members[cfTb2] = range(TbFirst + 8, 8);
    }
};

} // namespace

const std::array<TConditionInfo, ConditionCount>& ConditionTable() {
    static const std::array<TConditionInfo, ConditionCount> table = BuildConditionTable();
    return table;
}

const std::array<TFamilyInfo, FamilyCount>& FamilyTable() {
    static const TFamilyMembers members;
    static const std::array<TFamilyInfo, FamilyCount> families = {{
        {"bianma1chk", "6位特征1", "6位特征", members.Members[cfBianma1]},
        {"bianma2chk", "6位特征2(从左到右排列)", "6位特征", members.Members[cfBianma2]},
        {"bianma3chk", "6位特征3", "6位特征", members.Members[cfBianma3]},
        {"gwchk", "个位特征", "个位.十位", members.Members[cfGw]},
        {"swchk", "十位特征", "个位.十位", members.Members[cfSw]},
        {"bwchk", "百位特征", "百位.千位", members.Members[cfBw]},
        {"qwchk", "千位特征", "百位.千位", members.Members[cfQw]},
        {"wwchk", "万位特征", "万位.十万位", members.Members[cfWw]},
        {"swwchk", "十万位", "万位.十万位", members.Members[cfSww]},
        {"tb_1chk", "高级1", "高级1过滤", members.Members[cfTb1]},
        {"tb_2chk", "高级2", "高级2过滤", members.Members[cfTb2]},
    }};
    return families;
}

int ConditionIndex(std::string_view stem) {
    const auto& table = ConditionTable();
    for (int i = 0; i < ConditionCount; ++i)
        if (table[i].Stem == stem) return i;
    return -1;
}

} // namespace zorvy
