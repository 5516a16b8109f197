#pragma once
// TMemoLines: the lines of a TMemo in one character buffer with an index of line starts, so that
// appending a line costs a copy of its characters and reaching any line costs one look-up. Lines
// inserted, replaced or deleted in the middle move the characters after them. The lines may instead be
// those of a producer's own buffer, shown without a copy until something edits them.
#include "platform/rtl/StringList.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

namespace zorvy {

// Lines another part of the program keeps in one character buffer with an index of line starts: line i
// is Text()[LineStart(i), LineStart(i + 1)). The producer may add lines and move its buffer, but keeps
// the lines it has counted as they are.
class TMemoLineSource {
  public:
    virtual ~TMemoLineSource() = default;
    virtual int LineCount() const = 0;
    virtual const char* Text() const = 0;
    virtual std::size_t LineStart(int index) const = 0;
};

class TMemoLines : public TStrings {
    ZORVY_CLASS(TMemoLines, TStrings)
  public:
    // What a change did, for the owner's repainting: lines appended at the end, or anything else.
    enum class TChange { Appended, Other };
    using TChangeHandler = std::function<void(TChange change, int firstLine)>;

    TMemoLines();
    int GetCount() const override {
        return source_ ? std::min(sourceCount_, source_->LineCount()) : static_cast<int>(starts_.size()) - 1;
    }
    std::string Get(int index) const override { return std::string(Line(index)); }
    // The line without a copy; valid until the next change. EListError on a bad index.
    std::string_view Line(int index) const;
    void Put(int index, const std::string& text) override;
    void Clear() override;
    void Delete(int index) override;
    void Insert(int index, const std::string& text) override;
    int Add(const std::string& text) override;
    std::string GetText() const override;
    void SetText(const std::string& text) override;
    // Bytes of all lines, without line breaks.
    std::size_t CharCount() const { return LineStart(GetCount()); }
    // The line with the most bytes (-1 when there is none).
    int LongestLine() const;
    // Bytes of the lines before line index (without line breaks); index may be the count.
    std::size_t LineStart(int index) const {
        return source_ ? source_->LineStart(index) : starts_[static_cast<std::size_t>(index)];
    }

    // Shows the lines of source in place of these, without copying them; the source must outlive its
    // showing, which ends with Clear, SetText or any edit (an edit first copies the lines shown).
    void ShowSource(const TMemoLineSource* source);
    // The source has more lines: they are shown as appended.
    void SourceGrew();

    // Told after each change (once, at the end of an update, while BeginUpdate holds).
    TChangeHandler OnLinesChange;

  protected:
    void SetUpdateState(bool updating) override;

  private:
    void Changed(TChange change, int firstLine);
    // Copies the lines of the source shown into the own buffer, before an edit.
    void TakeOverSource();
    // Adds text as one line per piece between line breaks (the source already taken over).
    int Append(std::string_view text);
    std::string chars_;
    std::vector<std::size_t> starts_{0}; // line i is chars_[starts_[i], starts_[i + 1])
    const TMemoLineSource* source_ = nullptr;
    int sourceCount_ = 0; // the source's lines shown so far
    mutable int longest_ = -1;         // -1: to be found again
    mutable bool longestKnown_ = true; // appends keep it; other changes make it be searched for
    bool pending_ = false;
    TChange pendingChange_ = TChange::Appended;
    int pendingFirst_ = 0;
};

} // namespace zorvy
