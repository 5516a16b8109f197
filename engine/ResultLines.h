#pragma once
// The result list of a filter run: every line in one flat text buffer with a line index, kept from run
// to run so that a run allocates nothing per line. The result list shows the lines straight from here.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

namespace zorvy {

class TResultLines {
  public:
    // Writes lines after the last committed one; they count only once committed.
    struct TAppender {
        char* Text;    // the buffer
        uint32_t* End; // the index entry of the last line written
        void Append(const char* line, uint32_t length) {
            std::memcpy(Text + End[0], line, length);
            End[1] = End[0] + length;
            ++End;
        }
        // The same for a line in a buffer of at least 32 bytes: one fixed-size copy.
        void AppendPadded(const char* line, uint32_t length) {
            std::memcpy(Text + End[0], line, 32);
            End[1] = End[0] + length;
            ++End;
        }
    };

    int32_t Count() const { return count_; }
    std::string_view Line(int32_t i) const { return {text_.get() + ends_[i], ends_[i + 1] - ends_[i]}; }
    // All committed lines back to back, without separators; line i spans LineStart(i) .. LineStart(i + 1).
    const char* Text() const { return text_.get(); }
    uint32_t LineStart(int32_t i) const { return ends_[i]; }

    // Drops every line and keeps the memory.
    void Clear() { count_ = 0; }
    // Room for this many more lines and bytes after the committed ones (the bytes may be overwritten
    // up to 32 past a line's end); existing lines are kept. Untouched room costs no memory.
    void Reserve(int32_t lines, size_t bytes);
    TAppender Appender() { return AppenderAt(count_); }
    // Writes lines from line `line` on, whose start is already set: after the committed lines, or in
    // a region beyond them (several writers may fill separate regions at once).
    TAppender AppenderAt(int32_t line) { return {text_.get(), ends_.get() + line}; }
    // Starts a region: its first line begins at the text offset (within the reserved room).
    void StartRegion(int32_t line, uint32_t offset) { ends_[line] = offset; }
    // Commits the lines written up to the given count (at least the committed count).
    void Commit(int32_t count) { count_ = count; }
    // Moves lines first .. last - 1 of a region to follow the committed lines, and commits them.
    void MoveLines(int32_t first, int32_t last);
    // Appends one line (test and reference paths).
    void Append(std::string_view line);

  private:
    std::unique_ptr<char[]> text_;
    std::unique_ptr<uint32_t[]> ends_{new uint32_t[1]{0}}; // ends_[0] = 0, ends_[i + 1] = end of line i
    size_t textCapacity_ = 0;
    int32_t lineCapacity_ = 0;
    int32_t count_ = 0;
};

} // namespace zorvy
