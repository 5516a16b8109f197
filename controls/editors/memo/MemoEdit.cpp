// The memo's settings, cells, inner memo, checked editing, keys and registration.
#include "controls/editors/memo/MemoEdit.h"

#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/foundation/text/TextRows.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/win/Input.h"
#include "platform/win/Styles.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryMemoItem, "Memo|Represents an edit control that allows editing memo data");

namespace {
// Characters of text counted as the UTF-16 units a wide string holds.
std::size_t WideLength(std::string_view text) {
    return Utf8ToUtf16(text).size();
}

// The longest start of text that fits in units UTF-16 units, never cutting a character.
std::string CutToWideLength(const std::string& text, std::size_t units) {
    std::size_t used = 0, end = 0;
    while (end < text.size()) {
        const std::size_t next = NextCharIndex(text, end);
        const std::size_t width = WideLength(std::string_view(text).substr(end, next - end));
        if (used + width > units) break;
        used += width;
        end = next;
    }
    return text.substr(0, end);
}
} // namespace

std::string CutAtFirstLineBreak(const std::string& text, int limit) {
    std::string line = text.substr(0, text.find_first_of("\r\n"));
    if (limit > 0 && static_cast<std::size_t>(limit) < CharCount(line)) line = CopyChars(line, std::size_t(limit));
    return line;
}

// ---- settings ----

TcxCustomMemoProperties::TcxCustomMemoProperties(TPersistent* owner) : TcxCustomTextEditProperties(owner) {
    GetAlignment()->SetVert(taTopJustify);
    SetAutoSelect(false);
}

void TcxCustomMemoProperties::Assign(TPersistent* source) {
    BeginChanges();
    TcxCustomTextEditProperties::Assign(source);
    if (auto* other = dynamic_cast<TcxCustomMemoProperties*>(source)) {
        SetScrollBars(other->scrollBars_);
        SetVisibleLineCount(other->visibleLineCount_);
        SetWantReturns(other->wantReturns_);
        SetWantTabs(other->wantTabs_);
        SetWordWrap(other->wordWrap_);
    }
    EndChanges();
}

void TcxCustomMemoProperties::SetScrollBars(TScrollStyle value) {
    if (value == scrollBars_) return;
    scrollBars_ = value;
    Changed();
}

void TcxCustomMemoProperties::SetVisibleLineCount(int value) {
    value = std::max(value, 0);
    if (value == visibleLineCount_) return;
    visibleLineCount_ = value;
    Changed();
}

void TcxCustomMemoProperties::SetWantReturns(bool value) {
    if (value == wantReturns_) return;
    wantReturns_ = value;
    Changed();
}

void TcxCustomMemoProperties::SetWantTabs(bool value) {
    if (value == wantTabs_) return;
    wantTabs_ = value;
    Changed();
}

void TcxCustomMemoProperties::SetWordWrap(bool value) {
    if (value == wordWrap_) return;
    wordWrap_ = value;
    Changed();
}

void TcxCustomMemoProperties::FormatDisplayText(const Variant& value, std::string& text, bool isEditing) {
    // A text is cut before it is formatted: a long memo is not copied whole to show one line.
    if (!isEditing && value.IsString()) {
        TcxCustomTextEditProperties::FormatDisplayText(Variant(CutAtFirstLineBreak(value.RawString(), 250)), text,
                                                       false);
        return;
    }
    TcxCustomTextEditProperties::FormatDisplayText(value, text, false);
    if (!isEditing) text = CutAtFirstLineBreak(text, 250);
}

bool TcxCustomMemoProperties::UsesDefaultFormatting(bool) const {
    IcxEditDefaultValuesProvider* provider = GetDefaultValuesProvider();
    return !(provider && provider->IsBlobValue());
}

const TMetaClass* TcxCustomMemoProperties::GetEditControlClass() const {
    return TcxMemo::StaticClass();
}

TcxCustomEdit* TcxCustomMemoProperties::CreateEditControl(bool inplace) const {
    return new TcxMemo(nullptr, inplace, ClassType());
}

TcxCustomEditViewData* TcxCustomMemoProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag) {
    auto* viewData = new TcxCustomMemoViewData(this, style, isInplace);
    viewData->NoText = flag;
    return viewData;
}

// ---- cells ----

int TcxCustomMemoViewData::GetDrawTextFlags() const {
    auto* p = static_cast<TcxCustomMemoProperties*>(GetProperties());
    int flags = 0x4000;
    if (p->GetScrollBars() != ssHorizontal && p->GetScrollBars() != ssBoth && p->GetWordWrap()) flags |= 0x100 | 0x20000;
    static constexpr int Horz[] = {0, 2, 1}; // left, right, centre
    flags |= Horz[p->GetAlignment()->GetHorz()];
    return flags | 0x40 | 0x400;
}

void TcxCustomMemoViewData::EditValueToText(const Variant& value, std::string& text) {
    if (dynamic_cast<TcxCustomMemo*>(Edit)) {
        text.clear();
        return;
    }
    TcxCustomTextEditViewData::EditValueToText(value, text);
}

TRect TcxCustomMemoViewData::GetTextAreaRect() const {
    return IsInplace() ? TRect{1, 1, 1, 1} : TRect{1, 1, 1, 3};
}

void TcxCustomMemoViewData::MeasureOverflowSize(TcxCanvas* canvas, bool isInplace, const TcxEditSizeProperties& limits,
                                                TSize& overflow, TcxCustomEditViewInfo* viewInfo, TSize& frame) {
    TcxCustomTextEditViewData::MeasureOverflowSize(canvas, isInplace, limits, overflow, viewInfo, frame);
    auto* p = static_cast<TcxCustomMemoProperties*>(GetProperties());
    if (Edit && (p->GetScrollBars() == ssHorizontal || p->GetScrollBars() == ssBoth))
        overflow.cy += GetSystemMetrics(SM_CYHSCROLL);
    if (p->GetVisibleLineCount() > 0 && canvas) {
        canvas->GetCanvas()->GetFont()->Assign(GetEditStyle()->EffectiveFont());
        const TRect margins = GetTextAreaRect();
        const int wanted = margins.Top + margins.Bottom + p->GetVisibleLineCount() * canvas->GetCanvas()->TextHeight("Zg");
        overflow.cy = std::max(overflow.cy, wanted);
    }
}

// ---- the inner memo ----

TcxCustomInnerMemo::TcxCustomInnerMemo(TComponent* owner) : TMemo(owner) {
    SetCursor(crIBeam);
    SetParentColor(true);
    SetParentFont(true);
}

TcxCustomMemo* TcxCustomInnerMemo::Memo() const {
    return dynamic_cast<TcxCustomMemo*>(GetOwner());
}

TcxContainer* TcxCustomInnerMemo::GetControlContainer() {
    return Memo();
}

void TcxCustomInnerMemo::LockBounds(bool lock) {
    if (lock)
        ++boundsLock_;
    else if (boundsLock_ > 0)
        --boundsLock_;
}

void TcxCustomInnerMemo::SetBounds(int left, int top, int width, int height) {
    if (boundsLock_ > 0) return;
    TMemo::SetBounds(left, top, width, height);
}

void TcxCustomInnerMemo::CreateParams(TCreateParams& params) {
    TMemo::CreateParams(params);
    params.exStyle &= ~WS_EX_CLIENTEDGE;
}

void TcxCustomInnerMemo::KeyDown(std::uint16_t& key, TShiftState shift) {
    TWeakLink<TcxCustomInnerMemo> self(this);
    if (TcxCustomMemo* memo = Memo()) memo->KeyDown(key, shift);
    if (self && key != 0) TMemo::KeyDown(key, shift);
}

void TcxCustomInnerMemo::KeyPress(char32_t& key) {
    TWeakLink<TcxCustomInnerMemo> self(this);
    if (TcxCustomMemo* memo = Memo()) memo->KeyPress(key);
    if (self && key != 0) TMemo::KeyPress(key);
}

void TcxCustomInnerMemo::KeyUp(std::uint16_t& key, TShiftState shift) {
    TcxCustomMemo* memo = Memo();
    // A Tab that is no text leaves as a focus move, not as a key of the memo.
    if (key == VK_TAB && memo && !memo->GetMemoProperties()->GetWantTabs()) key = 0;
    TWeakLink<TcxCustomInnerMemo> self(this);
    if (memo && key != 0) memo->KeyUp(key, shift);
    if (self && key != 0) TMemo::KeyUp(key, shift);
}

void TcxCustomInnerMemo::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomInnerMemo> self(this);
    TMemo::MouseDown(button, shift, x, y);
    TcxCustomMemo* memo = self ? Memo() : nullptr;
    if (!memo) return;
    memo->InnerMouseDown = true;
    TWeakLink<TcxCustomMemo> link(memo);
    memo->MouseDown(button, shift, x + GetLeft(), y + GetTop());
    if (link) memo->InnerMouseDown = false;
}

void TcxCustomInnerMemo::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomInnerMemo> self(this);
    TMemo::MouseUp(button, shift, x, y);
    if (TcxCustomMemo* memo = self ? Memo() : nullptr) memo->MouseUp(button, shift, x + GetLeft(), y + GetTop());
}

// ---- the memo ----

TcxCustomMemo::TcxCustomMemo(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomEdit(owner, inplace, propertiesClass), inner_(new TcxCustomInnerMemo(this)) {
    inner_->SetParent(this);
    SetInnerEdit(inner_);
    if (inplace) SetWantedKeys(wkAllKeys | wkArrowKeys);
    SetBounds(GetLeft(), GetTop(), 185, 89);
    ApplyPropertiesChange(GetEffectiveProperties());
}

bool TcxCustomMemo::AutoSizeInEffect() const {
    return !IsInplace() && GetMemoProperties()->GetVisibleLineCount() >= 1;
}

bool TcxCustomMemo::IsLineBreakOrTabKey(std::uint16_t key, TShiftState shift, bool isCharacter) const {
    TcxCustomMemoProperties* p = GetMemoProperties();
    if (key == VK_RETURN) return p->GetWantReturns() || (shift & ssCtrl);
    if (key == VK_TAB) return p->GetWantTabs() || isCharacter;
    return false;
}

bool TcxCustomMemo::IsEditingKey(std::uint16_t key, TShiftState shift) const {
    return key == VK_DELETE || key == VK_BACK || IsLineBreakOrTabKey(key, shift, false);
}

bool TcxCustomMemo::IsEditingChar(char32_t ch) const {
    return ch >= 32 || ch == 8 || IsLineBreakOrTabKey(static_cast<std::uint16_t>(ch), CurrentShiftState(), true);
}

void TcxCustomMemo::CommitUnlessUserChange() {
    if (IsUserChange()) return;
    StoreEditValue(Variant(GetText()));
    SetEditModified(false);
}

void TcxCustomMemo::ReplaceSelectedText(const std::string& text) {
    std::string inserted = text;
    const int maxLength = GetMemoProperties()->GetMaxLength();
    if (IsFocused() && maxLength > 0) {
        const std::string whole = GetText();
        const std::size_t start = std::min(inner_->GetSelStart(), whole.size());
        const std::size_t end = std::min(start + inner_->GetSelLength(), whole.size());
        const std::size_t kept = WideLength(whole.substr(0, start)) + WideLength(whole.substr(end));
        if (kept + WideLength(inserted) > std::size_t(maxLength)) {
            if (kept >= std::size_t(maxLength)) return;
            inserted = CutToWideLength(inserted, std::size_t(maxLength) - kept);
            if (inserted.empty()) return;
        }
    }
    if (IsFocused() && !RequestEditing()) return;
    const bool wasUser = IsUserChange();
    IsFocused() ? BeginUserChange() : EndUserChange();
    inner_->SetSelText(inserted);
    ValueChangedByUser();
    CommitUnlessUserChange();
    wasUser ? BeginUserChange() : EndUserChange();
}

void TcxCustomMemo::DeleteSelection() {
    if (inner_->GetSelLength() == 0) return;
    if (IsFocused() && !RequestEditing()) return;
    const bool wasUser = IsUserChange();
    IsFocused() ? BeginUserChange() : EndUserChange();
    inner_->ClearSelection();
    ValueChangedByUser();
    CommitUnlessUserChange();
    wasUser ? BeginUserChange() : EndUserChange();
}

void TcxCustomMemo::CopyToClipboard() {
    inner_->CopyToClipboard();
}

void TcxCustomMemo::CutToClipboard() {
    if (inner_->GetSelLength() == 0) return;
    if (GetMemoProperties()->GetReadOnly()) return CopyToClipboard();
    inner_->CopyToClipboard();
    DeleteSelection();
}

void TcxCustomMemo::PasteFromClipboard() {
    if (GetMemoProperties()->GetReadOnly()) return;
    if (std::optional<std::string> text = GetClipboardText()) ReplaceSelectedText(*text);
}

void TcxCustomMemo::ShowDisplayValue(const Variant& value) {
    ShowText(value.IsString() ? value : Variant(VarToStr(value)));
}

void TcxCustomMemo::StoreEditValue(const Variant& value) {
    showsEditValue_ = false;
    TcxCustomEdit::StoreEditValue(value);
}

void TcxCustomMemo::ShowText(Variant text) {
    showsEditValue_ = false;
    // The same text again is not laid out anew, and the caret and selection stay. The text last shown
    // is compared rather than the lines joined, which a long memo would pay for on every showing.
    if (shownValid_ && text.RawString() == shown_.RawString()) return;
    settingText_ = true;
    inner_->SetText(text.RawString());
    settingText_ = false;
    shown_ = std::move(text);
    shownValid_ = true;
}

void TcxCustomMemo::ValueChangedByUser() {
    shownValid_ = false;
    TcxCustomEdit::ValueChangedByUser();
}

void TcxCustomMemo::ShowEditValue() {
    TcxCustomMemoProperties* p = GetMemoProperties();
    const bool plain = p->GetCharCase() == ecNormal && p->GetEchoMode() == eemNormal;
    // Entering the editor shows the stored value again: a long memo is not copied to learn that.
    if (plain && shownValid_ && showsEditValue_) return;
    Variant value = GetEditValue();
    // Plain text shows as it is: a long memo is not copied through the formatting, and the copy of
    // the value becomes the text kept as shown.
    if (plain && value.IsString()) {
        ShowText(std::move(value));
        showsEditValue_ = true;
        return;
    }
    std::string text;
    GetMemoProperties()->FormatDisplayText(GetEditValue(), text, true);
    ShowDisplayValue(Variant(text));
}

void TcxCustomMemo::ApplyDisplayValue(const Variant& value) {
    ShowDisplayValue(value);
    if (IsUserChange()) return;
    StoreEditValue(Variant(GetText()));
    SetEditModified(false);
}

void TcxCustomMemo::ApplyPropertiesChange(TcxCustomEditProperties* properties) {
    if (!inner_) return;
    TcxCustomMemoProperties* p = GetMemoProperties();
    inner_->SetScrollBars(p->GetScrollBars());
    inner_->WantReturns = p->GetWantReturns();
    inner_->WantTabs = p->GetWantTabs();
    inner_->SetWordWrap(p->GetWordWrap());
    inner_->ReadOnly = p->GetReadOnly();
    TcxCustomEdit::ApplyPropertiesChange(properties);
}

void TcxCustomMemo::ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) {
    TcxCustomEdit::ProcessEditKeyDown(key, shift);
    if (key == 0) return;
    const TShiftState mods = shift & (ssShift | ssCtrl | ssAlt);
    // Ctrl+A selects everything there is; the edit control never sees it.
    if (key == 'A' && mods == ssCtrl) {
        if (GetLines()->GetCount() > 0 && !GetText().empty()) {
            inner_->SelectAll();
            FireKeyEvent(key, shift);
            key = 0;
        }
        return;
    }
    // Pasting, cutting and line breaks go through the checked operations.
    const bool paste = (key == 'V' && mods == ssCtrl) || (key == VK_INSERT && mods == ssShift);
    const bool cut = (key == 'X' && mods == ssCtrl) || (key == VK_DELETE && mods == ssShift);
    if (paste || cut) {
        BeginUserChange();
        paste ? PasteFromClipboard() : CutToClipboard();
        EndUserChange();
        key = 0;
    }
}

void TcxCustomMemo::ProcessEditKeyPress(char32_t& ch) {
    TcxCustomEdit::ProcessEditKeyPress(ch);
    if (ch == 0 || GetMemoProperties()->GetReadOnly()) return;
    std::string text;
    if (ch == 13) {
        if (!IsLineBreakOrTabKey(VK_RETURN, CurrentShiftState(), true)) return;
        text = "\r\n";
    } else if (ch == 9) {
        if (!GetMemoProperties()->GetWantTabs()) return;
        text = "\t";
    } else if (ch >= 32) {
        text = CodePointToUtf8(ch);
    } else {
        return;
    }
    BeginUserChange();
    ReplaceSelectedText(text);
    EndUserChange();
    ch = 0;
}

void TcxMemo::SetLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines[i];
    }
    SetText(text);
}

// ---- filtering and registration ----

const TMetaClass* TcxFilterMemoHelper::GetEditorClassForFilter(TcxCustomEditProperties*, TcxInplaceEditList*) const {
    return TcxTextEditProperties::StaticClass();
}

TcxFilterControlOperators TcxFilterMemoHelper::GetAllowedOperators(TcxCustomEditProperties*, TcxValueTypeClass,
                                                                   bool) const {
    return FilterOperatorBit(fcoLike) | FilterOperatorBit(fcoNotLike) | FilterOperatorBit(fcoBlanks) |
           FilterOperatorBit(fcoNonBlanks);
}

namespace {
int memoUnitCounter = 0;
}

void InitializeMemoUnit() {
    if (memoUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxMemoProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryMemoItem));
    GetFilterEditHelperRegistry()->AddPair(TcxMemoProperties::StaticClass(), TcxFilterMemoHelper::StaticClass());
}

void FinalizeMemoUnit() {
    if (memoUnitCounter == 0 || --memoUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxMemoProperties::StaticClass(), TcxFilterMemoHelper::StaticClass());
}

} // namespace zorvy
