#pragma once
// Inside TcxRegExpr: the character tests, the parse items the parser builds and the state graph the
// automaton runs on. Only the RegExpr*.cpp files use it.
#include "controls/editors/mask/RegExpr.h"

#include <memory>
#include <vector>

namespace zorvy {

// ---- Character tests ----

class TcxRegExprItem {
  public:
    virtual ~TcxRegExprItem() = default;
    // Whether c passes; a case-insensitive symbol gives back its own character in c.
    virtual bool Check(char32_t& c, bool caseInsensitive) const = 0;
    virtual std::unique_ptr<TcxRegExprItem> Duplicate() const = 0;
    // The one character a symbol or separator test stands for; 0 for other tests.
    virtual char32_t SingleChar() const { return 0; }
};

std::unique_ptr<TcxRegExprItem> MakeSymbolTest(char32_t c);
std::unique_ptr<TcxRegExprItem> MakeSubrangeTest(char32_t first, char32_t last);
// The test of a token code 3-9, 11 or 12.
std::unique_ptr<TcxRegExprItem> MakeClassTest(int code);
std::unique_ptr<TcxRegExprItem> MakeEnumerationTest(bool inverse, std::vector<std::unique_ptr<TcxRegExprItem>> members);

// ---- Parse items ----

enum class TcxRegExprQuantifier { Simple, Question, Star, Plus };

struct TcxRegExprParserItem;
using TcxRegExprParserAlt = std::vector<std::unique_ptr<TcxRegExprParserItem>>;
using TcxRegExprParserAlts = std::vector<TcxRegExprParserAlt>;

struct TcxRegExprParserItem {
    virtual ~TcxRegExprParserItem() = default;
    virtual std::unique_ptr<TcxRegExprParserItem> Duplicate() const = 0;
    // Whether the item can match nothing (its quantifier, or a group's content).
    virtual bool CanEmpty() const = 0;
    // The states it becomes.
    virtual int Size() const = 0;
    bool AllowsAbsence() const {
        return Quantifier == TcxRegExprQuantifier::Question || Quantifier == TcxRegExprQuantifier::Star;
    }
    bool AllowsRepeat() const {
        return Quantifier == TcxRegExprQuantifier::Star || Quantifier == TcxRegExprQuantifier::Plus;
    }
    TcxRegExprQuantifier Quantifier = TcxRegExprQuantifier::Simple;
    int Entry = -1; // state indexes, set when the graph is built
    int Exit = -1;
};

struct TcxRegExprParserSimpleItem : TcxRegExprParserItem {
    explicit TcxRegExprParserSimpleItem(std::unique_ptr<TcxRegExprItem> test) : Test(std::move(test)) {}
    std::unique_ptr<TcxRegExprParserItem> Duplicate() const override;
    bool CanEmpty() const override { return AllowsAbsence(); }
    int Size() const override { return 1; }
    std::unique_ptr<TcxRegExprItem> Test;
};

struct TcxRegExprParserBlockItem : TcxRegExprParserItem {
    std::unique_ptr<TcxRegExprParserItem> Duplicate() const override;
    bool CanEmpty() const override;
    int Size() const override;
    TcxRegExprParserAlts Alts;
};

// ---- The automaton ----

class TcxRegExprAutomat {
  public:
    // Builds the graph of the top-level alternatives; false when it would pass MaxRegExprStates.
    bool Build(TcxRegExprParserAlts alts);
    bool Next(char32_t& c, bool caseInsensitive);
    bool Prev();
    void Reset();
    bool IsFinal() const;
    bool IsStart() const { return !current_.empty() && current_.front() == 0; }
    // Consumes forced characters while the position is not final, reporting each.
    void AutoComplete(const std::function<void(char32_t)>& onUpdate);
    // Steps back over trailing forced characters, reporting each.
    void RollBackForced(const std::function<void()>& onDelete);

  private:
    struct TState {
        bool Block = false; // the entry or exit of a group: passes straight on to its successors
        bool Final = false;
        const TcxRegExprItem* Test = nullptr;
        std::vector<int> Next;
    };
    using TStates = std::vector<int>; // sorted, without duplicates

    int AddState(bool block, const TcxRegExprItem* test);
    void Link(int from, int to) { states_[size_t(from)].Next.push_back(to); }
    void AssignStates(TcxRegExprParserAlt& alt);
    void Connect(TcxRegExprParserAlt& alt);
    void SetFinal(TcxRegExprParserAlt& alt);
    static std::vector<int> FirstEntries(const TcxRegExprParserAlt& alt);
    // The consuming states after the set; with c, only those whose test passes it (c takes the first
    // passing test's rewriting).
    TStates Successors(const TStates& set, char32_t* c, bool caseInsensitive) const;
    // The one character every state of a non-empty set stands for, or 0.
    char32_t SingleSymbol(const TStates& set) const;

    TcxRegExprParserAlts tree_;
    std::vector<TState> states_;
    TStates current_{0};
    std::vector<TStates> history_;
};

} // namespace zorvy
