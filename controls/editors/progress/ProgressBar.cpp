// The progress bar: settings with their range rules and peak tracking, the control and the unit.
#include "controls/editors/progress/ProgressBar.h"

#include "controls/editors/framework/EditButtons.h"
#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/progress/ProgressBarViewInfo.h"
#include "platform/classlib/Bitmap.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ResourceStrings.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryProgressBarItem, "ProgressBar|Represents a ProgressBar");

namespace {

bool IsNumberValue(const Variant& value) {
    return value.IsNumeric() || value.VarType() == varDate;
}

} // namespace

// ---- settings ----

TcxCustomProgressBarProperties::TcxCustomProgressBarProperties(TPersistent* owner)
    : TcxCustomEditProperties(owner) {
    RecreatePropertiesValues();
}

TcxCustomProgressBarProperties::~TcxCustomProgressBarProperties() = default;

double TcxCustomProgressBarProperties::GetMinValue() {
    return GetAssignedValues()->GetMinValue() ? TcxCustomEditProperties::GetMinValue() : 0;
}

double TcxCustomProgressBarProperties::GetMaxValue() {
    return GetAssignedValues()->GetMaxValue() ? TcxCustomEditProperties::GetMaxValue() : 100;
}

void TcxCustomProgressBarProperties::SetMin(double value) {
    SetMinValue(value);
    ApplyMinChange();
}

void TcxCustomProgressBarProperties::SetMax(double value) {
    SetMaxValue(value);
    ApplyMaxChange();
}

void TcxCustomProgressBarProperties::ApplyMinChange() {
    if (GetMax() < GetMin()) SetMax(GetMin());
    if (overloadValue_ < GetMin()) overloadValue_ = GetMin();
    if (peakValue_ < GetMin()) peakValue_ = GetMin();
}

void TcxCustomProgressBarProperties::ApplyMaxChange() {
    if (GetMax() < GetMin()) SetMin(GetMax());
    if (overloadValue_ > GetMax()) overloadValue_ = GetMax();
    if (peakValue_ > GetMax()) peakValue_ = GetMax();
}

void TcxCustomProgressBarProperties::SetOverloadValue(double value) {
    if (value == overloadValue_) return;
    overloadValue_ = value;
    if (overloadValue_ < GetMin())
        overloadValue_ = GetMin();
    else if (overloadValue_ > GetMax())
        overloadValue_ = GetMax();
    Changed();
}

double TcxCustomProgressBarProperties::GetEffectivePeak(double position) {
    double a = peakValue_;
    if (GetMin() > a) a = GetMin();
    if (a > GetMax()) a = GetMax();
    if (a < position) a = position;
    if (a > peakValue_) peakValue_ = a;
    return a;
}

void TcxCustomProgressBarProperties::ClampPosition(TcxCustomProgressBarViewInfo* viewInfo) {
    const double min = GetMin();
    const double max = GetMax();
    if (max <= min) return;
    if (viewInfo->Position < min)
        viewInfo->Position = min;
    else if (viewInfo->Position > max)
        viewInfo->Position = max;
}

TBitmap* TcxCustomProgressBarProperties::GetForegroundImage() {
    if (!foregroundImage_) {
        foregroundImage_ = std::make_unique<TBitmap>();
        foregroundImage_->OnChange = [this](TObject*) { Changed(); };
    }
    return foregroundImage_.get();
}

void TcxCustomProgressBarProperties::SetForegroundImage(TBitmap* value) {
    if (!value || value->Empty()) {
        foregroundImage_.reset();
    } else if (value != foregroundImage_.get()) {
        GetForegroundImage()->Assign(value);
    }
    Changed();
}

void TcxCustomProgressBarProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomProgressBarProperties*>(source);
    if (!other) {
        TcxCustomEditProperties::Assign(source);
        return;
    }
    BeginChanges();
    struct End {
        TcxCustomProgressBarProperties* p;
        ~End() { p->EndChanges(); }
    } end{this};
    TcxCustomEditProperties::Assign(source);
    SetBeginColor(other->beginColor_);
    SetBarBevelOuter(other->barBevelOuter_);
    SetEndColor(other->endColor_);
    SetForegroundImage(other->foregroundImage_.get());
    SetMin(other->GetMin());
    SetMax(other->GetMax());
    SetOrientation(other->orientation_);
    SetShowText(other->showText_);
    SetShowTextStyle(other->showTextStyle_);
    SetTextOrientation(other->textOrientation_);
    SetSolidTextColor(other->solidTextColor_);
    SetBarStyle(other->barStyle_);
    SetTransparentImage(other->transparentImage_);
    SetBorderWidth(other->borderWidth_);
    SetOverloadValue(other->overloadValue_);
    SetShowOverload(other->showOverload_);
    SetOverloadBeginColor(other->overloadBeginColor_);
    SetOverloadEndColor(other->overloadEndColor_);
    SetPeakValue(other->peakValue_);
    SetShowPeak(other->showPeak_);
    SetPeakColor(other->peakColor_);
    SetPeakSize(other->peakSize_);
}

void TcxCustomProgressBarProperties::ToDisplayValue(const Variant& value, Variant& displayValue, bool) {
    displayValue = Variant(0);
    if (value.IsString()) {
        double number = 0;
        if (TextToFloat(value.AsString(), number)) displayValue = Variant(number);
    } else if (IsNumberValue(value)) {
        displayValue = value;
    }
}

void TcxCustomProgressBarProperties::FormatDisplayText(const Variant& value, std::string& text, bool isEditing) {
    Variant display;
    ToDisplayValue(value, display, isEditing);
    text = VarToStr(display);
    if (showTextStyle_ == cxtsPercent) text += " %";
}

const TMetaClass* TcxCustomProgressBarProperties::GetEditControlClass() const {
    return TcxProgressBar::StaticClass();
}

TcxCustomEdit* TcxCustomProgressBarProperties::CreateEditControl(bool inplace) const {
    return new TcxProgressBar(nullptr, inplace, ClassType());
}

TcxCustomEditViewData* TcxCustomProgressBarProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace,
                                                                     bool flag) {
    auto* viewData = new TcxCustomProgressBarViewData(this, style, isInplace);
    viewData->NoText = flag;
    return viewData;
}

TcxCustomEditViewInfoClass TcxCustomProgressBarProperties::GetViewInfoClass() const {
    return TcxCustomProgressBarViewInfo::StaticClass();
}

// ---- the control ----

TcxCustomProgressBar::TcxCustomProgressBar(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomEdit(owner, inplace, propertiesClass) {
    RecreateStylesAndViewInfo();
    InitializeParentColor();
    ControlStyle &= ~(csCaptureMouse | csClickEvents | csDoubleClicks);
    SetAutoSize(true);
    SetBounds(GetLeft(), GetTop(), 121, 21);
}

TcxCustomProgressBar::~TcxCustomProgressBar() = default;

TcxCustomProgressBarViewInfo* TcxCustomProgressBar::GetBarViewInfo() const {
    return static_cast<TcxCustomProgressBarViewInfo*>(GetEditViewInfo());
}

double TcxCustomProgressBar::GetPosition() const {
    return GetBarViewInfo()->Position;
}

void TcxCustomProgressBar::SetPosition(double value) {
    if (value == GetPosition()) return;
    if (!IsBeingLoaded()) {
        TcxCustomProgressBarProperties* p = GetBarProperties();
        const double min = p->GetMin();
        const double max = p->GetMax();
        if (max > min) value = std::clamp(value, min, max);
    }
    SetEditValue(Variant(value));
}

void TcxCustomProgressBar::ShowEditValue() {
    Variant display;
    GetBarProperties()->ToDisplayValue(GetEditValue(), display, Focused());
    GetBarViewInfo()->Position = display.AsDouble();
    if (GetBarProperties()->GetTransparent()) Invalidate();
    GetBarProperties()->ClampPosition(GetBarViewInfo());
    RefreshMouseState(false);
}

void TcxCustomProgressBar::ApplyPropertiesChange(TcxCustomEditProperties* properties) {
    ClampEditValueIfFree();
    GetBarProperties()->ClampPosition(GetBarViewInfo());
    TcxCustomEdit::ApplyPropertiesChange(properties);
    if (GetBarProperties()->GetTransparent()) Invalidate();
}

void TcxCustomProgressBar::ClampEditValue() {
    TcxCustomProgressBarProperties* p = GetBarProperties();
    const double min = p->GetMin();
    const double max = p->GetMax();
    if (max <= min) return;
    BeginUserChange();
    struct End {
        TcxCustomProgressBar* bar;
        ~End() { bar->EndUserChange(); }
    } end{this};
    Variant display;
    p->ToDisplayValue(GetEditValue(), display, Focused());
    const double v = display.AsDouble();
    if (v < min)
        StoreEditValue(Variant(min));
    else if (v > max)
        StoreEditValue(Variant(max));
}

void TcxCustomProgressBar::ClampEditValueIfFree() {
    if (IsInplace() || IsFieldBound() || IsBeingLoaded()) return;
    ClampEditValue();
}

bool TcxCustomProgressBar::FocusesOnClick() const {
    return TcxCustomEdit::FocusesOnClick() && IsInplace();
}

bool TcxCustomProgressBar::CanFocus() const {
    return IsInplace() && TcxCustomEdit::CanFocus();
}

TcxEditSizeProperties TcxCustomProgressBar::GetSizeLimits() const {
    TcxEditSizeProperties limits = TcxCustomEdit::GetSizeLimits();
    limits.MaxLineCount = 1;
    limits.Width = GetBarViewInfo()->TextRect.Width();
    return limits;
}

// ---- filter helper ----

void TcxFilterProgressBarHelper::PrepareFilterProperties(TcxCustomEditProperties* properties,
                                                         TcxCustomEditProperties* source, bool keepButtons) const {
    TcxFilterSpinEditHelper::PrepareFilterProperties(properties, source, keepButtons);
    // The bar's settings bring no buttons: the spin editor gets its two again.
    properties->GetButtons()->AddButton();
    properties->GetButtons()->AddButton();
    if (auto* bar = dynamic_cast<TcxCustomProgressBarProperties*>(source)) {
        properties->SetMinValue(bar->GetMin());
        properties->SetMaxValue(bar->GetMax());
    }
}

// ---- unit ----

namespace {
int progressBarUnitCounter = 0;
}

void InitializeProgressBarUnit() {
    if (progressBarUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxProgressBarProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryProgressBarItem));
    GetFilterEditHelperRegistry()->AddPair(TcxProgressBarProperties::StaticClass(),
                                           TcxFilterProgressBarHelper::StaticClass());
}

void FinalizeProgressBarUnit() {
    if (progressBarUnitCounter == 0 || --progressBarUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxProgressBarProperties::StaticClass(),
                                              TcxFilterProgressBarHelper::StaticClass());
    GetEditPropertiesRegistry()->RemoveClass(TcxProgressBarProperties::StaticClass());
}

} // namespace zorvy
