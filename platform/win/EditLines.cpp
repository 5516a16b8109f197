#include "platform/win/EditLines.h"

#include <algorithm>

namespace zorvy {

void TEditLines::Layout(const std::string& text, std::size_t from, std::size_t to, bool last,
                        std::vector<TEditLine>& out) const {
    std::size_t p = from;
    while (true) {
        const std::size_t nl = text.find('\n', p);
        const bool broken = nl != std::string::npos && nl < to;
        std::size_t end = broken ? nl : to;
        std::size_t breakLength = 0;
        if (broken) {
            breakLength = 1;
            if (end > p && text[end - 1] == '\r') --end, breakLength = 2;
        }
        std::size_t start = p;
        if (wrap_) {
            while (end - start > 0) {
                const std::size_t fit = std::clamp<std::size_t>(
                    wrap_(std::string_view(text).substr(start, end - start)), 1, end - start);
                if (fit == end - start) break;
                out.push_back({start, fit, 0, true});
                start += fit;
            }
        }
        out.push_back({start, end - start, breakLength, false});
        if (!broken) return;
        p = end + breakLength;
        if (p >= to) {
            // A break at the very end of the text leaves an empty last line.
            if (last && p == text.size()) out.push_back({p, 0, 0, false});
            return;
        }
    }
}

void TEditLines::Rebuild(const std::string& text) {
    lines_.clear();
    Layout(text, 0, text.size(), true, lines_);
}

int TEditLines::LineFromPos(std::size_t pos) const {
    auto it = std::upper_bound(lines_.begin(), lines_.end(), pos,
                               [](std::size_t p, const TEditLine& l) { return p < l.start; });
    return std::max(0, static_cast<int>(it - lines_.begin()) - 1);
}

void TEditLines::Update(const std::string& text, std::size_t pos, std::size_t removed, std::size_t inserted) {
    // The hard lines the change touched: from the start of the hard line holding pos to the end of the
    // hard line holding the old end of the change.
    int first = LineFromPos(pos);
    while (first > 0 && lines_[static_cast<std::size_t>(first - 1)].wrapped)
        --first;
    int last = LineFromPos(pos + removed);
    while (last + 1 < Count() && lines_[static_cast<std::size_t>(last)].wrapped)
        ++last;
    const std::ptrdiff_t delta = static_cast<std::ptrdiff_t>(inserted) - static_cast<std::ptrdiff_t>(removed);
    const TEditLine& lastLine = lines_[static_cast<std::size_t>(last)];
    const std::size_t oldEnd = lastLine.start + lastLine.length + lastLine.breakLength;
    const bool toEnd = last + 1 == Count();
    const std::size_t from = lines_[static_cast<std::size_t>(first)].start;
    const std::size_t to =
        toEnd ? text.size() : static_cast<std::size_t>(static_cast<std::ptrdiff_t>(oldEnd) + delta);
    std::vector<TEditLine> fresh;
    Layout(text, from, to, toEnd, fresh);
    for (auto it = lines_.begin() + last + 1; it != lines_.end(); ++it)
        it->start = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(it->start) + delta);
    lines_.erase(lines_.begin() + first, lines_.begin() + last + 1);
    lines_.insert(lines_.begin() + first, fresh.begin(), fresh.end());
}

} // namespace zorvy
