#pragma once
// The classic edit mask: a mask text compiled into one item per position of the edited text (an input
// position that accepts letters, digits or any character, or a literal shown in place), with the rules
// that fit a text into the positions, take its value back out and validate it. A position holds one
// whole character: a multi-byte UTF-8 character is never split. No control is involved.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zorvy {

// One position of a compiled mask. Check judges one character and may convert it in place.
class TcxStandardMaskCustomItem {
  public:
    virtual ~TcxStandardMaskCustomItem() = default;
    virtual bool Check(std::string& character) const = 0;
};

// A position that always shows the same character.
class TcxStandardMaskLiteralItem : public TcxStandardMaskCustomItem {
  public:
    explicit TcxStandardMaskLiteralItem(std::string literal) : Literal(std::move(literal)) {}
    bool Check(std::string& character) const override { return character == Literal; }
    std::string Literal;
};

// The case rule an input position applies to what it is given.
enum TcxStandardMaskCaseRule { mcrUpper = 0, mcrLower = 1, mcrUnchanged = 2 };

// An input position: judges the character as given and, whatever the verdict, applies its case rule
// (ASCII letters only).
class TcxStandardMaskManyItem : public TcxStandardMaskCustomItem {
  public:
    TcxStandardMaskManyItem(TcxStandardMaskCaseRule caseRule, bool optional)
        : CaseRule(caseRule), Optional(optional) {}
    bool Check(std::string& character) const final;
    void ApplyCase(std::string& character) const;

    TcxStandardMaskCaseRule CaseRule;
    bool Optional;

  protected:
    virtual bool Accepts(std::string_view character) const = 0;
};

class TcxStandardMaskAlphaItem : public TcxStandardMaskManyItem { // A-Z, a-z
    using TcxStandardMaskManyItem::TcxStandardMaskManyItem;
    bool Accepts(std::string_view character) const override;
};
class TcxStandardMaskAlphaNumericItem : public TcxStandardMaskManyItem { // 0-9, A-Z, a-z
    using TcxStandardMaskManyItem::TcxStandardMaskManyItem;
    bool Accepts(std::string_view character) const override;
};
// Any character that one line of text can show: control characters (a line feed, say) are refused,
// so their position keeps its blank instead of showing nothing.
class TcxStandardMaskASCIIItem : public TcxStandardMaskManyItem {
    using TcxStandardMaskManyItem::TcxStandardMaskManyItem;
    bool Accepts(std::string_view character) const override;
};
class TcxStandardMaskNumericItem : public TcxStandardMaskManyItem { // 0-9
    using TcxStandardMaskManyItem::TcxStandardMaskManyItem;
    bool Accepts(std::string_view character) const override;
};
class TcxStandardMaskNumericSymbolItem : public TcxStandardMaskManyItem { // "+", "-", 0-9
    using TcxStandardMaskManyItem::TcxStandardMaskManyItem;
    bool Accepts(std::string_view character) const override;
};

class TcxStandardMask {
  public:
    TcxStandardMask();
    ~TcxStandardMask();
    TcxStandardMask(const TcxStandardMask&) = delete;
    TcxStandardMask& operator=(const TcxStandardMask&) = delete;

    // Compiles a mask text: "!" first fits texts from the right; a closing ";0;_" / ";1" says whether
    // literals belong to the value and which character marks an empty position. Never fails: what is
    // not a mask character is a literal.
    void Prepare(const std::string& mask);
    void Clear();

    // Settings
    const std::string& GetBlank() const { return blank_; } // one character
    bool GetLeading() const { return leading_; }
    bool GetSaveLiteralCharacters() const { return saveLiteralCharacters_; }
    const std::string& GetMaskText() const { return maskText_; }

    // Positions
    int GetCount() const { return static_cast<int>(items_.size()); }
    TcxStandardMaskCustomItem* GetItem(int index) const { return items_[index].get(); }
    bool IsLiteral(int index) const;

    // What an empty input shows: each literal, and Blank for each input position.
    std::string GetEmptyText() const;
    // The value of an empty input: a space per input position, literals only when saved.
    std::string GetEmptyValue() const;
    // Fits a text into the positions; the result has exactly one character per position.
    void Format(std::string& text, bool useConvertedCharacters, bool textHoldsLiterals) const;
    // Turns a fitted text into its value: blanks become spaces, literals stay only when saved.
    void ExtractValue(std::string& text) const;
    bool IsValid(const std::string& text) const;

  private:
    void CheckLeading(std::string& mask);
    void Compile(const std::string& mask);
    bool IsBlankOrSpace(const std::string& character) const { return character == blank_ || character == " "; }

    std::string blank_ = "_";
    std::vector<std::unique_ptr<TcxStandardMaskCustomItem>> items_;
    bool leading_ = false;
    bool saveLiteralCharacters_ = true;
    std::string maskText_;
};

// The characters of a UTF-8 text, one string each; a broken sequence becomes U+FFFD.
std::vector<std::string> SplitMaskChars(std::string_view text);
std::string JoinMaskChars(const std::vector<std::string>& chars);

} // namespace zorvy
