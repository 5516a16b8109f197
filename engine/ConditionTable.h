#pragma once
// The 166 filter conditions in eleven families: stems, captions, families, failure messages, and
// the parsed record of each condition.
#include "engine/ConditionText.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zorvy {

enum ConditionFamily : int {
    cfBianma1,
    cfBianma2,
    cfBianma3,
    cfGw,
    cfSw,
    cfBw,
    cfQw,
    cfWw,
    cfSww,
    cfTb1,
    cfTb2
};

inline constexpr int FamilyCount = 11;
inline constexpr int ConditionCount = 166;

// The order in which the loader visits the families.
inline constexpr std::array<ConditionFamily, FamilyCount> LoadingOrder = {
    cfBianma3, cfBianma1, cfBianma2, cfGw, cfSw, cfBw, cfQw, cfWw, cfSww, cfTb1, cfTb2};

// The parsed parameters of one condition. Marks are -1 when their key is absent; range bounds up to the
// largest serial fit, so marks are 32-bit.
struct TConditionRecord {
    int32_t OddMark = 0;
    int32_t EvenMark = 0;
    int32_t Rem0Mark = 0;
    int32_t Rem1Mark = 0;
    int32_t Rem2Mark = 0;
    int32_t RangeLow = 0;
    int32_t RangeHigh = 0;
    std::string ValueList;

    TConditionMarks Marks() const {
        return {OddMark, EvenMark, Rem0Mark, Rem1Mark, Rem2Mark, RangeLow, RangeHigh};
    }
};

// One record per condition, in the declared order of ConditionTable.
using TConditionRecords = std::array<TConditionRecord, ConditionCount>;

struct TConditionInfo {
    std::string Stem;    // "xhtz1", "gw7", "Tb9"; the widgets are Stem + "chk" and Stem + "Edit"
    std::string Caption; // "6位值"
    ConditionFamily Family;
    std::string Message; // logged in check mode when the condition rejects the last draw
};

struct TFamilyInfo {
    std::string_view FlagName;     // "bianma1chk"
    std::string_view GroupCaption; // "6位特征1"
    std::string_view PageCaption;  // "6位特征"
    std::span<const int> Members;  // condition indexes in the order the family is loaded and tested
};

// Declared order: xhx0-xhx9, xhtz1-xhtz22, xhbh1-xhbh4, gw1-gw19 ... sww1-sww19, tb1-tb8, Tb9-Tb14,
// tb15, tb16.
const std::array<TConditionInfo, ConditionCount>& ConditionTable();
const std::array<TFamilyInfo, FamilyCount>& FamilyTable();
// Index of a stem (exact case) in ConditionTable, -1 when there is none.
int ConditionIndex(std::string_view stem);

// Declared indexes of the first member of each run of stems.
inline constexpr int XhxFirst = 0;       // xhx0
inline constexpr int XhtzFirst = 10;     // xhtz1
inline constexpr int XhbhFirst = 32;     // xhbh1
inline constexpr int PositionFirst = 36; // gw1; each position has 19 kinds, gw, sw, bw, qw, ww, sww
inline constexpr int TbFirst = 150;      // tb1
inline constexpr int PositionKinds = 19;

} // namespace zorvy
