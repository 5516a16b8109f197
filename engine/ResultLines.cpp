#include "engine/ResultLines.h"

#include <algorithm>

namespace zorvy {

namespace {

constexpr size_t WriteSlack = 32; // writers store whole words past a line's end

} // namespace

void TResultLines::Reserve(int32_t lines, size_t bytes) {
    // Growing by half at least keeps appends one at a time linear.
    const int32_t neededLines =
        std::max(count_ + lines, count_ + lines > lineCapacity_ ? lineCapacity_ * 3 / 2 : 0);
    const size_t neededText =
        std::max(ends_[count_] + bytes + WriteSlack,
                 ends_[count_] + bytes + WriteSlack > textCapacity_ ? textCapacity_ * 3 / 2 : size_t{0});
    if (neededLines > lineCapacity_) {
        // new[] leaves the memory untouched, so a large reserve costs only what gets written.
        std::unique_ptr<uint32_t[]> ends(new uint32_t[static_cast<size_t>(neededLines) + 1]);
        std::copy_n(ends_.get(), count_ + 1, ends.get());
        ends_ = std::move(ends);
        lineCapacity_ = neededLines;
    }
    if (neededText > textCapacity_) {
        std::unique_ptr<char[]> text(new char[neededText]);
        std::copy_n(text_.get(), ends_[count_], text.get());
        text_ = std::move(text);
        textCapacity_ = neededText;
    }
}

void TResultLines::MoveLines(int32_t first, int32_t last) {
    if (last <= first) return;
    const uint32_t start = ends_[first];
    const uint32_t base = ends_[count_];
    std::memmove(text_.get() + base, text_.get() + start, ends_[last] - start);
    // The region lies at or beyond the committed lines, so the index moves forward safely.
    for (int32_t i = first; i < last; ++i)
        ends_[++count_] = base + (ends_[i + 1] - start);
}

void TResultLines::Append(std::string_view line) {
    Reserve(1, line.size());
    TAppender appender = Appender();
    appender.Append(line.data(), static_cast<uint32_t>(line.size()));
    ++count_;
}

} // namespace zorvy
