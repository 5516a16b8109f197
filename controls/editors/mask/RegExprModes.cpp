// The regular-expression mask modes: the plain one follows the edit's own insertions and deletions,
// the extended one applies each edit itself so that forced characters go in and out with the
// character that caused them. Both refuse, with a beep, any edit after which the text would no longer
// be the start of a match.
#include "controls/editors/mask/RegExprModes.h"

#include "controls/editors/mask/MaskEdit.h"
#include "platform/rtl/ResourceStrings.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxMaskEditRegExprErrors, "Regular expression errors:");

namespace {

std::vector<std::string> Chars(const std::string& text) {
    return SplitMaskChars(text);
}

std::string Join(const std::vector<std::string>& chars, size_t from, size_t to) {
    std::string text;
    for (size_t i = from; i < to && i < chars.size(); ++i) text += chars[i];
    return text;
}

size_t CharsIn(const std::string& text) {
    return Chars(text).size();
}

// Whether the expression, fed the text with insertion off, accepts all of it.
bool FeedAll(TcxRegExpr& expression, const std::string& text) {
    for (std::string c : Chars(text))
        if (!expression.ConsumeChar(c)) return false;
    return true;
}

} // namespace

// ---- TcxMaskEditRegExprMode ----

TcxMaskEditRegExprMode::TcxMaskEditRegExprMode(TcxMaskEditModeEdit* edit, TcxMaskEditModeProperties* properties)
    : TcxMaskEditCustomMode(edit, properties) {
    expression_.SetCaseInsensitive(CaseInsensitive());
}

bool TcxMaskEditRegExprMode::CaseInsensitive() const {
    TcxMaskEditModeProperties* properties = GetProperties();
    return properties ? properties->GetCaseInsensitive() : true;
}

void TcxMaskEditRegExprMode::CompileMask(const std::string& mask) {
    maskText_ = mask;
    head_.clear();
    tail_.clear();
    if (IsMaskEmpty(mask)) return;
    try {
        expression_.Compile(mask);
    } catch (const EcxRegExprError& e) {
        std::string message = ResolveResourceString(scxMaskEditRegExprErrors);
        for (const TcxRegExprError& error : e.Errors()) message += "\r\n" + error.MessageWithPosition();
        throw EcxMaskEditError(message);
    }
}

bool TcxMaskEditRegExprMode::CompileCopy(TcxRegExpr& copy) {
    if (!expression_.CompiledOk()) return false;
    try {
        copy.SetCaseInsensitive(CaseInsensitive());
        copy.Compile(expression_.GetSource());
        return true;
    } catch (const EcxEditError&) {
        return false;
    }
}

std::string TcxMaskEditRegExprMode::FormatWithMask(const std::string& text, bool) {
    if (!expression_.CompiledOk()) return {};
    expression_.Restart();
    std::string result;
    for (std::string c : Chars(text))
        if (expression_.ConsumeChar(c)) result += c;
    return result;
}

bool TcxMaskEditRegExprMode::IsTextValid(const std::string& text) {
    TcxRegExpr copy;
    if (!CompileCopy(copy)) return false;
    const bool ignoreBlank = GetProperties() && GetProperties()->GetIgnoreMaskBlank();
    // An empty text is valid only where the expression allows nothing typed, or blanks are ignored.
    if (!FeedAll(copy, text)) return false;
    return ignoreBlank || copy.InputComplete();
}

int TcxMaskEditRegExprMode::SelStart() const {
    const std::string text = edit_->GetInnerText();
    return int(CharsIn(text.substr(0, size_t(std::min<int>(edit_->GetSelectionStart(), int(text.size()))))));
}

int TcxMaskEditRegExprMode::SelLength() const {
    const std::string text = edit_->GetInnerText();
    const size_t start = size_t(std::min<int>(edit_->GetSelectionStart(), int(text.size())));
    return int(CharsIn(text.substr(start, size_t(std::max(0, edit_->GetSelectionLength())))));
}

void TcxMaskEditRegExprMode::Resync() {
    if (!HasUsableEdit() || !expression_.CompiledOk()) return;
    const std::string text = edit_->GetInnerText();
    if (!mouseAction_ && !(head_.empty() && tail_.empty() && !text.empty())) return;
    mouseAction_ = false;
    expression_.Restart();
    const std::vector<std::string> chars = Chars(text);
    const size_t caret = size_t(SelStart());
    head_.clear();
    size_t i = 0;
    // Only accepted characters enter the head: the head is always what the expression consumed.
    for (; i < caret && i < chars.size(); ++i) {
        std::string c = chars[i];
        if (!Feed(c)) break;
        head_ += chars[i];
    }
    tail_ = Join(chars, i, chars.size());
}

bool TcxMaskEditRegExprMode::TailFits() {
    int fed = 0;
    bool fits = true;
    for (std::string c : Chars(tail_)) {
        if (!Feed(c)) {
            fits = false;
            break;
        }
        ++fed;
    }
    for (int i = 0; i < fed; ++i) StepBack();
    return fits;
}

void TcxMaskEditRegExprMode::CutSelection() {
    const int start = SelStart(), length = SelLength();
    const int headLength = int(CharsIn(head_));
    if (start == headLength) {
        const std::vector<std::string> tail = Chars(tail_);
        selection_ = Join(tail, 0, size_t(length));
        tail_ = Join(tail, size_t(length), tail.size());
        selectionAtStart_ = true;
    } else if (start + length == headLength) {
        const std::vector<std::string> head = Chars(head_);
        selection_ = Join(head, size_t(start), head.size());
        head_ = Join(head, 0, size_t(start));
        for (int i = 0; i < length; ++i) StepBack();
        selectionAtStart_ = false;
    }
}

void TcxMaskEditRegExprMode::RestoreSelection() {
    if (selectionAtStart_) {
        tail_ = selection_ + tail_;
    } else {
        head_ += selection_;
        for (std::string c : Chars(selection_)) Feed(c);
    }
}

void TcxMaskEditRegExprMode::PrepareForSelectAll() {
    Resync();
    for (std::string c : Chars(tail_)) Feed(c);
    head_ += tail_;
    tail_.clear();
}

void TcxMaskEditRegExprMode::SetText(const std::string& text) {
    if (!expression_.CompiledOk()) return;
    expression_.Restart();
    if (clipboardTextLength_ >= 1 && !text.empty() && HasUsableEdit()) {
        const std::vector<std::string> chars = Chars(text);
        const size_t n = std::min(chars.size(), size_t(SelStart() + clipboardTextLength_));
        head_.clear();
        size_t i = 0;
        for (; i < n; ++i) {
            std::string c = chars[i];
            if (!Feed(c)) break;
            head_ += chars[i];
        }
        tail_ = Join(chars, i, chars.size());
        clipboardTextLength_ = 0;
        return;
    }
    head_.clear();
    tail_ = text;
}

void TcxMaskEditRegExprMode::SyncEditValue() {
    TcxMaskEditCustomMode::SyncEditValue();
    if (!HasUsableEdit() || !expression_.CompiledOk()) return;
    head_ = edit_->GetInnerText();
    // An edit made with its mask has no window yet: there is no caret to place.
    if (edit_->HandleAllocated()) edit_->SetSelStartLocked(int(head_.size()));
    tail_.clear();
    expression_.Restart();
    expression_.ConsumeText(head_);
}

bool TcxMaskEditRegExprMode::IsCaretAtStart() {
    return edit_->GetSelectionStart() == 0;
}

bool TcxMaskEditRegExprMode::IsCaretAtEnd() {
    return edit_->GetSelectionStart() == int(edit_->GetInnerText().size());
}

bool TcxMaskEditRegExprMode::ProcessHome() {
    Resync();
    if (!head_.empty()) {
        tail_ = head_ + tail_;
        head_.clear();
        expression_.Restart();
    }
    return true;
}

bool TcxMaskEditRegExprMode::ProcessEnd() {
    Resync();
    for (std::string c : Chars(tail_)) Feed(c);
    head_ += tail_;
    tail_.clear();
    return true;
}

bool TcxMaskEditRegExprMode::ProcessLeft() {
    Resync();
    if (head_.empty()) return true;
    auto moveOne = [this] {
        std::vector<std::string> head = Chars(head_);
        if (head.empty()) return;
        StepBack();
        tail_ = head.back() + tail_;
        head.pop_back();
        head_ = Join(head, 0, head.size());
    };
    const int length = SelLength();
    if (length > 0 && !edit_->GetShiftHeld()) {
        const std::string text = edit_->GetInnerText();
        const int caret = int(CharsIn(text.substr(0, size_t(std::clamp(edit_->GetCaretPosition(), 0, int(text.size()))))));
        if (SelStart() + length == caret)
            for (int i = 0; i < length; ++i) moveOne();
        return true;
    }
    moveOne();
    return true;
}

bool TcxMaskEditRegExprMode::ProcessRight() {
    Resync();
    if (tail_.empty()) return true;
    auto moveOne = [this] {
        std::vector<std::string> tail = Chars(tail_);
        if (tail.empty()) return;
        std::string c = tail.front();
        Feed(c);
        head_ += tail.front();
        tail_ = Join(tail, 1, tail.size());
    };
    const int length = SelLength();
    if (length > 0 && !edit_->GetShiftHeld()) {
        if (SelStart() == int(CharsIn(head_)))
            for (int i = 0; i < length; ++i) moveOne();
        return true;
    }
    moveOne();
    return true;
}

bool TcxMaskEditRegExprMode::ProcessChar(std::string& character) {
    Resync();
    const bool selected = SelLength() > 0;
    if (selected) CutSelection();
    std::string c = character;
    bool ok = Feed(c);
    if (ok && !TailFits()) {
        // The rest of the text would no longer match: the character is refused.
        StepBack();
        ok = false;
    }
    if (ok) {
        head_ += c;
        character = c;
    } else if (selected) {
        RestoreSelection();
    }
    selection_.clear();
    if (!ok) BeepIfAllowed();
    return ok;
}

bool TcxMaskEditRegExprMode::ProcessBackspace() {
    Resync();
    bool ok = true;
    if (SelLength() > 0) {
        CutSelection();
        if (!TailFits()) RestoreSelection(), ok = false;
    } else if (!head_.empty()) {
        std::vector<std::string> head = Chars(head_);
        StepBack();
        if (TailFits()) {
            head.pop_back();
            head_ = Join(head, 0, head.size());
        } else {
            std::string last = head.back();
            Feed(last);
            ok = false;
        }
    }
    selection_.clear();
    if (!ok) BeepIfAllowed();
    return ok;
}

bool TcxMaskEditRegExprMode::ProcessDelete() {
    Resync();
    bool ok = true;
    if (SelLength() > 0) {
        CutSelection();
        if (!TailFits()) RestoreSelection(), ok = false;
    } else if (!tail_.empty()) {
        std::vector<std::string> tail = Chars(tail_);
        tail_ = Join(tail, 1, tail.size());
        if (!TailFits()) tail_ = Join(tail, 0, tail.size()), ok = false;
    }
    selection_.clear();
    if (!ok) BeepIfAllowed();
    return ok;
}

// ---- TcxMaskEditRegExprExMode ----
// Each edit is worked out on the text as the edit holds it (the head before the selection, the tail
// after it, forced characters included) and applied to the edit as a whole, caret included. Automatic
// insertion is switched on only to collect the forced continuation of a position.

TcxMaskEditRegExprExMode::TcxMaskEditRegExprExMode(TcxMaskEditModeEdit* edit, TcxMaskEditModeProperties* properties)
    : TcxMaskEditRegExprMode(edit, properties) {
    expression_.OnSymbolUpdate = [this](char32_t c) { forced_ += RegExprText(std::u32string(1, c)); };
}

std::string TcxMaskEditRegExprExMode::Continuation() {
    forced_.clear();
    expression_.SetUpdateOn(true); // consumes and reports the forced characters at once
    expression_.SetUpdateOn(false);
    return forced_;
}

void TcxMaskEditRegExprExMode::CompileMask(const std::string& mask) {
    forced_.clear();
    TcxMaskEditRegExprMode::CompileMask(mask);
    if (expression_.CompiledOk()) needsEditValue_ = !HasUsableEdit();
}

void TcxMaskEditRegExprExMode::UpdateEditValue() {
    if (!needsEditValue_) return;
    needsEditValue_ = false;
    if (HasUsableEdit()) edit_->SetValueAsUser(Variant(ForcedPrefix()));
}

std::string TcxMaskEditRegExprExMode::ForcedPrefix() {
    TcxRegExpr copy;
    std::string prefix;
    copy.OnSymbolUpdate = [&prefix](char32_t c) { prefix += RegExprText(std::u32string(1, c)); };
    if (!CompileCopy(copy)) return {};
    copy.SetUpdateOn(true);
    return prefix;
}

size_t TcxMaskEditRegExprExMode::TrailingForced(const std::vector<std::string>& head) {
    TcxRegExpr copy;
    if (!CompileCopy(copy)) return 0;
    std::string next;
    copy.OnSymbolUpdate = [&next](char32_t c) {
        if (next.empty()) next = RegExprText(std::u32string(1, c));
    };
    size_t count = 0;
    for (size_t j = head.size(); j > 0; --j, ++count) {
        copy.Restart();
        if (!FeedAll(copy, Join(head, 0, j - 1))) break;
        next.clear();
        copy.SetUpdateOn(true);
        copy.SetUpdateOn(false);
        if (next != head[j - 1]) break;
    }
    return count;
}

std::string TcxMaskEditRegExprExMode::GetEmptyMaskText() {
    return ForcedPrefix();
}

std::string TcxMaskEditRegExprExMode::FormatWithMask(const std::string& text, bool textHoldsLiterals) {
    if (!expression_.CompiledOk()) return {};
    const std::string result = TcxMaskEditRegExprMode::FormatWithMask(text, textHoldsLiterals);
    return result + Continuation();
}

bool TcxMaskEditRegExprExMode::IsTextValid(const std::string& text) {
    if (!expression_.CompiledOk()) return false;
    if (!text.empty() && text == ForcedPrefix()) return true; // an untouched editor
    return TcxMaskEditRegExprMode::IsTextValid(text);
}

void TcxMaskEditRegExprExMode::SetText(const std::string& text) {
    clipboardTextLength_ = 0;
    head_.clear();
    tail_ = text;
    mouseAction_ = true;
}

void TcxMaskEditRegExprExMode::SyncToCaret() {
    if (!HasUsableEdit() || !expression_.CompiledOk()) return;
    const std::vector<std::string> chars = Chars(edit_->GetInnerText());
    const size_t start = std::min(chars.size(), size_t(SelStart()));
    expression_.Restart();
    size_t i = 0;
    head_.clear();
    for (; i < start; ++i) {
        std::string c = chars[i];
        if (!Feed(c)) break;
        head_ += chars[i];
    }
    tail_ = Join(chars, i, chars.size());
    // At the start of a text that begins with the forced prefix, input goes after the prefix.
    if (head_.empty()) {
        const std::string prefix = ForcedPrefix();
        if (!prefix.empty() && tail_.compare(0, prefix.size(), prefix) == 0) {
            FeedAll(expression_, prefix);
            head_ = prefix;
            tail_.erase(0, prefix.size());
        }
    }
    mouseAction_ = false;
}

void TcxMaskEditRegExprExMode::ShowHead() {
    edit_->ShowText(head_ + tail_);
    edit_->SetSelStartLocked(int(head_.size()));
}

bool TcxMaskEditRegExprExMode::ProcessHome() {
    SyncToCaret();
    tail_ = head_ + tail_;
    head_.clear();
    expression_.Restart();
    return true;
}

bool TcxMaskEditRegExprExMode::ProcessEnd() {
    SyncToCaret();
    for (std::string c : Chars(tail_)) Feed(c);
    head_ += tail_;
    tail_.clear();
    return true;
}

bool TcxMaskEditRegExprExMode::ProcessChar(std::string& character) {
    if (!HasUsableEdit() || !expression_.CompiledOk()) return false;
    SyncToCaret();
    const std::vector<std::string> tail = Chars(tail_);
    std::string after = Join(tail, std::min(tail.size(), size_t(SelLength())), tail.size());
    std::string c = character;
    bool ok = Feed(c);
    if (ok) {
        const std::string forced = Continuation();
        // Forced characters already in the text after the caret are not typed twice.
        if (after.compare(0, forced.size(), forced) == 0) after.erase(0, forced.size());
        const std::string saved = tail_;
        tail_ = after;
        if (TailFits()) {
            head_ += c + forced;
            ShowHead();
        } else {
            tail_ = saved;
            ok = false;
        }
    }
    if (!ok) BeepIfAllowed();
    return false;
}

bool TcxMaskEditRegExprExMode::ProcessBackspace() {
    if (!HasUsableEdit() || !expression_.CompiledOk()) return false;
    SyncToCaret();
    std::vector<std::string> head = Chars(head_);
    const std::vector<std::string> tail = Chars(tail_);
    const size_t length = std::min(tail.size(), size_t(SelLength()));
    std::string rest = Join(tail, length, tail.size());
    if (length == 0) {
        if (head.empty()) return false;
        // The last typed character goes with the forced characters it brought; a forced prefix stays.
        const size_t drop = TrailingForced(head) + 1;
        if (drop > head.size()) {
            BeepIfAllowed();
            return false;
        }
        head.resize(head.size() - drop);
    }
    const std::string savedHead = head_, savedTail = tail_;
    head_ = Join(head, 0, head.size());
    tail_ = rest;
    expression_.Restart();
    if (FeedAll(expression_, head_) && TailFits()) {
        ShowHead();
    } else {
        head_ = savedHead, tail_ = savedTail;
        BeepIfAllowed();
    }
    return false;
}

bool TcxMaskEditRegExprExMode::ProcessDelete() {
    if (!HasUsableEdit() || !expression_.CompiledOk()) return false;
    SyncToCaret();
    if (SelLength() > 0) return ProcessBackspace();
    if (tail_.empty()) return false;
    const std::vector<std::string> tail = Chars(tail_);
    std::string c = tail.front();
    if (!Feed(c)) {
        BeepIfAllowed();
        return false;
    }
    // The character after the caret goes with the forced characters it brought.
    const size_t drop = std::min(tail.size(), 1 + CharsIn(Continuation()));
    const std::string savedTail = tail_;
    tail_ = Join(tail, drop, tail.size());
    expression_.Restart();
    if (FeedAll(expression_, head_) && TailFits()) {
        ShowHead();
    } else {
        tail_ = savedTail;
        BeepIfAllowed();
    }
    return false;
}

bool TcxMaskEditRegExprExMode::ProcessLeft() {
    if (edit_->GetShiftHeld()) {
        mouseAction_ = true;
        return true;
    }
    SyncToCaret();
    if (SelLength() > 0) return true;
    std::vector<std::string> head = Chars(head_);
    if (head.empty()) return true;
    // Back over the last character and the forced characters before it.
    const size_t move = std::min(head.size(), TrailingForced(head) + 1);
    tail_ = Join(head, head.size() - move, head.size()) + tail_;
    head_ = Join(head, 0, head.size() - move);
    edit_->SetSelStartLocked(int(head_.size()));
    return false;
}

bool TcxMaskEditRegExprExMode::ProcessRight() {
    if (edit_->GetShiftHeld()) {
        mouseAction_ = true;
        return true;
    }
    SyncToCaret();
    if (SelLength() > 0 || tail_.empty()) return true;
    // Forward over the next character and the forced characters after it.
    const std::vector<std::string> tail = Chars(tail_);
    std::string c = tail.front();
    if (!Feed(c)) return true;
    const size_t step = std::min(tail.size(), 1 + CharsIn(Continuation()));
    head_ += Join(tail, 0, step);
    tail_ = Join(tail, step, tail.size());
    edit_->SetSelStartLocked(int(head_.size()));
    return false;
}

} // namespace zorvy
