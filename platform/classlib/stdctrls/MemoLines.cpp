#include "platform/classlib/stdctrls/MemoLines.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>

namespace zorvy {

TMemoLines::TMemoLines() {
    SetLineBreak("\r\n");
}

std::string_view TMemoLines::Line(int index) const {
    CheckListIndex(index, GetCount());
    if (source_) {
        const std::size_t start = source_->LineStart(index);
        return std::string_view(source_->Text() + start, source_->LineStart(index + 1) - start);
    }
    const auto i = static_cast<std::size_t>(index);
    return std::string_view(chars_).substr(starts_[i], starts_[i + 1] - starts_[i]);
}

void TMemoLines::ShowSource(const TMemoLineSource* source) {
    chars_.clear();
    starts_.assign(1, 0);
    source_ = source;
    sourceCount_ = source ? source->LineCount() : 0;
    Changed(TChange::Other, 0);
}

void TMemoLines::SourceGrew() {
    if (!source_) return;
    const int first = GetCount();
    sourceCount_ = source_->LineCount();
    if (GetCount() > first) Changed(TChange::Appended, first);
}

void TMemoLines::TakeOverSource() {
    if (!source_) return;
    const int count = GetCount();
    const std::size_t base = source_->LineStart(0);
    chars_.assign(source_->Text() + base, source_->LineStart(count) - base);
    starts_.resize(static_cast<std::size_t>(count) + 1);
    for (int i = 0; i <= count; ++i)
        starts_[static_cast<std::size_t>(i)] = source_->LineStart(i) - base;
    source_ = nullptr;
    sourceCount_ = 0;
}

int TMemoLines::Add(const std::string& text) {
    TakeOverSource();
    return Append(text);
}

int TMemoLines::Append(std::string_view text) {
    // A text holding line breaks adds one line per piece, as the memo would show it. One pass finds
    // the breaks: find_first_of would search the set of two breaks for every character.
    const auto isBreak = [](char c) { return c == '\r' || c == '\n'; };
    auto at = std::find_if(text.begin(), text.end(), isBreak);
    if (at == text.end()) {
        chars_.append(text);
        starts_.push_back(chars_.size());
        Changed(TChange::Appended, GetCount() - 1);
        return GetCount() - 1;
    }
    const int first = GetCount();
    BeginUpdate();
    chars_.reserve(chars_.size() + text.size());
    // A guess from the first line's length, so that a long text seldom moves the index.
    const auto firstLength = static_cast<std::size_t>(at - text.begin()) + 2;
    starts_.reserve(starts_.size() + text.size() / firstLength + 1);
    auto from = text.begin();
    while (true) {
        chars_.append(from, at);
        starts_.push_back(chars_.size());
        if (at == text.end()) break;
        from = at + ((*at == '\r' && at + 1 != text.end() && at[1] == '\n') ? 2 : 1);
        at = std::find_if(from, text.end(), isBreak);
    }
    Changed(TChange::Appended, first);
    EndUpdate();
    return GetCount() - 1;
}

void TMemoLines::Insert(int index, const std::string& text) {
    if (index < 0 || index > GetCount()) Error(index);
    TakeOverSource();
    if (index == GetCount()) {
        Add(text);
        return;
    }
    const auto i = static_cast<std::size_t>(index);
    const std::size_t at = starts_[i];
    chars_.insert(at, text);
    starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(i), at);
    for (std::size_t k = i + 1; k < starts_.size(); ++k)
        starts_[k] += text.size();
    Changed(TChange::Other, index);
}

void TMemoLines::Put(int index, const std::string& text) {
    CheckListIndex(index, GetCount());
    TakeOverSource();
    const auto i = static_cast<std::size_t>(index);
    const std::size_t oldLength = starts_[i + 1] - starts_[i];
    chars_.replace(starts_[i], oldLength, text);
    const std::ptrdiff_t delta = static_cast<std::ptrdiff_t>(text.size()) - static_cast<std::ptrdiff_t>(oldLength);
    for (std::size_t k = i + 1; k < starts_.size(); ++k)
        starts_[k] = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(starts_[k]) + delta);
    Changed(TChange::Other, index);
}

void TMemoLines::Delete(int index) {
    CheckListIndex(index, GetCount());
    TakeOverSource();
    const auto i = static_cast<std::size_t>(index);
    const std::size_t length = starts_[i + 1] - starts_[i];
    chars_.erase(starts_[i], length);
    starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(i) + 1);
    for (std::size_t k = i + 1; k < starts_.size(); ++k)
        starts_[k] -= length;
    Changed(TChange::Other, index);
}

void TMemoLines::Clear() {
    source_ = nullptr;
    sourceCount_ = 0;
    chars_.clear();
    starts_.assign(1, 0);
    Changed(TChange::Other, 0);
}

std::string TMemoLines::GetText() const {
    const std::string& lineBreak = GetLineBreak();
    std::string text;
    text.reserve(CharCount() + static_cast<std::size_t>(GetCount()) * lineBreak.size());
    for (int i = 0; i < GetCount(); ++i) {
        text.append(Line(i));
        text.append(lineBreak);
    }
    return text;
}

void TMemoLines::SetText(const std::string& text) {
    BeginUpdate();
    Clear();
    if (!text.empty()) {
        // A final line break ends the last line; it does not open another.
        std::string_view body = text;
        if (body.ends_with("\r\n"))
            body.remove_suffix(2);
        else if (body.ends_with('\n') || body.ends_with('\r'))
            body.remove_suffix(1);
        Append(body);
    }
    EndUpdate();
}

int TMemoLines::LongestLine() const {
    if (!longestKnown_) {
        longest_ = -1;
        std::size_t most = 0;
        for (int i = 0; i < GetCount(); ++i)
            if (longest_ < 0 || LineStart(i + 1) - LineStart(i) > most) {
                most = LineStart(i + 1) - LineStart(i);
                longest_ = i;
            }
        longestKnown_ = true;
    }
    return longest_;
}

void TMemoLines::Changed(TChange change, int firstLine) {
    if (change == TChange::Appended && longestKnown_) {
        // The lines from firstLine on are new: the longest may be one of them.
        for (int i = firstLine; i < GetCount(); ++i)
            if (longest_ < 0 || Line(i).size() > Line(longest_).size()) longest_ = i;
    } else {
        longestKnown_ = false;
    }
    if (GetUpdateCount() > 0) {
        if (!pending_) {
            pendingChange_ = change;
            pendingFirst_ = firstLine;
        } else if (change == TChange::Other || pendingChange_ == TChange::Other) {
            pendingChange_ = TChange::Other;
            pendingFirst_ = std::min(pendingFirst_, firstLine);
        }
        pending_ = true;
        return;
    }
    if (OnLinesChange) OnLinesChange(change, firstLine);
}

void TMemoLines::SetUpdateState(bool updating) {
    TStrings::SetUpdateState(updating);
    if (updating || !pending_) return;
    pending_ = false;
    if (OnLinesChange) OnLinesChange(pendingChange_, pendingFirst_);
}

} // namespace zorvy
