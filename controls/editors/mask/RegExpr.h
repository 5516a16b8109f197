#pragma once
// TcxRegExpr: the regular expressions of the regular-expression mask kinds. A mask text is scanned into
// tokens, parsed into alternatives of quantified items, and turned into a state graph that is fed one
// character at a time: each step says whether the input is still the start of some match, steps can be
// taken back, and the input so far can be asked whether it is a whole match. With update-on, characters
// the expression forces are consumed at once and reported (OnSymbolUpdate), and stepping back over them
// is reported too (OnSymbolDelete).
//
// The language: literals, 'quoted text', . \w \W \d \D \s \S, / and : (the locale date and time
// separators), [enumerations] with ranges and ^, (groups), alternatives with |, the quantifiers * + ? and
// {n} {n,} {n,m}, and back references \1..\9 to closed groups. Blanks outside quotes are ignored. There
// are no anchors: the whole input matches from its first character.
//
// Sets of states are kept free of duplicates, so no expression makes a step cost more than the number of
// its states; repeat counts and the expanded size are capped at compile time.
#include "controls/editors/framework/Edit.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

// Repeat counts above this, and expressions that would expand to more states, do not compile. A mask
// of 2,000 states is far beyond any edit's text; the bound keeps the forced-character walk, whose
// position sets grow with its length, well under a keystroke's time.
inline constexpr int MaxRegExprRepeat = 1000;
inline constexpr int MaxRegExprStates = 2000;

struct TcxLexem {
    int Code = 0; // 0 literal, 1 operator, 2 integer, 3 ., 4-9 \w \W \d \D \s \S, 10 \n, 11 /, 12 :
    std::u32string Text;
    int Line = 0;
    int Column = 0;
};

class TcxRegExprError {
  public:
    TcxRegExprError(int line, int column, std::string message)
        : Line(line), Column(column), Message(std::move(message)) {}
    // "Line1, Char5: message", or the message alone on line 0.
    std::string MessageWithPosition() const;
    int Line;
    int Column;
    std::string Message;
};

using TcxRegExprErrors = std::vector<TcxRegExprError>;

// Raised by a failed compile; the errors are the expression's.
class EcxRegExprError : public EcxEditError {
  public:
    explicit EcxRegExprError(const TcxRegExprErrors& errors);
    const TcxRegExprErrors& Errors() const { return errors_; }

  private:
    TcxRegExprErrors errors_;
};

class TcxRegExprAutomat;

class TcxRegExpr {
  public:
    TcxRegExpr();
    ~TcxRegExpr();
    TcxRegExpr(const TcxRegExpr&) = delete;
    TcxRegExpr& operator=(const TcxRegExpr&) = delete;

    // Compiling: EcxRegExprError with every error found.
    void Compile(const std::string& source);
    bool CompiledOk() const { return compiled_; }
    // The source of a compiled expression, to compile copies; empty otherwise.
    std::string GetSource() const { return compiled_ ? source_ : std::string(); }
    const TcxRegExprErrors& GetErrors() const { return errors_; }

    // Matching: EcxEditError "Regular expression is not compiled" before a successful compile.
    // Answers whether the character keeps the input a prefix of a match; a case-insensitive expression
    // gives the character back in the case the expression writes it.
    bool ConsumeChar(char32_t& c);
    bool ConsumeChar(std::string& character); // one UTF-8 character
    // Feeds every character without completion; answers the accepted ones as they stood in the text.
    std::string ConsumeText(const std::string& text);
    bool UnconsumeChar();
    void Restart();
    bool InputComplete() const;
    bool NothingConsumed() const;

    bool GetCaseInsensitive() const { return caseInsensitive_; }
    void SetCaseInsensitive(bool value) { caseInsensitive_ = value; }
    bool GetUpdateOn() const { return updateOn_; }
    void SetUpdateOn(bool value);

    std::function<void()> OnSymbolDelete;
    std::function<void(char32_t)> OnSymbolUpdate;

  private:
    friend class TcxRegExprAutomat;
    void Clear();
    void Scan();
    void Build();
    void CheckCompiled() const;
    void AddError(int line, int column, std::string message);

    std::string source_;
    std::vector<TcxLexem> lexems_;
    TcxRegExprErrors errors_;
    std::unique_ptr<TcxRegExprAutomat> automat_;
    bool caseInsensitive_ = false;
    bool compiled_ = false;
    bool updateOn_ = false;
};

// UTF-8 <-> code points, for the modes that work on characters.
std::u32string RegExprChars(const std::string& text);
std::string RegExprText(const std::u32string& chars);

} // namespace zorvy
