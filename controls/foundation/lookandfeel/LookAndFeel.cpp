// Look-and-feel settings: resolution along the master chain, painter choice, change propagation,
// the root and its controllers.
#include "controls/foundation/lookandfeel/LookAndFeel.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>

namespace zorvy {

namespace {
TcxLookAndFeel* root = nullptr;
int controllerCount = 0;
} // namespace

TcxLookAndFeel::TcxLookAndFeel(TPersistent* owner) : TcxInterfacedPersistent(owner) {
    current_ = own_;
    paletteNotifier_ = std::make_unique<TcxSystemPaletteChangedNotifier>(false);
    paletteNotifier_->OnSystemPaletteChanged = [this](TObject*) { SystemPaletteChanged(); };
    if (root) {
        root->AddListener(this);
        current_.Kind = ResolveKind();
        current_.NativeStyle = ResolveNativeStyle();
        current_.SkinName = ResolveSkinName();
        skinPainter_ = current_.NativeStyle ? nullptr : ResolveSkinPainter();
    }
    current_.Painter = GetPainterForThemeTypes(0);
}

TcxLookAndFeel::~TcxLookAndFeel() {
    paletteNotifier_.reset();
    destroying_ = true;
    // Listeners move back to the root and would leave the list: it stays put while they are told.
    const size_t count = listeners_.size();
    for (size_t i = 0; i < count && i < listeners_.size(); ++i)
        listeners_[i]->MasterDestroying(this);
    destroying_ = false;
    listeners_.clear();
    if (TcxLookAndFeel* master = GetEffectiveMaster()) master->RemoveListener(this);
    if (isRoot_) root = nullptr;
}

TcxLookAndFeel* TcxLookAndFeel::InheritedSource() const {
    if (isRoot_) return nullptr;
    return master_ ? master_ : root;
}

TcxLookAndFeelKind TcxLookAndFeel::ResolveKind() const {
    if (assignedValues_ & LookAndFeelValue(lfvKind)) return own_.Kind;
    const TcxLookAndFeel* source = InheritedSource();
    return source ? source->current_.Kind : lfUltraFlat;
}

bool TcxLookAndFeel::ResolveNativeStyle() const {
    if (assignedValues_ & LookAndFeelValue(lfvNativeStyle)) return own_.NativeStyle;
    const TcxLookAndFeel* source = InheritedSource();
    return source ? source->current_.NativeStyle : false;
}

std::string TcxLookAndFeel::ResolveSkinName() const {
    if (assignedValues_ & LookAndFeelValue(lfvSkinName)) return own_.SkinName;
    const TcxLookAndFeel* source = InheritedSource();
    return source ? source->current_.SkinName : std::string();
}

TcxLookAndFeelPainterClass TcxLookAndFeel::ResolveSkinPainter() const {
    if (assignedValues_ & LookAndFeelValue(lfvSkinName)) {
        TcxLookAndFeelPainterClass painter = nullptr;
        return FindSkinPainter(own_.SkinName, painter) ? painter : nullptr;
    }
    const TcxLookAndFeel* source = InheritedSource();
    return source ? source->skinPainter_ : nullptr;
}

bool TcxLookAndFeel::FindSkinPainter(const std::string& name, TcxLookAndFeelPainterClass& painter) const {
    if (name.empty()) return false;
    return ExtendedStylePaintersList().FindPainterClass(name, painter);
}

TcxLookAndFeelPainterClass TcxLookAndFeel::GetPainterForThemeType(TThemedObjectKind kind) const {
    if (current_.NativeStyle && CanUseThemeFor(kind)) return WinXPPainter();
    if (skinPainter_) return skinPainter_;
    return PainterForKind(current_.Kind);
}

TcxLookAndFeelPainterClass TcxLookAndFeel::GetPainterForThemeTypes(TThemedObjectKinds kinds) const {
    if (current_.NativeStyle && CanUseThemesFor(kinds)) return WinXPPainter();
    if (skinPainter_) return skinPainter_;
    return PainterForKind(current_.Kind);
}

void TcxLookAndFeel::NotifyChanged(TcxLookAndFeelValues changed) {
    if (changed == 0 || destroying_) return;
    current_.Kind = ResolveKind();
    current_.NativeStyle = ResolveNativeStyle();
    current_.SkinName = ResolveSkinName();
    skinPainter_ = nullptr;
    if (!current_.NativeStyle) skinPainter_ = ResolveSkinPainter();
    current_.Painter = GetPainterForThemeTypes(0);
    // A listener that leaves the list while it is told does not make the next one be skipped.
    for (size_t i = 0; i < listeners_.size();) {
        const size_t count = listeners_.size();
        listeners_[i]->MasterChanged(this, changed);
        if (listeners_.size() == count) ++i;
    }
    if (OnChanged) OnChanged(this, changed);
}

void TcxLookAndFeel::SetKind(TcxLookAndFeelKind value) {
    const TcxLookAndFeelKind before = current_.Kind;
    assignedValues_ |= LookAndFeelValue(lfvKind);
    own_.Kind = value;
    if (ResolveKind() != before) NotifyChanged(LookAndFeelValue(lfvKind));
}

void TcxLookAndFeel::SetNativeStyle(bool value) {
    const bool before = current_.NativeStyle;
    assignedValues_ |= LookAndFeelValue(lfvNativeStyle);
    own_.NativeStyle = value;
    if (ResolveNativeStyle() != before) NotifyChanged(LookAndFeelValue(lfvNativeStyle));
}

void TcxLookAndFeel::SetSkinName(const std::string& value) {
    const std::string before = current_.SkinName;
    assignedValues_ |= LookAndFeelValue(lfvSkinName);
    own_.SkinName = value;
    if (ResolveSkinName() != before) NotifyChanged(LookAndFeelValue(lfvSkinName));
}

void TcxLookAndFeel::SetAssignedValues(TcxLookAndFeelValues value) {
    if (value == assignedValues_) return;
    RememberState();
    assignedValues_ = value;
    ApplyStateChange();
}

void TcxLookAndFeel::RememberState() {
    previous_.Kind = current_.Kind;
    previous_.NativeStyle = current_.NativeStyle;
    previous_.SkinName = current_.SkinName;
}

void TcxLookAndFeel::ApplyStateChange() {
    TcxLookAndFeelValues changed = 0;
    if (ResolveKind() != previous_.Kind) changed |= LookAndFeelValue(lfvKind);
    if (ResolveNativeStyle() != previous_.NativeStyle) changed |= LookAndFeelValue(lfvNativeStyle);
    if (ResolveSkinName() != previous_.SkinName) changed |= LookAndFeelValue(lfvSkinName);
    NotifyChanged(changed);
}

TcxLookAndFeel* TcxLookAndFeel::GetEffectiveMaster() const {
    if (isRoot_) return nullptr;
    return master_ ? master_ : root;
}

void TcxLookAndFeel::SetMaster(TcxLookAndFeel* master) {
    if (isRoot_ || master == this || master == GetEffectiveMaster()) return;
    // A master that follows this look-and-feel would pass every change round the circle for ever.
    for (const TcxLookAndFeel* m = master; m; m = m->master_)
        if (m == this) throw EInvalidOperation("A look-and-feel cannot take as master one that follows it");
    RememberState();
    if (TcxLookAndFeel* old = GetEffectiveMaster()) old->RemoveListener(this);
    master_ = master;
    if (TcxLookAndFeel* now = GetEffectiveMaster()) now->AddListener(this);
    ApplyStateChange();
}

void TcxLookAndFeel::HandleMasterChange(TcxLookAndFeel*, TcxLookAndFeelValues changed) {
    NotifyChanged(TcxLookAndFeelValues(changed & ~assignedValues_));
}

void TcxLookAndFeel::SystemPaletteChanged() {
    NotifyChanged(LookAndFeelValue(lfvNativeStyle));
}

void TcxLookAndFeel::AddListener(IcxLookAndFeelListener* listener) {
    if (!listener) return;
    const bool controller = dynamic_cast<TcxLookAndFeelController*>(listener->GetListenerObject()) != nullptr;
    if (controller && !isRoot_) return;
    if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end()) return;
    listeners_.push_back(listener);
    if (controller) ++controllerCount;
}

void TcxLookAndFeel::RemoveListener(IcxLookAndFeelListener* listener) {
    auto it = std::find(listeners_.begin(), listeners_.end(), listener);
    if (it == listeners_.end()) return;
    const bool controller = dynamic_cast<TcxLookAndFeelController*>(listener->GetListenerObject()) != nullptr;
    if (!destroying_) listeners_.erase(it);
    if (controller && isRoot_ && --controllerCount == 0) ResetAssignedValues();
}

void TcxLookAndFeel::AssignFrom(TPersistent* source) {
    auto* other = dynamic_cast<TcxLookAndFeel*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    RememberState();
    own_ = other->own_;
    own_.Painter = nullptr;
    assignedValues_ = other->assignedValues_;
    SetMaster(other->GetEffectiveMaster());
    ApplyStateChange();
}

// ---- the controller ----

TcxLookAndFeelController::TcxLookAndFeelController(TComponent* owner) : TComponent(owner) {
    if (root) root->AddListener(this);
}

TcxLookAndFeelController::~TcxLookAndFeelController() {
    if (root) root->RemoveListener(this);
}

TcxLookAndFeelKind TcxLookAndFeelController::GetKind() const {
    return root ? root->GetKind() : lfUltraFlat;
}
void TcxLookAndFeelController::SetKind(TcxLookAndFeelKind value) {
    if (root) root->SetKind(value);
}
bool TcxLookAndFeelController::GetNativeStyle() const {
    return root && root->GetNativeStyle();
}
void TcxLookAndFeelController::SetNativeStyle(bool value) {
    if (root) root->SetNativeStyle(value);
}
std::string TcxLookAndFeelController::GetSkinName() const {
    return root ? root->GetSkinName() : std::string();
}
void TcxLookAndFeelController::SetSkinName(const std::string& value) {
    if (root) root->SetSkinName(value);
}

// ---- the root ----

TcxLookAndFeel* GetRootLookAndFeel() {
    return root;
}

int LookAndFeelControllerCount() {
    return controllerCount;
}

void InitializeLookAndFeel() {
    if (root) return;
    auto* created = new TcxLookAndFeel(nullptr); // made while no root exists: it follows nobody
    created->isRoot_ = true;
    root = created;
}

void FinalizeLookAndFeel() {
    delete root; // its destructor clears the global
    controllerCount = 0;
}

} // namespace zorvy
