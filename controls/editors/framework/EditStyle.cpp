#include "controls/editors/framework/EditStyle.h"

#include "controls/foundation/containers/Container.h"
#include "controls/editors/framework/EditUnit.h"

namespace zorvy {

namespace {
constexpr const char* EditStyleValueNames[] = {"ButtonStyle", "ButtonTransparency", "PopupBorderStyle",
                                               "GradientButtons"};
} // namespace

TcxCustomEditStyle::TcxCustomEditStyle(TPersistent* owner, int state, TcxContainerStyle* parentStyle,
                                       bool directAccessMode)
    : TcxContainerStyle(owner, state, parentStyle, directAccessMode) {
    // The container's constructor followed its own fallback; an editor style may answer none.
    if (IsRootStyle() && GetEffectiveStyleController() != GetFallbackStyleController()) SetStyleController(nullptr);
    popupCloseButton_ = true;
}

TcxContainerStyleClass TcxCustomEditStyle::Class() {
    return [](TPersistent* owner, int state, TcxContainerStyle* parent, bool direct) {
        return new TcxCustomEditStyle(owner, state, parent, direct);
    };
}

TcxContainerStyleClass TcxEditStyle::Class() {
    return [](TPersistent* owner, int state, TcxContainerStyle* parent, bool direct) {
        return new TcxEditStyle(owner, state, parent, direct);
    };
}

void TcxCustomEditStyle::AssignFrom(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomEditStyle*>(source);
    if (!other) {
        TcxContainerStyle::AssignFrom(source);
        return;
    }
    BeginChanges();
    buttonStyle_ = other->buttonStyle_;
    buttonTransparency_ = other->buttonTransparency_;
    gradientButtons_ = other->gradientButtons_;
    popupBorderStyle_ = other->popupBorderStyle_;
    popupCloseButton_ = other->popupCloseButton_;
    TcxContainerStyle::AssignFrom(source);
    MarkChanged();
    EndChanges();
}

TcxStyleController* TcxCustomEditStyle::GetFallbackStyleController() const {
    if (IsDirectAccessMode()) return nullptr;
    const TcxContainer* container = GetOwningContainer();
    if (container && container->IsInplaceEditor()) return nullptr;
    return GetDefaultEditStyleController();
}

TcxContainerStyleValues TcxCustomEditStyle::HiddenExtendedValues() const {
    return TcxContainerStyle::HiddenExtendedValues() | StyleValueBit(svButtonTransparency) |
           StyleValueBit(svPopupBorderStyle) | StyleValueBit(svGradientButtons);
}

bool TcxCustomEditStyle::StyleValueName(int index, std::string& name) const {
    if (index >= 10 && index < 14) {
        name = EditStyleValueNames[index - 10];
        return true;
    }
    return TcxContainerStyle::StyleValueName(index, name);
}

// ---- resolution ----

const TcxCustomEditStyle* TcxCustomEditStyle::ControllerEditStyle() const {
    TcxStyleController* c = GetEffectiveStyleController();
    return c ? dynamic_cast<const TcxCustomEditStyle*>(c->GetStyles()->StyleForState(GetState())) : nullptr;
}

const TcxCustomEditStyle* TcxCustomEditStyle::ParentEditStyle() const {
    return IsRootStyle() ? nullptr : dynamic_cast<const TcxCustomEditStyle*>(GetRootStyle());
}

TcxCustomEditStyle* TcxCustomEditStyle::RootEditStyle() {
    return static_cast<TcxCustomEditStyle*>(GetRootStyle());
}

const TcxCustomEditStyle* TcxCustomEditStyle::FindAssigned(TcxContainerStyleValue v) const {
    if (IsDirectAccessMode()) return OwnBit(v) ? this : nullptr;
    for (const TcxCustomEditStyle* s = this; s; s = s->ControllerEditStyle())
        if (s->OwnBit(v)) return s;
    return nullptr;
}

bool TcxCustomEditStyle::IsValueAssigned(TcxContainerStyleValue value) const {
    if (value >= svButtonStyle && value <= svGradientButtons) return FindAssigned(value) != nullptr;
    return TcxContainerStyle::IsValueAssigned(value);
}

TcxEditButtonStyle TcxCustomEditStyle::InheritedButtonStyle() const {
    const TcxCustomEditStyle* parent = ParentEditStyle();
    return parent ? parent->GetButtonStyle() : btsDefault;
}

TcxEditButtonTransparency TcxCustomEditStyle::InheritedButtonTransparency() const {
    const TcxCustomEditStyle* parent = ParentEditStyle();
    return parent ? parent->GetButtonTransparency() : ebtNone;
}

bool TcxCustomEditStyle::InheritedGradientButtons() const {
    const TcxCustomEditStyle* parent = ParentEditStyle();
    return parent ? parent->GetGradientButtons() : false;
}

TcxEditPopupBorderStyle TcxCustomEditStyle::InheritedPopupBorderStyle() const {
    const TcxCustomEditStyle* parent = ParentEditStyle();
    return parent ? parent->GetPopupBorderStyle() : epbsDefault;
}

TcxEditButtonStyle TcxCustomEditStyle::GetButtonStyle() const {
    const TcxCustomEditStyle* s = FindAssigned(svButtonStyle);
    return s ? s->buttonStyle_ : InheritedButtonStyle();
}

TcxEditButtonTransparency TcxCustomEditStyle::GetButtonTransparency() const {
    const TcxCustomEditStyle* s = FindAssigned(svButtonTransparency);
    return s ? s->buttonTransparency_ : InheritedButtonTransparency();
}

bool TcxCustomEditStyle::GetGradientButtons() const {
    const TcxCustomEditStyle* s = FindAssigned(svGradientButtons);
    return s ? s->gradientButtons_ : InheritedGradientButtons();
}

TcxEditPopupBorderStyle TcxCustomEditStyle::GetPopupBorderStyle() const {
    const TcxCustomEditStyle* s = FindAssigned(svPopupBorderStyle);
    return s ? s->popupBorderStyle_ : InheritedPopupBorderStyle();
}

// ---- setters ----

void TcxCustomEditStyle::SetOwnBit(TcxContainerStyleValue v) {
    BeginChanges();
    SetAssignedValues(GetAssignedValues() | StyleValueBit(v));
    MarkChanged();
    EndChanges();
}

void TcxCustomEditStyle::SetButtonStyle(TcxEditButtonStyle value) {
    if (OwnBit(svButtonStyle) && buttonStyle_ == value) return;
    buttonStyle_ = value;
    SetOwnBit(svButtonStyle);
}

void TcxCustomEditStyle::SetButtonTransparency(TcxEditButtonTransparency value) {
    if (!IsRootStyle()) {
        RootEditStyle()->SetButtonTransparency(value);
        return;
    }
    if (OwnBit(svButtonTransparency) && buttonTransparency_ == value) return;
    buttonTransparency_ = value;
    SetOwnBit(svButtonTransparency);
}

void TcxCustomEditStyle::SetPopupBorderStyle(TcxEditPopupBorderStyle value) {
    if (!IsRootStyle()) {
        RootEditStyle()->SetPopupBorderStyle(value);
        return;
    }
    if (OwnBit(svPopupBorderStyle) && popupBorderStyle_ == value) return;
    popupBorderStyle_ = value;
    SetOwnBit(svPopupBorderStyle);
}

bool TcxCustomEditStyle::PopupCloseButtonInEffect() const {
    const TcxCustomEditStyle* parent = ParentEditStyle();
    return parent ? parent->PopupCloseButtonInEffect() : popupCloseButton_;
}

void TcxCustomEditStyle::SetPopupCloseButton(bool value) {
    if (!IsRootStyle()) {
        RootEditStyle()->SetPopupCloseButton(value);
        return;
    }
    if (popupCloseButton_ == value) return;
    popupCloseButton_ = value;
    MarkChanged();
}

TcxEditStyleController* TcxCustomEditStyle::GetEditStyleController() const {
    return dynamic_cast<TcxEditStyleController*>(GetStyleController());
}

void TcxCustomEditStyle::SetEditStyleController(TcxEditStyleController* value) {
    SetStyleController(value);
}

TcxLookAndFeelKind ButtonStyleLookAndFeelKind(TcxEditButtonStyle style) {
    switch (style) {
    case btsFlat:
    case btsSimple:
    case btsHotFlat:
        return lfFlat;
    case btsUltraFlat:
        return lfUltraFlat;
    case btsOffice11:
        return lfOffice11;
    default:
        return lfStandard;
    }
}

} // namespace zorvy
