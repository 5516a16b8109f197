#include "platform/db/Filter.h"

#include "platform/db/FieldFamily.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

namespace zorvy {

struct FilterExpression::Node {
    enum Kind { And, Or, Not, Compare, IsNull, IsNotNull, Like, NotLike, Field, Text, Number, Null } kind;
    std::string op;    // comparison operator
    std::string text;  // literal text, or field name
    double number = 0; // literal number
    FieldRef field;
    std::unique_ptr<Node> left, right;
};

namespace {

using Node = FilterExpression::Node;

struct Token {
    enum Kind { Name, Text, Number, Op, LParen, RParen, End } kind;
    std::string text;
    size_t position;
};

[[noreturn]] void Fail(const std::string& what, size_t position, const std::string& source) {
    throw EDatabaseError("Filter expression \"" + source + "\": " + what + " at position " +
                         std::to_string(position + 1));
}

std::vector<Token> Tokenize(const std::string& s) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = s[i];
        if (std::isspace(c)) {
            ++i;
        } else if (c == '(') {
            tokens.push_back({Token::LParen, "(", i++});
        } else if (c == ')') {
            tokens.push_back({Token::RParen, ")", i++});
        } else if (c == '\'' || c == '"') {
            size_t start = i++;
            std::string text;
            for (;;) {
                if (i >= s.size()) Fail("unterminated text", start, s);
                if (s[i] == static_cast<char>(c)) {
                    if (i + 1 < s.size() && s[i + 1] == static_cast<char>(c)) {
                        text += static_cast<char>(c);
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += s[i++];
            }
            tokens.push_back({Token::Text, text, start});
        } else if (c == '[') {
            size_t start = i;
            size_t close = s.find(']', i);
            if (close == std::string::npos) Fail("unterminated field name", start, s);
            tokens.push_back({Token::Name, s.substr(i + 1, close - i - 1), start});
            i = close + 1;
        } else if (std::isdigit(c) || ((c == '-' || c == '.') && i + 1 < s.size() &&
                                       std::isdigit(static_cast<unsigned char>(s[i + 1])))) {
            size_t start = i++;
            while (i < s.size() && (std::isdigit(static_cast<unsigned char>(s[i])) || s[i] == '.' ||
                                    s[i] == 'e' || s[i] == 'E'))
                ++i;
            tokens.push_back({Token::Number, s.substr(start, i - start), start});
        } else if (c == '<' || c == '>' || c == '=' || c == '!') {
            size_t start = i++;
            std::string op(1, static_cast<char>(c));
            if (i < s.size() && (s[i] == '=' || (c == '<' && s[i] == '>'))) op += s[i++];
            if (op == "!") Fail("unexpected \"!\"", start, s);
            tokens.push_back({Token::Op, op == "!=" ? "<>" : op, start});
        } else if (std::isalpha(c) || c == '_' || c >= 0x80) {
            size_t start = i;
            while (i < s.size() && (std::isalnum(static_cast<unsigned char>(s[i])) || s[i] == '_' ||
                                    static_cast<unsigned char>(s[i]) >= 0x80))
                ++i;
            tokens.push_back({Token::Name, s.substr(start, i - start), start});
        } else {
            Fail(std::string("unexpected character \"") + static_cast<char>(c) + "\"", i, s);
        }
    }
    // Far beyond any real filter; keeps the evaluation's recursion shallow.
    constexpr size_t MaxTokens = 4000;
    if (tokens.size() > MaxTokens) Fail("expression too long", tokens[MaxTokens].position, s);
    tokens.push_back({Token::End, "", s.size()});
    return tokens;
}

class Parser {
  public:
    Parser(const std::string& source, const FilterExpression::Resolver& resolver)
        : source_(source), tokens_(Tokenize(source)), resolver_(resolver) {}

    std::unique_ptr<Node> Parse() {
        auto node = ParseOr();
        if (Peek().kind != Token::End) Fail("unexpected \"" + Peek().text + "\"", Peek().position, source_);
        return node;
    }

  private:
    const Token& Peek() const { return tokens_[pos_]; }
    bool IsWord(const char* word) const { return Peek().kind == Token::Name && SameText(Peek().text, word); }

    std::unique_ptr<Node> Binary(Node::Kind kind, std::unique_ptr<Node> left, std::unique_ptr<Node> right) {
        auto node = std::make_unique<Node>();
        node->kind = kind;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }

    std::unique_ptr<Node> ParseOr() {
        auto left = ParseAnd();
        while (IsWord("or")) {
            ++pos_;
            left = Binary(Node::Or, std::move(left), ParseAnd());
        }
        return left;
    }

    std::unique_ptr<Node> ParseAnd() {
        auto left = ParseNot();
        while (IsWord("and")) {
            ++pos_;
            left = Binary(Node::And, std::move(left), ParseNot());
        }
        return left;
    }

    // Deeper nesting than any real filter: refused before it could exhaust the stack.
    static constexpr int MaxDepth = 200;

    void Enter() {
        if (++depth_ > MaxDepth) Fail("expression nested too deeply", Peek().position, source_);
    }

    std::unique_ptr<Node> ParseNot() {
        if (IsWord("not")) {
            ++pos_;
            Enter();
            auto node = Binary(Node::Not, ParseNot(), nullptr);
            --depth_;
            return node;
        }
        return ParsePrimary();
    }

    std::unique_ptr<Node> ParsePrimary() {
        if (Peek().kind == Token::LParen) {
            ++pos_;
            Enter();
            auto node = ParseOr();
            --depth_;
            if (Peek().kind != Token::RParen) Fail("\")\" expected", Peek().position, source_);
            ++pos_;
            return node;
        }
        auto left = ParseOperand();
        if (IsWord("is")) {
            ++pos_;
            bool negated = false;
            if (IsWord("not")) {
                negated = true;
                ++pos_;
            }
            if (!IsWord("null")) Fail("\"null\" expected", Peek().position, source_);
            ++pos_;
            return Binary(negated ? Node::IsNotNull : Node::IsNull, std::move(left), nullptr);
        }
        bool negatedLike = false;
        if (IsWord("not")) {
            negatedLike = true;
            ++pos_;
            if (!IsWord("like")) Fail("\"like\" expected", Peek().position, source_);
        }
        if (IsWord("like")) {
            ++pos_;
            return Binary(negatedLike ? Node::NotLike : Node::Like, std::move(left), ParseOperand());
        }
        if (Peek().kind != Token::Op) Fail("comparison expected", Peek().position, source_);
        std::string op = tokens_[pos_++].text;
        auto node = Binary(Node::Compare, std::move(left), ParseOperand());
        node->op = op;
        return node;
    }

    std::unique_ptr<Node> ParseOperand() {
        const Token& token = Peek();
        auto node = std::make_unique<Node>();
        switch (token.kind) {
        case Token::Text:
            node->kind = Node::Text;
            node->text = token.text;
            break;
        case Token::Number:
            node->kind = Node::Number;
            node->text = token.text;
            if (!TryStrToFloat(token.text, node->number))
                Fail("invalid number \"" + token.text + "\"", token.position, source_);
            break;
        case Token::Name:
            if (SameText(token.text, "null")) {
                node->kind = Node::Null;
                break;
            }
            for (const char* word : {"and", "or", "not", "like", "is"})
                if (SameText(token.text, word)) Fail("value or field name expected", token.position, source_);
            node->kind = Node::Field;
            node->text = token.text;
            node->field = resolver_(token.text);
            break;
        default:
            Fail("value or field name expected", token.position, source_);
        }
        ++pos_;
        return node;
    }

    const std::string& source_;
    std::vector<Token> tokens_;
    const FilterExpression::Resolver& resolver_;
    size_t pos_ = 0;
    int depth_ = 0;
};

bool IsNumericType(TFieldType t) {
    const TFieldFamily family = FieldFamilyOf(t);
    return family == TFieldFamily::Integer || family == TFieldFamily::Float ||
           family == TFieldFamily::Boolean;
}

// An operand's value at evaluation: null, a number, or a text.
struct Operand {
    enum Kind { Null, Number, Text } kind = Null;
    double number = 0;
    std::string text;
};

std::string CellText(const CellValue& cell) {
    if (auto* s = std::get_if<std::string>(&cell)) return *s;
    if (auto* i = std::get_if<int64_t>(&cell)) return IntToStr(*i);
    if (auto* d = std::get_if<double>(&cell)) return FloatToStr(*d);
    if (auto* b = std::get_if<bool>(&cell)) return *b ? "True" : "False";
    return {};
}

Operand Evaluate(const Node& node, const FilterExpression::CellReader& cells) {
    Operand v;
    switch (node.kind) {
    case Node::Text:
        v.kind = Operand::Text;
        v.text = node.text;
        break;
    case Node::Number:
        v.kind = Operand::Number;
        v.number = node.number;
        v.text = node.text;
        break;
    case Node::Field: {
        const CellValue& cell = cells(node.field.index);
        if (IsNullCell(cell)) break;
        if (auto* i = std::get_if<int64_t>(&cell)) {
            v.kind = Operand::Number;
            v.number = static_cast<double>(*i);
        } else if (auto* d = std::get_if<double>(&cell)) {
            v.kind = Operand::Number;
            v.number = *d;
        } else if (auto* b = std::get_if<bool>(&cell)) {
            v.kind = Operand::Number;
            v.number = *b ? 1 : 0;
        } else {
            v.kind = Operand::Text;
        }
        v.text = CellText(cell);
        break;
    }
    default:
        break;
    }
    return v;
}

size_t CharLength(const std::string& text, size_t i) {
    unsigned char lead = text[i];
    size_t length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : 4;
    return std::min(length, text.size() - i);
}

// Matching with backtracking to the last wildcard only: time grows with text times pattern at worst,
// whatever the pattern.
bool LikeMatch(const std::string& text, const std::string& pattern, bool caseInsensitive) {
    auto same = [caseInsensitive](char a, char b) {
        return caseInsensitive ? std::tolower(static_cast<unsigned char>(a)) ==
                                     std::tolower(static_cast<unsigned char>(b))
                               : a == b;
    };
    auto isAny = [&](size_t p) { return pattern[p] == '%' || pattern[p] == '*'; };
    size_t t = 0, p = 0, starP = std::string::npos, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && isAny(p)) {
            starP = p++;
            starT = t;
        } else if (p < pattern.size() && pattern[p] == '_') {
            t += CharLength(text, t); // one character, however many bytes it takes
            ++p;
        } else if (p < pattern.size() && same(text[t], pattern[p])) {
            ++t;
            ++p;
        } else if (starP != std::string::npos) {
            starT += CharLength(text, starT);
            t = starT;
            p = starP + 1;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && isAny(p))
        ++p;
    return p == pattern.size();
}

bool Compare(const std::string& op, int order) {
    if (op == "=") return order == 0;
    if (op == "<>") return order != 0;
    if (op == "<") return order < 0;
    if (op == ">") return order > 0;
    if (op == "<=") return order <= 0;
    return order >= 0;
}

bool Test(const Node& node, const FilterExpression::CellReader& cells, TFilterOptions options) {
    bool caseInsensitive = options & foCaseInsensitive;
    switch (node.kind) {
    case Node::And:
        return Test(*node.left, cells, options) && Test(*node.right, cells, options);
    case Node::Or:
        return Test(*node.left, cells, options) || Test(*node.right, cells, options);
    case Node::Not:
        return !Test(*node.left, cells, options);
    case Node::IsNull:
        return Evaluate(*node.left, cells).kind == Operand::Null;
    case Node::IsNotNull:
        return Evaluate(*node.left, cells).kind != Operand::Null;
    case Node::Like:
    case Node::NotLike: {
        Operand a = Evaluate(*node.left, cells), b = Evaluate(*node.right, cells);
        if (a.kind == Operand::Null || b.kind == Operand::Null) return false;
        bool match = LikeMatch(a.text, b.text, caseInsensitive);
        return node.kind == Node::Like ? match : !match;
    }
    case Node::Compare: {
        Operand a = Evaluate(*node.left, cells), b = Evaluate(*node.right, cells);
        if (a.kind == Operand::Null || b.kind == Operand::Null) return false;
        bool numeric = a.kind == Operand::Number && b.kind == Operand::Number;
        // A number against a numeric field's text literal ("LotteryID='3508'") compares as numbers.
        if (!numeric && (a.kind == Operand::Number || b.kind == Operand::Number)) {
            const Node& fieldSide = a.kind == Operand::Number ? *node.left : *node.right;
            Operand& textSide = a.kind == Operand::Number ? b : a;
            double parsed = 0;
            if (fieldSide.kind == Node::Field && IsNumericType(fieldSide.field.type) &&
                TryStrToFloat(Trim(textSide.text), parsed)) {
                textSide.kind = Operand::Number;
                textSide.number = parsed;
                numeric = true;
            }
        }
        if (numeric) return Compare(node.op, a.number < b.number ? -1 : a.number > b.number ? 1 : 0);
        // A text literal ending in "*" matches by prefix unless partial compare is switched off.
        if (node.op == "=" || node.op == "<>") {
            const Node& literal = *node.right;
            if (literal.kind == Node::Text && !(options & foNoPartialCompare) && !b.text.empty() &&
                b.text.back() == '*') {
                std::string prefix = b.text.substr(0, b.text.size() - 1);
                bool match = a.text.size() >= prefix.size() &&
                             (caseInsensitive ? SameText(a.text.substr(0, prefix.size()), prefix)
                                              : a.text.compare(0, prefix.size(), prefix) == 0);
                return node.op == "=" ? match : !match;
            }
        }
        int order = caseInsensitive ? AnsiCompareText(a.text, b.text) : a.text.compare(b.text);
        return Compare(node.op, order);
    }
    default: {
        // A bare operand: true when it is a non-zero number or a non-empty text.
        Operand v = Evaluate(node, cells);
        return v.kind == Operand::Number ? v.number != 0 : v.kind == Operand::Text && !v.text.empty();
    }
    }
}

} // namespace

FilterExpression::FilterExpression(const std::string& text, const Resolver& resolver, TFilterOptions options)
    : options_(options) {
    Parser parser(text, resolver);
    root_ = parser.Parse();
}

FilterExpression::~FilterExpression() = default;

bool FilterExpression::Evaluate(const CellReader& cells) const {
    return Test(*root_, cells, options_);
}

} // namespace zorvy
