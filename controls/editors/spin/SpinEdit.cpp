// The spin editor control: reading, parsing and stepping its number, the keys, the mouse and the
// auto-repeat of held buttons.
#include "controls/editors/spin/SpinEdit.h"

#include "controls/editors/spin/SpinEditViewInfo.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"

#include <cmath>
#include <limits>

namespace zorvy {

ZORVY_RESOURCESTRING(scxSpinEditInvalidNumericValue, "Invalid numeric value");

namespace {
TPoint CursorIn(TControl* control) {
    TPoint p{};
    GetCursorPos(p);
    return control->ScreenToClient(p);
}

constexpr unsigned spinFirstRepeatDelay = 400;
constexpr unsigned spinRepeatInterval = 100;

bool IsSpinKey(std::uint16_t key) { return key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT; }

bool IsUpButton(int button) { return button == 1 || button == 3; }

// Wide enough for any difference of two 64-bit values and a step.
using SpinWide = __int128;
} // namespace

TcxCustomSpinEdit::TcxCustomSpinEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomMaskEdit(owner, inplace, propertiesClass) {
    internalValue_ = GetSpinProperties()->ConvertToValueType(Variant(0));
}

TcxCustomSpinEdit::~TcxCustomSpinEdit() = default;

TcxSpinEdit::TcxSpinEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomSpinEdit(owner, inplace, propertiesClass) {
    if (!inplace) SetAutoSize(true);
}

// ---- the value ----

void TcxCustomSpinEdit::GetValue(Variant& value) {
    TcxCustomSpinEditProperties* p = GetSpinProperties();
    if (IsFocused()) {
        if (textTyped_) {
            std::string errorText;
            ParseDisplayValue(Variant(GetText()), true, errorText, value);
        } else {
            value = internalValue_;
        }
        if (!value.IsNumeric()) value = p->ClampToRange(Variant(0));
    } else {
        const Variant stored = GetEditValue();
        if (stored.IsNumeric()) {
            value = stored;
        } else if (stored.IsString() && !stored.RawString().empty()) {
            if (!p->ParseNumberText(stored.RawString(), value)) value = p->ClampToRange(Variant(0));
        } else {
            value = p->ClampToRange(Variant(0));
        }
    }
    value = p->NormalizeNumber(value);
}

Variant TcxCustomSpinEdit::GetTypedValue() {
    Variant value;
    GetValue(value);
    return value;
}

void TcxCustomSpinEdit::SetValue(const Variant& value) {
    if (!value.IsNumeric()) return;
    Variant checked = value;
    if (GetSpinProperties()->CheckEditValue(checked, IsFocused())) SetValueAsUser(checked);
}

bool TcxCustomSpinEdit::ParseDisplayValue(const Variant& displayValue, bool raiseError, std::string& errorText,
                                          Variant& value) {
    TcxCustomSpinEditProperties* p = GetSpinProperties();
    const std::string text = VarToStr(displayValue);
    if (text.empty()) {
        value = GetDataBinding()->GetProviderInterface()->IsRequired() ? p->ClampToRange(Variant(0))
                                                                       : Variant::Null();
        value = p->NormalizeNumber(value);
        return true;
    }
    bool error = !p->ParseNumberText(text, value);
    if (error) {
        errorText.clear();
        auto fire = [&](TcxCustomSpinEditProperties* owner) {
            if (owner && owner->OnGetValue) owner->OnGetValue(this, text, value, errorText, error);
        };
        try {
            value = Variant();
            fire(dynamic_cast<TcxCustomSpinEditProperties*>(GetProperties()));
            if (GetRepositoryItem()) fire(dynamic_cast<TcxCustomSpinEditProperties*>(GetEffectiveProperties()));
        } catch (const Exception& e) {
            if (raiseError) throw;
            errorText = e.Message();
            return false;
        }
    }
    if (error) {
        if (errorText.empty()) errorText = ResolveResourceString(scxSpinEditInvalidNumericValue);
        if (!p->ExceptionOnInvalidInput) errorText.clear();
        if (raiseError && p->ExceptionOnInvalidInput) throw EcxEditError(errorText);
        value = internalValue_;
    }
    value = p->NormalizeNumber(value);
    return true;
}

void TcxCustomSpinEdit::StoreInternalValue(const Variant& value) {
    internalValue_ = GetSpinProperties()->NormalizeNumber(value);
}

void TcxCustomSpinEdit::ValueToText(const Variant& value, std::string& text) {
    Variant shown;
    GetSpinProperties()->ToDisplayValue(value, shown, InEditingMode());
    text = VarToStr(shown);
}

double TcxCustomSpinEdit::GetIncrement(int button) {
    TcxCustomSpinEditProperties* p = GetSpinProperties();
    double step = button >= 2 ? p->GetLargeIncrement() : p->GetIncrement();
    step = TcxCustomSpinEditProperties::RoundForValueType(p->GetValueType(), step);
    return IsUpButton(button) ? step : -step;
}

// ---- stepping ----

bool TcxCustomSpinEdit::ComputeStep(int button, Variant& result) {
    TcxCustomSpinEditProperties* p = GetSpinProperties();
    const int behaviour = p->GetBoundBehaviour();
    const Variant minV = p->GetEffectiveMinValue(), maxV = p->GetEffectiveMaxValue();
    Variant current;
    GetValue(current);
    const bool up = IsUpButton(button);
    if (p->GetValueType() == vtInt) {
        const SpinWide v = current.AsInt64(), lo = minV.AsInt64(), hi = maxV.AsInt64();
        SpinWide r;
        if (v < lo) {
            if (up) r = lo;
            else if (behaviour == 2) r = hi;
            else return false;
        } else if (v > hi) {
            if (!up) r = hi;
            else if (behaviour == 2) r = lo;
            else return false;
        } else {
            const double inc = GetIncrement(button);
            // An increment beyond the 64-bit range is as far as any value can go.
            const SpinWide i = std::fabs(inc) >= 9.2e18 ? (inc < 0 ? -(SpinWide(1) << 64) : (SpinWide(1) << 64))
                                                        : SpinWide(static_cast<int64_t>(inc));
            if (v + i >= lo && v + i <= hi) {
                r = v + i;
            } else if (behaviour == 1) {
                r = i < 0 ? lo : hi;
            } else if (behaviour == 2) {
                // Circular stepping wraps modulo the range's size.
                const SpinWide size = hi - lo + 1;
                SpinWide offset = (v - lo + i) % size;
                if (offset < 0) offset += size;
                r = lo + offset;
            } else {
                return false;
            }
        }
        result = Variant::FromInt64(static_cast<int64_t>(r));
    } else {
        const long double v = current.AsDouble(), lo = minV.AsDouble(), hi = maxV.AsDouble();
        long double r;
        if (v < lo) {
            if (up) r = lo;
            else if (behaviour == 2) r = hi;
            else return false;
        } else if (v > hi) {
            if (!up) r = hi;
            else if (behaviour == 2) r = lo;
            else return false;
        } else {
            const long double i = GetIncrement(button);
            if (i >= lo - v && i <= hi - v) r = v + i;
            else if (behaviour == 1) r = i < 0 ? lo : hi;
            else if (behaviour == 2) r = i < 0 ? hi + i + 1 - (lo - v) : lo + i - 1 - (hi - v);
            else return false;
        }
        result = Variant(static_cast<double>(r));
    }
    result = p->NormalizeNumber(result);
    return true;
}

bool TcxCustomSpinEdit::DoStep(int button) {
    TcxEditChangeEventsHold hold(this, true);
    Variant next;
    if (!RequestEditing() || !ComputeStep(button, next)) return false;
    const std::string oldText = GetText();
    std::string newText;
    ValueToText(next, newText);
    const int selStart = GetSelectionStart(), selLength = GetSelectionLength();
    StoreInternalValue(next);
    BeginUserChange();
    ShowDisplayValue(Variant(newText));
    EndUserChange();
    if (GetText() == oldText) return false;
    SetChangedSinceEnter(true);
    if (GetSpinProperties()->KeepsSelectionOnStep())
        SetSelection(selStart, selLength);
    else
        SetSelection(static_cast<int>(GetText().size()), 0);
    if (GetSpinProperties()->ImmediatePost && HasPendingInput() && ValidateInput(false)) {
        PostEditValue(false);
        ShowEditValue();
    }
    textTyped_ = false;
    return true;
}

// ---- spinning ----

void TcxCustomSpinEdit::SetSpinState(int state) {
    if (GetSpinProperties()->GetButtonCount() == 0 || state == spinState_) return;
    spinState_ = state;
    ComputeViewInfo(CursorIn(this), true);
    Invalidate();
}

void TcxCustomSpinEdit::StopSpinning() {
    SetSpinState(0);
    repeatTimer_.reset();
    if (HandleAllocated() && GetCapture() == GetHandle()) ReleaseCapture();
}

int TcxCustomSpinEdit::PressedSpinButton() const {
    const TcxCustomEditViewInfo* vi = GetEditViewInfo();
    if (!vi || vi->PressedButton < 0 || vi->PressedButton >= vi->ButtonCount()) return -1;
    return vi->Button(vi->PressedButton)->ButtonIndex;
}

void TcxCustomSpinEdit::ButtonPressed(int index) {
    TcxCustomMaskEdit::ButtonPressed(index);
    if (spinState_ != 0) return;
    if (GetSpinProperties()->GetReadOnly() || !GetDataBinding()->SourceHasData()) return;
    const int button = PressedSpinButton();
    if (button < 0) return;
    TWeakLink<TcxCustomSpinEdit> self(this);
    DoStep(button);
    if (!self) return;
    repeatTimer_ = std::make_unique<TcxTimer>(this);
    repeatTimer_->SetInterval(spinFirstRepeatDelay);
    repeatTimer_->SetOnTimer([this](TObject* sender) { RepeatTimerTick(sender); });
}

void TcxCustomSpinEdit::RepeatTimerTick(TObject*) {
    if (repeatTimer_->GetInterval() == spinFirstRepeatDelay) repeatTimer_->SetInterval(spinRepeatInterval);
    const int button = PressedSpinButton();
    if (button >= 0) DoStep(button);
}

void TcxCustomSpinEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TcxCustomMaskEdit::MouseUp(button, shift, x, y);
    StopSpinning();
}

void TcxCustomSpinEdit::DblClick() {
    if (ButtonAtPoint(CursorIn(this)) < 0) StopSpinning();
    TcxCustomMaskEdit::DblClick();
}

void TcxCustomSpinEdit::FocusStateChanged() {
    TWeakLink<TcxCustomSpinEdit> self(this);
    TcxCustomMaskEdit::FocusStateChanged();
    if (self) StopSpinning();
}

bool TcxCustomSpinEdit::UpdateStateFromMouse(TPoint p, int buttonCode, TShiftState shift, bool isMouseEvent) {
    const bool result = TcxCustomMaskEdit::UpdateStateFromMouse(p, buttonCode, shift, isMouseEvent);
    if (repeatTimer_ && PressedSpinButton() < 0 && GetEditViewInfo()->PressedButton < 0) StopSpinning();
    return result;
}

bool TcxCustomSpinEdit::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    if (TcxCustomMaskEdit::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
    if (!AllowsMouseWheel(shift)) return false;
    DoStep(wheelDelta < 0 ? 0 : 1);
    return true;
}

void TcxCustomSpinEdit::FillViewDataFromEdit(TcxCustomEditViewData* viewData) {
    TcxCustomMaskEdit::FillViewDataFromEdit(viewData);
    if (auto* spin = dynamic_cast<TcxSpinEditViewData*>(viewData)) spin->SpinState = spinState_;
}

// ---- keys ----

void TcxCustomSpinEdit::ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) {
    typing_ = false;
    TcxCustomSpinEditProperties* p = GetSpinProperties();
    if (IsSpinKey(key) && (!p->UseCtrlIncrement || (shift & ssCtrl))) {
        if (!IsChangedSinceEnter() && !RequestEditing()) {
            key = 0;
            return;
        }
        const int button = key == VK_PRIOR ? 3 : key == VK_UP ? 1 : key == VK_DOWN ? 0 : 2;
        SetSpinState(button + 1);
        if (HandleAllocated() && GetCapture() != 0 && OwnsWindow(GetCapture())) ReleaseCapture();
        DoStep(button);
        key = 0;
        return;
    }
    StopSpinning();
    if (key != VK_ESCAPE) typing_ = true;
    if (!p->GetCanEdit() && IsEditingKey(key, shift)) {
        FireKeyEvent(key, shift);
        key = 0;
        return;
    }
    TcxCustomMaskEdit::ProcessEditKeyDown(key, shift);
}

void TcxCustomSpinEdit::ProcessEditKeyUp(std::uint16_t& key, TShiftState shift) {
    typing_ = false;
    const bool spinKey = IsSpinKey(key);
    TcxCustomMaskEdit::ProcessEditKeyUp(key, shift);
    if (spinKey) StopSpinning();
}

void TcxCustomSpinEdit::ProcessEditKeyPress(char32_t& ch) {
    if (ch == '.' || ch == ',') ch = static_cast<unsigned char>(FormatSettings().DecimalSeparator);
    if (ch >= 32 || ch == 8) {
        if (!IsCharAccepted(ch)) {
            ch = 0;
            MessageBeep(0);
            return;
        }
        typing_ = true;
    }
    TcxCustomMaskEdit::ProcessEditKeyPress(ch);
}

bool TcxCustomSpinEdit::IsCharAccepted(char32_t ch) {
    TcxCustomSpinEditProperties* p = GetSpinProperties();
    if (!p->GetCanEdit()) return !(ch >= 32 || ch == 8);
    if (p->OnGetValue) return true;
    if (ch < 32) return true;
    if (ch == '+' || ch == '-' || (ch >= '0' && ch <= '9') || ch == 'e' || ch == 'E') return true;
    if (p->GetValueType() == vtFloat && ch == static_cast<unsigned char>(FormatSettings().DecimalSeparator))
        return true;
    return ch < 256 && p->ExtraAcceptedChars[ch];
}

// ---- text operations and display ----

void TcxCustomSpinEdit::CutToClipboard() {
    if (IsFocused() && !GetSpinProperties()->GetCanEdit()) return;
    typing_ = true;
    TcxCustomMaskEdit::CutToClipboard();
    typing_ = false;
}

void TcxCustomSpinEdit::PasteFromClipboard() {
    if (IsFocused() && !GetSpinProperties()->GetCanEdit()) return;
    typing_ = true;
    TcxCustomMaskEdit::PasteFromClipboard();
    typing_ = false;
}

void TcxCustomSpinEdit::ValueChangedByUser() {
    textTyped_ = typing_;
    typing_ = false;
    TcxCustomMaskEdit::ValueChangedByUser();
}

void TcxCustomSpinEdit::ShowEditValue() {
    TcxCustomSpinEditProperties* p = GetSpinProperties();
    Variant value = GetEditValue();
    if (p->CheckEditValue(value, IsFocused()))
        internalValue_ = p->PrepareValue(value);
    else
        internalValue_ = p->NormalizeNumber(p->ClampToRange(Variant(0)));
    textTyped_ = false;
    TcxCustomMaskEdit::ShowEditValue();
}

void TcxCustomSpinEdit::StoreDisplayValue(const Variant& value) {
    Variant number;
    std::string errorText;
    if (!ParseDisplayValue(value, false, errorText, number)) number = internalValue_;
    PushModifiedFlags();
    struct Pop {
        TcxCustomSpinEdit* edit;
        ~Pop() { edit->PopModifiedFlags(); }
    } pop{this};
    StoreEditValue(number);
}

void TcxCustomSpinEdit::EnforceRange() {
    TcxCustomSpinEditProperties* p = GetSpinProperties();
    const bool wasUserChange = IsUserChange();
    IsChangedSinceEnter() ? BeginUserChange() : EndUserChange();
    struct Restore {
        TcxCustomSpinEdit* edit;
        bool value;
        ~Restore() { value ? edit->BeginUserChange() : edit->EndUserChange(); }
    } restore{this, wasUserChange};
    Variant value;
    GetValue(value);
    if (p->IsBoundActive(0) && value.AsDouble() < p->GetMinValue())
        SetValue(Variant(p->GetMinValue()));
    else if (p->IsBoundActive(1) && value.AsDouble() > p->GetMaxValue())
        SetValue(Variant(p->GetMaxValue()));
}

void TcxCustomSpinEdit::ApplyPropertiesChange(TcxCustomEditProperties* properties) {
    TcxCustomMaskEdit::ApplyPropertiesChange(properties);
    if (!HasState(csDesigning) && IsChangedSinceEnter()) EnforceRange();
}

} // namespace zorvy
