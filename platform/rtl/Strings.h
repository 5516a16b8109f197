#pragma once
// Text helpers. Positions and counts are 1-based where the runtime counts from 1 (Pos, Copy,
// Delete, Insert) and are byte offsets into UTF-8 text. "Ansi" variants fold case for all of
// Unicode; the plain ones only for ASCII letters.
#include <string>
#include <string_view>

namespace zorvy {

// ---- 1-based positions ----
int Pos(std::string_view sub, std::string_view text);                   // 0 when absent
int PosEx(std::string_view sub, std::string_view text, int offset = 1); // search from offset
std::string Copy(std::string_view text, int index, int count);          // index < 1 counts from 1
std::string Copy(std::string_view text, int index);                     // to the end
void Delete(std::string& text, int index, int count);
void Insert(std::string_view source, std::string& text, int index);

// ---- trimming: characters up to and including the blank ----
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

// ---- case ----
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
std::string AnsiUpperCase(std::string_view text);
std::string AnsiLowerCase(std::string_view text);

// ---- comparison: < 0, 0, > 0 ----
int CompareStr(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b); // ASCII case-insensitive
bool SameStr(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
int AnsiCompareStr(std::string_view a, std::string_view b);
int AnsiCompareText(std::string_view a, std::string_view b);
bool AnsiSameStr(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);
bool ContainsStr(std::string_view text, std::string_view sub);
bool ContainsText(std::string_view text, std::string_view sub);
bool AnsiContainsText(std::string_view text, std::string_view sub);
bool StartsStr(std::string_view prefix, std::string_view text);
bool StartsText(std::string_view prefix, std::string_view text);
bool EndsStr(std::string_view suffix, std::string_view text);
bool EndsText(std::string_view suffix, std::string_view text);

// ---- replacing and quoting ----
enum TReplaceFlag : unsigned { rfReplaceAll = 1, rfIgnoreCase = 2 };
using TReplaceFlags = unsigned;
std::string StringReplace(std::string_view text, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags);
std::string StringOfChar(char c, int count);
std::string DupeString(std::string_view text, int count);
std::string QuotedStr(std::string_view text); // 'it''s'
std::string AnsiQuotedStr(std::string_view text, char quote);
std::string AnsiDequotedStr(std::string_view text, char quote); // unchanged when not quoted

// False "0", true "-1"; with useBoolStrs "False" / "True".
std::string BoolToStr(bool value, bool useBoolStrs = false);
// Accepts "0"/"-1"/any number, "True"/"False" in any case; EConvertError otherwise.
bool StrToBool(const std::string& text);
bool StrToBoolDef(const std::string& text, bool defaultValue);

// The caption without its hot-key marks: "&File" -> "File", "A&&B" -> "A&B".
std::string StripHotkey(std::string_view caption);
// The character after a single '&' (upper-cased when ASCII); empty when there is none.
std::string GetHotkey(std::string_view caption);

} // namespace zorvy
