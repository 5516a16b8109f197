#pragma once
// LIKE patterns: an any-run character ("%"), an any-character character ("_") and an optional
// escape character. Matching walks the text once per pattern position (at most pattern x text
// steps), so no pattern takes exponential time; "_" and literals match whole UTF-8 characters.
#include <string>
#include <string_view>

namespace zorvy {

// Every run of `wildcard` becomes one.
void CollapseWildcardRuns(std::string& text, char wildcard);
// The shape of a pattern, its outer wildcards removed: 0 like (unchanged), 1 begins with,
// 2 ends with, 3 contains.
int StripLikeWildcards(std::string& pattern, char percent);
// A non-final any-run character never lets the rest of the pattern match an empty remainder,
// so "a%%" does not match "a". `escape` 0 means none.
bool MatchLikePattern(std::string_view text, std::string_view pattern, char anyRun, char anyChar,
                      char escape);
bool MatchesLikeMask(std::string_view text, std::string_view pattern, char anyRun, char anyChar);

} // namespace zorvy
