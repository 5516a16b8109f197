// TcxCustomTextEdit: the keys the text editor keeps, list-bound input and the incremental search
// that completes typed text from the lookup items.
#include "controls/editors/text/TextEdit.h"

#include "platform/classlib/Menus.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy {

namespace {
// The text without its last character (a multi-byte character goes whole).
void DropLastCharacter(std::string& text) {
    if (text.empty()) return;
    std::size_t n = text.size() - 1;
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    text.erase(n);
}

std::string Utf8Of(char32_t ch) {
    std::string s;
    if (ch < 0x80) {
        s += static_cast<char>(ch);
    } else if (ch < 0x800) {
        s += static_cast<char>(0xC0 | (ch >> 6));
        s += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        s += static_cast<char>(0xE0 | (ch >> 12));
        s += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (ch >> 18));
        s += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (ch & 0x3F));
    }
    return s;
}
} // namespace

void TcxCustomTextEdit::ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) {
    TcxCustomTextEditProperties* p = GetTextProperties();
    const TcxEditInputStyle style = p->GetInputStyle();
    const bool clearOrClick = (p->ClearKey != 0 && ShortCut(key, shift) == p->ClearKey) || IsClickKey(key, shift);
    if (style == istListOnly && !clearOrClick && (key == VK_LEFT || key == VK_RIGHT || key == VK_DELETE)) {
        SetCompletionHighlighted(false);
        FireKeyEvent(key, shift);
        key = 0;
        return;
    }
    inner_->InternalUpdating = true;
    const bool wasHighlighted = completionHighlighted_;
    const std::uint16_t original = key;
    TcxCustomEdit::ProcessEditKeyDown(key, shift);
    if (original == VK_RETURN && wasHighlighted) SelectAllText();
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
        if (!(shift & ssShift) && inner_->GetEditSelLength() > 0) {
            const int start = inner_->GetEditSelStart();
            inner_->SetEditSelStart(key == VK_RIGHT ? start + inner_->GetEditSelLength() : start);
            inner_->SetEditSelLength(0);
            key = 0;
        }
        SetCompletionHighlighted(false);
        break;
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END: {
        const bool homeOrEnd = key == VK_HOME || key == VK_END;
        if (homeOrEnd && style != istListOnly) {
            if (key == VK_END && inner_->GetEditSelLength() == 0) SetCompletionHighlighted(false);
            break;
        }
        if (p->UsesLookupList() && CanStepLookupItems(false) && lookupData_ && !lookupData_->IsEmpty()) {
            const bool ctrl = (shift & ssCtrl) != 0;
            TcxEditLookupDirection direction = eldNext;
            switch (key) {
            case VK_PRIOR:
                direction = ctrl ? eldFirst : eldPageUp;
                break;
            case VK_NEXT:
                direction = ctrl ? eldLast : eldPageDown;
                break;
            case VK_HOME:
                direction = eldFirst;
                break;
            case VK_END:
                direction = eldLast;
                break;
            case VK_UP:
                direction = eldPrevious;
                break;
            default:
                break;
            }
            StepLookupItem(direction);
            key = 0;
        }
        // A single-line edit has nothing to do with the others: they are the grid's.
        if (key != 0 && !homeOrEnd) {
            FireKeyEvent(key, shift);
            key = 0;
        }
        break;
    }
    case VK_DELETE:
        if (style == istListCompleted) {
            FireKeyEvent(key, shift);
            key = 0;
        } else {
            SetCompletionHighlighted(false);
        }
        break;
    default:
        break;
    }
    if (key != 0) inner_->InternalUpdating = false;
}

bool TcxCustomTextEdit::ShouldCompleteTyping() const {
    const TcxEditInputStyle style = GetTextProperties()->GetInputStyle();
    if (style == istListCompleted || style == istListOnly) return true;
    const int selLength = inner_->GetEditSelLength();
    if (selLength > 0 || completionHighlighted_) return true;
    return inner_->GetEditSelStart() == static_cast<int>(inner_->GetText().size());
}

bool TcxCustomTextEdit::TryCompleteText(std::string& prefix) {
    TcxCustomTextEditProperties* p = GetTextProperties();
    std::string tail;
    const bool found = lookupData_->FindCompletionSimple(prefix, tail, false);
    completionHighlighted_ = found;
    if (prefix.empty()) {
        if (p->GetInputStyle() != istListOnly) ApplyDisplayValue(Variant(std::string()));
        completionHighlighted_ = false;
    }
    if (found) {
        lookupSyncLocked_ = true;
        struct Unlock {
            bool& flag;
            ~Unlock() { flag = false; }
        } unlock{lookupSyncLocked_};
        inner_->SetText(prefix + tail);
        inner_->SetEditSelStart(static_cast<int>(prefix.size()));
        inner_->SetEditSelLength(static_cast<int>(tail.size()));
    }
    RefreshDisplayText();
    return found;
}

void TcxCustomTextEdit::KeyPress(char32_t& key) {
    if (key == 27 && IsEscapeConsumed() && !HasOpenPopup()) SkipNextEnterOrEscape = false;
    TcxCustomEdit::KeyPress(key);
}

void TcxCustomTextEdit::ProcessEditKeyPress(char32_t& ch) {
    inner_->InternalUpdating = true;
    if (!FilterKeyPress(ch)) return;
    TcxCustomTextEditProperties* p = GetTextProperties();
    const TcxEditInputStyle style = p->GetInputStyle();
    BeginUserChange();
    struct End {
        TcxCustomTextEdit* edit;
        ~End() { edit->EndUserChange(); }
    } end{this};
    if (style == istListOnly && ch == 8 && !p->GetFixedListPrefixSelection()) {
        ch = 0;
        completionHighlighted_ = false;
        return;
    }
    const bool wasHighlighted = completionHighlighted_;
    bool found = false;
    CountValueLock(true);
    struct Release {
        TcxCustomTextEdit* edit;
        ~Release() { edit->CountValueLock(false); }
    } release{this};
    const std::string text = inner_->GetText();
    const int selStart = inner_->GetEditSelStart(), selLength = inner_->GetEditSelLength();
    if (ch == 8 && p->UsesLookupList() && p->AllowsIncrementalSearch()) {
        if (style == istListCompleted && !text.empty() && !completionHighlighted_) {
            inner_->SetEditSelLength(static_cast<int>(text.size()) - selStart);
            completionHighlighted_ = true;
        }
        if (completionHighlighted_) {
            std::string prefix = text.substr(0, inner_->GetEditSelStart());
            DropLastCharacter(prefix);
            found = TryCompleteText(prefix);
        }
        if (style == istListOnly) ch = 0;
    } else if (ch >= 32 && p->UsesLookupList()) {
        if (p->AllowsIncrementalSearch() && ShouldCompleteTyping()) {
            const std::string typed = Utf8Of(ch);
            std::string candidate;
            bool tried = false;
            if (selLength > 0) {
                candidate = text.substr(0, selStart) + typed;
            } else if (style == istListOnly && wasHighlighted) {
                candidate = text + typed;
                found = TryCompleteText(candidate);
                tried = true;
                if (!found) {
                    candidate = typed;
                    tried = false;
                }
            } else if (style == istListOnly) {
                candidate = typed;
            } else {
                candidate = text.substr(0, selStart) + typed + text.substr(selStart);
            }
            if (!tried && !found) found = TryCompleteText(candidate);
            // Without a fixed prefix each character that does not extend the match starts anew.
            if (!found && style == istListOnly && !p->GetFixedListPrefixSelection()) {
                candidate = typed;
                found = TryCompleteText(candidate);
            }
        }
        if ((style == istListCompleted || style == istListOnly) && !found) {
            ch = 0;
            if (style == istListCompleted && !text.empty()) completionHighlighted_ = true;
            if (style == istListOnly && p->GetFixedListPrefixSelection() && wasHighlighted) completionHighlighted_ = true;
        }
    }
    if (found) ch = 0;
    if (ch != 0) inner_->InternalUpdating = false;
}

void TcxCustomTextEdit::StepLookupItem(TcxEditLookupDirection direction) {
    HoldChangeEvents(true, false);
    SteppingLookupItem = true;
    TWeakLink<TcxCustomTextEdit> self(this);
    struct Done {
        TWeakLink<TcxCustomTextEdit>& self;
        ~Done() {
            if (!self) return;
            self->SteppingLookupItem = false;
            self->HoldChangeEvents(false, true);
        }
    } done{self};
    {
        CountLoadLock(true);
        struct Unlock {
            TcxCustomTextEdit* edit;
            ~Unlock() { edit->CountLoadLock(false); }
        } unlock{this};
        lookupData_->StepItem(direction, false);
    }
    if (self && HasPendingInput() && GetTextProperties()->ImmediatePost && ValidateInput(false)) PostEditValue(false);
}

bool TcxCustomTextEdit::AllowsMouseWheel(TShiftState shift) const {
    return !IsInplace() || GetTextProperties()->UseMouseWheel || (shift & ssCtrl);
}

bool TcxCustomTextEdit::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    if (TcxCustomEdit::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
    TcxCustomTextEditProperties* p = GetTextProperties();
    const bool handled = CanStepLookupItems(true) && !HasOpenPopup() && p->UsesLookupList() && lookupData_ &&
                         !lookupData_->IsEmpty() && AllowsMouseWheel(shift);
    // Towards the user (a negative turn) is the next item.
    if (handled && RequestEditing()) StepLookupItem(wheelDelta <= 0 ? eldNext : eldPrevious);
    return handled;
}

void TcxCustomTextEdit::DoExit() {
    TcxCustomEdit::DoExit();
    completionHighlighted_ = false;
}

} // namespace zorvy
