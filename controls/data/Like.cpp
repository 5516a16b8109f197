#include "controls/data/Like.h"

#include "platform/rtl/Encoding.h"

#include <vector>

namespace zorvy {

void CollapseWildcardRuns(std::string& text, char wildcard) {
    std::string result;
    result.reserve(text.size());
    for (char c : text)
        if (c != wildcard || result.empty() || result.back() != wildcard) result.push_back(c);
    text = std::move(result);
}

int StripLikeWildcards(std::string& pattern, char percent) {
    CollapseWildcardRuns(pattern, percent);
    if (pattern.size() <= 1) return 0;
    bool starts = pattern.front() == percent, ends = pattern.back() == percent;
    if (starts && ends) {
        pattern = pattern.substr(1, pattern.size() - 2);
        return 3;
    }
    if (starts) {
        pattern.erase(0, 1);
        return 2;
    }
    if (ends) {
        pattern.pop_back();
        return 1;
    }
    return 0;
}

namespace {

struct Token {
    enum Kind { Literal, AnyChar, AnyRun } kind;
    std::string_view character; // a literal's UTF-8 character
    bool lastOfPattern = false; // an any-run character that ends the pattern matches everything after it
};

std::vector<Token> Tokenize(std::string_view pattern, char anyRun, char anyChar, char escape) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < pattern.size()) {
        char p = pattern[i];
        if (escape != 0 && p == escape) {
            ++i;
            if (i >= pattern.size()) break; // a trailing escape leaves only the end of the pattern
        } else if (p == anyRun) {
            tokens.push_back({Token::AnyRun, {}, i + 1 == pattern.size()});
            ++i;
            continue;
        } else if (p == anyChar) {
            tokens.push_back({Token::AnyChar, {}});
            ++i;
            continue;
        }
        size_t length = CharLengthAt(pattern, i);
        tokens.push_back({Token::Literal, pattern.substr(i, length)});
        i += length;
    }
    return tokens;
}

} // namespace

// The pattern as a small automaton over its positions, run over the text once: the set of
// positions reached so far replaces the retry at every any-run character.
bool MatchLikePattern(std::string_view text, std::string_view pattern, char anyRun, char anyChar,
                      char escape) {
    std::vector<Token> tokens = Tokenize(pattern, anyRun, anyChar, escape);
    const size_t n = tokens.size();
    std::vector<char> current(n + 1, 0), next(n + 1, 0);
    current[0] = 1;
    size_t at = 0;
    for (;;) {
        bool atEnd = at >= text.size();
        // An any-run character tries the rest of the pattern only while text remains.
        for (size_t k = 0; k < n; ++k) {
            if (!current[k] || tokens[k].kind != Token::AnyRun) continue;
            if (tokens[k].lastOfPattern) return true;
            if (!atEnd) current[k + 1] = 1;
        }
        if (atEnd) return current[n] != 0;
        size_t length = CharLengthAt(text, at);
        std::string_view character = text.substr(at, length);
        std::fill(next.begin(), next.end(), 0);
        bool any = false;
        for (size_t k = 0; k < n; ++k) {
            if (!current[k]) continue;
            const Token& t = tokens[k];
            if (t.kind == Token::AnyRun) {
                next[k] = 1;
                any = true;
            } else if (t.kind == Token::AnyChar || t.character == character) {
                next[k + 1] = 1;
                any = true;
            }
        }
        if (!any) return false;
        current.swap(next);
        at += length;
    }
}

bool MatchesLikeMask(std::string_view text, std::string_view pattern, char anyRun, char anyChar) {
    return MatchLikePattern(text, pattern, anyRun, anyChar, 0);
}

} // namespace zorvy
