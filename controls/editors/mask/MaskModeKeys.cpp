// The standard mask mode's reaction to editing keys: caret moves over literal positions, blanking,
// and typing one character into the position under the caret.
#include "controls/editors/mask/MaskModes.h"

#include "platform/win/VirtualKeys.h"

#include <algorithm>
#include <vector>

namespace zorvy {

bool TcxMaskEditStandardMode::IsCaretAtStart() {
    const TState state = ReadState();
    int lead = 0;
    while (IsLiteralAt(lead)) ++lead;
    return lead >= state.selStart && (state.selLength <= 1 || state.caret == state.selStart);
}

bool TcxMaskEditStandardMode::IsCaretAtEnd() {
    const TState state = ReadState();
    return state.selStart == state.n;
}

bool TcxMaskEditStandardMode::ProcessHome() {
    if (edit_->GetShiftHeld()) return true; // the inner edit extends the selection
    MoveCaret(ReadState(), 0);
    if (mask_.GetCount() > 0 && IsLiteralAt(0)) ProcessRight();
    return false;
}

bool TcxMaskEditStandardMode::ProcessEnd() {
    if (edit_->GetShiftHeld()) return true;
    const TState state = ReadState();
    MoveCaret(state, state.n);
    return false;
}

bool TcxMaskEditStandardMode::ProcessLeft() {
    const TState state = ReadState();
    const int s = state.selStart;
    const int l = state.selLength;
    if (edit_->GetShiftHeld()) {
        if (l == 1) {
            // Give up the one-character caret, then let the inner edit select leftwards from it.
            SetSelStart(state, s + 1);
            edit_->SetSelLengthLocked(0);
            edit_->SendKeyToSelf(VK_LEFT);
            edit_->SendKeyToSelf(VK_LEFT);
        }
        return true;
    }
    if (l >= 2) {
        const int e = s + l >= state.n ? s + l - 1 : s + l;
        int k = 0;
        while (s + k <= e && IsLiteralAt(s + k)) ++k;
        if (s + k > e) k = s + l < state.n ? 0 : e - s + 1;
        SetSelStart(state, 0);
        MoveCaret(state, s + k);
        return false;
    }
    int c = 0;
    while (IsLiteralAt(s - 1 - c)) ++c;
    if (c + 1 <= s) MoveCaret(state, s - (c + 1));
    return false;
}

bool TcxMaskEditStandardMode::ProcessRight() {
    const TState state = ReadState();
    const int s = state.selStart;
    const int l = state.selLength;
    if (edit_->GetShiftHeld()) {
        if (l == 1 && state.caret == s) edit_->SetSelLengthLocked(0);
        return true;
    }
    if (l < 2) {
        int c = 0;
        while (IsLiteralAt(s + 1 + c)) ++c;
        if (s + c + 1 <= state.n) MoveCaret(state, s + c + 1);
        return false;
    }
    int e = s + l;
    if (e < state.n) {
        int t = 0;
        while (e - 1 - t >= s && IsLiteralAt(e - 1 - t)) ++t;
        if (e - t == s) t = 0; // the whole selection is literal
        e -= t + 1;
    }
    SetSelStart(state, 0);
    MoveCaret(state, e);
    return false;
}

bool TcxMaskEditStandardMode::ProcessDelete() {
    const TState state = ReadState();
    std::vector<std::string> chars = state.chars;
    const int end = std::min(state.selStart + state.selLength, std::min(state.n, mask_.GetCount()));
    for (int i = state.selStart; i < end; ++i) {
        if (IsLiteralAt(i)) continue;
        // An empty blank (a date editor's designator) leaves the position as it is.
        if (const std::string& blank = GetBlankChar(i); !blank.empty()) chars[i] = blank;
        edit_->ShowText(JoinMaskChars(chars));
        MoveCaret(ReadState(), state.selStart);
    }
    return false;
}

bool TcxMaskEditStandardMode::ProcessBackspace() {
    if (ReadState().selLength <= 1) ProcessLeft();
    ProcessDelete();
    return false;
}

bool TcxMaskEditStandardMode::ProcessChar(std::string& character) {
    const TState state = ReadState();
    const int s = state.selStart;
    if (state.n == 0 || s >= state.n) return false;
    if (IsLiteralAt(s)) {
        // Typing over a literal writes into the next input position.
        edit_->SetShiftHeld(false);
        if (state.selLength > 1) ProcessDelete();
        const int before = ReadState().selStart;
        ProcessRight();
        if (ReadState().selStart != before) ProcessChar(character);
        return false;
    }
    if (s >= mask_.GetCount()) return false;
    std::string converted = character;
    if (!mask_.GetItem(s)->Check(converted)) return false;
    if (!edit_->IsCharAllowedAt(converted, s + 1)) return false;
    if (converted.empty()) {
        BeepIfAllowed();
        return false;
    }
    character = converted;
    if (state.selLength > 1) ProcessDelete();
    TState now = ReadState();
    now.chars[s] = converted;
    edit_->ShowText(JoinMaskChars(now.chars));
    SetSelStart(ReadState(), s);
    edit_->SetShiftHeld(false);
    ProcessRight();
    return false;
}

} // namespace zorvy
