// The character tests and the state graph of TcxRegExpr: building it from the parse items, and stepping
// forward and back on sets of states.
#include "controls/editors/mask/RegExprInternal.h"
#include "platform/rtl/FormatSettings.h"

#include <algorithm>
#include <unordered_map>

namespace zorvy {

namespace {

char32_t UpperChar(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 32;
    // Latin-1 and Latin Extended-A letters fold by their common offsets.
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
    if (c >= 0x100 && c <= 0x17F && (c & 1)) return c - 1;
    return c;
}

class TSymbol : public TcxRegExprItem {
  public:
    explicit TSymbol(char32_t c) : c_(c) {}
    bool Check(char32_t& c, bool caseInsensitive) const override {
        if (c == c_) return true;
        if (!caseInsensitive || UpperChar(c) != UpperChar(c_)) return false;
        c = c_;
        return true;
    }
    std::unique_ptr<TcxRegExprItem> Duplicate() const override { return std::make_unique<TSymbol>(c_); }
    char32_t SingleChar() const override { return c_; }

  private:
    char32_t c_;
};

// The locale separators, read at the moment of each test.
class TSeparator : public TcxRegExprItem {
  public:
    explicit TSeparator(bool time) : time_(time) {}
    bool Check(char32_t& c, bool) const override { return c == SingleChar(); }
    std::unique_ptr<TcxRegExprItem> Duplicate() const override { return std::make_unique<TSeparator>(time_); }
    char32_t SingleChar() const override {
        return char32_t(static_cast<unsigned char>(time_ ? FormatSettings().TimeSeparator : FormatSettings().DateSeparator));
    }

  private:
    bool time_;
};

class TSubrange : public TcxRegExprItem {
  public:
    TSubrange(char32_t first, char32_t last) : first_(first), last_(last) {}
    bool Check(char32_t& c, bool) const override { return c >= first_ && c <= last_; }
    std::unique_ptr<TcxRegExprItem> Duplicate() const override { return std::make_unique<TSubrange>(first_, last_); }

  private:
    char32_t first_, last_;
};

// \d \w \s and . with their inverses.
class TCharClass : public TcxRegExprItem {
  public:
    enum Kind { Digit, IdLetter, Space, All };
    TCharClass(Kind kind, bool inverse) : kind_(kind), inverse_(inverse) {}
    bool Check(char32_t& c, bool) const override {
        bool in = true;
        switch (kind_) {
        case Digit:
            in = c >= U'0' && c <= U'9';
            break;
        case IdLetter:
            in = (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') || c == U'_';
            break;
        case Space:
            in = c == U' ' || c == 0 || c == U'\t' || c == U'\n' || c == U'\f' || c == U'\r';
            break;
        case All:
            return true;
        }
        return in != inverse_;
    }
    std::unique_ptr<TcxRegExprItem> Duplicate() const override { return std::make_unique<TCharClass>(kind_, inverse_); }

  private:
    Kind kind_;
    bool inverse_;
};

class TUserEnumeration : public TcxRegExprItem {
  public:
    TUserEnumeration(bool inverse, std::vector<std::unique_ptr<TcxRegExprItem>> members)
        : inverse_(inverse), members_(std::move(members)) {}
    bool Check(char32_t& c, bool caseInsensitive) const override {
        for (const auto& member : members_) {
            char32_t tried = c;
            if (member->Check(tried, caseInsensitive)) {
                if (!inverse_) c = tried;
                return !inverse_;
            }
        }
        return inverse_;
    }
    std::unique_ptr<TcxRegExprItem> Duplicate() const override {
        std::vector<std::unique_ptr<TcxRegExprItem>> copies;
        for (const auto& member : members_) copies.push_back(member->Duplicate());
        return std::make_unique<TUserEnumeration>(inverse_, std::move(copies));
    }

  private:
    bool inverse_;
    std::vector<std::unique_ptr<TcxRegExprItem>> members_;
};

size_t HashStates(const std::vector<int>& set) {
    size_t hash = set.size();
    for (int s : set) hash ^= size_t(s) + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
    return hash;
}

} // namespace

std::unique_ptr<TcxRegExprItem> MakeSymbolTest(char32_t c) {
    return std::make_unique<TSymbol>(c);
}

std::unique_ptr<TcxRegExprItem> MakeSubrangeTest(char32_t first, char32_t last) {
    return std::make_unique<TSubrange>(first, last);
}

std::unique_ptr<TcxRegExprItem> MakeClassTest(int code) {
    switch (code) {
    case 3:
        return std::make_unique<TCharClass>(TCharClass::All, false);
    case 4:
    case 5:
        return std::make_unique<TCharClass>(TCharClass::IdLetter, code == 5);
    case 6:
    case 7:
        return std::make_unique<TCharClass>(TCharClass::Digit, code == 7);
    case 8:
    case 9:
        return std::make_unique<TCharClass>(TCharClass::Space, code == 9);
    case 11:
        return std::make_unique<TSeparator>(false);
    default:
        return std::make_unique<TSeparator>(true);
    }
}

std::unique_ptr<TcxRegExprItem> MakeEnumerationTest(bool inverse, std::vector<std::unique_ptr<TcxRegExprItem>> members) {
    return std::make_unique<TUserEnumeration>(inverse, std::move(members));
}

// ---- Parse items ----

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParserSimpleItem::Duplicate() const {
    auto copy = std::make_unique<TcxRegExprParserSimpleItem>(Test->Duplicate());
    copy->Quantifier = Quantifier;
    return copy;
}

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParserBlockItem::Duplicate() const {
    auto copy = std::make_unique<TcxRegExprParserBlockItem>();
    copy->Quantifier = Quantifier;
    for (const TcxRegExprParserAlt& alt : Alts) {
        TcxRegExprParserAlt& into = copy->Alts.emplace_back();
        for (const auto& item : alt) into.push_back(item->Duplicate());
    }
    return copy;
}

bool TcxRegExprParserBlockItem::CanEmpty() const {
    if (AllowsAbsence()) return true;
    return std::any_of(Alts.begin(), Alts.end(), [](const TcxRegExprParserAlt& alt) {
        return std::all_of(alt.begin(), alt.end(), [](const auto& item) { return item->CanEmpty(); });
    });
}

int TcxRegExprParserBlockItem::Size() const {
    long long size = 2;
    for (const TcxRegExprParserAlt& alt : Alts)
        for (const auto& item : alt) size += item->Size();
    return int(std::min<long long>(size, MaxRegExprStates + 1));
}

// ---- Building the graph ----

int TcxRegExprAutomat::AddState(bool block, const TcxRegExprItem* test) {
    states_.push_back(TState{block, false, test, {}});
    return int(states_.size()) - 1;
}

void TcxRegExprAutomat::AssignStates(TcxRegExprParserAlt& alt) {
    for (auto& item : alt) {
        if (auto* simple = dynamic_cast<TcxRegExprParserSimpleItem*>(item.get())) {
            simple->Entry = simple->Exit = AddState(false, simple->Test.get());
        } else {
            auto* block = static_cast<TcxRegExprParserBlockItem*>(item.get());
            block->Entry = AddState(true, nullptr);
            block->Exit = AddState(true, nullptr);
            for (TcxRegExprParserAlt& nested : block->Alts) AssignStates(nested);
        }
    }
}

std::vector<int> TcxRegExprAutomat::FirstEntries(const TcxRegExprParserAlt& alt) {
    std::vector<int> entries;
    for (const auto& item : alt) {
        entries.push_back(item->Entry);
        if (!item->AllowsAbsence()) break;
    }
    return entries;
}

void TcxRegExprAutomat::Connect(TcxRegExprParserAlt& alt) {
    for (size_t i = 0; i < alt.size(); ++i) {
        TcxRegExprParserItem& item = *alt[i];
        for (size_t j = i + 1; j < alt.size(); ++j) {
            Link(item.Exit, alt[j]->Entry);
            if (!alt[j]->AllowsAbsence()) break;
        }
        if (item.AllowsRepeat()) Link(item.Exit, item.Entry);
        auto* block = dynamic_cast<TcxRegExprParserBlockItem*>(&item);
        if (!block) continue;
        for (TcxRegExprParserAlt& nested : block->Alts) {
            for (int entry : FirstEntries(nested)) Link(block->Entry, entry);
            if (std::all_of(nested.begin(), nested.end(), [](const auto& n) { return n->AllowsAbsence(); }))
                Link(block->Entry, block->Exit);
            Connect(nested);
            for (auto it = nested.rbegin(); it != nested.rend(); ++it) {
                Link((*it)->Exit, block->Exit);
                if (!(*it)->AllowsAbsence()) break;
            }
        }
    }
}

void TcxRegExprAutomat::SetFinal(TcxRegExprParserAlt& alt) {
    for (auto it = alt.rbegin(); it != alt.rend(); ++it) {
        if (auto* block = dynamic_cast<TcxRegExprParserBlockItem*>(it->get()))
            for (TcxRegExprParserAlt& nested : block->Alts) SetFinal(nested);
        else
            states_[size_t((*it)->Entry)].Final = true;
        if (!(*it)->AllowsAbsence()) break;
    }
}

bool TcxRegExprAutomat::Build(TcxRegExprParserAlts alts) {
    tree_ = std::move(alts);
    long long size = 1;
    for (const TcxRegExprParserAlt& alt : tree_)
        for (const auto& item : alt) size += item->Size();
    if (size > MaxRegExprStates) return false;
    states_.clear();
    AddState(false, nullptr); // the start
    for (TcxRegExprParserAlt& alt : tree_) AssignStates(alt);
    for (TcxRegExprParserAlt& alt : tree_) {
        Connect(alt);
        SetFinal(alt);
        for (int entry : FirstEntries(alt)) Link(0, entry);
        if (std::all_of(alt.begin(), alt.end(), [](const auto& item) { return item->AllowsAbsence(); }))
            states_[0].Final = true;
    }
    Reset();
    return true;
}

// ---- Stepping ----

TcxRegExprAutomat::TStates TcxRegExprAutomat::Successors(const TStates& set, char32_t* c, bool caseInsensitive) const {
    // Group entries and exits pass straight on; each state is visited once, so neither repeated
    // alternatives nor loops through empty groups make a step costlier than the graph.
    std::vector<bool> seen(states_.size(), false);
    std::vector<int> pending;
    TStates result;
    bool rewritten = false;
    const char32_t original = c ? *c : 0;
    for (int s : set)
        for (int next : states_[size_t(s)].Next) pending.push_back(next);
    while (!pending.empty()) {
        const int s = pending.back();
        pending.pop_back();
        if (seen[size_t(s)]) continue;
        seen[size_t(s)] = true;
        const TState& state = states_[size_t(s)];
        if (state.Block) {
            for (int next : state.Next) pending.push_back(next);
            continue;
        }
        if (c) {
            char32_t tried = original; // every test sees the character as typed
            if (!state.Test || !state.Test->Check(tried, caseInsensitive)) continue;
            if (!rewritten) *c = tried, rewritten = true;
        }
        result.push_back(s);
    }
    std::sort(result.begin(), result.end());
    return result;
}

char32_t TcxRegExprAutomat::SingleSymbol(const TStates& set) const {
    if (set.empty()) return 0;
    char32_t symbol = 0;
    for (int s : set) {
        const TcxRegExprItem* test = states_[size_t(s)].Test;
        const char32_t c = test ? test->SingleChar() : 0;
        if (c == 0 || (symbol != 0 && c != symbol)) return 0;
        symbol = c;
    }
    return symbol;
}

bool TcxRegExprAutomat::Next(char32_t& c, bool caseInsensitive) {
    char32_t tried = c;
    TStates next = Successors(current_, &tried, caseInsensitive);
    if (next.empty()) return false;
    history_.push_back(std::move(current_));
    current_ = std::move(next);
    c = tried;
    return true;
}

bool TcxRegExprAutomat::Prev() {
    if (history_.empty()) return false;
    current_ = std::move(history_.back());
    history_.pop_back();
    return true;
}

void TcxRegExprAutomat::Reset() {
    history_.clear();
    current_ = {0};
}

bool TcxRegExprAutomat::IsFinal() const {
    return std::any_of(current_.begin(), current_.end(), [this](int s) { return states_[size_t(s)].Final; });
}

void TcxRegExprAutomat::AutoComplete(const std::function<void(char32_t)>& onUpdate) {
    // A loop of forced characters that never reaches a match (as in "0*1{0}", where nothing is final)
    // would force characters for ever: completion stops where a position repeats. The positions of
    // this walk are the history from `start` on plus the current one; they are found by hash and
    // confirmed by value, so a long walk costs no more than its steps.
    const size_t start = history_.size();
    auto position = [&](size_t i) -> const TStates& { return i < history_.size() ? history_[i] : current_; };
    std::unordered_multimap<size_t, size_t> seen{{HashStates(current_), start}};
    while (!IsFinal()) {
        TStates next = Successors(current_, nullptr, false);
        const char32_t symbol = SingleSymbol(next);
        if (symbol == 0) return;
        const size_t hash = HashStates(next);
        const auto [first, last] = seen.equal_range(hash);
        if (std::any_of(first, last, [&](const auto& entry) { return position(entry.second) == next; })) return;
        if (onUpdate) onUpdate(symbol);
        history_.push_back(std::move(current_));
        current_ = std::move(next);
        seen.emplace(hash, history_.size());
    }
}

void TcxRegExprAutomat::RollBackForced(const std::function<void()>& onDelete) {
    while (SingleSymbol(current_) != 0 && !history_.empty()) {
        TStates previous = std::move(history_.back());
        history_.pop_back();
        const bool forced = SingleSymbol(Successors(previous, nullptr, false)) != 0 &&
                            std::none_of(previous.begin(), previous.end(), [this](int s) { return states_[size_t(s)].Final; });
        if (!forced) {
            history_.push_back(std::move(previous));
            return;
        }
        if (onDelete) onDelete();
        current_ = std::move(previous);
    }
}

} // namespace zorvy
