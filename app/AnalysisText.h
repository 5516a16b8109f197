#pragma once
// What the analysis window computes apart from its controls: the next draw date and the caption that
// announces it, the condition edit a trend feature belongs to, the last six values as text and their
// sorted list, and the remainders of the previous draw.
#include "data/ViewKinds.h"
#include "engine/Combination.h"
#include "platform/rtl/DateTime.h"

#include <array>
#include <cstdint>
#include <string>

namespace zorvy {

// The next draw day after a draw on date: the next Tuesday, Thursday or Sunday (a date on any weekday
// has one). The time of day is dropped.
TDateTime NextDrawDate(TDateTime date);

// "数据分析    下期开奖信息:第<issue + 1>期 <month>月 <day>日 周<ISO weekday>  农历日：<lunar day>".
std::string NextDrawCaptionText(int32_t lastIssue, TDateTime nextDate, int lunarDay);

// The caption while the history holds no draw, so that no next draw can be named.
inline constexpr const char* NoHistoryCaption = "数据分析    还没有开奖记录：请先在数据维护里录入开奖数据";

// The name of the main window's condition edit that feature kind of view sets ("xhtz1Edit",
// "sww19Edit", "Tb9Edit"); empty when the view has no such kind (kind -1: nothing chosen).
std::string AssistantTargetName(TTrendView view, int kind);

// The values of the last six draws, index 0 first, each not negative followed by one blank.
std::string LastValuesText(const std::array<int32_t, 6>& values);

// Up to six blank-separated numbers of text sorted ascending by value, each followed by one blank
// ("12 5 0 " -> "0 5 12 "). Numbers of any length sort by value; words that are no number are passed over.
std::string SortedValueList(const std::string& text);

// Which of the seven interval columns JJ0 … JJ6 are marked for a sorted list of up to six values (the
// missing ones count as 0): the two outer ones always, JJ k (1 to 5) unless values k-1 and k are equal.
std::array<bool, 7> IntervalMarks(const std::string& sorted);

// The previous draw's tail sum (sum of the balls' units) and ball sum, each mod 3.
int TailSumRemainder(const TCombination& balls);
int BallSumRemainder(const TCombination& balls);

} // namespace zorvy
