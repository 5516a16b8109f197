#pragma once
// TStrings, the abstract list of strings with objects, and TStringList, its stored form with
// sorting, duplicate rules, update counting and change events.
//
// Text joins lines with the line break ("\n" by default) and splits at "\r\n", "\r" or "\n". CommaText quotes
// items that hold blanks, commas or quotes; reading it, blanks separate items like commas do. Name=Value
// items split at the first "=", names compare without regard to case.
#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/Components.h"

namespace zorvy {

class TStream;

class TStrings : public TPersistent {
    ZORVY_CLASS(TStrings, TPersistent)
  public:
    virtual int GetCount() const = 0;
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& text);
    virtual TObject* GetObject(int index) const;
    virtual void PutObject(int index, TObject* object);
    virtual void Clear() = 0;
    virtual void Delete(int index) = 0;
    virtual void Insert(int index, const std::string& text) = 0;
    virtual void InsertObject(int index, const std::string& text, TObject* object);
    virtual int Add(const std::string& text);
    virtual int AddObject(const std::string& text, TObject* object);
    void Append(const std::string& text) { Add(text); }
    void AddStrings(const TStrings& strings);
    virtual int IndexOf(const std::string& text) const; // without regard to case
    int IndexOfName(const std::string& name) const;
    int IndexOfObject(TObject* object) const;
    virtual void Exchange(int index1, int index2);
    virtual void Move(int curIndex, int newIndex);
    bool Equals(const TStrings& other) const;

    std::string operator[](int index) const { return Get(index); }

    virtual std::string GetText() const;
    virtual void SetText(const std::string& text);
    // What GetText writes after each line ("\n" unless set, e.g. "\r\n" for files that need it).
    const std::string& GetLineBreak() const { return lineBreak_; }
    void SetLineBreak(const std::string& lineBreak) { lineBreak_ = lineBreak; }
    std::string GetCommaText() const;
    void SetCommaText(const std::string& text);
    std::string GetDelimitedText() const;
    void SetDelimitedText(const std::string& text);
    char GetDelimiter() const { return delimiter_; }
    void SetDelimiter(char delimiter) { delimiter_ = delimiter; }
    char GetQuoteChar() const { return quoteChar_; }
    void SetQuoteChar(char quote) { quoteChar_ = quote; }
    bool GetStrictDelimiter() const { return strictDelimiter_; }
    void SetStrictDelimiter(bool strict) { strictDelimiter_ = strict; }

    std::string GetName(int index) const;           // "" when the item has no "="
    std::string GetValueFromIndex(int index) const; // the text after the first "="
    std::string GetValue(const std::string& name) const;
    // An empty value deletes the entry.
    void SetValue(const std::string& name, const std::string& value);

    void BeginUpdate();
    void EndUpdate();
    int GetUpdateCount() const { return updateCount_; }

    void Assign(TPersistent* source) override;

    // Files and streams are read as GBK or UTF-8 and written as UTF-8.
    void LoadFromFile(const std::string& fileName); // EFOpenError "Cannot open file "<name>"..."
    void SaveToFile(const std::string& fileName);   // EFCreateError "Cannot create file "<name>"..."
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;

  protected:
    virtual void SetUpdateState(bool updating);
    [[noreturn]] static void Error(int index);

  private:
    int updateCount_ = 0;
    std::string lineBreak_ = "\n";
    char delimiter_ = ',';
    char quoteChar_ = '"';
    bool strictDelimiter_ = false;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };
using enum TDuplicates;

class TStringList;
// Compares the items at two indexes: < 0, 0, > 0.
using TStringListSortCompare = std::function<int(TStringList& list, int index1, int index2)>;

class TStringList : public TStrings {
    ZORVY_CLASS(TStringList, TStrings)
  public:
    TStringList() = default;
    ~TStringList() override;

    int GetCount() const override { return static_cast<int>(items_.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& text) override; // EStringListError on a sorted list
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    void Clear() override;
    void Delete(int index) override;
    void Insert(int index, const std::string& text) override; // EStringListError on a sorted list
    void InsertObject(int index, const std::string& text, TObject* object) override;
    int Add(const std::string& text) override;
    int AddObject(const std::string& text, TObject* object) override;
    int IndexOf(const std::string& text) const override;
    void Exchange(int index1, int index2) override;
    // EStringListError on a sorted list, before anything moves.
    void Move(int curIndex, int newIndex) override;

    // Binary search of a sorted list: true when found; `index` is where it is or would go.
    bool Find(const std::string& text, int& index) const;
    virtual void Sort();
    virtual void CustomSort(const TStringListSortCompare& compare); // no effect on a sorted list

    bool GetSorted() const { return sorted_; }
    void SetSorted(bool sorted);
    TDuplicates GetDuplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
    bool GetCaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool caseSensitive);
    bool GetOwnsObjects() const { return ownsObjects_; }
    void SetOwnsObjects(bool owns) { ownsObjects_ = owns; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

  protected:
    void SetUpdateState(bool updating) override;
    virtual void Changed();
    virtual void Changing();
    int CompareStrings(const std::string& a, const std::string& b) const;

  private:
    struct Item {
        std::string text;
        TObject* object = nullptr;
    };
    void CheckIndex(int index) const;
    void InsertItem(int index, const std::string& text, TObject* object);
    void SortBy(const TStringListSortCompare& compare);

    std::vector<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    bool ownsObjects_ = false;
    TDuplicates duplicates_ = dupIgnore;
};

} // namespace zorvy
