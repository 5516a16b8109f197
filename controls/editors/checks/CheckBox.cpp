// The check box editor: state, stepping by mouse, space key and accelerator, and its unit start-up.
#include "controls/editors/checks/CheckBox.h"

#include "controls/editors/checks/CheckBoxFilterHelper.h"
#include "controls/editors/checks/CheckBoxViewInfo.h"
#include "controls/editors/checks/CheckPainting.h"
#include "controls/editors/framework/EditRepository.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/win/Painting.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryCheckBoxItem, "CheckBox|Represents a check box control that allows selecting an option");

namespace {
// Restores a flag whatever happens.
struct FlagGuard {
    bool& flag;
    ~FlagGuard() { flag = false; }
};
} // namespace

TcxCustomCheckBox::TcxCustomCheckBox(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomEdit(owner, inplace, propertiesClass) {
    // The check box's own style class and view info.
    RecreateStylesAndViewInfo();
    InitializeParentColor();
    // A quick second click is a second click.
    ControlStyle &= ~csDoubleClicks;
    SetWidth(121);
    Variant value;
    TextToEditValue(Variant(0), value, false);
    SetEditValue(value);
}

TcxContainerStyleClass TcxCustomCheckBox::GetStyleClass() const {
    return TcxCheckBoxStyle::Class();
}

TcxCustomCheckBoxViewInfo* TcxCustomCheckBox::GetCheckViewInfo() const {
    return static_cast<TcxCustomCheckBoxViewInfo*>(GetEditViewInfo());
}

TcxCheckBoxState TcxCustomCheckBox::GetState() const {
    return GetCheckBoxProperties()->GetValueState(GetEditValue());
}

void TcxCustomCheckBox::SetState(TcxCheckBoxState value) {
    if (HasState(csLoading)) {
        storedState_ = value;
        stateStoredWhileLoading_ = true;
        return;
    }
    if (value == GetState()) return;
    Variant editValue;
    TextToEditValue(Variant(static_cast<int>(value)), editValue, IsFocused());
    SetValueAsUser(editValue);
}

void TcxCustomCheckBox::TextToEditValue(const Variant& displayValue, Variant& editValue, bool) {
    TcxCustomCheckBoxProperties* p = GetCheckBoxProperties();
    editValue = Variant();
    switch (displayValue.IsNull() ? -1 : displayValue.AsInteger()) {
    case cbsUnchecked: editValue = p->GetValueUnchecked(); break;
    case cbsChecked: editValue = p->GetValueChecked(); break;
    case cbsGrayed: editValue = p->GetValueGrayed(); break;
    default: break;
    }
}

void TcxCustomCheckBox::CycleState() {
    HoldChangeEvents(true, true);
    BeginUserChange();
    struct Release {
        TcxCustomCheckBox* box;
        ~Release() {
            box->EndUserChange();
            box->HoldChangeEvents(false, true);
        }
    } release{this};
    TcxCustomCheckBoxProperties* p = GetCheckBoxProperties();
    switch (GetState()) {
    case cbsChecked: SetState(cbsUnchecked); break;
    case cbsGrayed: SetState(cbsChecked); break;
    case cbsUnchecked: SetState(p->GetAllowGrayed() ? cbsGrayed : cbsChecked); break;
    }
    if (p->ImmediatePost && HasPendingInput() && ValidateInput(true)) PostEditValue(false);
}

void TcxCustomCheckBox::StoreEditValue(const Variant& value) {
    const TcxCheckBoxState before = GetState();
    TWeakLink<TcxCustomCheckBox> self(this);
    TcxCustomEdit::StoreEditValue(value);
    if (!self) return;
    const TcxCheckBoxState after = GetState();
    if (after != before) {
        GetCheckViewInfo()->CheckState = after;
        InvalidateCheck();
        Click();
        if (self) NotifyChanged();
    }
    if (self) RefreshMouseState(false);
}

void TcxCustomCheckBox::ApplyPropertiesChange(TcxCustomEditProperties* properties) {
    auto* p = dynamic_cast<TcxCustomCheckBoxProperties*>(properties);
    if (p && p->IsCaptionAssigned()) {
        p->ClearCaptionAssigned();
        SetCaption(p->GetCaption());
    }
    TcxCustomCheckBoxViewInfo* vi = GetCheckViewInfo();
    if (p && vi && vi->CheckState != GetState()) {
        vi->CheckState = GetState();
        InvalidateCheck();
        if (!ChangeEventsHeld()) {
            TWeakLink<TcxCustomCheckBox> self(this);
            Click();
            if (self) NotifyChanged();
            if (!self) return;
        }
    }
    TcxCustomEdit::ApplyPropertiesChange(properties);
}

TRect TcxCustomCheckBox::GetShapeBounds() const {
    if (!IsInplace() && UsesNativeLook() && GetStyle()->GetTransparentBorder()) {
        TRect r = Rect(0, 0, GetWidth(), GetHeight());
        InflateRect(r, -2, -2);
        return r;
    }
    return TcxCustomEdit::GetShapeBounds();
}

bool TcxCustomCheckBox::AlwaysTransparent() const {
    return UsesNativeLook() && GetParentBackground() && !IsInplace() && !GetProperties()->GetTransparent();
}

void TcxCustomCheckBox::CMParentColorChanged(TMessage& m) {
    TcxCustomEdit::CMParentColorChanged(m);
    if (UsesNativeLook() && GetParentBackground()) Invalidate();
}

void TcxCustomCheckBox::InvalidateCheck() {
    if (!HandleAllocated()) return;
    TRect r = GetCheckViewInfo()->CheckRect;
    InvalidateRect(GetHandle(), &r, false);
}

void TcxCustomCheckBox::FillViewDataFromEdit(TcxCustomEditViewData* viewData) {
    TcxCustomEdit::FillViewDataFromEdit(viewData);
    if (auto* data = dynamic_cast<TcxCustomCheckBoxViewData*>(viewData)) data->SpaceHeld = spaceHeld_;
}

bool TcxCustomCheckBox::UpdateStateFromMouse(TPoint p, int buttonCode, TShiftState shift, bool isMouseEvent) {
    TcxCustomCheckBoxViewInfo* vi = GetCheckViewInfo();
    previousCheckButtonState_ = vi->CheckButtonState;
    const TcxCheckBoxState previousState = vi->CheckState;
    TWeakLink<TcxCustomCheckBox> self(this);
    const bool result = TcxCustomEdit::UpdateStateFromMouse(p, buttonCode, shift, isMouseEvent);
    // The framework compares only what every editor has: the mark is ours to invalidate.
    if (self && (vi->CheckButtonState != previousCheckButtonState_ || vi->CheckState != previousState))
        InvalidateCheck();
    return result && self;
}

void TcxCustomCheckBox::TrackButtonPresses(const TcxCustomEditViewInfo*) {
    // Released over the box: pressed before, hot now.
    if (previousCheckButtonState_ == ecsPressed && GetCheckViewInfo()->CheckButtonState == ecsHot) {
        previousCheckButtonState_ = ecsHot;
        CycleState();
    }
}

void TcxCustomCheckBox::ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) {
    TcxCustomEdit::ProcessEditKeyDown(key, shift);
    if (key != VK_SPACE) return;
    const TcxEditCheckState state = GetCheckViewInfo()->CheckButtonState;
    if (state == ecsPressed || state == ecsDisabled) return;
    spaceHeld_ = true;
    GetCheckViewInfo()->CheckButtonState = ecsPressed;
    InvalidateCheck();
    RefreshMouseState(false);
    key = 0;
}

void TcxCustomCheckBox::ProcessEditKeyPress(char32_t& ch) {
    TcxCustomEdit::ProcessEditKeyPress(ch);
    if (IsInplace() && ch == U' ' && GetCheckViewInfo()->CheckButtonState == ecsNormal) {
        ch = 0;
        CycleState();
    }
}

void TcxCustomCheckBox::ProcessEditKeyUp(std::uint16_t& key, TShiftState shift) {
    TcxCustomEdit::ProcessEditKeyUp(key, shift);
    if (key != VK_SPACE || GetCheckViewInfo()->CheckButtonState != ecsPressed) return;
    spaceHeld_ = false;
    GetCheckViewInfo()->CheckButtonState = ecsNormal;
    InvalidateCheck();
    CycleState();
}

void TcxCustomCheckBox::DoExit() {
    // Leaving with the space key still down cancels the step.
    spaceHeld_ = false;
    TcxCustomEdit::DoExit();
}

void TcxCustomCheckBox::WMLButtonUp(TMessage& m) {
    // The step happens on the tracked release; the library's own click on mouse-up would be a second one.
    ControlState &= ~csClicked;
    TcxCustomEdit::WMLButtonUp(m);
}

void TcxCustomCheckBox::CMDialogChar(TMessage& m) {
    if (IsAccel(static_cast<char32_t>(m.WParam), GetCaption()) && CanFocus()) {
        SetFocus();
        if (Focused()) CycleState();
        m.Result = 1;
        return;
    }
    TcxCustomEdit::CMDialogChar(m);
}

void TcxCustomCheckBox::CMTextChanged(TMessage& m) {
    TcxCustomEdit::CMTextChanged(m);
    GetCheckViewInfo()->Text = GetCaption();
    RefreshMouseState(false);
    Invalidate();
}

void TcxCustomCheckBox::Loaded() {
    loadedRunning_ = true;
    HoldChangeEvents(true, false);
    CountLoadLock(true);
    struct Release {
        TcxCustomCheckBox* box;
        ~Release() {
            box->CountLoadLock(false);
            box->HoldChangeEvents(false, false);
            box->loadedRunning_ = false;
        }
    } release{this};
    TcxCustomEdit::Loaded();
    if (stateStoredWhileLoading_) {
        stateStoredWhileLoading_ = false;
        SetState(storedState_);
    } else if (!IsFieldBound()) {
        // Brings the edit value in line with a streamed ValueUnchecked.
        SetEditValue(GetCheckBoxProperties()->GetValueUnchecked());
    }
}

TcxEditSizeProperties TcxCustomCheckBox::GetSizeLimits() const {
    TcxEditSizeProperties limits = TcxCustomEdit::GetSizeLimits();
    limits.MaxLineCount = GetCheckBoxProperties()->GetMultiLine() ? 0 : 1;
    limits.Width = GetCheckViewInfo()->TextRect.Width();
    return limits;
}

TcxCheckBox::TcxCheckBox(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomCheckBox(owner, inplace, propertiesClass) {
    if (!inplace) SetAutoSize(true);
}

// ---- action ----

bool TcxCustomCheckBox::IsStateStored() const {
    auto* action = dynamic_cast<TCustomAction*>(GetAction());
    return !action || GetState() != (action->GetChecked() ? cbsChecked : cbsUnchecked);
}

void TcxCustomCheckBox::SetCheckedFromAction(bool value) {
    CountLoadLock(true);
    HoldChangeEvents(true, false);
    struct Release {
        TcxCustomCheckBox* box;
        ~Release() {
            box->HoldChangeEvents(false, false);
            box->CountLoadLock(false);
        }
    } release{this};
    SetChecked(value);
}

std::unique_ptr<TControlActionLink> TcxCustomCheckBox::CreateActionLink() {
    return std::make_unique<TcxCheckBoxActionLink>(this);
}

void TcxCustomCheckBox::ActionChange(TObject* sender, bool checkDefaults) {
    TcxCustomEdit::ActionChange(sender, checkDefaults);
    // A state read from the stream wins over the action's.
    if (HasState(csLoading) || (loadedRunning_ && stateStoredWhileLoading_)) return;
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (action && (!checkDefaults || !GetChecked())) SetCheckedFromAction(action->GetChecked());
}

bool TcxCheckBoxActionLink::IsCheckedLinked() const {
    auto* box = static_cast<TcxCustomCheckBox*>(GetClient());
    return TWinControlActionLink::IsCheckedLinked() && box->GetState() != cbsGrayed &&
           box->GetChecked() == CustomAction()->GetChecked();
}

void TcxCheckBoxActionLink::SetChecked(bool value) {
    if (IsCheckedLinked()) static_cast<TcxCustomCheckBox*>(GetClient())->SetCheckedFromAction(value);
}

// ---- unit ----

namespace {
int checkBoxUnitCounter = 0;
}

void InitializeCheckBoxUnit() {
    if (checkBoxUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxCheckBoxProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryCheckBoxItem));
    GetFilterEditHelperRegistry()->AddPair(TcxCheckBoxProperties::StaticClass(),
                                           TcxFilterCheckBoxHelper::StaticClass());
    LoadCheckMarkMask();
}

void FinalizeCheckBoxUnit() {
    if (checkBoxUnitCounter == 0 || --checkBoxUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxCheckBoxProperties::StaticClass(),
                                              TcxFilterCheckBoxHelper::StaticClass());
    FreeCheckMarkMask();
    CheckStatesBuffer().clear();
}

} // namespace zorvy
