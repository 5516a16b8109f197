// TcxRegExpr's front end: the scanner that turns a mask text into tokens, and the parser that turns the
// tokens into alternatives of quantified items, collecting every error with its position.
#include "controls/editors/mask/RegExprInternal.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/ResourceStrings.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxRegExprMissing, "Missing '%s'");
ZORVY_RESOURCESTRING(scxRegExprUnnecessary, "Unnecessary '%s'");
ZORVY_RESOURCESTRING(scxRegExprNotAllowedSpace, "The space character is not allowed after '\\'");
ZORVY_RESOURCESTRING(scxRegExprHexNumberExpected0, "Hexadecimal number expected");
ZORVY_RESOURCESTRING(scxRegExprHexNumberExpected, "Hexadecimal number expected but '%s' found");
ZORVY_RESOURCESTRING(scxRegExprIllegalSymbol, "Illegal '%s'");
ZORVY_RESOURCESTRING(scxRegExprIllegalQuantifier, "Illegal quantifier '%s'");
ZORVY_RESOURCESTRING(scxRegExprIncorrectParameterQuantifier, "Incorrect parameter quantifier");
ZORVY_RESOURCESTRING(scxRegExprCantUseParameterQuantifier, "The parameter quantifier cannot be applied here");
ZORVY_RESOURCESTRING(scxRegExprCantUsePlusQuantifier, "The '+' quantifier cannot be applied here");
ZORVY_RESOURCESTRING(scxRegExprCantUseStarQuantifier, "The '*' quantifier cannot be applied here");
ZORVY_RESOURCESTRING(scxRegExprEmptyAlt, "The alternative should not be empty");
ZORVY_RESOURCESTRING(scxRegExprEmptyBlock, "The block should not be empty");
ZORVY_RESOURCESTRING(scxRegExprIllegalIntegerValue, "Illegal integer value");
ZORVY_RESOURCESTRING(scxRegExprTooBigReferenceNumber, "Too big reference number");
ZORVY_RESOURCESTRING(scxRegExprCantCreateEmptyEnum, "Can't create empty enumeration");
ZORVY_RESOURCESTRING(scxRegExprSubrangeOrder,
                     "The starting character of the subrange must be less than the finishing one");
ZORVY_RESOURCESTRING(scxRegExprRepeatTooLarge, "A repeat count may be at most %d");
ZORVY_RESOURCESTRING(scxRegExprTooLarge, "The expression is too large");

namespace {

bool IsBlank(char32_t c) {
    return c == U' ' || c == 0 || c == U'\t' || c == U'\n' || c == U'\f' || c == U'\r';
}

std::string Text(char32_t c) {
    return RegExprText(std::u32string(1, c));
}

// ---- Scanner ----

class TScanner {
  public:
    TScanner(const std::u32string& source, std::vector<TcxLexem>& lexems,
             const std::function<void(int, int, std::string)>& error)
        : source_(source), lexems_(lexems), error_(error) {}

    void Run() {
        while (More()) {
            const char32_t c = Read();
            if (IsBlank(c)) continue;
            switch (c) {
            case U'\'':
                Quoted();
                break;
            case U'(':
                ++depth_;
                Add(1, c);
                break;
            case U')':
                --depth_;
                Add(1, c);
                break;
            case U'*':
            case U'+':
            case U'?':
            case U'|':
                Add(1, c);
                break;
            case U'.':
                Add(3, c);
                break;
            case U'/':
                Add(11, c);
                break;
            case U':':
                Add(12, c);
                break;
            case U'[':
                Add(1, c);
                Enumeration();
                break;
            case U'\\':
                Escape();
                break;
            case U'{':
                Add(1, c);
                Parameters();
                break;
            default:
                Add(0, c);
            }
        }
        if (depth_ > 0) error_(0, 0, Format(ResolveResourceString(scxRegExprMissing), {std::string(")")}));
        if (depth_ < 0) error_(0, 0, Format(ResolveResourceString(scxRegExprUnnecessary), {std::string(")")}));
    }

  private:
    bool More() const { return index_ < source_.size(); }
    char32_t Peek() const { return source_[index_]; }
    char32_t Read() {
        const char32_t c = source_[index_++];
        if (c == U'\r')
            ++line_;
        else if (c == U'\n')
            column_ = 0;
        else
            ++column_;
        return c;
    }
    void Add(int code, char32_t c) { lexems_.push_back(TcxLexem{code, std::u32string(1, c), line_, column_}); }
    void AddAt(int code, std::u32string text, int line, int column) {
        lexems_.push_back(TcxLexem{code, std::move(text), line, column});
    }
    void Missing(const std::string& what) {
        error_(line_, column_ + 1, Format(ResolveResourceString(scxRegExprMissing), {what}));
    }

    void Quoted() {
        while (More()) {
            const char32_t c = Read();
            if (c == U'\'') {
                if (More() && Peek() == U'\'') {
                    Read();
                    Add(0, U'\'');
                    continue;
                }
                return;
            }
            Add(0, c);
        }
        Missing(" ' ");
    }

    void Escape() {
        const int line = line_, column = column_;
        if (!More()) return; // a trailing backslash is dropped
        const char32_t c = Read();
        if (c >= U'1' && c <= U'9') return AddAt(10, std::u32string(1, c), line, column);
        if (IsBlank(c)) return error_(line_, column_, ResolveResourceString(scxRegExprNotAllowedSpace));
        switch (c) {
        case U'a':
            return AddAt(0, U"\a", line, column);
        case U'e':
            return AddAt(0, std::u32string(1, char32_t(27)), line, column);
        case U'f':
            return AddAt(0, U"\f", line, column);
        case U'n':
            return AddAt(0, U"\n", line, column);
        case U'r':
            return AddAt(0, U"\r", line, column);
        case U't':
            return AddAt(0, U"\t", line, column);
        case U'p':
            return AddAt(0, std::u32string(1, char32_t(static_cast<unsigned char>(FormatSettings().DecimalSeparator))), line, column);
        case U'w':
        case U'W':
        case U'd':
        case U'D':
        case U's':
        case U'S': {
            static const std::u32string classes = U"wWdDsS";
            return AddAt(4 + int(classes.find(c)), std::u32string(1, c), line, column);
        }
        case U'x': {
            char32_t value = 0;
            for (int i = 0; i < 2; ++i) {
                if (!More()) return error_(line_, column_ + 1, ResolveResourceString(scxRegExprHexNumberExpected0));
                const char32_t h = Read();
                int digit = -1;
                if (h >= U'0' && h <= U'9') digit = int(h - U'0');
                if (h >= U'A' && h <= U'F') digit = int(h - U'A') + 10;
                if (h >= U'a' && h <= U'f') digit = int(h - U'a') + 10;
                if (digit < 0)
                    return error_(line_, column_, Format(ResolveResourceString(scxRegExprHexNumberExpected), {Text(h)}));
                value = value * 16 + char32_t(digit);
            }
            return AddAt(0, std::u32string(1, value), line, column);
        }
        default:
            return AddAt(0, std::u32string(1, c), line, column);
        }
    }

    // ', /, : and \ inside brackets act as at top level.
    bool CommonInEnumeration(char32_t c) {
        switch (c) {
        case U'\'':
            Quoted();
            return true;
        case U'/':
            Add(11, c);
            return true;
        case U':':
            Add(12, c);
            return true;
        case U'\\':
            Escape();
            return true;
        default:
            return false;
        }
    }

    void Enumeration() {
        bool first = true;
        while (More()) {
            const char32_t c = Read();
            if (IsBlank(c)) continue;
            if (first) {
                first = false;
                if (c == U']') return Add(1, c);
                if (c == U'^') {
                    Add(1, c);
                    continue;
                }
                if (!CommonInEnumeration(c)) Add(0, c); // a leading "-" is a literal minus
                continue;
            }
            if (CommonInEnumeration(c)) continue;
            if (c == U']') return Add(1, c);
            if (c == U'-') {
                size_t ahead = index_;
                while (ahead < source_.size() && IsBlank(source_[ahead])) ++ahead;
                if (ahead == source_.size()) {
                    Add(1, c);
                    return Missing("]");
                }
                Add(source_[ahead] == U']' ? 0 : 1, c);
                continue;
            }
            Add(0, c);
        }
        Missing("]");
    }

    void Parameters() {
        while (More()) {
            const char32_t c = Read();
            if (IsBlank(c)) continue;
            if (c >= U'0' && c <= U'9') {
                const int line = line_, column = column_;
                std::u32string digits(1, c);
                while (More() && Peek() >= U'0' && Peek() <= U'9') digits += Read();
                AddAt(2, digits, line, column);
                continue;
            }
            if (c == U',') {
                Add(1, c);
                continue;
            }
            if (c == U'}') return Add(1, c);
            error_(line_, column_, Format(ResolveResourceString(scxRegExprIllegalSymbol), {c == U'\'' ? std::string(" ' ") : Text(c)}));
        }
        Missing("}");
    }

    const std::u32string& source_;
    std::vector<TcxLexem>& lexems_;
    const std::function<void(int, int, std::string)>& error_;
    size_t index_ = 0;
    int line_ = 1;
    int column_ = 0;
    int depth_ = 0;
};

// ---- Parser ----

using TItemPtr = std::unique_ptr<TcxRegExprParserItem>;

class TParser {
  public:
    TParser(const std::vector<TcxLexem>& lexems, const std::function<void(int, int, std::string)>& error)
        : lexems_(lexems), error_(error) {}

    TcxRegExprParserAlts Run() {
        TcxRegExprParserAlts alts;
        bool further = true;
        while (further) further = ParseAlt(alts.emplace_back(), true);
        return alts;
    }

  private:
    struct TGroup {
        TcxRegExprParserBlockItem* Item = nullptr;
        bool Closed = false;
    };

    bool IsOp(const TcxLexem& l, char32_t c) const { return l.Code == 1 && l.Text[0] == c; }
    void ErrorAt(const TcxLexem& l, const std::string& message) { error_(l.Line, l.Column, message); }
    void Illegal(const TcxLexem& l) {
        ErrorAt(l, Format(ResolveResourceString(scxRegExprIllegalSymbol), {Text(l.Text[0])}));
    }

    // Parses one alternative into alt; answers whether a further one follows ("|").
    bool ParseAlt(TcxRegExprParserAlt& alt, bool topLevel) {
        if (index_ >= lexems_.size()) {
            error_(0, 0, ResolveResourceString(scxRegExprEmptyAlt));
            return false;
        }
        const TcxLexem& first = lexems_[index_];
        if (IsOp(first, U'|')) {
            ++index_;
            ErrorAt(first, ResolveResourceString(scxRegExprEmptyAlt));
            return true;
        }
        if (!topLevel && IsOp(first, U')')) {
            ++index_;
            ErrorAt(first, ResolveResourceString(scxRegExprEmptyBlock));
            blockClosed_ = true;
            return false;
        }
        while (index_ < lexems_.size()) {
            const TcxLexem& l = lexems_[index_++];
            if (l.Code == 0) {
                alt.push_back(std::make_unique<TcxRegExprParserSimpleItem>(MakeSymbolTest(l.Text[0])));
            } else if (l.Code == 1) {
                switch (l.Text[0]) {
                case U'(':
                    alt.push_back(ParseBlock());
                    break;
                case U'[':
                    if (auto item = ParseEnumeration()) alt.push_back(std::move(item));
                    break;
                case U')':
                    if (!topLevel) {
                        blockClosed_ = true;
                        return false;
                    }
                    Illegal(l);
                    break;
                case U'*':
                case U'+':
                case U'?':
                    if (alt.empty())
                        ErrorAt(l, Format(ResolveResourceString(scxRegExprIllegalQuantifier), {Text(l.Text[0])}));
                    else
                        ApplyQuantifier(alt, l);
                    break;
                case U'{':
                    if (alt.empty())
                        ErrorAt(l, ResolveResourceString(scxRegExprIncorrectParameterQuantifier));
                    else
                        ApplyParameters(alt, l);
                    break;
                case U'|':
                    return true;
                case U'-':
                case U']':
                case U'}':
                    Illegal(l);
                    break;
                default:
                    break; // "," and "^" mean nothing here
                }
            } else if (l.Code == 2) {
                ErrorAt(l, ResolveResourceString(scxRegExprIllegalIntegerValue));
            } else if (l.Code == 10) {
                Reference(alt, l);
            } else {
                alt.push_back(std::make_unique<TcxRegExprParserSimpleItem>(MakeClassTest(l.Code)));
            }
        }
        return false;
    }

    TItemPtr ParseBlock() {
        auto block = std::make_unique<TcxRegExprParserBlockItem>();
        const size_t number = groups_.size();
        groups_.push_back(TGroup{block.get(), false});
        blockClosed_ = false;
        bool further = true;
        while (further && !blockClosed_) further = ParseAlt(block->Alts.emplace_back(), false);
        blockClosed_ = false;
        groups_[number].Closed = true;
        return block;
    }

    // A back reference copies a group already closed, as it was written; a group still open or one a
    // repeat replaced cannot be copied from what remains of it.
    void Reference(TcxRegExprParserAlt& alt, const TcxLexem& l) {
        const size_t n = size_t(l.Text[0] - U'0');
        if (n > groups_.size() || !groups_[n - 1].Closed) {
            ErrorAt(l, ResolveResourceString(scxRegExprTooBigReferenceNumber));
            return;
        }
        alt.push_back(groups_[n - 1].Item->Duplicate());
    }

    TItemPtr ParseEnumeration() {
        bool inverse = false;
        const TcxLexem* open = index_ > 0 ? &lexems_[index_ - 1] : nullptr;
        if (index_ < lexems_.size() && IsOp(lexems_[index_], U'^')) inverse = true, ++index_;
        if (index_ < lexems_.size() && IsOp(lexems_[index_], U']')) {
            ErrorAt(lexems_[index_++], ResolveResourceString(scxRegExprCantCreateEmptyEnum));
            return nullptr;
        }
        std::vector<std::unique_ptr<TcxRegExprItem>> members;
        bool refused = false; // a member already reported keeps the enumeration from counting as empty
        while (index_ < lexems_.size() && !IsOp(lexems_[index_], U']')) {
            const TcxLexem& l = lexems_[index_++];
            if (index_ + 1 < lexems_.size() && IsOp(lexems_[index_], U'-') && !IsOp(lexems_[index_ + 1], U']')) {
                const TcxLexem& last = lexems_[index_ + 1];
                index_ += 2;
                if (l.Text[0] < last.Text[0])
                    members.push_back(MakeSubrangeTest(l.Text[0], last.Text[0]));
                else
                    ErrorAt(last, ResolveResourceString(scxRegExprSubrangeOrder)), refused = true;
                while (index_ < lexems_.size() && IsOp(lexems_[index_], U'-')) Illegal(lexems_[index_++]);
                continue;
            }
            if (l.Code == 3 || (l.Code >= 4 && l.Code <= 9) || l.Code == 11 || l.Code == 12)
                members.push_back(MakeClassTest(l.Code));
            else if (l.Code == 1 && l.Text[0] == U'-')
                Illegal(l);
            else
                members.push_back(MakeSymbolTest(l.Text[0]));
        }
        if (index_ < lexems_.size()) ++index_; // the "]"
        if (members.empty()) {
            if (open && !refused) ErrorAt(*open, ResolveResourceString(scxRegExprCantCreateEmptyEnum));
            return nullptr;
        }
        return std::make_unique<TcxRegExprParserSimpleItem>(MakeEnumerationTest(inverse, std::move(members)));
    }

    void ApplyQuantifier(TcxRegExprParserAlt& alt, const TcxLexem& l) {
        TItemPtr& last = alt.back();
        const char32_t op = l.Text[0];
        if (op == U'+' && last->CanEmpty()) return ErrorAt(l, ResolveResourceString(scxRegExprCantUsePlusQuantifier));
        if (op == U'*' && last->CanEmpty()) return ErrorAt(l, ResolveResourceString(scxRegExprCantUseStarQuantifier));
        const TcxRegExprQuantifier q = op == U'*'   ? TcxRegExprQuantifier::Star
                                       : op == U'+' ? TcxRegExprQuantifier::Plus
                                                    : TcxRegExprQuantifier::Question;
        if (last->Quantifier == TcxRegExprQuantifier::Simple) {
            last->Quantifier = q;
            return;
        }
        // A second quantifier applies to the quantified item as a whole: a+? is (a+)?.
        auto wrapper = std::make_unique<TcxRegExprParserBlockItem>();
        wrapper->Quantifier = q;
        wrapper->Alts.emplace_back().push_back(std::move(last));
        last = std::move(wrapper);
    }

    // Reads n}, n,} or n,m} after "{"; false (with the error) for anything else.
    bool ParseParameters(int& low, int& high) {
        auto fail = [&] {
            if (index_ < lexems_.size())
                ErrorAt(lexems_[index_], ResolveResourceString(scxRegExprIncorrectParameterQuantifier));
            else
                error_(0, 0, ResolveResourceString(scxRegExprIncorrectParameterQuantifier));
            // The rest of the braces says nothing more.
            while (index_ < lexems_.size() && !IsOp(lexems_[index_++], U'}')) {
            }
            return false;
        };
        auto number = [&](int& out) {
            if (index_ >= lexems_.size() || lexems_[index_].Code != 2) return false;
            const TcxLexem& l = lexems_[index_];
            long long value = 0;
            for (char32_t d : l.Text) value = std::min<long long>(value * 10 + (d - U'0'), MaxRegExprRepeat + 1LL);
            if (value > MaxRegExprRepeat) {
                ErrorAt(l, Format(ResolveResourceString(scxRegExprRepeatTooLarge), {MaxRegExprRepeat}));
                value = MaxRegExprRepeat;
            }
            out = int(value);
            ++index_;
            return true;
        };
        if (!number(low)) return fail();
        if (index_ < lexems_.size() && IsOp(lexems_[index_], U'}')) {
            ++index_;
            high = low;
            return true;
        }
        if (index_ >= lexems_.size() || !IsOp(lexems_[index_], U',')) return fail();
        ++index_;
        if (index_ < lexems_.size() && IsOp(lexems_[index_], U'}')) {
            ++index_;
            high = -1;
            return true;
        }
        const size_t at = index_;
        if (!number(high)) return fail();
        if (high < low) {
            index_ = at;
            return fail();
        }
        if (index_ >= lexems_.size() || !IsOp(lexems_[index_], U'}')) return fail();
        ++index_;
        return true;
    }

    void ApplyParameters(TcxRegExprParserAlt& alt, const TcxLexem& brace) {
        int low = 0, high = 0;
        const size_t errorsBefore = errorCount_;
        if (!ParseParameters(low, high) || errorCount_ != errorsBefore) return;
        TItemPtr& last = alt.back();
        if (last->AllowsAbsence()) return ErrorAt(brace, ResolveResourceString(scxRegExprCantUseParameterQuantifier));
        const long long copies = high < 0 ? low + 1 : high;
        if (copies * last->Size() > MaxRegExprStates) return ErrorAt(brace, ResolveResourceString(scxRegExprTooLarge));
        // x{2,4} becomes x x (x x?)?; x{2,} becomes x x x*.
        auto group = std::make_unique<TcxRegExprParserBlockItem>();
        TcxRegExprParserAlt& body = group->Alts.emplace_back();
        for (int i = 0; i < low; ++i) body.push_back(last->Duplicate());
        if (high < 0) {
            body.push_back(last->Duplicate());
            body.back()->Quantifier = TcxRegExprQuantifier::Star;
        } else if (high > low) {
            TcxRegExprParserAlt* level = &body;
            for (int i = low; i < high - 1; ++i) {
                auto optional = std::make_unique<TcxRegExprParserBlockItem>();
                optional->Quantifier = TcxRegExprQuantifier::Question;
                TcxRegExprParserAlt& inner = optional->Alts.emplace_back();
                inner.push_back(last->Duplicate());
                TcxRegExprParserAlt* next = &inner;
                level->push_back(std::move(optional));
                level = next;
            }
            level->push_back(last->Duplicate());
            level->back()->Quantifier = TcxRegExprQuantifier::Question;
        }
        // The original stays alive: a later reference to it copies the group as written.
        retired_.push_back(std::move(last));
        last = std::move(group);
    }

  public:
    size_t errorCount_ = 0;

  private:
    const std::vector<TcxLexem>& lexems_;
    const std::function<void(int, int, std::string)>& error_;
    size_t index_ = 0;
    bool blockClosed_ = false;
    std::vector<TGroup> groups_;
    std::vector<TItemPtr> retired_;
};

} // namespace

void TcxRegExpr::Scan() {
    const std::function<void(int, int, std::string)> error = [this](int line, int column, std::string message) {
        AddError(line, column, std::move(message));
    };
    TScanner(RegExprChars(source_), lexems_, error).Run();
}

void TcxRegExpr::Build() {
    TParser* parser = nullptr;
    const std::function<void(int, int, std::string)> error = [this, &parser](int line, int column, std::string message) {
        AddError(line, column, std::move(message));
        if (parser) ++parser->errorCount_;
    };
    TParser p(lexems_, error);
    parser = &p;
    TcxRegExprParserAlts alts = p.Run();
    if (!errors_.empty()) return;
    automat_ = std::make_unique<TcxRegExprAutomat>();
    if (!automat_->Build(std::move(alts))) {
        automat_.reset();
        AddError(0, 0, ResolveResourceString(scxRegExprTooLarge));
    }
}

} // namespace zorvy
