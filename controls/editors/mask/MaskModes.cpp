// The base mask mode and the standard mode: values and shown texts through the classic mask, and the
// caret moves, deletions, typing and pasting over its positions.
#include "controls/editors/mask/MaskModes.h"

#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>
#include <vector>

namespace zorvy {

bool IsMaskEmpty(const std::string& mask) {
    return std::all_of(mask.begin(), mask.end(), [](char c) {
        return c == ' ' || c == '\0' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
    });
}

// ---- the base mode ----

TcxMaskEditCustomMode::TcxMaskEditCustomMode(TcxMaskEditModeEdit* edit, TcxMaskEditModeProperties* properties)
    : properties_(edit ? nullptr : properties), edit_(edit) {}

TcxMaskEditModeProperties* TcxMaskEditCustomMode::GetProperties() const {
    return edit_ ? edit_->GetModeProperties() : properties_;
}

void TcxMaskEditCustomMode::BeepIfAllowed() {
    if (TcxMaskEditModeProperties* properties = GetProperties(); properties && properties->GetBeepOnError())
        MessageBeep(0);
}

void TcxMaskEditCustomMode::SyncEditValue() {
    if (!HasUsableEdit()) return;
    std::string shown;
    if (edit_->IsModifiedAfterEnter()) {
        shown = FormatWithMask(edit_->ReadShownText(), true);
    } else {
        Variant displayValue;
        GetProperties()->ToDisplayValue(edit_->GetValue(), displayValue, edit_->IsFocused());
        shown = VarToStr(displayValue);
    }
    edit_->ShowText(shown);
}

// ---- the standard mode: texts and values ----

int TcxMaskEditStandardMode::TState::CharAt(int byte) const {
    return static_cast<int>(std::upper_bound(offsets.begin(), offsets.end(), byte) - offsets.begin()) - 1;
}

TcxMaskEditStandardMode::TState TcxMaskEditStandardMode::ReadState() const {
    TState state;
    state.chars = SplitMaskChars(edit_->GetInnerText());
    state.n = static_cast<int>(state.chars.size());
    int offset = 0;
    for (const std::string& c : state.chars) {
        state.offsets.push_back(offset);
        offset += static_cast<int>(c.size());
    }
    state.offsets.push_back(offset);
    const int start = std::clamp(edit_->GetSelectionStart(), 0, offset);
    const int end = std::clamp(start + std::max(edit_->GetSelectionLength(), 0), 0, offset);
    state.selStart = std::max(state.CharAt(start), 0);
    // A selection that ends inside a character takes that character whole.
    int endChar = std::max(state.CharAt(end), 0);
    if (state.offsets[endChar] < end) ++endChar;
    state.selLength = endChar - state.selStart;
    state.caret = std::max(state.CharAt(std::clamp(edit_->GetCaretPosition(), 0, offset)), 0);
    return state;
}

bool TcxMaskEditStandardMode::IsLiteralAt(int position) const {
    return position >= 0 && position < mask_.GetCount() && mask_.IsLiteral(position);
}

void TcxMaskEditStandardMode::SetSelStart(const TState& state, int position) {
    edit_->SetSelStartLocked(state.Byte(position));
}

void TcxMaskEditStandardMode::MoveCaret(const TState& state, int position) {
    SetSelStart(state, position);
    RefreshMaskDisplay();
}

const std::string& TcxMaskEditStandardMode::GetBlankChar(int) const {
    return mask_.GetBlank();
}

void TcxMaskEditStandardMode::CompileMask(const std::string& mask) {
    maskText_ = mask;
    if (IsMaskEmpty(mask)) {
        // A stale mask must not go on shaping texts once none is in force.
        mask_.Clear();
        return;
    }
    mask_.Prepare(mask);
    needsEditValue_ = !HasUsableEdit();
}

std::string TcxMaskEditStandardMode::GetEmptyMaskText() {
    return mask_.GetEmptyValue();
}

std::string TcxMaskEditStandardMode::FormatWithMask(const std::string& text, bool textHoldsLiterals) {
    std::string result = text;
    mask_.Format(result, true, textHoldsLiterals);
    return result;
}

std::string TcxMaskEditStandardMode::GetDisplayTextForMask(const std::string& text, bool textHoldsLiterals) {
    if (mask_.GetCount() == 0) return text;
    std::string result = text;
    mask_.Format(result, charCase_ == ecNormal, textHoldsLiterals);
    mask_.ExtractValue(result);
    return result;
}

bool TcxMaskEditStandardMode::IsTextValid(const std::string& text) {
    if (mask_.IsValid(text)) return true;
    TcxMaskEditModeProperties* properties = GetProperties();
    return properties && properties->GetIgnoreMaskBlank() && text == FormatWithMask("", true);
}

void TcxMaskEditStandardMode::UpdateEditValue() {
    if (!needsEditValue_ || !edit_) return;
    edit_->SetValueAsUser(Variant(mask_.GetEmptyValue()));
    needsEditValue_ = false;
}

void TcxMaskEditStandardMode::SetText(const std::string&) {
    RefreshMaskDisplay();
}

void TcxMaskEditStandardMode::SyncEditValue() {
    TcxMaskEditCustomMode::SyncEditValue();
    RefreshMaskDisplay();
}

void TcxMaskEditStandardMode::RefreshMaskDisplay() {
    if (!edit_ || !edit_->HandleAllocated() || IsMaskEmpty(maskText_)) return;
    const TState state = ReadState();
    if (state.selLength == 0)
        edit_->SetSelLengthLocked(state.Byte(state.selStart + 1) - state.Byte(state.selStart));
}

// ---- the standard mode: pasting ----

void TcxMaskEditStandardMode::BeforePaste() {
    const TState state = ReadState();
    savedCaret_ = state.selStart;
    SetSelStart(state, state.selStart);
    // The paste overwrites as many positions as it brings characters.
    edit_->SetSelLengthLocked(state.Byte(state.selStart + clipboardTextLength_) - state.Byte(state.selStart));
}

void TcxMaskEditStandardMode::AfterPaste() {
    const TState state = ReadState();
    int position = savedCaret_ + clipboardTextLength_;
    if (position >= state.n) position = state.n - 1;
    if (position < 0) position = 0;
    MoveCaret(state, position);
    if (IsLiteralAt(position)) {
        edit_->SetShiftHeld(false);
        ProcessRight();
    }
}

} // namespace zorvy
