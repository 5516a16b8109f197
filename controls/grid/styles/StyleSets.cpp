// Style sets and style sheets: index-to-style maps kept sorted, the sheet chain they fall back to,
// and the merging of a part's values from explicit style, own style and the owner's defaults.
#include "controls/grid/styles/Styles.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/Strings.h"

#include <algorithm>

namespace zorvy {

// ---- TcxCustomStyles ----

TcxCustomStyles::~TcxCustomStyles() {
    destroying_ = true;
    Clear();
    SetStyleSheet(nullptr);
}

size_t TcxCustomStyles::FindItem(int index, bool& found) const {
    size_t low = 0, high = items_.size();
    while (low < high) {
        const size_t middle = (low + high) / 2;
        if (items_[middle].Index < index)
            low = middle + 1;
        else
            high = middle;
    }
    found = low < items_.size() && items_[low].Index == index;
    return low;
}

bool TcxCustomStyles::IsOwnerBeingWritten() const {
    auto* component = dynamic_cast<TComponent*>(GetOwnerObject());
    return component && component->HasState(csWriting);
}

TcxCustomStyle* TcxCustomStyles::GetStyle(int index) const {
    bool found;
    const size_t position = FindItem(index, found);
    if (found) return items_[position].Style;
    if (!styleSheet_ || IsOwnerBeingWritten()) return nullptr;
    return styleSheet_->GetStyles()->GetStyle(index);
}

TComponent* TcxCustomStyles::GetTopOwnerComponent() const {
    TPersistent* top = GetOwnerObject();
    if (!top) return nullptr;
    while (TPersistent* next = top->GetOwner()) top = next;
    return dynamic_cast<TComponent*>(top);
}

void TcxCustomStyles::SetStyle(int index, TcxCustomStyle* style) {
    if (style && !style->GetName().empty()) {
        // A style of an ancestor form maps onto its copy in the inherited form.
        TComponent* top = GetTopOwnerComponent();
        TComponent* styleOwner = style->GetOwner();
        if (top && styleOwner && top != styleOwner && top->InheritsFrom(styleOwner->ClassType()))
            style = dynamic_cast<TcxCustomStyle*>(top->FindComponent(style->GetName()));
    }
    if (style == GetStyle(index)) return;
    bool found;
    const size_t position = FindItem(index, found);
    if (found) {
        items_[position].Style->UnregisterListener(this);
        if (style) {
            items_[position].Style = style;
            style->RegisterListener(this);
        } else {
            items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(position));
        }
        ItemStyleChanged(index);
    } else if (style) {
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(position), TItem{index, style});
        style->RegisterListener(this);
        ItemStyleChanged(index);
    }
}

void TcxCustomStyles::DeleteItem(size_t position) {
    const TItem item = items_[position];
    item.Style->UnregisterListener(this);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(position));
    ItemStyleChanged(item.Index);
}

void TcxCustomStyles::Clear() {
    while (!items_.empty()) DeleteItem(items_.size() - 1);
}

void TcxCustomStyles::ItemStyleChanged(int index) {
    if (destroying_) return;
    HandleStyleChange(index);
    if (owningSheet_) owningSheet_->StyleChanged(index);
}

void TcxCustomStyles::StyleValuesChanged(TcxCustomStyle* style) {
    const std::vector<TItem> items = items_;
    for (const TItem& item : items)
        if (item.Style == style) ItemStyleChanged(item.Index);
}

void TcxCustomStyles::StyleDestroying(TcxCustomStyle* style) {
    for (size_t i = items_.size(); i-- > 0;)
        if (i < items_.size() && items_[i].Style == style) DeleteItem(i);
}

void TcxCustomStyles::CollectSheetIndexes(TcxCustomStyleSheet* sheet, std::vector<int>& indexes) {
    std::vector<TcxCustomStyleSheet*> seen;
    while (sheet && std::find(seen.begin(), seen.end(), sheet) == seen.end()) {
        seen.push_back(sheet);
        for (const TItem& item : sheet->GetStyles()->items_)
            if (std::find(indexes.begin(), indexes.end(), item.Index) == indexes.end()) indexes.push_back(item.Index);
        sheet = sheet->GetStyles()->GetStyleSheet();
    }
}

bool TcxCustomStyles::CanUseStyleSheet(TcxCustomStyleSheet* sheet) const {
    if (!sheet) return true;
    if (sheet == owningSheet_ || sheet->GetStylesObjectClass() != ClassType()) return false;
    if (!owningSheet_) return true;
    std::vector<TcxCustomStyleSheet*> seen;
    for (TcxCustomStyleSheet* s = sheet; s && std::find(seen.begin(), seen.end(), s) == seen.end();
         s = s->GetStyles()->GetStyleSheet()) {
        if (s == owningSheet_) return false;
        seen.push_back(s);
    }
    return true;
}

void TcxCustomStyles::SetStyleSheet(TcxCustomStyleSheet* value) {
    if (value == styleSheet_ || !CanUseStyleSheet(value)) return;
    std::vector<int> indexes;
    if (styleSheet_) {
        styleSheet_->RemoveUser(this);
        if (!destroying_) CollectSheetIndexes(styleSheet_, indexes);
    }
    styleSheet_ = value;
    if (styleSheet_) {
        styleSheet_->AddUser(this);
        CollectSheetIndexes(styleSheet_, indexes);
    }
    for (int index : indexes) ItemStyleChanged(index);
}

void TcxCustomStyles::Assign(TPersistent* source) {
    if (auto* styles = dynamic_cast<TcxCustomStyles*>(source))
        SetStyleSheet(styles->GetStyleSheet());
    else
        TcxInterfacedPersistent::Assign(source);
}

// ---- TcxStyles ----

TBitmap* TcxStyles::GetBitmap(int index) const {
    auto* style = dynamic_cast<TcxStyle*>(GetStyle(index));
    if (!StyleHasValue(style, svBitmap) || style->GetBitmap()->Empty()) return nullptr;
    return style->GetBitmap();
}

void TcxStyles::GetDefaultViewParams(int index, void*, TcxPartParams& params) {
    params.Bitmap = nullptr;
    maxDefaultViewParamsIndex_ = std::max(maxDefaultViewParamsIndex_, index);
}

void TcxStyles::GetViewParams(int index, void* data, TcxCustomStyle* style, TcxPartParams& params) {
    auto* explicitStyle = dynamic_cast<TcxStyle*>(style);
    auto* ownStyle = dynamic_cast<TcxStyle*>(GetStyle(index));
    auto pick = [&](TcxStyleValue value) -> TcxStyle* {
        if (StyleHasValue(explicitStyle, value)) return explicitStyle;
        if (StyleHasValue(ownStyle, value)) return ownStyle;
        return nullptr;
    };
    TcxStyle* s = bitmapInViewParams_ ? pick(svBitmap) : nullptr;
    params.Bitmap = s ? s->GetBitmap() : nullptr;
    s = pick(svColor);
    params.Color = s ? s->GetColor() : clDefault;
    s = pick(svFont);
    params.Font = s ? s->GetFont() : nullptr;
    s = pick(svTextColor);
    params.TextColor = s ? s->GetTextColor() : clDefault;

    const bool bitmapResolved = params.Bitmap || !bitmapInViewParams_;
    if (bitmapResolved && params.Color != clDefault && params.TextColor != clDefault && params.Font) return;
    TcxPartParams defaults;
    defaults.Color = clDefault;
    defaults.TextColor = clDefault;
    GetDefaultViewParams(index, data, defaults);
    if (!params.Bitmap) params.Bitmap = defaults.Bitmap;
    if (params.Color == clDefault) params.Color = defaults.Color;
    if (!params.Font) params.Font = defaults.Font;
    if (params.TextColor == clDefault) params.TextColor = defaults.TextColor;
}

void TcxStyles::HandleFontChanged(TObject*, TFont* font) {
    const int last = maxDefaultViewParamsIndex_;
    for (int i = 0; i <= last; ++i) {
        if (!IsFontUnassigned(i)) continue;
        TcxPartParams defaults;
        GetDefaultViewParams(i, nullptr, defaults);
        if (defaults.Font == font) ItemStyleChanged(i);
    }
}

// ---- TcxCustomStyleSheet ----

TcxCustomStyleSheet::TcxCustomStyleSheet(TComponent* owner) : TcxComponent(owner) {
    builtIn_ = owner && owner->HasState(csDesigning);
    CreateStylesObject();
}

TcxCustomStyleSheet::~TcxCustomStyleSheet() {
    while (!users_.empty()) {
        TcxCustomStyles* user = users_.back();
        user->SetStyleSheet(nullptr);
        // A user that refused to let go is dropped all the same.
        if (!users_.empty() && users_.back() == user) users_.pop_back();
    }
    SetStyleRepository(nullptr);
}

void TcxCustomStyleSheet::CreateStylesObject() {
    styles_.reset(CreateInstance<TcxCustomStyles>(GetStylesObjectClass(), this));
    styles_->owningSheet_ = this;
}

std::string TcxCustomStyleSheet::GetCaption() const {
    return caption_.empty() ? GetName() : caption_;
}

void TcxCustomStyleSheet::SetCaption(const std::string& value) {
    caption_ = AnsiSameText(value, GetName()) ? std::string() : value;
}

void TcxCustomStyleSheet::Assign(TPersistent* source) {
    if (auto* sheet = dynamic_cast<TcxCustomStyleSheet*>(source)) {
        SetCaption(sheet->GetCaption());
        styles_->Assign(sheet->GetStyles());
    } else {
        TcxComponent::Assign(source);
    }
}

void TcxCustomStyleSheet::DefineProperties(TFiler* filer) {
    TcxComponent::DefineProperties(filer);
    filer->DefineProperty(
        "BuiltIn", [this](TReader& reader) { builtIn_ = reader.ReadBoolean(); },
        [this](TWriter& writer) { writer.WriteBoolean(builtIn_); }, builtIn_);
}

void TcxCustomStyleSheet::SetStyleRepository(TcxStyleRepository* value) {
    if (repository_ == value) return;
    if (repository_) repository_->RemoveSheet(this);
    repository_ = value;
    if (repository_) repository_->AddSheet(this);
}

void TcxCustomStyleSheet::SetParentComponent(TComponent* value) {
    auto* repository = dynamic_cast<TcxStyleRepository*>(value);
    if (value && !repository && !HasState(csLoading)) throw EInvalidCast("Invalid class typecast");
    SetStyleRepository(repository);
}

void TcxCustomStyleSheet::RemoveUser(TcxCustomStyles* styles) {
    users_.erase(std::remove(users_.begin(), users_.end(), styles), users_.end());
}

void TcxCustomStyleSheet::StyleChanged(int index) {
    const std::vector<TcxCustomStyles*> users = users_;
    for (TcxCustomStyles* user : users) user->ItemStyleChanged(index);
    RefreshFakeComponentLinks();
}

void TcxCustomStyleSheet::CollectLinkedComponents(TList* list) {
    TcxComponent::CollectLinkedComponents(list);
    for (const TcxCustomStyles::TItem& item : styles_->items_) {
        TComponent* owner = item.Style->GetOwner();
        if (owner && owner != GetOwner() && list->IndexOf(owner) < 0) list->Add(owner);
    }
}

} // namespace zorvy
