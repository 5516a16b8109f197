// Styles and the style repository: the four values of a style, how a change reaches the style sets
// that use it, and the repository's lists.
#include "controls/grid/styles/Styles.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>

namespace zorvy {

// ---- TcxCustomStyle ----

TcxCustomStyle::~TcxCustomStyle() {
    while (!listeners_.empty()) {
        IcxStyleListener* listener = listeners_.back();
        listeners_.pop_back();
        listener->StyleDestroying(this);
    }
    SetStyleRepository(nullptr);
}

void TcxCustomStyle::Changed() {
    // A listener may unregister while told: walk a copy.
    const std::vector<IcxStyleListener*> listeners = listeners_;
    for (auto it = listeners.rbegin(); it != listeners.rend(); ++it)
        if (std::find(listeners_.begin(), listeners_.end(), *it) != listeners_.end()) (*it)->StyleValuesChanged(this);
}

void TcxCustomStyle::RegisterListener(IcxStyleListener* listener) {
    if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) listeners_.push_back(listener);
}

void TcxCustomStyle::UnregisterListener(IcxStyleListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void TcxCustomStyle::SetStyleRepository(TcxStyleRepository* value) {
    if (repository_ == value) return;
    if (repository_) repository_->RemoveStyle(this);
    repository_ = value;
    if (repository_) repository_->AddStyle(this);
}

TComponent* TcxCustomStyle::GetParentComponent() const {
    return repository_;
}

void TcxCustomStyle::SetParentComponent(TComponent* value) {
    if (HasState(csLoading)) {
        SetStyleRepository(dynamic_cast<TcxStyleRepository*>(value));
        return;
    }
    auto* repository = dynamic_cast<TcxStyleRepository*>(value);
    if (value && !repository) throw EInvalidCast("Invalid class typecast");
    SetStyleRepository(repository);
}

// ---- TcxStyle ----

TcxStyle::TcxStyle(TComponent* owner)
    : TcxCustomStyle(owner), bitmap_(std::make_unique<TBitmap>()), font_(std::make_unique<TFont>()) {
    bitmap_->OnChange = [this](TObject*) { BitmapChanged(); };
    font_->OnChange = [this](TObject*) { FontChanged(); };
}

TcxStyle::~TcxStyle() {
    bitmap_->OnChange = nullptr;
    font_->OnChange = nullptr;
}

void TcxStyle::BitmapChanged() {
    if (resetting_) return;
    if (bitmap_->Empty())
        assignedValues_ &= ~StyleValueSet(svBitmap);
    else
        assignedValues_ |= StyleValueSet(svBitmap);
    Changed();
}

void TcxStyle::FontChanged() {
    if (resetting_) return;
    assignedValues_ |= StyleValueSet(svFont);
    Changed();
}

void TcxStyle::SetAssignedValues(TcxStyleValues value) {
    if (assignedValues_ == value) return;
    assignedValues_ = value;
    Changed();
}

void TcxStyle::SetBitmap(TBitmap* value) {
    TBitmap empty;
    bitmap_->Assign(value ? value : &empty);
}

void TcxStyle::SetColorValue(TColor& field, TColor value, TcxStyleValue flag) {
    if (field == value) return;
    field = value;
    if (value == clDefault)
        assignedValues_ &= ~StyleValueSet(flag);
    else
        assignedValues_ |= StyleValueSet(flag);
    Changed();
}

void TcxStyle::SetColor(TColor value) {
    SetColorValue(color_, value, svColor);
}

void TcxStyle::SetTextColor(TColor value) {
    SetColorValue(textColor_, value, svTextColor);
}

void TcxStyle::SetFont(TFont* value) {
    font_->Assign(value);
}

void TcxStyle::Assign(TPersistent* source) {
    auto* style = dynamic_cast<TcxStyle*>(source);
    if (!style) {
        TcxCustomStyle::Assign(source);
        return;
    }
    SetBitmap(style->GetBitmap());
    SetColor(style->GetColor());
    SetFont(style->GetFont());
    SetTextColor(style->GetTextColor());
    SetAssignedValues(style->GetAssignedValues());
}

void TcxStyle::ResetToDefaults() {
    resetting_ = true;
    try {
        assignedValues_ = 0;
        TBitmap empty;
        bitmap_->Assign(&empty);
        color_ = clDefault;
        textColor_ = clDefault;
    } catch (...) {
        resetting_ = false;
        throw;
    }
    resetting_ = false;
    Changed();
}

bool StyleHasValue(const TcxCustomStyle* style, TcxStyleValue value) {
    const auto* s = dynamic_cast<const TcxStyle*>(style);
    return s && (s->GetAssignedValues() & StyleValueSet(value));
}

// ---- TcxStyleRepository ----

TcxStyleRepository::~TcxStyleRepository() {
    while (!sheets_.empty()) delete sheets_.back();
    while (!styles_.empty()) delete styles_.back();
}

TcxCustomStyle* TcxStyleRepository::CreateStyleFor(TcxCustomStyleClass styleClass, TComponent* owner) {
    auto* style = CreateInstance<TcxCustomStyle>(styleClass, owner);
    style->SetStyleRepository(this);
    return style;
}

TcxCustomStyleSheet* TcxStyleRepository::CreateSheetFor(TcxCustomStyleSheetClass sheetClass, TComponent* owner) {
    auto* sheet = CreateInstance<TcxCustomStyleSheet>(sheetClass, owner);
    sheet->SetStyleRepository(this);
    return sheet;
}

void TcxStyleRepository::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    for (TcxCustomStyle* style : styles_)
        if (style->GetOwner() == root) proc(style);
    for (TcxCustomStyleSheet* sheet : sheets_)
        if (sheet->GetOwner() == root) proc(sheet);
}

void TcxStyleRepository::AddStyle(TcxCustomStyle* style) {
    if (std::find(styles_.begin(), styles_.end(), style) == styles_.end()) styles_.push_back(style);
}

void TcxStyleRepository::RemoveStyle(TcxCustomStyle* style) {
    styles_.erase(std::remove(styles_.begin(), styles_.end(), style), styles_.end());
}

void TcxStyleRepository::AddSheet(TcxCustomStyleSheet* sheet) {
    if (std::find(sheets_.begin(), sheets_.end(), sheet) == sheets_.end()) sheets_.push_back(sheet);
}

void TcxStyleRepository::RemoveSheet(TcxCustomStyleSheet* sheet) {
    sheets_.erase(std::remove(sheets_.begin(), sheets_.end(), sheet), sheets_.end());
}

void InitializeStylesUnit() {
    RegisterClass(TcxStyle::StaticClass());
}

} // namespace zorvy
