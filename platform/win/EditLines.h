#pragma once
// The line layout of an edit's text: display lines as byte ranges of the text. A hard line ends at
// "\r\n" or "\n"; with word wrap a hard line is cut into several display lines. After an edit only the
// hard lines it touched are laid out again, so typing into a long text stays cheap.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvy {

struct TEditLine {
    std::size_t start = 0;
    std::size_t length = 0;      // bytes shown, without the line break
    std::size_t breakLength = 0; // 2 for "\r\n", 1 for "\n", 0 for a wrapped or the last line
    bool wrapped = false;        // the hard line goes on in the next display line
};

class TEditLines {
  public:
    // Bytes of `line` (never empty) that fit on one display line, on a character boundary and at
    // least one character; line.size() when all of it fits.
    using TWrap = std::function<std::size_t(std::string_view line)>;

    TEditLines() { lines_.push_back({}); }
    void SetWrap(TWrap wrap) { wrap_ = std::move(wrap); }
    void Rebuild(const std::string& text);
    // text[pos, pos + removed) has become `inserted` bytes (text is the new text).
    void Update(const std::string& text, std::size_t pos, std::size_t removed, std::size_t inserted);

    int Count() const { return static_cast<int>(lines_.size()); }
    const TEditLine& Line(int index) const { return lines_[static_cast<std::size_t>(index)]; }
    // The display line holding a position (a position at a wrap belongs to the line it starts).
    int LineFromPos(std::size_t pos) const;

  private:
    // Lays out text[from, to) (whole hard lines; `to` is just past a break or the text's end); with
    // `last`, the range holds the last line, empty after a final break.
    void Layout(const std::string& text, std::size_t from, std::size_t to, bool last,
                std::vector<TEditLine>& out) const;

    std::vector<TEditLine> lines_;
    TWrap wrap_;
};

} // namespace zorvy
