// The view's option groups, background bitmaps and style set.
#include "controls/grid/view/ViewOptions.h"

#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/view/CustomView.h"

namespace zorvy {

// ---- options ----

TcxCustomGridOptions::TcxCustomGridOptions(TcxCustomGridView* gridView)
    : TcxInterfacedPersistent(gridView), gridView_(gridView) {
    if (gridView_) gridView_->AddOptions(this);
}

TcxCustomGridOptions::~TcxCustomGridOptions() {
    if (gridView_) gridView_->RemoveOptions(this);
}

void TcxCustomGridOptions::Assign(TPersistent* source) {
    if (!dynamic_cast<TcxCustomGridOptions*>(source)) TcxInterfacedPersistent::Assign(source);
}

void TcxCustomGridOptions::Changed(int changeKind) {
    if (gridView_) gridView_->Changed(static_cast<TcxGridViewChangeKind>(changeKind));
}

const TcxCustomLookAndFeelPainter* TcxCustomGridOptions::GetLookAndFeelPainter() const {
    return gridView_->GetLookAndFeelPainter();
}

bool TcxCustomGridOptionsBehavior::GetPostponedSynchronization() const {
    TcxCustomGridView* view = GetGridView();
    TcxCustomGridView* pattern = view ? view->GetPatternGridView() : nullptr;
    if (!pattern || pattern == view) return postponedSynchronization_;
    return pattern->GetOptionsBehavior()->GetPostponedSynchronization();
}

void TcxCustomGridOptionsBehavior::Assign(TPersistent* source) {
    if (auto* options = dynamic_cast<TcxCustomGridOptionsBehavior*>(source))
        SetPostponedSynchronization(options->GetPostponedSynchronization());
    TcxCustomGridOptions::Assign(source);
}

TScrollStyle TcxCustomGridOptionsView::GetScrollBars() const {
    TcxControl* site = GetGridView() ? GetGridView()->GetSite() : nullptr;
    return site ? site->GetScrollBarsMode() : ssBoth;
}

void TcxCustomGridOptionsView::SetScrollBars(TScrollStyle value) {
    TcxControl* site = GetGridView() ? GetGridView()->GetSite() : nullptr;
    if (!site || site->GetScrollBarsMode() == value) return;
    site->SetScrollBarsMode(value);
    Changed(vckLayout);
}

void TcxCustomGridOptionsView::Assign(TPersistent* source) {
    if (auto* options = dynamic_cast<TcxCustomGridOptionsView*>(source)) SetScrollBars(options->GetScrollBars());
    TcxCustomGridOptions::Assign(source);
}

// ---- background bitmaps ----

TcxCustomGridBackgroundBitmaps::~TcxCustomGridBackgroundBitmaps() {
    for (auto& bitmap : bitmaps_)
        if (bitmap) bitmap->OnChange = nullptr;
}

TBitmap* TcxCustomGridBackgroundBitmaps::GetValue(int index) {
    if (static_cast<int>(bitmaps_.size()) <= index) bitmaps_.resize(static_cast<size_t>(index) + 1);
    std::unique_ptr<TBitmap>& bitmap = bitmaps_[static_cast<size_t>(index)];
    if (!bitmap) {
        bitmap = std::make_unique<TBitmap>();
        bitmap->OnChange = [this](TObject*) { Changed(vckLayout); };
    }
    return bitmap.get();
}

void TcxCustomGridBackgroundBitmaps::SetValue(int index, TBitmap* value) {
    GetValue(index)->Assign(value);
}

TBitmap* TcxCustomGridBackgroundBitmaps::GetStyleBitmap(int index) const {
    const int styleIndex = GetBitmapStyleIndex(index);
    if (styleIndex == -1 || !GetGridView()) return nullptr;
    return GetGridView()->GetStyles()->GetBitmap(styleIndex);
}

TBitmap* TcxCustomGridBackgroundBitmaps::GetBitmap(int index) {
    TBitmap* own = GetValue(index);
    return own->Empty() ? GetStyleBitmap(index) : own;
}

void TcxCustomGridBackgroundBitmaps::Assign(TPersistent* source) {
    if (auto* bitmaps = dynamic_cast<TcxCustomGridBackgroundBitmaps*>(source)) SetBackground(bitmaps->GetBackground());
    TcxCustomGridOptions::Assign(source);
}

// ---- styles ----

const TcxCustomLookAndFeelPainter* TcxCustomGridStyles::GetLookAndFeelPainter() const {
    TcxCustomGridView* view = GetGridView();
    return view ? view->GetLookAndFeelPainter() : nullptr;
}

void TcxCustomGridStyles::HandleStyleChange(int index) {
    TcxStyles::HandleStyleChange(index);
    if (TcxCustomGridView* view = GetGridView()) view->Changed(vckSize);
}

void TcxCustomGridStyles::GetDefaultViewParams(int index, void* data, TcxPartParams& params) {
    TcxStyles::GetDefaultViewParams(index, data, params);
    TcxCustomGridView* view = GetGridView();
    if (!view) return;
    if (TcxCustomGrid* grid = view->GetGrid())
        params.Font = grid->GetFont();
}

void TcxCustomGridStyles::CollectLinkedComponents(TList* list) const {
    TcxCustomGridView* view = GetGridView();
    for (int i = 0; i < GetItemCount(); ++i) {
        TcxCustomStyle* style = GetItemStyle(i);
        TComponent* owner = style ? style->GetStyleRepository() : nullptr;
        if (owner && (!view || owner != view->GetOwner()) && list->IndexOf(owner) < 0) list->Add(owner);
    }
}

TcxCustomGridViewStyles::TcxCustomGridViewStyles(TcxCustomGridView* gridView) : TcxCustomGridStyles(gridView) {}

TcxCustomGridView* TcxCustomGridViewStyles::GetGridView() const {
    return dynamic_cast<TcxCustomGridView*>(GetOwnerObject());
}

void TcxCustomGridViewStyles::GetDefaultViewParams(int index, void* data, TcxPartParams& params) {
    TcxCustomGridStyles::GetDefaultViewParams(index, data, params);
    if (index == vsBackground) {
        const TcxCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
        params.Color = painter ? painter->DefaultContentColor() : clWindow;
        params.TextColor = clGrayText;
    }
}

void TcxCustomGridViewStyles::Assign(TPersistent* source) {
    TcxCustomGridStyles::Assign(source);
    if (auto* styles = dynamic_cast<TcxCustomGridViewStyles*>(source)) SetBackground(styles->GetBackground());
}

} // namespace zorvy
