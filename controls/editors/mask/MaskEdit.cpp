// The masked editor's settings and control: compiling the mask into the edit's mode, values shown
// through the mask, and the keys, characters and pastes the mode handles.
#include "controls/editors/mask/MaskEdit.h"

#include "platform/rtl/Encoding.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/Strings.h"
#include "platform/classlib/Menus.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxMaskEditInvalidEditValue, "The edit value is invalid");

// ---- settings ----

TcxCustomMaskEditProperties::TcxCustomMaskEditProperties(TPersistent* owner) : TcxCustomTextEditProperties(owner) {
    ValidateOnEnter = true;
}

TcxCustomMaskEditProperties::~TcxCustomMaskEditProperties() = default;

void TcxCustomMaskEditProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomMaskEditProperties*>(source);
    if (!other) {
        TcxCustomTextEditProperties::Assign(source);
        return;
    }
    BeginChanges();
    TcxCustomTextEditProperties::Assign(source);
    SetMaskKind(other->maskKind_);
    SetEditMask(other->GetEditMask()); // the mask in force there, also a data source's
    SetCaseInsensitive(other->caseInsensitive_);
    SetIgnoreMaskBlank(other->ignoreMaskBlank_);
    SetAlwaysShowBlanksAndLiterals(other->alwaysShowBlanksAndLiterals_);
    EndChanges();
}

void TcxCustomMaskEditProperties::SetMaskKind(TcxEditMaskKind value) {
    if (maskKind_ == value) return;
    maskKind_ = value;
    Changed();
}

std::string TcxCustomMaskEditProperties::GetEditMask() const {
    if (editMask_.empty() && maskKind_ == emkStandard)
        if (IcxEditDefaultValuesProvider* provider = GetDefaultValuesProvider()) return provider->GetEditMask();
    return editMask_;
}

void TcxCustomMaskEditProperties::SetEditMask(const std::string& value) {
    const bool changed = value != GetEditMask();
    // A mask that does not compile raises here and is not stored.
    if (changed && !IsMaskEmpty(value)) CreateMode()->CompileMask(value);
    editMask_ = value;
    if (changed) Changed();
}

void TcxCustomMaskEditProperties::SetAlwaysShowBlanksAndLiterals(bool value) {
    if (alwaysShowBlanksAndLiterals_ == value) return;
    alwaysShowBlanksAndLiterals_ = value;
    Changed();
}

void TcxCustomMaskEditProperties::SetCaseInsensitive(bool value) {
    caseInsensitive_ = GetCharCase() != ecNormal || value;
    Changed();
}

void TcxCustomMaskEditProperties::SetCharCase(TEditCharCase value) {
    if (value != ecNormal) caseInsensitive_ = true;
    TcxCustomTextEditProperties::SetCharCase(value);
}

std::unique_ptr<TcxMaskEditCustomMode> TcxCustomMaskEditProperties::CreateMode(TcxMaskEditModeEdit* edit) const {
    // Detached, the mode reads these settings; attached, its edit's.
    auto* properties = edit ? nullptr : const_cast<TcxCustomMaskEditProperties*>(this);
    switch (maskKind_) {
    case emkStandard:
        return std::make_unique<TcxMaskEditStandardMode>(edit, properties);
    case emkRegExpr:
        return std::make_unique<TcxMaskEditRegExprMode>(edit, properties);
    default:
        return std::make_unique<TcxMaskEditRegExprExMode>(edit, properties);
    }
}

std::unique_ptr<TcxMaskEditCustomMode> TcxCustomMaskEditProperties::CreateCompiledMode() const {
    const std::string mask = GetEditMask();
    if (IsMaskEmpty(mask)) return nullptr;
    std::unique_ptr<TcxMaskEditCustomMode> mode = CreateMode();
    mode->CompileMask(mask);
    return mode;
}

void TcxCustomMaskEditProperties::Changed() {
    displayMode_.reset();
    TcxCustomTextEditProperties::Changed();
}

void TcxCustomMaskEditProperties::MaxLengthChanged() {
    if (!HasMask() || maxLengthGuard_) {
        TcxCustomTextEditProperties::MaxLengthChanged();
        return;
    }
    maxLengthGuard_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{maxLengthGuard_};
    BeginChanges();
    SetMaxLength(0);
    EndChanges(true);
}

bool TcxCustomMaskEditProperties::UsesLookupList() const {
    return !HasMask() && TcxCustomTextEditProperties::UsesLookupList();
}

bool TcxCustomMaskEditProperties::IsValidEditValue(const Variant& value, bool isEditing) const {
    return HasMask() || TcxCustomTextEditProperties::IsValidEditValue(value, isEditing);
}

void TcxCustomMaskEditProperties::ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) {
    IcxEditDefaultValuesProvider* provider = GetDefaultValuesProvider();
    if (!HasMask() || (!isEditing && provider && provider->HasDisplayFormat(true))) {
        TcxCustomTextEditProperties::ToDisplayValue(value, displayValue, isEditing);
        return;
    }
    const std::string text = VarToStr(value);
    if (!displayMode_ || displayMode_->GetMaskText() != GetEditMask()) displayMode_ = CreateCompiledMode();
    if (!displayMode_) return;
    if (isEditing || alwaysShowBlanksAndLiterals_)
        displayValue = Variant(displayMode_->FormatWithMask(text, false));
    else
        displayValue = Variant(displayMode_->GetDisplayTextForMask(text, false));
}

void TcxCustomMaskEditProperties::VerifyDisplayValue(Variant& displayValue, std::string& errorText,
                                                     TcxCustomEdit* edit, bool& error) {
    if (!error && HasMask()) {
        auto* maskEdit = dynamic_cast<TcxCustomMaskEdit*>(edit);
        TcxMaskEditCustomMode* mode = maskEdit ? maskEdit->GetMode() : nullptr;
        if (mode && !mode->IsTextValid(VarToStr(displayValue))) {
            error = true;
            errorText = ResolveResourceString(scxMaskEditInvalidEditValue);
        }
    }
    TcxCustomTextEditProperties::VerifyDisplayValue(displayValue, errorText, edit, error);
}

const TMetaClass* TcxCustomMaskEditProperties::GetEditControlClass() const {
    return TcxMaskEdit::StaticClass();
}

TcxCustomEdit* TcxCustomMaskEditProperties::CreateEditControl(bool inplace) const {
    return new TcxMaskEdit(nullptr, inplace, ClassType());
}

// ---- the control ----

TcxCustomMaskEdit::TcxCustomMaskEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomTextEdit(owner, inplace, propertiesClass), mode_(GetMaskProperties()->CreateMode(this)) {
    StoreEmptyText();
    // A selection the edit did not make itself shows the one-character caret again; a handler the
    // text editor installed still runs first.
    GetInnerTextEdit()->OnSelChange = [this, textEditHandler = GetInnerTextEdit()->OnSelChange](TObject* sender) {
        if (textEditHandler) textEditHandler(sender);
        if (!selectionLock_ && mode_) mode_->RefreshMaskDisplay();
    };
    ApplyPropertiesChange(GetEffectiveProperties());
}

TcxCustomMaskEdit::~TcxCustomMaskEdit() = default;

std::string TcxCustomMaskEdit::GetEmptyMaskText() const {
    return HasMask() && mode_ ? mode_->GetEmptyMaskText() : std::string();
}

void TcxCustomMaskEdit::StoreEmptyText() {
    GetMaskProperties()->SetEmptyText(GetEmptyMaskText());
}

void TcxCustomMaskEdit::ApplyPropertiesChange(TcxCustomEditProperties* properties) {
    if (!mode_) {
        TcxCustomTextEdit::ApplyPropertiesChange(properties);
        return;
    }
    TcxCustomMaskEditProperties* p = GetMaskProperties();
    const std::string mask = p->GetEditMask();
    const bool maskChanged = mask != mode_->GetMaskText();
    const bool kindChanged = mode_->ModeMaskKind() != p->GetMaskKind();
    if (kindChanged) {
        // Between the standard and the regular-expression kinds a mask means something else: it goes,
        // unless a new one came with the new kind.
        const bool wasStandard = mode_->ModeMaskKind() == emkStandard;
        if (wasStandard != (p->GetMaskKind() == emkStandard)) {
            p->ClearStoredEditMask();
            if (maskChanged) p->SetStoredEditMaskQuietly(mask);
        }
        mode_ = p->CreateMode(this);
        if (!maskChanged && !IsMaskEmpty(p->GetEditMask())) mode_->CompileMask(p->GetEditMask());
        StoreEmptyText();
    }
    const bool caseChanged = p->GetCharCase() != mode_->GetCharCase();
    if (maskChanged) {
        if (p->GetMaxLength() != 0) {
            p->SuppressChanged(true);
            p->SetMaxLength(0);
            p->SuppressChanged(false);
        }
        mode_->CompileMask(mask);
        // Without a mask the one-character caret goes.
        if (IsMaskEmpty(mask) && HandleAllocated()) {
            const std::string text = GetText();
            const int start = GetSelectionStart();
            if (start < static_cast<int>(text.size()) && GetSelectionLength() == static_cast<int>(CharLengthAt(text, start)))
                SetSelLengthLocked(0);
        }
        StoreEmptyText();
    }
    if (caseChanged) {
        mode_->SetCharCase(p->GetCharCase());
        if (p->GetCharCase() == ecNormal) {
            GetInnerTextEdit()->SetCharCase(ecNormal);
            if (HasMask()) mode_->SyncEditValue();
        }
    }
    // Hiding or showing the text keeps the selection.
    const bool echoChanged = p->GetEchoMode() != recordedEchoMode_ && HandleAllocated();
    const int selStart = echoChanged ? GetInnerTextEdit()->GetSelStart() : 0;
    const int selLength = echoChanged ? GetInnerTextEdit()->GetSelLength() : 0;
    TcxCustomTextEdit::ApplyPropertiesChange(properties);
    if (echoChanged) {
        GetInnerTextEdit()->SetSelStart(selStart);
        GetInnerTextEdit()->SetSelLength(selLength);
    }
    recordedEchoMode_ = p->GetEchoMode();
    // The mask sets the length; a length limit would cut the template.
    if (HasMask()) GetInnerTextEdit()->SetMaxLength(0);
    if ((maskChanged || kindChanged) && HasMask()) mode_->SyncEditValue();
    if (HasMask() && !GetEditValue().IsNull()) mode_->UpdateEditValue();
    if (auto* regExpr = dynamic_cast<TcxMaskEditRegExprMode*>(mode_.get()))
        regExpr->Expression().SetCaseInsensitive(p->GetCaseInsensitive());
    if (maskChanged || kindChanged || caseChanged) UpdateValueText();
}

void TcxCustomMaskEdit::ShowEditValue() {
    TcxCustomTextEdit::ShowEditValue();
    if (mode_ && HasMask()) mode_->SetText(GetText());
}

std::string TcxCustomMaskEdit::TextToEditValue(const std::string& displayText) const {
    // Focused, the text shows the mask; unfocused it is already the value form, unless the blanks
    // and literals stay in sight of a mask that does not save its literals.
    auto* standard = dynamic_cast<TcxMaskEditStandardMode*>(mode_.get());
    if (IsFocused() || !standard ||
        (!standard->GetMask().GetSaveLiteralCharacters() && GetMaskProperties()->GetAlwaysShowBlanksAndLiterals()))
        return mode_->GetDisplayTextForMask(displayText, true);
    return displayText;
}

void TcxCustomMaskEdit::UpdateValueText() {
    valueText_ = mode_ ? TextToEditValue(GetText()) : GetText();
}

void TcxCustomMaskEdit::ApplyDisplayValue(const Variant& value) {
    // While loading, the text is taken as it is; Loaded puts it through the mask once.
    if (!mode_ || !HasMask() || IsBeingLoaded()) {
        TcxCustomTextEdit::ApplyDisplayValue(value);
        return;
    }
    const std::string text = VarToStr(value);
    const bool standard = mode_->ModeMaskKind() == emkStandard;
    const std::string shown = IsFocused() || !standard || GetMaskProperties()->GetAlwaysShowBlanksAndLiterals()
                                  ? mode_->FormatWithMask(text, true)
                                  : mode_->GetDisplayTextForMask(text, true);
    ShowDisplayValue(Variant(shown));
    if (!IsUserChange()) {
        StoreEditValue(Variant(TextToEditValue(shown)));
        SetEditModified(false);
    }
    mode_->SetText(GetText());
}

void TcxCustomMaskEdit::SetValueAsUser(const Variant& value) {
    TcxCustomTextEdit::SetValueAsUser(value);
}

bool TcxCustomMaskEdit::AcceptText(const std::string& text) {
    if (!mode_ || !HasMask()) return TcxCustomTextEdit::AcceptText(text);
    // Refused editing writes nothing, and says so.
    if (IsUserChange() && !RequestEditing()) return false;
    SetValueAsUser(Variant(text));
    UpdateValueText();
    if (VarToStr(GetEditValue()) != valueText_ || GetEditValue().IsNull()) StoreEditValue(Variant(valueText_));
    return true;
}

void TcxCustomMaskEdit::ValueChangedByUser() {
    UpdateValueText();
    TcxCustomTextEdit::ValueChangedByUser();
}

void TcxCustomMaskEdit::ApplyTextAsDisplayValue() {
    ApplyDisplayValue(Variant(GetText()));
}

void TcxCustomMaskEdit::Loaded() {
    TcxCustomTextEdit::Loaded();
    HoldChangeEvents(true, false);
    struct Release {
        TcxCustomMaskEdit* edit;
        ~Release() { edit->HoldChangeEvents(false, false); }
    } release{this};
    ApplyTextAsDisplayValue();
}

bool TcxCustomMaskEdit::PreviewInnerMessage(TMessage& m) {
    const bool press = m.Msg == WM_LBUTTONDOWN;
    const bool drag = m.Msg == WM_MOUSEMOVE && (m.WParam & MK_LBUTTON);
    if (!(press || drag) || previewingMouse_ || !mode_ || !HasMask())
        return TcxCustomTextEdit::PreviewInnerMessage(m);
    previewingMouse_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{previewingMouse_};
    TWeakLink<TcxCustomMaskEdit> self(this);
    GetInnerTextEdit()->WindowProc(m); // the inner edit places the caret first
    if (!self) return true;
    // A drag extends the selection as Shift would.
    const bool shiftHeld = shiftHeld_;
    if (drag) shiftHeld_ = true;
    mode_->RefreshMaskDisplay();
    shiftHeld_ = shiftHeld;
    return true;
}

void TcxCustomMaskEdit::ReplaceSelectedText(const std::string& text) {
    if (!mode_ || !HasMask()) {
        GetInnerTextEdit()->SetSelText(text);
        return;
    }
    mode_->SetClipboardTextLength(static_cast<int>(CharCount(text)));
    mode_->BeforePaste();
    GetInnerTextEdit()->SetSelText(text);
    mode_->AfterPaste();
}

void TcxCustomMaskEdit::PasteFromClipboard() {
    if (!mode_ || !HasMask()) {
        TcxCustomTextEdit::PasteFromClipboard();
        return;
    }
    const std::optional<std::string> clip = GetClipboardText();
    if (!clip || (IsFocused() && !RequestEditing())) return;
    BeginUserChange();
    struct End {
        TcxCustomMaskEdit* edit;
        ~End() { edit->EndUserChange(); }
    } end{this};
    ReplaceSelectedText(*clip);
}

void TcxCustomMaskEdit::CutToClipboard() {
    if (!mode_ || !HasMask()) {
        TcxCustomTextEdit::CutToClipboard();
        return;
    }
    if (IsFocused() && !RequestEditing()) return;
    CopyToClipboard();
    BeginUserChange();
    struct End {
        TcxCustomMaskEdit* edit;
        ~End() { edit->EndUserChange(); }
    } end{this};
    if (mode_->ProcessDelete()) SendCharToSelf(8);
}

std::string TcxCustomMaskEdit::ReadInnerText() {
    // The value form of what is shown now, so a value the program set reads as well as a typed one.
    if (!mode_ || !HasMask()) return ReadDisplayText();
    return TextToEditValue(GetText());
}

void TcxCustomMaskEdit::Dispatch(TMessage& m) {
    if ((m.Msg != WM_GETTEXT && m.Msg != WM_GETTEXTLENGTH) || !GetInnerTextEdit() || !mode_ || !HasMask()) {
        TcxCustomTextEdit::Dispatch(m);
        return;
    }
    std::string text = ReadInnerText();
    if (m.Msg == WM_GETTEXT) {
        // Cut on a character boundary, never inside a character.
        if (m.WParam > 0) {
            std::size_t fits = 0;
            for (std::size_t next; fits < text.size() && (next = fits + CharLengthAt(text, fits)) <= m.WParam - 1;)
                fits = next;
            text.resize(fits);
        }
        if (m.LParam) *reinterpret_cast<std::string*>(m.LParam) = text;
    }
    m.Result = static_cast<LRESULT>(text.size());
}

void TcxCustomMaskEdit::ActivateInplace(char32_t key, TcxCustomEditData*& data) {
    if (!mode_ || !HasMask()) {
        TcxCustomTextEdit::ActivateInplace(key, data);
        return;
    }
    TcxCustomInnerTextEdit* inner = GetInnerTextEdit();
    const bool redrawSwitched = inner && inner->HandleAllocated();
    if (redrawSwitched) SendMessage(inner->GetHandle(), WM_SETREDRAW, 0, 0);
    TWeakLink<TcxCustomInnerTextEdit> innerLink(inner);
    struct Redraw {
        TWeakLink<TcxCustomInnerTextEdit>& inner;
        bool switched;
        ~Redraw() {
            TcxCustomInnerTextEdit* edit = inner.Get();
            if (!switched || !edit || !edit->HandleAllocated()) return;
            SendMessage(edit->GetHandle(), WM_SETREDRAW, 1, 0);
            edit->Invalidate();
        }
    } redraw{innerLink, redrawSwitched};
    TWeakLink<TcxCustomMaskEdit> self(this);
    AttachEditData(data);
    if (self && key != 0 && ForwardsActivationKey(key) && HandleAllocated()) SendMessage(handle_, WM_CHAR, key, 0);
}

void TcxCustomMaskEdit::DoEnter() {
    if (mode_ && HasMask() && GetMaskProperties()->GetAutoSelect()) mode_->PrepareForSelectAll();
    TcxCustomTextEdit::DoEnter();
}

void TcxCustomMaskEdit::DblClick() {
    if (mode_ && HasMask()) mode_->PrepareForSelectAll();
    TcxCustomTextEdit::DblClick();
}

void TcxCustomMaskEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (!keySending_) TcxCustomTextEdit::KeyDown(key, shift);
}

void TcxCustomMaskEdit::KeyPress(char32_t& key) {
    if (!keySending_) TcxCustomTextEdit::KeyPress(key);
}

void TcxCustomMaskEdit::KeyUp(std::uint16_t& key, TShiftState shift) {
    if (!keySending_) TcxCustomTextEdit::KeyUp(key, shift);
}

// ---- what the mode sees ----

bool TcxCustomMaskEdit::HandleAllocated() const {
    return GetInnerTextEdit() && GetInnerTextEdit()->HandleAllocated();
}

int TcxCustomMaskEdit::GetSelectionStart() const {
    return GetInnerTextEdit()->GetSelStart();
}

int TcxCustomMaskEdit::GetSelectionLength() const {
    return GetInnerTextEdit()->GetSelLength();
}

void TcxCustomMaskEdit::SetSelStartLocked(int start) {
    selectionLock_ = true;
    GetInnerTextEdit()->SetSelStart(start);
    selectionLock_ = false;
}

void TcxCustomMaskEdit::SetSelLengthLocked(int length) {
    selectionLock_ = true;
    GetInnerTextEdit()->SetSelLength(length);
    selectionLock_ = false;
}

void TcxCustomMaskEdit::ShowText(const std::string& text) {
    GetInnerTextEdit()->SetText(text);
}

void TcxCustomMaskEdit::SendKeyToSelf(uint16_t key) {
    keySending_ = true;
    try {
        SendMessage(GetInnerTextEdit()->GetHandle(), WM_KEYDOWN, key, 0);
    } catch (...) {
        keySending_ = false;
        throw;
    }
    keySending_ = false;
}

void TcxCustomMaskEdit::SendCharToSelf(char32_t ch) {
    keySending_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{keySending_};
    SendMessage(GetInnerTextEdit()->GetHandle(), WM_CHAR, ch, 0);
}

// ---- keys ----

void TcxCustomMaskEdit::ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) {
    if (keySending_) return; // our own key goes to the inner edit untouched
    TcxCustomMaskEditProperties* p = GetMaskProperties();
    const bool clickKey = p->ClickKey != 0 && ShortCut(key, shift) == p->ClickKey && DefaultButtonIndex() >= 0;
    if (!HasMask() || (p->ClearKey != 0 && ShortCut(key, shift) == p->ClearKey) || clickKey) {
        TcxCustomTextEdit::ProcessEditKeyDown(key, shift);
        return;
    }
    if (!MayProcessKey(key, shift)) {
        FireKeyEvent(key, shift);
        key = 0;
        return;
    }
    if (key == VK_TAB) {
        TcxCustomTextEdit::ProcessEditKeyDown(key, shift);
        return;
    }
    shiftHeld_ = (shift & ssShift) != 0;
    const bool ctrl = (shift & ssCtrl) != 0;
    auto swallowUnless = [&key](bool passes) {
        if (!passes) key = 0;
    };
    switch (key) {
    case VK_UP:
    case VK_DOWN:
        if (!HasOpenPopup()) {
            FireKeyEvent(key, shift);
            key = 0;
        }
        break;
    case VK_LEFT:
        if (ctrl) {
            SendKeyToSelf(VK_HOME);
            swallowUnless(mode_->ProcessHome());
        } else {
            const bool atStart = mode_->IsCaretAtStart();
            if (!mode_->ProcessLeft()) {
                if (atStart) FireKeyEvent(key, shift);
                key = 0;
            }
        }
        break;
    case VK_RIGHT:
        if (ctrl) {
            SendKeyToSelf(VK_END);
            swallowUnless(mode_->ProcessEnd());
        } else {
            const bool atEnd = mode_->IsCaretAtEnd();
            if (!mode_->ProcessRight()) {
                if (atEnd) FireKeyEvent(key, shift);
                key = 0;
            }
        }
        break;
    case VK_DELETE:
        if (!shiftHeld_)
            swallowUnless(mode_->ProcessDelete());
        else if (GetSelectionLength() == 0)
            swallowUnless(mode_->ProcessBackspace());
        break;
    case VK_HOME: swallowUnless(mode_->ProcessHome()); break;
    case VK_END: swallowUnless(mode_->ProcessEnd()); break;
    default: break;
    }
    if (key != 0) TcxCustomTextEdit::ProcessEditKeyDown(key, shift);
}

void TcxCustomMaskEdit::ProcessEditKeyPress(char32_t& ch) {
    if (keySending_) return;
    if (!HasMask()) {
        TcxCustomTextEdit::ProcessEditKeyPress(ch);
        return;
    }
    if (ch == 9 || ch == 27 || !FilterKeyPress(ch)) {
        ch = 0;
        return;
    }
    if (ch == 13) return;
    if (ch == 3 || ch == 22 || ch == 24) {
        TcxCustomTextEdit::ProcessEditKeyPress(ch);
        return;
    }
    bool passes = false;
    if (ch == 8) {
        passes = mode_->ProcessBackspace();
    } else {
        std::string character = Utf16ToUtf8(ch <= 0xFFFF ? std::u16string(1, static_cast<char16_t>(ch))
                                                          : std::u16string{static_cast<char16_t>(0xD800 + ((ch - 0x10000) >> 10)),
                                                                           static_cast<char16_t>(0xDC00 + ((ch - 0x10000) & 0x3FF))});
        // The letter case the edit gives the character, which the mask keeps.
        if (GetMaskProperties()->GetCharCase() == ecUpperCase) character = AnsiUpperCase(character);
        if (GetMaskProperties()->GetCharCase() == ecLowerCase) character = AnsiLowerCase(character);
        passes = mode_->ProcessChar(character);
    }
    if (!passes) ch = 0;
}

} // namespace zorvy
