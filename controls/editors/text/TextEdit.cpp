#include "controls/editors/text/TextEdit.h"

#include "controls/data/Variants.h"
#include "controls/editors/text/TextEditViewInfo.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>
#include <cctype>

namespace zorvy {

const TMetaClass* TcxCustomTextEditProperties::GetEditControlClass() const {
    return TcxTextEdit::StaticClass();
}

TcxCustomEditViewData* TcxCustomTextEditProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace,
                                                                 bool flag) {
    auto* viewData = new TcxCustomTextEditViewData(this, style, isInplace);
    viewData->NoText = flag;
    return viewData;
}

TcxCustomEditViewInfoClass TcxCustomTextEditProperties::GetViewInfoClass() const {
    return TcxCustomTextEditViewInfo::StaticClass();
}

TcxCustomEdit* TcxCustomTextEditProperties::CreateEditControl(bool inplace) const {
    return new TcxTextEdit(nullptr, inplace, ClassType());
}

TcxCustomTextEdit::TcxCustomTextEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomEdit(owner, inplace, propertiesClass), inner_(new TcxCustomInnerTextEdit(this)) {
    inner_->SetParent(this);
    SetInnerEdit(inner_);
    if (const TMetaClass* lookupClass = GetTextProperties()->GetLookupDataClass()) {
        lookupData_.reset(CreateInstance<TcxCustomTextEditLookupData>(lookupClass, this));
        lookupData_->OnSelectItem = [this](TObject*) { TakeLookupSelection(); };
    }
    // The inner edit takes Tab itself (and hands it back), so the editor need not want it.
    if (inplace) SetWantedKeys(wkAllKeys | wkArrowKeys);
    ApplyPropertiesChange(GetEffectiveProperties());
    SharedFormatController()->AddListener(this);
}

TcxCustomTextEdit::~TcxCustomTextEdit() {
    if (TcxFormatController* controller = ExistingFormatController()) controller->RemoveListener(this);
}

void TcxCustomTextEdit::RefreshFromProperties() {
    GetTextProperties()->FormatSettingsChanged();
    ShowEditValue();
}

void TcxCustomTextEdit::ShowDisplayValue(const Variant& value) {
    inner_->SetText(VarToStr(value));
    if (!ShowsInnerEdit()) RefreshDisplayText();
}

bool TcxCustomTextEdit::ShowsInnerEdit() const {
    const TcxEditInputStyle style = GetTextProperties()->GetInputStyle();
    if (style != istFreeText && style != istListCompleted) return false;
    if (!inner_ || HasState(csDesigning)) return false;
    return IsFocused() || GetTextProperties()->GetAlignment()->GetHorz() == taLeftJustify;
}

TcxContainer::TInnerRegion TcxCustomTextEdit::CalcInnerControlRegion(const TRect& bounds, TWinControl* control) const {
    if (control == inner_ && !ShowsInnerEdit()) return TInnerRegion{false, TRect{}};
    return TcxCustomEdit::CalcInnerControlRegion(bounds, control);
}

int TcxCustomTextEdit::GetInnerTextHeight() const {
    return ScreenCanvasInstance()->MeasureFontLineHeight(inner_->GetFont());
}

void TcxCustomTextEdit::PlaceInnerEdit() {
    if (!GetInnerEdit() || placingInnerEdit_) return;
    placingInnerEdit_ = true;
    TWeakLink<TcxCustomTextEdit> self(this);
    struct Release {
        TWeakLink<TcxCustomTextEdit>& self;
        ~Release() {
            if (self) self->placingInnerEdit_ = false;
        }
    } release{self};
    // The inner edit is one text row high, placed where the painted text would stand.
    std::unique_ptr<TcxCustomEditViewData> viewData(CreateEditViewData());
    const TRect m = viewData->ContentParams.Offsets;
    const TRect c = GetViewInfo()->ClientRect;
    const int h = GetInnerTextHeight();
    int top = c.Top + m.Top;
    switch (GetTextProperties()->GetAlignment()->GetVert()) {
    case taTopJustify: break;
    case taBottomJustify: top = c.Bottom - h - m.Bottom; break;
    case taVCenter: top = c.Top + m.Top + (c.Bottom - c.Top - h - m.Top - m.Bottom) / 2; break;
    }
    top = std::max(top, c.Top + m.Top);
    const TRect bounds = Rect(c.Left + m.Left, top, c.Left + m.Left + (c.Right - c.Left - m.Left - m.Right + 1), top + h);
    if (inner_->GetBoundsRect() != bounds) {
        inner_->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        if (!self) return;
    }
    TRect visible = c;
    const TcxEditInputStyle style = GetTextProperties()->GetInputStyle();
    auto* textViewData = dynamic_cast<TcxCustomTextEditViewData*>(viewData.get());
    if (IsInplace()) {
        ++visible.Top;
        --visible.Bottom;
    } else if (GetViewInfo()->NativeStyle && textViewData && textViewData->UsesComboLook() &&
               (style == istFreeText || style == istListCompleted)) {
        --visible.Right;
        --visible.Bottom;
    }
    AlignControls(inner_, visible);
}

void TcxCustomTextEdit::RefreshDisplayText() {
    auto* vi = dynamic_cast<TcxCustomTextEditViewInfo*>(GetEditViewInfo());
    if (!vi) return;
    TcxCustomTextEditProperties* p = GetTextProperties();
    std::string text = inner_->GetText();
    const int textLength = static_cast<int>(text.size());
    p->ApplyDisplayTransform(text);
    vi->Text = std::move(text);
    vi->SelLength = 0;
    const TcxEditInputStyle style = p->GetInputStyle();
    if (style == istListOnly && completionHighlighted_ && p->GetFixedListPrefixSelection() && HandleAllocated()) {
        if (vi->SelectionBar) {
            // On the bar the typed prefix stands out.
            vi->SelStart = 0;
            vi->SelLength = textLength - inner_->GetSelLength();
            vi->SelTextColor = clHighlight;
            vi->SelBackgroundColor = clHighlightText;
        } else {
            vi->SelStart = inner_->GetSelStart();
            vi->SelLength = inner_->GetSelLength();
            vi->SelTextColor = clHighlightText;
            vi->SelBackgroundColor = clHighlight;
        }
    }
    if (!HandleAllocated()) return;
    TPoint cursor;
    GetCursorPos(cursor);
    ComputeViewInfo(ScreenToClient(cursor), true);
    Invalidate();
}

void TcxCustomTextEdit::FocusStateChanged() {
    TWeakLink<TcxCustomTextEdit> self(this);
    TcxCustomEdit::FocusStateChanged();
    if (!self) return;
    // Focus shows the inner edit of an editor that paints its text otherwise, and leaving hides it.
    const TcxEditInputStyle style = GetTextProperties()->GetInputStyle();
    if ((style == istFreeText || style == istListCompleted) &&
        GetTextProperties()->GetAlignment()->GetHorz() != taLeftJustify) {
        PlaceInnerControl();
        RefreshDisplayText();
    }
}

void TcxCustomTextEdit::ApplyDisplayValue(const Variant& value) {
    inner_->SetText(VarToStr(value));
    if (IsUserChange()) return;
    completionHighlighted_ = false;
    StoreEditValue(value);
    SetEditModified(false);
}

void TcxCustomTextEdit::ValueChangedByUser() {
    TcxEditChangeEventsHold hold(this, true);
    TcxCustomEdit::ValueChangedByUser();
    // A text the search did not set itself moves the current item.
    if (!lookupSyncLocked_ && lookupData_) lookupData_->SyncWithEditText();
    TcxCustomTextEditProperties* p = GetTextProperties();
    if (IsFocused() && p->HoldsNumbers() && p->UsesThousandSeparator(false)) RegroupTypedNumber();
}

void TcxCustomTextEdit::RegroupTypedNumber() {
    const char separator = FormatSettings().ThousandSeparator;
    std::string text = inner_->GetText();
    const int caret = inner_->GetSelStart();
    int before = 0;
    for (int i = 0; i < caret && i < static_cast<int>(text.size()); ++i)
        if (text[i] != separator) ++before;
    InsertThousandSeparators(text);
    if (!IsNumericText(text) || text == inner_->GetText()) return;
    ShowDisplayValue(Variant(text));
    // The caret stays after as many digits (and signs) as it was.
    int at = 0;
    for (int seen = 0; seen < before && at < static_cast<int>(text.size()); ++at)
        if (text[at] != separator) ++seen;
    inner_->SetSelStart(at);
    inner_->SetSelLength(0);
}

void TcxCustomTextEdit::AttachEditData(TcxCustomEditData*& data) {
    TWeakLink<TcxCustomTextEdit> self(this);
    TcxCustomEdit::AttachEditData(data);
    if (!self || !HandleAllocated()) return;
    inner_->SetSelStart(0);
    if (GetTextProperties()->GetAutoSelect()) SelectAllText();
}

TObject* TcxCustomTextEdit::GetSelectedItemObject() const {
    const int index = GetItemIndex();
    return index == -1 ? nullptr : GetTextProperties()->GetLookupItemObject(index);
}

void TcxCustomTextEdit::SetItemIndex(int index) {
    if (!lookupData_) return;
    const int old = GetItemIndex();
    TWeakLink<TcxCustomTextEdit> self(this);
    {
        CountLoadLock(true);
        struct Unlock {
            TWeakLink<TcxCustomTextEdit>& self;
            ~Unlock() {
                if (self) self->CountLoadLock(false);
            }
        } unlock{self};
        lookupData_->SetCurrentKeyValue(Variant(index));
        if (!self) return;
        const Variant value(lookupData_->GetDisplayText(lookupData_->GetCurrentKey()));
        if (!VariantsEqualStrict(value, GetEditValue()) || value.VarType() != GetEditValue().VarType())
            SetEditValue(value);
    }
    if (!self || GetItemIndex() == old) return;
    SetEditModified(false);
    Click();
}

void TcxCustomTextEdit::TakeLookupSelection() {
    const int key = lookupData_->GetCurrentKey();
    if (key < 0) return;
    ApplyDisplayValue(Variant(lookupData_->GetItemText(key)));
    SelectAllText();
}

void TcxCustomTextEdit::ShowEditValue() {
    TcxCustomTextEditProperties* p = GetTextProperties();
    const Variant value = GetEditValue();
    const bool editing = IsFocused() || !p->HasUnfocusedDisplayForm();
    std::string shown;
    const bool valid = p->IsValidEditValue(value, editing);
    if (valid) {
        Variant display;
        p->ToDisplayValue(value, display, editing);
        shown = VarToStr(display);
    } else if (IsFocused()) {
        shown = p->GetEmptyDisplayValue();
    } else {
        shown = value.VarType() == varDate ? DateTimeToStr(value.AsDateTime()) : VarToStr(value);
    }
    PushModifiedFlags();
    struct Pop {
        TcxCustomTextEdit* edit;
        ~Pop() { edit->PopModifiedFlags(); }
    } pop{this};
    ShowDisplayValue(Variant(shown));
    completionHighlighted_ = false;
}

void TcxCustomTextEdit::SetCompletionHighlighted(bool value) {
    if (!HandleAllocated() || value == completionHighlighted_) return;
    completionHighlighted_ = value;
    RefreshDisplayText();
}

int TcxCustomTextEdit::GetSelectionStart() const {
    const TcxEditInputStyle style = GetTextProperties()->GetInputStyle();
    if (style == istNoTyping || (style == istListOnly && !completionHighlighted_)) return 0;
    return inner_->GetEditSelStart();
}

int TcxCustomTextEdit::GetSelectionLength() const {
    const TcxEditInputStyle style = GetTextProperties()->GetInputStyle();
    if (style == istNoTyping || (style == istListOnly && !completionHighlighted_)) return 0;
    return inner_->GetEditSelLength();
}

void TcxCustomTextEdit::SetSelectionStart(int value) {
    if (GetTextProperties()->GetInputStyle() != istNoTyping) inner_->SetEditSelStart(value);
}

void TcxCustomTextEdit::SetSelectionLength(int value) {
    if (GetTextProperties()->GetInputStyle() != istNoTyping) inner_->SetEditSelLength(value);
}

bool TcxCustomTextEdit::IsCharAccepted(char32_t ch) {
    return TcxCustomEdit::IsCharAccepted(ch) || (ch < 256 && GetTextProperties()->ExtraAcceptedChars[ch]);
}

void TcxCustomTextEdit::StoreDisplayValue(const Variant& value) {
    TcxCustomTextEditProperties* p = GetTextProperties();
    const std::string text = VarToStr(value);
    if (p->GetInputStyle() == istFreeText && p->UsesLookupList() && lookupData_ && !lookupData_->ContainsText(text))
        FireNewLookupDisplayText(text);
    TcxCustomEdit::StoreDisplayValue(value);
}

void TcxCustomTextEdit::FireNewLookupDisplayText(const std::string& text) {
    TWeakLink<TcxCustomTextEdit> self(this);
    if (auto* own = dynamic_cast<TcxCustomTextEditProperties*>(GetProperties()); own && own->OnNewLookupDisplayText)
        own->OnNewLookupDisplayText(this, text);
    if (!self) return;
    auto* active = GetTextProperties();
    if (active != GetProperties() && active->OnNewLookupDisplayText) active->OnNewLookupDisplayText(this, text);
}

bool TcxCustomTextEdit::IsEditingKey(std::uint16_t key, TShiftState shift) const {
    if (key == VK_DELETE || key == VK_BACK) return true;
    TcxCustomTextEditProperties* p = GetTextProperties();
    if (!p->UsesLookupList() || !lookupData_ || lookupData_->IsEmpty() || !CanStepLookupItems(false)) return false;
    if (key == VK_PRIOR || key == VK_NEXT) return !HasOpenPopup();
    if (key == VK_UP || key == VK_DOWN) return !HasOpenPopup() && !(shift & ssAlt);
    return false;
}

bool TcxCustomTextEdit::UpdateStateFromMouse(TPoint p, int buttonCode, TShiftState shift, bool isMouseEvent) {
    if (!HandleAllocated() || IsDestroying()) return false;
    const bool result = TcxCustomEdit::UpdateStateFromMouse(p, buttonCode, shift, isMouseEvent);
    if (result) ApplyInnerEditLook();
    return result;
}

void TcxCustomTextEdit::ApplyInnerEditLook() {
    if (!inner_ || IsDestroying()) return;
    // A new font must not move the inner edit meanwhile; placing it is PlaceInnerEdit's job.
    inner_->LockBounds(true);
    struct Unlock {
        TcxCustomInnerTextEdit* inner;
        ~Unlock() { inner->LockBounds(false); }
    } unlock{inner_};
    const TcxCustomEditViewInfo* vi = GetEditViewInfo();
    inner_->SetColor(vi->BackgroundColor);
    // The state's text colour goes to the native control's drawing, not into its font: only a change
    // of face, size or style re-lays the text out.
    inner_->SetStateTextColor(vi->TextColor);
    TFont* current = inner_->GetFont();
    TFont* wanted = CurrentStateStyle()->EffectiveFont();
    if (current->LogFont() != wanted->LogFont() || current->GetPitch() != wanted->GetPitch() ||
        current->PixelsPerInch != wanted->PixelsPerInch)
        inner_->SetFont(wanted);
}

void TcxCustomTextEdit::ApplyPropertiesChange(TcxCustomEditProperties* properties) {
    TcxCustomEdit::ApplyPropertiesChange(properties);
    TcxCustomTextEditProperties* p = GetTextProperties();
    if (lookupData_ && p->UsesLookupList() && !lookupSyncLocked_) lookupData_->SyncWithEditText();
    ImeMode = p->GetImeMode();
    ImeName = p->GetImeName();
    inner_->SetAlignment(p->GetAlignment()->GetHorz());
    inner_->AutoSelect = p->GetAutoSelect() && !IsInplace();
    inner_->SetCharCase(p->GetCharCase());
    inner_->SetEchoMode(p->GetEchoMode());
    inner_->SetHideSelection(p->GetHideSelection());
    inner_->ImeMode = p->GetImeMode();
    inner_->ImeName = p->GetImeName();
    // One unit for the limit: the native edit counts characters, like the editor.
    inner_->SetMaxLength(p->GetMaxLength());
    inner_->OEMConvert = p->GetOEMConvert();
    inner_->SetInnerPasswordChar(p->GetPasswordChar());
    EnforceRangeIfNeeded();
    if (!posting_) ReconcileTextWithList();
    // The inner edit shows or hides as the settings now ask.
    if (HandleAllocated()) PlaceInnerControl();
    if (!ShowsInnerEdit()) RefreshDisplayText();
    inner_->Invalidate();
}

void TcxCustomTextEdit::BeginValuePosting() {
    TcxCustomEdit::BeginValuePosting();
    posting_ = true;
}

void TcxCustomTextEdit::EndValuePosting() {
    posting_ = false;
    TcxCustomEdit::EndValuePosting();
}

void TcxCustomTextEdit::EnforceRangeIfNeeded() {
    TcxCustomTextEditProperties* p = GetTextProperties();
    if (!IsChangedSinceEnter() && p->HoldsNumbers() && inner_ && p->HasValueRange()) EnforceRange();
}

void TcxCustomTextEdit::CommitDisplayText() {
    StoreEditValue(Variant(ReadDisplayText()));
}

void TcxCustomTextEdit::ReconcileTextWithList() {
    if (!inner_) return;
    TcxCustomTextEditProperties* p = GetTextProperties();
    const TcxEditInputStyle style = p->GetInputStyle();
    if (style != istListCompleted && style != istListOnly) {
        if (!IsChangedSinceEnter()) ShowEditValue();
        return;
    }
    if (!((IsChangedSinceEnter() && !IsInputValidated()) || IsUnboundStandalone())) {
        ShowEditValue();
        return;
    }
    std::string text = inner_->GetText();
    if (p->CheckTextValue(text)) return;
    // A text that is no item any more is cleared.
    {
        PushModifiedFlags();
        struct Pop {
            TcxCustomTextEdit* edit;
            ~Pop() { edit->PopModifiedFlags(); }
        } pop{this};
        ShowDisplayValue(Variant(p->GetEmptyDisplayValue()));
    }
    if (!IsChangedSinceEnter()) CommitDisplayText();
}

} // namespace zorvy
