#pragma once
// Smart date input and date arithmetic for the date editors and the grid's date filters: typed texts
// to dates (with the words today, yesterday, tomorrow, the weekdays, first ... seventh, bom, eom and now,
// each with an optional day offset "+2"), dates to the texts editors show, the smart words in
// regular-expression masks, month and week arithmetic and the null date.
#include "platform/rtl/DateTime.h"

#include <string>

namespace zorvy {

class Variant;

// What a date editor holds when it has no date.
constexpr TDateTime NullDate = -700000;
constexpr int SmartDateWordCount = 20;
// The word of an index: 0 today, 1 yesterday, 2 tomorrow, 3..9 Sunday..Saturday, 10..16 first..seventh,
// 17 bom, 18 eom, 19 now (translatable resource strings).
std::string SmartDateWord(int index);

// ---- text and dates ----
// A smart word (and offset), else the text in the locale's or the runtime's date format; false (with
// the null date) for anything else or a year above 9999.
bool TryTextToDateExtended(const std::string& text, TDateTime& date);
// A smart word at the start of the text, with an optional "+n" or "-n" days after it.
bool TrySmartTextToDate(const std::string& text, TDateTime& date);
// The same, against the given current moment.
bool TrySmartTextToDateAt(const std::string& text, TDateTime now, TDateTime& date);
bool MatchSmartDateWord(const std::string& text, int& index);
bool TryTextToDateTime(const std::string& text, bool byVariant, TDateTime& date);
// Blanks out the literal words of the date and time formats and folds runs of blanks.
void NormalizeDateText(std::string& text, bool localeMode);
void FormatDateForEdit(bool masked, bool withTime, bool fourDigitYear, std::string& text, TDateTime date);
void DateToLocaleText(bool fourDigitYear, std::string& text, TDateTime date);
// r becomes "(r)|('today'|...)" with an optional day offset.
void AddSmartDateWordsToRegExpr(std::string& r, bool withNow);
bool IsNullDateValue(const Variant& value);
TDateTime EarliestSupportedDate();

// ---- calendar arithmetic ----
void StepMonthBack(uint16_t& year, uint16_t& month);
void StepMonthForward(uint16_t& year, uint16_t& month);
// Moves by delta months; answers the whole years of delta (toward zero).
int ChangeMonthBy(uint16_t& year, uint16_t& month, int delta);
int MonthSerialOf(TDateTime date);
// part 0 year, 1 month, other day.
int DatePartOf(int part, TDateTime date);
bool IsLeapYearOf(int year);
int DaysInMonthOf(int year, int month);
int ClampDayOfMonth(int year, int month, int day);
double FractionOfDay(TDateTime date);
TDateTime TruncToDay(TDateTime date);
// 0..6 from the shared format controller's first day of the week.
int WeekdayFromWeekStart(TDateTime date);
TDateTime FirstDayOfMonthOf(TDateTime date);
TDateTime FirstDayOfYearOf(TDateTime date);
// With dateOnly off, at 23:59:59.999 of that day.
TDateTime LastDayOfMonthOf(bool dateOnly, TDateTime date);
TDateTime LastDayOfYearOf(bool dateOnly, TDateTime date);
// rule 1 the week with 1 January, 2 the first full week, 3 the first with four days; 0 the locale's.
int WeekOfYearOf(int firstDayOfWeek, int rule, TDateTime date);

} // namespace zorvy
