// Group footers: which levels a row closes with a footer, their indents, layout, texts and hit tests.
#include "controls/grid/tableview/RowFooterViewInfo.h"

#include "controls/data/DataController.h"
#include "controls/data/DataSummary.h"
#include "controls/grid/table/Records.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "controls/grid/tableview/Rows.h"
#include "controls/grid/tableview/RowsViewInfo.h"

#include <algorithm>

namespace zorvy {

// ---- group footer cell ----

TcxGridRowFooterViewInfo* TcxGridRowFooterCellViewInfo::GetRowFooter() const {
    return static_cast<TcxGridRowFooterViewInfo*>(GetFooter());
}

std::string TcxGridRowFooterCellViewInfo::GetSummaryText() {
    TcxGridRowFooterViewInfo* footer = GetRowFooter();
    TcxCustomGridRecord* record = footer->GetRowViewInfo()->GetGridRecord();
    return GetGridView()->GetDataController()->GetSummary().GroupFooterText(record->GetIndex(), footer->GetGroupLevel(),
                                                                            GetSummaryItem()->GetIndex());
}

std::string TcxGridRowFooterCellViewInfo::CalculateText() {
    try {
        return GetSummaryText();
    } catch (const std::exception& e) {
        if (TcxGridFooterViewInfo* viewFooter = GetRowFooter()->GetRowViewInfo()->GetGridViewInfo()->GetFooterViewInfo())
            viewFooter->NoteTextFailure(e);
        return {};
    }
}

void TcxGridRowFooterCellViewInfo::GetViewParams(TcxPartParams& params) {
    TcxGridRowFooterViewInfo* footer = GetRowFooter();
    auto* row = dynamic_cast<TcxCustomGridRow*>(footer->GetRowViewInfo()->GetGridRecord());
    GetGridView()->GetStyles()->GetFooterCellParams(row, GetColumn(), footer->GetGroupLevel(), GetSummaryItem(), params);
}

// ---- group footer ----

TcxGridRowFooterViewInfo::TcxGridRowFooterViewInfo(TcxGridRowFootersViewInfo* container, int index)
    : TcxGridFooterViewInfo(container->GetRowViewInfo()->GetGridViewInfo()), container_(container), index_(index) {}

TcxCustomGridRowViewInfo* TcxGridRowFooterViewInfo::GetRowViewInfo() const { return container_->GetRowViewInfo(); }

int TcxGridRowFooterViewInfo::GetGroupLevel() const {
    const int rowLevel = GetRowViewInfo()->GetGridRecord()->GetLevel();
    const bool always = GetRowViewInfo()->GetGridView()->GetOptionsView()->GetGroupFooters() == gfAlwaysVisible;
    return always ? rowLevel - index_ : rowLevel - index_ - 1;
}

int TcxGridRowFooterViewInfo::GetVisualLevel() {
    return GetRowViewInfo()->GetGridViewInfo()->GetVisualLevel(GetRowViewInfo()->GetGridRecord()->GetLevel() - index_);
}

int TcxGridRowFooterViewInfo::GetIndent() {
    return GetVisualLevel() * GetRowViewInfo()->GetGridViewInfo()->GetLevelIndent();
}

int TcxGridRowFooterViewInfo::CalculateHeight() {
    EnsureCalculated();
    return GetBorderWidth(bTop) + GetRowCount() * GetRowHeight() + GetBorderWidth(bBottom) + GetSeparatorWidth();
}

int TcxGridRowFooterViewInfo::CalculateWidth() { return TcxGridFooterViewInfo::CalculateWidth() - GetIndent(); }

int TcxGridRowFooterViewInfo::GetColumnWidth(TcxGridColumn* column) {
    const int width = TcxGridFooterViewInfo::GetColumnWidth(column);
    return column->IsLeftmostInView() ? width - GetIndent() : width;
}

const TMetaClass* TcxGridRowFooterViewInfo::GetHitTestClass() { return TcxGridGroupFooterHitTest::StaticClass(); }
const TMetaClass* TcxGridRowFooterViewInfo::GetCellHitTestClass() { return TcxGridGroupFooterCellHitTest::StaticClass(); }

TcxGridColumnHeaderViewInfo* TcxGridRowFooterViewInfo::CreateItem(int index) {
    return new TcxGridRowFooterCellViewInfo(this, GetSummaryItem(index));
}

TcxDataSummaryItems* TcxGridRowFooterViewInfo::GetSummaryItems() {
    return GetGridView()->GetDataController()->GetSummary().GetGroupSummaryItemsForLevel(GetGroupLevel());
}

bool TcxGridRowFooterViewInfo::IsMultiSummaries() {
    return GetOptionsView()->GetEffectiveGroupFooterMultiSummaries() &&
           GetRowViewInfo()->GetGridViewInfo()->SupportsMultipleFooterSummaries();
}

void TcxGridRowFooterViewInfo::GetViewParams(TcxPartParams& params) {
    auto* row = dynamic_cast<TcxCustomGridRow*>(GetRowViewInfo()->GetGridRecord());
    GetGridView()->GetStyles()->GetFooterParams(row, nullptr, GetGroupLevel(), nullptr, params);
}

// ---- the footers of one row ----

TcxGridRowFootersViewInfo::TcxGridRowFootersViewInfo(TcxCustomGridRowViewInfo* rowViewInfo) : rowViewInfo_(rowViewInfo) {
    const int level = rowViewInfo->GetGridRecord()->GetLevel();
    for (int i = 0; i <= level; ++i)
        if (rowViewInfo->HasFooter(i)) items_.push_back(std::make_unique<TcxGridRowFooterViewInfo>(this, i));
}

TcxGridRowFootersViewInfo::~TcxGridRowFootersViewInfo() = default;

void TcxGridRowFootersViewInfo::BeforeRecalculation() {
    for (const auto& footer : items_) footer->BeforeRecalculation();
}

void TcxGridRowFootersViewInfo::Calculate(int left, int top) {
    for (const auto& footer : items_) {
        footer->Calculate(left + footer->GetIndent(), top);
        top += footer->GetHeight();
    }
}

int TcxGridRowFootersViewInfo::CalculateHeight() {
    int height = 0;
    for (const auto& footer : items_) height += footer->CalculateHeight();
    return height;
}

int TcxGridRowFootersViewInfo::GetHeight() {
    if (height_ == -1) height_ = CalculateHeight();
    return height_;
}

TcxCustomGridHitTest* TcxGridRowFootersViewInfo::GetHitTest(TPoint p) {
    for (const auto& footer : items_)
        if (TcxCustomGridHitTest* hitTest = footer->GetHitTest(p)) return hitTest;
    return nullptr;
}

void TcxGridRowFootersViewInfo::Offset(int dx, int dy) {
    for (const auto& footer : items_) footer->Offset(dx, dy);
}

int TcxGridRowFootersViewInfo::GetColumnBestFitWidth(TcxGridColumn* column) {
    int width = 0;
    for (const auto& footer : items_) width = std::max(width, footer->GetColumnBestFitWidth(column));
    return width;
}

bool TcxGridRowFootersViewInfo::GetFooterTop(int level, int& top) const {
    for (const auto& footer : items_)
        if (footer->GetIndex() >= level) {
            top = footer->Bounds.Top;
            return true;
        }
    return false;
}

void TcxGridRowFootersViewInfo::Paint(TcxCanvas* canvas) {
    for (const auto& footer : items_) footer->Paint(canvas);
}

} // namespace zorvy
