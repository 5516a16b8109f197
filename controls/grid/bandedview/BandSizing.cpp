// Band width sizing and column line-count sizing.
#include "controls/grid/bandedview/BandSizing.h"

#include "controls/grid/bandedview/BandedColumn.h"
#include "controls/grid/bandedview/BandedController.h"
#include "controls/grid/bandedview/BandedHitTests.h"
#include "controls/grid/bandedview/BandedTableView.h"
#include "controls/grid/bandedview/BandedViewInfo.h"
#include "controls/grid/bandedview/Bands.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/TableViewOptions.h"

#include <cmath>

namespace zorvy {

// ---- bands ----

void TcxGridBandSizingObject::Init(TPoint p, TcxCustomGridHitTest* hitTest) {
    TcxCustomGridSizingObject::Init(p, hitTest);
    if (auto* bandHitTest = dynamic_cast<TcxGridBandHitTest*>(hitTest)) band_ = bandHitTest->GetBand();
}

TcxGridBandedTableController* TcxGridBandSizingObject::GetBandedController() const {
    return band_ ? dynamic_cast<TcxGridBandedTableController*>(band_->GetGridView()->GetController()) : nullptr;
}

TcxGridBandViewInfo* TcxGridBandSizingObject::GetBandViewInfo() const {
    auto* viewInfo = dynamic_cast<TcxGridBandedTableViewInfo*>(GetViewInfo());
    return viewInfo && band_ ? viewInfo->GetBandsViewInfo()->FindBandViewInfo(band_) : nullptr;
}

int TcxGridBandSizingObject::CalcCurrentSize() {
    int size = TcxCustomGridSizingObject::CalcCurrentSize();
    if (TcxGridBandViewInfo* bandViewInfo = GetBandViewInfo()) {
        size = std::max(size, bandViewInfo->GetMinContentWidth());
        size = std::min(size, std::max(bandViewInfo->GetMaxWidth() - bandViewInfo->BordersWidth(),
                                       bandViewInfo->GetMinContentWidth()));
    }
    return size;
}

TRect TcxGridBandSizingObject::GetSizedItemRect() {
    TcxGridBandViewInfo* bandViewInfo = GetBandViewInfo();
    return bandViewInfo ? bandViewInfo->Bounds : TRect{};
}

void TcxGridBandSizingObject::StartTracking() {
    TcxGridBandViewInfo* bandViewInfo = GetBandViewInfo();
    SetStartingSize(bandViewInfo ? bandViewInfo->GetContentWidth() : 0);
    if (TcxGridBandedTableController* controller = GetBandedController()) controller->SetSizingBand(band_);
    TcxCustomGridSizingObject::StartTracking();
}

void TcxGridBandSizingObject::StopTracking(bool accepted) {
    const int size = CalcCurrentSize();
    TcxGridBandViewInfo* bandViewInfo = GetBandViewInfo();
    TcxCustomGridSizingObject::StopTracking(accepted);
    if (TcxGridBandedTableController* controller = GetBandedController()) controller->SetSizingBand(nullptr);
    if (!accepted || !bandViewInfo || size == GetStartingSize()) return;
    TcxGridBandedTableView* view = band_->GetGridView();
    view->BeginUpdate();
    // The bands around keep what they show: a sized parent shares out no more than its own width.
    if (TcxGridBand* parent = band_->GetSizedParentBand())
        if (TcxGridBandViewInfo* parentViewInfo = bandViewInfo->GetBandsViewInfo()->FindBandViewInfo(parent))
            parentViewInfo->ApplyChildBandWidths();
    band_->SetWidth(size + bandViewInfo->BordersWidth());
    view->EndUpdate();
    view->DoBandSizeChanged(band_);
}

// ---- column line counts ----

TcxGridBandedTableController* TcxGridColumnVertSizingObject::GetBandedController() const {
    return GetColumn() ? dynamic_cast<TcxGridBandedTableController*>(GetColumn()->GetGridView()->GetController())
                       : nullptr;
}

int TcxGridColumnVertSizingObject::GetOneLineHeight() const {
    auto* viewInfo = dynamic_cast<TcxGridBandedTableViewInfo*>(GetViewInfo());
    return viewInfo ? std::max(1, viewInfo->GetBandsViewInfo()->GetColumnHeaderLineHeight()) : 1;
}

int TcxGridColumnVertSizingObject::CalcCurrentSize() {
    const int lineHeight = GetOneLineHeight();
    const int size = TcxCustomGridColumnSizingObject::CalcCurrentSize();
    const int lines = static_cast<int>(std::lround(static_cast<double>(size) / lineHeight));
    return std::max(1, lines) * lineHeight;
}

void TcxGridColumnVertSizingObject::StartTracking() {
    TcxGridColumnHeaderViewInfo* cell = GetHeaderCell();
    SetStartingSize(cell ? cell->Bounds.Bottom - cell->Bounds.Top : 0);
    if (TcxGridBandedTableController* controller = GetBandedController())
        controller->SetVertSizingColumn(static_cast<TcxGridBandedColumn*>(GetColumn()));
    TcxCustomGridColumnSizingObject::StartTracking();
}

void TcxGridColumnVertSizingObject::StopTracking(bool accepted) {
    const int lines = CalcCurrentSize() / GetOneLineHeight();
    const bool laidOut = GetHeaderCell() != nullptr;
    TcxCustomGridColumnSizingObject::StopTracking(accepted);
    auto* column = static_cast<TcxGridBandedColumn*>(GetColumn());
    if (accepted && laidOut) {
        column->GetPosition()->SetLineCount(lines);
        column->GetGridView()->DoColumnSizeChanged(column);
    }
    if (TcxGridBandedTableController* controller = GetBandedController()) controller->SetVertSizingColumn(nullptr);
}

} // namespace zorvy
