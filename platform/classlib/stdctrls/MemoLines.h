#pragma once
// TMemoLines: the lines of a TMemo in one character buffer with an index of line starts, so that
// appending a line costs a copy of its characters and reaching any line costs one look-up. Lines
// inserted, replaced or deleted in the middle move the characters after them.
#include "platform/rtl/StringList.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace zorvy {

class TMemoLines : public TStrings {
    ZORVY_CLASS(TMemoLines, TStrings)
  public:
    // What a change did, for the owner's repainting: lines appended at the end, or anything else.
    enum class TChange { Appended, Other };
    using TChangeHandler = std::function<void(TChange change, int firstLine)>;

    TMemoLines();
    int GetCount() const override { return static_cast<int>(starts_.size()) - 1; }
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
    std::size_t CharCount() const { return chars_.size(); }
    // The line with the most bytes (-1 when there is none).
    int LongestLine() const;
    // Bytes of the lines before line index (without line breaks); index may be the count.
    std::size_t LineStart(int index) const { return starts_[static_cast<std::size_t>(index)]; }

    // Told after each change (once, at the end of an update, while BeginUpdate holds).
    TChangeHandler OnLinesChange;

  protected:
    void SetUpdateState(bool updating) override;

  private:
    void Changed(TChange change, int firstLine);
    std::string chars_;
    std::vector<std::size_t> starts_{0}; // line i is chars_[starts_[i], starts_[i + 1])
    mutable int longest_ = -1;         // -1: to be found again
    mutable bool longestKnown_ = true; // appends keep it; other changes make it be searched for
    bool pending_ = false;
    TChange pendingChange_ = TChange::Appended;
    int pendingFirst_ = 0;
};

} // namespace zorvy
