#include "controls/foundation/containers/ContainerStyle.h"

#include "controls/foundation/containers/Container.h"
#include "controls/foundation/containers/StyleController.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/Strings.h"

namespace zorvy {
namespace {

constexpr const char* StyleValueNames[] = {"BorderColor", "BorderStyle", "Color",     "Edges",      "Font",
                                           "HotTrack",    "Shadow",      "TextColor", "TextStyle", "TransparentBorder"};
constexpr TcxContainerStyleValues AllStyleValues = (1u << 10) - 1;
constexpr TcxContainerStyleValues DirectAccessStoredValues =
    StyleValueBit(csvColor) | StyleValueBit(csvFont) | StyleValueBit(csvTextColor) | StyleValueBit(csvTextStyle);

// The border style a focused or hot state shows for the normal style's one while hot tracking.
TcxContainerBorderStyle HotBorderStyle(TcxContainerBorderStyle s) {
    switch (s) {
    case cbsNone:
        return cbsFlat;
    case cbsSingle:
    case cbsThick:
        return cbsThick;
    case cbsFlat:
    case cbs3D:
        return cbs3D;
    default:
        return s;
    }
}

} // namespace

TcxContainerStyleClass TcxContainerStyle::Class() {
    return [](TPersistent* owner, int state, TcxContainerStyle* parent, bool direct) {
        return new TcxContainerStyle(owner, state, parent, direct);
    };
}

// ---- Construction ----

TcxContainerStyle::TcxContainerStyle(TPersistent* owner, int state, TcxContainerStyle* parentStyle,
                                     bool directAccessMode)
    : TcxInterfacedPersistent(owner), directAccessMode_(directAccessMode),
      parentStyle_(state != cxssNormal ? parentStyle : nullptr), state_(state),
      effectiveFont_(std::make_unique<TFont>()) {
    if (directAccessMode_) assignedValues_ = DirectAccessStoredValues;
    if (IsRootStyle() && !directAccessMode_) {
        ownFont_ = std::make_unique<TFont>();
        ownFont_->OnChange = [this](TObject* sender) { HandleFontChange(sender); };
        font_ = ownFont_.get();
    }
    if (IsRootStyle()) {
        lookAndFeel_ = std::make_unique<TcxLookAndFeel>(this);
        lookAndFeel_->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) { MarkChanged(); };
        SetStyleController(GetFallbackStyleController());
    }
}

TcxContainerStyle::~TcxContainerStyle() {
    destroying_ = true;
    if (IsRootStyle() && styleController_) styleController_->RemoveStyleListener(this);
    if (lookAndFeel_) lookAndFeel_->OnChanged = nullptr;
}

TcxContainerBorderStyle TcxContainerStyle::LookAndFeelBorderStyle() const {
    switch (GetLookAndFeel()->GetKind()) {
    case lfFlat:
        return cbsFlat;
    case lfStandard:
        return cbs3D;
    case lfOffice11:
        return cbsOffice11;
    default:
        return cbsUltraFlat;
    }
}

// ---- Change notices ----

void TcxContainerStyle::MarkChanged() {
    modified_ = true;
    if (updateCount_ > 0) return;
    modified_ = false;
    if (destroying_ || directAccessMode_) return;
    if (OnChanged) {
        auto handler = OnChanged;
        handler(this);
    }
}

void TcxContainerStyle::BeginChanges() {
    ++updateCount_;
}

void TcxContainerStyle::EndChanges() {
    if (updateCount_ > 0) --updateCount_;
    if (updateCount_ == 0 && modified_) MarkChanged();
}

void TcxContainerStyle::ControllerStyleChanged(TcxStyleController*) {
    // The refreshed font and the change itself make one notice.
    BeginChanges();
    RefreshFont();
    MarkChanged();
    EndChanges();
}

void TcxContainerStyle::ControllerDestroying(TcxStyleController* controller) {
    TcxContainerStyle* root = GetRootStyle();
    if (controller != root->styleController_) return;
    // A controller that goes away hands its styles to the shared fallback controller, unless it is
    // that controller itself.
    TcxStyleController* next = GetFallbackStyleController();
    if (next == controller) next = nullptr;
    controller->RemoveStyleListener(root);
    root->styleController_ = next;
    if (next) next->AddStyleListener(root);
    root->ControllerStyleChanged(next);
}

void TcxContainerStyle::HandleFontChange(TObject*) {
    if (fontAssignmentLock_ == 0) assignedValues_ |= StyleValueBit(csvFont);
    MarkChanged();
}

void TcxContainerStyle::Assigned(TcxContainerStyleValue v) {
    assignedValues_ |= StyleValueBit(v);
    MarkChanged();
}

// ---- Controllers ----

TcxStyleController* TcxContainerStyle::GetFallbackStyleController() const {
    return SharedFallbackStyleController;
}

TcxStyleController* TcxContainerStyle::GetStyleController() const {
    TcxStyleController* c = GetRootStyle()->styleController_;
    return c == GetFallbackStyleController() ? nullptr : c;
}

TcxStyleController* TcxContainerStyle::GetEffectiveStyleController() const {
    return GetRootStyle()->styleController_;
}

void TcxContainerStyle::SetStyleController(TcxStyleController* controller) {
    if (!IsRootStyle()) {
        parentStyle_->SetStyleController(controller);
        return;
    }
    TcxStyleController* fallback = GetFallbackStyleController();
    // The fallback controller's own styles never follow a controller.
    if (fallback && GetOwnerObject() == fallback) return;
    if (!controller) controller = fallback;
    for (TcxStyleController* c = controller; c; c = c->GetStyles()->NormalStyle()->GetStyleController())
        if (c->GetStyles()->NormalStyle() == this) return; // a cycle
    if (controller == styleController_) return;
    if (styleController_) styleController_->RemoveStyleListener(this);
    styleController_ = controller;
    if (controller) controller->AddStyleListener(this);
    ControllerStyleChanged(controller);
}

const TcxContainerStyle* TcxContainerStyle::ControllerStyle() const {
    TcxStyleController* c = GetRootStyle()->styleController_;
    return c ? c->GetStyles()->StyleForState(state_) : nullptr;
}

// ---- Look-ups ----

#define ZORVY_LOOKUP(Name, Type, Value, field, shared)                                                       \
    bool TcxContainerStyle::Lookup##Name(Type& value) const {                                                \
        if (shared && !IsRootStyle()) return parentStyle_->Lookup##Name(value);                              \
        if (OwnAssigned(Value)) {                                                                            \
            value = field;                                                                                   \
            return true;                                                                                     \
        }                                                                                                    \
        const TcxContainerStyle* c = ControllerStyle();                                                      \
        return c && c->Lookup##Name(value);                                                                  \
    }

ZORVY_LOOKUP(BorderColor, TColor, csvBorderColor, borderColor_, false)
ZORVY_LOOKUP(BorderStyle, TcxContainerBorderStyle, csvBorderStyle, borderStyle_, false)
ZORVY_LOOKUP(Color, TColor, csvColor, color_, false)
ZORVY_LOOKUP(Edges, TcxBorders, csvEdges, edges_, true)
ZORVY_LOOKUP(HotTrack, bool, csvHotTrack, hotTrack_, true)
ZORVY_LOOKUP(Shadow, bool, csvShadow, shadow_, true)
ZORVY_LOOKUP(TextColor, TColor, csvTextColor, textColor_, false)
ZORVY_LOOKUP(TextStyle, TFontStyles, csvTextStyle, textStyle_, false)
ZORVY_LOOKUP(TransparentBorder, bool, csvTransparentBorder, transparentBorder_, true)
#undef ZORVY_LOOKUP

bool TcxContainerStyle::LookupFont(TFont*& value) const {
    if (!IsRootStyle()) return parentStyle_->LookupFont(value);
    if (OwnAssigned(csvFont)) {
        value = font_;
        return true;
    }
    const TcxContainerStyle* c = ControllerStyle();
    return c && c->LookupFont(value);
}

bool TcxContainerStyle::IsValueAssigned(TcxContainerStyleValue v) const {
    TColor color;
    TcxContainerBorderStyle border;
    TcxBorders edges;
    TFont* font;
    bool flag;
    TFontStyles style;
    switch (v) {
    case csvBorderColor:
        return LookupBorderColor(color);
    case csvBorderStyle:
        return LookupBorderStyle(border);
    case csvColor:
        return LookupColor(color);
    case csvEdges:
        return LookupEdges(edges);
    case csvFont:
        return LookupFont(font);
    case csvHotTrack:
        return LookupHotTrack(flag);
    case csvShadow:
        return LookupShadow(flag);
    case csvTextColor:
        return LookupTextColor(color);
    case csvTextStyle:
        return LookupTextStyle(style);
    case csvTransparentBorder:
        return LookupTransparentBorder(flag);
    default:
        return false;
    }
}

// ---- Fallbacks ----

TColor TcxContainerStyle::FallbackBorderColor() const {
    switch (state_) {
    case cxssNormal:
        return clWindowFrame;
    case cxssDisabled:
        return clBtnShadow;
    default:
        return parentStyle_->GetBorderColor();
    }
}

TcxContainerBorderStyle TcxContainerStyle::FallbackBorderStyle() const {
    if (state_ == cxssNormal) return LookAndFeelBorderStyle();
    const TcxContainerBorderStyle normal = parentStyle_->GetBorderStyle();
    if (state_ == cxssDisabled || !GetHotTrack()) return normal;
    return HotBorderStyle(normal);
}

TColor TcxContainerStyle::DefaultColor() const {
    const TcxContainer* container = GetRootStyle()->GetOwningContainer();
    const bool prefersOwnColor = container && !container->DefaultsToParentColor();
    switch (state_) {
    case cxssNormal:
        return prefersOwnColor ? clWindow : clBtnFace;
    case cxssDisabled:
        return prefersOwnColor ? clBtnFace : parentStyle_->GetColor();
    default:
        return parentStyle_->GetColor();
    }
}

TColor TcxContainerStyle::FallbackTextColor() const {
    switch (state_) {
    case cxssNormal:
        return GetFont()->GetColor();
    case cxssDisabled:
        return clBtnShadow;
    default:
        return parentStyle_->GetTextColor();
    }
}

TFontStyles TcxContainerStyle::FallbackTextStyle() const {
    return state_ == cxssNormal ? GetFont()->GetStyle() : parentStyle_->GetTextStyle();
}

// ---- Getters ----

TcxContainerStyleValues TcxContainerStyle::GetAssignedValues() const {
    return directAccessMode_ ? AllStyleValues : assignedValues_;
}

TColor TcxContainerStyle::GetBorderColor() const {
    if (directAccessMode_) return clDefault;
    TColor v;
    return LookupBorderColor(v) ? v : FallbackBorderColor();
}

TcxContainerBorderStyle TcxContainerStyle::GetBorderStyle() const {
    if (directAccessMode_) return OwnAssigned(csvBorderStyle) ? borderStyle_ : FallbackBorderStyle();
    TcxContainerBorderStyle v;
    return LookupBorderStyle(v) ? v : FallbackBorderStyle();
}

TColor TcxContainerStyle::GetColor() const {
    if (directAccessMode_) return color_;
    if (IsRootStyle()) {
        const TcxContainer* container = GetOwningContainer();
        if (container && container->GetParentColor() && container->GetParent())
            return container->GetParent()->GetColor();
    }
    TColor v;
    return LookupColor(v) ? v : DefaultColor();
}

TColor TcxContainerStyle::GetPaintColor() const {
    if (directAccessMode_) return color_;
    TColor v;
    if (LookupColor(v)) return v;
    if (IsRootStyle()) {
        const TcxContainer* container = GetOwningContainer();
        if (container && !container->IsInplaceEditor() && container->GetParentColor() && container->GetParent())
            return container->GetParent()->GetColor();
    }
    return DefaultColor();
}

TcxBorders TcxContainerStyle::GetEdges() const {
    if (directAccessMode_) return 0;
    TcxBorders v;
    return LookupEdges(v) ? v : GetRootStyle()->FallbackEdges();
}

TFont* TcxContainerStyle::GetFont() const {
    return GetRootStyle()->font_;
}

bool TcxContainerStyle::GetHotTrack() const {
    if (directAccessMode_) return OwnAssigned(csvHotTrack) ? hotTrack_ : FallbackHotTrack();
    bool v;
    return LookupHotTrack(v) ? v : GetRootStyle()->FallbackHotTrack();
}

bool TcxContainerStyle::GetShadow() const {
    if (directAccessMode_) return false;
    bool v;
    return LookupShadow(v) ? v : GetRootStyle()->FallbackShadow();
}

TColor TcxContainerStyle::GetTextColor() const {
    if (directAccessMode_) return textColor_;
    TColor v;
    return LookupTextColor(v) ? v : FallbackTextColor();
}

TFontStyles TcxContainerStyle::GetTextStyle() const {
    if (directAccessMode_) return GetFont() ? GetFont()->GetStyle() : 0;
    TFontStyles v;
    return LookupTextStyle(v) ? v : FallbackTextStyle();
}

bool TcxContainerStyle::GetTransparentBorder() const {
    if (directAccessMode_) return true;
    bool v;
    return LookupTransparentBorder(v) ? v : GetRootStyle()->FallbackTransparentBorder();
}

TFont* TcxContainerStyle::EffectiveFont() {
    if (TFont* font = GetFont()) effectiveFont_->Assign(font);
    effectiveFont_->SetColor(GetTextColor());
    effectiveFont_->SetStyle(GetTextStyle());
    return effectiveFont_.get();
}

// ---- Setters ----

void TcxContainerStyle::SetAssignedValues(TcxContainerStyleValues value) {
    if (value == assignedValues_) return;
    assignedValues_ = value;
    GetRootStyle()->RefreshFont();
    MarkChanged();
}

void TcxContainerStyle::SetBorderColor(TColor value) {
    if (OwnAssigned(csvBorderColor) && borderColor_ == value) return;
    borderColor_ = value;
    Assigned(csvBorderColor);
}

void TcxContainerStyle::SetBorderStyle(TcxContainerBorderStyle value) {
    if (OwnAssigned(csvBorderStyle) && borderStyle_ == value) return;
    borderStyle_ = value;
    Assigned(csvBorderStyle);
}

void TcxContainerStyle::SetColor(TColor value) {
    if (OwnAssigned(csvColor) && color_ == value) return;
    color_ = value;
    Assigned(csvColor);
}

void TcxContainerStyle::SetTextColor(TColor value) {
    if (OwnAssigned(csvTextColor) && GetTextColor() == value) return;
    textColor_ = value;
    Assigned(csvTextColor);
}

void TcxContainerStyle::SetTextStyle(TFontStyles value) {
    if (OwnAssigned(csvTextStyle) && GetTextStyle() == value) return;
    textStyle_ = value;
    Assigned(csvTextStyle);
}

#define ZORVY_SHARED_SETTER(Name, Type, Value, field)                                                        \
    void TcxContainerStyle::Set##Name(Type value) {                                                          \
        if (!IsRootStyle()) {                                                                                \
            parentStyle_->Set##Name(value);                                                                  \
            return;                                                                                          \
        }                                                                                                    \
        if (OwnAssigned(Value) && field == value) return;                                                    \
        field = value;                                                                                       \
        Assigned(Value);                                                                                     \
    }

ZORVY_SHARED_SETTER(Edges, TcxBorders, csvEdges, edges_)
ZORVY_SHARED_SETTER(HotTrack, bool, csvHotTrack, hotTrack_)
ZORVY_SHARED_SETTER(Shadow, bool, csvShadow, shadow_)
ZORVY_SHARED_SETTER(TransparentBorder, bool, csvTransparentBorder, transparentBorder_)
#undef ZORVY_SHARED_SETTER

void TcxContainerStyle::SetFont(TFont* font) {
    if (directAccessMode_) {
        font_ = font;
        return;
    }
    if (!IsRootStyle()) {
        parentStyle_->SetFont(font);
        return;
    }
    BeginChanges();
    if (font) font_->Assign(font);
    Assigned(csvFont);
    EndChanges();
}

// ---- Font refresh, assignment and reset ----

void TcxContainerStyle::RefreshFont() {
    if (directAccessMode_ || !IsRootStyle() || OwnAssigned(csvFont)) return;
    ++fontAssignmentLock_;
    TFont* controllerFont = nullptr;
    if (LookupFont(controllerFont) && controllerFont) {
        font_->Assign(controllerFont);
    } else {
        const TcxContainer* container = GetOwningContainer();
        if (!container || !container->GetParentFont()) {
            TFont fresh;
            font_->Assign(&fresh);
        }
    }
    --fontAssignmentLock_;
}

void TcxContainerStyle::AssignFrom(TPersistent* source) {
    auto* s = dynamic_cast<TcxContainerStyle*>(source);
    if (!s) {
        TcxInterfacedPersistent::Assign(source);
        return;
    }
    BeginChanges();
    if (IsRootStyle()) {
        SetStyleController(s->GetStyleController());
        lookAndFeel_->AssignFrom(s->GetLookAndFeel());
    }
    borderColor_ = s->borderColor_;
    borderStyle_ = s->borderStyle_;
    edges_ = s->edges_;
    hotTrack_ = s->hotTrack_;
    shadow_ = s->shadow_;
    transparentBorder_ = s->transparentBorder_;
    color_ = s->color_;
    if (directAccessMode_) {
        font_ = s->GetFont();
        textColor_ = s->GetTextColor();
    } else {
        if (IsRootStyle() && s->GetFont()) {
            font_->Assign(s->GetFont());
            if (s->directAccessMode_) font_->SetColor(s->GetTextColor());
        }
        textColor_ = s->GetTextColor();
        textStyle_ = s->GetTextStyle();
    }
    assignedValues_ = s->assignedValues_;
    MarkChanged();
    EndChanges();
}

void TcxContainerStyle::ResetAssignedValues() {
    BeginChanges();
    SetAssignedValues(0);
    if (IsRootStyle()) {
        lookAndFeel_->ResetAssignedValues();
        if (TcxContainer* container = GetOwningContainer()) {
            container->SetParentColor(false);
            container->SetParentFont(true);
        } else if (!directAccessMode_) {
            ++fontAssignmentLock_;
            TFont fresh;
            font_->Assign(&fresh);
            --fontAssignmentLock_;
        }
        if (TcxContainer* container = GetOwningContainer(); container && container->DefaultsToParentColor()) {
            TcxStyleController* c = GetEffectiveStyleController();
            if (!c || !c->GetStyles()->NormalStyle()->IsValueAssigned(csvColor)) container->SetParentColor(true);
        }
    }
    EndChanges();
}

void TcxContainerStyle::DefineProperties(TFiler* filer) {
    TcxInterfacedPersistent::DefineProperties(filer);
    const TcxContainer* container = GetOwningContainer();
    const bool fontStored =
        OwnAssigned(csvFont) && (!container || container->IsStylePropertyShown("Font", state_ != cxssNormal));
    filer->DefineProperty(
        "IsFontAssigned",
        [this](TReader& reader) {
            reader.ReadBoolean(); // whatever it says, the font was stored
            assignedValues_ |= StyleValueBit(csvFont);
        },
        [](TWriter& writer) { writer.WriteBoolean(true); }, fontStored);
}

// ---- Names and structure ----

TcxContainer* TcxContainerStyle::GetOwningContainer() const {
    return dynamic_cast<TcxContainer*>(GetOwnerObject());
}

bool TcxContainerStyle::StyleValueName(int index, std::string& name) const {
    if (index < 0 || index >= 10) {
        name.clear();
        return false;
    }
    name = StyleValueNames[index];
    return true;
}

bool TcxContainerStyle::FindStyleValue(const std::string& name, int& index) const {
    for (int i = 0; i < StyleValueCount(); ++i) {
        std::string candidate;
        if (StyleValueName(i, candidate) && SameText(candidate, name)) {
            index = i;
            return true;
        }
    }
    return false;
}

TcxContainerStyleValues TcxContainerStyle::HiddenExtendedValues() const {
    return StyleValueBit(csvEdges) | StyleValueBit(csvFont) | StyleValueBit(csvHotTrack) | StyleValueBit(csvShadow) |
           StyleValueBit(csvTransparentBorder);
}

bool TcxContainerStyle::IsExtendedPropertyShown(const std::string& name) const {
    if (SameText(name, "LookAndFeel") || SameText(name, "StyleController")) return false;
    int index;
    if (!FindStyleValue(name, index)) return true;
    return (HiddenExtendedValues() & StyleValueBit(index)) == 0;
}

// ---- TcxContainerStyles ----

TcxContainerStyles::TcxContainerStyles(TPersistent* owner, const TcxContainerStyleClass& styleClass) {
    for (int state = cxssNormal; state <= cxssHot; ++state)
        styles_[state] = styleClass(owner, state, state == cxssNormal ? nullptr : styles_[cxssNormal], false);
}

TcxContainerStyles::~TcxContainerStyles() {
    for (int state = cxssHot; state >= cxssNormal; --state)
        delete styles_[state];
}

void TcxContainerStyles::SetChangeHandler(const TNotifyEvent& handler) {
    for (TcxContainerStyle* style : styles_)
        style->OnChanged = handler;
}

} // namespace zorvy
