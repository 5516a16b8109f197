// The banded table view: its options, styles and bitmaps, the visible columns in band order and
// the re-applying of stored band and column positions.
#include "controls/grid/bandedview/BandedTableView.h"

#include "controls/foundation/painters/Painter.h"
#include "controls/grid/bandedview/BandedPainters.h"
#include "controls/grid/bandedview/BandedViewInfo.h"
#include "controls/grid/view/RegisteredViews.h"
#include "platform/rtl/StringList.h"

#include <algorithm>

namespace zorvy {

// ---- options ----

void TcxGridBandedTableOptionsBehavior::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxGridBandedTableOptionsBehavior*>(source))
        SetBandHeaderHints(other->bandHeaderHints_);
    TcxGridTableOptionsBehavior::Assign(source);
}

void TcxGridBandedTableOptionsBehavior::SetBandHeaderHints(bool value) {
    if (bandHeaderHints_ == value) return;
    bandHeaderHints_ = value;
    Changed(vckProperty);
}

void TcxGridBandedTableOptionsCustomize::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxGridBandedTableOptionsCustomize*>(source)) {
        SetBandHiding(other->bandHiding_);
        SetBandMoving(other->bandMoving_);
        SetBandSizing(other->bandSizing_);
        SetBandsQuickCustomization(other->bandsQuickCustomization_);
        SetBandsQuickCustomizationMaxDropDownCount(other->bandsQuickCustomizationMaxDropDownCount_);
        SetBandsQuickCustomizationReordering(other->bandsQuickCustomizationReordering_);
        SetColumnVertSizing(other->columnVertSizing_);
        SetNestedBands(other->nestedBands_);
    }
    TcxGridTableOptionsCustomize::Assign(source);
}

void TcxGridBandedTableOptionsCustomize::SetBandsQuickCustomizationMaxDropDownCount(int value) {
    Store(bandsQuickCustomizationMaxDropDownCount_, std::max(value, 0), vckProperty);
}

void TcxGridBandedTableOptionsCustomize::SetBandsQuickCustomizationReordering(
    TcxGridQuickCustomizationReordering value) {
    Store(bandsQuickCustomizationReordering_, value, vckProperty);
}

bool TcxGridBandedTableOptionsCustomize::SupportsBandsQuickCustomizationReordering() const {
    auto* view = dynamic_cast<TcxGridBandedTableView*>(GetGridView());
    if (!view || view->GetBands()->HasNestedBands()) return false;
    return view->HasState(csDesigning) || bandsQuickCustomizationReordering_ == qcrEnabled ||
           (bandsQuickCustomizationReordering_ == qcrDefault && bandMoving_);
}

void TcxGridBandedTableOptionsView::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxGridBandedTableOptionsView*>(source)) {
        SetBandCaptionsInColumnAlternateCaption(other->bandCaptionsInColumnAlternateCaption_);
        SetBandHeaderEndEllipsis(other->bandHeaderEndEllipsis_);
        SetBandHeaderHeight(other->bandHeaderHeight_);
        SetBandHeaderLineCount(other->bandHeaderLineCount_);
        SetBandHeaders(other->bandHeaders_);
        SetFixedBandSeparatorColor(other->fixedBandSeparatorColor_);
        SetFixedBandSeparatorWidth(other->fixedBandSeparatorWidth_);
    }
    TcxGridTableOptionsView::Assign(source);
}

void TcxGridBandedTableOptionsView::SetBandCaptionsInColumnAlternateCaption(bool value) {
    if (bandCaptionsInColumnAlternateCaption_ == value) return;
    bandCaptionsInColumnAlternateCaption_ = value;
    if (auto* view = dynamic_cast<TcxCustomGridTableView*>(GetGridView())) view->ItemChanged(nullptr);
}

TColor TcxGridBandedTableOptionsView::GetFixedBandSeparatorColorValue() const {
    if (fixedBandSeparatorColor_ != clDefault) return fixedBandSeparatorColor_;
    const TcxCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    return painter ? painter->DefaultDetailFrameColor() : clBtnText;
}

// ---- styles and bitmaps ----

void TcxGridBandedTableViewStyles::Assign(TPersistent* source) {
    TcxGridTableViewStyles::Assign(source);
    if (auto* other = dynamic_cast<TcxGridBandedTableViewStyles*>(source)) {
        SetBandBackground(other->GetBandBackground());
        SetBandHeader(other->GetBandHeader());
        onGetBandHeaderStyle_ = other->onGetBandHeaderStyle_;
    }
}

void TcxGridBandedTableViewStyles::SetOnGetBandHeaderStyle(TcxGridBandGetHeaderStyle value) {
    onGetBandHeaderStyle_ = std::move(value);
    if (TcxCustomGridView* view = GetGridView()) view->Changed(vckProperty);
}

void TcxGridBandedTableViewStyles::GetBandHeaderParams(TcxGridBand* band, TcxPartParams& params) {
    TcxStyle* style = nullptr;
    if (onGetBandHeaderStyle_)
        onGetBandHeaderStyle_(dynamic_cast<TcxGridBandedTableView*>(GetGridView()), band, style);
    GetViewParams(vsBandHeader, band, style, params);
}

void TcxGridBandedTableViewStyles::GetDataCellParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                                                     TcxPartParams& params) {
    auto* column = dynamic_cast<TcxGridBandedColumn*>(item);
    TcxGridBand* band = column ? column->GetPosition()->GetBand() : nullptr;
    TcxGridTableView* view = GetTableView();
    if (!band || !band->GetStyles()->GetContent() || (view && view->GetPreview()->GetColumn() == item)) {
        TcxGridTableViewStyles::GetDataCellParams(record, item, params);
        return;
    }
    TcxStyle* style = nullptr;
    if (record && GetOnGetContentStyle()) GetOnGetContentStyle()(GetGridTableView(), record, item, style);
    band->GetStyles()->GetViewParams(bsContent, record, style, params);
}

void TcxGridBandedTableViewStyles::GetDefaultViewParams(int index, void* data, TcxPartParams& params) {
    TcxGridTableViewStyles::GetDefaultViewParams(index, data, params);
    const TcxCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    if (index == vsBandBackground) {
        params.Color = painter ? painter->DefaultBandBackgroundColor() : clBtnShadow;
        params.TextColor = painter ? painter->DefaultBandBackgroundTextColor() : clBtnFace;
    } else if (index == vsBandHeader) {
        params.Color = painter ? painter->DefaultHeaderColor() : clBtnFace;
        params.TextColor = painter ? painter->DefaultHeaderTextColor() : clBtnText;
    }
}

void TcxGridBandedTableBackgroundBitmaps::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxGridBandedTableBackgroundBitmaps*>(source)) {
        SetBandBackground(other->GetBandBackground());
        SetBandHeader(other->GetBandHeader());
    }
    TcxGridTableBackgroundBitmaps::Assign(source);
}

int TcxGridBandedTableBackgroundBitmaps::GetBitmapStyleIndex(int index) const {
    if (index == 9) return vsBandBackground;
    if (index == 10) return vsBandHeader;
    return TcxGridTableBackgroundBitmaps::GetBitmapStyleIndex(index);
}

// ---- view ----

TcxGridBandedTableView::~TcxGridBandedTableView() {
    Destroying();
    // The bands go with the options: the columns forget them first.
    for (int i = 0; i < GetItemCount(); ++i)
        if (auto* column = dynamic_cast<TcxGridBandedColumn*>(GetItem(i))) {
            TcxGridBandedColumnPosition* position = column->GetPosition();
            if (TcxGridBand* band = position->GetBand()) band->RemoveColumn(column);
        }
}

TcxGridBandedColumn* TcxGridBandedTableView::GetColumn(int index) const {
    return static_cast<TcxGridBandedColumn*>(GetItem(index));
}

TcxGridBandedColumn* TcxGridBandedTableView::CreateColumn() {
    return static_cast<TcxGridBandedColumn*>(CreateItem());
}

TcxGridBandedTableOptionsBehavior* TcxGridBandedTableView::GetOptionsBehavior() const {
    return static_cast<TcxGridBandedTableOptionsBehavior*>(TcxGridTableView::GetOptionsBehavior());
}
TcxGridBandedTableOptionsCustomize* TcxGridBandedTableView::GetOptionsCustomize() const {
    return static_cast<TcxGridBandedTableOptionsCustomize*>(TcxGridTableView::GetOptionsCustomize());
}
TcxGridBandedTableOptionsView* TcxGridBandedTableView::GetOptionsView() const {
    return static_cast<TcxGridBandedTableOptionsView*>(TcxGridTableView::GetOptionsView());
}
TcxGridBandedTableViewStyles* TcxGridBandedTableView::GetStyles() const {
    return static_cast<TcxGridBandedTableViewStyles*>(TcxGridTableView::GetStyles());
}
TcxGridBandedTableBackgroundBitmaps* TcxGridBandedTableView::GetBackgroundBitmaps() const {
    return static_cast<TcxGridBandedTableBackgroundBitmaps*>(TcxGridTableView::GetBackgroundBitmaps());
}

const TMetaClass* TcxGridBandedTableView::GetPainterClass() const { return TcxGridBandedTablePainter::StaticClass(); }
const TMetaClass* TcxGridBandedTableView::GetViewInfoClass() const { return TcxGridBandedTableViewInfo::StaticClass(); }
const TMetaClass* TcxGridBandedTableView::GetOptionsBehaviorClass() const {
    return TcxGridBandedTableOptionsBehavior::StaticClass();
}
const TMetaClass* TcxGridBandedTableView::GetOptionsCustomizeClass() const {
    return TcxGridBandedTableOptionsCustomize::StaticClass();
}
const TMetaClass* TcxGridBandedTableView::GetOptionsViewClass() const {
    return TcxGridBandedTableOptionsView::StaticClass();
}
const TMetaClass* TcxGridBandedTableView::GetStylesClass() const {
    return TcxGridBandedTableViewStyles::StaticClass();
}
const TMetaClass* TcxGridBandedTableView::GetBackgroundBitmapsClass() const {
    return TcxGridBandedTableBackgroundBitmaps::StaticClass();
}

void TcxGridBandedTableView::CreateOptions() {
    TcxGridTableView::CreateOptions();
    bands_.reset(CreateInstance<TcxGridBands>(GetBandsClass(), this));
}

void TcxGridBandedTableView::DestroyOptions() {
    bands_.reset();
    TcxGridTableView::DestroyOptions();
}

void TcxGridBandedTableView::DoAssign(TcxCustomGridView* source) {
    if (auto* other = dynamic_cast<TcxGridBandedTableView*>(source)) {
        if (GetPatternGridView() != source) bands_->Assign(other->bands_.get());
        SetOnBandPosChanged(other->onBandPosChanged_);
        SetOnBandSizeChanged(other->onBandSizeChanged_);
        SetOnCustomDrawBandHeader(other->onCustomDrawBandHeader_);
    }
    TcxGridTableView::DoAssign(source);
}

void TcxGridBandedTableView::AssignLayout(TcxCustomGridView* layoutView) {
    if (auto* other = dynamic_cast<TcxGridBandedTableView*>(layoutView)) bands_->Assign(other->bands_.get());
    TcxGridTableView::AssignLayout(layoutView);
}

void TcxGridBandedTableView::AddItem(TcxCustomGridTableItem* item) {
    TcxGridTableView::AddItem(item);
    if (HasState(csLoading)) return;
    auto* column = dynamic_cast<TcxGridBandedColumn*>(item);
    if (column && bands_->GetVisibleBottomItemCount() > 0)
        column->GetPosition()->SetBandIndex(bands_->GetVisibleBottomItem(0)->GetIndex());
}

void TcxGridBandedTableView::ItemVisibilityChanged(TcxCustomGridTableItem* item, bool value) {
    if (auto* column = dynamic_cast<TcxGridBandedColumn*>(item))
        if (TcxGridBandRow* row = column->GetPosition()->GetRow()) {
            row->RefreshVisibleItems();
            row->GetOwner()->RefreshVisibleItems();
        }
    TcxGridTableView::ItemVisibilityChanged(item, value);
}

void TcxGridBandedTableView::RefreshVisibleItemList() {
    TcxGridTableView::RefreshVisibleItemList();
    if (!bands_) return;
    std::vector<TcxCustomGridTableItem*> items;
    for (int i = 0; i < GetVisibleItemCount(); ++i) items.push_back(GetVisibleItem(i));
    // Left-fixed bands' columns, then right-fixed, then the others; within one kind by band,
    // row and column.
    auto group = [](TcxGridBand* band) {
        switch (band->GetFixedKind()) {
        case fkLeft:
            return 0;
        case fkRight:
            return 1;
        default:
            return 2;
        }
    };
    auto key = [&](TcxCustomGridTableItem* item) {
        TcxGridBandedColumnPosition* position = static_cast<TcxGridBandedColumn*>(item)->GetPosition();
        return std::tuple(group(position->GetBand()), position->GetVisibleBandIndex(), position->GetVisibleRowIndex(),
                          position->GetVisibleColIndex(), item->GetVisibleIndex());
    };
    std::stable_sort(items.begin(), items.end(), [&](auto* a, auto* b) { return key(a) < key(b); });
    SetVisibleItemOrder(std::move(items));
}

std::vector<TcxGridBandedColumn*> TcxGridBandedTableView::GetVisibleItemList() const {
    std::vector<TcxGridBandedColumn*> result;
    for (int i = 0; i < bands_->GetVisibleBottomItemCount(); ++i) {
        TcxGridBandRows* rows = bands_->GetVisibleBottomItem(i)->GetRows();
        if (rows->GetVisibleCount() == 0) continue;
        TcxGridBandRow* row = rows->GetVisibleItem(0);
        for (int c = 0; c < row->GetVisibleCount(); ++c) result.push_back(row->GetVisibleItem(c));
    }
    return result;
}

// ---- re-applying stored positions ----

void TcxGridBandedTableView::ReapplyBandPositions() {
    std::vector<TcxGridBand*> bands;
    for (int i = 0; i < bands_->GetCount(); ++i) bands.push_back(bands_->GetItem(i));
    std::stable_sort(bands.begin(), bands.end(), [](TcxGridBand* a, TcxGridBand* b) {
        return std::pair(a->GetPosition()->GetStoredBandIndex(), a->GetPosition()->GetStoredColIndex()) <
               std::pair(b->GetPosition()->GetStoredBandIndex(), b->GetPosition()->GetStoredColIndex());
    });
    for (TcxGridBand* band : bands) {
        band->SetReapplying(true);
        try {
            TcxGridBandPosition* position = band->GetPosition();
            position->SetBandIndex(position->GetStoredBandIndex());
            if (!band->IsRoot()) position->SetColIndex(position->GetStoredColIndex());
        } catch (...) {
            band->SetReapplying(false);
            throw;
        }
        band->SetReapplying(false);
    }
}

void TcxGridBandedTableView::ReapplyColumnRowAndColIndexes() {
    std::vector<TcxGridBandedColumnPosition*> positions;
    for (int i = 0; i < GetItemCount(); ++i) positions.push_back(GetColumn(i)->GetPosition());
    std::stable_sort(positions.begin(), positions.end(), [](auto* a, auto* b) {
        return std::tuple(a->GetBandIndex(), a->GetStoredRowIndex(), a->GetStoredColIndex()) <
               std::tuple(b->GetBandIndex(), b->GetStoredRowIndex(), b->GetStoredColIndex());
    });
    for (TcxGridBandedColumnPosition* position : positions) {
        position->SetIgnoreLoading(true);
        try {
            // Leaving the row first lets every column be inserted at its stored place in turn.
            if (TcxGridBand* band = position->GetBand()) band->GetRows()->MoveColumn(position->GetColumn(), -1, -1);
            position->SetRowIndex(std::max(position->GetStoredRowIndex(), 0));
            position->SetColIndex(position->GetStoredColIndex());
        } catch (...) {
            position->SetIgnoreLoading(false);
            throw;
        }
        position->SetIgnoreLoading(false);
    }
}

void TcxGridBandedTableView::ReapplyAll() {
    BeginUpdate();
    try {
        ReapplyBandPositions();
        ReapplyColumnRowAndColIndexes();
        RefreshVisibleItemList();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TcxGridBandedTableView::AfterAssignItems() {
    TcxGridTableView::AfterAssignItems();
    ReapplyColumnRowAndColIndexes();
}

void TcxGridBandedTableView::LoadedLayoutChanged() {
    TcxGridTableView::LoadedLayoutChanged();
    ReapplyAll();
}

void TcxGridBandedTableView::UpdateAfterRestoring() {
    TcxGridTableView::UpdateAfterRestoring();
    ReapplyAll();
}

// ---- stored layout ----

void TcxGridBandedTableView::BeforeRestoring() {
    TcxGridTableView::BeforeRestoring();
    for (int i = 0; i < bands_->GetCount(); ++i) bands_->GetItem(i)->GetPosition()->SaveParams();
    for (int i = 0; i < GetItemCount(); ++i) GetColumn(i)->GetPosition()->SaveParams();
}

void TcxGridBandedTableView::GetStoredChildren(TStringList* children) {
    children->AddObject(bands_->GetStoredObjectName(), bands_.get());
    TcxGridTableView::GetStoredChildren(children);
}

TObject* TcxGridBandedTableView::CreateChild(const std::string& objectName, const std::string& className) {
    if (objectName == bands_->GetStoredObjectName()) return bands_.get();
    return TcxGridTableView::CreateChild(objectName, className);
}

void TcxGridBandedTableView::DeleteStoredChild(const std::string& objectName, TObject* object) {
    if (object == bands_.get()) return;
    TcxGridTableView::DeleteStoredChild(objectName, object);
}

// ---- events ----

void TcxGridBandedTableView::DoBandPosChanged(TcxGridBand* band) {
    if (onBandPosChanged_) onBandPosChanged_(this, band);
}

void TcxGridBandedTableView::DoBandSizeChanged(TcxGridBand* band) {
    if (onBandSizeChanged_) onBandSizeChanged_(this, band);
}

void TcxGridBandedTableView::DoCustomDrawBandHeader(TcxCanvas* canvas, TcxGridBandHeaderViewInfo* viewInfo, bool& done) {
    if (onCustomDrawBandHeader_) onCustomDrawBandHeader_(this, canvas, viewInfo, done);
}

void TcxGridBandedTableView::SetOnBandPosChanged(TcxGridBandEvent value) {
    onBandPosChanged_ = std::move(value);
    Changed(vckProperty);
}

void TcxGridBandedTableView::SetOnBandSizeChanged(TcxGridBandEvent value) {
    onBandSizeChanged_ = std::move(value);
    Changed(vckProperty);
}

void TcxGridBandedTableView::SetOnCustomDrawBandHeader(TcxGridBandCustomDrawHeaderEvent value) {
    onCustomDrawBandHeader_ = std::move(value);
    Changed(vckProperty);
}

void InitializeGridBandedTableViewUnit() {
    GetGridRegisteredViews()->AddClass(TcxGridBandedTableView::StaticClass(), "Banded Table");
    RegisterClass(TcxGridBandedColumn::StaticClass());
}

void FinalizeGridBandedTableViewUnit() {
    if (TcxGridRegisteredViews* views = GetGridRegisteredViews())
        views->RemoveClass(TcxGridBandedTableView::StaticClass());
}

} // namespace zorvy
